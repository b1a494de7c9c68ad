#include "bookings/TBookingStore.h"

#include "bookings/TBalanceChanges.h"
#include "data/DbError.h"
#include "data/TDM.h"

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
    return DbError(QStringLiteral("The booking %1 of table %2 does not exist.").arg(id).arg(QLatin1String(table)));
}

} // namespace

qint32 TBookingStore::saveDetail(const TDetailRow& row)
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
    if (id < 1) {
        db.execute(QStringLiteral("insert into Detail (type, DestID, Date, [From], Amount, [For], Memo)"
                                  " values (?, ?, ?, ?, ?, ?, ?)"),
                   values);
        id = static_cast<qint32>(db.lastInsertId());
    } else {
        const std::optional<StoredDetail> old = storedDetail(db, id);
        if (!old)
            throw missingRow("Detail", id);
        QVariantList withId = values;
        withId << id;
        db.execute(QStringLiteral("update Detail set type = ?, DestID = ?, Date = ?, [From] = ?, Amount = ?,"
                                  " [For] = ?, Memo = ? where ID = ?"),
                   withId);
        changes.add(old->holder, -detailEffect(old->type, old->amount), false);
    }
    changes.add(row.DestID, detailEffect(row.Type, row.Amount), true);
    changes.apply(db);
    transaction.commit();
    return id;
}

qint32 TBookingStore::saveTransfer(const TTransferRow& row)
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
    if (id < 1) {
        db.execute(QStringLiteral("insert into Transfer (SourceID, DestID, Date, [From], Amount, [For], Memo)"
                                  " values (?, ?, ?, ?, ?, ?, ?)"),
                   values);
        id = static_cast<qint32>(db.lastInsertId());
    } else {
        const std::optional<StoredTransfer> old = storedTransfer(db, id);
        if (!old)
            throw missingRow("Transfer", id);
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
    transaction.commit();
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
    return true;
}

bool TBookingStore::deleteBooking(int ledgerKind, qint32 id)
{
    switch (ledgerKind) {
    case 0:
    case 1:
        return deleteDetail(id);
    case 2:
    case 3:
        return deleteTransfer(id);
    default:
        return false;
    }
}
