#include "OrderBooks.h"

#include "TestDb.h"

#include "orders/TOrderStore.h"

TStandingOrder rentOrder(qint32 bank, const QDate& first, bool automatic)
{
    TStandingOrder o;
    o.kind = TStandingOrder::Kind::Debit;
    o.holder = bank;
    o.amount = money("500");
    o.counterparty = QStringLiteral("Landlord");
    o.forText = QStringLiteral("Rent");
    o.unit = TStandingOrder::Unit::Months;
    o.every = 1;
    o.first = first;
    o.automatic = automatic;
    return o;
}

QList<QDate> dueDates(const QDate& today)
{
    QList<QDate> dates;
    for (const TOccurrence& o : TOrderStore::due(today))
        dates << o.date;
    return dates;
}
