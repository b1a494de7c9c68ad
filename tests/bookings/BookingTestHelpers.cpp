#include "BookingTestHelpers.h"

QStringList tabOrder(QWidget* first, const QStringList& names)
{
    QStringList order;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && names.contains(w->objectName()) && !order.contains(w->objectName()))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return order;
}

QStringList shownTexts()
{
    QStringList texts;
    for (const TMessageService::Shown& box : TMessageService::takeShown())
        texts << box.text;
    return texts;
}

QString snapshot(TestDb& db)
{
    return db.snapshot();
}

void failBalanceUpdates(TestDb& db)
{
    db.addTrigger(QStringLiteral("Account"), QStringLiteral("UPDATE"), TestDb::TriggerEffect::Fail);
}

void allowBalanceUpdates(TestDb& db)
{
    db.dropTrigger(QStringLiteral("Account"), QStringLiteral("UPDATE"));
}
