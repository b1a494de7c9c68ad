#pragma once

#include <QLocale>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

// A money value: a signed 64-bit count of ten-thousandths of a unit. Every amount and balance of the
// program is one of these; sums and comparisons are exact, and nothing passes through a double on
// its way to the database or to a balance.
class Currency
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromRaw(std::int64_t tenThousandths)
    {
        Currency c;
        c.m_raw = tenThousandths;
        return c;
    }
    static constexpr Currency fromUnits(std::int64_t units) { return fromRaw(units * Scale); }

    static constexpr Currency max() { return fromRaw(INT64_MAX); }
    static constexpr Currency min() { return fromRaw(INT64_MIN); }

    constexpr std::int64_t raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }

    // Whether parse() takes the locale's grouping separators in the integer part.
    enum class Grouping
    {
        Refused,
        // As the program shows amounts: a first group of one to three digits, then groups of exactly
        // three ("3,200.00" in en_US, "3.200,00" in de_DE); where the locale groups with a space, any
        // space does.
        Accepted,
    };

    // Parses text typed by the user in the notation of `locale`: blanks at both ends are ignored; an
    // optional sign, digits with at most one decimal separator of the locale, and an optional exponent
    // ("e" or "E", an optional sign, digits). Grouping separators are refused unless `grouping` accepts
    // them. Digits past the fourth decimal are rounded half to even; `rounded`, when given, tells
    // whether that changed the value. Anything else, or a value outside the currency range, gives no
    // value.
    static std::optional<Currency> parse(const QString& text, const QLocale& locale = QLocale(),
                                         bool* rounded = nullptr, Grouping grouping = Grouping::Refused);

    // The locale's money format ("%m"): currency symbol, grouping, the locale's number of currency
    // decimals and its style for negative amounts.
    QString toMoneyString(const QLocale& locale = QLocale()) const;

    // Exactly two decimals and a point, whatever the locale: "12.50", "-0.01".
    QString toFixed2() const;

    // The value as a plain number in the locale's notation, with as many decimals as it needs (none
    // for a whole amount) and no grouping: what an amount box shows and what parse() reads back.
    QString toPlainString(const QLocale& locale = QLocale()) const;

    // The same with at most `decimals` decimals (rounded half away from zero), trailing zeros dropped.
    QString toPlainString(const QLocale& locale, int decimals) const;

    // The value in the locale's notation with its grouping and exactly `decimals` decimals (rounded
    // half away from zero), without a currency symbol: "1,234.56" in en_US, "1.234,56" in de_DE.
    QString toGroupedString(const QLocale& locale, int decimals = 2) const;

    // Rounds to whole units, halves to the even neighbour; returns the number of units.
    std::int64_t roundToUnits() const;

    // The value as a double, for writers whose format stores doubles (spreadsheet cells).
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }

    // Checked arithmetic: no value when the result leaves the currency range.
    std::optional<Currency> checkedAdd(Currency other) const;
    std::optional<Currency> checkedSub(Currency other) const;

    constexpr Currency operator-() const { return fromRaw(-m_raw); }
    constexpr Currency operator+(Currency o) const { return fromRaw(m_raw + o.m_raw); }
    constexpr Currency operator-(Currency o) const { return fromRaw(m_raw - o.m_raw); }
    constexpr Currency& operator+=(Currency o)
    {
        m_raw += o.m_raw;
        return *this;
    }
    constexpr Currency& operator-=(Currency o)
    {
        m_raw -= o.m_raw;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t m_raw = 0;
};
