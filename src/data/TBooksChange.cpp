#include "data/TBooksChange.h"

bool TBooksChange::isEmpty() const
{
    return balances.isEmpty() && bookingsOf.isEmpty() && !changesBookings() && !changesHolders() &&
           holdersEdited.isEmpty() && orders.isEmpty();
}

QSet<qint32> TBooksChange::holders() const
{
    return balances + bookingsOf + holdersAdded + holdersEdited + holdersRemoved;
}

TBooksChange& TBooksChange::operator+=(const TBooksChange& other)
{
    balances += other.balances;
    bookingsOf += other.bookingsOf;
    added += other.added;
    edited += other.edited;
    deleted += other.deleted;
    holdersAdded += other.holdersAdded;
    holdersEdited += other.holdersEdited;
    holdersRemoved += other.holdersRemoved;
    orders += other.orders;
    return *this;
}
