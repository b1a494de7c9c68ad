#include "reports/TWhereMoneyGoes.h"

#include "data/TBooks.h"
#include "data/THolderSummary.h"
#include "reports/TReportData.h"

#include <QHash>

#include <algorithm>

namespace {

// A group while it is being summed: its spellings with their counts choose its name.
struct Sum
{
    Currency amount;
    qint64 count = 0;
    QHash<QString, qint64> spellings;
};

QString mostUsed(const QHash<QString, qint64>& spellings)
{
    QString best;
    qint64 bestCount = -1;
    for (auto it = spellings.cbegin(); it != spellings.cend(); ++it) {
        if (it.value() > bestCount || (it.value() == bestCount && it.key() < best)) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return best;
}

} // namespace

TWhereMoneyGoes::Result TWhereMoneyGoes::compute(const TReportHolders& holders, const TReportPeriod& period, Flow flow,
                                                 GroupBy by)
{
    QHash<qint32, bool> chosen;
    // The chosen holders, named even when all are: each holder's rows are one range of the key.
    QList<qint32> ids;
    for (const TDataInfo& holder : TBooks::holders(THolderFamily::All)) {
        const bool in = holders.contains(holder.ID, holder.Type);
        chosen.insert(holder.ID, in);
        if (in)
            ids << holder.ID;
    }
    if (ids.isEmpty())
        return {};

    const std::vector<QString> texts = TReportData::texts();
    // The key of each text number, made once per number.
    std::vector<QString> keys(texts.size());
    std::vector<bool> keyed(texts.size(), false);

    QHash<QString, Sum> sums;
    Result result;
    const auto field = by == GroupBy::Purpose ? TReportData::TextField::Purpose : TReportData::TextField::Counterparty;
    const int kind = flow == Flow::Spending ? 1 : 0;
    for (const TReportData::TextTotal& t :
         TReportData::textTotals(field, kind, period.firstMonth(), period.lastMonth(), ids)) {
        if (!chosen.value(t.holder, false))
            continue;
        const std::size_t n = t.text >= 0 && std::size_t(t.text) < texts.size() ? std::size_t(t.text) : 0;
        if (n > 0 && !keyed[n]) {
            keys[n] = TReportFilter::textKey(texts[n]);
            keyed[n] = true;
        }
        const QString& key = n > 0 ? keys[n] : QString();
        Sum& sum = sums[key];
        sum.amount += t.amount;
        sum.count += t.count;
        sum.spellings[n > 0 ? texts[n].trimmed() : QString()] += t.count;
        result.total += t.amount;
        result.count += t.count;
    }

    QList<Group> groups;
    groups.reserve(sums.size());
    for (auto it = sums.cbegin(); it != sums.cend(); ++it) {
        Group g;
        g.key = it.key();
        g.name = !g.key.isEmpty()         ? mostUsed(it->spellings)
                 : by == GroupBy::Purpose ? tr("(no purpose)")
                                          : tr("(no payee)");
        g.amount = it->amount;
        g.count = it->count;
        groups.append(g);
    }
    std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        if (a.amount != b.amount)
            return a.amount > b.amount;
        if (a.name != b.name)
            return a.name < b.name;
        return a.key < b.key;
    });
    if (groups.size() > Largest) {
        Group other;
        other.name = tr("Other");
        other.other = true;
        for (qsizetype i = Largest; i < groups.size(); ++i) {
            other.amount += groups[i].amount;
            other.count += groups[i].count;
        }
        groups.resize(Largest);
        groups.append(other);
    }
    for (Group& g : groups)
        g.shareHundredths = THolderSummary::shareHundredths(g.amount, result.total);
    result.groups = groups;
    return result;
}

TReportFilter TWhereMoneyGoes::filter(const TReportHolders& holders, const TReportPeriod& period, Flow flow, GroupBy by,
                                      const Result& result, int index)
{
    TReportFilter f;
    f.holders = holders;
    f.first = period.firstDay();
    f.last = period.lastDay();
    f.kinds = {flow == Flow::Spending ? TBookingKind::Debit : TBookingKind::Deposit};
    f.text = by == GroupBy::Purpose ? TReportFilter::Text::Purpose : TReportFilter::Text::Payee;
    if (index < 0 || index >= result.groups.size())
        return f;
    const Group& group = result.groups[index];
    if (group.other) {
        for (int i = 0; i < index; ++i)
            f.keys << result.groups[i].key;
        f.exceptKeys = true;
    } else {
        f.keys << group.key;
    }
    return f;
}
