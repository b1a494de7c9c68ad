#pragma once

#include "data/Currency.h"
#include "data/TRowSet.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

struct sqlite3;

// The ledger: every list of bookings is read through this one statement, which puts deposits and
// debits (Detail) and both sides of every transfer (Transfer) into one result, each row joined to
// its holder (Account). Callers add filter lines in their own order and then open it; the order
// line comes last. Every value is bound, never spliced into the text: a quote or a decimal comma
// is searched for like any other character, and % and _ typed by the user stay LIKE wildcards.
//
// Texts match with TTextPattern's LIKE, which ignores case for every letter.
//
// open() runs the statement planned for the data at hand (plan()): the same filter lines on each
// arm of the union, with the engine steered to the cheapest way of finding the rows. A long period
// is read in table order rather than through the date index, and a text search over a long period
// takes its candidates from the trigram indexes of the texts first. The plan keeps every filter
// line and only adds what they imply, so the rows are always those of statement(), in date order.
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
    // The name of a ledger kind in the user's language ("Deposit", "Debit", "Trans Out", and "Trans In"
    // for any other in English). The plain statement gives the kind's number as TypeName; the rows of
    // open() carry this name.
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
    // The same with amounts typed in the notation of `locale` (its grouping accepted, as the query
    // dialog's check takes them); an empty text is not given. Throws std::invalid_argument when a text
    // is not an amount.
    void addAmountRange(const QString& minText, const QString& maxText, const QLocale& locale = QLocale());

    // The statement that says which rows a list holds: the view, the filter lines, the order line.
    QString statement() const;
    const QVariantList& values() const { return m_values; }

    enum class Plan
    {
        Indexes,  // the holder and date indexes, as the engine chooses: short periods, one holder
        Scan,     // every booking in table order: long periods, where an index would visit most rows
        TextIndex // the text filters' candidates from the trigram indexes, then the exact match
    };
    struct Planned
    {
        Plan plan = Plan::Indexes;
        QString sql;
        QVariantList values;
    };
    // The statement open() runs on `db`, chosen by how many rows the holder and date indexes would
    // visit (counted on the indexes, up to what decides) against the size of the tables. It has no
    // order line: open() puts the fetched rows into date order itself. `force` takes that plan
    // instead (TextIndex only where a text filter and the indexes allow it, else Scan); the rows
    // are the same whatever the plan.
    Planned plan(sqlite3* db, std::optional<Plan> force = std::nullopt) const;

    // Prepares the statement on the data module's connection without running it: a statement the
    // engine rejects (a table or column that is not there) throws DbError at once.
    void check() const;

    // Runs the planned statement on the data module's connection and fetches every row. Throws
    // DbError with the engine's text when the statement fails.
    TRowSet open() const;
    // The same on another connection to the file; its LIKE must be TTextPattern's
    // (TTextPattern::registerLike), as on the data module's connection.
    TRowSet open(sqlite3* db, std::optional<Plan> force = std::nullopt) const;

private:
    void addLike(const QString& line, const QString& text, int times, const QString& textColumns);

    QStringList m_lines;
    QVariantList m_values;

    // What the plan needs to know of the filters: the narrowest day range ([from, to) as stored
    // dates), the holder, and the text filters' patterns with the trigram index columns they search
    // (empty: all three).
    std::optional<std::pair<QString, QString>> m_days;
    std::optional<qint32> m_holder;
    QList<std::pair<QString, QString>> m_texts;
};
