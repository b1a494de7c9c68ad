#pragma once

#include "data/Currency.h"
#include "reports/TReportFilter.h"
#include "reports/TReportHolders.h"
#include "reports/TReportPeriod.h"

#include <QList>
#include <QString>

// The report "Balance over Time": each chosen holder's balance at the end of every month of a period,
// and their total. A balance is worked back from the holder's balance today (Account.Balance, as the
// tiles show it) through the bookings dated after the month, so the last figure agrees with the tiles
// and every step between two months is exactly that month's bookings.
class TBalanceOverTime
{
public:
    struct Line
    {
        qint32 holder = 0;
        QString name;
        QList<Currency> balances; // at the end of each month of the period
    };
    struct Result
    {
        QList<Line> lines; // in the order of the lists: bank accounts, credit cards, wallets
        QList<Currency> totals;
    };

    static Result compute(const TReportHolders& holders, const TReportPeriod& period);

    // The bookings that make the balance of `holder` (0: every chosen holder) at the end of `month`:
    // all of them up to that day (the balance before the first booking is the holder's opening
    // balance, which no booking shows).
    static TReportFilter filter(const TReportHolders& holders, qint32 holder, int month);
};
