#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Why a "Data.mdb" cannot be used, in words a user understands. Each text names the file and says
// that it was left as it is; the engine's own text, where there is one, follows after a blank line.
class TOpenCheck
{
public:
    // The tables every data file holds.
    static const QStringList Tables;

    // What can be told without the engine: an empty file, a Microsoft Access file, a file or folder
    // marked read-only (for every user, root included: the mark is the user's wish). Empty when none
    // of these (a missing file is left to the engine, which names it).
    static QString beforeOpen(const QString& path);
    // A failure of the engine's first read, by its result code (busy, not a database, damaged...).
    static QString engineFailure(const QString& path, int code, const QString& engineText);
    // A file the engine reads: the tables it lacks, or a version newer than this program's.
    static QString contents(const QString& path, const QStringList& tablesPresent, int version);
    // A file the engine could open for reading only.
    static QString readOnly(const QString& path);

    // Whether `head` (the first bytes of a file) is a Microsoft Access (Jet or ACE) database.
    static bool isAccessFile(const QByteArray& head);
};
