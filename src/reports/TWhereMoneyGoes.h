#pragma once

#include "data/Currency.h"
#include "reports/TReportFilter.h"
#include "reports/TReportHolders.h"
#include "reports/TReportPeriod.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The report "Where the Money Goes": the spending of the chosen holders over a period (or, switched,
// their income) grouped by purpose (the booking's "For") or by payee (the payee of a debit, the payer
// of a deposit). Texts that differ only in blanks at their ends or in the case of their letters are
// one group (TReportFilter::textKey); an empty text is a group of its own. The largest groups come
// first, ties by name, then by key; past the largest 15 the rest are summed as "Other".
class TWhereMoneyGoes
{
    Q_DECLARE_TR_FUNCTIONS(TWhereMoneyGoes)

public:
    static constexpr int Largest = 15;

    enum class Flow
    {
        Spending, // debits
        Income    // deposits
    };
    enum class GroupBy
    {
        Purpose,
        Payee
    };
    struct Group
    {
        QString name; // as shown: the group's most used spelling, "(no purpose)", "(no payee)", "Other"
        QString key;  // TReportFilter::textKey of its texts; empty for no text and for "Other"
        bool other = false;
        Currency amount;
        qint64 shareHundredths = 0; // of the whole, in hundredths of a percent, halves to even
        qint64 count = 0;           // of bookings
    };
    struct Result
    {
        QList<Group> groups;
        Currency total;
        qint64 count = 0;
    };

    static Result compute(const TReportHolders& holders, const TReportPeriod& period, Flow flow, GroupBy by);

    // The bookings of the group `index` of `result`: its text, or for "Other" every text but those of
    // the groups before it.
    static TReportFilter filter(const TReportHolders& holders, const TReportPeriod& period, Flow flow, GroupBy by,
                                const Result& result, int index);
};
