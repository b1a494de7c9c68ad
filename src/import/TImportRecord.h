#pragma once

#include "data/Currency.h"

#include <QDateTime>
#include <QString>

// One import as the list of imports shows it.
struct TImportRecord
{
    qint32 id = 0;
    QDateTime when;
    qint32 holderId = 0;
    QString holderName; // empty when the holder has been deleted since
    QString fileName;   // without its folder
    int rows = 0;       // the bookings it made
    Currency total;     // deposits - debits
    QString profile;    // the saved settings it was read with, if any
};
