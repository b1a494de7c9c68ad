#include "TestDb.h"

#include "data/DbError.h"
#include "data/TSchema.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestDataModule : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("C"); }
    void missingFileIsAnErrorAndCreatesNothing();
    void laterStatementsReportTheOpenError();
    void emptyTablesReadAsZero();
    void totals();
    void loadHolder();
    void findHolderWithinItsFamily_data();
    void findHolderWithinItsFamily();
    void canDeleteHolder();
    void deleteHolder();
    void failedStatementCarriesEngineText();
    void transactionRollsBackUnlessCommitted();
    void schemaVersionAndDates();
    void createToolRefusesExistingFile();
};

void TestDataModule::missingFileIsAnErrorAndCreatesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    TDM dm(path);
    try {
        dm.DataModuleCreate();
        QFAIL("opening a missing file succeeded");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("unable to open database file")), qPrintable(e.text()));
    }
    QVERIFY(!dm.isOpen());
    QVERIFY(!QFile::exists(path));
}

void TestDataModule::laterStatementsReportTheOpenError()
{
    const MissingDb missing;
    const QString& openError = missing.openError;
    try {
        TDM::AccountsTotal();
        QFAIL("a statement ran without a database");
    } catch (const DbError& e) {
        QCOMPARE(e.text(), openError);
    }
}

void TestDataModule::emptyTablesReadAsZero()
{
    TestDb db;
    QCOMPARE(TDM::AccountsTotal(), Currency());
    QCOMPARE(TDM::WalletsTotal(), Currency());
    QCOMPARE(TDM::FindHolder(QStringLiteral("x"), false).ID, 0);
    QVERIFY(TDM::CanDeleteHolder(1));
    QVERIFY(!TDM::DeleteHolder(1));
}

void TestDataModule::totals()
{
    TestDb db;
    db.addHolder(QStringLiteral("Cash"), 2, money("10"));
    db.addHolder(QStringLiteral("Purse"), 2, money("-4"));
    db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    db.addHolder(QStringLiteral("Card"), 1, money("0.0001"));
    QCOMPARE(TDM::WalletsTotal(), money("6"));
    QCOMPARE(TDM::AccountsTotal(), money("100.0001"));
}

void TestDataModule::loadHolder()
{
    TestDb db;
    // A holder inserted without a balance reads back with 0.
    db.dm().execute(
        QStringLiteral("insert into Account (name, type, negative, WarnNegative) values ('Bank', 1, 1, 0)"));
    const qint32 id = db.addHolder(QStringLiteral("O'Brien \"100%\""), 2, money("-12.3456"), false, true,
                                   QStringLiteral("https://x.example/?a=1&b='2'"), QStringLiteral("line1\nline2"));

    const TDataInfo bank = TDM::LoadHolder(1);
    QCOMPARE(bank.ID, 1);
    QCOMPARE(bank.Balance, Currency());
    QCOMPARE(bank.Type, 1);
    QVERIFY(bank.Negative);
    QVERIFY(!bank.WarnNegative);
    QVERIFY(bank.Tile == nullptr);

    const TDataInfo wallet = TDM::LoadHolder(id);
    QCOMPARE(wallet.Name, QStringLiteral("O'Brien \"100%\""));
    QCOMPARE(wallet.Balance, money("-12.3456"));
    QCOMPARE(wallet.URL, QStringLiteral("https://x.example/?a=1&b='2'"));
    QCOMPARE(wallet.Memo, QStringLiteral("line1\nline2"));
    QVERIFY(wallet.WarnNegative);

    const TDataInfo none = TDM::LoadHolder(9999);
    QCOMPARE(none.ID, 0);
    QVERIFY(none.Name.isEmpty());
    QCOMPARE(none.Balance, Currency());
}

void TestDataModule::findHolderWithinItsFamily_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isWallet");
    QTest::addColumn<QString>("found"); // which holder, or empty for none

    QTest::newRow("account found as account") << "Bank" << false << "Bank";
    QTest::newRow("account not found as wallet") << "Bank" << true << "";
    QTest::newRow("wallet found as wallet") << "Cash" << true << "Cash";
    QTest::newRow("wallet not found as account") << "Cash" << false << "";
    QTest::newRow("credit card is an account") << "Visa" << false << "Visa";
    QTest::newRow("whole value only") << "Ban" << false << "";
    QTest::newRow("percent is not a wildcard") << "%" << false << "";
    QTest::newRow("quote in name") << "Mum's purse" << true << "Mum's purse";
    QTest::newRow("double quote and percent") << "\"50%\" fund" << false << "\"50%\" fund";
    QTest::newRow("same name in both families, wallet") << "Twin" << true << "Twin/2";
    QTest::newRow("same name in both families, account") << "Twin" << false << "Twin/0";
}

void TestDataModule::findHolderWithinItsFamily()
{
    QFETCH(QString, name);
    QFETCH(bool, isWallet);
    QFETCH(QString, found);

    TestDb db;
    db.addHolder(QStringLiteral("Bank"), 0);
    db.addHolder(QStringLiteral("Cash"), 2);
    db.addHolder(QStringLiteral("Visa"), 1);
    db.addHolder(QStringLiteral("Mum's purse"), 2);
    db.addHolder(QStringLiteral("\"50%\" fund"), 0);
    db.addHolder(QStringLiteral("Twin"), 2, money("2"));
    db.addHolder(QStringLiteral("Twin"), 0, money("0"));

    const TDataInfo info = TDM::FindHolder(name, isWallet);
    if (found.isEmpty()) {
        QCOMPARE(info.ID, 0);
        return;
    }
    const QStringList parts = found.split(u'/');
    QVERIFY(info.ID != 0);
    QCOMPARE(info.Name, parts.at(0));
    if (parts.size() > 1)
        QCOMPARE(info.Type, parts.at(1).toInt());
}

void TestDataModule::canDeleteHolder()
{
    TestDb db;
    const QDateTime when(QDate(2026, 1, 2), QTime(10, 0));
    const qint32 idle = db.addHolder(QStringLiteral("Idle"), 0);
    const qint32 source = db.addHolder(QStringLiteral("Source"), 0);
    const qint32 dest = db.addHolder(QStringLiteral("Dest"), 2);
    const qint32 booked = db.addHolder(QStringLiteral("Booked"), 2);
    const qint32 twice = db.addHolder(QStringLiteral("Twice"), 0);
    db.addTransfer(source, dest, when, money("5"));
    db.addDetail(1, booked, when, money("1"));
    // Equal counts in the three places must not hide each other.
    db.addDetail(0, twice, when, money("1"));
    db.addTransfer(twice, idle + 1000, when, money("1"));

    QVERIFY(TDM::CanDeleteHolder(idle));
    QVERIFY(!TDM::CanDeleteHolder(source));
    QVERIFY(!TDM::CanDeleteHolder(dest));
    QVERIFY(!TDM::CanDeleteHolder(booked));
    QVERIFY(!TDM::CanDeleteHolder(twice));
}

void TestDataModule::deleteHolder()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Gone"), 1);
    const qint32 other = db.addHolder(QStringLiteral("Stays"), 2);
    QVERIFY(TDM::CanDeleteHolder(id));
    QVERIFY(TDM::DeleteHolder(id));
    QVERIFY(!TDM::DeleteHolder(id));
    QCOMPARE(TDM::LoadHolder(other).Name, QStringLiteral("Stays"));
    // Ids are never reused.
    QVERIFY(db.addHolder(QStringLiteral("New"), 0) > other);
}

void TestDataModule::failedStatementCarriesEngineText()
{
    TestDb db;
    try {
        db.dm().select(QStringLiteral("select nosuchcolumn from Account"));
        QFAIL("a bad statement ran");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("nosuchcolumn")), qPrintable(e.text()));
    }
}

void TestDataModule::transactionRollsBackUnlessCommitted()
{
    TestDb db;
    {
        TDM::Transaction t(db.dm());
        db.addHolder(QStringLiteral("Temp"), 0);
    }
    QCOMPARE(db.count(QStringLiteral("Account")), 0);
    {
        TDM::Transaction t(db.dm());
        db.addHolder(QStringLiteral("Kept"), 0);
        t.commit();
    }
    QCOMPARE(db.count(QStringLiteral("Account")), 1);
}

void TestDataModule::schemaVersionAndDates()
{
    TestDb db;
    QSqlDatabase conn = db.dm().conn();
    QCOMPARE(TSchema::version(conn), TSchema::Version);
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    QCOMPARE(TDM::toDbDate(when), QStringLiteral("2026-03-04 05:06:07"));
    QCOMPARE(TDM::fromDbDate(QStringLiteral("2026-03-04 05:06:07")), when);
    // Money is stored as whole ten-thousandths.
    const qint32 id = db.addHolder(QStringLiteral("Exact"), 0, money("0.0001"));
    QCOMPARE(db.rows(QStringLiteral("select typeof(Balance), Balance from Account where ID = ?"), {id}),
             QStringList{"integer|1"});
}

void TestDataModule::createToolRefusesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    QProcess tool;
    tool.start(QStringLiteral(CREATEDB_PATH), {path});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);

    {
        TDM dm(path);
        dm.DataModuleCreate();
        QCOMPARE(TDM::AccountsTotal(), Currency());
        dm.execute(QStringLiteral("insert into Account (name, type) values ('Mine', 2)"));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    file.close();

    tool.start(QStringLiteral(CREATEDB_PATH), {path});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Data.mdb")});
}

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
