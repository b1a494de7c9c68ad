#include "DataRow.h"
#include "TestDb.h"

#include "data/DbError.h"
#include "data/TLedgerQuery.h"
#include "data/TSchema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// A database file made with `version`'s schema; `fill` runs on it before it is closed.
void makeFile(const QString& path, int version, const std::function<void(QSqlDatabase&)>& fill = {})
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        if (version > 0)
            TSchema::create(db, version);
        if (fill)
            fill(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

void exec(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        QFAIL(qPrintable(sql));
}

// The names of the file's tables and triggers, in order.
QStringList objects(QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral(
        "select name from sqlite_schema where type in ('table', 'trigger') and name not like 'sqlite%' order by name"));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

QList<qint64> idsOfText(const QString& text, TLedgerQuery::Plan plan)
{
    TLedgerQuery q;
    q.addText(text);
    const TRowSet rows = q.open(TDM::current().handle(), plan);
    QList<qint64> ids;
    for (int r = 0; r < rows.rowCount(); ++r)
        ids << rows.number(r, TLedgerQuery::Type) * 1000 + rows.number(r, TLedgerQuery::Id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void createMakesTheVersionAskedFor_data();
    void createMakesTheVersionAskedFor();
    void versionOneFileIsUpgradedOnOpen_data();
    void versionOneFileIsUpgradedOnOpen();
    void failedUpgradeChangesNothing();
    void versionFourFileGetsItsMonthTotals_data();
    void versionFourFileGetsItsMonthTotals();
    void otherVersionsAreLeftAsTheyAre_data();
    void otherVersionsAreLeftAsTheyAre();
};

void TestSchema::createMakesTheVersionAskedFor_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QStringList>("objects");
    dataRow("1", 1, QStringList{"Account", "Detail", "Transfer"});
    dataRow("2, the newest", 2,
            QStringList{"Account", "Detail", "Detail_Text", "Detail_Text_Delete", "Detail_Text_Insert",
                        "Detail_Text_Update", "Detail_Text_config", "Detail_Text_data", "Detail_Text_docsize",
                        "Detail_Text_idx", "Transfer", "Transfer_Text", "Transfer_Text_Delete", "Transfer_Text_Insert",
                        "Transfer_Text_Update", "Transfer_Text_config", "Transfer_Text_data", "Transfer_Text_docsize",
                        "Transfer_Text_idx"});
}

void TestSchema::createMakesTheVersionAskedFor()
{
    QFETCH(int, version);
    QFETCH(QStringList, objects);
    QTemporaryDir dir;
    makeFile(dir.filePath(QStringLiteral("Data.mdb")), version, [&](QSqlDatabase& db) {
        QCOMPARE(TSchema::version(db), version);
        QCOMPARE(::objects(db), objects);
    });
}

void TestSchema::versionOneFileIsUpgradedOnOpen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qint64>>("found"); // kind * 1000 + id
    dataRow("upper case finds the old booking", "MÜLLER", QList<qint64>{1});
    dataRow("both sides of the old transfer", "école", QList<qint64>{2001, 3001});
    dataRow("old and new", "stra", QList<qint64>{1002, 1003});
}

void TestSchema::versionOneFileIsUpgradedOnOpen()
{
    QFETCH(QString, text);
    QFETCH(QList<qint64>, found);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    makeFile(path, 1, [](QSqlDatabase& db) {
        exec(db, QStringLiteral("insert into Account (name, type) values ('Bank', 0), ('Cash', 2)"));
        exec(db, QStringLiteral("insert into Detail (type, DestID, Date, \"From\", Amount, Memo) values"
                                " (0, 1, '2025-04-01 10:00:00', 'Herr Müller', 10000, null),"
                                " (1, 2, '2025-04-02 11:00:00', 'Bäcker', 20000, 'Hauptstraße')"));
        exec(db, QStringLiteral("insert into Transfer (SourceID, DestID, Date, \"From\", Amount, \"For\") values"
                                " (1, 2, '2025-04-03 12:00:00', null, 30000, 'ÉCOLE')"));
    });
    TDM dm(path);
    dm.DataModuleCreate();
    {
        QSqlDatabase conn = dm.conn();
        QCOMPARE(TSchema::version(conn), TSchema::Version);
    }
    // Bookings made after the upgrade are indexed by the triggers.
    dm.execute(QStringLiteral("insert into Detail (type, DestID, Date, \"From\", Amount)"
                              " values (1, 1, '2025-04-04 09:00:00', 'STRAND', 10000)"));
    for (const auto plan : {TLedgerQuery::Plan::TextIndex, TLedgerQuery::Plan::Scan})
        QCOMPARE(idsOfText(text, plan), found);
}

void TestSchema::failedUpgradeChangesNothing()
{
    // The second table of the step is in the way: the first one, made before it, is gone again.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    makeFile(path, 1, [](QSqlDatabase& db) { exec(db, QStringLiteral("create table Transfer_Text (x)")); });
    {
        TDM dm(path);
        try {
            dm.DataModuleCreate();
            QFAIL("the upgrade went through");
        } catch (const DbError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("Transfer_Text already exists")), qPrintable(e.text()));
        }
        QVERIFY(!dm.isOpen());
    }
    makeFile(path, 0, [](QSqlDatabase& db) {
        QCOMPARE(TSchema::version(db), 1);
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("select group_concat(name) from sqlite_schema where name like 'Detail_Text%'")));
        QVERIFY(q.next());
        QVERIFY2(q.value(0).isNull(), qPrintable(q.value(0).toString()));
    });
}

void TestSchema::versionFourFileGetsItsMonthTotals_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QStringList>("rows");
    dataRow("by holder and kind, transfers by both holders", "select * from MonthTotal",
            QStringList{"202505|1|1|0|4000|2", "202505|1|2|2|3000|1", "202505|2|1|0|700|1"});
    dataRow("by text, by month and by year",
            "select Field, Kind, Month, HolderID, Text, Amount, Count from MonthText join ReportText on ID = TextID",
            QStringList{"0|1|2025|1||2500|1", "0|1|2025|1|Food|1500|1", "0|1|2025|2|Food|700|1", "0|1|202505|1||2500|1",
                        "0|1|202505|1|Food|1500|1", "0|1|202505|2|Food|700|1", "1|1|2025|1|Shop|4000|2",
                        "1|1|2025|2|Shop|700|1", "1|1|202505|1|Shop|4000|2", "1|1|202505|2|Shop|700|1"});
}

void TestSchema::versionFourFileGetsItsMonthTotals()
{
    QFETCH(QString, select);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    makeFile(path, 4, [](QSqlDatabase& db) {
        exec(db, QStringLiteral("insert into Account (name, type) values ('Bank', 0), ('Cash', 2)"));
        exec(db, QStringLiteral("insert into Detail (type, DestID, Date, \"From\", Amount, \"For\") values"
                                " (0, 1, '2025-04-30 23:59:59', 'Boss', 10000, 'Pay'),"
                                " (1, 1, '2025-05-01 00:00:00', 'Shop', 2500, null),"
                                " (1, 1, '2025-05-20 08:00:00', 'Shop', 1500, 'Food')"));
        exec(db, QStringLiteral("insert into Transfer (SourceID, DestID, Date, Amount) values"
                                " (1, 2, '2025-05-02 12:00:00', 3000)"));
    });
    TDM dm(path);
    dm.DataModuleCreate();
    // The upgrade counted the bookings there; the triggers count the ones written after it.
    dm.execute(QStringLiteral("insert into Detail (type, DestID, Date, \"From\", Amount, \"For\")"
                              " values (1, 2, '2025-05-03 09:00:00', 'Shop', 700, 'Food')"));
    dm.execute(QStringLiteral("delete from Detail where \"From\" = 'Boss'"));
    QSqlQuery q = dm.select(select + QStringLiteral(" order by 1, 2, 3, 4, 5"));
    QStringList found;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values << q.value(i).toString();
        found << values.join(u'|');
    }
    QCOMPARE(found, rows);
}

void TestSchema::otherVersionsAreLeftAsTheyAre_data()
{
    QTest::addColumn<int>("version");
    dataRow("no version: not a file of the program", 0);
    dataRow("the newest", int(TSchema::Version));
    dataRow("newer than the program", int(TSchema::Version + 1));
}

void TestSchema::otherVersionsAreLeftAsTheyAre()
{
    QFETCH(int, version);
    QTemporaryDir dir;
    makeFile(dir.filePath(QStringLiteral("Data.mdb")), 0, [version](QSqlDatabase& db) {
        exec(db, QStringLiteral("create table Account (ID integer primary key)"));
        exec(db, QStringLiteral("pragma user_version = %1").arg(version));
        QCOMPARE(TSchema::upgrade(db), version);
        QCOMPARE(TSchema::version(db), version);
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("select count(*) from sqlite_schema")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);
    });
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
