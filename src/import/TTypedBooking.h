#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QString>

// A booking of a holder that the user typed by hand and no import has made or claimed: a row of a
// statement may be it, come from the bank after it was typed.
struct TTypedBooking
{
    qint32 id = 0;
    bool transfer = false; // a Transfer, else a Detail (deposit or debit)
    QDate date;
    Currency amount;      // as it moved the holder's balance: negative for money paid out
    QString counterparty; // From of a deposit or debit; the other holder of a transfer
};
