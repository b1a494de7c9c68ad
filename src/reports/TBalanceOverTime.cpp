#include "reports/TBalanceOverTime.h"

#include "reports/TReportData.h"

#include <QHash>

#include <QDate>

TBalanceOverTime::Result TBalanceOverTime::compute(const TReportHolders& holders, const TReportPeriod& period)
{
    Result result;
    QHash<qint32, qsizetype> lineOf;
    QList<Currency> now;
    for (const TDataInfo& holder : holders.load()) {
        lineOf.insert(holder.ID, result.lines.size());
        result.lines.append({holder.ID, holder.Name, QList<Currency>(period.monthCount())});
        now.append(holder.Balance);
    }

    // What each month's bookings changed, by holder: from the first month of the period on, so
    // that bookings dated later than the period are taken back too. The months past the period are
    // summed into one.
    const int months = period.monthCount();
    std::vector<Currency> change(std::size_t(result.lines.size()) * (months + 1));
    auto add = [&](qint32 holder, int month, Currency amount) {
        const auto line = lineOf.constFind(holder);
        if (line == lineOf.cend())
            return;
        const int column = std::min(month - period.firstMonth(), months);
        change[std::size_t(*line) * (months + 1) + column] += amount;
    };
    for (const TReportData::Total& t :
         TReportData::totals(period.firstMonth(), TReportPeriod::monthOf(QDate(9999, 12, 31)))) {
        switch (t.kind) {
        case 0:
            add(t.holder, t.month, t.amount);
            break;
        case 1:
            add(t.holder, t.month, -t.amount);
            break;
        case 2:
            add(t.holder, t.month, -t.amount);
            add(t.other, t.month, t.amount);
            break;
        default:
            break;
        }
    }

    // The balance at the end of a month is the one at the end of the next month less that month's
    // change; after the last month comes today's balance less the bookings dated later.
    result.totals = QList<Currency>(months);
    for (qsizetype line = 0; line < result.lines.size(); ++line) {
        const Currency* changes = change.data() + std::size_t(line) * (months + 1);
        Currency balance = now[line] - changes[months];
        for (int m = months - 1; m >= 0; --m) {
            result.lines[line].balances[m] = balance;
            result.totals[m] += balance;
            balance -= changes[m];
        }
    }
    return result;
}

TReportFilter TBalanceOverTime::filter(const TReportHolders& holders, qint32 holder, int month)
{
    TReportFilter f;
    f.holders = holder > 0 ? TReportHolders::choice(THolderFamily::All, holder) : holders;
    f.last = TReportPeriod::lastDayOf(month);
    return f;
}
