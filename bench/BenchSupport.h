#pragma once

// What the benchmarks share: the large database (made once and reused), timing of our code and of
// the sqlite3 shell on the same statement and file, and the report lines.

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>

namespace Bench {

inline constexpr int Holders = 20;
inline constexpr int Details = 1000000;
inline constexpr int Transfers = 250000;
inline const QDate FirstDay(2011, 1, 1);
inline const QDate LastDay(2025, 12, 31);
inline constexpr int Repeats = 5;

// Fills a new database at `path`: the version-1 schema, the holders and the bookings, always the
// same (a fixed random sequence).
void fill(const QString& path);
// Before the application object: offscreen windows, and the report written line by line.
void prepareProcess();

// The schema version of the data file at `path` (0 when it cannot be read).
int fileVersion(const QString& path);
// The database of the run: the path after --db in `arguments`, else "Data.mdb" in `dir`; filled
// unless it exists (a file made by an earlier run is reused as it is).
QString prepareDatabase(const QStringList& arguments, const QString& dir);

// Milliseconds of the clock on the wall and of processor time (all threads of the process, or
// user and system time of the shell). On a busy machine the wall clock runs on while others
// compute; processor time does not.
struct Timing
{
    double wall = 0;
    double cpu = 0;
};

double median(QList<double> values);
// `work`, the median of several runs after one warm-up run.
Timing timeOurs(const std::function<void()>& work);
// The statement with its bound values written in as literals, for the shell.
QString literal(const QString& sql, const QVariantList& values);
// The sqlite3 shell on `statement` (its own ".timer", the median of several runs after one warm-up
// run). `setup` are dot-commands run before each statement, `prelude` statements run once first.
Timing timeShell(const QString& dbPath, const QString& statement,
                 const QString& setup = QStringLiteral(".output /dev/null"), const QString& prelude = QString());
// The header of the table that report() writes, with the machine's load.
void reportHeader();
// The processor time this process has used, in milliseconds.
double processorMs();
// One line of the table: ours and the shell's (wall clock, then processor time), the ratio of the
// wall clocks, and whether ours is within `limitFactor` times the shell's (or under 10 ms, too short
// for a ratio to mean much) and (when given) at most `absoluteMs` on the wall clock.
void report(const char* what, int rows, Timing ours, Timing shell, double limitFactor, double absoluteMs = 0);

} // namespace Bench
