#pragma once

#include "data/Currency.h"

#include <QString>

#include <optional>

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

    // A wallet's whole-number share, in percent, of all money: the balance times 100 and the total
    // each rounded to whole units (halves to even), then divided with the quotient cut toward zero.
    // 0 when the total is exactly 0; no value when the total is not 0 but rounds to 0.
    static std::optional<qint64> walletShare(Currency balance, Currency total);

    // The share as the wallet dialog shows it: two decimals and a percent sign ("25.00%",
    // "25,00%" under a decimal comma); 0.00% when there is no share to show.
    static QString shareText(std::optional<qint64> share, const QLocale& locale = QLocale());
};
