// budget-crashdriver: books through the program's save logic in an endless loop, for the crash
// harness to kill at random moments.
//
//   budget-crashdriver FILE SEED          book deposits, debits, transfers, edits and deletes
//   budget-crashdriver --hold-lock FILE   lock FILE as another program would, until stdin closes
//
// Before each operation it prints what it is about to write ("P ..."), and after the operation has
// returned, what was committed ("C ..."), one line each, flushed at once:
//   D id type holder amount date from     a deposit (type 0) or debit (type 1) as stored
//   T id source dest amount date from     a transfer as stored
//   XD id / XT id                         a deposit or debit / a transfer deleted
// A pending insert has the id 0. Amounts are raw ten-thousandths.

#include "bookings/TBookingStore.h"
#include "data/DbError.h"
#include "data/TDM.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlQuery>

#include <cstdio>
#include <map>
#include <sqlite3.h>
#include <vector>

namespace {

const QDateTime Start(QDate(2026, 1, 1), QTime(8, 0));

QString describe(const TDetailRow& r)
{
    return QStringLiteral("D %1 %2 %3 %4 %5 %6")
        .arg(r.ID)
        .arg(r.Type)
        .arg(r.DestID)
        .arg(r.Amount.raw())
        .arg(TDM::toDbDate(r.Date).replace(u' ', u'T'), r.From);
}

QString describe(const TTransferRow& r)
{
    return QStringLiteral("T %1 %2 %3 %4 %5 %6")
        .arg(r.ID)
        .arg(r.SourceID)
        .arg(r.DestID)
        .arg(r.Amount.raw())
        .arg(TDM::toDbDate(r.Date).replace(u' ', u'T'), r.From);
}

void say(char kind, const QString& line)
{
    std::printf("%c %s\n", kind, line.toUtf8().constData());
    std::fflush(stdout);
}

int holdLock(const QString& path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; SELECT count(*) FROM sqlite_master;",
                     nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot lock %s: %s\n", qPrintable(path), sqlite3_errmsg(db));
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QStringLiteral("--hold-lock"))
        return holdLock(args.at(2));
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: budget-crashdriver FILE SEED | --hold-lock FILE\n");
        return 64;
    }

    TDM dm(args.at(1), false);
    std::map<qint32, TDetailRow> details;
    std::map<qint32, TTransferRow> transfers;
    std::vector<qint32> holders;
    try {
        dm.DataModuleCreate();
        QSqlQuery h = dm.select(QStringLiteral("select ID from Account order by ID"));
        while (h.next())
            holders.push_back(h.value(0).toInt());
        QSqlQuery d = dm.select(QStringLiteral("select ID, type, DestID, Date, [From], Amount from Detail"));
        while (d.next()) {
            TDetailRow r;
            r.ID = d.value(0).toInt();
            r.Type = d.value(1).toInt();
            r.DestID = d.value(2).toInt();
            r.Date = TDM::fromDbDate(d.value(3).toString());
            r.From = d.value(4).toString();
            r.Amount = Currency::fromRaw(d.value(5).toLongLong());
            details[r.ID] = r;
        }
        QSqlQuery t = dm.select(QStringLiteral("select ID, SourceID, DestID, Date, [From], Amount from Transfer"));
        while (t.next()) {
            TTransferRow r;
            r.ID = t.value(0).toInt();
            r.SourceID = t.value(1).toInt();
            r.DestID = t.value(2).toInt();
            r.Date = TDM::fromDbDate(t.value(3).toString());
            r.From = t.value(4).toString();
            r.Amount = Currency::fromRaw(t.value(5).toLongLong());
            transfers[r.ID] = r;
        }
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    if (holders.empty()) {
        std::fprintf(stderr, "no holders\n");
        return 1;
    }

    QRandomGenerator rng(args.at(2).toUInt());
    auto anyHolder = [&] {
        return holders[rng.bounded(int(holders.size()))];
    };
    auto anyAmount = [&] {
        return Currency::fromRaw(1 + rng.bounded(1000000000));
    };
    auto anyDate = [&] {
        return Start.addSecs(rng.bounded(365 * 24 * 3600));
    };
    auto anyFrom = [&] {
        return QStringLiteral("party-%1-\u00fc").arg(rng.bounded(1000));
    };
    auto pick = [&](const auto& rows) {
        auto it = rows.begin();
        std::advance(it, rng.bounded(int(rows.size())));
        return it->first;
    };

    for (;;) {
        const int kind = rng.bounded(100);
        try {
            if (kind < 30 || details.empty()) {
                TDetailRow r;
                r.Type = rng.bounded(2);
                r.DestID = anyHolder();
                r.Date = anyDate();
                r.From = anyFrom();
                r.Amount = anyAmount();
                say('P', describe(r));
                r.ID = TBookingStore::saveDetail(r);
                details[r.ID] = r;
                say('C', describe(r));
            } else if (kind < 45) {
                TDetailRow r = details[pick(details)];
                r.Amount = anyAmount();
                if (rng.bounded(2) == 0)
                    r.DestID = anyHolder();
                r.Type = rng.bounded(2);
                say('P', describe(r));
                TBookingStore::saveDetail(r);
                details[r.ID] = r;
                say('C', describe(r));
            } else if (kind < 70 || transfers.empty()) {
                TTransferRow r;
                r.SourceID = anyHolder();
                r.DestID = anyHolder();
                r.Date = anyDate();
                r.From = anyFrom();
                r.Amount = anyAmount();
                say('P', describe(r));
                r.ID = TBookingStore::saveTransfer(r);
                transfers[r.ID] = r;
                say('C', describe(r));
            } else if (kind < 85) {
                TTransferRow r = transfers[pick(transfers)];
                r.Amount = anyAmount();
                if (rng.bounded(2) == 0)
                    r.SourceID = anyHolder();
                if (rng.bounded(2) == 0)
                    r.DestID = anyHolder();
                say('P', describe(r));
                TBookingStore::saveTransfer(r);
                transfers[r.ID] = r;
                say('C', describe(r));
            } else if (kind < 93) {
                const qint32 id = pick(details);
                say('P', QStringLiteral("XD %1").arg(id));
                TBookingStore::deleteDetail(id);
                details.erase(id);
                say('C', QStringLiteral("XD %1").arg(id));
            } else {
                const qint32 id = pick(transfers);
                say('P', QStringLiteral("XT %1").arg(id));
                TBookingStore::deleteTransfer(id);
                transfers.erase(id);
                say('C', QStringLiteral("XT %1").arg(id));
            }
        } catch (const std::exception& e) {
            // A refused operation (a balance out of range) writes nothing; say so and go on.
            say('R', QString::fromUtf8(e.what()));
        }
    }
}
