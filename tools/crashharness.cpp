// budget-crashharness: kills budget-crashdriver with SIGKILL at random moments, over and over on
// one file, and after every kill reopens the file and checks it:
//   - every commit the driver reported is there, exactly as reported, a statement import with its
//     record and each row's fingerprint pointing at the booking it became;
//   - nothing half-written is: the file holds the reported state, or that state plus the whole
//     operation that was under way when the driver died, never a part of it (an import or its undo
//     with all of its rows or none);
//   - every import's fingerprints belong to it and its holder, and point at bookings that are there
//     or were deleted after the import; an import taken back has neither its record nor any
//     fingerprint left;
//   - PRAGMA integrity_check says ok;
//   - every balance equals its opening balance plus its bookings;
//   - every occurrence of a standing order reported booked is recorded once, with the booking it
//     became, and no booking is recorded for two occurrences (nor an occurrence booked twice: a
//     second booking would be a booking nobody reported).
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
#include <set>
#include <vector>

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

// A statement import: its Import record (holder, total, row count) and its ImportRow fingerprints
// by the booking each row became.
struct Import
{
    qint64 holder = 0;
    qint64 total = 0;
    qint64 rowCount = 0;
    std::map<qint32, QString> fingerprints;
    bool operator==(const Import&) const = default;
};

// The occurrences of standing orders booked: by order and day of the rhythm, the booking's link (1 a
// Detail, 2 a Transfer) and id.
using Occurrences = std::map<std::pair<qint32, QString>, std::pair<int, qint32>>;

struct Model
{
    Rows details;
    Rows transfers;
    std::map<qint32, Import> imports;
    Occurrences occurrences;
    // What the reported commits took away: bookings deleted one by one, imports taken back.
    std::set<qint32> deletedDetails;
    std::set<qint32> undoneImports;
    bool operator==(const Model& o) const
    {
        return details == o.details && transfers == o.transfers && imports == o.imports && occurrences == o.occurrences;
    }
};

// One row of an import as the driver reports it: the booking it became (0 while pending), the
// booking's fields and the row's fingerprint.
struct ImportedRow
{
    qint32 detail = 0;
    Row row;
    QString fingerprint;
};

// An operation as one line of the driver: "D id type holder amount date from", "T id source dest
// amount date from", "XD id", "XT id", "I id holder n row...", "U id", and "OD ..." or "OT ..." (a
// D or T line with the order and the occurrence's day after it).
struct Operation
{
    QString kind;
    qint32 id = 0;
    Row row;
    std::vector<ImportedRow> rows;
    qint32 order = 0;
    QString scheduled;
};

Row rowOf(const QStringList& f, qsizetype at)
{
    return {f[at].toLongLong(), f[at + 1].toLongLong(), f[at + 2].toLongLong(), QString(f[at + 3]).replace(u'T', u' '),
            f[at + 4]};
}

std::optional<Operation> parse(const QString& text)
{
    const QStringList f = text.split(u' ');
    Operation op;
    op.kind = f.value(0);
    op.id = f.value(1).toInt();
    if ((op.kind == QStringLiteral("D") || op.kind == QStringLiteral("T")) && f.size() == 7) {
        op.row = rowOf(f, 2);
        return op;
    }
    if ((op.kind == QStringLiteral("OD") || op.kind == QStringLiteral("OT")) && f.size() == 9) {
        op.row = rowOf(f, 2);
        op.order = f[7].toInt();
        op.scheduled = f[8];
        return op;
    }
    if ((op.kind == QStringLiteral("XD") || op.kind == QStringLiteral("XT") || op.kind == QStringLiteral("U")) &&
        f.size() == 2)
        return op;
    if (op.kind == QStringLiteral("I") && f.size() >= 4 && f.size() == 4 + f[3].toInt()) {
        const QString holder = f[2];
        for (qsizetype i = 4; i < f.size(); ++i) {
            // detail,type,amount,date,from,fingerprint; the holder goes in between type and amount.
            QStringList r = f[i].split(u',');
            if (r.size() != 6)
                return std::nullopt;
            r.insert(2, holder);
            op.rows.push_back({r[0].toInt(), rowOf(r, 1), r[6]});
        }
        return op;
    }
    return std::nullopt;
}

// Applies `op`; an insert (id 0) takes `newId`, the rows of an import `newDetails` in their order.
void apply(Model& m, const Operation& op, qint32 newId = 0, const std::vector<qint32>& newDetails = {})
{
    const qint32 id = op.id != 0 ? op.id : newId;
    if (op.kind == QStringLiteral("D")) {
        m.details[id] = op.row;
    } else if (op.kind == QStringLiteral("OD") || op.kind == QStringLiteral("OT")) {
        const bool transfer = op.kind == QStringLiteral("OT");
        (transfer ? m.transfers : m.details)[id] = op.row;
        m.occurrences[{op.order, op.scheduled}] = {transfer ? 2 : 1, id};
    } else if (op.kind == QStringLiteral("T")) {
        m.transfers[id] = op.row;
    } else if (op.kind == QStringLiteral("XD")) {
        m.details.erase(op.id);
        m.deletedDetails.insert(op.id);
    } else if (op.kind == QStringLiteral("XT")) {
        m.transfers.erase(op.id);
    } else if (op.kind == QStringLiteral("I")) {
        Import& import = m.imports[id];
        import.rowCount = qint64(op.rows.size());
        for (std::size_t i = 0; i < op.rows.size(); ++i) {
            const ImportedRow& r = op.rows[i];
            const qint32 detail = r.detail != 0 ? r.detail : newDetails.size() == op.rows.size() ? newDetails[i] : 0;
            import.holder = r.row.dest;
            import.total += r.row.a == 1 ? -r.row.amount : r.row.amount;
            import.fingerprints[detail] = r.fingerprint;
            m.details[detail] = r.row;
        }
    } else {
        for (const auto& [detail, fingerprint] : m.imports[op.id].fingerprints)
            m.details.erase(detail);
        m.imports.erase(op.id);
        m.undoneImports.insert(op.id);
    }
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

// The ids of `after` that `before` lacks, in their order.
template <typename Map>
std::vector<qint32> addedIds(const Map& before, const Map& after)
{
    std::vector<qint32> ids;
    for (const auto& [id, row] : after) {
        if (!before.contains(id))
            ids.push_back(id);
    }
    return ids;
}

// The one id of `after` that `before` lacks, or 0.
template <typename Map>
qint32 addedId(const Map& before, const Map& after)
{
    const std::vector<qint32> ids = addedIds(before, after);
    return ids.size() == 1 ? ids.front() : 0;
}

// The imports of the file with their fingerprints; an empty text, or what is wrong with them: a
// fingerprint of no import or of another holder, an import whose row count differs from its
// fingerprints, two fingerprints pointing at one booking.
QString readImports(const TDM& dm, std::map<qint32, Import>& imports)
{
    QSqlQuery i = dm.select(QStringLiteral("select ID, HolderID, Total, RowCount from Import"));
    while (i.next())
        imports[i.value(0).toInt()] = {i.value(1).toLongLong(), i.value(2).toLongLong(), i.value(3).toLongLong(), {}};
    QSqlQuery r = dm.select(QStringLiteral("select ImportID, HolderID, Fingerprint, DetailID from ImportRow"));
    while (r.next()) {
        const qint32 id = r.value(0).toInt();
        const qint32 detail = r.value(3).toInt();
        const auto import = imports.find(id);
        if (import == imports.end())
            return QStringLiteral("the fingerprint %1 belongs to import %2, which is not there")
                .arg(r.value(2).toString())
                .arg(id);
        if (import->second.holder != r.value(1).toLongLong())
            return QStringLiteral("the fingerprint %1 of import %2 names holder %3, the import %4")
                .arg(r.value(2).toString())
                .arg(id)
                .arg(r.value(1).toLongLong())
                .arg(import->second.holder);
        if (!import->second.fingerprints.emplace(detail, r.value(2).toString()).second)
            return QStringLiteral("import %1 has two fingerprints for booking %2").arg(id).arg(detail);
    }
    for (const auto& [id, import] : imports) {
        if (import.rowCount != qint64(import.fingerprints.size()))
            return QStringLiteral("import %1 counts %2 rows and has %3 fingerprints")
                .arg(id)
                .arg(import.rowCount)
                .arg(import.fingerprints.size());
    }
    return {};
}

// The occurrences booked in the file; an empty text, or what is wrong: a booking recorded for two
// occurrences.
QString readOccurrences(const TDM& dm, Occurrences& occurrences)
{
    std::set<std::pair<int, qint32>> bookings;
    QSqlQuery q =
        dm.select(QStringLiteral("select OrderID, Scheduled, Link, BookingID from OrderOccurrence where State = 1"));
    while (q.next()) {
        const std::pair<int, qint32> booking{q.value(2).toInt(), q.value(3).toInt()};
        if (!bookings.insert(booking).second)
            return QStringLiteral("booking %1 (link %2) is recorded for two occurrences")
                .arg(booking.second)
                .arg(booking.first);
        if (!occurrences.emplace(std::pair{q.value(0).toInt(), q.value(1).toString()}, booking).second)
            return QStringLiteral("the occurrence %1 of order %2 is recorded twice")
                .arg(q.value(1).toString())
                .arg(q.value(0).toInt());
    }
    return {};
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
    for (const auto& [id, import] : m.imports) {
        s += QStringLiteral("I %1 holder %2 total %3 rows %4:")
                 .arg(id)
                 .arg(import.holder)
                 .arg(import.total)
                 .arg(import.rowCount);
        for (const auto& [detail, fingerprint] : import.fingerprints)
            s += QStringLiteral(" %1=%2").arg(detail).arg(fingerprint);
        s += u'\n';
    }
    for (const auto& [key, booking] : m.occurrences)
        s += QStringLiteral("O %1 %2: link %3 booking %4\n")
                 .arg(key.first)
                 .arg(key.second)
                 .arg(booking.first)
                 .arg(booking.second);
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
        // Standing orders of every kind and rhythm from the start of the driver's year, with the
        // 31st and the weekend rules among them; the driver books what is due on a day of the year.
        for (const char* order :
             {"1, 1, 0, 5000000, 'order-1', 2, 1, '2026-01-31', 1",
              "0, 2, 0, 12345678, 'order-2', 0, 2, '2026-01-01', 0",
              "2, 3, 4, 770000, 'order-3', 1, 1, '2026-01-05', 2",
              "1, 5, 0, 99990000, 'order-4', 0, 3, '2026-01-03', 1", "0, 6, 0, 1000, 'order-5', 0, 1, '2026-01-01', 0",
              "2, 1, 6, 31000000, 'order-6', 2, 1, '2026-01-29', 2"}) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("insert into StandingOrder (Kind, HolderID, DestID, Amount, [From], Unit, Every,"
                                       " First, Weekend) values (%1)")
                            .arg(QLatin1String(order))))
                return failure(QStringLiteral("cannot add a standing order"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));

    Model model;
    long reported = 0, rowsChecked = 0, inFlight = 0, landed = 0, refused = 0, startKills = 0;
    long importsReported = 0, undosReported = 0, importRowsReported = 0, fingerprintsChecked = 0;
    long midImport = 0, importLanded = 0, midUndo = 0, undoLanded = 0;
    long occurrencesReported = 0, midOccurrence = 0, occurrenceLanded = 0, occurrencesChecked = 0;
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
                importsReported += op->kind == QStringLiteral("I");
                importRowsReported += long(op->rows.size());
                undosReported += op->kind == QStringLiteral("U");
                occurrencesReported += op->kind.startsWith(u'O');
                pending.reset();
            } else if (line.startsWith(QStringLiteral("R "))) {
                ++refused;
                pending.reset();
            }
        }
        inFlight += pending.has_value();
        const bool pendingImport = pending && pending->kind == QStringLiteral("I");
        const bool pendingUndo = pending && pending->kind == QStringLiteral("U");
        midImport += pendingImport;
        midUndo += pendingUndo;
        const bool pendingOccurrence = pending && pending->kind.startsWith(u'O');
        midOccurrence += pendingOccurrence;

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
            const QString importFault = readImports(dm, found.imports);
            if (!importFault.isEmpty())
                return failure(QStringLiteral("kill %1: %2").arg(kill).arg(importFault));
            const QString occurrenceFault = readOccurrences(dm, found.occurrences);
            if (!occurrenceFault.isEmpty())
                return failure(QStringLiteral("kill %1: %2").arg(kill).arg(occurrenceFault));
            if (!(found == model)) {
                Model withPending = model;
                if (pendingImport)
                    apply(withPending, *pending, addedId(model.imports, found.imports),
                          addedIds(model.details, found.details));
                else if (pending && pending->id == 0)
                    apply(withPending, *pending,
                          pending->kind == QStringLiteral("D") || pending->kind == QStringLiteral("OD")
                              ? addedId(model.details, found.details)
                              : addedId(model.transfers, found.transfers));
                else if (pending)
                    apply(withPending, *pending);
                if (!pending || !(found == withPending))
                    return failure(
                        QStringLiteral("kill %1: the file differs from the reported commits%2.\n"
                                       "Reported:\n%3\nFound:\n%4")
                            .arg(kill)
                            .arg(pending ? QStringLiteral(" and from them plus the operation under way") : QString())
                            .arg(show(model), show(found)));
                ++landed;
                importLanded += pendingImport;
                undoLanded += pendingUndo;
                occurrenceLanded += pendingOccurrence;
                model = withPending;
            }
            rowsChecked += long(model.details.size() + model.transfers.size());
            occurrencesChecked += long(found.occurrences.size());
            // Each fingerprint points at a booking that is there or was deleted after the import; an
            // import taken back has left nothing.
            for (const auto& [id, import] : found.imports) {
                for (const auto& [detail, fingerprint] : import.fingerprints) {
                    if (!found.details.contains(detail) && !model.deletedDetails.contains(detail))
                        return failure(QStringLiteral("kill %1: the fingerprint %2 of import %3 points at booking %4, "
                                                      "which is neither there nor was deleted")
                                           .arg(kill)
                                           .arg(fingerprint)
                                           .arg(id)
                                           .arg(detail));
                }
                fingerprintsChecked += long(import.fingerprints.size());
            }
            for (const qint32 id : model.undoneImports) {
                if (found.imports.contains(id))
                    return failure(
                        QStringLiteral("kill %1: import %2 was taken back and is still there").arg(kill).arg(id));
            }
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
            std::printf("%d kills, %ld commits reported, %zu bookings, %zu imports and %zu occurrences in the file\n",
                        kill, reported, model.details.size() + model.transfers.size(), model.imports.size(),
                        model.occurrences.size());
    }
    std::printf("PASSED: %d kills (%ld while starting, %ld with an operation under way: %ld of those had "
                "committed whole, the others left nothing; %ld mid-import, %ld of those whole, %ld mid-undo, %ld of "
                "those whole, %ld mid-booking of a standing order's occurrence, %ld of those whole), %ld commits "
                "reported and found (%ld imports of %ld rows, %ld undos, %ld occurrences), %ld refused, "
                "%ld booking rows, %ld fingerprints and %ld occurrences (each once, none twice) compared after the "
                "kills, integrity ok and every balance equal to its opening balance plus its bookings after each "
                "kill; %.1f s\n",
                kills, startKills, inFlight, landed, midImport, importLanded, midUndo, undoLanded, midOccurrence,
                occurrenceLanded, reported, importsReported, importRowsReported, undosReported, occurrencesReported,
                refused, rowsChecked, fingerprintsChecked, occurrencesChecked, total.elapsed() / 1000.0);
    return 0;
}
