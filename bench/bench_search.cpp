// Times the searches over years of data beside the sqlite3 shell running the same statements on
// the same file. Built with the project, run by hand (in a Release build):
//
//   bench_search [--db PATH] [--plain]
//
// Without --db the database is made in a temporary folder and removed afterwards; an existing PATH
// is reused as it is (a file of version 1, as the benchmarks fill it, is upgraded on the first run
// and the upgrade is timed). Ours is the search runner's whole answer: the planned statement on its
// own connection, the rows fetched and handed over, the grid model filled and its footer summed.
// The shell runs the planned statement with the runner's connection settings. --plain adds one
// run of the shell on the plain statement of the widest search, as it was read before the plan.

#include "BenchSupport.h"

#include "data/TDM.h"
#include "data/TLedgerQuery.h"
#include "data/TLedgerSearch.h"
#include "data/TSchema.h"
#include "toolkit/TGridModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace Bench;

// The runner's connection settings, for the shell.
const QString ShellSettings = QStringLiteral("PRAGMA mmap_size = 2147418112;\n"
                                             "PRAGMA cache_size = -65536;\n"
                                             "PRAGMA temp_store = MEMORY;");

Timing timeShellLikeOurs(const QString& path, const TLedgerQuery::Planned& planned)
{
    return timeShell(path, literal(planned.sql, planned.values), QStringLiteral(".output /dev/null"), ShellSettings);
}

// "This Month" as the history window sends it, on the 15th of the data's last month.
const QDate MonthStart(2025, 12, 1);
const QDate Today(2025, 12, 15);

const char* planName(TLedgerQuery::Plan plan)
{
    switch (plan) {
    case TLedgerQuery::Plan::Indexes:
        return "indexes";
    case TLedgerQuery::Plan::Scan:
        return "scan";
    case TLedgerQuery::Plan::TextIndex:
        return "text index";
    }
    return "";
}

// The history window's grid: its columns, the "SUM" text and the sum of the amounts in the footer.
void setHistoryLayout(TGridModel& model)
{
    auto column = [](const char* field, TGridColumn::Footer footer = TGridColumn::Footer::None) {
        TGridColumn c;
        c.field = QString::fromLatin1(field);
        c.width = 100;
        c.footer = footer;
        return c;
    };
    TGridColumn date = column("Date1", TGridColumn::Footer::Text);
    date.footerText = QStringLiteral("SUM");
    model.setLayout(TGridOptions(), {date, column("TypeName"), column("name"), column("From"),
                                     column("Amount", TGridColumn::Footer::Sum), column("For"), column("Memo")});
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QTemporaryDir dir;
    const QStringList args = app.arguments();
    const QString path = prepareDatabase(args, dir.path());

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

    TLedgerSearch search;
    TGridModel model;
    setHistoryLayout(model);
    // Submits and waits for the answer on view.
    auto answer = [&](const TLedgerQuery& q) {
        QEventLoop loop;
        const auto done = QObject::connect(&search, &TLedgerSearch::finished, &loop, [&](const TRowSet& rows) {
            model.setRows(rows);
            loop.quit();
        });
        const auto failed = QObject::connect(&search, &TLedgerSearch::failed, &loop, [](const QString& text) {
            qFatal("the search failed: %s", qPrintable(text));
        });
        search.submit(q);
        loop.exec();
        QObject::disconnect(done);
        QObject::disconnect(failed);
    };
    auto measure = [&](const QString& what, const TLedgerQuery& q, double targetMs) {
        const Timing ours = timeOurs([&] { answer(q); });
        const TLedgerQuery::Planned planned = q.plan(dm.handle());
        const QString name = QStringLiteral("%1 [%2]").arg(what, QLatin1String(planName(planned.plan)));
        report(qPrintable(name), model.rowCount(), ours, timeShellLikeOurs(path, planned), 1e9, targetMs);
    };

    reportHeader();

    // The simple search, one keystroke at a time, "This Month", all holders: query, model, footer.
    for (const char* typed : {"", "m", "ma", "mar", "mark", "marke", "market", "MÜLLER"}) {
        TLedgerQuery q;
        q.addDayRange(MonthStart, Today);
        q.addText(QString::fromUtf8(typed));
        measure(QStringLiteral("Keystroke \"%1\": This Month, all holders").arg(QString::fromUtf8(typed)), q, 30);
    }

    // The advanced search: all years, all holders, a From or Memo text.
    struct Advanced
    {
        const char* what;
        const char* from;
        const char* memo;
        double targetMs;
    };
    // (The two-letter search has no target: it finds a quarter of all bookings.)
    for (const Advanced& a :
         {Advanced{"Memo \"müller\" (about 1,000 bookings)", "", "müller", 100},
          Advanced{"Memo \"O'Neil\"", "", "O'Neil", 700}, Advanced{"From \"market\"", "market", "", 700},
          Advanced{"From \"market 3\" and Memo \"50%off\"", "market 3", "50%off", 700},
          Advanced{"From \"ar\" (too short for the text index)", "ar", "", 0}}) {
        TLedgerQuery q;
        q.addDayRange(FirstDay, LastDay);
        q.addFromText(QString::fromUtf8(a.from));
        q.addMemoText(QString::fromUtf8(a.memo));
        measure(QStringLiteral("All years: %1").arg(QString::fromUtf8(a.what)), q, a.targetMs);
    }
    // The search text in From, For or Memo over all years, the statement of the same shape.
    TLedgerQuery widest;
    widest.addDayRange(FirstDay, LastDay);
    widest.addText(QStringLiteral("market"));
    measure(QStringLiteral("All years: \"market\" in From, For or Memo"), widest, 700);

    // Typing "market" into the search box of a window listing all years: six requests in a row,
    // each superseding the one before; only the last is answered.
    {
        int answers = 0;
        const auto counted = QObject::connect(&search, &TLedgerSearch::finished, [&answers] { ++answers; });
        const Timing ours = timeOurs([&] {
            QEventLoop loop;
            const auto done = QObject::connect(&search, &TLedgerSearch::finished, &loop, [&](const TRowSet& rows) {
                model.setRows(rows);
                loop.quit();
            });
            for (int n = 1; n <= 6; ++n) {
                TLedgerQuery q;
                q.addDayRange(FirstDay, LastDay);
                q.addText(QStringLiteral("market").left(n));
                search.submit(q);
                QCoreApplication::processEvents();
            }
            loop.exec();
            QObject::disconnect(done);
        });
        QObject::disconnect(counted);
        report("Typing \"market\", all years: six requests, the last answered", model.rowCount(), ours,
               timeShellLikeOurs(path, widest.plan(dm.handle())), 1e9, 700);
        std::printf("   answers delivered: %d for %d bursts of six requests\n", answers, Repeats + 1);
    }

    if (args.contains(QStringLiteral("--plain"))) {
        const Timing shell = timeShell(path, literal(widest.statement(), widest.values()));
        std::printf("%-62s %14s %10s %10.2f %7s %10s %10.2f  (the plain statement, before the plan)\n",
                    "All years: \"market\" in From, For or Memo, plain", "", "", shell.wall, "", "", shell.cpu);
    }
    return 0;
}
