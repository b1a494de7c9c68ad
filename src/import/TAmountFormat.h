#pragma once

#include "data/Currency.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// How a file writes its amounts: the decimal separator and the grouping separator between
// thousands (none, ".", ",", a blank or "'"), whatever the user's locale says. Besides the number
// an amount may carry a sign in front ("-12,50", "+5") or behind ("12,50-"), parentheses for a
// negative amount ("(12.50)"), "CR" or "DR" behind, and a currency sign or code ("€", "EUR") on
// either side.
class TAmountFormat
{
public:
    QChar decimal = u'.';
    QChar grouping; // null: no grouping

    // The amount of `text`; on failure no value, and `reason` (when given) says why in a user's words.
    std::optional<Currency> parse(QStringView text, QString* reason = nullptr) const;

    // The notation that fits the most of `samples` (amount texts of one file); where they do not tell,
    // a decimal comma for files separated by ";" and a decimal point otherwise.
    static TAmountFormat guess(const QStringList& samples, QChar delimiter = u',');

    // An example amount in this notation: "1.234,56", "1,234.56", "1234.56", "1 234,56".
    QString example() const;

    bool operator==(const TAmountFormat&) const = default;
};
