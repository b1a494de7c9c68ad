#include "bookings/TNegativeRule.h"

namespace {

Currency clamped(__int128 exact)
{
    if (exact > INT64_MAX)
        return Currency::max();
    if (exact < INT64_MIN)
        return Currency::min();
    return Currency::fromRaw(static_cast<std::int64_t>(exact));
}

} // namespace

Currency TNegativeRule::newBalance(Currency balance, Currency newAmount, Currency oldAmountBack)
{
    return clamped(static_cast<__int128>(balance.raw()) + oldAmountBack.raw() - newAmount.raw());
}

Currency TNegativeRule::balanceAfter(const TDataInfo& payer, qint32 payee, Currency newAmount,
                                     const std::optional<Stored>& stored)
{
    const qint32 id = payer.ID;
    __int128 exact = static_cast<__int128>(payer.Balance.raw()) - newAmount.raw();
    if (stored) {
        if (id != 0 && stored->payer == id)
            exact += stored->amount.raw();
        if (id != 0 && stored->payee == id)
            exact -= stored->amount.raw();
        if (id != 0 && payee == id)
            exact += newAmount.raw();
    }
    return clamped(exact);
}

TNegativeRule::Outcome TNegativeRule::check(bool negative, bool warnNegative, Currency newBalance)
{
    if (!newBalance.isNegative())
        return Outcome::Allowed;
    // The question comes before the refusal; a holder that may go negative is never refused.
    if (negative && warnNegative)
        return Outcome::Ask;
    if (!negative)
        return Outcome::Refused;
    return Outcome::Allowed;
}

TNegativeRule::Outcome TNegativeRule::check(const TDataInfo& holder, Currency newAmount, Currency oldAmountBack)
{
    return check(holder.Negative, holder.WarnNegative, newBalance(holder.Balance, newAmount, oldAmountBack));
}

TNegativeRule::Outcome TNegativeRule::check(const TDataInfo& payer, qint32 payee, Currency newAmount,
                                            const std::optional<Stored>& stored)
{
    return check(payer.Negative, payer.WarnNegative, balanceAfter(payer, payee, newAmount, stored));
}
