#pragma once

#include "data/Currency.h"
#include "import/TImportMatcher.h"
#include "import/TStatement.h"

#include <QList>
#include <QStringList>

#include <optional>

// The rows of a statement as the user reviews them before booking: each with its fingerprint,
// whether it was imported before, and whether it is ticked for booking (new rows are, rows imported
// before are not; the user may change either). Keeps the totals of the ticked rows.
class TImportPreview
{
public:
    TImportPreview(TStatement statement, const TImportMatcher& matcher);

    const TStatement& statement() const { return m_statement; }
    int rowCount() const { return static_cast<int>(m_statement.rows.size()); }
    const TImportRow& row(int i) const { return m_statement.rows.at(i); }
    const QString& fingerprint(int i) const { return m_fingerprints.at(i); }
    bool isImported(int i) const { return m_imported.at(i); }
    bool isTicked(int i) const { return m_ticked.at(i); }
    void setTicked(int i, bool ticked);

    int newCount() const { return m_newCount; }
    int tickedCount() const { return m_tickedCount; }
    QList<int> tickedRows() const;

    // The ticked deposits, the ticked debits (as a positive sum) and their difference; no value when
    // a sum leaves the range of money.
    std::optional<Currency> deposits() const;
    std::optional<Currency> debits() const;
    std::optional<Currency> net() const;
    // The holder's balance after booking the ticked rows.
    std::optional<Currency> balanceAfter(Currency balance) const;

private:
    void count(int i, int sign);

    TStatement m_statement;
    QStringList m_fingerprints;
    QList<bool> m_imported;
    QList<bool> m_ticked;
    int m_newCount = 0;
    int m_tickedCount = 0;
    __int128 m_deposits = 0;
    __int128 m_debits = 0;
};
