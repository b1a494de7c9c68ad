#pragma once

#include "import/TCsvSettings.h"

#include <QByteArray>
#include <QStringList>

// Settings proposed for a delimited statement file the program has not seen. The file is split into
// records as the reader splits it (quoted line breaks, any line ends), and then:
// - the delimiter is the one that gives the most records the same number (two or more) of fields;
// - the date column is the first that holds a date on nearly every record; the transactions are the
//   records with a date there, and the column titles the last record before them whose fields are
//   all texts (whatever its width); lines between the titles and the last transaction are left to
//   the reader, which lists each one it does not book;
// - the amount is found by what the columns hold before what their titles say: a column whose steps
//   from row to row equal another column's values (in the file's order or reversed) is a running
//   balance, and that other column (or pair of columns, or column less a fee) the amount; a column
//   that is zero on every row is never the amount; where nothing proves it, the titles (in many
//   languages, TImportWords) and the values decide;
// - amounts without a sign take it from a column of direction marks ("D"/"C", "Af"/"Bij"), learned
//   from the balance where there is one; a column of states keeps pending rows from being booked;
// - the texts (From, For, Memo) and the bank's id come from the titles, else from the order.
// Only the head and the tail of a long file are looked at, so the whole file may be given.
class TCsvGuess
{
public:
    TCsvSettings settings;
    QStringList titles;
    // Both day first and month first fit every date seen: the user must choose.
    bool dateOrderAmbiguous = false;
    // The file shows no column of dates: the settings are the defaults.
    bool found = false;

    static TCsvGuess from(const QByteArray& bytes);
};
