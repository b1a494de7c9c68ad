#pragma once

#include <QString>

#include <atomic>

struct sqlite3;

// Whether a copy of the data file is whole: the engine's quick check of every page says "ok" and its
// bookings (the rows of Detail and Transfer) can be counted. The copy is opened read-only; nothing
// is made or changed beside it.
class TBackupCheck final
{
public:
    TBackupCheck() = delete;

    enum class Verdict
    {
        Whole,
        Damaged,    // not a database, pages that do not hold together, or not the program's tables
        Unreadable, // could not be read now (missing, no permission, a failing disk, cancelled)
    };

    struct Result
    {
        Verdict verdict = Verdict::Unreadable;
        qint64 bookings = -1;
        // What is wrong, in the engine's words; empty when whole.
        QString text;
    };

    // Checks the file at `path`. A set `cancel` stops the check soon; the copy is then Unreadable.
    static Result check(const QString& path, const std::atomic_bool* cancel = nullptr);

    // The bookings that `db` sees now (within a read transaction: those of its snapshot); -1 when
    // they cannot be counted.
    static qint64 bookings(sqlite3* db);
};
