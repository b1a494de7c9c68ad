#pragma once

#include "data/Currency.h"
#include "data/TDataInfo.h"

#include <optional>

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

    // A booking as stored before an edit: the holder that paid its amount out (a debit's holder, a
    // transfer's source), the holder that received it (a transfer's destination; 0 for a debit),
    // and its amount.
    struct Stored
    {
        qint32 payer = 0;
        qint32 payee = 0;
        Currency amount;
    };

    // The holder's balance after the booking. `balance` is the holder's balance as read; for an edit
    // that keeps the holder it still contains the old booking, so `oldAmountBack` (the old amount,
    // else 0) is given back before the new amount is taken. Computed exactly; a result beyond the
    // currency range is clamped, which keeps its sign.
    static Currency newBalance(Currency balance, Currency newAmount, Currency oldAmountBack = {});

    // The balance of `payer` (as read, so it still holds the stored booking of an edit) once a
    // booking that takes `newAmount` from it and gives it to `payee` (0 for a debit) is saved.
    // An edit (`stored` given) counts everything the save changes on the payer: it gets the stored
    // amount back where it paid it, loses it where it received it, pays the new amount and gets it
    // back where it is its own payee. A new transfer from a holder to itself is judged as the
    // balance minus the amount, as any new booking. Exact, clamped like newBalance.
    static Currency balanceAfter(const TDataInfo& payer, qint32 payee, Currency newAmount,
                                 const std::optional<Stored>& stored);

    static Outcome check(bool negative, bool warnNegative, Currency newBalance);

    // Both steps for `holder`, which pays out `newAmount`.
    static Outcome check(const TDataInfo& holder, Currency newAmount, Currency oldAmountBack = {});
    // Both steps for the save of a booking or of an edit, as balanceAfter counts it.
    static Outcome check(const TDataInfo& payer, qint32 payee, Currency newAmount, const std::optional<Stored>& stored);
};
