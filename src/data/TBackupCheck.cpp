#include "data/TBackupCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <sqlite3.h>

namespace {

int cancelled(void* flag)
{
    return static_cast<const std::atomic_bool*>(flag)->load() ? 1 : 0;
}

TBackupCheck::Result failure(sqlite3* db, int rc)
{
    TBackupCheck::Result result;
    result.text = db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    // Only what the file itself shows counts as damage: a file that could not be read now may be
    // whole, and is never thrown away for it.
    switch (rc & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_ERROR: // the program's tables are missing
        result.verdict = TBackupCheck::Verdict::Damaged;
        break;
    default:
        result.verdict = TBackupCheck::Verdict::Unreadable;
        break;
    }
    return result;
}

} // namespace

TBackupCheck::Result TBackupCheck::check(const QString& path, const std::atomic_bool* cancel)
{
    if (!QFile::exists(path))
        return {Verdict::Unreadable, -1, QCoreApplication::translate("TBackupCheck", "the file is missing")};
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    Result result;
    if (rc != SQLITE_OK) {
        result = failure(db, rc);
    } else {
        if (cancel != nullptr)
            sqlite3_progress_handler(db, 1000, cancelled, const_cast<std::atomic_bool*>(cancel));
        sqlite3_stmt* q = nullptr;
        int step = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &q, nullptr);
        QStringList problems;
        if (step == SQLITE_OK) {
            while ((step = sqlite3_step(q)) == SQLITE_ROW)
                problems << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
        }
        const int checked = step == SQLITE_DONE ? SQLITE_OK : sqlite3_errcode(db);
        sqlite3_finalize(q);
        if (checked != SQLITE_OK) {
            result = failure(db, checked);
        } else if (problems != QStringList{QStringLiteral("ok")}) {
            result.verdict = Verdict::Damaged;
            result.text = problems.mid(0, 3).join(QStringLiteral("; "));
        } else if ((result.bookings = bookings(db)) < 0) {
            result = failure(db, sqlite3_errcode(db));
        } else {
            result.verdict = Verdict::Whole;
        }
    }
    sqlite3_close(db);
    return result;
}

qint64 TBackupCheck::bookings(sqlite3* db)
{
    sqlite3_stmt* q = nullptr;
    qint64 count = -1;
    if (sqlite3_prepare_v2(db, "select (select count(*) from Detail) + (select count(*) from Transfer)", -1, &q,
                           nullptr) == SQLITE_OK &&
        sqlite3_step(q) == SQLITE_ROW)
        count = sqlite3_column_int64(q, 0);
    sqlite3_finalize(q);
    return count;
}
