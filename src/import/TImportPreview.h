#pragma once

#include "data/Currency.h"
#include "import/TBalanceProof.h"
#include "import/TExpectedPayment.h"
#include "import/TImportMatcher.h"
#include "import/TStatement.h"
#include "import/TTypedBooking.h"

#include <QList>
#include <QStringList>

#include <optional>

// The rows of a statement as the user reviews them before booking: each with its fingerprint, its
// status, and whether it is ticked for booking. Only new rows are ticked at first: rows imported
// before, rows that are bookings the user typed before the statement came, rows the bank has not
// finished (pending) and rows that disagree with the statement's own balances are not; the user may
// change any tick. Keeps the totals of the ticked rows.
class TImportPreview
{
public:
    enum class Status
    {
        New,
        Imported,    // imported before, from this or an overlapping statement
        TypedBefore, // a booking the user typed by hand: importing links the row to it
        Expected,    // a payment the books expect and is due (a standing order's): booking the row
                     // books it
        Pending,     // the bank's state says it is not final yet
        Disagrees    // the statement's balances do not confirm its amount
    };

    // How many days a typed booking may lie before or after the bank's day of the row.
    static constexpr int TypedDays = 3;

    TImportPreview(TStatement statement, const TImportMatcher& matcher);

    const TStatement& statement() const { return m_statement; }
    int rowCount() const { return static_cast<int>(m_statement.rows.size()); }
    const TImportRow& row(int i) const { return m_statement.rows.at(i); }
    const QString& fingerprint(int i) const { return m_fingerprints.at(i); }
    Status status(int i) const { return m_status.at(i); }
    bool isImported(int i) const { return m_status.at(i) == Status::Imported; }
    bool isTicked(int i) const { return m_ticked.at(i); }
    void setTicked(int i, bool ticked);
    // The rows of `status`.
    int count(Status status) const;

    // What the statement's balances say of its amounts.
    const TBalanceProof::Result& proof() const { return m_proof; }

    // Marks the rows that are bookings of `bookings` (typed by hand, not yet claimed by an import):
    // the same amount within TypedDays of the row's day, each booking for one row at most, the
    // nearest days first. Rows imported before and pending ones are left as they are. Such rows
    // are unticked; when they stay unticked, the import links them to their booking.
    void matchTyped(const QList<TTypedBooking>& bookings);
    // Marks the rows that are payments the books expect (TExpectedPayments): an amount it matches
    // within TypedDays of the row's day, each payment for one row at most, the nearest days first;
    // before matchTyped. A payment booked already makes its row TypedBefore, linked to its booking
    // (unticked); a due one makes it Expected, ticked: booking the row books the payment. Rows
    // imported before and pending ones are left as they are.
    void matchExpected(const QList<TExpectedPayment>& payments);
    // The expected payment a row is, where one matched it.
    const TExpectedPayment* expected(int i) const;

    // The booking a row is, where it is TypedBefore.
    const TTypedBooking* typed(int i) const;
    // The TypedBefore rows not ticked, which the import links instead of booking.
    QList<int> linkedRows() const;

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
    QList<Status> m_status;
    QList<bool> m_ticked;
    QList<int> m_typed; // per row: index into m_bookings, or -1
    QList<TTypedBooking> m_bookings;
    QList<int> m_expected; // per row: index into m_payments, or -1
    QList<TExpectedPayment> m_payments;
    TBalanceProof::Result m_proof;
    int m_tickedCount = 0;
    __int128 m_deposits = 0;
    __int128 m_debits = 0;
};
