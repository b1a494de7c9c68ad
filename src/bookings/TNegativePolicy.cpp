#include "bookings/TNegativePolicy.h"

#include <QCoreApplication>

TNegativePolicy TNegativePolicy::refuse()
{
    return {};
}

TNegativePolicy TNegativePolicy::asking(Question question)
{
    TNegativePolicy p;
    p.m_question = std::move(question);
    return p;
}

TNegativePolicy TNegativePolicy::allow()
{
    TNegativePolicy p;
    p.m_allowAll = true;
    return p;
}

void TNegativePolicy::judge(TNegativeRule::Outcome outcome, const TDataInfo& payer, Currency balanceAfter) const
{
    if (m_allowAll)
        return;
    switch (outcome) {
    case TNegativeRule::Outcome::Allowed:
        return;
    case TNegativeRule::Outcome::Ask:
        if (m_question && m_question(payer, balanceAfter))
            return;
        throw TNegativeRefusal(TNegativeRefusal::Reason::Declined, payer.ID, balanceAfter);
    case TNegativeRule::Outcome::Refused:
        break;
    }
    throw TNegativeRefusal(TNegativeRefusal::Reason::Refused, payer.ID, balanceAfter);
}

TNegativeRefusal::TNegativeRefusal(Reason reason, qint32 holder, Currency balanceAfter)
    : std::runtime_error(
          (reason == Reason::Refused
               ? QCoreApplication::translate("TNegativeRefusal", "The account or wallet may not go negative.")
               : QCoreApplication::translate("TNegativeRefusal",
                                             "The booking that takes the balance below 0 was not confirmed."))
              .toStdString())
    , m_reason(reason)
    , m_holder(holder)
    , m_balanceAfter(balanceAfter)
{}
