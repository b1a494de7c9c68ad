#pragma once

#include <QString>

// A part of a statement file that could not be read as a transaction.
struct TImportProblem
{
    int line = 0;   // the line where it starts (0: the file as a whole)
    QString reason; // why, in a user's words
    QString text;   // the text of the file there, as it stands
};
