#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QString>

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
};
