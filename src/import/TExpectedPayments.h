#pragma once

#include "import/TExpectedPayment.h"

#include <QDate>
#include <QList>

class TDM;

// Where the import asks which payments the books expect (the standing orders). The layer above
// the import provides one and installs it at start; without one the import expects nothing.
class TExpectedPayments
{
public:
    virtual ~TExpectedPayments();

    // The payments of `holder` falling on a day from `from` to `to`, due or booked (each booked one
    // with its booking). Due ones are deposits and debits only: an import books those.
    virtual QList<TExpectedPayment> expected(qint32 holder, const QDate& from, const QDate& to) const = 0;
    // Records, inside the import's transaction on `db`, that the deposit or debit `detailId` the
    // import just made is `payment`; throws DbError when the payment is no longer due (so the import
    // is rolled back and nothing is booked twice).
    virtual void claim(const TDM& db, const TExpectedPayment& payment, qint32 detailId) const = 0;

    // The provider the import asks; null when none is installed.
    static const TExpectedPayments* installed();
    // Installs `provider` (the caller keeps it alive while it is installed); null uninstalls.
    static void install(const TExpectedPayments* provider);
};
