#pragma once

#include "data/Currency.h"
#include "data/TDataInfo.h"

// The negative-balance policy of a holder, applied to debits and to the source of a transfer:
// `negative` lets the balance go below 0, `WarnNegative` (only together with `negative`) makes the
// program ask first. A balance of exactly 0 is not negative.
class TNegativeRule
{
public:
    enum class Outcome
    {
        Allowed,
        Ask,
        Refused,
    };

    // The holder's balance after the booking. `balance` is the holder's balance as read; for an edit
    // that keeps the holder it still contains the old booking, so `oldAmountBack` (the old amount,
    // else 0) is given back before the new amount is taken. Computed exactly; a result beyond the
    // currency range is clamped, which keeps its sign.
    static Currency newBalance(Currency balance, Currency newAmount, Currency oldAmountBack = {});

    static Outcome check(bool negative, bool warnNegative, Currency newBalance);

    // Both steps for `holder`, which pays out `newAmount`.
    static Outcome check(const TDataInfo& holder, Currency newAmount, Currency oldAmountBack = {});
};
