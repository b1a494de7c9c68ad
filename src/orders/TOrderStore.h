#pragma once

#include "bookings/TNegativePolicy.h"
#include "data/TBooksChange.h"
#include "orders/TOccurrence.h"
#include "orders/TStandingOrder.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// Keeps the standing orders and books their occurrences, each write in one transaction on the
// program's connection (a failure rolls it back and throws DbError; std::invalid_argument for an
// order that cannot be one). After each commit the model of the books (TBooks) tells every view
// what changed.
//
// Each occurrence is booked or skipped once: its record (the order and the occurrence's day of the
// rhythm, unique) is written in the same transaction as its booking and the balances, so a crash
// leaves it booked with its record or not at all, and a booked occurrence is never due again. An
// occurrence is due from the day it falls on (after the weekend rule) when it has no record. An edit
// of an order settles its occurrences up to its newest record, so a changed rhythm does not bring
// back days that were done.
class TOrderStore
{
public:
    // What became of an occurrence.
    enum class State
    {
        Booked = 1,
        Skipped = 2,
    };

    // An occurrence booked or skipped.
    struct Record
    {
        TOccurrence occurrence; // the amount as booked (0 when skipped)
        State state = State::Booked;
        TBooksChange::Booking booking; // the booking it became (id 0 when skipped)
    };

    // An occurrence that was booked, with what the booking was for, as the status bar lists it.
    struct Booked
    {
        TOccurrence occurrence;
        TBooksChange::Booking booking;
        QString label; // "Rent, standing order of 1 March"
    };

    // Every order, in the order of their ids.
    static QList<TStandingOrder> list();
    // The order `id`; no value when there is none.
    static std::optional<TStandingOrder> load(qint32 id);
    // Inserts (ID below 1) or updates (ID of the stored order) an order; returns its ID.
    static qint32 save(const TStandingOrder& order);
    // Deletes an order and the records of its occurrences; the bookings it made stay. False when
    // there is no such order.
    static bool remove(qint32 id);
    // Pauses or resumes an order; resuming on `today` leaves the occurrences that passed while it
    // was paused undue. False when there is no such order.
    static bool setPaused(qint32 id, bool paused, const QDate& today);

    // The occurrences of every order that is not paused falling due up to `today`, the oldest first
    // (ties in the order of the orders' ids).
    static QList<TOccurrence> due(const QDate& today);
    // The occurrences without a record of every order that is not paused falling due from `from` to
    // `to`, the oldest first: due ones, and those to come.
    static QList<TOccurrence> unbooked(const QDate& from, const QDate& to);
    // How many occurrences fall due after `today` and up to `days` days later.
    static int dueWithin(const QDate& today, int days = 7);
    // The order's next occurrence to book: the oldest due, else the next to fall due after `today`;
    // no value when it has ended.
    static std::optional<TOccurrence> next(qint32 order, const QDate& today);

    // Books `occurrence` with `amount` (its order's amount unless it varies) through TBookingStore,
    // together with its record, in one transaction; returns the booking. The order's negative rule
    // applies as to a typed booking, and `policy` decides: a refused occurrence throws
    // TNegativeRefusal and stays due. Throws DbError when the occurrence was booked or skipped before
    // or its order is gone.
    static TBooksChange::Booking book(const TOccurrence& occurrence, Currency amount,
                                      const TNegativePolicy& policy = TNegativePolicy::refuse());
    // Marks `occurrence` skipped: it is not due again. False when it was booked or skipped before.
    static bool skip(const TOccurrence& occurrence);
    // Books every due occurrence of the orders that book by themselves, the oldest first, with
    // `policy` (no question: refuse); what is refused or fails stays due. Returns what was booked.
    static QList<Booked> bookAutomatic(const QDate& today, const TNegativePolicy& policy = TNegativePolicy::refuse());

    // The records of an order's occurrences, the oldest first.
    static QList<Record> records(qint32 order);
    // The occurrence a booking was made for; no value when it was made for none.
    static std::optional<Record> bookedBy(const TBooksChange::Booking& booking);
    // An order filled in from a deposit, debit or transfer: the same holders, amount and texts,
    // monthly from a month after the booking's day. No value when there is no such booking.
    static std::optional<TStandingOrder> fromBooking(const TBooksChange::Booking& booking);

    // What an occurrence is for, as lists show it: the order's "For" (else its counterparty) and the
    // occurrence's day of the rhythm ("Rent, standing order of 1 March").
    static QString label(const TStandingOrder& order, const QDate& scheduled);
};
