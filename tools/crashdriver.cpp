// budget-crashdriver: books through the program's save logic in an endless loop, for the crash
// harness to kill at random moments.
//
//   budget-crashdriver FILE SEED          book deposits, debits, transfers, edits, deletes, statement
//                                         imports and undos of imports, and the due occurrences of
//                                         the file's standing orders
//   budget-crashdriver --hold-lock FILE   lock FILE as another program would, until stdin closes
//
// Before each operation it prints what it is about to write ("P ..."), and after the operation has
// returned, what was committed ("C ..."), one line each, flushed at once:
//   D id type holder amount date from     a deposit (type 0) or debit (type 1) as stored
//   T id source dest amount date from     a transfer as stored
//   XD id / XT id                         a deposit or debit / a transfer deleted
//   I id holder n R1 ... Rn               an import of n rows for holder, each row
//                                         "detail,type,amount,date,from,fingerprint" as stored in
//                                         Detail and ImportRow (detail 0 while pending)
//   U id                                  import id taken back
//   OD id type holder amount date from order scheduled
//   OT id source dest amount date from order scheduled
//                                         an occurrence of a standing order (its day of the rhythm
//                                         yyyy-MM-dd) booked as a deposit or debit, or a transfer
// A pending insert has the id 0. Amounts are raw ten-thousandths; dates have a T for the blank.

#include "bookings/TBookingStore.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "import/TImportMatcher.h"
#include "import/TImportStore.h"
#include "orders/TOrderStore.h"

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

QString storedDate(const QDateTime& date)
{
    return TDM::toDbDate(date).replace(u' ', u'T');
}

QString describe(const TDetailRow& r)
{
    return QStringLiteral("D %1 %2 %3 %4 %5 %6")
        .arg(r.ID)
        .arg(r.Type)
        .arg(r.DestID)
        .arg(r.Amount.raw())
        .arg(storedDate(r.Date), r.From);
}

QString describe(const TTransferRow& r)
{
    return QStringLiteral("T %1 %2 %3 %4 %5 %6")
        .arg(r.ID)
        .arg(r.SourceID)
        .arg(r.DestID)
        .arg(r.Amount.raw())
        .arg(storedDate(r.Date), r.From);
}

// The booking `id` a statement row becomes for `holder`.
TDetailRow booking(const TImportRow& r, qint32 holder, qint32 id)
{
    TDetailRow d;
    d.ID = id;
    d.Type = r.amount.isNegative() ? TDetailRow::Debit : TDetailRow::Deposit;
    d.DestID = holder;
    d.Date = QDateTime(r.date, QTime(TImportStore::BookingHour, 0));
    d.From = r.from.trimmed();
    d.Amount = r.amount.isNegative() ? -r.amount : r.amount;
    return d;
}

// The ticked rows of `preview` as an import of `id` for `holder`; `detailOf` gives the booking each
// fingerprint became (none while the import is pending).
QString describe(qint32 id, qint32 holder, const TImportPreview& preview, const std::map<QString, qint32>& detailOf)
{
    const QList<int> ticked = preview.tickedRows();
    QString s = QStringLiteral("I %1 %2 %3").arg(id).arg(holder).arg(ticked.size());
    for (const int i : ticked) {
        const auto detail = detailOf.find(preview.fingerprint(i));
        const TDetailRow d = booking(preview.row(i), holder, detail == detailOf.end() ? 0 : detail->second);
        s += QStringLiteral(" %1,%2,%3,%4,%5,%6")
                 .arg(d.ID)
                 .arg(d.Type)
                 .arg(d.Amount.raw())
                 .arg(storedDate(d.Date), d.From, preview.fingerprint(i));
    }
    return s;
}

// The booking an occurrence of `order` becomes (id 0 while pending), described as the harness reads it.
QString describe(const TStandingOrder& order, const TOccurrence& occurrence, qint32 id)
{
    const QDateTime when(occurrence.date, QTime(12, 0));
    const QString tail = QStringLiteral(" %1 %2").arg(order.ID).arg(occurrence.scheduled.toString(Qt::ISODate));
    if (order.kind == TStandingOrder::Kind::Transfer)
        return QLatin1Char('O') +
               describe(TTransferRow{
                   id, order.holder, order.destination, when, order.counterparty, occurrence.amount, {}, {}}) +
               tail;
    return QLatin1Char('O') +
           describe(TDetailRow{id,
                               order.kind == TStandingOrder::Kind::Debit ? 1 : 0,
                               order.holder,
                               when,
                               order.counterparty,
                               occurrence.amount,
                               {},
                               {}}) +
           tail;
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
    std::map<qint32, std::vector<qint32>> imports; // each import's bookings, deleted ones included
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
        QSqlQuery i = dm.select(QStringLiteral("select ID from Import"));
        while (i.next())
            imports[i.value(0).toInt()];
        QSqlQuery ir = dm.select(QStringLiteral("select ImportID, DetailID from ImportRow"));
        while (ir.next())
            imports[ir.value(0).toInt()].push_back(ir.value(1).toInt());
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

    // A statement of 1 to 300 rows of both signs, as a reader would give it; a text is now and then
    // empty or padded with blanks (stored trimmed, an empty one as nothing).
    auto anyStatement = [&] {
        TStatement st;
        const int rows = 1 + rng.bounded(300);
        for (int line = 1; line <= rows; ++line) {
            TImportRow r;
            r.line = line;
            r.date = Start.date().addDays(rng.bounded(365));
            r.amount = Currency::fromRaw(rng.bounded(2) == 0 ? anyAmount().raw() : -anyAmount().raw());
            const int shape = rng.bounded(10);
            r.from = shape == 0 ? QString() : QStringLiteral("payee-%1-\u00df").arg(rng.bounded(1000));
            if (shape == 1)
                r.from = QStringLiteral("  %1 ").arg(r.from);
            r.forText = QStringLiteral("invoice %1").arg(rng.bounded(100000));
            st.addRow(r, QStringLiteral("line %1").arg(line));
        }
        return st;
    };

    for (int step = 1;; ++step) {
        const int kind = rng.bounded(100);
        try {
            if (kind < 5 || (kind < 8 && imports.empty())) {
                TImportStore::Import import;
                import.holder = anyHolder();
                import.fileName = QStringLiteral("statement-%1-%2.csv").arg(args.at(2)).arg(step);
                const TImportPreview preview(anyStatement(),
                                             TImportMatcher(TImportStore::knownFingerprints(import.holder)));
                if (preview.tickedCount() == 0)
                    continue;
                say('P', describe(0, import.holder, preview, {}));
                const qint32 id = TImportStore::book(preview, import).value();
                std::map<QString, qint32> detailOf;
                QSqlQuery q =
                    dm.select(QStringLiteral("select Fingerprint, DetailID from ImportRow where ImportID = ?"), {id});
                while (q.next())
                    detailOf[q.value(0).toString()] = q.value(1).toInt();
                q.finish();
                for (const int i : preview.tickedRows()) {
                    const TDetailRow d = booking(preview.row(i), import.holder, detailOf[preview.fingerprint(i)]);
                    details[d.ID] = d;
                    imports[id].push_back(d.ID);
                }
                say('C', describe(id, import.holder, preview, detailOf));
            } else if (kind >= 92 && kind < 97) {
                // The occurrences due on a day of the year, the oldest first, a few at a time.
                const QList<TOccurrence> due = TOrderStore::due(Start.date().addDays(rng.bounded(365)));
                for (qsizetype n = 0; n < std::min<qsizetype>(due.size(), 1 + rng.bounded(4)); ++n) {
                    const TOccurrence& o = due.at(n);
                    const TStandingOrder order = TOrderStore::load(o.order).value();
                    say('P', describe(order, o, 0));
                    const TBooksChange::Booking booked = TOrderStore::book(o, o.amount);
                    const QDateTime when(o.date, QTime(12, 0));
                    if (booked.transfer)
                        transfers[booked.id] = {
                            booked.id, order.holder, order.destination, when, order.counterparty, o.amount, {}, {}};
                    else
                        details[booked.id] = {booked.id,
                                              order.kind == TStandingOrder::Kind::Debit ? 1 : 0,
                                              order.holder,
                                              when,
                                              order.counterparty,
                                              o.amount,
                                              {},
                                              {}};
                    say('C', describe(order, o, booked.id));
                }
            } else if (kind < 8) {
                const qint32 id = pick(imports);
                say('P', QStringLiteral("U %1").arg(id));
                if (!TImportStore::undo(id)) {
                    std::fprintf(stderr, "import %d is not in the file\n", id);
                    return 1;
                }
                for (const qint32 d : imports[id])
                    details.erase(d);
                imports.erase(id);
                say('C', QStringLiteral("U %1").arg(id));
            } else if (kind < 34 || details.empty()) {
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
            } else if (kind < 47) {
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
            } else if (kind < 84) {
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
            } else if (kind < 92) {
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
