#include "BenchSupport.h"

#include "data/TSchema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>

namespace Bench {

namespace {

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

} // namespace

void fill(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("create"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot create %s", qPrintable(path));
        // The version-1 schema: the program upgrades the file when it opens it, as it would a
        // user's file of an older version.
        TSchema::create(db, 1);
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
    // A rare word with a letter outside A to Z, in every 1,250th booking (about 1,000 in all),
    // added without drawing from the random sequence, so the other texts stay as they were.
    int booking = 0;
    auto texts = [&](QByteArray& from, QByteArray& forText, QByteArray& memo) {
        from = QByteArray(payees[uniform(0, std::size(payees) - 1)]) + ' ' + QByteArray::number(uniform(1, 5));
        forText = uniform(0, 9) < 8 ? QByteArray(purposes[uniform(0, std::size(purposes) - 1)]) : QByteArray();
        memo = QByteArray();
        if (uniform(0, 9) < 3) {
            memo = words[uniform(0, std::size(words) - 1)];
            memo += ' ';
            memo += words[uniform(0, std::size(words) - 1)];
        }
        if (++booking % 1250 == 617)
            memo += memo.isEmpty() ? QByteArray("M\xc3\xbcller") : QByteArray(" M\xc3\xbcller");
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

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double processorMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Timing timeOurs(const std::function<void()>& work)
{
    work();
    QList<double> walls;
    QList<double> cpus;
    for (int i = 0; i < Repeats; ++i) {
        QElapsedTimer t;
        const double cpu = processorMs();
        t.start();
        work();
        walls << t.nsecsElapsed() / 1e6;
        cpus << processorMs() - cpu;
    }
    return {median(walls), median(cpus)};
}

QString literal(const QString& sql, const QVariantList& values)
{
    QString out;
    int value = 0;
    bool quoted = false;
    for (QChar c : sql) {
        if (c == u'\'')
            quoted = !quoted;
        if (c == u'?' && !quoted) {
            const QVariant v = values.at(value++);
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

Timing timeShell(const QString& dbPath, const QString& statement, const QString& setup, const QString& prelude)
{
    QString script = prelude + QStringLiteral("\n.timer on\n");
    for (int i = 0; i <= Repeats; ++i)
        script += setup + u'\n' + QString(statement).replace(u'\n', u' ') + QStringLiteral(";\n");
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), dbPath});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    if (!shell.waitForFinished(600000))
        qFatal("sqlite3 did not finish");
    const QByteArray errors = shell.readAllStandardError();
    if (!errors.isEmpty())
        qFatal("sqlite3: %s", errors.constData());
    static const QRegularExpression runTime(QStringLiteral("Run Time: real ([0-9.]+) user ([0-9.]+) sys ([0-9.]+)"));
    QList<double> walls;
    QList<double> cpus;
    auto it = runTime.globalMatch(QString::fromUtf8(shell.readAllStandardOutput()));
    bool first = true;
    while (it.hasNext()) {
        const auto m = it.next();
        if (std::exchange(first, false))
            continue;
        // ".timer" prints milliseconds only; below 5 ms the processor time is the finer measure.
        const double real = m.captured(1).toDouble() * 1000;
        const double cpu = (m.captured(2).toDouble() + m.captured(3).toDouble()) * 1000;
        walls << (real < 5 ? cpu : real);
        cpus << cpu;
    }
    if (walls.size() != Repeats)
        qFatal("%d timings from sqlite3 for %d runs", int(walls.size()), Repeats);
    return {median(walls), median(cpus)};
}

void reportHeader()
{
    QFile load(QStringLiteral("/proc/loadavg"));
    const QByteArray average = load.open(QIODevice::ReadOnly) ? load.readAll().split(' ').value(0) : QByteArray("?");
    std::printf("Load average %s on %d cores. Wall clock, then processor time, in ms.\n", average.constData(),
                QThread::idealThreadCount());
    std::printf("%-62s %14s %10s %10s %7s %10s %10s\n", "", "", "ours", "sqlite3", "ratio", "ours cpu", "sqlite3 cpu");
}

void report(const char* what, int rows, Timing ours, Timing shell, double limitFactor, double absoluteMs)
{
    // Below a few milliseconds a ratio measures the fixed cost of a model and a footer, not the
    // search: such a step is judged by the clock alone.
    constexpr double TooShortForARatioMs = 10;
    const bool withinRatio = ours.wall <= shell.wall * limitFactor || ours.wall <= TooShortForARatioMs;
    const bool ok = withinRatio && (absoluteMs <= 0 || ours.wall <= absoluteMs);
    std::printf("%-62s %9d rows %10.2f %10.2f %6.2fx %10.2f %10.2f  %s\n", what, rows, ours.wall, shell.wall,
                ours.wall / shell.wall, ours.cpu, shell.cpu, ok ? "ok" : "OVER TARGET");
}

void prepareProcess()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

QString prepareDatabase(const QStringList& arguments, const QString& dir)
{
    QString path = QDir(dir).filePath(QStringLiteral("Data.mdb"));
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--db")); at >= 0 && at + 1 < arguments.size())
        path = arguments.at(at + 1);
    if (!QFile::exists(path)) {
        std::printf("Filling %s: %d holders, %d deposits and debits, %d transfers over %d to %d...\n", qPrintable(path),
                    Holders, Details, Transfers, FirstDay.year(), LastDay.year());
        std::fflush(stdout);
        QElapsedTimer t;
        t.start();
        fill(path);
        std::printf("Filled in %.1f s (%.0f MB).\n\n", t.elapsed() / 1000.0, QFileInfo(path).size() / 1e6);
    }
    return path;
}

int fileVersion(const QString& path)
{
    int version = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version"));
        db.setDatabaseName(path);
        if (db.open())
            version = TSchema::version(db);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version"));
    return version;
}

} // namespace Bench
