#pragma once

#include "data/Currency.h"

#include <QDate>

// One occurrence of a standing order: the order, the day of its rhythm (which names it, whatever
// the weekend rule does), the day it is booked on and the amount to book.
struct TOccurrence
{
    qint32 order = 0;
    QDate scheduled; // the day of the rhythm: the occurrence's key
    QDate date;      // the day it falls due and is booked on, after the weekend rule
    Currency amount;

    bool operator==(const TOccurrence&) const = default;
};
