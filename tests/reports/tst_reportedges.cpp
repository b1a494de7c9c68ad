#include "DataRow.h"
#include "TestDb.h"

#include "reports/TBalanceOverTime.h"
#include "reports/TIncomeSpending.h"
#include "reports/TReportData.h"
#include "reports/TWhereMoneyGoes.h"

#include <QTest>

namespace {

int month(int year, int m)
{
    return TReportPeriod::monthOf(QDate(year, m, 1));
}

QStringList incomeRows(const TReportHolders& holders, const TReportPeriod& period)
{
    QStringList rows;
    for (const TIncomeSpending::Month& m : TIncomeSpending::compute(holders, period))
        rows << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(TReportPeriod::firstDayOf(m.month).toString(QStringLiteral("yyyy-MM")), m.income.toFixed2(),
                         m.spending.toFixed2(), m.transfersIn.toFixed2(), m.transfersOut.toFixed2());
    return rows;
}

QStringList balanceRows(const TReportHolders& holders, const TReportPeriod& period)
{
    QStringList rows;
    const TBalanceOverTime::Result r = TBalanceOverTime::compute(holders, period);
    for (const TBalanceOverTime::Line& line : r.lines) {
        QStringList texts{line.name};
        for (Currency c : line.balances)
            texts << c.toFixed2();
        rows << texts.join(u' ');
    }
    return rows;
}

// Income and Spending's rows of January to March 2024 without bookings.
const QStringList QuarterOfZeros{"2024-01 0.00 0.00 0.00 0.00", "2024-02 0.00 0.00 0.00 0.00",
                                 "2024-03 0.00 0.00 0.00 0.00"};

} // namespace

class TestReportEdges : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void periodsOfTheWindow_data();
    void periodsOfTheWindow();
    void bookingFallsInTheMonthOfItsDay_data();
    void bookingFallsInTheMonthOfItsDay();
    void transferCountsOnlyAcrossTheEdge_data();
    void transferCountsOnlyAcrossTheEdge();
    void largestFifteenThenOther_data();
    void largestFifteenThenOther();
};

void TestReportEdges::periodsOfTheWindow_data()
{
    QTest::addColumn<int>("kind"); // 0 This Year, 1 Last 12 Months, 2 All Years, 3 From/To
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("booked"); // the first and last bookings' days; for From/To the days chosen
    QTest::addColumn<QString>("days");   // the period's first and last day
    dataRow("this year", 0, QDate(2025, 6, 15), "", "2025-01-01 2025-06-30");
    dataRow("last 12 months over the new year", 1, QDate(2025, 1, 31), "", "2024-02-01 2025-01-31");
    dataRow("all years from January", 2, QDate(2025, 6, 15), "2019-03-04 2025-02-01", "2019-01-01 2025-06-30");
    dataRow("all years to a later booking", 2, QDate(2025, 6, 15), "2024-03-04 2026-02-01", "2024-01-01 2026-02-28");
    dataRow("all years without bookings", 2, QDate(2024, 2, 10), "", "2024-01-01 2024-02-29");
    dataRow("from after to", 3, QDate(2025, 6, 15), "2024-12-31 2024-10-15", "2024-10-01 2024-12-31");
}

void TestReportEdges::periodsOfTheWindow()
{
    QFETCH(int, kind);
    QFETCH(QDate, today);
    QFETCH(QString, booked);
    QFETCH(QString, days);
    const QDate from = QDate::fromString(booked.section(u' ', 0, 0), Qt::ISODate);
    const QDate to = QDate::fromString(booked.section(u' ', 1, 1), Qt::ISODate);
    std::optional<std::pair<int, int>> months;
    if (from.isValid())
        months = std::pair(TReportPeriod::monthOf(from), TReportPeriod::monthOf(to));
    const TReportPeriod periods[] = {TReportPeriod::thisYear(today), TReportPeriod::last12Months(today),
                                     TReportPeriod::allYears(today, months), TReportPeriod::months(from, to)};
    const TReportPeriod& p = periods[kind];
    QCOMPARE(TDM::toDbDay(p.firstDay()) + u' ' + TDM::toDbDay(p.lastDay()), days);
    QCOMPARE(TReportPeriod::fromFileMonth(TReportPeriod::toFileMonth(p.lastMonth())), p.lastMonth());
}

void TestReportEdges::bookingFallsInTheMonthOfItsDay_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QStringList>("income");   // January to March 2024
    QTest::addColumn<QStringList>("balances"); // at the end of each
    const QStringList none = QuarterOfZeros;
    auto in = [&none](int row) {
        QStringList rows = none;
        rows[row].replace(8, 4, QStringLiteral("5.00"));
        return rows;
    };
    dataRow("the 31st at the last second", QDateTime(QDate(2024, 1, 31), QTime(23, 59, 59)), in(0),
            QStringList{"Bank 15.00 15.00 15.00"});
    dataRow("the 1st at midnight", QDateTime(QDate(2024, 2, 1), QTime(0, 0)), in(1),
            QStringList{"Bank 10.00 15.00 15.00"});
    dataRow("the 29th of February", QDateTime(QDate(2024, 2, 29), QTime(12, 0)), in(1),
            QStringList{"Bank 10.00 15.00 15.00"});
    dataRow("the 31st of March", QDateTime(QDate(2024, 3, 31), QTime(23, 59, 59)), in(2),
            QStringList{"Bank 10.00 10.00 15.00"});
    dataRow("a period before the first booking, on the 1st after it", QDateTime(QDate(2024, 4, 1), QTime(0, 0)), none,
            QStringList{"Bank 10.00 10.00 10.00"});
    dataRow("the 31st before the period", QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)), none,
            QStringList{"Bank 15.00 15.00 15.00"});
}

void TestReportEdges::bookingFallsInTheMonthOfItsDay()
{
    QFETCH(QDateTime, when);
    QFETCH(QStringList, income);
    QFETCH(QStringList, balances);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("15"));
    const qint32 quiet = db.addHolder(QStringLiteral("Quiet"), 2, money("12.34"));
    db.addDetail(0, bank, when, money("5"), QStringLiteral("Employer"), QStringLiteral("Salary"));
    const TReportPeriod period(month(2024, 1), month(2024, 3));
    QCOMPARE(incomeRows(TReportHolders::choice(THolderFamily::All), period), income);
    QCOMPARE(balanceRows(TReportHolders::choice(THolderFamily::All), period),
             balances + QStringList{"Quiet 12.34 12.34 12.34"});
    // A holder without bookings: months of zeros, its balance all along, no groups.
    const TReportHolders alone = TReportHolders::of({quiet});
    QCOMPARE(incomeRows(alone, period), QuarterOfZeros);
    QCOMPARE(balanceRows(alone, period), QStringList{"Quiet 12.34 12.34 12.34"});
    const auto groups =
        TWhereMoneyGoes::compute(alone, period, TWhereMoneyGoes::Flow::Income, TWhereMoneyGoes::GroupBy::Payee);
    QVERIFY(groups.groups.isEmpty() && groups.total.isZero() && groups.count == 0);
}

void TestReportEdges::transferCountsOnlyAcrossTheEdge_data()
{
    QTest::addColumn<int>("source"); // 1 Bank, 2 Card, 3 Cash
    QTest::addColumn<int>("dest");
    QTest::addColumn<int>("family"); // THolderFamily
    QTest::addColumn<int>("holder"); // 0: the family
    QTest::addColumn<QString>("inOut");
    const int all = int(THolderFamily::All), accounts = int(THolderFamily::Accounts),
              wallets = int(THolderFamily::Wallets);
    dataRow("between two accounts, the accounts", 1, 2, accounts, 0, "0.00 0.00");
    dataRow("between two accounts, the source", 1, 2, all, 1, "0.00 7.00");
    dataRow("between two accounts, the destination", 1, 2, all, 2, "7.00 0.00");
    dataRow("account to wallet, the accounts", 1, 3, accounts, 0, "0.00 7.00");
    dataRow("account to wallet, the wallets", 1, 3, wallets, 0, "7.00 0.00");
    dataRow("account to wallet, all", 1, 3, all, 0, "0.00 0.00");
    dataRow("to itself", 1, 1, all, 1, "0.00 0.00");
}

void TestReportEdges::transferCountsOnlyAcrossTheEdge()
{
    QFETCH(int, source);
    QFETCH(int, dest);
    QFETCH(int, family);
    QFETCH(int, holder);
    QFETCH(QString, inOut);
    TestDb db;
    db.addHolder(QStringLiteral("Bank"), 0);
    db.addHolder(QStringLiteral("Card"), 1);
    db.addHolder(QStringLiteral("Cash"), 2);
    db.addTransfer(source, dest, QDateTime(QDate(2024, 5, 31), QTime(18, 0)), money("7"));
    const TReportHolders holders = TReportHolders::choice(THolderFamily(family), holder);
    const TReportPeriod period(month(2024, 5), month(2024, 5));
    const TIncomeSpending::Month m = TIncomeSpending::compute(holders, period).value(0);
    QCOMPARE(m.transfersIn.toFixed2() + u' ' + m.transfersOut.toFixed2(), inOut);
    QCOMPARE(m.net(), m.transfersIn - m.transfersOut);
}

void TestReportEdges::largestFifteenThenOther_data()
{
    QTest::addColumn<QStringList>("purposes");
    QTest::addColumn<QList<int>>("units");
    QTest::addColumn<QStringList>("groups"); // "name amount count share"
    QStringList fifteen;
    QList<int> byOne;
    for (int i = 1; i <= 17; ++i) {
        fifteen << QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0'));
        byOne << i;
    }
    QStringList largest;
    for (int i = 17; i >= 3; --i)
        largest << QStringLiteral("P%1 %2.00 1 %3").arg(i, 2, 10, QLatin1Char('0')).arg(i).arg((i * 20000 + 153) / 306);
    dataRow("seventeen: the rest is Other", fifteen, byOne, largest + QStringList{"Other 3.00 2 196"});
    dataRow("ties by name", QStringList{"beta", "Alpha", "gamma", "Alpha"}, QList<int>{2, 1, 2, 1},
            QStringList{"Alpha 2.00 2 3333", "beta 2.00 1 3333", "gamma 2.00 1 3333"});
    dataRow("blanks and case are one group, named as most written",
            QStringList{"Food", " food ", "FOOD", "", "  ", "Food"}, QList<int>{1, 1, 1, 3, 3, 1},
            QStringList{"(no purpose) 6.00 2 6000", "Food 4.00 4 4000"});
}

void TestReportEdges::largestFifteenThenOther()
{
    QFETCH(QStringList, purposes);
    QFETCH(QList<int>, units);
    QFETCH(QStringList, groups);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0);
    for (qsizetype i = 0; i < purposes.size(); ++i) {
        db.dm().execute(
            QStringLiteral("insert into Detail (type, DestID, Date, Amount, \"For\") values (1, ?, ?, ?, ?)"),
            {bank, QStringLiteral("2024-07-0%1 10:00:00").arg(i % 9 + 1),
             QVariant::fromValue<qlonglong>(Currency::fromUnits(units[i]).raw()), purposes[i]});
    }
    const TWhereMoneyGoes::Result r = TWhereMoneyGoes::compute(
        TReportHolders::choice(THolderFamily::All), TReportPeriod(month(2024, 7), month(2024, 7)),
        TWhereMoneyGoes::Flow::Spending, TWhereMoneyGoes::GroupBy::Purpose);
    QStringList actual;
    for (const TWhereMoneyGoes::Group& g : r.groups)
        actual << QStringLiteral("%1 %2 %3 %4").arg(g.name, g.amount.toFixed2()).arg(g.count).arg(g.shareHundredths);
    QCOMPARE(actual, groups);
}

QTEST_MAIN(TestReportEdges)
#include "tst_reportedges.moc"
