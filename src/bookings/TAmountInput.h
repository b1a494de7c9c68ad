#pragma once

#include "data/Currency.h"

#include <QLocale>
#include <QString>

// Reads the amount typed into a booking dialog: the locale's decimal separator, a sign and an
// exponent accepted, the locale's grouping accepted where it groups as the program shows amounts
// ("3,200.00" in en_US) and refused elsewhere ("3,20,0"), blanks at both ends ignored, at most four
// decimals (an amount that would lose a non-zero digit past the fourth decimal is refused, not
// rounded).
class TAmountInput
{
public:
    enum class Status
    {
        Ok,
        Empty,       // nothing but blanks
        NotANumber,  // not a currency number, outside the currency range, or finer than 0.0001
        NotPositive, // 0 or below
    };

    struct Result
    {
        Status status = Status::Empty;
        Currency value;
    };

    static Result read(const QString& text, const QLocale& locale = QLocale());
};
