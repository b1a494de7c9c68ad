#include "bookings/TBookingStore.h"

#include "bookings/TBalanceChanges.h"
#include "data/DbError.h"
#include "data/TBookingKind.h"
#include "data/TBooks.h"
#include "data/TDM.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

#include <stdexcept>

namespace {

// The effect of a deposit (+) or debit (-) on its holder.
Currency detailEffect(int type, Currency amount)
{
    return type == TDetailRow::Debit ? -amount : amount;
}

void checkAmount(Currency amount)
{
    if (amount <= Currency())
        throw std::invalid_argument("A booking's amount must be greater than 0.");
}

struct StoredDetail
{
    int type = 0;
    qint32 holder = 0;
    Currency amount;
};

std::optional<StoredDetail> storedDetail(const TDM& db, qint32 id)
{
    QSqlQuery q = db.select(QStringLiteral("select type, DestID, Amount from Detail where ID = ?"), {id});
    if (!q.next())
        return std::nullopt;
    return StoredDetail{q.value(0).toInt(), q.value(1).toInt(), Currency::fromRaw(q.value(2).toLongLong())};
}

struct StoredTransfer
{
    qint32 source = 0;
    qint32 dest = 0;
    Currency amount;
};

std::optional<StoredTransfer> storedTransfer(const TDM& db, qint32 id)
{
    QSqlQuery q = db.select(QStringLiteral("select SourceID, DestID, Amount from Transfer where ID = ?"), {id});
    if (!q.next())
        return std::nullopt;
    return StoredTransfer{q.value(0).toInt(), q.value(1).toInt(), Currency::fromRaw(q.value(2).toLongLong())};
}

DbError missingRow(const char* table, qint32 id)
{
    return DbError(QCoreApplication::translate("TBookingStore", "The booking %1 of table %2 does not exist.")
                       .arg(id)
                       .arg(QLatin1String(table)));
}

// The paying holder as it is now, inside the write's transaction.
TDataInfo payerNow(const TDM& db, qint32 id)
{
    QSqlQuery q =
        db.select(QStringLiteral("select %1 from Account where ID = ?").arg(QLatin1String(TDM::HolderColumns)), {id});
    return q.next() ? TDM::readHolder(q) : TDataInfo();
}

// Judges the rule of `payer`, who pays `amount` to `payee` (0 for a debit), an edit giving
// `stored` back.
void judge(const TDM& db, const TNegativePolicy& policy, qint32 payerId, qint32 payee, Currency amount,
           const std::optional<TNegativeRule::Stored>& stored)
{
    const TDataInfo payer = payerNow(db, payerId);
    if (payer.ID == 0)
        return; // a holder that is not there is refused by the balance change itself
    policy.judge(TNegativeRule::check(payer, payee, amount, stored), payer,
                 TNegativeRule::balanceAfter(payer, payee, amount, stored));
}

// Tells the views what a write did.
void tell(const TBalanceChanges& balances, const QList<qint32>& holders, TBooksChange::Booking booking,
          QList<TBooksChange::Booking> TBooksChange::*list)
{
    TBooksChange change;
    for (qint32 h : balances.holders())
        change.balances.insert(h);
    for (qint32 h : holders)
        change.bookingsOf.insert(h);
    (change.*list).append(booking);
    TBooks::notify(change);
}

} // namespace

qint32 TBookingStore::saveDetail(const TDetailRow& row, const TNegativePolicy& policy, const AlsoWrite& also)
{
    checkAmount(row.Amount);
    if (row.Type != TDetailRow::Deposit && row.Type != TDetailRow::Debit)
        throw std::invalid_argument("A deposit or debit has the type 0 or 1.");
    const TDM& db = TDM::current();
    const QVariantList values{row.Type,
                              row.DestID,
                              TDM::toDbDate(row.Date),
                              TDM::toDbText(row.From),
                              TDM::toDbMoney(row.Amount),
                              TDM::toDbText(row.For),
                              TDM::toDbText(row.Memo)};

    TDM::Transaction transaction(db);
    TBalanceChanges changes;
    qint32 id = row.ID;
    std::optional<StoredDetail> old;
    if (id >= 1) {
        old = storedDetail(db, id);
        if (!old)
            throw missingRow("Detail", id);
    }
    if (row.Type == TDetailRow::Debit) {
        // The stored booking goes back first: a debit paid by its holder, a deposit it received.
        std::optional<TNegativeRule::Stored> stored;
        if (old)
            stored = old->type == TDetailRow::Debit ? TNegativeRule::Stored{old->holder, 0, old->amount}
                                                    : TNegativeRule::Stored{0, old->holder, old->amount};
        judge(db, policy, row.DestID, 0, row.Amount, stored);
    }
    if (!old) {
        db.execute(QStringLiteral("insert into Detail (type, DestID, Date, [From], Amount, [For], Memo)"
                                  " values (?, ?, ?, ?, ?, ?, ?)"),
                   values);
        id = static_cast<qint32>(db.lastInsertId());
    } else {
        QVariantList withId = values;
        withId << id;
        db.execute(QStringLiteral("update Detail set type = ?, DestID = ?, Date = ?, [From] = ?, Amount = ?,"
                                  " [For] = ?, Memo = ? where ID = ?"),
                   withId);
        changes.add(old->holder, -detailEffect(old->type, old->amount), false);
    }
    changes.add(row.DestID, detailEffect(row.Type, row.Amount), true);
    changes.apply(db);
    if (also)
        also(db, id);
    transaction.commit();
    tell(changes, old ? QList<qint32>{old->holder, row.DestID} : QList<qint32>{row.DestID}, {false, id},
         old ? &TBooksChange::edited : &TBooksChange::added);
    return id;
}

qint32 TBookingStore::saveTransfer(const TTransferRow& row, const TNegativePolicy& policy, const AlsoWrite& also)
{
    checkAmount(row.Amount);
    const TDM& db = TDM::current();
    const QVariantList values{row.SourceID,
                              row.DestID,
                              TDM::toDbDate(row.Date),
                              TDM::toDbText(row.From),
                              TDM::toDbMoney(row.Amount),
                              TDM::toDbText(row.For),
                              TDM::toDbText(row.Memo)};

    TDM::Transaction transaction(db);
    TBalanceChanges changes;
    qint32 id = row.ID;
    std::optional<StoredTransfer> old;
    if (id >= 1) {
        old = storedTransfer(db, id);
        if (!old)
            throw missingRow("Transfer", id);
    }
    judge(db, policy, row.SourceID, row.DestID, row.Amount,
          old ? std::optional<TNegativeRule::Stored>(TNegativeRule::Stored{old->source, old->dest, old->amount})
              : std::nullopt);
    if (!old) {
        db.execute(QStringLiteral("insert into Transfer (SourceID, DestID, Date, [From], Amount, [For], Memo)"
                                  " values (?, ?, ?, ?, ?, ?, ?)"),
                   values);
        id = static_cast<qint32>(db.lastInsertId());
    } else {
        QVariantList withId = values;
        withId << id;
        db.execute(QStringLiteral("update Transfer set SourceID = ?, DestID = ?, Date = ?, [From] = ?, Amount = ?,"
                                  " [For] = ?, Memo = ? where ID = ?"),
                   withId);
        changes.add(old->source, old->amount, false);
        changes.add(old->dest, -old->amount, false);
    }
    changes.add(row.SourceID, -row.Amount, true);
    changes.add(row.DestID, row.Amount, true);
    changes.apply(db);
    if (also)
        also(db, id);
    transaction.commit();
    QList<qint32> holders{row.SourceID, row.DestID};
    if (old)
        holders << old->source << old->dest;
    tell(changes, holders, {true, id}, old ? &TBooksChange::edited : &TBooksChange::added);
    return id;
}

bool TBookingStore::deleteDetail(qint32 id)
{
    const TDM& db = TDM::current();
    TDM::Transaction transaction(db);
    const std::optional<StoredDetail> old = storedDetail(db, id);
    if (!old)
        return false;
    TBalanceChanges changes;
    changes.add(old->holder, -detailEffect(old->type, old->amount), false);
    changes.apply(db);
    db.execute(QStringLiteral("delete from Detail where ID = ?"), {id});
    transaction.commit();
    tell(changes, {old->holder}, {false, id}, &TBooksChange::deleted);
    return true;
}

bool TBookingStore::deleteTransfer(qint32 id)
{
    const TDM& db = TDM::current();
    TDM::Transaction transaction(db);
    const std::optional<StoredTransfer> old = storedTransfer(db, id);
    if (!old)
        return false;
    TBalanceChanges changes;
    changes.add(old->source, old->amount, false);
    changes.add(old->dest, -old->amount, false);
    changes.apply(db);
    db.execute(QStringLiteral("delete from Transfer where ID = ?"), {id});
    transaction.commit();
    tell(changes, {old->source, old->dest}, {true, id}, &TBooksChange::deleted);
    return true;
}

bool TBookingStore::deleteBooking(int ledgerKind, qint32 id)
{
    switch (static_cast<TBookingKind>(ledgerKind)) {
    case TBookingKind::Deposit:
    case TBookingKind::Debit:
        return deleteDetail(id);
    case TBookingKind::TransferOut:
    case TBookingKind::TransferIn:
        return deleteTransfer(id);
    }
    return false;
}

std::optional<TDetailRow> TBookingStore::loadDetail(qint32 id)
{
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select type, DestID, Date, [From], Amount, [For], Memo from Detail where ID = ?"), {id});
    if (!q.next())
        return std::nullopt;
    return TDetailRow{id,
                      q.value(0).toInt(),
                      q.value(1).toInt(),
                      TDM::fromDbDate(q.value(2).toString()),
                      q.value(3).toString(),
                      Currency::fromRaw(q.value(4).toLongLong()),
                      q.value(5).toString(),
                      q.value(6).toString()};
}

std::optional<TTransferRow> TBookingStore::loadTransfer(qint32 id)
{
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select SourceID, DestID, Date, [From], Amount, [For], Memo from Transfer where ID = ?"), {id});
    if (!q.next())
        return std::nullopt;
    return TTransferRow{id,
                        q.value(0).toInt(),
                        q.value(1).toInt(),
                        TDM::fromDbDate(q.value(2).toString()),
                        q.value(3).toString(),
                        Currency::fromRaw(q.value(4).toLongLong()),
                        q.value(5).toString(),
                        q.value(6).toString()};
}

namespace {

QStringList texts(QSqlQuery q)
{
    QStringList out;
    while (q.next()) {
        const QString text = q.value(0).toString();
        if (!text.isEmpty())
            out.append(text);
    }
    return out;
}

} // namespace

QStringList TBookingStore::detailCounterparties(int type)
{
    return texts(TDM::current().select(
        QStringLiteral("select distinct [From] from Detail where type = ? order by [From]"), {type}));
}

QStringList TBookingStore::transferCounterparties()
{
    return texts(TDM::current().select(QStringLiteral("select distinct [From] from Transfer order by [From]")));
}
