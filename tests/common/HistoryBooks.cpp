#include "HistoryBooks.h"

#include "BookingTestHelpers.h"

#include "data/TClock.h"

#include <QStandardPaths>

namespace {

QDateTime at(int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, second));
}

} // namespace

QDateTime HistoryBooks::now()
{
    return at(3, 15, 14, 30);
}

HistoryBooks::HistoryBooks()
{
    pinLocale("en_US");
    QStandardPaths::setTestModeEnabled(true);
    TClock::setFixed(now());
    bank = db.addHolder(QStringLiteral("Bank"), 0);
    card = db.addHolder(QStringLiteral("Card"), 1);
    cash = db.addHolder(QStringLiteral("Cash"), 2);
    purse = db.addHolder(QStringLiteral("Purse"), 2);
    pocket = db.addTransfer(cash, purse, at(3, 15, 0), money("2.5"), QStringLiteral("Pocket"));
    employer = db.addDetail(0, bank, at(3, 15, 9), money("10"), QStringLiteral("Employer"), QStringLiteral("Salary"),
                            QStringLiteral("March pay"));
    atm = db.addTransfer(bank, cash, at(3, 15, 12), money("5"), QStringLiteral("ATM"), {}, QStringLiteral("cash"));
    grocer = db.addDetail(1, bank, at(3, 15, 23, 59, 59), money("4"), QStringLiteral("Grocer"), QStringLiteral("Food"),
                          QStringLiteral("weekly shop"));
    obrien = db.addDetail(0, cash, at(3, 10, 8), money("10"), QStringLiteral("O'Brien"), QStringLiteral("Gift"),
                          QStringLiteral("50% of it"));
    shop = db.addDetail(1, card, at(2, 20, 10), money("20"), QStringLiteral("Shop"));
    late = db.addDetail(0, bank, at(3, 16, 0), money("7"), QStringLiteral("Late"));
    settleBalances(db);
}

HistoryBooks::~HistoryBooks()
{
    TClock::setFixed(QDateTime());
}
