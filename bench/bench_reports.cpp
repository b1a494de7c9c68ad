// Times the reports over years of data beside the sqlite3 shell running plain GROUP BY statements
// for the same figures on the same file. Built with the project, run by hand (in a Release build):
//
//   bench_reports [--db PATH]
//
// Without --db the database is made in a temporary folder and removed afterwards; an existing PATH
// is reused as it is (a file of an older version is upgraded on the first run, which fills the
// month totals, and the upgrade is timed). Ours is a report's whole answer, from the month totals:
// every row of the period, the groups with their shares, each holder's balance at each month's end.
// The shell's statements group the bookings themselves, as a report would without the month totals.

#include "BenchSupport.h"

#include "data/TDM.h"
#include "data/TSchema.h"
#include "reports/TBalanceOverTime.h"
#include "reports/TIncomeSpending.h"
#include "reports/TReportData.h"
#include "reports/TWhereMoneyGoes.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace Bench;

// The month of a stored date, as the shell groups by it.
const QString Month = QStringLiteral("substr(Date, 1, 7)");

// Income and Spending of the holders `ids` (a list for IN), from the bookings.
QString plainIncome(const QString& ids, const QString& days)
{
    return QStringLiteral("select %1, type, sum(Amount) from Detail where DestID in (%2)%3 group by 1, 2"
                          " union all select %1, 3, sum(Amount) from Transfer where DestID in (%2)"
                          " and SourceID not in (%2)%3 group by 1"
                          " union all select %1, 2, sum(Amount) from Transfer where SourceID in (%2)"
                          " and DestID not in (%2)%3 group by 1")
        .arg(Month, ids, days);
}

// Where the Money Goes: the debits grouped by their text, trimmed and in one case.
QString plainGroups(const char* column, const QString& ids, const QString& days)
{
    return QStringLiteral("select lower(trim(\"%1\")), sum(Amount), count(*) from Detail where type = 1"
                          " and DestID in (%2)%3 group by 1 order by 2 desc")
        .arg(QLatin1String(column), ids, days);
}

// Balance over Time: each holder's change by month, all of them from the first month on.
QString plainBalances(const QString& ids, const QString& days)
{
    return QStringLiteral("select DestID, %1, sum(case type when 0 then Amount else -Amount end) from Detail"
                          " where DestID in (%2)%3 group by 1, 2"
                          " union all select DestID, %1, sum(Amount) from Transfer where DestID in (%2)%3 group by 1, 2"
                          " union all select SourceID, %1, -sum(Amount) from Transfer where SourceID in (%2)%3"
                          " group by 1, 2")
        .arg(Month, ids, days);
}

QString idsOf(const TReportHolders& holders)
{
    QStringList ids;
    for (const TDataInfo& h : holders.load())
        ids << QString::number(h.ID);
    return ids.join(u',');
}

QString daysOf(const TReportPeriod& period)
{
    return QStringLiteral(" and Date >= '%1' and Date < '%2'")
        .arg(TDM::toDbDay(period.firstDay()), TDM::toDbDay(period.lastDay().addDays(1)));
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QTemporaryDir dir;
    const QString path = prepareDatabase(app.arguments(), dir.path());
    const int version = fileVersion(path);
    const qint64 sizeBefore = QFileInfo(path).size();
    TDM dm(path, false); // no daily backup of the benchmark file
    QElapsedTimer opening;
    opening.start();
    dm.DataModuleCreate();
    if (version < TSchema::Version) {
        std::printf("Opening with the upgrade from version %d to %d: %.1f s (%.0f MB before, %.0f MB after).\n\n",
                    version, TSchema::Version, opening.elapsed() / 1000.0, sizeBefore / 1e6,
                    QFileInfo(path).size() / 1e6);
    }

    // Today is the last day of the data, so All Years is every month of it.
    const QDate today = LastDay;
    const TReportHolders all = TReportHolders::choice(THolderFamily::All);
    const TReportPeriod allYears = TReportPeriod::allYears(today, TReportData::bookedMonths());
    using W = TWhereMoneyGoes;

    reportHeader();
    struct Case
    {
        const char* what;
        TReportHolders holders;
        TReportPeriod period;
        double targetMs;
    };
    // All years and all holders first; then what a change of holder or period asks for.
    const QList<Case> cases{
        {"all years, all holders", all, allYears, 300},
        {"change: the accounts", TReportHolders::choice(THolderFamily::Accounts), allYears, 150},
        {"change: one wallet", TReportHolders::choice(THolderFamily::All, Holders), allYears, 150},
        {"change: last 12 months", all, TReportPeriod::last12Months(today), 150},
        {"change: this year, one account", TReportHolders::choice(THolderFamily::All, 1),
         TReportPeriod::thisYear(today), 150},
    };
    for (const Case& c : cases) {
        const QString ids = idsOf(c.holders);
        const QString days = daysOf(c.period);
        int rows = 0;
        const Timing income = timeOurs([&] { rows = int(TIncomeSpending::compute(c.holders, c.period).size()); });
        report(qPrintable(QStringLiteral("Income and Spending, %1").arg(QLatin1String(c.what))), rows, income,
               timeShell(path, plainIncome(ids, days)), 1e9, c.targetMs);

        for (const auto& [by, column, name] :
             {std::tuple(W::GroupBy::Purpose, "For", "purpose"), std::tuple(W::GroupBy::Payee, "From", "payee")}) {
            const Timing groups =
                timeOurs([&] { rows = int(W::compute(c.holders, c.period, W::Flow::Spending, by).groups.size()); });
            report(
                qPrintable(
                    QStringLiteral("Where the Money Goes by %1, %2").arg(QLatin1String(name), QLatin1String(c.what))),
                rows, groups, timeShell(path, plainGroups(column, ids, days)), 1e9, c.targetMs);
        }

        const Timing balances =
            timeOurs([&] { rows = int(TBalanceOverTime::compute(c.holders, c.period).totals.size()); });
        report(qPrintable(QStringLiteral("Balance over Time, %1").arg(QLatin1String(c.what))), rows, balances,
               timeShell(path, plainBalances(
                                   ids, QStringLiteral(" and Date >= '%1'").arg(TDM::toDbDay(c.period.firstDay())))),
               1e9, c.targetMs);
    }
    return 0;
}
