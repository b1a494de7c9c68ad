#pragma once

#include "bookings/TNegativeRule.h"
#include "data/Currency.h"
#include "data/TDataInfo.h"

#include <functional>
#include <stdexcept>

// How a store meets the negative-balance rule of the holder a booking takes money from, judged
// inside the write transaction on the balances as they are then: the caller says what to do when
// the rule asks (put its question, or refuse), or that nothing is refused.
class TNegativePolicy
{
public:
    // Put to the user while the write waits: the holder that pays and the balance it would have;
    // true goes on.
    using Question = std::function<bool(const TDataInfo& payer, Currency balanceAfter)>;

    // A holder that may not go negative is refused, and so is one that wants to be asked.
    static TNegativePolicy refuse();
    // A holder that wants to be asked is asked `question`.
    static TNegativePolicy asking(Question question);
    // Nothing is refused: for a caller that writes what was judged before (a repair, a test).
    static TNegativePolicy allow();

    // What the rule says of `outcome` for `payer`, left with `balanceAfter`: returns when the write
    // may go on, else throws TNegativeRefusal.
    void judge(TNegativeRule::Outcome outcome, const TDataInfo& payer, Currency balanceAfter) const;

private:
    bool m_allowAll = false;
    Question m_question;
};

// A write the negative-balance rule stopped; the store rolled it back.
class TNegativeRefusal : public std::runtime_error
{
public:
    enum class Reason
    {
        Refused,  // the holder may not go negative
        Declined, // the holder wants to be asked, and the answer was no (or there was no one to ask)
    };

    TNegativeRefusal(Reason reason, qint32 holder, Currency balanceAfter);

    Reason reason() const { return m_reason; }
    qint32 holder() const { return m_holder; }
    Currency balanceAfter() const { return m_balanceAfter; }

private:
    Reason m_reason;
    qint32 m_holder;
    Currency m_balanceAfter;
};
