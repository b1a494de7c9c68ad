#include "bookings/TAmountInput.h"

TAmountInput::Result TAmountInput::read(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {Status::Empty, {}};
    // Digits past the fourth decimal would be rounded away unseen: such a text is refused.
    bool rounded = false;
    const std::optional<Currency> value = Currency::parse(trimmed, locale, &rounded, Currency::Grouping::Accepted);
    if (!value || rounded)
        return {Status::NotANumber, {}};
    if (*value <= Currency())
        return {Status::NotPositive, *value};
    return {Status::Ok, *value};
}
