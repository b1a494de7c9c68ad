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
    QTest::addColumn<bool>("hasShare");
    QTest::addColumn<qlonglong>("share");

    QTest::newRow("a quarter") << "12.50"
                               << "50.00" << true << 25LL;
    QTest::newRow("cut toward zero") << "33.33"
                                     << "100.00" << true << 33LL;
    QTest::newRow("all the money") << "80"
                                   << "80" << true << 100LL;
    QTest::newRow("empty wallet") << "0"
                                  << "80" << true << 0LL;
    QTest::newRow("total zero") << "0"
                                << "0" << true << 0LL;
    QTest::newRow("negative wallet") << "-12.50"
                                     << "50" << true << -25LL;
    QTest::newRow("negative cut toward zero") << "-33.33"
                                              << "100" << true << -33LL;
    QTest::newRow("balance hundredths half to even, down") << "0.125"
                                                           << "1" << true << 12LL;
    QTest::newRow("balance hundredths half to even, up") << "0.135"
                                                         << "1" << true << 14LL;
    QTest::newRow("total half to even") << "5"
                                        << "2.5" << true << 250LL;
    QTest::newRow("total rounds to zero") << "0.4"
                                          << "0.4" << false << 0LL;
    QTest::newRow("above a hundred with negative others") << "150"
                                                          << "100" << true << 150LL;
}

void TestHolderStore::walletShare()
{
    QFETCH(QString, balance);
    QFETCH(QString, total);
    QFETCH(bool, hasShare);
    QFETCH(qlonglong, share);
    const auto result = THolderStore::walletShare(money(qPrintable(balance)), money(qPrintable(total)));
    QCOMPARE(result.has_value(), hasShare);
    if (hasShare)
        QCOMPARE(*result, share);
}

void TestHolderStore::shareText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("hasShare");
    QTest::addColumn<qlonglong>("share");
    QTest::addColumn<QString>("text");
    QTest::newRow("en_US") << "en_US" << true << 25LL << "25.00%";
    QTest::newRow("de_DE") << "de_DE" << true << 25LL << "25,00%";
    QTest::newRow("negative") << "en_US" << true << -33LL << "-33.00%";
    QTest::newRow("no grouping") << "en_US" << true << 12345LL << "12345.00%";
    QTest::newRow("no share") << "en_US" << false << 0LL << "0.00%";
}

void TestHolderStore::shareText()
{
    QFETCH(QString, locale);
    QFETCH(bool, hasShare);
    QFETCH(qlonglong, share);
    QFETCH(QString, text);
    QCOMPARE(THolderStore::shareText(hasShare ? std::optional<qint64>(share) : std::nullopt, QLocale(locale)), text);
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
