#include "import/TImportPreview.h"

#include "import/TFingerprint.h"

namespace {

std::optional<Currency> money(__int128 value)
{
    if (value > INT64_MAX || value < INT64_MIN)
        return std::nullopt;
    return Currency::fromRaw(static_cast<std::int64_t>(value));
}

} // namespace

TImportPreview::TImportPreview(TStatement statement, const TImportMatcher& matcher)
    : m_statement(std::move(statement))
    , m_fingerprints(TFingerprint::of(m_statement.rows))
    , m_imported(matcher.imported(m_fingerprints))
{
    m_ticked.reserve(m_imported.size());
    for (int i = 0; i < m_imported.size(); ++i) {
        m_ticked.append(false);
        if (!m_imported.at(i)) {
            ++m_newCount;
            setTicked(i, true);
        }
    }
}

void TImportPreview::count(int i, int sign)
{
    const std::int64_t raw = row(i).amount.raw();
    if (raw > 0)
        m_deposits += sign * static_cast<__int128>(raw);
    else
        m_debits -= sign * static_cast<__int128>(raw);
    m_tickedCount += sign;
}

void TImportPreview::setTicked(int i, bool ticked)
{
    if (m_ticked.at(i) == ticked)
        return;
    m_ticked[i] = ticked;
    count(i, ticked ? 1 : -1);
}

QList<int> TImportPreview::tickedRows() const
{
    QList<int> rows;
    rows.reserve(m_tickedCount);
    for (int i = 0; i < m_ticked.size(); ++i) {
        if (m_ticked.at(i))
            rows.append(i);
    }
    return rows;
}

std::optional<Currency> TImportPreview::deposits() const
{
    return money(m_deposits);
}

std::optional<Currency> TImportPreview::debits() const
{
    return money(m_debits);
}

std::optional<Currency> TImportPreview::net() const
{
    return money(m_deposits - m_debits);
}

std::optional<Currency> TImportPreview::balanceAfter(Currency balance) const
{
    return money(static_cast<__int128>(balance.raw()) + m_deposits - m_debits);
}
