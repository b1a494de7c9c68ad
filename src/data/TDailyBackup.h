#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <thread>

struct sqlite3;
struct sqlite3_backup;

// The daily backup of "Data.mdb": a copy in the folder "backup" beside it, named
// "Data-yyyy-MM-dd.mdb" after the day it was taken; TBackupRotation says which copies are kept.
//
// The copy is a snapshot: a second, read-only connection holds one read transaction from start()
// to the end, and SQLite's online backup copies that state page by page, in short slices run from
// the event loop, so the window stays responsive and the program may write meanwhile (the
// write-ahead log keeps the snapshot apart). The copy is written under a temporary name of its own
// (another copy of the program may be writing the same day's backup), synced, and checked on a
// worker thread: it counts only when the engine finds it whole and it holds as many bookings as the
// snapshot. Then it is renamed into place (unless another copy of the program placed a whole one
// first) and the older copies are rotated. A failure removes the copy and changes nothing else.
class TDailyBackup final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDailyBackup)

public:
    // The longest a slice copies before it hands the event loop back.
    static constexpr int SliceMs = 8;
    // How long after start() the first slice waits: the program's window opens and paints first,
    // and the copy runs after it (the snapshot is taken in start(), so the copy is the same).
    static constexpr int FirstSliceDelayMs = 250;

    static QString fileNameFor(const QDate& day);
    // The finished backups in `folder`, newest first.
    static QStringList backups(const QString& folder);
    // Whether a backup is due at `now`: there is none, or the newest was taken a day or more before.
    // A file that is not even a database does not count.
    static bool isDue(const QString& folder, const QDateTime& now);

    explicit TDailyBackup(const QString& databasePath, QObject* parent = nullptr);
    // Abandons an unfinished copy: its temporary file goes, nothing else changes.
    ~TDailyBackup() override;

    // Takes the snapshot and schedules the copy's slices on the event loop. A failure is reported
    // through failed() (once) and error().
    void start();
    // Runs the remaining slices and the check at once (tools and tests without an event loop).
    void finishNow();

    bool isRunning() const { return m_backup != nullptr || m_checking; }
    bool isDone() const { return m_done; }
    const QString& error() const { return m_error; }
    // The finished copy's path.
    const QString& file() const { return m_target; }
    // The longest time one slice (or start()) kept the caller busy, in milliseconds.
    double longestSliceMs() const { return m_longestMs; }
    int slices() const { return m_slices; }

signals:
    void finished(const QString& file);
    void failed(const QString& text);

private:
    void step();
    // Copies for at most `budgetMs`; true when the copy is complete.
    bool copySlice(int budgetMs);
    void complete();
    // Checks the copy, puts it in place and rotates; runs on the worker thread (or in finishNow).
    // Returns the failure, empty when the copy was placed.
    QString placeChecked() const;
    void rotate() const;
    // Takes the check's outcome on the object's thread.
    void checked();
    void fail(const QString& text);
    void stopChecking();
    void release();

    QString m_databasePath;
    QString m_folder;
    QString m_target;
    QString m_temp;
    QDateTime m_takenAt;
    sqlite3* m_source = nullptr;
    sqlite3* m_dest = nullptr;
    sqlite3_backup* m_backup = nullptr;
    int m_tempFd = -1;
    int m_pageSize = 4096;
    // finishNow: the check runs at once, not on the worker thread.
    bool m_now = false;
    bool m_checking = false;
    std::thread m_checker;
    QString m_checkError;
    std::atomic_bool m_cancel = false;
    bool m_done = false;
    QString m_error;
    double m_longestMs = 0;
    int m_slices = 0;
};
