// budget-crashharness: kills budget-crashdriver with SIGKILL at random moments, over and over on
// one file, and after every kill reopens the file and checks it:
//   - every commit the driver reported is there, exactly as reported;
//   - nothing half-written is: the file holds the reported state, or that state plus the whole
//     operation that was under way when the driver died, never a part of it;
//   - PRAGMA integrity_check says ok;
//   - every balance equals its opening balance plus its bookings.
//
//   budget-crashharness [--kills N] [--seed S] [--driver PATH] [--keep DIR]
//
// Exits with 0 when every check passed, 1 at the first failure (with what differed).

#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <map>
#include <optional>

namespace {

// One booking as the driver reports it: `a` is the type (Detail) or the source (Transfer).
struct Row
{
    qint64 a = 0;
    qint64 dest = 0;
    qint64 amount = 0;
    QString date;
    QString from;
    bool operator==(const Row&) const = default;
};
using Rows = std::map<qint32, Row>;

struct Model
{
    Rows details;
    Rows transfers;
    bool operator==(const Model&) const = default;
};

// An operation as one line of the driver: "D id type holder amount date from", "T id source dest
// amount date from", "XD id", "XT id".
struct Operation
{
    QString kind;
    qint32 id = 0;
    Row row;
};

std::optional<Operation> parse(const QString& text)
{
    QStringList f = text.split(u' ');
    Operation op;
    op.kind = f.value(0);
    op.id = f.value(1).toInt();
    if ((op.kind == QStringLiteral("D") || op.kind == QStringLiteral("T")) && f.size() == 7) {
        op.row = {f[2].toLongLong(), f[3].toLongLong(), f[4].toLongLong(), f[5].replace(u'T', u' '), f[6]};
        return op;
    }
    if ((op.kind == QStringLiteral("XD") || op.kind == QStringLiteral("XT")) && f.size() == 2)
        return op;
    return std::nullopt;
}

// Applies `op`; an insert (id 0) takes `newId`.
void apply(Model& m, const Operation& op, qint32 newId = 0)
{
    const qint32 id = op.id != 0 ? op.id : newId;
    if (op.kind == QStringLiteral("D"))
        m.details[id] = op.row;
    else if (op.kind == QStringLiteral("T"))
        m.transfers[id] = op.row;
    else if (op.kind == QStringLiteral("XD"))
        m.details.erase(op.id);
    else
        m.transfers.erase(op.id);
}

Rows readRows(const TDM& dm, const char* sql)
{
    Rows rows;
    QSqlQuery q = dm.select(QString::fromLatin1(sql));
    while (q.next())
        rows[q.value(0).toInt()] = {q.value(1).toLongLong(), q.value(2).toLongLong(), q.value(3).toLongLong(),
                                    q.value(4).toString(), q.value(5).toString()};
    return rows;
}

// The one id of `after` that `before` lacks, or 0.
qint32 addedId(const Rows& before, const Rows& after)
{
    qint32 found = 0;
    for (const auto& [id, row] : after) {
        if (!before.contains(id)) {
            if (found != 0)
                return 0;
            found = id;
        }
    }
    return found;
}

std::map<qint32, qint64> expectedBalances(const Model& m, const std::map<qint32, qint64>& opening)
{
    std::map<qint32, qint64> b = opening;
    for (const auto& [id, r] : m.details)
        b[qint32(r.dest)] += r.a == 1 ? -r.amount : r.amount;
    for (const auto& [id, r] : m.transfers) {
        b[qint32(r.a)] -= r.amount;
        b[qint32(r.dest)] += r.amount;
    }
    return b;
}

QString show(const Model& m)
{
    QString s;
    for (const auto& [id, r] : m.details)
        s += QStringLiteral("D %1 %2 %3 %4 %5 %6\n").arg(id).arg(r.a).arg(r.dest).arg(r.amount).arg(r.date, r.from);
    for (const auto& [id, r] : m.transfers)
        s += QStringLiteral("T %1 %2 %3 %4 %5 %6\n").arg(id).arg(r.a).arg(r.dest).arg(r.amount).arg(r.date, r.from);
    return s;
}

int failure(const QString& text)
{
    std::fprintf(stderr, "FAILED: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList args = app.arguments();
    auto option = [&](const char* name, const QString& fallback) {
        const qsizetype at = args.indexOf(QString::fromLatin1(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
    };
    const int kills = option("--kills", QStringLiteral("300")).toInt();
    const quint32 seed = option("--seed", QStringLiteral("20261208")).toUInt();
    const QString driver =
        option("--driver", QDir(app.applicationDirPath()).filePath(QStringLiteral("budget-crashdriver")));
    QTemporaryDir temp;
    const QString folder = option("--keep", temp.path());
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("Data.mdb"));
    QFile::remove(path);

    // The file: six holders with opening balances, no bookings.
    QRandomGenerator rng(seed);
    std::map<qint32, qint64> opening;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        if (!db.open())
            return failure(QStringLiteral("cannot create %1").arg(path));
        TSchema::create(db);
        for (int i = 1; i <= 6; ++i) {
            const qint64 balance = qint64(rng.bounded(2000000000)) - 1000000000;
            QSqlQuery q(db);
            q.prepare(QStringLiteral("insert into Account (name, type, Balance) values (?, ?, ?)"));
            q.addBindValue(QStringLiteral("Holder %1").arg(i));
            q.addBindValue(i % 3);
            q.addBindValue(balance);
            if (!q.exec())
                return failure(QStringLiteral("cannot add a holder"));
            opening[q.lastInsertId().toInt()] = balance;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));

    Model model;
    long reported = 0, rowsChecked = 0, inFlight = 0, landed = 0, refused = 0, startKills = 0;
    QElapsedTimer total;
    total.start();
    for (int kill = 1; kill <= kills; ++kill) {
        QProcess proc;
        proc.setProcessChannelMode(QProcess::SeparateChannels);
        proc.start(driver, {path, QString::number(seed + kill)});
        if (!proc.waitForStarted())
            return failure(QStringLiteral("cannot start %1").arg(driver));
        QByteArray out;
        // One kill in ten lands while the driver starts and opens the file; the others while it
        // books, at a random moment after its first line.
        const bool early = rng.bounded(10) == 0;
        const int delay = early ? rng.bounded(40) : rng.bounded(200);
        QElapsedTimer t;
        t.start();
        if (!early) {
            while (!out.contains('\n') && t.elapsed() < 10000 && proc.state() == QProcess::Running) {
                proc.waitForReadyRead(50);
                out += proc.readAllStandardOutput();
            }
            t.restart();
        }
        while (t.elapsed() < delay && proc.state() == QProcess::Running) {
            proc.waitForReadyRead(std::max<int>(1, delay - int(t.elapsed())));
            out += proc.readAllStandardOutput();
        }
        if (proc.state() != QProcess::Running)
            return failure(QStringLiteral("the driver ended by itself: %1")
                               .arg(QString::fromLocal8Bit(proc.readAllStandardError())));
        ::kill(pid_t(proc.processId()), SIGKILL);
        proc.waitForFinished();
        out += proc.readAllStandardOutput();
        startKills += early && !out.contains('\n');

        // The reported commits, and the operation under way (if any) when the driver died.
        std::optional<Operation> pending;
        const QList<QByteArray> lines = out.split('\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) { // the last piece has no line end
            const QString line = QString::fromUtf8(lines[i]);
            if (line.startsWith(QStringLiteral("P "))) {
                pending = parse(line.mid(2));
            } else if (line.startsWith(QStringLiteral("C "))) {
                const std::optional<Operation> op = parse(line.mid(2));
                if (!op)
                    return failure(QStringLiteral("cannot read the driver's line: %1").arg(line));
                apply(model, *op);
                ++reported;
                pending.reset();
            } else if (line.startsWith(QStringLiteral("R "))) {
                ++refused;
                pending.reset();
            }
        }
        inFlight += pending.has_value();

        // Reopen the file as the program does, and compare.
        try {
            TDM dm(path, false);
            dm.DataModuleCreate();
            QSqlQuery check = dm.select(QStringLiteral("PRAGMA integrity_check"));
            const QString integrity = check.next() ? check.value(0).toString() : QString();
            check.finish();
            if (integrity != QStringLiteral("ok"))
                return failure(QStringLiteral("kill %1: integrity_check: %2").arg(kill).arg(integrity));
            Model found;
            found.details = readRows(dm, "select ID, type, DestID, Amount, Date, [From] from Detail");
            found.transfers = readRows(dm, "select ID, SourceID, DestID, Amount, Date, [From] from Transfer");
            if (!(found == model)) {
                Model withPending = model;
                if (pending) {
                    const qint32 newId = pending->kind == QStringLiteral("D")
                                             ? addedId(model.details, found.details)
                                             : addedId(model.transfers, found.transfers);
                    apply(withPending, *pending, pending->id == 0 ? newId : 0);
                }
                if (!pending || !(found == withPending))
                    return failure(
                        QStringLiteral("kill %1: the file differs from the reported commits%2.\n"
                                       "Reported:\n%3\nFound:\n%4")
                            .arg(kill)
                            .arg(pending ? QStringLiteral(" and from them plus the operation under way") : QString())
                            .arg(show(model), show(found)));
                ++landed;
                model = withPending;
            }
            rowsChecked += long(model.details.size() + model.transfers.size());
            // Each balance: its opening balance plus its bookings.
            const std::map<qint32, qint64> expected = expectedBalances(model, opening);
            QSqlQuery b = dm.select(QStringLiteral("select ID, Balance from Account"));
            while (b.next()) {
                const qint32 id = b.value(0).toInt();
                const auto want = expected.find(id);
                if (want == expected.end() || want->second != b.value(1).toLongLong())
                    return failure(QStringLiteral("kill %1: holder %2 has the balance %3, its bookings give %4")
                                       .arg(kill)
                                       .arg(id)
                                       .arg(b.value(1).toLongLong())
                                       .arg(want == expected.end() ? 0 : want->second));
            }
        } catch (const DbError& e) {
            return failure(QStringLiteral("kill %1: %2").arg(kill).arg(e.text()));
        }
        if (kill % 50 == 0 || kill == kills)
            std::printf("%d kills, %ld commits reported, %zu bookings in the file\n", kill, reported,
                        model.details.size() + model.transfers.size());
    }
    std::printf("PASSED: %d kills (%ld while starting, %ld with an operation under way: %ld of those had "
                "committed whole, the others left nothing), %ld commits reported and found, %ld refused, "
                "%ld booking rows compared after the kills, integrity ok and every balance equal to its opening "
                "balance plus its bookings after each kill; %.1f s\n",
                kills, startKills, inFlight, landed, reported, refused, rowsChecked, total.elapsed() / 1000.0);
    return 0;
}
