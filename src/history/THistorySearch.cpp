#include "history/THistorySearch.h"

#include "data/TDM.h"

#include <QSqlQuery>

#include <iterator>

namespace {

// By entry of the kind list; the first entry selects no kind.
constexpr int KindOfEntry[] = {-1, 0, 1, 3, 2};

} // namespace

QList<THistorySearch::HolderEntry> THistorySearch::holderEntries()
{
    QList<HolderEntry> entries{{QStringLiteral("-----All-----"), 0}, {QStringLiteral("---Account---"), 0}};
    QSqlQuery q = TDM::current().select(QStringLiteral("select ID, name, type from Account order by type, ID"));
    bool walletSection = false;
    while (q.next()) {
        if (q.value(2).toInt() == 2 && !walletSection) {
            entries.append({QStringLiteral("---Wallet---"), 0});
            walletSection = true;
        }
        entries.append({QStringLiteral("    ") + q.value(1).toString(), q.value(0).toInt()});
    }
    return entries;
}

QStringList THistorySearch::typeEntries()
{
    return {QStringLiteral("-----All-----"), QStringLiteral("Deposit"), QStringLiteral("Debit"),
            QStringLiteral("Trans in"), QStringLiteral("Trans out")};
}

int THistorySearch::kindOfTypeEntry(int index)
{
    return index > 0 && index < int(std::size(KindOfEntry)) ? KindOfEntry[index] : -1;
}

void THistorySearch::addHolderFilter(TLedgerQuery& query, int holderIndex, qint32 holderId)
{
    if (holderId > 0)
        query.addHolder(holderId);
    else if (holderIndex == 1)
        query.addFamily(TLedgerQuery::Family::Accounts);
    else if (holderIndex > 1)
        query.addFamily(TLedgerQuery::Family::Wallets);
}

TLedgerQuery THistorySearch::simple(const Simple& criteria, const QDate& today)
{
    TLedgerQuery query;
    const QDate first = criteria.period == Period::ThisMonth ? QDate(today.year(), today.month(), 1) : today;
    query.addDayRange(first, today);
    addHolderFilter(query, criteria.holderIndex, criteria.holderId);
    if (const int kind = kindOfTypeEntry(criteria.typeIndex); kind >= 0)
        query.addKind(kind);
    query.addText(criteria.text);
    return query;
}

TLedgerQuery THistorySearch::advanced(const Advanced& criteria, const QLocale& locale)
{
    TLedgerQuery query;
    query.addDayRange(criteria.first, criteria.last);
    addHolderFilter(query, criteria.holderIndex, criteria.holderId);
    if (const int kind = kindOfTypeEntry(criteria.typeIndex); kind >= 0)
        query.addKind(kind);
    query.addFromText(criteria.fromText);
    query.addAmountRange(criteria.minText, criteria.maxText, locale);
    // "To" is the payee of a debit, which the ledger keeps in "from".
    if (!criteria.toText.isEmpty()) {
        query.addKind(1);
        query.addFromText(criteria.toText);
    }
    query.addMemoText(criteria.memoText);
    return query;
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
