#include "data/TDM.h"

#include "data/DbError.h"
#include "data/TSchema.h"
#include "data/TTextPattern.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>

#include <sqlite3.h>

TDM* DM = nullptr;

const char* const TDM::HolderColumns = "ID, name, type, Balance, negative, WarnNegative, URL, Memo";

namespace {

QString engineText(const QSqlError& error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    if (!error.driverText().isEmpty() && !text.contains(error.driverText()))
        text += QStringLiteral("\n") + error.driverText();
    return text;
}

} // namespace

TDM::TDM(const QString& databasePath)
    : m_path(databasePath)
{
    DM = this;
}

TDM::~TDM()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QString::fromLatin1(ConnectionName), false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(ConnectionName));
    if (DM == this)
        DM = nullptr;
}

QString TDM::defaultDatabasePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Data.mdb"));
}

void TDM::DataModuleCreate()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromLatin1(ConnectionName));
    // A URI with mode=rw opens an existing file only: a missing file is an error, never a new file.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    if (!db.open()) {
        m_openError = engineText(db.lastError());
        throw DbError(m_openError);
    }
    m_open = true;
    try {
        select(QStringLiteral("select * from Account limit 1"));
        // LIKE ignores case for every letter, not only A to Z.
        if (TTextPattern::registerLike(handle()) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(handle())));
        upgradeSchema();
    } catch (const DbError& e) {
        m_open = false;
        m_openError = e.text();
        db.close();
        throw;
    }
}

void TDM::upgradeSchema()
{
    QSqlDatabase db = conn();
    TSchema::upgrade(db);
}

TDM& TDM::current()
{
    if (DM == nullptr)
        throw DbError(QStringLiteral("The database is not open."));
    return *DM;
}

bool TDM::isOpen() const
{
    return m_open;
}

QSqlDatabase TDM::conn() const
{
    return QSqlDatabase::database(QString::fromLatin1(ConnectionName), false);
}

sqlite3* TDM::handle() const
{
    ensureOpen();
    const QVariant handle = conn().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DbError(QStringLiteral("The database connection is not an SQLite connection."));
    sqlite3* db = *static_cast<sqlite3* const*>(handle.constData());
    if (db == nullptr)
        throw DbError(QStringLiteral("The database is not open."));
    return db;
}

void TDM::ensureOpen() const
{
    if (!m_open)
        throw DbError(m_openError.isEmpty() ? QStringLiteral("The database is not open.") : m_openError);
}

QSqlQuery TDM::select(const QString& sql, const QVariantList& values) const
{
    ensureOpen();
    QSqlQuery query(conn());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(engineText(query.lastError()));
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw DbError(engineText(query.lastError()));
    return query;
}

int TDM::execute(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = select(sql, values);
    return query.numRowsAffected();
}

TDM::Transaction::Transaction(const TDM& dm)
    : m_db(dm.conn())
{
    dm.ensureOpen();
    if (!m_db.transaction())
        throw DbError(engineText(m_db.lastError()));
}

TDM::Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void TDM::Transaction::commit()
{
    if (!m_db.commit())
        throw DbError(engineText(m_db.lastError()));
    m_done = true;
}

QString TDM::toDbDate(const QDateTime& dt)
{
    return dt.toString(QString::fromLatin1(DateFormat));
}

QString TDM::toDbDay(const QDate& day)
{
    return day.toString(QString::fromLatin1(DayFormat));
}

QDateTime TDM::fromDbDate(const QString& text)
{
    QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(DateFormat));
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(text.left(10), QString::fromLatin1(DayFormat)), QTime(0, 0));
    return dt;
}

namespace {

Currency sumOf(const QString& sql)
{
    QSqlQuery q = TDM::current().select(sql);
    return q.next() ? Currency::fromRaw(q.value(0).toLongLong()) : Currency();
}

} // namespace

Currency TDM::AccountsTotal()
{
    return sumOf(QStringLiteral("select sum(Balance) as b from Account where type in (0, 1)"));
}

Currency TDM::WalletsTotal()
{
    return sumOf(QStringLiteral("select sum(Balance) as b from Account where type = 2"));
}

TDataInfo TDM::readHolder(const QSqlQuery& query)
{
    TDataInfo info;
    info.ID = query.value(0).toInt();
    info.Name = query.value(1).toString();
    info.Type = query.value(2).toInt();
    info.Balance = Currency::fromRaw(query.value(3).toLongLong());
    info.Negative = query.value(4).toInt() != 0;
    info.WarnNegative = query.value(5).toInt() != 0;
    info.URL = query.value(6).toString();
    info.Memo = query.value(7).toString();
    return info;
}

TDataInfo TDM::LoadHolder(qint32 id)
{
    QSqlQuery q =
        current().select(QStringLiteral("select %1 from Account where ID = ?").arg(QLatin1String(HolderColumns)), {id});
    return q.next() ? readHolder(q) : TDataInfo();
}

TDataInfo TDM::FindHolder(const QString& name, bool isWallet)
{
    const QString family = isWallet ? QStringLiteral("type = 2") : QStringLiteral("type in (0, 1)");
    QSqlQuery q = current().select(QStringLiteral("select %1 from Account where %2 and name = ? order by ID")
                                       .arg(QLatin1String(HolderColumns), family),
                                   {name});
    return q.next() ? readHolder(q) : TDataInfo();
}

bool TDM::DeleteHolder(qint32 id)
{
    return current().execute(QStringLiteral("delete from Account where ID = ?"), {id}) > 0;
}

bool TDM::CanDeleteHolder(qint32 id)
{
    QSqlQuery q = current().select(QStringLiteral("select exists(select 1 from Detail where DestID = ?)"
                                                  " or exists(select 1 from Transfer where DestID = ?)"
                                                  " or exists(select 1 from Transfer where SourceID = ?)"),
                                   {id, id, id});
    return q.next() && q.value(0).toInt() == 0;
}
