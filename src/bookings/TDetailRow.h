#pragma once

#include "data/Currency.h"

#include <QDateTime>
#include <QString>

// One deposit or debit as the booking dialogs hand it to the store (a row of table Detail).
struct TDetailRow
{
    static constexpr int Deposit = 0;
    static constexpr int Debit = 1;

    qint32 ID = 0;     // 0 (or below 1) for a new booking, else the Detail.ID being edited
    int Type = 0;      // DetailKind: 0 deposit, 1 debit
    qint32 DestID = 0; // the holder the money goes into (deposit) or out of (debit)
    QDateTime Date;
    QString From;
    Currency Amount;
    QString For;
    QString Memo;
};
