#include "reports/TIncomeSpending.h"

#include "data/TBooks.h"
#include "reports/TReportData.h"

#include <QHash>

QList<TIncomeSpending::Month> TIncomeSpending::compute(const TReportHolders& holders, const TReportPeriod& period)
{
    QList<Month> months(period.monthCount());
    for (int i = 0; i < months.size(); ++i)
        months[i].month = period.firstMonth() + i;

    // Which holders are chosen, by id: every holder of the file is looked at once, so that a transfer
    // to a holder that is gone still counts as crossing the edge.
    QHash<qint32, bool> chosen;
    for (const TDataInfo& holder : TBooks::holders(THolderFamily::All))
        chosen.insert(holder.ID, holders.contains(holder.ID, holder.Type));
    auto isChosen = [&chosen](qint32 id) {
        return chosen.value(id, false);
    };

    for (const TReportData::Total& t : TReportData::totals(period.firstMonth(), period.lastMonth())) {
        Month& m = months[t.month - period.firstMonth()];
        const bool from = isChosen(t.holder);
        switch (t.kind) {
        case 0:
            if (from)
                m.income += t.amount;
            break;
        case 1:
            if (from)
                m.spending += t.amount;
            break;
        case 2:
            if (from && !isChosen(t.other))
                m.transfersOut += t.amount;
            else if (!from && isChosen(t.other))
                m.transfersIn += t.amount;
            break;
        default:
            break;
        }
    }
    return months;
}

TIncomeSpending::Month TIncomeSpending::total(const QList<Month>& months)
{
    Month sum;
    for (const Month& m : months) {
        sum.income += m.income;
        sum.spending += m.spending;
        sum.transfersIn += m.transfersIn;
        sum.transfersOut += m.transfersOut;
    }
    return sum;
}

TReportFilter TIncomeSpending::filter(const TReportHolders& holders, const TReportPeriod& period, int month,
                                      Figure figure)
{
    TReportFilter f;
    f.holders = holders;
    const TReportPeriod days = period.contains(month) ? TReportPeriod(month, month) : period;
    f.first = days.firstDay();
    f.last = days.lastDay();
    f.crossingOnly = true;
    switch (figure) {
    case Figure::Income:
        f.kinds = {TBookingKind::Deposit};
        break;
    case Figure::Spending:
        f.kinds = {TBookingKind::Debit};
        break;
    case Figure::TransfersIn:
        f.kinds = {TBookingKind::TransferIn};
        break;
    case Figure::TransfersOut:
        f.kinds = {TBookingKind::TransferOut};
        break;
    case Figure::Net:
        break;
    }
    return f;
}
