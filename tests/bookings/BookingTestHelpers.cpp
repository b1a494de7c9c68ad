#include "BookingTestHelpers.h"

#include <QSqlQuery>

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
    db.dm().execute(
        QStringLiteral("CREATE TEMP TRIGGER boom BEFORE UPDATE ON Account BEGIN SELECT RAISE(ABORT, 'boom'); END"));
}

void allowBalanceUpdates(TestDb& db)
{
    db.dm().execute(QStringLiteral("DROP TRIGGER IF EXISTS temp.boom"));
}
