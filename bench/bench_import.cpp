// Times the statement import on generated statements of 10,000 and 100,000 transactions: reading,
// guessing the settings, fingerprinting and matching, beside the bare read of the same file (bytes
// in and lines counted); the import dialog from the file's name to the preview shown; and booking
// the rows (through the import store, and through the dialog with its progress bar) beside the
// bare engine running the same statements through its C interface on a file of the same schema.
// Built with the project, run by hand (in a Release build):
//
//   bench_import [csv] [ofx] [qif] [dialog] [book]     (all when none is named)
//
// Targets: 10,000 lines previewed within 0.5 s and booked within 1 s; 100,000 lines within 10 s.

#include "StatementFiles.h"
#include "data/TDM.h"
#include "data/TSchema.h"
#include "import/TCsvGuess.h"
#include "import/TCsvReader.h"
#include "import/TFingerprint.h"
#include "import/TFrmImport.h"
#include "import/TImportPreview.h"
#include "import/TImportPreviewModel.h"
#include "import/TImportProfiles.h"
#include "import/TImportStore.h"
#include "import/TOfxReader.h"
#include "import/TQifReader.h"
#include "import/TStatementFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTableView>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr int Repeats = 5;

// The median of `Repeats` runs of `work`, in milliseconds.
double timed(const std::function<void()>& work)
{
    QList<double> ms;
    for (int i = 0; i < Repeats; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.append(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms.at(Repeats / 2);
}

QList<StatementEntry> entries(int count)
{
    QList<StatementEntry> all;
    QDate from(1990, 1, 1);
    while (all.size() < count) {
        const QDate to = from.addYears(5);
        all += bankLedger(from, to);
        from = to.addDays(1);
    }
    all.resize(count);
    return all;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return f.readAll();
}

void line(const char* what, int rows, double ms, double bare)
{
    std::printf("  %-44s %8d rows %10.1f ms %8.1fx bare\n", what, rows, ms, ms / bare);
}

QString writeCsv(const QTemporaryDir& dir, int count)
{
    const QString path = dir.filePath(QStringLiteral("statement-%1.csv").arg(count));
    if (!QFile::exists(path)) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bankCsv(entries(count))) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }
    return path;
}

void benchCsv(const QTemporaryDir& dir, int count)
{
    const QString path = writeCsv(dir, count);
    std::printf("CSV, Windows-1252, %d transactions (%.1f MB):\n", count, QFileInfo(path).size() / 1e6);

    int lines = 0;
    const double bare = timed([&] {
        const QByteArray bytes = readFile(path);
        lines = static_cast<int>(std::count(bytes.cbegin(), bytes.cend(), '\n'));
    });
    std::printf("  %-44s %8d lines %9.1f ms\n", "bare: read the file, count its lines", lines, bare);

    TCsvGuess guess;
    const double guessMs = timed([&] { guess = TCsvGuess::from(readFile(path)); });
    line("guess the settings (whole file given)", count, guessMs, bare);

    TStatement st;
    const double readMs = timed([&] {
        QFile f(path);
        st = TCsvReader::read(f, guess.settings);
    });
    if (st.rows.size() != count || st.unreadCount() != 0) {
        std::fprintf(stderr, "read %lld rows and %lld problems\n", static_cast<long long>(st.rows.size()),
                     static_cast<long long>(st.problems.size()));
        std::exit(1);
    }
    line("read (decode, split, dates, amounts, texts)", count, readMs, bare);

    QStringList fingerprints;
    const double fpMs = timed([&] { fingerprints = TFingerprint::of(st.rows); });
    line("fingerprints", count, fpMs, bare);

    // The holder knows the first half of the file from an earlier import.
    const QSet<QString> known(fingerprints.cbegin(), fingerprints.cbegin() + count / 2);
    int fresh = 0;
    const double previewMs = timed([&] {
        const TImportPreview p(st, TImportMatcher(known));
        fresh = p.count(TImportPreview::Status::New);
    });
    line("preview: fingerprints, match, ticks, totals", fresh, previewMs, bare);
    const double whole = readMs + previewMs;
    std::printf("  %-44s %8d rows %10.1f ms   target %s\n\n", "read and preview together", count, whole,
                count <= 10000 ? "500 ms" : "10000 ms");
}

// A new data file of the program's schema with one account, in the write-ahead log and synced in
// full, as the program keeps it.
QString freshDatabase(const QTemporaryDir& dir)
{
    static int n = 0;
    const QString path = dir.filePath(QStringLiteral("Data-%1.mdb").arg(++n));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("create"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot create %s", qPrintable(path));
        TSchema::create(db);
        db.exec(QStringLiteral("insert into Account (name, type) values ('Girokonto', 0)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("create"));
    return path;
}

// The median of `Repeats` runs of `work` on a fresh data file opened as the program opens it; the
// setup is not timed.
double timedOnFreshFile(const QTemporaryDir& dir, const std::function<double(const QString& path)>& work)
{
    QList<double> ms;
    for (int i = 0; i < Repeats; ++i)
        ms.append(work(freshDatabase(dir)));
    std::sort(ms.begin(), ms.end());
    return ms.at(Repeats / 2);
}

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

// The bare engine: the import store's statements through the C interface, prepared once, in one
// transaction: the rows into the staging table, from there into Detail and ImportRow in slices.
double bareBooking(const QString& path, const TImportPreview& p)
{
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL", nullptr, nullptr, nullptr), db);
    auto exec = [db](const char* sql) {
        check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), db);
    };
    QElapsedTimer t;
    t.start();
    exec("BEGIN");
    exec("insert into Import (Date, HolderID, FileName, RowCount, Total, Profile)"
         " values ('2024-05-02 09:30:00', 1, 'statement.csv', 0, 0, null)");
    exec("create temp table ImportStage (Seq INTEGER PRIMARY KEY, type INTEGER, Date TEXT, [From] TEXT,"
         " Amount INTEGER, [For] TEXT, Memo TEXT, Fingerprint TEXT)");
    sqlite3_stmt* stage = nullptr;
    check(
        sqlite3_prepare_v2(db, "insert into temp.ImportStage values (?, ?, ?, ?, ?, ?, null, ?)", -1, &stage, nullptr),
        db);
    qint64 net = 0;
    int seq = 0;
    for (int i : p.tickedRows()) {
        const TImportRow& r = p.row(i);
        const QByteArray date = r.date.toString(QStringLiteral("yyyy-MM-dd 12:00:00")).toUtf8();
        const QByteArray from = r.from.toUtf8(), forText = r.forText.toUtf8(), fp = p.fingerprint(i).toUtf8();
        sqlite3_bind_int(stage, 1, ++seq);
        sqlite3_bind_int(stage, 2, r.amount.isNegative() ? 1 : 0);
        sqlite3_bind_text(stage, 3, date.constData(), int(date.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stage, 4, from.constData(), int(from.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(stage, 5, r.amount.isNegative() ? -r.amount.raw() : r.amount.raw());
        sqlite3_bind_text(stage, 6, forText.constData(), int(forText.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stage, 7, fp.constData(), int(fp.size()), SQLITE_TRANSIENT);
        check(sqlite3_step(stage), db);
        sqlite3_reset(stage);
        net += r.amount.raw();
    }
    sqlite3_finalize(stage);
    for (int first = 1; first <= seq; first += 4096) {
        const QByteArray slice =
            QStringLiteral("insert into Detail (ID, type, DestID, Date, [From], Amount, [For], Memo)"
                           " select Seq, type, 1, Date, [From], Amount, [For], Memo from temp.ImportStage"
                           " where Seq between %1 and %2 order by Seq;"
                           "insert into ImportRow (ImportID, HolderID, Fingerprint, DetailID)"
                           " select 1, 1, Fingerprint, Seq from temp.ImportStage where Seq between %1 and %2")
                .arg(first)
                .arg(std::min(first + 4095, seq))
                .toUtf8();
        exec(slice.constData());
    }
    exec("drop table temp.ImportStage");
    exec(QStringLiteral("update Account set Balance = Balance + %1 where ID = 1").arg(net).toUtf8().constData());
    exec("COMMIT");
    const double ms = t.nsecsElapsed() / 1e6;
    sqlite3_close(db);
    return ms;
}

void waitWhileBusy(const TFrmImport& dialog)
{
    while (dialog.isBusy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// The dialog from the file's name to its preview on the screen: read on the worker, grid filled and
// painted, totals shown.
void benchDialog(const QTemporaryDir& dir, int count)
{
    const QString path = writeCsv(dir, count);
    const QString db = freshDatabase(dir);
    TDM dm(db, false);
    dm.DataModuleCreate();
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), 1);
    int rows = 0;
    const double ms = timed([&] {
        TFrmImport dialog(nullptr);
        dialog.PresetHolder(1);
        dialog.show();
        dialog.openFile(path);
        waitWhileBusy(dialog);
        auto* grid = dialog.findChild<QTableView*>(QStringLiteral("tblPreview"));
        grid->scrollToBottom();
        grid->viewport()->repaint();
        rows = dialog.previewModel()->rowCount();
    });
    std::printf("  %-44s %8d rows %10.1f ms   target %s\n", "dialog: file chosen to preview shown", rows, ms,
                count <= 10000 ? "500 ms" : "10000 ms");
}

// Booking every row of the file: the store alone, the dialog's Import (with its progress bar), and
// the bare engine on the same statements.
void benchBooking(const QTemporaryDir& dir, int count)
{
    const QString path = writeCsv(dir, count);
    QString error;
    const TStatementFile file = *TStatementFile::load(path, &error);
    const TImportPreview preview = file.preview(bankCsvSettings(), {});
    const double bare = timedOnFreshFile(dir, [&](const QString& db) { return bareBooking(db, preview); });
    const double store = timedOnFreshFile(dir, [&](const QString& db) {
        TDM dm(db, false);
        dm.DataModuleCreate();
        QElapsedTimer t;
        t.start();
        TImportStore::book(preview, {1, QStringLiteral("statement.csv"), {}});
        return t.nsecsElapsed() / 1e6;
    });
    const double dialog = timedOnFreshFile(dir, [&](const QString& db) {
        TDM dm(db, false);
        dm.DataModuleCreate();
        TFrmImport d(nullptr);
        d.PresetHolder(1);
        d.show();
        d.openFile(path);
        waitWhileBusy(d);
        QElapsedTimer t;
        t.start();
        d.findChild<QPushButton*>(QStringLiteral("btnImport"))->click();
        const double ms = t.nsecsElapsed() / 1e6;
        if (d.importedHolder() == 0) {
            std::fprintf(stderr, "the dialog did not import\n");
            std::exit(1);
        }
        return ms;
    });
    std::printf("Booking %d rows (write-ahead log, full sync, trigram indexes kept by triggers):\n", count);
    std::printf("  %-44s %8d rows %10.1f ms\n", "bare engine: the same statements, C interface", count, bare);
    line("import store", count, store, bare);
    line("dialog's Import, progress bar and all", count, dialog, bare);
    std::printf("  %-44s %8s      %10s      target %s\n\n", "", "", "", count <= 10000 ? "1000 ms" : "10000 ms");
}

void benchOfx(int count, bool xml)
{
    const QByteArray ofx = bankOfx(entries(count), xml);
    int rows = 0;
    const double ms = timed([&] { rows = static_cast<int>(TOfxReader::read(ofx).rows.size()); });
    std::printf("OFX (%s), %d transactions (%.1f MB): read %.1f ms (%d rows)\n", xml ? "XML" : "SGML", count,
                ofx.size() / 1e6, ms, rows);
}

void benchQif(int count)
{
    const QByteArray qif = bankQif(entries(count));
    int rows = 0;
    const double ms = timed([&] { rows = static_cast<int>(TQifReader::read(qif, TQifReader::Options()).rows.size()); });
    std::printf("QIF, %d transactions (%.1f MB): read %.1f ms (%d rows)\n", count, qif.size() / 1e6, ms, rows);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList parts = app.arguments().mid(1);
    if (parts.isEmpty())
        parts = {QStringLiteral("csv"), QStringLiteral("ofx"), QStringLiteral("qif"), QStringLiteral("dialog"),
                 QStringLiteral("book")};
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    std::printf("Median of %d runs each.\n\n", Repeats);
    if (parts.contains(QStringLiteral("csv"))) {
        for (int count : {10000, 100000})
            benchCsv(dir, count);
    }
    // libofx takes about half a millisecond a transaction: bank statements in OFX are months, not
    // decades, so 10,000 transactions is plenty.
    if (parts.contains(QStringLiteral("ofx"))) {
        benchOfx(1000, false);
        benchOfx(10000, true);
    }
    if (parts.contains(QStringLiteral("qif"))) {
        for (int count : {10000, 100000})
            benchQif(count);
    }
    if (parts.contains(QStringLiteral("dialog"))) {
        std::printf("\nThe import dialog, CSV with the bank's profile:\n");
        for (int count : {10000, 100000})
            benchDialog(dir, count);
        std::printf("\n");
    }
    if (parts.contains(QStringLiteral("book"))) {
        for (int count : {10000, 100000})
            benchBooking(dir, count);
    }
    return 0;
}
