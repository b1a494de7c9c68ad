#pragma once

#include "orders/TStandingOrder.h"

#include <QDate>
#include <QList>

#include <optional>

// The occurrences of one standing order, computed from its rhythm alone (no data file).
//
// Occurrence n (from 0) is scheduled `n * every` units after the first date. Months and years are
// counted from the first date, never from the occurrence before, so an order of the 31st falls on
// the last day of a shorter month and on the 31st again when the month has one (31 Jan, 28 Feb,
// 31 Mar), and one of 29 February on the 28th in other years. The weekend rule then moves an
// occurrence on a Saturday or Sunday to the Friday before or the Monday after, but never out of its
// month, so each month keeps its occurrences. An order ends after its last day or its number of
// times.
class TOrderSchedule
{
public:
    struct Date
    {
        int index = 0;   // the occurrence's number, from 0
        QDate scheduled; // the day of the rhythm
        QDate date;      // after the weekend rule

        bool operator==(const Date&) const = default;
    };

    explicit TOrderSchedule(const TStandingOrder& order);

    // The day of the rhythm of occurrence `index`, before the weekend rule; invalid when the order
    // has ended by then (or the rhythm is not one).
    QDate scheduled(int index) const;
    // Occurrence `index`, or no value after the end.
    std::optional<Date> at(int index) const;
    // Every occurrence falling due (after the weekend rule) from `from` to `to`, both included, in
    // order of their numbers.
    QList<Date> between(const QDate& from, const QDate& to) const;
    // The first occurrence falling due after `day`; no value when none does.
    std::optional<Date> nextAfter(const QDate& day) const;
    // How many occurrences are scheduled on or before `day`.
    int countUpTo(const QDate& day) const;
    // The number of the occurrence scheduled on `scheduled`; no value when none is.
    std::optional<int> indexOf(const QDate& scheduled) const;

    // `day` moved by `rule` when it falls on a Saturday or Sunday, within its month.
    static QDate shifted(const QDate& day, TStandingOrder::Weekend rule);

private:
    // The first index whose occurrence may fall due on or after `day`.
    int firstIndexFrom(const QDate& day) const;

    TStandingOrder::Unit m_unit;
    int m_every;
    QDate m_first;
    QDate m_last;
    int m_times;
    TStandingOrder::Weekend m_weekend;
};
