#include "history/THistorySearch.h"

#include "data/TBookingKind.h"
#include "data/TBooks.h"

#include <QCoreApplication>
#include <iterator>

namespace {

// By entry of the kind list; the first entry selects no kind.
constexpr int KindOfEntry[] = {-1, static_cast<int>(TBookingKind::Deposit), static_cast<int>(TBookingKind::Debit),
                               static_cast<int>(TBookingKind::TransferIn), static_cast<int>(TBookingKind::TransferOut)};

} // namespace

QList<THistorySearch::HolderEntry> THistorySearch::holderEntries()
{
    QList<HolderEntry> entries{
        {QCoreApplication::translate("THistorySearch", "-----All-----"), 0, THolderFamily::All},
        {QCoreApplication::translate("THistorySearch", "---Account---"), 0, THolderFamily::Accounts}};
    bool walletSection = false;
    for (const TDataInfo& holder : TBooks::holders(THolderFamily::All, true)) {
        const THolderFamily family = holder.isWallet() ? THolderFamily::Wallets : THolderFamily::Accounts;
        if (family == THolderFamily::Wallets && !walletSection) {
            entries.append({QCoreApplication::translate("THistorySearch", "---Wallet---"), 0, THolderFamily::Wallets});
            walletSection = true;
        }
        entries.append({QStringLiteral("    ") + holder.Name, holder.ID, family});
    }
    return entries;
}

QStringList THistorySearch::typeEntries()
{
    return {QCoreApplication::translate("THistorySearch", "-----All-----"),
            QCoreApplication::translate("THistorySearch", "Deposit"),
            QCoreApplication::translate("THistorySearch", "Debit"),
            QCoreApplication::translate("THistorySearch", "Trans in"),
            QCoreApplication::translate("THistorySearch", "Trans out")};
}

int THistorySearch::kindOfTypeEntry(int index)
{
    return index > 0 && index < int(std::size(KindOfEntry)) ? KindOfEntry[index] : -1;
}

void THistorySearch::addHolderFilter(TLedgerQuery& query, THolderFamily family, qint32 holderId)
{
    if (holderId > 0)
        query.addHolder(holderId);
    else if (family == THolderFamily::Accounts)
        query.addFamily(TLedgerQuery::Family::Accounts);
    else if (family == THolderFamily::Wallets)
        query.addFamily(TLedgerQuery::Family::Wallets);
}

TLedgerQuery THistorySearch::simple(const Simple& criteria, const QDate& today)
{
    TLedgerQuery query;
    const QDate first = criteria.period == Period::ThisMonth ? QDate(today.year(), today.month(), 1) : today;
    query.addDayRange(first, today);
    addHolderFilter(query, criteria.family, criteria.holderId);
    if (const int kind = kindOfTypeEntry(criteria.typeIndex); kind >= 0)
        query.addKind(kind);
    query.addText(criteria.text);
    return query;
}

TLedgerQuery THistorySearch::advanced(const Advanced& criteria, const QLocale& locale)
{
    TLedgerQuery query;
    query.addDayRange(criteria.first, criteria.last);
    addHolderFilter(query, criteria.family, criteria.holderId);
    if (const int kind = kindOfTypeEntry(criteria.typeIndex); kind >= 0)
        query.addKind(kind);
    query.addFromText(criteria.fromText);
    query.addAmountRange(criteria.minText, criteria.maxText, locale);
    // "To" is the payee of a debit, which the ledger keeps in "from".
    if (!criteria.toText.isEmpty()) {
        query.addKind(static_cast<int>(TBookingKind::Debit));
        query.addFromText(criteria.toText);
    }
    query.addMemoText(criteria.memoText);
    return query;
}

namespace {

QString holderDetail(THolderFamily family, qint32 holderId)
{
    QString holder;
    if (holderId > 0)
        holder = TBooks::holder(holderId).Name;
    if (holder.isEmpty()) {
        switch (family) {
        case THolderFamily::Accounts:
            holder = QCoreApplication::translate("THistorySearch", "All accounts");
            break;
        case THolderFamily::Wallets:
            holder = QCoreApplication::translate("THistorySearch", "All wallets");
            break;
        default:
            holder = QCoreApplication::translate("THistorySearch", "All");
            break;
        }
    }
    return QCoreApplication::translate("THistorySearch", "Acc/Wal: %1").arg(holder);
}

} // namespace

QStringList THistorySearch::printDetails(const Simple& criteria)
{
    return {holderDetail(criteria.family, criteria.holderId),
            QCoreApplication::translate("THistorySearch", "Period: %1")
                .arg(criteria.period == Period::ThisMonth ? QCoreApplication::translate("THistorySearch", "This Month")
                                                          : QCoreApplication::translate("THistorySearch", "Today"))};
}

QStringList THistorySearch::printDetails(const Advanced& criteria, const QLocale& locale)
{
    return {holderDetail(criteria.family, criteria.holderId),
            QCoreApplication::translate("THistorySearch", "Period: %1 to %2")
                .arg(locale.toString(criteria.first, QLocale::ShortFormat),
                     locale.toString(criteria.last, QLocale::ShortFormat))};
}

void THistorySearch::addToColumn(TRowSet& rows)
{
    rows.appendTextColumn(QStringLiteral("To"), [&rows](int row) {
        if (rows.isNull(row, TLedgerQuery::Type) || rows.number(row, TLedgerQuery::Type) != 1 ||
            rows.isNull(row, TLedgerQuery::From))
            return QByteArrayView();
        return rows.utf8(row, TLedgerQuery::From);
    });
}
