#include "DataRow.h"
#include "TestDb.h"

#include "data/THolderSummary.h"

#include <QTest>

namespace {

QDateTime at(int y, int m, int d, int h = 12, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, mi, s));
}

} // namespace

class TestHolderSummary : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void share_data();
    void share();
    void monthAndTodayCountDetailOnly();
    void missingHolderGivesEmptyRow();
    void texts_data();
    void texts();
};

void TestHolderSummary::share_data()
{
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("total");
    QTest::addColumn<qint64>("hundredths");
    QTest::addColumn<QString>("text");
    dataRow("25 of 200", "25", "200", qint64(1250), "12.50%");
    dataRow("total 0", "25", "0", qint64(0), "0.00%");
    dataRow("all of it", "-3", "-3", qint64(10000), "100.00%");
    dataRow("a third", "1", "3", qint64(3333), "33.33%");
    dataRow("two thirds", "2", "3", qint64(6667), "66.67%");
    dataRow("half to even, down", "1", "32", qint64(312), "3.12%");
    dataRow("half to even, up", "3", "32", qint64(938), "9.38%");
    dataRow("negative share", "-50", "200", qint64(-2500), "-25.00%");
    dataRow("above 100", "300", "200", qint64(15000), "150.00%");
    dataRow("tiny", "0.0001", "1000", qint64(0), "0.00%");
    dataRow("four decimals of money", "0.0001", "0.0003", qint64(3333), "33.33%");
}

void TestHolderSummary::share()
{
    QFETCH(QString, balance);
    QFETCH(QString, total);
    QFETCH(qint64, hundredths);
    QFETCH(QString, text);
    THolderSummary s;
    s.percentHundredths =
        THolderSummary::shareHundredths(money(balance.toLatin1().constData()), money(total.toLatin1().constData()));
    QCOMPARE(s.percentHundredths, hundredths);
    QCOMPARE(s.percentText(), text);
}

void TestHolderSummary::monthAndTodayCountDetailOnly()
{
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2, money("25"));
    const qint32 other = db.addHolder(QStringLiteral("Bank"), 0, money("175"));
    const QDateTime now = at(2026, 3, 15, 9, 30);
    db.addDetail(0, h, at(2026, 3, 1, 0, 0, 0), money("10"));       // month start: this month
    db.addDetail(0, h, at(2026, 2, 28, 23, 59, 59), money("1000")); // last month
    db.addDetail(0, h, at(2026, 3, 15, 0, 0, 0), money("2.5"));     // today at midnight
    db.addDetail(0, h, at(2026, 3, 15, 23, 59, 59), money("0.25")); // today, later than now
    db.addDetail(0, h, at(2026, 3, 16, 0, 0, 0), money("500"));     // tomorrow
    db.addDetail(1, h, at(2026, 3, 14), money("4.0001"));           // yesterday
    db.addDetail(1, h, at(2026, 3, 15, 8), money("1"));
    db.addDetail(0, other, at(2026, 3, 15), money("77"));    // another holder
    db.addTransfer(other, h, at(2026, 3, 15), money("300")); // transfers do not count
    db.addTransfer(h, other, at(2026, 3, 15), money("300"));

    const THolderSummary s = THolderSummary::compute(h, now);
    QCOMPARE(s.name, QStringLiteral("Cash"));
    QCOMPARE(s.percentHundredths, qint64(1250));
    QCOMPARE(s.monthDeposit, money("12.75"));
    QCOMPARE(s.monthDebit, money("5.0001"));
    QCOMPARE(s.todayDeposit, money("2.75"));
    QCOMPARE(s.todayDebit, money("1"));
}

void TestHolderSummary::missingHolderGivesEmptyRow()
{
    TestDb db;
    db.addHolder(QStringLiteral("Cash"), 2, money("25"));
    const THolderSummary s = THolderSummary::compute(999, at(2026, 3, 15));
    QCOMPARE(s.texts(), (QStringList{"", "0.00%", "$0.00", "$0.00", "$0.00", "$0.00"}));
}

void TestHolderSummary::texts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("texts");
    dataRow("en_US", "en_US", QStringList{"Cash", "12.50%", "$0.00", "$1,234.57", "$0.00", "$0.01"});
    dataRow("de_DE", "de_DE",
            QStringList{"Cash", "12,50%", QString::fromUtf8("0,00\u00a0€"), QString::fromUtf8("1.234,57\u00a0€"),
                        QString::fromUtf8("0,00\u00a0€"), QString::fromUtf8("0,01\u00a0€")});
}

void TestHolderSummary::texts()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, texts);
    pinLocale(locale.toLatin1().constData());
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2, money("25"));
    db.addHolder(QStringLiteral("Bank"), 0, money("175"));
    const QDateTime now = at(2026, 3, 15);
    db.addDetail(1, h, at(2026, 3, 2), money("1234.5678"));
    db.addDetail(1, h, at(2026, 3, 15, 1), money("0.0100"));
    db.addDetail(1, h, at(2026, 3, 2), money("-0.01")); // a negative debit counts as it is
    const THolderSummary s = THolderSummary::compute(h, now);
    QCOMPARE(s.texts(), texts);
}

QTEST_GUILESS_MAIN(TestHolderSummary)
#include "tst_holdersummary.moc"
