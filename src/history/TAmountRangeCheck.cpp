#include "history/TAmountRangeCheck.h"
#include <QCoreApplication>

#include "data/Currency.h"

TAmountRangeCheck::Problem TAmountRangeCheck::check(const QString& minText, const QString& maxText,
                                                    const QLocale& locale)
{
    // A box is given when it holds anything at all: blanks alone are not a number.
    const std::optional<Currency> min =
        minText.isEmpty() ? std::nullopt : Currency::parse(minText, locale, nullptr, Currency::Grouping::Accepted);
    if (!minText.isEmpty() && !min)
        return Problem::MinNotANumber;
    const std::optional<Currency> max =
        maxText.isEmpty() ? std::nullopt : Currency::parse(maxText, locale, nullptr, Currency::Grouping::Accepted);
    if (!maxText.isEmpty() && !max)
        return Problem::MaxNotANumber;
    if (min && max && *min > *max)
        return Problem::MinAboveMax;
    return Problem::None;
}

QString TAmountRangeCheck::message(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::MinNotANumber:
        return QCoreApplication::translate("TAmountRangeCheck", "The minimum amount of money must be a number!");
    case Problem::MaxNotANumber:
        return QCoreApplication::translate("TAmountRangeCheck", "The maximum amount of money must be a number!");
    case Problem::MinAboveMax:
        return QCoreApplication::translate("TAmountRangeCheck",
                                           "The minimum amount should not be large than the maximum!!");
    }
    return {};
}
