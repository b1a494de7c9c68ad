#include "data/TBackupRestore.h"

#include "data/DbError.h"
#include "data/TBackupCheck.h"
#include "data/TOpenCheck.h"
#include "data/TPaths.h"
#include "data/TSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <optional>

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

std::optional<TBackupRestore::Step> g_fail;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

void reach(TBackupRestore::Step step)
{
    if (g_fail == step) {
        g_fail.reset();
        throw DbError(QString::fromLatin1(TBackupRestore::InjectedFault));
    }
}

QString engineText(sqlite3* db, int rc)
{
    return QString::fromUtf8(db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// Opens `path` read-only; throws the engine's text.
sqlite3* openReadOnly(const QString& path)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = engineText(db, rc);
        sqlite3_close(db);
        throw DbError(text);
    }
    return db;
}

// Opens a backup to read it without leaving anything beside it: a file without a log beside it is
// read as unchanging (no lock, no log or index file is made); one with a log is read with it.
sqlite3* openBackup(const QString& path)
{
    if (QFileInfo::exists(path + QStringLiteral("-wal")))
        return openReadOnly(path);
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("immutable=1"));
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(uri.toString(QUrl::FullyEncoded).toUtf8().constData(), &db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = engineText(db, rc);
        sqlite3_close(db);
        throw DbError(text);
    }
    return db;
}

// The first column of the first row of `sql`, or -1.
qint64 number(sqlite3* db, const char* sql)
{
    sqlite3_stmt* q = nullptr;
    qint64 value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &q, nullptr) == SQLITE_OK && sqlite3_step(q) == SQLITE_ROW)
        value = sqlite3_column_int64(q, 0);
    sqlite3_finalize(q);
    return value;
}

void syncPath(const QString& path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), (folder ? O_RDONLY | O_DIRECTORY : O_RDWR) | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced && !folder)
        throw DbError(TBackupRestore::tr("%1 could not be written to the disk.").arg(shown(path)));
}

void renameOver(const QString& from, const QString& to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw DbError(TBackupRestore::tr("%1 could not be renamed to %2.").arg(shown(from), shown(to)));
    syncPath(QFileInfo(to).absolutePath(), true);
}

// A file name beside `target` that nothing uses now.
QString tempBeside(const QString& target)
{
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("%1.%2-%3.part").arg(target).arg(QCoreApplication::applicationPid()).arg(n);
        if (!QFileInfo::exists(name))
            return name;
    }
}

void removeTemp(const QString& path)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

// Copies the database `source` (with what its write-ahead log holds; a backup read as openBackup
// reads it) into the new file `target`, which is synced. `step` is the fault injection's point.
void copyDatabase(const QString& source, const QString& target, TBackupRestore::Step step)
{
    sqlite3* from = step == TBackupRestore::Step::CopyIn ? openBackup(source) : openReadOnly(source);
    sqlite3* to = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(target).constData(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    QString error;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(to, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        if (backup == nullptr) {
            rc = sqlite3_errcode(to);
        } else {
            rc = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
            rc = rc == SQLITE_DONE ? sqlite3_errcode(to) : rc;
        }
    }
    // The copy takes the source's write-ahead log mark along; without it, a copy read later leaves
    // no log files beside it. The data module sets the log again when it opens the file.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(to, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        error = engineText(to, rc);
    sqlite3_close(to);
    sqlite3_close(from);
    if (!error.isEmpty())
        throw DbError(TBackupRestore::tr("The copy %1 could not be written.").arg(shown(target)) +
                      QStringLiteral("\n\n") + error);
    reach(step);
    syncPath(target, false);
}

void checkCopy(const QString& copy)
{
    const TBackupCheck::Result result = TBackupCheck::check(copy);
    if (result.verdict != TBackupCheck::Verdict::Whole)
        throw DbError(TBackupRestore::tr("The copy %1 was not written whole.").arg(shown(copy)) +
                      QStringLiteral("\n\n") + result.text);
}

// Copies the current data file to `target`. A file the engine cannot read (the damaged file that a
// restore is to replace) is kept as it is, byte for byte.
void keepCurrent(const QString& dataFile, const QString& target)
{
    try {
        copyDatabase(dataFile, target, TBackupRestore::Step::KeepCurrent);
        checkCopy(target);
        return;
    } catch (const DbError& e) {
        removeTemp(target);
        if (e.text() == QLatin1String(TBackupRestore::InjectedFault))
            throw;
    }
    if (!QFile::copy(dataFile, target))
        throw DbError(TBackupRestore::tr("The data file %1 could not be kept as a backup.").arg(shown(dataFile)));
    syncPath(target, false);
}

// Folds the write-ahead log of `dataFile` into it; the log is gone afterwards, so that the file
// alone holds every booking and no log is left to be read with another file put in its place.
void releaseLog(const QString& dataFile)
{
    if (!QFileInfo::exists(dataFile))
        return;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(dataFile).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    const QString error = rc == SQLITE_OK ? QString() : engineText(db, rc);
    sqlite3_close(db);
    // A file the engine cannot read has nothing to fold in unless a log lies beside it.
    if (!error.isEmpty() && QFileInfo::exists(dataFile + QStringLiteral("-wal")))
        throw DbError(TBackupRestore::tr("The data file %1 could not be prepared.").arg(shown(dataFile)) +
                      QStringLiteral("\n\n") + error);
    reach(TBackupRestore::Step::ReleaseLog);
    // The last connection to close removes the log; one that stays means another program has the file.
    if (QFileInfo::exists(dataFile + QStringLiteral("-wal")))
        throw DbError(TBackupRestore::tr("The data file %1 is in use by another program. Close it and try again.")
                          .arg(shown(dataFile)));
}

} // namespace

QList<TBackupRestore::Entry> TBackupRestore::list(const QString& dataFile)
{
    QList<Entry> entries;
    const QDir folder(TPaths::backupFolderFor(dataFile));
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Time))
        entries << inspect(file.absoluteFilePath());
    return entries;
}

TBackupRestore::Entry TBackupRestore::inspect(const QString& path)
{
    const QFileInfo file(path);
    Entry entry{file.absoluteFilePath(), file.lastModified(), file.size()};
    try {
        sqlite3* db = openBackup(path);
        entry.holders = number(db, "select count(*) from Account");
        entry.bookings = TBackupCheck::bookings(db);
        sqlite3_close(db);
    } catch (const DbError&) {
        // Shown as unreadable; restoring it is refused with the reason.
    }
    return entry;
}

QString TBackupRestore::vet(const QString& backup)
{
    reach(Step::Vet);
    const QString unchanged = tr("Your data was not changed.");
    if (!QFileInfo(backup).isFile())
        return tr("The backup %1 is not there.").arg(shown(backup)) + QLatin1Char(' ') + unchanged;
    const QString damaged = tr("The backup %1 is damaged or is not a Tavrin Budget data file, so it cannot be "
                               "restored.")
                                .arg(shown(backup)) +
                            QLatin1Char(' ') + unchanged;
    QStringList tables;
    qint64 version = -1;
    QStringList problems;
    qint64 bookings = -1;
    try {
        sqlite3* db = openBackup(backup);
        sqlite3_stmt* q = nullptr;
        if (sqlite3_prepare_v2(db, "select name from sqlite_master where type = 'table'", -1, &q, nullptr) ==
            SQLITE_OK) {
            while (sqlite3_step(q) == SQLITE_ROW)
                tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
        }
        sqlite3_finalize(q);
        version = number(db, "PRAGMA user_version");
        if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &q, nullptr) == SQLITE_OK) {
            while (sqlite3_step(q) == SQLITE_ROW)
                problems << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
        }
        sqlite3_finalize(q);
        if (problems.isEmpty())
            problems << engineText(db, sqlite3_errcode(db));
        bookings = TBackupCheck::bookings(db);
        sqlite3_close(db);
    } catch (const DbError& e) {
        return damaged + QStringLiteral("\n\n") + e.text();
    }
    for (const QString& table : TOpenCheck::Tables) {
        if (!tables.contains(table, Qt::CaseInsensitive))
            return damaged;
    }
    if (version > TSchema::Version)
        return tr("The backup %1 was written by a newer version of Tavrin Budget (data version %2; this program "
                  "knows versions up to %3), so it cannot be restored.")
                   .arg(shown(backup))
                   .arg(version)
                   .arg(TSchema::Version) +
               QLatin1Char(' ') + unchanged;
    if (problems != QStringList{QStringLiteral("ok")} || bookings < 0)
        return damaged + QStringLiteral("\n\n") + problems.mid(0, 3).join(QStringLiteral("; "));
    return {};
}

QString TBackupRestore::keptName(const QDateTime& now)
{
    return QStringLiteral("Data-before-restore-%1.mdb").arg(now.toString(QStringLiteral("yyyy-MM-dd-hhmmss")));
}

QString TBackupRestore::restore(const QString& dataFile, const QString& backup, const QDateTime& now)
{
    if (const QString refusal = vet(backup); !refusal.isEmpty())
        throw DbError(refusal);

    // The data file as it is now, kept first: whatever follows, it can be restored in turn.
    const QString folder = TPaths::backupFolderFor(dataFile);
    if (!QDir().mkpath(folder))
        throw DbError(tr("The folder %1 could not be made.").arg(shown(folder)));
    QString kept = QDir(folder).filePath(keptName(now));
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = QDir(folder).filePath(keptName(now).replace(QStringLiteral(".mdb"), QStringLiteral("-%1.mdb").arg(n)));
    const QString keptTemp = tempBeside(kept);
    const QString copy = tempBeside(dataFile);
    try {
        if (QFileInfo::exists(dataFile)) {
            keepCurrent(dataFile, keptTemp);
            renameOver(keptTemp, kept);
        } else {
            kept.clear();
        }

        copyDatabase(backup, copy, Step::CopyIn);
        reach(Step::CheckCopy);
        checkCopy(copy);

        releaseLog(dataFile);
        reach(Step::Swap);
        renameOver(copy, dataFile);
    } catch (const DbError&) {
        removeTemp(keptTemp);
        removeTemp(copy);
        throw;
    }
    QFile::remove(dataFile + QStringLiteral("-shm"));
    return kept;
}

void TBackupRestore::backUpTo(const QString& dataFile, const QString& target)
{
    const QString to = QFileInfo(target).absoluteFilePath();
    if (to == QFileInfo(dataFile).absoluteFilePath() ||
        to.startsWith(QFileInfo(dataFile).absoluteFilePath() + QLatin1Char('-')))
        throw DbError(tr("The backup cannot be written over the data file itself. Choose another name."));
    const QString temp = tempBeside(to);
    try {
        copyDatabase(dataFile, temp, Step::WriteCopy);
        checkCopy(temp);
        reach(Step::PlaceCopy);
        renameOver(temp, to);
    } catch (const DbError&) {
        removeTemp(temp);
        throw;
    }
}

void TBackupRestore::failAt(Step step)
{
    g_fail = step;
}
