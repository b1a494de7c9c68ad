#include "data/TDailyBackup.h"

#include "data/TBackupCheck.h"
#include "data/TBackupRotation.h"
#include "data/TClock.h"
#include "data/TDM.h"
#include "data/TPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>

namespace {

// Pages one backup step copies; a slice runs steps until its time is up or it has written about a
// megabyte, which it then syncs to the disk: each slice waits for its own writes only.
constexpr int PagesPerStep = 16;
constexpr int BytesPerSlice = 1024 * 1024;
// A temporary copy untouched for this long was left by a program that ended during its copy.
constexpr qint64 AbandonedAfterSecs = 60 * 60;

QString engineText(sqlite3* db)
{
    return db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db))
                         : QCoreApplication::translate("TDailyBackup", "out of memory");
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// "Data-2026-05-20.mdb": the day of a finished backup in its name.
QDate dayOf(const QString& fileName)
{
    static const QRegularExpression name(QStringLiteral("^Data-(\\d{4}-\\d{2}-\\d{2})\\.mdb$"));
    const QRegularExpressionMatch m = name.match(fileName);
    return m.hasMatch() ? QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")) : QDate();
}

// Whether the file begins as every SQLite database does: a cheap test at start-up, before the
// real check, that keeps a file that is not even a database from counting as the day's copy.
bool looksLikeDatabase(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3", 16);
}

} // namespace

QString TDailyBackup::fileNameFor(const QDate& day)
{
    return QStringLiteral("Data-%1.mdb").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

QStringList TDailyBackup::backups(const QString& folder)
{
    QStringList found;
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("Data-*.mdb")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& file : files) {
        if (dayOf(file).isValid())
            found << file;
    }
    return found;
}

bool TDailyBackup::isDue(const QString& folder, const QDateTime& now)
{
    for (const QString& name : backups(folder)) {
        const QString path = QDir(folder).filePath(name);
        if (looksLikeDatabase(path))
            return QFileInfo(path).lastModified().secsTo(now) >= 24 * 60 * 60;
    }
    return true;
}

TDailyBackup::TDailyBackup(const QString& databasePath, QObject* parent)
    : QObject(parent)
    , m_databasePath(QFileInfo(databasePath).absoluteFilePath())
    , m_folder(TPaths::backupFolderFor(databasePath))
{}

TDailyBackup::~TDailyBackup()
{
    // A check under way stops at its next step; the copy it had not yet placed goes.
    m_cancel = true;
    stopChecking();
    release();
}

void TDailyBackup::start()
{
    QElapsedTimer timer;
    timer.start();
    m_takenAt = TClock::now();
    m_target = QDir(m_folder).filePath(fileNameFor(m_takenAt.date()));
    // A name of this copy's own: another copy of the program may be writing the same day's backup.
    m_temp = QStringLiteral("%1.%2-%3.part")
                 .arg(m_target)
                 .arg(QCoreApplication::applicationPid())
                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));

    if (!QDir().mkpath(m_folder) || !QFileInfo(m_folder).isDir()) {
        fail(tr("cannot create the folder %1.").arg(QDir::toNativeSeparators(m_folder)));
        return;
    }
    // Copies that an earlier run left unfinished; one that is still being written is left alone.
    const QDateTime now = QDateTime::currentDateTime();
    for (const QFileInfo& part : QDir(m_folder).entryInfoList({QStringLiteral("*.part")}, QDir::Files)) {
        if (part.lastModified().secsTo(now) > AbandonedAfterSecs)
            QFile::remove(part.absoluteFilePath());
    }

    // The snapshot: a read transaction on a connection of its own, held until the copy is done.
    if (sqlite3_open_v2(QFile::encodeName(m_databasePath).constData(), &m_source, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK ||
        sqlite3_busy_timeout(m_source, TDM::BusyTimeoutMs) != SQLITE_OK ||
        sqlite3_exec(m_source, "BEGIN; SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr) != SQLITE_OK) {
        fail(engineText(m_source));
        return;
    }
    // The copy needs no journal and no sync of its own: it is synced slice by slice here, and
    // renamed into place only when whole.
    if (sqlite3_open_v2(QFile::encodeName(m_temp).constData(), &m_dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK ||
        sqlite3_exec(m_dest, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -512;", nullptr,
                     nullptr, nullptr) != SQLITE_OK) {
        fail(engineText(m_dest));
        return;
    }
    m_backup = sqlite3_backup_init(m_dest, "main", m_source, "main");
    if (m_backup == nullptr) {
        fail(engineText(m_dest));
        return;
    }
    sqlite3_stmt* pageSize = nullptr;
    if (sqlite3_prepare_v2(m_source, "PRAGMA page_size", -1, &pageSize, nullptr) == SQLITE_OK &&
        sqlite3_step(pageSize) == SQLITE_ROW)
        m_pageSize = std::max(512, sqlite3_column_int(pageSize, 0));
    sqlite3_finalize(pageSize);
    m_tempFd = ::open(QFile::encodeName(m_temp).constData(), O_RDONLY | O_CLOEXEC);
    m_longestMs = timer.nsecsElapsed() / 1e6;
    QTimer::singleShot(FirstSliceDelayMs, this, &TDailyBackup::step);
}

void TDailyBackup::finishNow()
{
    m_now = true;
    while (m_backup != nullptr) {
        if (copySlice(1000))
            complete();
    }
    // A check already under way on the worker thread is waited for.
    if (m_checking) {
        if (m_checker.joinable())
            m_checker.join();
        checked();
    }
}

void TDailyBackup::step()
{
    if (m_backup == nullptr)
        return;
    QElapsedTimer timer;
    timer.start();
    const bool done = copySlice(SliceMs);
    if (done)
        complete();
    ++m_slices;
    m_longestMs = std::max(m_longestMs, timer.nsecsElapsed() / 1e6);
    if (m_backup != nullptr)
        QTimer::singleShot(0, this, &TDailyBackup::step);
}

bool TDailyBackup::copySlice(int budgetMs)
{
    QElapsedTimer timer;
    timer.start();
    bool done = false;
    const int steps = std::max(1, BytesPerSlice / (PagesPerStep * m_pageSize));
    for (int step = 0; !done && step < steps && timer.elapsed() < budgetMs; ++step) {
        const int rc = sqlite3_backup_step(m_backup, PagesPerStep);
        if (rc == SQLITE_DONE) {
            done = true;
        } else if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            break; // try again in the next slice
        } else if (rc != SQLITE_OK) {
            fail(engineText(m_dest));
            return false;
        }
    }
    // What this slice wrote reaches the disk now, so the end has little left to wait for.
    if (m_tempFd >= 0)
        ::fdatasync(m_tempFd);
    return done;
}

void TDailyBackup::complete()
{
    const int rc = sqlite3_backup_finish(m_backup);
    m_backup = nullptr;
    if (rc != SQLITE_OK) {
        fail(engineText(m_dest));
        return;
    }
    if (sqlite3_close(m_dest) != SQLITE_OK) {
        fail(engineText(m_dest));
        return;
    }
    m_dest = nullptr;
    if (m_tempFd >= 0 && ::fdatasync(m_tempFd) != 0) {
        fail(tr("cannot write %1.").arg(QDir::toNativeSeparators(m_temp)));
        return;
    }
    {
        QFile copy(m_temp);
        // The copy carries the original's mark of the write-ahead log (bytes 18 and 19 of the header),
        // but it is whole without a log: marked as a plain file, it opens anywhere (also read-only,
        // or from a folder where no log can be made) and leaves nothing beside it.
        if (!copy.open(QIODevice::ReadWrite) || !copy.seek(18) || copy.write("\x01\x01", 2) != 2 || !copy.flush() ||
            ::fdatasync(copy.handle()) != 0) {
            fail(tr("cannot write %1.").arg(QDir::toNativeSeparators(m_temp)));
            return;
        }
        // The age of a backup is the moment of its snapshot.
        copy.setFileTime(m_takenAt, QFileDevice::FileModificationTime);
    }
    // The check reads the whole copy: on a worker thread, so that the window goes on answering.
    m_checking = true;
    if (m_now) {
        m_checkError = placeChecked();
        checked();
        return;
    }
    m_checker = std::thread([this] {
        m_checkError = placeChecked();
        QMetaObject::invokeMethod(this, &TDailyBackup::checked, Qt::QueuedConnection);
    });
}

QString TDailyBackup::placeChecked() const
{
    const QString name = QFileInfo(m_target).fileName();
    const qint64 expected = TBackupCheck::bookings(m_source);
    if (expected < 0)
        return tr("cannot count the bookings of %1: %2")
            .arg(QDir::toNativeSeparators(m_databasePath), engineText(m_source));
    const TBackupCheck::Result copy = TBackupCheck::check(m_temp, &m_cancel);
    if (copy.verdict != TBackupCheck::Verdict::Whole || copy.bookings != expected) {
        QFile::remove(m_temp);
        if (copy.verdict != TBackupCheck::Verdict::Whole)
            return tr("the copy %1 is not whole (%2); it was removed.").arg(name, copy.text);
        return tr("the copy %1 holds %2 bookings instead of %3; it was removed.")
            .arg(name)
            .arg(copy.bookings)
            .arg(expected);
    }
    // Another copy of the program may have placed the day's backup meanwhile: a whole one stays.
    if (QFileInfo::exists(m_target) &&
        TBackupCheck::check(m_target, &m_cancel).verdict == TBackupCheck::Verdict::Whole) {
        QFile::remove(m_temp);
    } else if (std::rename(QFile::encodeName(m_temp).constData(), QFile::encodeName(m_target).constData()) != 0) {
        QFile::remove(m_temp);
        return tr("cannot rename %1.").arg(QDir::toNativeSeparators(m_temp));
    }
    syncFolder(m_folder);
    rotate();
    return QString();
}

void TDailyBackup::rotate() const
{
    const QString newest = QFileInfo(m_target).fileName();
    QList<TBackupRotation::Copy> copies;
    for (const QString& name : backups(m_folder)) {
        TBackupRotation::Copy copy{dayOf(name)};
        if (name != newest) {
            switch (TBackupCheck::check(QDir(m_folder).filePath(name), &m_cancel).verdict) {
            case TBackupCheck::Verdict::Whole:
                copy.state = TBackupRotation::State::Whole;
                break;
            case TBackupCheck::Verdict::Damaged:
                copy.state = TBackupRotation::State::Damaged;
                break;
            case TBackupCheck::Verdict::Unreadable:
                copy.state = TBackupRotation::State::Unknown;
                break;
            }
        }
        if (m_cancel)
            return;
        copies << copy;
    }
    for (const QDate& day : TBackupRotation::toDelete(copies, m_takenAt.date()))
        QFile::remove(QDir(m_folder).filePath(fileNameFor(day)));
    syncFolder(m_folder);
}

void TDailyBackup::checked()
{
    if (!m_checking)
        return; // finishNow took the outcome already
    stopChecking();
    release();
    if (!m_checkError.isEmpty()) {
        fail(m_checkError);
        return;
    }
    m_done = true;
    emit finished(m_target);
}

void TDailyBackup::stopChecking()
{
    if (m_checker.joinable())
        m_checker.join();
    m_checking = false;
}

void TDailyBackup::fail(const QString& text)
{
    release();
    if (!m_error.isEmpty())
        return;
    m_error = text;
    emit failed(m_error);
}

void TDailyBackup::release()
{
    if (m_backup != nullptr) {
        sqlite3_backup_finish(m_backup);
        m_backup = nullptr;
    }
    if (m_dest != nullptr) {
        sqlite3_close(m_dest);
        m_dest = nullptr;
    }
    if (m_tempFd >= 0) {
        ::close(m_tempFd);
        m_tempFd = -1;
    }
    if (m_source != nullptr) {
        sqlite3_exec(m_source, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(m_source);
        m_source = nullptr;
    }
    if (!m_temp.isEmpty() && !m_done && QFile::exists(m_temp))
        QFile::remove(m_temp);
}
