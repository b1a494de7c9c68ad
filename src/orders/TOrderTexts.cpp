#include "orders/TOrderTexts.h"

#include "data/TBooks.h"
#include "data/TDateText.h"

QString TOrderTexts::kind(TStandingOrder::Kind kind)
{
    switch (kind) {
    case TStandingOrder::Kind::Deposit:
        return tr("Deposit");
    case TStandingOrder::Kind::Debit:
        return tr("Debit");
    case TStandingOrder::Kind::Transfer:
        return tr("Transfer");
    }
    return {};
}

QString TOrderTexts::rhythm(const TStandingOrder& order)
{
    QString text;
    switch (order.unit) {
    case TStandingOrder::Unit::Days:
        text = order.every == 1 ? tr("Every day") : tr("Every %n days", nullptr, order.every);
        break;
    case TStandingOrder::Unit::Weeks:
        text = order.every == 1 ? tr("Every week") : tr("Every %n weeks", nullptr, order.every);
        break;
    case TStandingOrder::Unit::Months:
        text = order.every == 1 ? tr("Every month") : tr("Every %n months", nullptr, order.every);
        break;
    case TStandingOrder::Unit::Years:
        text = order.every == 1 ? tr("Every year") : tr("Every %n years", nullptr, order.every);
        break;
    }
    if (order.last.isValid())
        text = tr("%1, until %2").arg(text, TDateText::shortDate(order.last));
    else if (order.times > 0)
        text = tr("%1, number of times: %n", nullptr, order.times).arg(text);
    return text;
}

QString TOrderTexts::holders(const TStandingOrder& order)
{
    const QString holder = TBooks::holder(order.holder).Name;
    if (order.kind != TStandingOrder::Kind::Transfer)
        return holder;
    return tr("%1 -> %2").arg(holder, TBooks::holder(order.destination).Name);
}

QStringList TOrderTexts::units()
{
    return {tr("days"), tr("weeks"), tr("months"), tr("years")};
}

QStringList TOrderTexts::weekendRules()
{
    return {tr("Keep the day"), tr("The Friday before"), tr("The Monday after")};
}
