#include "orders/TOrderPayments.h"

#include "data/DbError.h"
#include "data/TDM.h"
#include "orders/TOrderStore.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>

namespace {

// What an occurrence of `order` of `amount` does to `holder`'s balance.
Currency effect(const TStandingOrder& order, qint32 holder, Currency amount)
{
    switch (order.kind) {
    case TStandingOrder::Kind::Deposit:
        return amount;
    case TStandingOrder::Kind::Debit:
        return -amount;
    case TStandingOrder::Kind::Transfer:
        break;
    }
    return order.holder == holder ? -amount : amount;
}

bool concerns(const TStandingOrder& order, qint32 holder)
{
    return order.holder == holder || (order.kind == TStandingOrder::Kind::Transfer && order.destination == holder);
}

} // namespace

QList<TExpectedPayment> TOrderPayments::expected(qint32 holder, const QDate& from, const QDate& to) const
{
    QHash<qint32, TStandingOrder> orders;
    for (const TStandingOrder& o : TOrderStore::list()) {
        if (concerns(o, holder))
            orders.insert(o.ID, o);
    }
    QList<TExpectedPayment> out;
    if (orders.isEmpty())
        return out;
    auto payment = [&](const TStandingOrder& o, const TOccurrence& occurrence) {
        TExpectedPayment p;
        p.source = o.ID;
        p.key = occurrence.scheduled;
        p.date = occurrence.date;
        p.amount = effect(o, holder, occurrence.amount);
        p.tolerancePercent = o.varying ? VaryingPercent : 0;
        p.label = TOrderStore::label(o, occurrence.scheduled);
        return p;
    };
    // Booked: the booking each became.
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select OrderID, Scheduled, Date, Amount, BookingID, Link from OrderOccurrence"
                       " where State = ? and Date >= ? and Date <= ? order by Date, OrderID"),
        {static_cast<int>(TOrderStore::State::Booked), TDM::toDbDay(from), TDM::toDbDay(to)});
    const QString format = QString::fromLatin1(TDM::DayFormat);
    while (q.next()) {
        const auto it = orders.constFind(q.value(0).toInt());
        if (it == orders.cend())
            continue;
        TExpectedPayment p = payment(*it, {it->ID, QDate::fromString(q.value(1).toString(), format),
                                           QDate::fromString(q.value(2).toString(), format),
                                           Currency::fromRaw(q.value(3).toLongLong())});
        p.bookingId = q.value(4).toInt();
        p.transfer = q.value(5).toInt() == 2;
        out.append(p);
    }
    // Due or to come: deposits and debits, which an import books.
    for (const TOccurrence& o : TOrderStore::unbooked(from, to)) {
        const auto it = orders.constFind(o.order);
        if (it != orders.cend() && it->kind != TStandingOrder::Kind::Transfer)
            out.append(payment(*it, o));
    }
    return out;
}

void TOrderPayments::claim(const TDM& db, const TExpectedPayment& payment, qint32 detailId) const
{
    // The row's own amount, as the import stored it; the key refuses an occurrence recorded before.
    const int added =
        db.execute(QStringLiteral("insert into OrderOccurrence (OrderID, Scheduled, Date, State, Amount, BookingID,"
                                  " Link) select ?, ?, ?, ?, Amount, ID, 1 from Detail where ID = ?"
                                  " and exists (select 1 from StandingOrder where ID = ?)"),
                   {payment.source, TDM::toDbDay(payment.key), TDM::toDbDay(payment.date),
                    static_cast<int>(TOrderStore::State::Booked), detailId, payment.source});
    if (added != 1)
        throw DbError(QCoreApplication::translate("TOrderPayments", "The standing order of %1 no longer exists.")
                          .arg(payment.label));
}
