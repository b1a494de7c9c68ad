#include "TestDb.h"

#include "holders/THolderStore.h"

#include <QSqlQuery>
#include <QTest>

class TestHolderStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("C"); }
    void walletShare_data();
    void walletShare();
    void shareText_data();
    void shareText();
    void insertStoresAsGivenWithZeroBalance();
    void updateNeverWritesBalance();
    void walletUpdateKeepsTheKind();
};

void TestHolderStore::walletShare_data()
{
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("total");
    QTest::addColumn<qlonglong>("share");

    QTest::newRow("a quarter") << "12.50"
                               << "50.00" << 25LL;
    QTest::newRow("cut toward zero") << "33.33"
                                     << "100.00" << 33LL;
    QTest::newRow("all the money") << "80"
                                   << "80" << 100LL;
    QTest::newRow("empty wallet") << "0"
                                  << "80" << 0LL;
    QTest::newRow("total zero") << "0"
                                << "0" << 0LL;
    QTest::newRow("total zero, balance not") << "5"
                                             << "0" << 0LL;
    QTest::newRow("negative wallet") << "-12.50"
                                     << "50" << -25LL;
    QTest::newRow("negative cut toward zero") << "-33.33"
                                              << "100" << -33LL;
    QTest::newRow("above a hundred with negative others") << "150"
                                                          << "100" << 150LL;
    QTest::newRow("negative total") << "10"
                                    << "-20" << -50LL;
    // The whole ratio counts, not the balance and the total rounded to units first.
    QTest::newRow("all of 0.60") << "0.60"
                                 << "0.60" << 100LL;
    QTest::newRow("all of 99.50") << "99.50"
                                  << "99.50" << 100LL;
    QTest::newRow("all of 0.4") << "0.4"
                                << "0.4" << 100LL;
    QTest::newRow("all of a debt") << "-0.60"
                                   << "-0.60" << 100LL;
    QTest::newRow("just under all") << "99.4999"
                                    << "99.50" << 99LL;
    QTest::newRow("half a percent") << "0.125"
                                    << "1" << 12LL;
    QTest::newRow("a tenth of a unit in 2.5") << "0.1"
                                              << "2.5" << 4LL;
    QTest::newRow("beyond the range") << "922337203685477.5807"
                                      << "0.0001" << qlonglong(INT64_MAX);
    QTest::newRow("beyond the range, negative") << "-922337203685477.5807"
                                                << "0.0001" << qlonglong(INT64_MIN);
}

void TestHolderStore::walletShare()
{
    QFETCH(QString, balance);
    QFETCH(QString, total);
    QFETCH(qlonglong, share);
    QCOMPARE(THolderStore::walletShare(money(qPrintable(balance)), money(qPrintable(total))), share);
}

void TestHolderStore::shareText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qlonglong>("share");
    QTest::addColumn<QString>("text");
    QTest::newRow("en_US") << "en_US" << 25LL << "25.00%";
    QTest::newRow("de_DE") << "de_DE" << 25LL << "25,00%";
    QTest::newRow("negative") << "en_US" << -33LL << "-33.00%";
    QTest::newRow("no grouping") << "en_US" << 12345LL << "12345.00%";
    QTest::newRow("zero") << "en_US" << 0LL << "0.00%";
    QTest::newRow("the lowest") << "en_US" << qlonglong(INT64_MIN) << "-9223372036854775808.00%";
}

void TestHolderStore::shareText()
{
    QFETCH(QString, locale);
    QFETCH(qlonglong, share);
    QFETCH(QString, text);
    QCOMPARE(THolderStore::shareText(share, QLocale(locale)), text);
}

void TestHolderStore::insertStoresAsGivenWithZeroBalance()
{
    TestDb db;
    const THolderStore::Fields fields{
        QStringLiteral("O'Neil \"50%\" _fund_"), 1, true, false, QStringLiteral("https://bank.example/?q='x'"),
        QStringLiteral("a; DROP TABLE")};
    QCOMPARE(THolderStore::insertHolder(fields), 1);
    const TDataInfo info = TDM::FindHolder(fields.name, false);
    QVERIFY(info.ID > 0);
    QCOMPARE(info.Type, 1);
    QCOMPARE(info.Balance, Currency());
    QVERIFY(info.Negative);
    QVERIFY(!info.WarnNegative);
    QCOMPARE(info.URL, fields.url);
    QCOMPARE(info.Memo, fields.memo);
}

void TestHolderStore::updateNeverWritesBalance()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Bank"), 0, money("123.4567"));
    QCOMPARE(THolderStore::updateHolder(id, {QStringLiteral("Card"), 1, false, true, {}, {}}, true), 1);
    const TDataInfo info = TDM::LoadHolder(id);
    QCOMPARE(info.Name, QStringLiteral("Card"));
    QCOMPARE(info.Type, 1);
    QCOMPARE(info.Balance, money("123.4567"));
    QVERIFY(info.WarnNegative);
    QCOMPARE(THolderStore::updateHolder(id + 1, {QStringLiteral("None"), 0, false, false, {}, {}}, true), 0);
}

void TestHolderStore::walletUpdateKeepsTheKind()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Odd"), 7, money("1"));
    THolderStore::updateHolder(id, {QStringLiteral("Odd wallet"), 2, true, true, {}, {}}, false);
    QSqlQuery q = db.dm().select(QStringLiteral("select type, name from Account where ID = ?"), {id});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 7);
    QCOMPARE(q.value(1).toString(), QStringLiteral("Odd wallet"));
}

QTEST_GUILESS_MAIN(TestHolderStore)
#include "tst_holderstore.moc"
