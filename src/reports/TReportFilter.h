#pragma once

#include "data/TBookingKind.h"
#include "reports/TReportHolders.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Which bookings make one figure of a report: what the history window needs to list exactly them.
// The holders as the report chose them, a range of days, the kinds, whether a transfer counts only
// when it crosses the edge of the holders (its other side is not one of them), and a purpose or payee
// (the text's key, textKey()), or every one but a few (the report's "Other").
struct TReportFilter
{
    enum class Text
    {
        Any,
        Purpose, // the booking's "For"
        Payee    // the booking's "From": the payee of a debit, the payer of a deposit
    };

    TReportHolders holders;
    QDate first; // null: from the first booking on
    QDate last;
    QList<TBookingKind> kinds; // empty: every kind
    bool crossingOnly = false;
    Text text = Text::Any;
    QStringList keys;        // the keys the text must have
    bool exceptKeys = false; // instead: every key but these

    // One booking as a list shows it: a deposit or debit of `holder`, or one side of a transfer
    // (`other` the holder of its other side).
    struct Booking
    {
        TBookingKind kind = TBookingKind::Deposit;
        qint32 holder = 0;
        int holderType = 0;
        qint32 other = 0;
        int otherType = 0;
        QDate day;
        QString from;
        QString forText;
    };
    bool matches(const Booking& booking) const;

    // The key a purpose or payee is grouped and found by: the text without blanks at both ends, each
    // character folded as the search folds it (TTextPattern), so "Food", " food" and "FOOD" are one.
    static QString textKey(QStringView text);

    bool operator==(const TReportFilter&) const = default;
};
