#include "orders/TOrderPayments.h"

QList<TExpectedPayment> TOrderPayments::expected(qint32, const QDate&, const QDate&) const
{
    return {};
}

void TOrderPayments::claim(const TDM&, const TExpectedPayment&, qint32) const {}
