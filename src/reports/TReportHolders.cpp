#include "reports/TReportHolders.h"

#include "data/TBooks.h"

TReportHolders TReportHolders::choice(THolderFamily family, qint32 holderId)
{
    TReportHolders h;
    h.m_family = family;
    h.m_holderId = holderId > 0 ? holderId : 0;
    return h;
}

TReportHolders TReportHolders::of(const QList<qint32>& ids)
{
    TReportHolders h;
    h.m_set = true;
    h.m_ids = ids;
    return h;
}

bool TReportHolders::contains(qint32 id, int type) const
{
    if (m_set)
        return m_ids.contains(id);
    if (m_holderId > 0)
        return id == m_holderId;
    switch (m_family) {
    case THolderFamily::Accounts:
        return !isWalletType(type);
    case THolderFamily::Wallets:
        return isWalletType(type);
    case THolderFamily::All:
        break;
    }
    return true;
}

QList<TDataInfo> TReportHolders::load() const
{
    QList<TDataInfo> chosen;
    for (const TDataInfo& holder : TBooks::holders(THolderFamily::All, true)) {
        if (contains(holder.ID, holder.Type))
            chosen.append(holder);
    }
    return chosen;
}
