#pragma once

#include "data/THolderType.h"
#include "data/TLedgerQuery.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The searches of the history window, without widgets: the entries of its holder and kind lists,
// the simple search (period, holder, kind, a text in from, for or memo) and the advanced search
// (the query dialog's criteria), each built as a ledger query with every value bound.
class THistorySearch
{
public:
    // One entry of a holder list: a section ("-----All-----", "---Account---", "---Wallet---") with
    // id 0 and the family it stands for, or a holder, four blanks before its name, with its family.
    struct HolderEntry
    {
        QString text;
        qint32 id = 0;
        THolderFamily family = THolderFamily::All;
    };
    enum class Period
    {
        ThisMonth, // from the first of the month up to and including today
        Today
    };
    struct Simple
    {
        Period period = Period::Today;
        THolderFamily family = THolderFamily::All; // of the chosen entry of the holder list
        qint32 holderId = 0;                       // the holder of the chosen entry; 0 for a section
        int typeIndex = 0;
        QString text; // untrimmed
    };
    struct Advanced
    {
        QDate first;
        QDate last;
        THolderFamily family = THolderFamily::All;
        qint32 holderId = 0;
        int typeIndex = 0;
        QString fromText; // trimmed by the dialog
        QString minText;  // amounts as typed, in the notation of the locale
        QString maxText;
        QString toText;
        QString memoText;
    };

    // "-----All-----", "---Account---", every account, then "---Wallet---" and every wallet when a
    // wallet exists; accounts (bank, then credit card) before wallets, each kind in the order of
    // its ids.
    static QList<HolderEntry> holderEntries();
    // The kind list: "-----All-----", "Deposit", "Debit", "Trans in", "Trans out".
    static QStringList typeEntries();
    // The ledger kind an entry of the kind list selects; -1 for "-----All-----".
    static int kindOfTypeEntry(int index);
    // The holder filter of a holder-list entry: its holder, else its family (none for "all").
    static void addHolderFilter(TLedgerQuery& query, THolderFamily family, qint32 holderId);

    static TLedgerQuery simple(const Simple& criteria, const QDate& today);
    // Throws std::invalid_argument when an amount text is not an amount in `locale`.
    static TLedgerQuery advanced(const Advanced& criteria, const QLocale& locale = QLocale());

    // What a printed list of a search says it shows under the window's title: its holder
    // ("Acc/Wal: " and the holder's name, "All", "All accounts" or "All wallets") and its period
    // ("Period: This Month" or "Today", or the query's first and last day).
    static QStringList printDetails(const Simple& criteria);
    static QStringList printDetails(const Advanced& criteria, const QLocale& locale = QLocale());

    // Adds the column "To" to a ledger result: the payee of a debit (which the ledger keeps in
    // "from"); no value for the other kinds.
    static void addToColumn(TRowSet& rows);
};
