#include "data/TDM.h"

#include "data/DbError.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "data/TDailyBackup.h"
#include "data/TOpenCheck.h"
#include "data/TPaths.h"
#include "data/TSchema.h"
#include "data/TTextPattern.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>

#include <atomic>

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

namespace {

thread_local TDM* t_current = nullptr;
// The fault-injection hook, shared by every data module.
std::atomic<int> g_statements{0};
std::atomic<int> g_failAt{0};
std::atomic<int> g_threadConnections{0};

} // namespace

TDM::TDM(const QString& databasePath, bool dailyBackup)
    : m_path(databasePath)
    , m_connection(QString::fromLatin1(ConnectionName))
    , m_dailyBackup(dailyBackup)
{
    DM = this;
}

TDM::TDM(const QString& databasePath, const QString& connectionName)
    : m_path(databasePath)
    , m_connection(connectionName)
    , m_dailyBackup(false)
{}

std::unique_ptr<TDM> TDM::openForThread(const QString& databasePath)
{
    std::unique_ptr<TDM> dm(new TDM(
        databasePath, QStringLiteral("%1-thread-%2").arg(QLatin1String(ConnectionName)).arg(++g_threadConnections)));
    dm->DataModuleCreate();
    return dm;
}

TDM::ThreadScope::ThreadScope(TDM& dm)
    : m_before(t_current)
{
    t_current = &dm;
}

TDM::ThreadScope::~ThreadScope()
{
    t_current = m_before;
}

TDM::~TDM()
{
    // An unfinished backup is abandoned before the connection goes.
    m_backup.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    if (DM == this)
        DM = nullptr;
}

void TDM::DataModuleCreate()
{
    m_open = false;
    m_openError.clear();
    try {
        openChecked();
    } catch (const DbError& e) {
        failOpen(e.text());
    }
}

void TDM::close()
{
    m_backup.reset();
    m_open = false;
    m_openError.clear();
    {
        QSqlDatabase db = conn();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void TDM::openChecked()
{
    // What can be told from the file itself comes first: the engine does not even open it then.
    if (const QString problem = TOpenCheck::beforeOpen(m_path); !problem.isEmpty())
        throw DbError(problem);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    // A URI with mode=rw opens an existing file only: a missing file is an error, never a new file.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    auto failure = [this](const QSqlError& error) {
        return DbError(TOpenCheck::engineFailure(m_path, error.nativeErrorCode().toInt(), engineText(error)));
    };
    if (!db.open())
        throw failure(db.lastError());

    // Reads only, until the file is known to be the program's: a foreign file stays as it was.
    QStringList tables;
    int version = 0;
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("select name from sqlite_master where type = 'table'")))
            throw failure(q.lastError());
        while (q.next())
            tables << q.value(0).toString();
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
            throw failure(q.lastError());
        version = q.value(0).toInt();
    }
    if (const QString problem = TOpenCheck::contents(m_path, tables, version); !problem.isEmpty())
        throw DbError(problem);
    m_open = true;
    if (sqlite3_db_readonly(handle(), "main") == 1)
        throw DbError(TOpenCheck::readOnly(m_path));

    // Durability: a booking that was reported saved survives a crash or a power cut. The write-ahead
    // log makes a commit one append to Data.mdb-wal and one sync; a crash leaves at most an
    // unfinished tail of the log, which the next open ignores.
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
        QSqlQuery q(db);
        if (!q.exec(QString::fromLatin1(pragma)))
            throw failure(q.lastError());
    }

    // A copy of the file as it is now, before anything changes it. The copy is a snapshot taken
    // here, so a schema upgrade that follows (after this step) does not reach it.
    if (m_dailyBackup && TDailyBackup::isDue(TPaths::backupFolderFor(m_path), TClock::now())) {
        m_backup = std::make_unique<TDailyBackup>(m_path);
        m_backup->start();
    }

    // LIKE ignores case for every letter, not only A to Z.
    if (TTextPattern::registerLike(handle()) != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(handle())));
    upgradeSchema();
}

void TDM::upgradeSchema()
{
    QSqlDatabase db = conn();
    TSchema::upgrade(db);
}

void TDM::failOpen(const QString& text)
{
    m_backup.reset();
    m_open = false;
    m_openError = text;
    {
        QSqlDatabase db = conn();
        if (db.isValid())
            db.close();
    }
    throw DbError(text);
}

TDM& TDM::current()
{
    if (t_current != nullptr)
        return *t_current;
    if (DM == nullptr)
        throw DbError(QCoreApplication::translate("TDM", "The database is not open."));
    return *DM;
}

bool TDM::isOpen() const
{
    return m_open;
}

QSqlDatabase TDM::conn() const
{
    return QSqlDatabase::database(m_connection, false);
}

void TDM::ensureOpen() const
{
    if (!m_open)
        throw DbError(m_openError.isEmpty() ? QCoreApplication::translate("TDM", "The database is not open.")
                                            : m_openError);
}

sqlite3* TDM::handle() const
{
    ensureOpen();
    const QVariant handle = conn().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DbError(QCoreApplication::translate("TDM", "The database connection is not an SQLite connection."));
    sqlite3* db = *static_cast<sqlite3* const*>(handle.constData());
    if (db == nullptr)
        throw DbError(QCoreApplication::translate("TDM", "The database is not open."));
    return db;
}

void TDM::failStatementAt(int n)
{
    g_failAt = n;
    g_statements = 0;
}

int TDM::statementsRun() const
{
    return g_statements;
}

void TDM::countStatement() const
{
    const int n = ++g_statements;
    if (g_failAt > 0 && n == g_failAt)
        throw DbError(QString::fromLatin1(InjectedFault));
}

QSqlQuery TDM::select(const QString& sql, const QVariantList& values) const
{
    ensureOpen();
    countStatement();
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

TDM::Prepared::Prepared(const TDM& dm, const QString& sql)
    : m_dm(dm)
    , m_query(dm.conn())
{
    dm.ensureOpen();
    if (!m_query.prepare(sql))
        throw DbError(engineText(m_query.lastError()));
}

qint64 TDM::Prepared::run(const QVariantList& values)
{
    m_dm.countStatement();
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, values.at(i));
    if (!m_query.exec())
        throw DbError(engineText(m_query.lastError()));
    return m_query.lastInsertId().toLongLong();
}

TDM::Transaction::Transaction(const TDM& dm)
    : m_dm(dm)
    , m_db(dm.conn())
{
    dm.ensureOpen();
    dm.countStatement();
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
    m_dm.countStatement();
    if (!m_db.commit())
        throw DbError(engineText(m_db.lastError()));
    m_done = true;
}

QVariant TDM::toDbMoney(Currency value)
{
    return QVariant::fromValue<qlonglong>(value.raw());
}

QVariant TDM::toDbText(const QString& value)
{
    const QString trimmed = value.trimmed();
    return trimmed.isEmpty() ? QVariant() : QVariant(trimmed);
}

qint64 TDM::lastInsertId() const
{
    QSqlQuery q = select(QStringLiteral("select last_insert_rowid()"));
    q.next();
    return q.value(0).toLongLong();
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
    if (current().execute(QStringLiteral("delete from Account where ID = ?"), {id}) == 0)
        return false;
    TBooksChange change;
    change.holdersRemoved.insert(id);
    TBooks::notify(change);
    return true;
}

bool TDM::CanDeleteHolder(qint32 id)
{
    QSqlQuery q = current().select(QStringLiteral("select exists(select 1 from Detail where DestID = ?)"
                                                  " or exists(select 1 from Transfer where DestID = ?)"
                                                  " or exists(select 1 from Transfer where SourceID = ?)"),
                                   {id, id, id});
    return q.next() && q.value(0).toInt() == 0;
}
