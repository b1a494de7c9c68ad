#pragma once

#include "data/Currency.h"

#include <QLocale>
#include <QString>

// Writes holders (rows of Account) for the account and wallet dialogs. Never writes Balance:
// balances change only through bookings.
class THolderStore
{
public:
    struct Fields
    {
        QString name; // trimmed by the caller
        int kind = 0; // AccountKind: 0 bank account, 1 credit card account, 2 wallet
        bool negative = false;
        bool warnNegative = false;
        QString url;
        QString memo;
    };

    // Inserts a new holder; returns the number of rows added. The row takes the table's own
    // numbering and a balance of 0.
    static int insertHolder(const Fields& fields);

    // Updates holder `id`: name, flags, URL and memo, and the kind when `writeKind` (a wallet keeps
    // its kind). Returns the number of rows changed.
    static int updateHolder(qint32 id, const Fields& fields, bool writeKind);

    // A wallet's whole-number share, in percent, of all money: the exact ratio balance * 100 /
    // total, cut toward zero (a wallet that holds all the money has 100). 0 when the total is 0.
    static qint64 walletShare(Currency balance, Currency total);

    // The share as the wallet dialog shows it: two decimals and a percent sign ("25.00%",
    // "25,00%" under a decimal comma).
    static QString shareText(qint64 share, const QLocale& locale = QLocale());
};
