#include "bookings/TNegativeRule.h"

Currency TNegativeRule::newBalance(Currency balance, Currency newAmount, Currency oldAmountBack)
{
    const __int128 exact = static_cast<__int128>(balance.raw()) + oldAmountBack.raw() - newAmount.raw();
    if (exact > INT64_MAX)
        return Currency::max();
    if (exact < INT64_MIN)
        return Currency::min();
    return Currency::fromRaw(static_cast<std::int64_t>(exact));
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
