// Times the booking lists and exports on a large database beside the sqlite3 shell running the
// same statements on the same file. Built with the project, run by hand (in a Release build):
//
//   bench_lists [--db PATH]
//
// Without --db the database is made in a temporary folder and removed afterwards; an existing
// PATH that already holds the bookings is reused as it is.

#include "BenchSupport.h"

#include "app/TBookingList.h"
#include "data/TDM.h"
#include "data/TLedgerQuery.h"
#include "history/TExportCommand.h"
#include "history/TExportWriter.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TMessageService.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using namespace Bench;

// The statement our list runs (the planned one), with its bound values written in as literals, for
// the shell.
QString literal(const TLedgerQuery& q)
{
    const TLedgerQuery::Planned planned = q.plan(TDM::current().handle());
    return Bench::literal(planned.sql, planned.values);
}

// BuildList, up to the rows on view: the list arrives from the search runner's thread.
void buildList(TBookingList& list, qint32 holder)
{
    QEventLoop loop;
    QObject::connect(&list, &TBookingList::listBuilt, &loop, &QEventLoop::quit);
    list.BuildList(holder);
    if (list.isBuilding())
        loop.exec();
}

qint64 statusKb(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QTemporaryDir dir;
    const QStringList args = app.arguments();
    const QString path = prepareDatabase(args, dir.path());

    TDM dm(path, false);
    dm.DataModuleCreate();

    // The main window's booking list, on panels of its own.
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* pnlTop = new QWidget(&window);
    pnlTop->setLayout(new QHBoxLayout);
    auto* pnl2 = new QWidget(&window);
    auto* pnl2Layout = new QVBoxLayout(pnl2);
    auto* pnl3 = new QWidget(pnl2);
    pnl2Layout->addWidget(pnl3);
    column->addWidget(pnlTop);
    column->addWidget(pnl2);
    const qint32 holder = 7;
    TBookingList list(
        pnlTop, pnl2, pnl3, [] { return holder; }, &window);
    list.PrepareStartState();
    auto* dtpRange1 = window.findChild<QDateTimeEdit*>(QStringLiteral("dtpRange1"));
    auto* dtpRange2 = window.findChild<QDateTimeEdit*>(QStringLiteral("dtpRange2"));
    auto* grid = window.findChild<TDBGridView*>(QStringLiteral("dbgrdh1"));
    auto setRange = [&](const QDate& first, const QDate& last) {
        const QSignalBlocker b1(dtpRange1);
        const QSignalBlocker b2(dtpRange2);
        dtpRange1->setDateTime(QDateTime(first, QTime(0, 0)));
        dtpRange2->setDateTime(QDateTime(last, QTime(12, 0)));
    };

    // Peak memory of the 100,000-row list (all holders over one year), measured first, before any
    // other list has been held.
    TLedgerQuery year;
    year.addDayRange(QDate(2018, 1, 1), QDate(2018, 12, 31));
    malloc_trim(0);
    const qint64 before = statusKb("VmRSS:");
    resetPeak();
    grid->setRows(year.open());
    const qint64 peak = statusKb("VmHWM:");
    const qint64 held = statusKb("VmRSS:");
    const int yearRows = grid->model()->rowCount();

    reportHeader();

    // Lists of one holder: BuildList, with the grid's model fill and footer sum.
    struct Range
    {
        const char* name;
        QDate first;
        QDate last;
    };
    for (const Range& r : {Range{"BuildList: one holder, one month", QDate(2018, 6, 1), QDate(2018, 6, 30)},
                           Range{"BuildList: one holder, all years", FirstDay, LastDay}}) {
        setRange(r.first, r.last);
        const Timing ours = timeOurs([&] { buildList(list, holder); });
        TLedgerQuery q;
        q.addHolder(holder);
        q.addDayRange(r.first, r.last);
        report(r.name, grid->model()->rowCount(), ours, timeShell(path, literal(q)), 2.0,
               r.last == QDate(2018, 6, 30) ? 50 : 400);
    }

    // The text search of all holders, as the history window runs it, into a grid model.
    TGridModel searchModel;
    searchModel.setLayout(grid->gridModel()->options(), grid->gridModel()->columns());
    for (const Range& r : {Range{"Text search: all holders, one month", QDate(2018, 6, 1), QDate(2018, 6, 30)},
                           Range{"Text search: all holders, all years", FirstDay, LastDay}}) {
        TLedgerQuery q;
        q.addDayRange(r.first, r.last);
        q.addText(QStringLiteral("market"));
        const Timing ours = timeOurs([&] { searchModel.setRows(q.open()); });
        report(r.name, searchModel.rowCount(), ours, timeShell(path, literal(q)), 2.0);
    }

    // The 100,000-row list: all holders over one year.
    const Timing list100k = timeOurs([&] { grid->setRows(year.open()); });
    const double listMs = list100k.wall;
    report("List: all holders, one year", yearRows, list100k, timeShell(path, literal(year)), 2.0);

    // Sorting it by Amount (ascending, from the statement's order), beside the engine ordering
    // the same statement by Amount.
    QList<double> sorts;
    for (int i = 0; i < Repeats; ++i) {
        grid->setRows(year.open());
        QElapsedTimer t;
        t.start();
        grid->SortByColumn(4);
        sorts << t.nsecsElapsed() / 1e6;
    }
    QString byAmount = literal(year);
    byAmount.replace(QStringLiteral("order by A.date"), QStringLiteral("order by A.Amount"));
    report("Sort by Amount (fetched rows)", yearRows, Timing{median(sorts), 0}, timeShell(path, byAmount), 2.0);

    // Exports of the same list through the export command, beside the shell writing the same rows
    // as tab-separated text with titles. An Excel file holds at most 65,535 rows: the command
    // refuses the year's list (that refusal is timed), and the Excel export is timed on the longest
    // list of the same year that fits, beside the shell writing that list.
    TFileDialogService::setTestMode(true);
    TMessageService::setTestMode(true);
    const QString tsvPath = dir.filePath(QStringLiteral("shell.txt"));
    const QString tabs = QStringLiteral(".headers on\n.mode tabs\n.once ") + tsvPath;
    auto exportOnce = [&](int type, qint64& bytes) {
        const QString out = dir.filePath(QStringLiteral("export"));
        TFileDialogService::setNextChoice(TFileDialogService::Choice{out, type});
        TMessageService::setNextAnswer(QMessageBox::No);
        TExportCommand::run(&window, grid);
        bytes = QFileInfo(TExportCommand::withExtension(out, TExportWriter::forType(type)->extension())).size();
        const auto shown = TMessageService::takeShown();
        return shown.isEmpty() ? QString() : shown.last().title + u':' + shown.last().text;
    };
    auto reportExport = [&](const char* what, int rows, double ours, double shell, qint64 bytes) {
        std::printf("%-62s %9d rows %10.2f %10.2f %6.2fx  %s  (%.1f MB; sqlite3 %.1f MB)\n", what, rows, ours, shell,
                    ours / shell, ours <= 2 * shell ? "ok" : "OVER TARGET", bytes / 1e6,
                    QFileInfo(tsvPath).size() / 1e6);
    };

    grid->setRows(year.open());
    const double shellYear = timeShell(path, literal(year), tabs).wall;
    const char* const names[] = {"", "Export: text", "Export: HTML"};
    for (int type : {2, 3}) {
        qint64 bytes = 0;
        QString answer;
        const double ours = timeOurs([&] { answer = exportOnce(type, bytes); }).wall;
        if (!answer.startsWith(QStringLiteral("Confirm:")))
            qFatal("the export failed: %s", qPrintable(answer));
        reportExport(names[type - 1], yearRows, ours, shellYear, bytes);
        std::printf("%-62s %9d rows %10.2f %10.2f %6.2fx\n", "   the same with the list's fetch", yearRows,
                    listMs + ours, shellYear, (listMs + ours) / shellYear);
    }
    {
        qint64 bytes = 0;
        QString answer;
        const double ours = timeOurs([&] { answer = exportOnce(1, bytes); }).wall;
        if (!answer.startsWith(QStringLiteral("Error:")) || bytes != 0)
            qFatal("the Excel export of %d rows was not refused: %s", yearRows, qPrintable(answer));
        std::printf("%-62s %9d rows %10.2f %10s          refused, nothing written\n",
                    "Export: Excel (past its 65,535 rows)", yearRows, ours, "");
    }
    QDate lastFit(2018, 8, 31);
    TLedgerQuery fits;
    for (;; lastFit = lastFit.addDays(-1)) {
        fits = TLedgerQuery();
        fits.addDayRange(QDate(2018, 1, 1), lastFit);
        grid->setRows(fits.open());
        if (grid->model()->rowCount() + 2 <= 65535)
            break;
    }
    {
        qint64 bytes = 0;
        QString answer;
        const double ours = timeOurs([&] { answer = exportOnce(1, bytes); }).wall;
        if (!answer.startsWith(QStringLiteral("Confirm:")))
            qFatal("the export failed: %s", qPrintable(answer));
        reportExport("Export: Excel (longest list it holds)", grid->model()->rowCount(), ours,
                     timeShell(path, literal(fits), tabs).wall, bytes);
    }

    std::printf("\nMemory for the %d-row list: %.1f MB resident before, %.1f MB at the peak (+%.1f MB), %.1f MB "
                "while it is held (+%.1f MB).\n",
                yearRows, before / 1024.0, peak / 1024.0, (peak - before) / 1024.0, held / 1024.0,
                (held - before) / 1024.0);
    return 0;
}
