#pragma once

#include <QDate>

#include <optional>
#include <utility>

// A period of whole months, as the reports cover it: This Year, Last 12 Months, All Years, or the
// months from one to another. A month is counted as year * 12 + month - 1, so the months of a period
// are a run of whole numbers; the data file writes a month as yyyymm.
class TReportPeriod
{
public:
    TReportPeriod() = default;
    // From `firstMonth` to `lastMonth`, both included (in either order).
    TReportPeriod(int firstMonth, int lastMonth);

    // January of this year to this month.
    static TReportPeriod thisYear(const QDate& today);
    // This month and the eleven before it.
    static TReportPeriod last12Months(const QDate& today);
    // January of the year of the first booking to this month, or to the month of the last booking
    // when that is later; this year when there is no booking. `booked` are the first and last months
    // with bookings.
    static TReportPeriod allYears(const QDate& today, const std::optional<std::pair<int, int>>& booked);
    // The months of `from` to the months of `to` (in either order).
    static TReportPeriod months(const QDate& from, const QDate& to);

    int firstMonth() const { return m_first; }
    int lastMonth() const { return m_last; }
    int monthCount() const { return m_last - m_first + 1; }
    bool contains(int month) const { return month >= m_first && month <= m_last; }
    QDate firstDay() const { return firstDayOf(m_first); }
    QDate lastDay() const { return lastDayOf(m_last); }

    static int monthOf(const QDate& day) { return day.year() * 12 + day.month() - 1; }
    static QDate firstDayOf(int month);
    static QDate lastDayOf(int month);
    // yyyymm, as the month totals of the data file hold a month, and back.
    static int toFileMonth(int month);
    static int fromFileMonth(int yyyymm);

    bool operator==(const TReportPeriod&) const = default;

private:
    int m_first = 0;
    int m_last = 0;
};
