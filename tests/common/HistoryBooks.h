#pragma once

#include "TestDb.h"

#include <QDateTime>

// Four holders and their bookings around the pinned "now", Sunday 15 March 2026 at 14:30. Every
// Balance equals its bookings. Each booking is named below by its "from" text.
//
//   today    00:00:00  transfer 2.5 Cash -> Purse   "Pocket"
//   today    09:00     deposit 10 Bank              "Employer", for "Salary", memo "March pay"
//   today    12:00     transfer 5 Bank -> Cash      "ATM", memo "cash"
//   today    23:59:59  debit 4 Bank                 "Grocer", for "Food", memo "weekly shop"
//   10 March 08:00     deposit 10 Cash              "O'Brien", for "Gift", memo "50% of it"
//   20 Feb   10:00     debit 20 Card                "Shop"
//   16 March 00:00:00  deposit 7 Bank               "Late"
struct HistoryBooks
{
    static QDateTime now();

    // Pins the clock to now() and the locale to en_US, and fills a fresh database.
    HistoryBooks();
    ~HistoryBooks();

    TestDb db;
    qint32 bank = 0;
    qint32 card = 0;
    qint32 cash = 0;
    qint32 purse = 0;
    qint32 pocket = 0;
    qint32 employer = 0;
    qint32 atm = 0;
    qint32 grocer = 0;
    qint32 obrien = 0;
    qint32 shop = 0;
    qint32 late = 0;
};
