#pragma once

#include "orders/TStandingOrder.h"

#include <QDate>
#include <QList>

// Standing orders as the tests of the orders' store and windows set them up.

// 500 rent paid from `bank` to the landlord every month from `first`, on the day of month of `first`.
TStandingOrder rentOrder(qint32 bank, const QDate& first, bool automatic = false);

// The days of the occurrences due up to `today`, oldest first.
QList<QDate> dueDates(const QDate& today);
