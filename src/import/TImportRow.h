#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QString>

#include <optional>

// One transaction read from a bank statement. A positive amount is money received (a deposit), a
// negative one money paid out (a debit).
struct TImportRow
{
    int line = 0; // the line of the file where the transaction starts
    QDate date;
    Currency amount;
    QString from;    // payer or payee
    QString forText; // what the money was for
    QString memo;
    QString bankId; // the bank's own id of the transaction (OFX FITID), else empty
    // The account's balance after this transaction, where the statement gives it (a balance column).
    std::optional<Currency> balance;
    // The bank's state of the transaction where the statement has one ("PENDING"), and whether that
    // state means the transaction is not final yet (pending, reverted, declined): such a row is not
    // ticked for booking.
    QString state;
    bool pending = false;
};
