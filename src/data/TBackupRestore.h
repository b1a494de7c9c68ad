#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

// Backups taken and restored on the user's command.
//
// Restoring replaces the data file by a backup. The backup is vetted first (the engine finds it
// whole, it holds the program's tables, its version is not newer than the program's); a refused one
// leaves everything as it was. Then the data file as it is now is kept in the backup folder as
// "Data-before-restore-yyyy-MM-dd-hhmmss.mdb", the backup is copied beside the data file under a
// temporary name, synced and checked again, the data file's write-ahead log is folded into it and
// removed, and the copy is renamed over the data file. The rename is the one moment of the swap: a
// crash before it leaves the old file whole, a crash after it the restored one.
//
// Backing up writes a copy of the data file (SQLite's online backup, so it may run while the
// program writes) under a temporary name beside the chosen file, syncs and checks it, and renames it
// into place: the chosen file is either as it was or the whole copy.
//
// Failures throw DbError with a text in the user's words; temporary files are removed.
class TBackupRestore final
{
    Q_DECLARE_TR_FUNCTIONS(TBackupRestore)

public:
    TBackupRestore() = delete;

    struct Entry
    {
        QString path;
        QDateTime taken; // the file's last change
        qint64 size = 0;
        qint64 holders = -1;  // -1: cannot be read
        qint64 bookings = -1; // -1: cannot be read
    };

    // Each step that writes, for fault injection.
    enum class Step
    {
        Vet,         // the backup's check
        KeepCurrent, // the copy of the current data file into the backup folder
        CopyIn,      // the backup's copy beside the data file
        CheckCopy,   // the check of that copy
        ReleaseLog,  // the data file's write-ahead log folded in and removed
        Swap,        // the rename over the data file
        WriteCopy,   // Back Up Now: the copy under its temporary name
        PlaceCopy,   // Back Up Now: the rename to the chosen name
    };

    // The backups in the backup folder of `dataFile`, the newest first.
    static QList<Entry> list(const QString& dataFile);
    // Size, holders and bookings of one backup (read-only; not vetted).
    static Entry inspect(const QString& path);

    // Why `backup` may not be restored, in the user's words; empty when it may.
    static QString vet(const QString& backup);

    // The name the current data file is kept under before a restore at `now`.
    static QString keptName(const QDateTime& now);

    // Puts `backup` in place of `dataFile`. Every connection to the data file must be closed. Returns
    // the path of the kept copy of the file as it was (empty when there was no data file). A data file
    // that the engine cannot read is kept byte for byte.
    static QString restore(const QString& dataFile, const QString& backup, const QDateTime& now);

    // Writes a copy of `dataFile` to `target` (never the data file itself).
    static void backUpTo(const QString& dataFile, const QString& target);

    // Fault injection: the next time `step` runs it fails as a failing disk would.
    static void failAt(Step step);
    static constexpr const char* InjectedFault = "injected fault";
};
