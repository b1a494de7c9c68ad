#pragma once

#include "import/TCsvSettings.h"

#include <QByteArray>
#include <QStringList>

// Settings proposed for a delimited statement file the program has not seen: the encoding, the
// delimiter that splits the most lines into the same number of columns, the lines before and after
// the transactions, the date column and order, the amount notation, the amount column (or the
// columns of money paid out and received) and the text columns, by their titles where the file has
// them. Only the first 200 and the last 50 lines are looked at, so the whole file may be given.
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
