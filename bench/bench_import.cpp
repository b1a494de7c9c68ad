// Times the statement import's work up to the preview on generated statements of 10,000 and
// 100,000 transactions: reading, guessing the settings, fingerprinting and matching, beside the
// bare read of the same file (bytes in and lines counted). Built with the project, run by hand (in
// a Release build):
//
//   bench_import [csv] [ofx] [qif]     (all three when none is named)
//
// Targets for the whole import: 10,000 lines previewed within 0.5 s, 100,000 within 10 s.

#include "StatementFiles.h"
#include "import/TCsvGuess.h"
#include "import/TCsvReader.h"
#include "import/TFingerprint.h"
#include "import/TImportPreview.h"
#include "import/TOfxReader.h"
#include "import/TQifReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

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

void benchCsv(const QTemporaryDir& dir, int count)
{
    const QList<StatementEntry> ledger = entries(count);
    const QString path = dir.filePath(QStringLiteral("statement-%1.csv").arg(count));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bankCsv(ledger)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }
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
    if (st.rows.size() != count || !st.problems.isEmpty()) {
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
        fresh = p.newCount();
    });
    line("preview: fingerprints, match, ticks, totals", fresh, previewMs, bare);
    const double whole = readMs + previewMs;
    std::printf("  %-44s %8d rows %10.1f ms   target %s\n\n", "read and preview together", count, whole,
                count <= 10000 ? "500 ms" : "10000 ms");
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
    QCoreApplication app(argc, argv);
    QStringList parts = app.arguments().mid(1);
    if (parts.isEmpty())
        parts = {QStringLiteral("csv"), QStringLiteral("ofx"), QStringLiteral("qif")};
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
    return 0;
}
