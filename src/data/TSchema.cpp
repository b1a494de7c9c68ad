#include "data/TSchema.h"

#include "data/DbError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

const char* const Statements[] = {
    "CREATE TABLE Account ("
    " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " name TEXT NOT NULL DEFAULT '',"
    " type INTEGER NOT NULL DEFAULT 0,"
    " Balance INTEGER NOT NULL DEFAULT 0,"
    " negative INTEGER NOT NULL DEFAULT 0,"
    " WarnNegative INTEGER NOT NULL DEFAULT 0,"
    " URL TEXT,"
    " Memo TEXT)",
    "CREATE TABLE Detail ("
    " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " type INTEGER NOT NULL,"
    " DestID INTEGER NOT NULL,"
    " Date TEXT NOT NULL,"
    " [From] TEXT,"
    " Amount INTEGER NOT NULL,"
    " [For] TEXT,"
    " Memo TEXT)",
    "CREATE TABLE Transfer ("
    " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " SourceID INTEGER NOT NULL,"
    " DestID INTEGER NOT NULL,"
    " Date TEXT NOT NULL,"
    " [From] TEXT,"
    " Amount INTEGER NOT NULL,"
    " [For] TEXT,"
    " Memo TEXT)",
    // The booking lists read by date, and by holder and date.
    "CREATE INDEX Detail_Date ON Detail (Date)",
    "CREATE INDEX Detail_DestID_Date ON Detail (DestID, Date)",
    "CREATE INDEX Transfer_Date ON Transfer (Date)",
    "CREATE INDEX Transfer_SourceID_Date ON Transfer (SourceID, Date)",
    "CREATE INDEX Transfer_DestID_Date ON Transfer (DestID, Date)",
};

void run(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw DbError(q.lastError().text());
}

} // namespace

void TSchema::create(QSqlDatabase& db)
{
    if (!db.transaction())
        throw DbError(db.lastError().text());
    try {
        for (const char* statement : Statements)
            run(db, QString::fromLatin1(statement));
        run(db, QStringLiteral("PRAGMA user_version = %1").arg(Version));
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw DbError(db.lastError().text());
}

int TSchema::version(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        throw DbError(q.lastError().text());
    return q.value(0).toInt();
}
