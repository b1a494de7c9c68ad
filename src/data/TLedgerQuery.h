#pragma once

#include "data/Currency.h"
#include "data/TRowSet.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// The ledger: every list of bookings is read through this one statement, which puts deposits and
// debits (Detail) and both sides of every transfer (Transfer) into one result, each row joined to
// its holder (Account). Callers add filter lines in their own order and then open it; the order
// line comes last. Every value is bound, never spliced into the text: a quote or a decimal comma
// is searched for like any other character, and % and _ typed by the user stay LIKE wildcards.
//
// Output columns, in this order (the copy command reads them by position):
//   0 id, 1 AccID, 2 TypeName, 3 type, 4 date, 5 Date1, 6 from, 7 Amount, 8 for, 9 memo, 10 name,
//   11 AccType
class TLedgerQuery
{
public:
    enum Column
    {
        Id,
        AccID,
        TypeName,
        Type,
        Date,
        Date1,
        From,
        Amount,
        For,
        Memo,
        Name,
        AccType,
        ColumnCount
    };
    enum class Family
    {
        Accounts, // bank and credit card accounts (kinds 0 and 1)
        Wallets   // kind 2
    };

    TLedgerQuery();

    // The statement every list starts from, without filter or order lines.
    static QString viewStatement();
    // An empty result with the ledger's columns.
    static TRowSet emptyRows();
    // The name of a ledger kind: "Deposit", "Debit", "Trans Out", and "Trans In" for any other.
    static QString typeName(int ledgerKind);

    // Bookings of the whole days `first` to `last`: from `first` at midnight up to, but not
    // including, midnight after `last`.
    void addDayRange(const QDate& first, const QDate& last);
    void addHolder(qint32 holderId);
    void addFamily(Family family);
    void addKind(int ledgerKind);
    // `text` anywhere in from, for or memo; nothing is added for an empty text.
    void addText(const QString& text);
    void addFromText(const QString& text);
    void addMemoText(const QString& text);
    // Both given: between them, both included; only `min`: strictly above; only `max`: strictly
    // below; neither: nothing.
    void addAmountRange(const std::optional<Currency>& min, const std::optional<Currency>& max);
    // The same with amounts typed in the notation of `locale`; an empty text is not given. Throws
    // std::invalid_argument when a text is not an amount.
    void addAmountRange(const QString& minText, const QString& maxText, const QLocale& locale = QLocale());

    // The statement as sent: the view, the filter lines, the order line.
    QString statement() const;
    const QVariantList& values() const { return m_values; }

    // Runs the statement on the data module's connection and fetches every row. Throws DbError with
    // the engine's text when the statement fails.
    TRowSet open() const;

private:
    void addLike(const QString& line, const QString& text, int times);

    QStringList m_lines;
    QVariantList m_values;
};
