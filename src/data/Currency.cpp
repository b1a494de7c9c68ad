#include "data/Currency.h"

#include <QStringView>

#include <algorithm>

namespace {

using Int128 = __int128;

constexpr Int128 RawMax = INT64_MAX;
constexpr Int128 RawMin = INT64_MIN;
// Significant digits kept exactly; more cannot change whether a value fits the range, and further
// fraction digits only decide a rounding tie (see `sticky`).
constexpr int MaxSignificantDigits = 30;

bool isBlank(QChar c)
{
    return c.isSpace();
}

// Divides a non-negative value, rounding halves to even; `sticky` says that non-zero digits were cut
// off below `value`, so an apparent tie is really above the half.
Int128 divideRoundHalfEven(Int128 value, Int128 divisor, bool sticky = false)
{
    Int128 quotient = value / divisor;
    Int128 remainder = value % divisor;
    Int128 twice = remainder * 2;
    if (twice > divisor || (twice == divisor && (sticky || (quotient % 2) != 0)))
        ++quotient;
    return quotient;
}

Int128 pow10(int n)
{
    Int128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// The number of currency decimals the locale uses, read off its own currency text for 1.
int currencyDecimals(const QLocale& locale)
{
    const QString one = locale.toCurrencyString(1.0);
    for (int d = 3; d > 0; --d) {
        if (one.contains(locale.toString(1.0, 'f', d)))
            return d;
    }
    return 0;
}

// Splits |raw| rounded half away from zero to `decimals` decimals into integer units and the
// fraction digits.
void splitRounded(std::int64_t raw, int decimals, Int128& units, Int128& fraction)
{
    Int128 magnitude = raw < 0 ? -static_cast<Int128>(raw) : static_cast<Int128>(raw);
    const Int128 step = pow10(4 - decimals);
    Int128 scaled = (magnitude + step / 2) / step; // in units of 10^-decimals
    const Int128 perUnit = pow10(decimals);
    units = scaled / perUnit;
    fraction = scaled % perUnit;
}

QString digitsOf(Int128 value, int width)
{
    QString s;
    do {
        s.prepend(QChar(u'0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value > 0);
    while (s.size() < width)
        s.prepend(u'0');
    return s;
}

} // namespace

std::optional<Currency> Currency::parse(const QString& text, const QLocale& locale, bool* rounded, Grouping grouping)
{
    if (rounded != nullptr)
        *rounded = false;
    QStringView s(text);
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    if (s.isEmpty())
        return std::nullopt;

    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    const QString point = locale.decimalPoint();
    const QString group = grouping == Grouping::Accepted ? locale.groupSeparator() : QString();
    const bool spaceGroups = group.size() == 1 && group.front().isSpace();
    // The length of the separator at `at` in the integer part; 0 for none.
    auto groupSeparatorAt = [&](qsizetype at) -> qsizetype {
        if (group.isEmpty() || group == point)
            return 0;
        if (spaceGroups)
            return s.at(at).isSpace() ? 1 : 0;
        return s.mid(at).startsWith(group) ? group.size() : 0;
    };

    qsizetype pos = 0;
    bool negative = false;
    auto takeSign = [&](bool& neg) {
        if (s.mid(pos).startsWith(minus) || s.mid(pos).startsWith(u'-')) {
            neg = true;
            pos += s.mid(pos).startsWith(minus) ? minus.size() : 1;
        } else if (s.mid(pos).startsWith(plus) || s.mid(pos).startsWith(u'+')) {
            pos += s.mid(pos).startsWith(plus) ? plus.size() : 1;
        }
    };
    takeSign(negative);

    // Mantissa digits without the decimal point, and how many of them follow the point.
    Int128 mantissa = 0;
    int significant = 0;
    int fractionDigits = 0;
    int droppedIntegerDigits = 0; // integer digits beyond MaxSignificantDigits
    bool sticky = false;          // a non-zero fraction digit beyond MaxSignificantDigits
    bool anyDigit = false;
    bool seenPoint = false;
    int groupDigits = 0;  // integer digits since the start or the last grouping separator
    bool grouped = false; // a grouping separator was seen
    while (pos < s.size()) {
        const QChar c = s.at(pos);
        if (c >= u'0' && c <= u'9') {
            anyDigit = true;
            if (!seenPoint)
                ++groupDigits;
            if (significant < MaxSignificantDigits) {
                if (mantissa != 0 || c != u'0')
                    ++significant;
                mantissa = mantissa * 10 + (c.unicode() - u'0');
                if (seenPoint)
                    ++fractionDigits;
            } else if (!seenPoint) {
                ++droppedIntegerDigits;
            } else if (c != u'0') {
                sticky = true;
            }
            ++pos;
        } else if (!seenPoint && s.mid(pos).startsWith(point)) {
            if (grouped && groupDigits != 3)
                return std::nullopt;
            seenPoint = true;
            pos += point.size();
        } else if (const qsizetype length = seenPoint ? 0 : groupSeparatorAt(pos); length > 0) {
            // The first group holds one to three digits, every later one three.
            if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            pos += length;
        } else {
            break;
        }
    }
    if (!anyDigit || (grouped && !seenPoint && groupDigits != 3))
        return std::nullopt;

    int exponent = 0;
    if (pos < s.size() && (s.at(pos) == u'e' || s.at(pos) == u'E')) {
        ++pos;
        bool expNegative = false;
        takeSign(expNegative);
        bool expDigit = false;
        long long e = 0;
        while (pos < s.size() && s.at(pos) >= u'0' && s.at(pos) <= u'9') {
            expDigit = true;
            if (e < 100000)
                e = e * 10 + (s.at(pos).unicode() - u'0');
            ++pos;
        }
        if (!expDigit)
            return std::nullopt;
        exponent = static_cast<int>(expNegative ? -e : e);
    }
    if (pos != s.size())
        return std::nullopt;

    // value = mantissa * 10^(droppedIntegerDigits + exponent - fractionDigits); we want it * 10^4.
    const int shift = droppedIntegerDigits + exponent - fractionDigits + 4;
    Int128 raw = 0;
    if (mantissa == 0) {
        raw = 0;
    } else if (shift >= 0) {
        if (shift > 38)
            return std::nullopt;
        const Int128 factor = pow10(shift);
        if (mantissa > (RawMax + 1) / factor + 1)
            return std::nullopt;
        raw = mantissa * factor;
    } else {
        if (-shift > 38)
            raw = 0;
        else
            raw = divideRoundHalfEven(mantissa, pow10(-shift), sticky);
        if (rounded != nullptr)
            *rounded = sticky || -shift > 38 || mantissa % pow10(-shift) != 0;
    }
    if (negative)
        raw = -raw;
    if (raw > RawMax || raw < RawMin)
        return std::nullopt;
    return fromRaw(static_cast<std::int64_t>(raw));
}

QString Currency::toMoneyString(const QLocale& locale) const
{
    const int decimals = currencyDecimals(locale);
    Int128 units = 0;
    Int128 fraction = 0;
    splitRounded(m_raw, decimals, units, fraction);

    QString number;
    if (units <= INT64_MAX)
        number = locale.toString(static_cast<qlonglong>(units));
    else
        number = digitsOf(units, 1);
    if (decimals > 0)
        number += locale.decimalPoint() + digitsOf(fraction, decimals);

    // The locale's pattern for one unit, positive or negative, with the number put in its place.
    const QString oneNumber = locale.toString(1.0, 'f', decimals);
    const bool negative = m_raw < 0 && (units != 0 || fraction != 0);
    QString pattern = locale.toCurrencyString(negative ? -1.0 : 1.0);
    const qsizetype at = pattern.indexOf(oneNumber);
    if (at < 0)
        return (negative ? locale.negativeSign() : QString()) + number;
    pattern.replace(at, oneNumber.size(), number);
    return pattern;
}

QString Currency::toFixed2() const
{
    Int128 units = 0;
    Int128 fraction = 0;
    splitRounded(m_raw, 2, units, fraction);
    const bool negative = m_raw < 0 && (units != 0 || fraction != 0);
    return (negative ? QStringLiteral("-") : QString()) + digitsOf(units, 1) + u'.' + digitsOf(fraction, 2);
}

QString Currency::toPlainString(const QLocale& locale) const
{
    return toPlainString(locale, 4);
}

QString Currency::toPlainString(const QLocale& locale, int decimals) const
{
    Int128 units = 0;
    Int128 fraction = 0;
    splitRounded(m_raw, decimals, units, fraction);
    const bool negative = m_raw < 0 && (units != 0 || fraction != 0);
    QString text = (negative ? locale.negativeSign() : QString()) + digitsOf(units, 1);
    if (fraction != 0) {
        QString digits = digitsOf(fraction, decimals);
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += locale.decimalPoint() + digits;
    }
    return text;
}

QString Currency::toGroupedString(const QLocale& locale, int decimals) const
{
    decimals = std::clamp(decimals, 0, 4);
    Int128 units = 0;
    Int128 fraction = 0;
    splitRounded(m_raw, decimals, units, fraction);
    QString number = units <= INT64_MAX ? locale.toString(static_cast<qlonglong>(units)) : digitsOf(units, 1);
    if (decimals > 0)
        number += locale.decimalPoint() + digitsOf(fraction, decimals);
    const bool negative = m_raw < 0 && (units != 0 || fraction != 0);
    return negative ? locale.negativeSign() + number : number;
}

std::int64_t Currency::roundToUnits() const
{
    const Int128 raw = m_raw;
    const Int128 magnitude = raw < 0 ? -raw : raw;
    const Int128 rounded = divideRoundHalfEven(magnitude, Scale);
    return static_cast<std::int64_t>(raw < 0 ? -rounded : rounded);
}

std::optional<Currency> Currency::checkedAdd(Currency other) const
{
    std::int64_t result = 0;
    if (__builtin_add_overflow(m_raw, other.m_raw, &result))
        return std::nullopt;
    return fromRaw(result);
}

std::optional<Currency> Currency::checkedSub(Currency other) const
{
    std::int64_t result = 0;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &result))
        return std::nullopt;
    return fromRaw(result);
}
