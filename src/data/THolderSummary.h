#pragma once

#include "data/Currency.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The summary of one holder at a moment: its share of all money, and its deposits and debits
// (Detail only; transfers do not count) of the current month up to the end of today and of today.
// Everything is exact: the share is the holder's balance divided by the balance of all holders,
// rounded half to even to four decimals of the ratio, shown as a percentage with two decimals.
class THolderSummary
{
public:
    QString name;
    // The share in hundredths of a percent (1250 is 12.50%); 0 when all balances add up to 0.
    qint64 percentHundredths = 0;
    Currency monthDeposit;
    Currency monthDebit;
    Currency todayDeposit;
    Currency todayDebit;

    // Reads the summary of `holderId` at `now` with one statement. A holder that does not exist
    // gives an empty name, 0.00% and zero amounts.
    static THolderSummary compute(qint32 holderId, const QDateTime& now);

    enum class Rounding
    {
        HalfToEven,
        TowardZero
    };
    // The share of `balance` in `total` in units of 1/`scale` percent: the exact ratio
    // balance * 100 * scale / total, rounded to a whole number as `rounding` says (beyond the range
    // of qint64 it stays at its end). 0 when the total is exactly 0.
    static qint64 share(Currency balance, Currency total, int scale, Rounding rounding);
    // The share of `balance` in `total`, in hundredths of a percent, halves to even.
    static qint64 shareHundredths(Currency balance, Currency total)
    {
        return share(balance, total, 100, Rounding::HalfToEven);
    }

    // "12.50%" with the locale's decimal separator.
    QString percentText(const QLocale& locale = QLocale()) const;
    // The six texts of the summary row: name, share, this month's deposits and debits, today's
    // deposits and debits, the amounts in the locale's money format.
    QStringList texts(const QLocale& locale = QLocale()) const;
};
