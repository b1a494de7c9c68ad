#include "import/TBalanceProof.h"

#include <QSet>

namespace {

using Wide = __int128;

Wide wide(Currency c)
{
    return static_cast<Wide>(c.raw());
}

Wide magnitude(Wide v)
{
    return v < 0 ? -v : v;
}

std::optional<Currency> money(Wide v)
{
    if (v > INT64_MAX || v < INT64_MIN)
        return std::nullopt;
    return Currency::fromRaw(static_cast<std::int64_t>(v));
}

std::optional<Wide> opening(const TStatement& st)
{
    return st.opening ? std::optional<Wide>(wide(st.opening->amount)) : std::nullopt;
}

// Banks list the transactions of one day in an order of their own, or repeat the day's closing
// balance on each of its rows: a row the walk found disagreeing is confirmed after all when its
// balance less its amount is a balance of its day or of the day before, and a day whose rows all
// show one balance is confirmed when the day before and the day's amounts make it.
void recheckByDay(const TStatement& st, TBalanceProof::Result& r, const std::optional<Wide>& openingBalance)
{
    QList<qsizetype> order;
    for (qsizetype step = 0; step < st.rows.size(); ++step) {
        const qsizetype k = r.oldestFirst ? step : st.rows.size() - 1 - step;
        if (!st.rows.at(k).pending)
            order.append(k);
    }
    QList<QList<qsizetype>> days;
    for (qsizetype k : order) {
        if (days.isEmpty() || st.rows.at(days.back().front()).date != st.rows.at(k).date)
            days.append(QList<qsizetype>());
        days.back().append(k);
    }
    auto balancesOf = [&](const QList<qsizetype>& day) {
        QSet<std::int64_t> out;
        for (qsizetype k : day) {
            if (st.rows.at(k).balance)
                out.insert(st.rows.at(k).balance->raw());
        }
        return out;
    };
    auto holds = [](const QSet<std::int64_t>& set, Wide v) {
        return v >= INT64_MIN && v <= INT64_MAX && set.contains(static_cast<std::int64_t>(v));
    };
    for (qsizetype d = 0; d < days.size(); ++d) {
        const QList<qsizetype>& day = days.at(d);
        const QSet<std::int64_t> same = balancesOf(day);
        QSet<std::int64_t> before = d > 0 ? balancesOf(days.at(d - 1)) : QSet<std::int64_t>();
        if (d == 0 && openingBalance)
            before.insert(static_cast<std::int64_t>(*openingBalance));
        Wide sum = 0;
        bool allStated = true;
        for (qsizetype k : day) {
            sum += wide(st.rows.at(k).amount);
            allStated = allStated && st.rows.at(k).balance.has_value();
        }
        const bool oneBalance = day.size() > 1 && allStated && same.size() == 1;
        for (qsizetype k : day) {
            const TImportRow& row = st.rows.at(k);
            if (r.rows.at(k) != TBalanceProof::Verdict::Disagrees || !row.balance)
                continue;
            const Wide from = wide(*row.balance) - wide(row.amount);
            if (oneBalance ? holds(before, *same.cbegin() - sum) : holds(same, from) || holds(before, from)) {
                r.rows[k] = TBalanceProof::Verdict::Confirmed;
                --r.disagreeing;
                ++r.confirmed;
            }
        }
    }
}

} // namespace

int TBalanceProof::matchingSteps(const QList<std::optional<Currency>>& amounts,
                                 const QList<std::optional<Currency>>& balances, bool reversed, bool magnitudes,
                                 int* steps)
{
    int compared = 0, matching = 0;
    const qsizetype n = std::min(amounts.size(), balances.size());
    for (qsizetype i = 1; i < n; ++i) {
        const qsizetype moved = reversed ? i - 1 : i; // the row whose amount makes the step
        if (!balances.at(i) || !balances.at(i - 1) || !amounts.at(moved))
            continue;
        ++compared;
        Wide step = wide(*balances.at(i)) - wide(*balances.at(i - 1));
        if (reversed)
            step = -step;
        const Wide amount = wide(*amounts.at(moved));
        if (magnitudes ? magnitude(step) == magnitude(amount) : step == amount)
            ++matching;
    }
    if (steps != nullptr)
        *steps = compared;
    return matching;
}

TBalanceProof::Result TBalanceProof::check(const TStatement& st)
{
    Result r;
    const qsizetype n = st.rows.size();
    r.rows.fill(Verdict::Unchecked, n);
    QList<std::optional<Currency>> amounts, balances;
    amounts.reserve(n);
    balances.reserve(n);
    bool anyBalance = false;
    for (const TImportRow& row : st.rows) {
        amounts.append(row.amount);
        balances.append(row.balance);
        anyBalance = anyBalance || row.balance.has_value();
    }
    const int forward = matchingSteps(amounts, balances, false, false, nullptr);
    const int backward = matchingSteps(amounts, balances, true, false, nullptr);
    // The dates tell the order where they differ; the balances where they do not.
    if (n > 1 && st.rows.front().date != st.rows.back().date)
        r.oldestFirst = st.rows.front().date < st.rows.back().date;
    else
        r.oldestFirst = forward >= backward;

    // Walk the rows from the oldest: each stated balance checks the rows since the one before.
    std::optional<Wide> before;
    if (st.opening)
        before = wide(st.opening->amount);
    QList<qsizetype> group;
    Wide moved = 0;
    auto settle = [&](Wide stated) {
        const Verdict v = !before                     ? Verdict::Unchecked
                          : *before + moved == stated ? Verdict::Confirmed
                                                      : Verdict::Disagrees;
        for (qsizetype k : group) {
            r.rows[k] = v;
            r.confirmed += v == Verdict::Confirmed ? 1 : 0;
            r.disagreeing += v == Verdict::Disagrees ? 1 : 0;
        }
        group.clear();
        moved = 0;
        before = stated;
    };
    QDate newest;
    for (qsizetype step = 0; step < n; ++step) {
        const qsizetype k = r.oldestFirst ? step : n - 1 - step;
        // A transaction the bank has not finished has not moved its balance yet.
        if (st.rows.at(k).pending)
            continue;
        group.append(k);
        moved += wide(st.rows.at(k).amount);
        newest = st.rows.at(k).date;
        if (st.rows.at(k).balance)
            settle(wide(*st.rows.at(k).balance));
    }
    if (r.disagreeing > 0)
        recheckByDay(st, r, opening(st));
    if (!anyBalance) {
        // Nothing to check row by row: only the sum, where both ends are stated.
        if (st.opening && st.closing) {
            r.sum = money(moved);
            r.sumAgrees = *before + moved == wide(st.closing->amount);
        }
        group.clear();
    }
    if (st.closing) {
        if (!group.isEmpty())
            settle(wide(st.closing->amount));
        r.closing = st.closing->amount;
        r.closingDate = st.closing->date.isValid() ? st.closing->date : newest;
    } else if (anyBalance && before) {
        r.closing = money(*before + moved);
        r.closingDate = newest;
    }
    return r;
}
