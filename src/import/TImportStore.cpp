#include "import/TImportStore.h"

#include "bookings/TBalanceChanges.h"
#include "bookings/TDetailRow.h"
#include "data/DbError.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "data/TDM.h"
#include "import/TExpectedPayments.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <stdexcept>

namespace {

// How many rows are staged between two reports of the progress, and booked by one statement.
constexpr int ProgressStep = 256;
constexpr int SliceRows = 4096;

DbError outOfRange(qint32 holder)
{
    return DbError(
        QCoreApplication::translate("TImportStore", "The balance of the account or wallet %1 would be out of range.")
            .arg(holder));
}

} // namespace

QSet<QString> TImportStore::knownFingerprints(qint32 holder)
{
    QSqlQuery q =
        TDM::current().select(QStringLiteral("select Fingerprint from ImportRow where HolderID = ?"), {holder});
    QSet<QString> known;
    while (q.next())
        known.insert(q.value(0).toString());
    return known;
}

TNegativeRule::Outcome TImportStore::negativeRule(const TDataInfo& holder, const TImportPreview& preview,
                                                  std::optional<Currency>* after)
{
    const std::optional<Currency> balance = preview.balanceAfter(holder.Balance);
    if (after != nullptr)
        *after = balance;
    if (!balance)
        return TNegativeRule::Outcome::Refused;
    const std::optional<Currency> debits = preview.debits();
    if (debits && debits->isZero())
        return TNegativeRule::Outcome::Allowed;
    return TNegativeRule::check(holder.Negative, holder.WarnNegative, *balance);
}

QList<TTypedBooking> TImportStore::typedBookings(qint32 holder, const QDate& from, const QDate& to)
{
    const QString first = TDM::toDbDay(from), after = TDM::toDbDay(to.addDays(1));
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select d.ID, 0, d.Date, case d.type when ? then -d.Amount else d.Amount end, d.[From]"
                       " from Detail d where d.DestID = ? and d.Date >= ? and d.Date < ?"
                       " and not exists (select 1 from ImportRow r where r.DetailID = d.ID and r.Link in (0, 1))"
                       " union all"
                       " select t.ID, 1, t.Date, case when t.SourceID = ? then -t.Amount else t.Amount end, a.name"
                       " from Transfer t left join Account a"
                       " on a.ID = case when t.SourceID = ? then t.DestID else t.SourceID end"
                       " where (t.SourceID = ? or t.DestID = ?) and t.Date >= ? and t.Date < ?"
                       " and not exists (select 1 from ImportRow r"
                       " where r.DetailID = t.ID and r.Link = 2 and r.HolderID = ?)"),
        {TDetailRow::Debit, holder, first, after, holder, holder, holder, holder, first, after, holder});
    QList<TTypedBooking> out;
    while (q.next())
        out.append({q.value(0).toInt(), q.value(1).toInt() == 1, TDM::fromDbDate(q.value(2).toString()).date(),
                    Currency::fromRaw(q.value(3).toLongLong()), q.value(4).toString()});
    return out;
}

Currency TImportStore::movedAfter(qint32 holder, const QDate& day)
{
    const QString after = TDM::toDbDay(day.addDays(1));
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select (select coalesce(sum(case type when ? then -Amount else Amount end), 0)"
                       " from Detail where DestID = ? and Date >= ?)"
                       " - (select coalesce(sum(Amount), 0) from Transfer where SourceID = ? and Date >= ?)"
                       " + (select coalesce(sum(Amount), 0) from Transfer where DestID = ? and Date >= ?)"),
        {TDetailRow::Debit, holder, after, holder, after, holder, after});
    q.next();
    return Currency::fromRaw(q.value(0).toLongLong());
}

std::optional<qint32> TImportStore::book(const TImportPreview& preview, const Import& import, const Progress& progress,
                                         const TNegativePolicy& policy)
{
    const QList<int> ticked = preview.tickedRows();
    const QList<int> linked = preview.linkedRows();
    if (ticked.isEmpty() && linked.isEmpty())
        throw std::invalid_argument("No row of the statement is ticked for booking.");
    const std::optional<Currency> net = preview.net();
    if (!net || !preview.deposits() || !preview.debits())
        throw outOfRange(import.holder);

    const TDM& db = TDM::current();
    TDM::Transaction transaction(db);
    // The rule on the holder as it is now, with the whole import's balance.
    if (const TDataInfo holder = TDM::LoadHolder(import.holder); holder.ID != 0) {
        std::optional<Currency> after;
        const TNegativeRule::Outcome outcome = negativeRule(holder, preview, &after);
        if (!after)
            throw outOfRange(import.holder);
        policy.judge(outcome, holder, *after);
    }
    TBalanceChanges balance;
    balance.add(import.holder, *net, true);
    balance.apply(db);
    db.execute(QStringLiteral("insert into Import (Date, HolderID, FileName, RowCount, Total, Profile)"
                              " values (?, ?, ?, ?, ?, ?)"),
               {TDM::toDbDate(TClock::now()), import.holder, import.fileName, static_cast<int>(ticked.size()),
                TDM::toDbMoney(*net), TDM::toDbText(import.profile)});
    const auto id = static_cast<qint32>(db.lastInsertId());

    // The rows go into a staging table of this connection first, and from there into Detail in
    // slices: the trigram index keeps what a statement adds in memory until the statement ends, so
    // a statement per row would write a piece of index per row (ten times slower at 100,000 rows).
    // The bookings take the ids after the highest one ever used, in the file's order.
    db.execute(QStringLiteral("create temp table if not exists ImportStage (Seq INTEGER PRIMARY KEY, type INTEGER,"
                              " Date TEXT, [From] TEXT, Amount INTEGER, [For] TEXT, Memo TEXT, Fingerprint TEXT)"));
    db.execute(QStringLiteral("delete from temp.ImportStage"));
    TDM::Prepared stage(db, QStringLiteral("insert into temp.ImportStage values (?, ?, ?, ?, ?, ?, ?, ?)"));
    const int rows = static_cast<int>(ticked.size());
    const int steps = 2 * rows;
    for (int done = 0; done < rows; ++done) {
        if (progress && done % ProgressStep == 0 && !progress(done, steps))
            return std::nullopt;
        const int i = ticked.at(done);
        const TImportRow& r = preview.row(i);
        if (r.amount == Currency::min())
            throw outOfRange(import.holder);
        const bool debit = r.amount.isNegative();
        stage.run({done + 1, debit ? TDetailRow::Debit : TDetailRow::Deposit,
                   TDM::toDbDate(QDateTime(r.date, QTime(BookingHour, 0))), TDM::toDbText(r.from),
                   TDM::toDbMoney(debit ? -r.amount : r.amount), TDM::toDbText(r.forText), TDM::toDbText(r.memo),
                   preview.fingerprint(i)});
    }
    QSqlQuery highest =
        db.select(QStringLiteral("select max(coalesce((select seq from sqlite_sequence where name = 'Detail'), 0),"
                                 " coalesce((select max(ID) from Detail), 0))"));
    highest.next();
    const qint64 base = highest.value(0).toLongLong();
    highest.finish();
    for (int first = 1; first <= rows; first += SliceRows) {
        const int last = std::min(first + SliceRows - 1, rows);
        if (progress && !progress(rows + first - 1, steps))
            return std::nullopt;
        db.execute(QStringLiteral("insert into Detail (ID, type, DestID, Date, [From], Amount, [For], Memo)"
                                  " select ? + Seq, type, ?, Date, [From], Amount, [For], Memo from temp.ImportStage"
                                  " where Seq between ? and ? order by Seq"),
                   {base, import.holder, first, last});
        db.execute(QStringLiteral("insert into ImportRow (ImportID, HolderID, Fingerprint, DetailID)"
                                  " select ?, ?, Fingerprint, ? + Seq from temp.ImportStage where Seq between ? and ?"),
                   {id, import.holder, base, first, last});
    }
    // The rows that are payments the books expected: each recorded as booked by its row, in this
    // transaction, so it is never due again nor booked twice.
    for (int done = 0; done < rows; ++done) {
        const int i = ticked.at(done);
        if (preview.status(i) != TImportPreview::Status::Expected)
            continue;
        const TExpectedPayments* payments = TExpectedPayments::installed();
        if (payments == nullptr)
            throw std::logic_error("An expected payment without a provider of expected payments.");
        payments->claim(db, *preview.expected(i), static_cast<qint32>(base + done + 1));
    }
    // The rows that are bookings typed before: their fingerprints, linked to those bookings.
    TDM::Prepared link(db, QStringLiteral("insert into ImportRow (ImportID, HolderID, Fingerprint, DetailID, Link)"
                                          " values (?, ?, ?, ?, ?)"));
    for (int i : linked) {
        const TTypedBooking* typed = preview.typed(i);
        link.run({id, import.holder, preview.fingerprint(i), typed->id, typed->transfer ? 2 : 1});
    }
    if (progress && !progress(steps, steps))
        return std::nullopt;
    db.execute(QStringLiteral("drop table temp.ImportStage"));
    if (!import.profile.isEmpty())
        db.execute(QStringLiteral("update ImportProfile set HolderID = ?,"
                                  " Used = (select max(Used) + 1 from ImportProfile) where Name = ?"),
                   {import.holder, import.profile});
    transaction.commit();
    TBooksChange change;
    change.balances.insert(import.holder);
    change.bookingsOf.insert(import.holder);
    for (int k = 1; k <= rows; ++k)
        change.added.append({false, static_cast<qint32>(base + k)});
    TBooks::notify(change);
    return id;
}

std::optional<QList<qint32>> TImportStore::undo(qint32 id)
{
    const TDM& db = TDM::current();
    TDM::Transaction transaction(db);
    {
        QSqlQuery q = db.select(QStringLiteral("select 1 from Import where ID = ?"), {id});
        if (!q.next())
            return std::nullopt;
    }
    // Each holder gives back what the import's remaining bookings did to it, as they stand now.
    TBalanceChanges changes;
    TBooksChange told;
    {
        QSqlQuery q =
            db.select(QStringLiteral("select d.DestID, d.type, d.Amount, d.ID from ImportRow r"
                                     " join Detail d on d.ID = r.DetailID where r.ImportID = ? and r.Link = 0"),
                      {id});
        while (q.next()) {
            const Currency amount = Currency::fromRaw(q.value(2).toLongLong());
            changes.add(q.value(0).toInt(), q.value(1).toInt() == TDetailRow::Debit ? amount : -amount, false);
            told.bookingsOf.insert(q.value(0).toInt());
            told.deleted.append({false, q.value(3).toInt()});
        }
    }
    changes.apply(db);
    db.execute(QStringLiteral(
                   "delete from Detail where ID in (select DetailID from ImportRow where ImportID = ? and Link = 0)"),
               {id});
    db.execute(QStringLiteral("delete from ImportRow where ImportID = ?"), {id});
    db.execute(QStringLiteral("delete from Import where ID = ?"), {id});
    transaction.commit();
    for (qint32 h : changes.holders())
        told.balances.insert(h);
    TBooks::notify(told);
    return changes.holders();
}

QList<TImportRecord> TImportStore::list()
{
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select i.ID, i.Date, i.HolderID, a.name, i.FileName, i.RowCount, i.Total, i.Profile"
                       " from Import i left join Account a on a.ID = i.HolderID order by i.ID desc"));
    QList<TImportRecord> out;
    while (q.next()) {
        TImportRecord r;
        r.id = q.value(0).toInt();
        r.when = TDM::fromDbDate(q.value(1).toString());
        r.holderId = q.value(2).toInt();
        r.holderName = q.value(3).toString();
        r.fileName = q.value(4).toString();
        r.rows = q.value(5).toInt();
        r.total = Currency::fromRaw(q.value(6).toLongLong());
        r.profile = q.value(7).toString();
        out.append(r);
    }
    return out;
}
