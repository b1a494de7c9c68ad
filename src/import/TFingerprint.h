#pragma once

#include "import/TImportRow.h"

#include <QList>
#include <QString>
#include <QStringList>

// What identifies an imported transaction across imports of overlapping statements. A row with the
// bank's id is known by that id; any other by a hash of its date, its amount and its words (From,
// For and Memo together, case and spacing and the order of the words ignored, so a profile that
// maps the columns differently still knows its rows). Either comes with the row's count among the
// rows of the file with the same id or hash, in the file's order: two identical coffees on one day
// are "...#1" and "...#2", and a later file that holds both matches both.
class TFingerprint
{
public:
    // The fingerprints of `rows`, in their order.
    static QStringList of(const QList<TImportRow>& rows);

    // The identity of one row without its count: "id:<bank id>" or "h:<32 hex digits>".
    static QString key(const TImportRow& row);

    // The words of a row's texts as they enter the hash.
    static QString normalText(const TImportRow& row);
};
