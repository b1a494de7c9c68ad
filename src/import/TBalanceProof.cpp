#include "import/TBalanceProof.h"

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
    int forwardSteps = 0, backwardSteps = 0;
    const int forward = matchingSteps(amounts, balances, false, false, &forwardSteps);
    const int backward = matchingSteps(amounts, balances, true, false, &backwardSteps);
    if (forward != backward)
        r.oldestFirst = forward > backward;
    else if (n > 1)
        r.oldestFirst = st.rows.front().date <= st.rows.back().date;

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
