#include "orders/TOrderSchedule.h"

#include <algorithm>

namespace {

// How many days the weekend rule moves an occurrence at most, either way.
constexpr int MostShift = 2;

int monthNumber(const QDate& day)
{
    return day.year() * 12 + day.month() - 1;
}

} // namespace

TOrderSchedule::TOrderSchedule(const TStandingOrder& order)
    : m_unit(order.unit)
    , m_every(order.every)
    , m_first(order.first)
    , m_last(order.last)
    , m_times(order.times)
    , m_weekend(order.weekend)
{}

QDate TOrderSchedule::scheduled(int index) const
{
    if (index < 0 || m_every < 1 || !m_first.isValid() || (m_times > 0 && index >= m_times))
        return {};
    const qint64 steps = static_cast<qint64>(index) * m_every;
    QDate day;
    // Months and years count from the first date, so a day a shorter month lacks comes back.
    switch (m_unit) {
    case TStandingOrder::Unit::Days:
        day = m_first.addDays(steps);
        break;
    case TStandingOrder::Unit::Weeks:
        day = m_first.addDays(7 * steps);
        break;
    case TStandingOrder::Unit::Months:
        day = m_first.addMonths(static_cast<int>(steps));
        break;
    case TStandingOrder::Unit::Years:
        day = m_first.addYears(static_cast<int>(steps));
        break;
    }
    if (m_last.isValid() && day > m_last)
        return {};
    return day;
}

std::optional<TOrderSchedule::Date> TOrderSchedule::at(int index) const
{
    const QDate day = scheduled(index);
    if (!day.isValid())
        return std::nullopt;
    return Date{index, day, shifted(day, m_weekend)};
}

int TOrderSchedule::firstIndexFrom(const QDate& day) const
{
    if (m_every < 1 || !m_first.isValid() || day <= m_first)
        return 0;
    qint64 index = 0;
    switch (m_unit) {
    case TStandingOrder::Unit::Days:
        index = m_first.daysTo(day) / m_every;
        break;
    case TStandingOrder::Unit::Weeks:
        index = m_first.daysTo(day) / (7 * static_cast<qint64>(m_every));
        break;
    case TStandingOrder::Unit::Months:
        index = (monthNumber(day) - monthNumber(m_first)) / m_every - 1;
        break;
    case TStandingOrder::Unit::Years:
        index = (day.year() - m_first.year()) / m_every - 1;
        break;
    }
    // Every occurrence before the one returned is scheduled before `day`.
    return static_cast<int>(std::clamp<qint64>(index, 0, INT32_MAX));
}

QList<TOrderSchedule::Date> TOrderSchedule::between(const QDate& from, const QDate& to) const
{
    QList<Date> out;
    if (!from.isValid() || !to.isValid() || to < from)
        return out;
    const QDate end = to.addDays(MostShift);
    for (int i = firstIndexFrom(from.addDays(-MostShift));; ++i) {
        const std::optional<Date> d = at(i);
        if (!d || d->scheduled > end)
            break;
        if (d->date >= from && d->date <= to)
            out.append(*d);
    }
    return out;
}

std::optional<TOrderSchedule::Date> TOrderSchedule::nextAfter(const QDate& day) const
{
    for (int i = firstIndexFrom(day.addDays(-MostShift));; ++i) {
        const std::optional<Date> d = at(i);
        if (!d || d->date > day)
            return d;
    }
}

int TOrderSchedule::countUpTo(const QDate& day) const
{
    int i = firstIndexFrom(day);
    while (true) {
        const QDate s = scheduled(i);
        if (!s.isValid() || s > day)
            return i;
        ++i;
    }
}

std::optional<int> TOrderSchedule::indexOf(const QDate& day) const
{
    for (int i = firstIndexFrom(day);; ++i) {
        const QDate s = scheduled(i);
        if (!s.isValid() || s > day)
            return std::nullopt;
        if (s == day)
            return i;
    }
}

QDate TOrderSchedule::shifted(const QDate& day, TStandingOrder::Weekend rule)
{
    const int weekday = day.dayOfWeek();
    if (rule == TStandingOrder::Weekend::Keep || weekday < Qt::Saturday)
        return day;
    const QDate friday = day.addDays(Qt::Friday - weekday);
    const QDate monday = day.addDays(Qt::Monday + 7 - weekday);
    // The other way where the one asked for leaves the month.
    if (rule == TStandingOrder::Weekend::FridayBefore)
        return friday.month() == day.month() ? friday : monday;
    return monday.month() == day.month() ? monday : friday;
}
