#include "reports/TReportPeriod.h"

#include <algorithm>

namespace {

// Whole division that rounds towards minus infinity, for months before the year 0.
int floorDiv(int a, int b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

} // namespace

TReportPeriod::TReportPeriod(int firstMonth, int lastMonth)
    : m_first(std::min(firstMonth, lastMonth))
    , m_last(std::max(firstMonth, lastMonth))
{}

TReportPeriod TReportPeriod::thisYear(const QDate& today)
{
    return TReportPeriod(today.year() * 12, monthOf(today));
}

TReportPeriod TReportPeriod::last12Months(const QDate& today)
{
    return TReportPeriod(monthOf(today) - 11, monthOf(today));
}

TReportPeriod TReportPeriod::allYears(const QDate& today, const std::optional<std::pair<int, int>>& booked)
{
    if (!booked)
        return thisYear(today);
    const int first = floorDiv(std::min(booked->first, monthOf(today)), 12) * 12;
    return TReportPeriod(first, std::max(booked->second, monthOf(today)));
}

TReportPeriod TReportPeriod::months(const QDate& from, const QDate& to)
{
    return TReportPeriod(monthOf(from), monthOf(to));
}

QDate TReportPeriod::firstDayOf(int month)
{
    const int year = floorDiv(month, 12);
    return QDate(year, month - year * 12 + 1, 1);
}

QDate TReportPeriod::lastDayOf(int month)
{
    return firstDayOf(month + 1).addDays(-1);
}

int TReportPeriod::toFileMonth(int month)
{
    const int year = floorDiv(month, 12);
    return year * 100 + month - year * 12 + 1;
}

int TReportPeriod::fromFileMonth(int yyyymm)
{
    const int year = floorDiv(yyyymm, 100);
    return year * 12 + yyyymm - year * 100 - 1;
}
