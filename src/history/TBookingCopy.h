#pragma once

#include "data/TRowSet.h"

#include <QList>
#include <QLocale>
#include <QString>

// The clipboard text of the history window's Copy command: one line per row, in the order given,
// with the ledger columns date, TypeName, memo, Date1, from, Amount and for, each followed by a
// comma, and CR LF. Nothing is quoted or escaped.
class TBookingCopy
{
public:
    // `sourceRows` are rows of `rows`, a ledger result.
    static QString text(const TRowSet& rows, const QList<int>& sourceRows, const QLocale& locale = QLocale());
    // The plain text of one cell: a date-time in the short date format and the long time format
    // (no time at midnight), a date in the short date format, an amount as a plain number, a text
    // as it is; empty for no value.
    static QString cellText(const TRowSet& rows, int row, int column, const QLocale& locale = QLocale());
};
