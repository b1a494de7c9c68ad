#include "DataRow.h"
#include "HistoryBooks.h"

#include "reports/TReportRunner.h"

#include <QSignalSpy>
#include <QTest>

// The reports' runner: figures computed on its worker thread, only the newest request answered.
class TestReportRunner : public QObject
{
    Q_OBJECT

private slots:
    void answersOnlyTheNewestRequest_data();
    void answersOnlyTheNewestRequest();
    void seesWhatWasCommittedBefore();
};

namespace {

using Report = TReportRequest::Report;

TReportRequest request(Report report, THolderFamily family, qint32 holder = 0)
{
    TReportRequest r;
    r.report = report;
    r.holders = TReportHolders::choice(family, holder);
    r.period = TReportPeriod::thisYear(HistoryBooks::now().date());
    r.flow = TWhereMoneyGoes::Flow::Income;
    return r;
}

// The money of an answer's report, figure by figure.
QList<qint64> money(const TReportAnswer& a)
{
    QList<qint64> figures;
    for (const TIncomeSpending::Month& m : a.months)
        figures << m.income.raw() << m.spending.raw() << m.transfersIn.raw() << m.transfersOut.raw();
    for (const TWhereMoneyGoes::Group& g : a.groups.groups)
        figures << g.amount.raw();
    for (const Currency& total : a.balances.totals)
        figures << total.raw();
    return figures;
}

// The same report computed here, on the test's thread.
QList<qint64> direct(const TReportRequest& r)
{
    TReportAnswer a;
    if (r.report == Report::IncomeSpending)
        a.months = TIncomeSpending::compute(r.holders, r.period);
    else if (r.report == Report::WhereMoneyGoes)
        a.groups = TWhereMoneyGoes::compute(r.holders, r.period, r.flow, r.by);
    else
        a.balances = TBalanceOverTime::compute(r.holders, r.period);
    return money(a);
}

} // namespace

void TestReportRunner::answersOnlyTheNewestRequest_data()
{
    QTest::addColumn<int>("requests"); // submitted one after another without waiting
    QTest::addColumn<int>("report");   // of the last
    dataRow("one", 1, int(Report::IncomeSpending));
    dataRow("three, the last by purpose", 3, int(Report::WhereMoneyGoes));
    dataRow("twenty, the last the balances", 20, int(Report::BalanceOverTime));
}

void TestReportRunner::answersOnlyTheNewestRequest()
{
    QFETCH(int, requests);
    QFETCH(int, report);
    HistoryBooks b;
    TReportRunner runner;
    QSignalSpy answers(&runner, &TReportRunner::finished);
    QSignalSpy failures(&runner, &TReportRunner::failed);
    const qint32 holders[] = {b.bank, b.card, b.cash, b.purse};
    for (int i = 0; i < requests - 1; ++i)
        runner.submit(request(Report(i % 3), THolderFamily::All, holders[i % 4]));
    const TReportRequest last = request(Report(report), THolderFamily::Accounts);
    runner.submit(last);
    QVERIFY(runner.isBusy());
    QTRY_VERIFY(!runner.isBusy());
    QCOMPARE(answers.size(), 1);
    QCOMPARE(failures.size(), 0);
    const auto answer = answers.first().first().value<TReportAnswer>();
    QCOMPARE(answer.request.report, Report(report));
    QCOMPARE(answer.request.holders, last.holders);
    const QList<qint64> expected = direct(last);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(money(answer), expected);
}

void TestReportRunner::seesWhatWasCommittedBefore()
{
    HistoryBooks b;
    TReportRunner runner;
    QSignalSpy answers(&runner, &TReportRunner::finished);
    const TReportRequest r = request(Report::IncomeSpending, THolderFamily::All);
    runner.submit(r);
    QTRY_VERIFY(!runner.isBusy());
    const QList<qint64> before = money(answers.takeFirst().first().value<TReportAnswer>());
    b.db.addDetail(0, b.bank, HistoryBooks::now(), money("12.34"), QStringLiteral("Bonus"));
    runner.submit(r);
    QTRY_VERIFY(!runner.isBusy());
    const QList<qint64> after = money(answers.takeFirst().first().value<TReportAnswer>());
    QCOMPARE(after, direct(r));
    QVERIFY(after != before);
}

QTEST_MAIN(TestReportRunner)
#include "tst_reportrunner.moc"
