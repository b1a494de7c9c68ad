#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QString>

// A payment the books expect on a holder around a day (an occurrence of a standing order), due or
// already booked: a row of a statement may be it.
struct TExpectedPayment
{
    // Names the payment to its provider; the import keeps it and hands it back.
    qint32 source = 0;
    QDate key;

    QDate date;
    Currency amount;          // as it moves the holder's balance: negative for money paid out
    int tolerancePercent = 0; // a row's amount may differ from `amount` by this share
    QString label;            // what the preview shows: "Rent, standing order of 1 March"

    // Where it is booked already: the booking (a Transfer, else a Detail); id 0 while it is due.
    qint32 bookingId = 0;
    bool transfer = false;

    bool isBooked() const { return bookingId != 0; }
    // Whether a statement row of `rowAmount` is this payment's amount.
    bool matchesAmount(Currency rowAmount) const;
};
