#include "bookings/TBalanceChanges.h"

#include "data/DbError.h"
#include "data/TDM.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlQuery>

void TBalanceChanges::add(qint32 holder, Currency delta, bool mustExist)
{
    for (Change& c : m_changes) {
        if (c.holder == holder) {
            const std::optional<Currency> total = c.delta.checkedAdd(delta);
            if (!total)
                throw DbError(QCoreApplication::translate("TBalanceChanges", "The amount is out of range."));
            c.delta = *total;
            c.mustExist = c.mustExist || mustExist;
            return;
        }
    }
    m_changes.push_back({holder, delta, mustExist});
}

void TBalanceChanges::apply(const TDM& db) const
{
    for (const Change& c : m_changes) {
        QSqlQuery q = db.select(QStringLiteral("select Balance from Account where ID = ?"), {c.holder});
        if (!q.next()) {
            if (c.mustExist)
                throw DbError(QCoreApplication::translate("TBalanceChanges", "The account or wallet %1 does not exist.")
                                  .arg(c.holder));
            continue;
        }
        if (!Currency::fromRaw(q.value(0).toLongLong()).checkedAdd(c.delta))
            throw DbError(QCoreApplication::translate("TBalanceChanges",
                                                      "The balance of the account or wallet %1 would be out of range.")
                              .arg(c.holder));
        q.finish();
        db.execute(QStringLiteral("update Account set Balance = Balance + ? where ID = ?"),
                   {TDM::toDbMoney(c.delta), c.holder});
    }
}

QList<qint32> TBalanceChanges::holders() const
{
    QList<qint32> out;
    for (const Change& c : m_changes)
        out.append(c.holder);
    return out;
}
