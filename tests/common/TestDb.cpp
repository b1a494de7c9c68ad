#include "TestDb.h"

#include "data/DbError.h"
#include "data/TSchema.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

TestDb::TestDb()
    : m_path(m_dir.filePath(QStringLiteral("Data.mdb")))
{
    createFile(m_path);
    m_dm = std::make_unique<TDM>(m_path, false);
    m_dm->DataModuleCreate();
    // Speed only: a test's temporary file needs no sync to the disk.
    m_dm->select(QStringLiteral("PRAGMA synchronous = OFF"));
}

TestDb::~TestDb() = default;

void TestDb::createFile(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("testcreate"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot create test database");
        // Speed only: a test's temporary file needs no sync to the disk. In the write-ahead log
        // already, as the program leaves a file.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        TSchema::create(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("testcreate"));
}

qint32 TestDb::addHolder(const QString& name, int type, Currency balance, bool negative, bool warnNegative,
                         const QString& url, const QString& memo)
{
    m_dm->execute(
        QStringLiteral("insert into Account (name, type, Balance, negative, WarnNegative, URL, Memo)"
                       " values (?, ?, ?, ?, ?, ?, ?)"),
        {name, type, QVariant::fromValue<qlonglong>(balance.raw()), negative ? 1 : 0, warnNegative ? 1 : 0, url, memo});
    QSqlQuery q = m_dm->select(QStringLiteral("select last_insert_rowid()"));
    q.next();
    return q.value(0).toInt();
}

namespace {
QVariant textOrNull(const QString& s)
{
    return s.isEmpty() ? QVariant() : QVariant(s);
}
} // namespace

qint32 TestDb::addDetail(int type, qint32 holder, const QDateTime& date, Currency amount, const QString& from,
                         const QString& forText, const QString& memo)
{
    m_dm->execute(QStringLiteral("insert into Detail (type, DestID, Date, [From], Amount, [For], Memo)"
                                 " values (?, ?, ?, ?, ?, ?, ?)"),
                  {type, holder, TDM::toDbDate(date), textOrNull(from), QVariant::fromValue<qlonglong>(amount.raw()),
                   textOrNull(forText), textOrNull(memo)});
    QSqlQuery q = m_dm->select(QStringLiteral("select last_insert_rowid()"));
    q.next();
    return q.value(0).toInt();
}

qint32 TestDb::addTransfer(qint32 source, qint32 dest, const QDateTime& date, Currency amount, const QString& from,
                           const QString& forText, const QString& memo)
{
    m_dm->execute(QStringLiteral("insert into Transfer (SourceID, DestID, Date, [From], Amount, [For], Memo)"
                                 " values (?, ?, ?, ?, ?, ?, ?)"),
                  {source, dest, TDM::toDbDate(date), textOrNull(from), QVariant::fromValue<qlonglong>(amount.raw()),
                   textOrNull(forText), textOrNull(memo)});
    QSqlQuery q = m_dm->select(QStringLiteral("select last_insert_rowid()"));
    q.next();
    return q.value(0).toInt();
}

Currency TestDb::balance(qint32 holder)
{
    QSqlQuery q = m_dm->select(QStringLiteral("select Balance from Account where ID = ?"), {holder});
    if (!q.next())
        qFatal("no such holder");
    return Currency::fromRaw(q.value(0).toLongLong());
}

int TestDb::count(const QString& table)
{
    QSqlQuery q = m_dm->select(QStringLiteral("select count(*) from ") + table);
    q.next();
    return q.value(0).toInt();
}

MissingDb::MissingDb()
{
    try {
        dm.DataModuleCreate();
    } catch (const DbError& e) {
        openError = e.text();
    }
    if (openError.isEmpty())
        qFatal("a missing database file opened");
}

QString TestDb::snapshot()
{
    QString out;
    for (const char* sql :
         {"select * from Account order by ID", "select * from Detail order by ID", "select * from Transfer order by ID",
          "select * from Import order by ID", "select * from ImportRow order by ImportID, Fingerprint",
          "select * from ImportProfile order by ID", "select * from StandingOrder order by ID",
          "select * from OrderOccurrence order by OrderID, Scheduled"}) {
        QSqlQuery q = m_dm->select(QString::fromLatin1(sql));
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i)
                out += q.value(i).toString() + u'|';
            out += u'\n';
        }
        out += QStringLiteral("--\n");
    }
    return out;
}

QStringList TestDb::rows(const QString& sql, const QVariantList& values)
{
    QSqlQuery q = m_dm->select(sql, values);
    QStringList out;
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i)
            fields << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
        out << fields.join(u'|');
    }
    return out;
}

namespace {
QString triggerName(const QString& table, const QString& event)
{
    return QStringLiteral("test_%1_%2").arg(table, event).toLower();
}
} // namespace

void TestDb::addTrigger(const QString& table, const QString& event, TriggerEffect effect)
{
    const QString raise =
        effect == TriggerEffect::Skip ? QStringLiteral("RAISE(IGNORE)") : QStringLiteral("RAISE(ABORT, 'boom')");
    m_dm->execute(QStringLiteral("CREATE TEMP TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT %4; END")
                      .arg(triggerName(table, event), event, table, raise));
}

void TestDb::dropTrigger(const QString& table, const QString& event)
{
    m_dm->execute(QStringLiteral("DROP TRIGGER IF EXISTS temp.%1").arg(triggerName(table, event)));
}

Currency money(const char* text)
{
    const auto value = Currency::parse(QString::fromLatin1(text), QLocale::c());
    if (!value)
        qFatal("bad money literal %s", text);
    return *value;
}

void pinLocale(const char* name)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
}
