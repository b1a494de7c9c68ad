// Times the booking lists and exports on a large database beside the sqlite3 shell running the
// same statements on the same file. Built with the project, run by hand (in a Release build):
//
//   bench_lists [--db PATH]
//
// Without --db the database is made in a temporary folder and removed afterwards; an existing
// PATH that already holds the bookings is reused as it is.

#include "app/TBookingList.h"
#include "data/TDM.h"
#include "data/TLedgerQuery.h"
#include "data/TSchema.h"
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
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int Holders = 20;
constexpr int Details = 1000000;
constexpr int Transfers = 250000;
const QDate FirstDay(2011, 1, 1);
const QDate LastDay(2025, 12, 31);
constexpr int Repeats = 5;

// ---- Filling ------------------------------------------------------------------------------------

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

void fill(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("create"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot create %s", qPrintable(path));
        TSchema::create(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("create"));

    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr), db);
    for (int h = 1; h <= Holders; ++h) {
        const int type = h <= 8 ? 0 : h <= 12 ? 1 : 2;
        const QByteArray sql = QStringLiteral("insert into Account (name, type, Balance) values ('%1 %2', %3, %4)")
                                   .arg(type == 2 ? QStringLiteral("Wallet") : QStringLiteral("Account"))
                                   .arg(h)
                                   .arg(type)
                                   .arg(qint64(h) * 1000000)
                                   .toUtf8();
        check(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), db);
    }

    std::mt19937_64 random(20260315);
    auto uniform = [&random](qint64 lo, qint64 hi) {
        return std::uniform_int_distribution<qint64>(lo, hi)(random);
    };
    const char* const payees[] = {"Market", "Bakery", "Grocer", "Salary",   "Rent",       "Fuel",  "Pharmacy",
                                  "Cinema", "Books",  "Garden", "Hardware", "Insurance",  "Phone", "Power",
                                  "Water",  "Taxi",   "Train",  "Cafe",     "Restaurant", "Gift"};
    const char* const purposes[] = {"food", "travel", "home", "fun", "health", "work", "kids", "clothes", "car"};
    const char* const words[] = {"weekly", "monthly",    "shared",       "card",   "cash",    "refund",
                                 "gift",   "market day", "receipt kept", "O'Neil", "50% off", "see bank"};
    const qint64 firstJd = FirstDay.toJulianDay();
    const qint64 days = LastDay.toJulianDay() - firstJd + 1;
    auto randomDate = [&] {
        const QDate d = QDate::fromJulianDay(firstJd + uniform(0, days - 1));
        const int s = int(uniform(0, 86399));
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(), s / 3600,
                      s / 60 % 60, s % 60);
        return QByteArray(text);
    };
    auto bindText = [&](sqlite3_stmt* st, int index, const QByteArray& text) {
        if (text.isNull())
            sqlite3_bind_null(st, index);
        else
            sqlite3_bind_text(st, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    };
    auto texts = [&](QByteArray& from, QByteArray& forText, QByteArray& memo) {
        from = QByteArray(payees[uniform(0, std::size(payees) - 1)]) + ' ' + QByteArray::number(uniform(1, 5));
        forText = uniform(0, 9) < 8 ? QByteArray(purposes[uniform(0, std::size(purposes) - 1)]) : QByteArray();
        memo = QByteArray();
        if (uniform(0, 9) < 3) {
            memo = words[uniform(0, std::size(words) - 1)];
            memo += ' ';
            memo += words[uniform(0, std::size(words) - 1)];
        }
    };

    sqlite3_stmt* detail = nullptr;
    check(sqlite3_prepare_v2(db,
                             "insert into Detail (type, DestID, Date, [From], Amount, [For], Memo)"
                             " values (?, ?, ?, ?, ?, ?, ?)",
                             -1, &detail, nullptr),
          db);
    QByteArray from, forText, memo;
    for (int i = 0; i < Details; ++i) {
        texts(from, forText, memo);
        sqlite3_bind_int(detail, 1, int(uniform(0, 1)));
        sqlite3_bind_int(detail, 2, int(uniform(1, Holders)));
        bindText(detail, 3, randomDate());
        bindText(detail, 4, from);
        sqlite3_bind_int64(detail, 5, uniform(1, 500000) * 100);
        bindText(detail, 6, forText);
        bindText(detail, 7, memo);
        check(sqlite3_step(detail), db);
        sqlite3_reset(detail);
    }
    sqlite3_finalize(detail);

    sqlite3_stmt* transfer = nullptr;
    check(sqlite3_prepare_v2(db,
                             "insert into Transfer (SourceID, DestID, Date, [From], Amount, [For], Memo)"
                             " values (?, ?, ?, ?, ?, ?, ?)",
                             -1, &transfer, nullptr),
          db);
    for (int i = 0; i < Transfers; ++i) {
        texts(from, forText, memo);
        const int source = int(uniform(1, Holders));
        int dest = int(uniform(1, Holders - 1));
        if (dest >= source)
            ++dest;
        sqlite3_bind_int(transfer, 1, source);
        sqlite3_bind_int(transfer, 2, dest);
        bindText(transfer, 3, randomDate());
        bindText(transfer, 4, from);
        sqlite3_bind_int64(transfer, 5, uniform(1, 500000) * 100);
        bindText(transfer, 6, forText);
        bindText(transfer, 7, memo);
        check(sqlite3_step(transfer), db);
        sqlite3_reset(transfer);
    }
    sqlite3_finalize(transfer);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

// ---- Measuring ----------------------------------------------------------------------------------

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Milliseconds of `work`, the median of several runs after one warm-up run.
double timeOurs(const std::function<void()>& work)
{
    work();
    QList<double> runs;
    for (int i = 0; i < Repeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        runs << t.nsecsElapsed() / 1e6;
    }
    return median(runs);
}

// The statement with its bound values written in as literals, for the shell.
QString literal(const TLedgerQuery& q)
{
    const QString sql = q.statement();
    QString out;
    int value = 0;
    bool quoted = false;
    for (QChar c : sql) {
        if (c == u'\'')
            quoted = !quoted;
        if (c == u'?' && !quoted) {
            const QVariant v = q.values().at(value++);
            if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
                out += QString::number(v.toLongLong());
            else
                out += u'\'' + v.toString().replace(u'\'', QStringLiteral("''")) + u'\'';
            continue;
        }
        out += c;
    }
    return out;
}

// Milliseconds the sqlite3 shell takes for `statement` (its own ".timer", the median of several
// runs after one warm-up run). `setup` are dot-commands run before each statement.
double timeShell(const QString& dbPath, const QString& statement,
                 const QString& setup = QStringLiteral(".output /dev/null"))
{
    QString script = QStringLiteral(".timer on\n");
    for (int i = 0; i <= Repeats; ++i)
        script += setup + u'\n' + QString(statement).replace(u'\n', u' ') + QStringLiteral(";\n");
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), dbPath});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    if (!shell.waitForFinished(600000))
        qFatal("sqlite3 did not finish");
    static const QRegularExpression runTime(QStringLiteral("Run Time: real ([0-9.]+) user ([0-9.]+) sys ([0-9.]+)"));
    QList<double> runs;
    auto it = runTime.globalMatch(QString::fromUtf8(shell.readAllStandardOutput()));
    bool first = true;
    while (it.hasNext()) {
        const auto m = it.next();
        if (std::exchange(first, false))
            continue;
        // ".timer" prints milliseconds only; below 5 ms the processor time is the finer measure.
        const double real = m.captured(1).toDouble() * 1000;
        const double cpu = (m.captured(2).toDouble() + m.captured(3).toDouble()) * 1000;
        runs << (real < 5 ? cpu : real);
    }
    if (runs.isEmpty())
        qFatal("no timing from sqlite3: %s", shell.readAllStandardError().constData());
    return median(runs);
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

void report(const char* what, int rows, double ours, double shell, double limitFactor, double absoluteMs = 0)
{
    const bool ok = ours <= shell * limitFactor && (absoluteMs <= 0 || ours < absoluteMs);
    std::printf("%-52s %9d rows %10.2f ms %10.2f ms %6.2fx  %s\n", what, rows, ours, shell, ours / shell,
                ok ? "ok" : "OVER TARGET");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Data.mdb"));
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--db")); at >= 0 && at + 1 < args.size())
        path = args.at(at + 1);
    if (!QFile::exists(path)) {
        std::printf("Filling %s: %d holders, %d deposits and debits, %d transfers over %d to %d...\n", qPrintable(path),
                    Holders, Details, Transfers, FirstDay.year(), LastDay.year());
        std::fflush(stdout);
        QElapsedTimer t;
        t.start();
        fill(path);
        std::printf("Filled in %.1f s (%.0f MB).\n\n", t.elapsed() / 1000.0, QFileInfo(path).size() / 1e6);
    }

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

    std::printf("%-52s %14s %13s %13s %7s\n", "", "", "ours", "sqlite3", "ratio");

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
        const double ours = timeOurs([&] { list.BuildList(holder); });
        TLedgerQuery q;
        q.addHolder(holder);
        q.addDayRange(r.first, r.last);
        report(r.name, grid->model()->rowCount(), ours, timeShell(path, literal(q)), 2.0,
               r.last == QDate(2018, 6, 30) ? 50 : 0);
    }

    // The text search of all holders, as the history window runs it, into a grid model.
    TGridModel searchModel;
    searchModel.setLayout(grid->gridModel()->options(), grid->gridModel()->columns());
    for (const Range& r : {Range{"Text search: all holders, one month", QDate(2018, 6, 1), QDate(2018, 6, 30)},
                           Range{"Text search: all holders, all years", FirstDay, LastDay}}) {
        TLedgerQuery q;
        q.addDayRange(r.first, r.last);
        q.addText(QStringLiteral("market"));
        const double ours = timeOurs([&] { searchModel.setRows(q.open()); });
        report(r.name, searchModel.rowCount(), ours, timeShell(path, literal(q)), 2.0);
    }

    // The 100,000-row list: all holders over one year.
    const double listMs = timeOurs([&] { grid->setRows(year.open()); });
    report("List: all holders, one year", yearRows, listMs, timeShell(path, literal(year)), 2.0);

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
    report("Sort by Amount (fetched rows)", yearRows, median(sorts), timeShell(path, byAmount), 2.0);

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
        std::printf("%-52s %9d rows %10.2f ms %10.2f ms %6.2fx  %s  (%.1f MB; sqlite3 %.1f MB)\n", what, rows, ours,
                    shell, ours / shell, ours <= 2 * shell ? "ok" : "OVER TARGET", bytes / 1e6,
                    QFileInfo(tsvPath).size() / 1e6);
    };

    grid->setRows(year.open());
    const double shellYear = timeShell(path, literal(year), tabs);
    const char* const names[] = {"", "Export: text", "Export: HTML"};
    for (int type : {2, 3}) {
        qint64 bytes = 0;
        QString answer;
        const double ours = timeOurs([&] { answer = exportOnce(type, bytes); });
        if (!answer.startsWith(QStringLiteral("Confirm:")))
            qFatal("the export failed: %s", qPrintable(answer));
        reportExport(names[type - 1], yearRows, ours, shellYear, bytes);
        std::printf("%-52s %9d rows %10.2f ms %10.2f ms %6.2fx\n", "   the same with the list's fetch", yearRows,
                    listMs + ours, shellYear, (listMs + ours) / shellYear);
    }
    {
        qint64 bytes = 0;
        QString answer;
        const double ours = timeOurs([&] { answer = exportOnce(1, bytes); });
        if (!answer.startsWith(QStringLiteral("Error:")) || bytes != 0)
            qFatal("the Excel export of %d rows was not refused: %s", yearRows, qPrintable(answer));
        std::printf("%-52s %9d rows %10.2f ms %13s          refused, nothing written\n",
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
        const double ours = timeOurs([&] { answer = exportOnce(1, bytes); });
        if (!answer.startsWith(QStringLiteral("Confirm:")))
            qFatal("the export failed: %s", qPrintable(answer));
        reportExport("Export: Excel (longest list it holds)", grid->model()->rowCount(), ours,
                     timeShell(path, literal(fits), tabs), bytes);
    }

    std::printf("\nMemory for the %d-row list: %.1f MB resident before, %.1f MB at the peak (+%.1f MB), %.1f MB "
                "while it is held (+%.1f MB).\n",
                yearRows, before / 1024.0, peak / 1024.0, (peak - before) / 1024.0, held / 1024.0,
                (held - before) / 1024.0);
    return 0;
}
