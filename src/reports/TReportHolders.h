#pragma once

#include "data/TDataInfo.h"
#include "data/THolderType.h"

#include <QList>

// The holders a report covers: all of them, the accounts, the wallets or one holder, as the history
// window chooses them; or any set of holders.
class TReportHolders
{
public:
    TReportHolders() = default;
    // The holder list's entry: one holder when `holderId` is above 0, else its family.
    static TReportHolders choice(THolderFamily family, qint32 holderId = 0);
    // Exactly the holders `ids` (those that exist).
    static TReportHolders of(const QList<qint32>& ids);

    THolderFamily family() const { return m_family; }
    qint32 holderId() const { return m_holderId; }
    bool isSet() const { return m_set; }
    const QList<qint32>& setIds() const { return m_ids; }

    // Whether the holder `id` of Account.type `type` is one of them.
    bool contains(qint32 id, int type) const;
    // The chosen holders as they are in the file, in the order of the lists (bank accounts, credit
    // cards, wallets, each by id), with their balances as the tiles show them.
    QList<TDataInfo> load() const;

    bool operator==(const TReportHolders&) const = default;

private:
    THolderFamily m_family = THolderFamily::All;
    qint32 m_holderId = 0;
    bool m_set = false;
    QList<qint32> m_ids;
};
