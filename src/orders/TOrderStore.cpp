#include "orders/TOrderStore.h"

#include "bookings/TBookingStore.h"
#include "data/DbError.h"
#include "data/TBooks.h"
#include "data/TDM.h"
#include "orders/TOrderSchedule.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace {

// An occurrence is booked at noon of its day: never skipped or doubled by a change of clocks.
constexpr int BookingHour = 12;

// How an OrderOccurrence names its booking.
constexpr int DetailLink = 1;
constexpr int TransferLink = 2;

const char* const OrderColumns =
    "o.ID, o.Kind, o.HolderID, o.DestID, o.Amount, o.[From], o.[For], o.Memo, o.Unit, o.Every, o.First, o.Last,"
    " o.Times, o.Weekend, o.Varying, o.Automatic, o.Paused, o.Resumed";

QDate day(const QVariant& value)
{
    return value.isNull() ? QDate() : QDate::fromString(value.toString(), QString::fromLatin1(TDM::DayFormat));
}

QVariant dbDay(const QDate& d)
{
    return d.isValid() ? QVariant(TDM::toDbDay(d)) : QVariant();
}

TStandingOrder readOrder(const QSqlQuery& q)
{
    TStandingOrder o;
    o.ID = q.value(0).toInt();
    o.kind = static_cast<TStandingOrder::Kind>(q.value(1).toInt());
    o.holder = q.value(2).toInt();
    o.destination = q.value(3).toInt();
    o.amount = Currency::fromRaw(q.value(4).toLongLong());
    o.counterparty = q.value(5).toString();
    o.forText = q.value(6).toString();
    o.memo = q.value(7).toString();
    o.unit = static_cast<TStandingOrder::Unit>(q.value(8).toInt());
    o.every = q.value(9).toInt();
    o.first = day(q.value(10));
    o.last = day(q.value(11));
    o.times = q.value(12).toInt();
    o.weekend = static_cast<TStandingOrder::Weekend>(q.value(13).toInt());
    o.varying = q.value(14).toBool();
    o.automatic = q.value(15).toBool();
    o.paused = q.value(16).toBool();
    o.resumed = day(q.value(17));
    return o;
}

void check(const TStandingOrder& o)
{
    if (o.amount <= Currency())
        throw std::invalid_argument("A standing order's amount must be greater than 0.");
    if (o.every < 1 || !o.first.isValid() || o.times < 0 || (o.last.isValid() && o.last < o.first))
        throw std::invalid_argument("A standing order needs a rhythm: every 1 or more units from a first day.");
    const bool transfer = o.kind == TStandingOrder::Kind::Transfer;
    if (o.holder < 1 || (transfer && (o.destination < 1 || o.destination == o.holder)))
        throw std::invalid_argument("A standing order needs its holder, and a transfer two different ones.");
}

void tellOrder(qint32 id)
{
    TBooksChange change;
    change.orders.insert(id);
    TBooks::notify(change);
}

// An order, the day up to which an earlier rhythm of it settled its occurrences (invalid when it
// was never edited after a record), and the days of the rhythm it has records of after that day.
struct OrderState
{
    TStandingOrder order;
    QDate settled;
    QSet<qint64> recorded; // Julian days

    bool isOpen(const QDate& scheduled) const
    {
        return (!settled.isValid() || scheduled > settled) && !recorded.contains(scheduled.toJulianDay());
    }
};

QList<OrderState> orderStates(const TDM& db, bool activeOnly, qint32 id = 0)
{
    QStringList where;
    QVariantList values;
    if (activeOnly)
        where << QStringLiteral("o.Paused = 0");
    if (id != 0) {
        where << QStringLiteral("o.ID = ?");
        values << id;
    }
    const QString filter =
        where.isEmpty() ? QString() : QStringLiteral(" where ") + where.join(QStringLiteral(" and "));
    // With each order the newest of its records after the settled day, and how many there are.
    const QString after = QStringLiteral("from OrderOccurrence r where r.OrderID = o.ID"
                                         " and r.Scheduled > coalesce(o.Since, '')");
    QSqlQuery q = db.select(QStringLiteral("select %1, o.Since, (select max(r.Scheduled) %2), (select count(*) %2)"
                                           " from StandingOrder o%3 order by o.ID")
                                .arg(QLatin1String(OrderColumns), after, filter),
                            values);
    QList<OrderState> out;
    QList<qint32> scattered;
    while (q.next()) {
        OrderState s{readOrder(q), day(q.value(18)), {}};
        const int count = q.value(20).toInt();
        if (count > 0) {
            // Records without a gap up to the newest settle every occurrence up to it, as the due
            // list mostly finds them; else the order's records are read one by one.
            const QDate newest = day(q.value(19));
            const TOrderSchedule schedule(s.order);
            const int before = s.settled.isValid() ? schedule.countUpTo(s.settled) : 0;
            if (schedule.countUpTo(newest) - before == count)
                s.settled = newest;
            else
                scattered << s.order.ID;
        }
        out.append(s);
    }
    q.finish();
    for (qint32 order : scattered) {
        OrderState* s = nullptr;
        for (OrderState& candidate : out) {
            if (candidate.order.ID == order)
                s = &candidate;
        }
        QSqlQuery r = db.select(
            QStringLiteral("select Scheduled from OrderOccurrence where OrderID = ? and Scheduled > coalesce(?, '')"),
            {order, dbDay(s->settled)});
        while (r.next())
            s->recorded.insert(day(r.value(0)).toJulianDay());
    }
    return out;
}

// The occurrences of `s` without a record that fall due from `from` to `to`.
QList<TOccurrence> open(const OrderState& s, const QDate& from, const QDate& to)
{
    QList<TOccurrence> out;
    QDate start = from;
    // What an earlier rhythm settled stays settled; the weekend rule moves a day by two at most.
    if (s.settled.isValid())
        start = std::max(start, s.settled.addDays(-7));
    if (s.order.resumed.isValid())
        start = std::max(start, s.order.resumed);
    if (start > to)
        return out;
    const TOrderSchedule schedule(s.order);
    for (const TOrderSchedule::Date& d : schedule.between(start, to)) {
        if (s.isOpen(d.scheduled))
            out.append({s.order.ID, d.scheduled, d.date, s.order.amount});
    }
    return out;
}

void sortOldestFirst(QList<TOccurrence>& list)
{
    std::sort(list.begin(), list.end(), [](const TOccurrence& a, const TOccurrence& b) {
        return std::tie(a.date, a.order, a.scheduled) < std::tie(b.date, b.order, b.scheduled);
    });
}

DbError notDue(const TOccurrence& o)
{
    return DbError(
        QCoreApplication::translate("TOrderStore", "The occurrence of %1 of the standing order %2 is no longer due.")
            .arg(QLocale().toString(o.scheduled, QLocale::ShortFormat))
            .arg(o.order));
}

bool recorded(const TDM& db, qint32 order, const QDate& scheduled)
{
    QSqlQuery q = db.select(QStringLiteral("select 1 from OrderOccurrence where OrderID = ? and Scheduled = ?"),
                            {order, TDM::toDbDay(scheduled)});
    return q.next();
}

TOrderStore::Record readRecord(const QSqlQuery& q)
{
    TOrderStore::Record r;
    r.occurrence = {q.value(0).toInt(), day(q.value(1)), day(q.value(2)), Currency::fromRaw(q.value(4).toLongLong())};
    r.state = static_cast<TOrderStore::State>(q.value(3).toInt());
    r.booking = {q.value(6).toInt() == TransferLink, q.value(5).toInt()};
    return r;
}

const char* const RecordColumns = "OrderID, Scheduled, Date, State, Amount, BookingID, Link";

} // namespace

QList<TStandingOrder> TOrderStore::list()
{
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select %1 from StandingOrder o order by ID").arg(QLatin1String(OrderColumns)));
    QList<TStandingOrder> out;
    while (q.next())
        out.append(readOrder(q));
    return out;
}

std::optional<TStandingOrder> TOrderStore::load(qint32 id)
{
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select %1 from StandingOrder o where ID = ?").arg(QLatin1String(OrderColumns)), {id});
    if (!q.next())
        return std::nullopt;
    return readOrder(q);
}

qint32 TOrderStore::save(const TStandingOrder& o)
{
    check(o);
    const TDM& db = TDM::current();
    const bool transfer = o.kind == TStandingOrder::Kind::Transfer;
    QVariantList values{static_cast<int>(o.kind),
                        o.holder,
                        transfer ? o.destination : 0,
                        TDM::toDbMoney(o.amount),
                        TDM::toDbText(o.counterparty),
                        TDM::toDbText(o.forText),
                        TDM::toDbText(o.memo),
                        static_cast<int>(o.unit),
                        o.every,
                        TDM::toDbDay(o.first),
                        dbDay(o.last),
                        o.times,
                        static_cast<int>(o.weekend),
                        o.varying ? 1 : 0,
                        o.automatic ? 1 : 0,
                        o.paused ? 1 : 0,
                        dbDay(o.resumed)};
    TDM::Transaction transaction(db);
    qint32 id = o.ID;
    if (id < 1) {
        db.execute(QStringLiteral("insert into StandingOrder (Kind, HolderID, DestID, Amount, [From], [For], Memo,"
                                  " Unit, Every, First, Last, Times, Weekend, Varying, Automatic, Paused, Resumed)"
                                  " values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   values);
        id = static_cast<qint32>(db.lastInsertId());
    } else {
        values << id;
        if (db.execute(QStringLiteral("update StandingOrder set Kind = ?, HolderID = ?, DestID = ?, Amount = ?,"
                                      " [From] = ?, [For] = ?, Memo = ?, Unit = ?, Every = ?, First = ?, Last = ?,"
                                      " Times = ?, Weekend = ?, Varying = ?, Automatic = ?, Paused = ?, Resumed = ?,"
                                      " Since = nullif(max(coalesce(Since, ''), coalesce((select max(Scheduled)"
                                      " from OrderOccurrence where OrderID = StandingOrder.ID), '')), '')"
                                      " where ID = ?"),
                       values) != 1)
            throw DbError(QCoreApplication::translate("TOrderStore", "The standing order %1 does not exist.").arg(id));
    }
    transaction.commit();
    tellOrder(id);
    return id;
}

bool TOrderStore::remove(qint32 id)
{
    const TDM& db = TDM::current();
    TDM::Transaction transaction(db);
    db.execute(QStringLiteral("delete from OrderOccurrence where OrderID = ?"), {id});
    const bool removed = db.execute(QStringLiteral("delete from StandingOrder where ID = ?"), {id}) == 1;
    transaction.commit();
    if (removed)
        tellOrder(id);
    return removed;
}

bool TOrderStore::setPaused(qint32 id, bool paused, const QDate& today)
{
    const int changed =
        paused ? TDM::current().execute(QStringLiteral("update StandingOrder set Paused = 1 where ID = ?"), {id})
               : TDM::current().execute(
                     QStringLiteral("update StandingOrder set Paused = 0, Resumed = ? where ID = ? and Paused = 1"),
                     {TDM::toDbDay(today), id});
    if (changed == 1)
        tellOrder(id);
    return changed == 1 || load(id).has_value();
}

QList<TOccurrence> TOrderStore::due(const QDate& today)
{
    QList<TOccurrence> out;
    for (const OrderState& s : orderStates(TDM::current(), true))
        out += open(s, s.order.first.addDays(-7), today);
    sortOldestFirst(out);
    return out;
}

QList<TOccurrence> TOrderStore::unbooked(const QDate& from, const QDate& to)
{
    QList<TOccurrence> out;
    for (const OrderState& s : orderStates(TDM::current(), true))
        out += open(s, from, to);
    sortOldestFirst(out);
    return out;
}

int TOrderStore::dueWithin(const QDate& today, int days)
{
    qsizetype n = 0;
    for (const OrderState& s : orderStates(TDM::current(), true))
        n += open(s, today.addDays(1), today.addDays(days)).size();
    return static_cast<int>(n);
}

std::optional<TOccurrence> TOrderStore::next(qint32 order, const QDate& today)
{
    const QList<OrderState> states = orderStates(TDM::current(), false, order);
    if (states.isEmpty())
        return std::nullopt;
    const OrderState& s = states.first();
    if (const QList<TOccurrence> due = open(s, s.order.first.addDays(-7), today); !due.isEmpty())
        return due.first();
    const TOrderSchedule schedule(s.order);
    for (std::optional<TOrderSchedule::Date> d = schedule.nextAfter(today); d; d = schedule.at(d->index + 1)) {
        if (s.isOpen(d->scheduled))
            return TOccurrence{order, d->scheduled, d->date, s.order.amount};
    }
    return std::nullopt;
}

TBooksChange::Booking TOrderStore::book(const TOccurrence& occurrence, Currency amount, const TNegativePolicy& policy)
{
    const TDM& db = TDM::current();
    const std::optional<TStandingOrder> order = load(occurrence.order);
    if (!order || recorded(db, occurrence.order, occurrence.scheduled))
        throw notDue(occurrence);
    if (!TOrderSchedule(*order).indexOf(occurrence.scheduled))
        throw std::invalid_argument("The day is not one of the standing order's rhythm.");
    const bool transfer = order->kind == TStandingOrder::Kind::Transfer;
    const QDateTime when(occurrence.date, QTime(BookingHour, 0));
    // The record goes into the booking's own transaction; its key stops a second booking.
    const TBookingStore::AlsoWrite record = [&](const TDM& tx, qint32 id) {
        tx.execute(QStringLiteral("insert into OrderOccurrence (OrderID, Scheduled, Date, State, Amount, BookingID,"
                                  " Link) values (?, ?, ?, ?, ?, ?, ?)"),
                   {occurrence.order, TDM::toDbDay(occurrence.scheduled), TDM::toDbDay(occurrence.date),
                    static_cast<int>(State::Booked), TDM::toDbMoney(amount), id, transfer ? TransferLink : DetailLink});
    };
    qint32 id = 0;
    if (transfer)
        id = TBookingStore::saveTransfer(
            {0, order->holder, order->destination, when, order->counterparty, amount, order->forText, order->memo},
            policy, record);
    else
        id = TBookingStore::saveDetail({0, order->kind == TStandingOrder::Kind::Debit ? 1 : 0, order->holder, when,
                                        order->counterparty, amount, order->forText, order->memo},
                                       policy, record);
    tellOrder(occurrence.order);
    return {transfer, id};
}

bool TOrderStore::skip(const TOccurrence& occurrence)
{
    const TDM& db = TDM::current();
    TDM::Transaction transaction(db);
    if (!load(occurrence.order))
        throw notDue(occurrence);
    const int added =
        db.execute(QStringLiteral("insert into OrderOccurrence (OrderID, Scheduled, Date, State) values (?, ?, ?, ?)"
                                  " on conflict do nothing"),
                   {occurrence.order, TDM::toDbDay(occurrence.scheduled), TDM::toDbDay(occurrence.date),
                    static_cast<int>(State::Skipped)});
    transaction.commit();
    if (added == 1)
        tellOrder(occurrence.order);
    return added == 1;
}

QList<TOrderStore::Booked> TOrderStore::bookAutomatic(const QDate& today, const TNegativePolicy& policy)
{
    QList<Booked> out;
    QHash<qint32, TStandingOrder> orders;
    for (const TStandingOrder& o : list())
        orders.insert(o.ID, o);
    for (const TOccurrence& o : due(today)) {
        const TStandingOrder order = orders.value(o.order);
        if (!order.automatic)
            continue;
        try {
            out.append({o, book(o, o.amount, policy), label(order, o.scheduled)});
        } catch (const TNegativeRefusal&) {
            // Stays due: the due dialog offers it.
        } catch (const DbError&) {
            // Stays due, as above; the next start tries again.
        }
    }
    return out;
}

QList<TOrderStore::Record> TOrderStore::records(qint32 order)
{
    QSqlQuery q =
        TDM::current().select(QStringLiteral("select %1 from OrderOccurrence where OrderID = ? order by Scheduled")
                                  .arg(QLatin1String(RecordColumns)),
                              {order});
    QList<Record> out;
    while (q.next())
        out.append(readRecord(q));
    return out;
}

std::optional<TOrderStore::Record> TOrderStore::bookedBy(const TBooksChange::Booking& booking)
{
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select %1 from OrderOccurrence where BookingID = ?"
                       " and Link = ? and State = ?")
            .arg(QLatin1String(RecordColumns)),
        {booking.id, booking.transfer ? TransferLink : DetailLink, static_cast<int>(State::Booked)});
    if (!q.next())
        return std::nullopt;
    return readRecord(q);
}

std::optional<TStandingOrder> TOrderStore::fromBooking(const TBooksChange::Booking& booking)
{
    TStandingOrder o;
    QDate day;
    if (booking.transfer) {
        const std::optional<TTransferRow> t = TBookingStore::loadTransfer(booking.id);
        if (!t)
            return std::nullopt;
        o.kind = TStandingOrder::Kind::Transfer;
        o.holder = t->SourceID;
        o.destination = t->DestID;
        o.amount = t->Amount;
        o.counterparty = t->From;
        o.forText = t->For;
        o.memo = t->Memo;
        day = t->Date.date();
    } else {
        const std::optional<TDetailRow> d = TBookingStore::loadDetail(booking.id);
        if (!d)
            return std::nullopt;
        o.kind = d->Type == TDetailRow::Debit ? TStandingOrder::Kind::Debit : TStandingOrder::Kind::Deposit;
        o.holder = d->DestID;
        o.amount = d->Amount;
        o.counterparty = d->From;
        o.forText = d->For;
        o.memo = d->Memo;
        day = d->Date.date();
    }
    o.unit = TStandingOrder::Unit::Months;
    o.every = 1;
    o.first = day.addMonths(1);
    return o;
}

QString TOrderStore::label(const TStandingOrder& order, const QDate& scheduled)
{
    QString what = order.forText.simplified();
    if (what.isEmpty())
        what = order.counterparty.simplified();
    const QString when = QLocale().toString(scheduled, QStringLiteral("d MMMM"));
    if (what.isEmpty())
        return QCoreApplication::translate("TOrderStore", "Standing order of %1").arg(when);
    return QCoreApplication::translate("TOrderStore", "%1, standing order of %2").arg(what, when);
}
