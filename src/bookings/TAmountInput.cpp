#include "bookings/TAmountInput.h"

TAmountInput::Result TAmountInput::read(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {Status::Empty, {}};
    const std::optional<Currency> value = Currency::parse(trimmed, locale);
    if (!value)
        return {Status::NotANumber, {}};
    if (*value <= Currency())
        return {Status::NotPositive, *value};
    return {Status::Ok, *value};
}
