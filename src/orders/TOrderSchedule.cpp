#include "orders/TOrderSchedule.h"

TOrderSchedule::TOrderSchedule(const TStandingOrder& order)
    : m_unit(order.unit)
    , m_every(order.every)
    , m_first(order.first)
    , m_last(order.last)
    , m_times(order.times)
    , m_weekend(order.weekend)
{}

QDate TOrderSchedule::scheduled(int) const
{
    return {};
}

std::optional<TOrderSchedule::Date> TOrderSchedule::at(int) const
{
    return std::nullopt;
}

QList<TOrderSchedule::Date> TOrderSchedule::between(const QDate&, const QDate&) const
{
    return {};
}

std::optional<TOrderSchedule::Date> TOrderSchedule::nextAfter(const QDate&) const
{
    return std::nullopt;
}

std::optional<int> TOrderSchedule::indexOf(const QDate&) const
{
    return std::nullopt;
}

QDate TOrderSchedule::shifted(const QDate& day, TStandingOrder::Weekend)
{
    return day;
}

int TOrderSchedule::firstIndexFrom(const QDate&) const
{
    return 0;
}
