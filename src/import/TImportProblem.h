#pragma once

#include <QString>

// A part of a statement file that is not booked as a transaction: a line that could not be read, a
// line the settings skip, or a balance or total line of the statement itself.
struct TImportProblem
{
    enum class Kind
    {
        Unread,      // meant to be a transaction, but could not be read
        Skipped,     // left out by the settings (lines skipped at the bottom)
        BalanceLine, // the statement's opening or closing balance, or a total: never booked
    };

    int line = 0;   // the line where it starts (0: the file as a whole)
    QString reason; // why, in a user's words
    QString text;   // the text of the file there, as it stands
    Kind kind = Kind::Unread;
};
