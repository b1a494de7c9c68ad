#pragma once

#include "import/TExpectedPayments.h"

// The standing orders' occurrences as payments a statement import expects: those due and those
// booked, falling within the days asked. An order marked as varying may differ by 10%.
class TOrderPayments final : public TExpectedPayments
{
public:
    static constexpr int VaryingPercent = 10;

    QList<TExpectedPayment> expected(qint32 holder, const QDate& from, const QDate& to) const override;
    void claim(const TDM& db, const TExpectedPayment& payment, qint32 detailId) const override;
};
