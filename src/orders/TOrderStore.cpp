#include "orders/TOrderStore.h"

QList<TStandingOrder> TOrderStore::list()
{
    return {};
}

std::optional<TStandingOrder> TOrderStore::load(qint32)
{
    return std::nullopt;
}

qint32 TOrderStore::save(const TStandingOrder&)
{
    return 0;
}

bool TOrderStore::remove(qint32)
{
    return false;
}

bool TOrderStore::setPaused(qint32, bool, const QDate&)
{
    return false;
}

QList<TOccurrence> TOrderStore::due(const QDate&)
{
    return {};
}

int TOrderStore::dueWithin(const QDate&, int)
{
    return 0;
}

std::optional<TOccurrence> TOrderStore::next(qint32, const QDate&)
{
    return std::nullopt;
}

TBooksChange::Booking TOrderStore::book(const TOccurrence&, Currency, const TNegativePolicy&)
{
    return {};
}

bool TOrderStore::skip(const TOccurrence&)
{
    return false;
}

QList<TOrderStore::Booked> TOrderStore::bookAutomatic(const QDate&, const TNegativePolicy&)
{
    return {};
}

QList<TOrderStore::Record> TOrderStore::records(qint32)
{
    return {};
}

std::optional<TOrderStore::Record> TOrderStore::bookedBy(const TBooksChange::Booking&)
{
    return std::nullopt;
}

std::optional<TStandingOrder> TOrderStore::fromBooking(const TBooksChange::Booking&)
{
    return std::nullopt;
}

QString TOrderStore::label(const TStandingOrder&, const QDate&)
{
    return {};
}
