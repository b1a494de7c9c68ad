#pragma once

#include <QList>
#include <QMetaType>
#include <QSet>

// What one commit changed in the books, as TBooks tells every view.
struct TBooksChange
{
    // One booking: a deposit or debit (a row of Detail) or a transfer (a row of Transfer).
    struct Booking
    {
        bool transfer = false;
        qint32 id = 0;
        bool operator==(const Booking&) const = default;
    };

    QSet<qint32> balances;   // holders whose balance moved
    QSet<qint32> bookingsOf; // holders whose bookings were added, edited or deleted
    QList<Booking> added;    // bookings
    QList<Booking> edited;
    QList<Booking> deleted;
    QSet<qint32> holdersAdded;
    QSet<qint32> holdersEdited; // name, kind, rule, URL or memo
    QSet<qint32> holdersRemoved;
    // Standing orders added, edited or deleted, or whose occurrences were booked or skipped.
    QSet<qint32> orders;
    // The view whose own command made the change (TBooks::Origin), else null: a view that refreshes
    // itself after its commands may pass over its own changes.
    const void* origin = nullptr;

    bool isEmpty() const;
    bool changesBookings() const { return !added.isEmpty() || !edited.isEmpty() || !deleted.isEmpty(); }
    bool changesHolders() const { return !holdersAdded.isEmpty() || !holdersRemoved.isEmpty(); }
    // Every holder the change names.
    QSet<qint32> holders() const;
    TBooksChange& operator+=(const TBooksChange& other);
};

Q_DECLARE_METATYPE(TBooksChange)
