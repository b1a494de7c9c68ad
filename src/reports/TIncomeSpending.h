#pragma once

#include "data/Currency.h"
#include "reports/TReportFilter.h"
#include "reports/TReportHolders.h"
#include "reports/TReportPeriod.h"

#include <QList>

// The report "Income and Spending": for each month of a period the money that came into the chosen
// holders (deposits), went out of them (debits), and came in or went out by transfers across their
// edge (a transfer between two of them is neither). Months without bookings are rows of zeros.
class TIncomeSpending
{
public:
    struct Month
    {
        int month = 0; // TReportPeriod's number
        Currency income;
        Currency spending;
        Currency transfersIn;
        Currency transfersOut;

        // income - spending + transfers in - transfers out: how much the holders' money grew.
        Currency net() const { return income - spending + transfersIn - transfersOut; }
    };
    enum class Figure
    {
        Income,
        Spending,
        TransfersIn,
        TransfersOut,
        Net
    };

    // One row per month of `period`, in order.
    static QList<Month> compute(const TReportHolders& holders, const TReportPeriod& period);
    // The sum of the rows.
    static Month total(const QList<Month>& months);

    // The bookings of `figure` in `month`, or over the whole period when `month` is not in it.
    static TReportFilter filter(const TReportHolders& holders, const TReportPeriod& period, int month, Figure figure);
};
