#pragma once

#include "data/Currency.h"

#include <QDateTime>
#include <QString>

// One transfer as the transfer dialog hands it to the store (a row of table Transfer).
struct TTransferRow
{
    qint32 ID = 0; // 0 (or below 1) for a new transfer, else the Transfer.ID being edited
    qint32 SourceID = 0;
    qint32 DestID = 0;
    QDateTime Date;
    QString From;
    Currency Amount;
    QString For;
    QString Memo;
};
