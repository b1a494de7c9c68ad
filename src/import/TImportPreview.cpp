#include "import/TImportPreview.h"

#include "import/TFingerprint.h"

#include <QMultiHash>
#include <QSet>

#include <algorithm>
#include <tuple>

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
    , m_proof(TBalanceProof::check(m_statement))
{
    const QList<bool> imported = matcher.imported(m_fingerprints);
    const int n = rowCount();
    m_status.reserve(n);
    m_ticked.fill(false, n);
    m_typed.fill(-1, n);
    m_expected.fill(-1, n);
    for (int i = 0; i < n; ++i) {
        Status status = Status::New;
        if (imported.at(i))
            status = Status::Imported;
        else if (row(i).pending)
            status = Status::Pending;
        else if (m_proof.rows.at(i) == TBalanceProof::Verdict::Disagrees)
            status = Status::Disagrees;
        m_status.append(status);
        if (status == Status::New)
            setTicked(i, true);
    }
}

int TImportPreview::count(Status status) const
{
    return static_cast<int>(std::count(m_status.cbegin(), m_status.cend(), status));
}

void TImportPreview::matchTyped(const QList<TTypedBooking>& bookings)
{
    // Every pair of a row and a booking of its amount within reach, the nearest first; each takes
    // the other when both are free.
    struct Pair
    {
        qint64 days;
        int row;
        int booking;
    };
    QMultiHash<std::int64_t, int> byAmount;
    for (int b = 0; b < bookings.size(); ++b)
        byAmount.insert(bookings.at(b).amount.raw(), b);
    QList<Pair> pairs;
    for (int i = 0; i < rowCount(); ++i) {
        if (m_status.at(i) == Status::Imported || m_status.at(i) == Status::Pending || m_typed.at(i) >= 0 ||
            m_expected.at(i) >= 0)
            continue;
        for (auto it = byAmount.constFind(row(i).amount.raw());
             it != byAmount.cend() && it.key() == row(i).amount.raw(); ++it) {
            const qint64 days = std::abs(bookings.at(*it).date.daysTo(row(i).date));
            if (days <= TypedDays)
                pairs.append({days, i, *it});
        }
    }
    std::sort(pairs.begin(), pairs.end(), [&](const Pair& a, const Pair& b) {
        return std::tie(a.days, a.row, bookings.at(a.booking).id) < std::tie(b.days, b.row, bookings.at(b.booking).id);
    });
    // A booking an expected payment has claimed is taken already.
    QSet<int> taken;
    for (int b = 0; b < bookings.size(); ++b) {
        for (const TTypedBooking& claimed : std::as_const(m_bookings)) {
            if (claimed.id == bookings.at(b).id && claimed.transfer == bookings.at(b).transfer)
                taken.insert(b);
        }
    }
    for (const Pair& p : pairs) {
        if (m_typed.at(p.row) >= 0 || taken.contains(p.booking))
            continue;
        taken.insert(p.booking);
        m_typed[p.row] = static_cast<int>(m_bookings.size());
        m_bookings.append(bookings.at(p.booking));
        m_status[p.row] = Status::TypedBefore;
        setTicked(p.row, false);
    }
}

void TImportPreview::matchExpected(const QList<TExpectedPayment>& payments)
{
    // As matchTyped: every pair within reach, the nearest first; each takes the other when both are
    // free.
    struct Pair
    {
        qint64 days;
        int row;
        int payment;
    };
    QList<Pair> pairs;
    for (int i = 0; i < rowCount(); ++i) {
        if (m_status.at(i) != Status::New)
            continue;
        for (int p = 0; p < payments.size(); ++p) {
            const qint64 days = std::abs(payments.at(p).date.daysTo(row(i).date));
            if (days <= TypedDays && payments.at(p).matchesAmount(row(i).amount))
                pairs.append({days, i, p});
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const Pair& a, const Pair& b) { return std::tie(a.days, a.row) < std::tie(b.days, b.row); });
    QSet<int> taken;
    for (const Pair& p : pairs) {
        if (m_expected.at(p.row) >= 0 || taken.contains(p.payment))
            continue;
        taken.insert(p.payment);
        const TExpectedPayment& payment = payments.at(p.payment);
        m_expected[p.row] = static_cast<int>(m_payments.size());
        m_payments.append(payment);
        if (payment.isBooked()) {
            // Booked already: the row is that booking, linked as one typed before.
            m_typed[p.row] = static_cast<int>(m_bookings.size());
            m_bookings.append({payment.bookingId, payment.transfer, payment.date, payment.amount, payment.label});
            m_status[p.row] = Status::TypedBefore;
            setTicked(p.row, false);
        } else {
            m_status[p.row] = Status::Expected;
        }
    }
}

const TExpectedPayment* TImportPreview::expected(int i) const
{
    return m_expected.at(i) >= 0 ? &m_payments.at(m_expected.at(i)) : nullptr;
}

const TTypedBooking* TImportPreview::typed(int i) const
{
    return m_typed.at(i) >= 0 ? &m_bookings.at(m_typed.at(i)) : nullptr;
}

QList<int> TImportPreview::linkedRows() const
{
    QList<int> rows;
    for (int i = 0; i < rowCount(); ++i) {
        if (m_status.at(i) == Status::TypedBefore && !m_ticked.at(i))
            rows.append(i);
    }
    return rows;
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
