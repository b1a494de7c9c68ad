#include "import/TImportDate.h"

#include <QCoreApplication>
#include <array>

namespace {

constexpr std::array<TDateOrder, 3> AllOrders = {TDateOrder::DayMonthYear, TDateOrder::MonthDayYear,
                                                 TDateOrder::YearMonthDay};

struct Part
{
    int value = 0;
    int digits = 0; // 0: a month name
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The month of an English month name or its first three letters ("sept" too), else 0.
int monthOfName(QStringView word)
{
    static const std::array<const char16_t*, 12> names = {u"january",   u"february", u"march",    u"april",
                                                          u"may",       u"june",     u"july",     u"august",
                                                          u"september", u"october",  u"november", u"december"};
    if (word.size() < 3)
        return 0;
    for (int m = 0; m < 12; ++m) {
        const QStringView name(names[m]);
        if (word.size() <= name.size() && name.startsWith(word, Qt::CaseInsensitive))
            return m + 1;
    }
    if (word.compare(u"sept", Qt::CaseInsensitive) == 0)
        return 9;
    return 0;
}

// Splits the date part of `s` into three parts; a time after a blank or a "T" ends it.
bool splitParts(QStringView s, std::array<Part, 3>& parts)
{
    int count = 0;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (isDigit(c) || c.isLetter()) {
            if (count == 3) {
                // What follows the third part must be a time of day.
                const bool afterBlank = s[i - 1].isSpace() && isDigit(c);
                const bool afterT = (c == u'T' || c == u't') && i + 1 < n && isDigit(s[i + 1]);
                return afterBlank || afterT;
            }
            const qsizetype start = i;
            if (isDigit(c)) {
                while (i < n && isDigit(s[i]))
                    ++i;
                const qsizetype len = i - start;
                if (len == 8 && count == 0 && (i == n || s[i].isSpace() || s[i] == u'T')) {
                    // Eight digits in a row: the caller splits them by the order.
                    parts[0] = {s.mid(start, 8).toInt(), 8};
                    count = 3;
                    continue;
                }
                if (len > 4)
                    return false;
                parts[count++] = {s.mid(start, len).toInt(), int(len)};
            } else {
                while (i < n && s[i].isLetter())
                    ++i;
                const int month = monthOfName(s.mid(start, i - start));
                if (month == 0)
                    return false;
                parts[count++] = {month, 0};
            }
        } else {
            ++i;
        }
    }
    return count == 3;
}

std::optional<int> yearOf(const Part& p)
{
    if (p.digits == 4)
        return p.value;
    if (p.digits == 2 || p.digits == 1)
        return p.value < 70 ? 2000 + p.value : 1900 + p.value;
    return std::nullopt;
}

bool dayOrMonthDigits(const Part& p)
{
    return p.digits == 1 || p.digits == 2;
}

} // namespace

std::optional<QDate> TImportDate::parse(QStringView text, TDateOrder order)
{
    std::array<Part, 3> parts;
    if (!splitParts(text.trimmed(), parts))
        return std::nullopt;

    if (parts[0].digits == 8) {
        const int v = parts[0].value;
        const int a = v / 10000, b = (v / 100) % 100, c = v % 100;       // aaaa bb cc
        const int d = v / 1000000, e = (v / 10000) % 100, f = v % 10000; // dd ee ffff
        QDate date;
        switch (order) {
        case TDateOrder::YearMonthDay:
            date = QDate(a, b, c);
            break;
        case TDateOrder::DayMonthYear:
            date = QDate(f, e, d);
            break;
        case TDateOrder::MonthDayYear:
            date = QDate(f, d, e);
            break;
        }
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }

    Part day, month, year;
    switch (order) {
    case TDateOrder::DayMonthYear:
        day = parts[0], month = parts[1], year = parts[2];
        break;
    case TDateOrder::MonthDayYear:
        month = parts[0], day = parts[1], year = parts[2];
        break;
    case TDateOrder::YearMonthDay:
        year = parts[0], month = parts[1], day = parts[2];
        if (year.digits != 4)
            return std::nullopt;
        break;
    }
    if (!dayOrMonthDigits(day) || !(month.digits == 0 || dayOrMonthDigits(month)))
        return std::nullopt;
    const std::optional<int> y = yearOf(year);
    if (!y)
        return std::nullopt;
    const QDate date(*y, month.value, day.value);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QList<TDateOrder> TImportDate::fittingOrders(const QStringList& texts)
{
    QList<TDateOrder> orders;
    for (TDateOrder order : AllOrders) {
        bool all = true;
        for (const QString& t : texts) {
            if (!t.trimmed().isEmpty() && !parse(t, order)) {
                all = false;
                break;
            }
        }
        if (all)
            orders.append(order);
    }
    // Dates whose day and month are the same ("5/5/2024") read alike in every order: nothing to ask.
    if (orders.size() < 2)
        return orders;
    bool anyDate = false;
    for (const QString& t : texts) {
        if (t.trimmed().isEmpty())
            continue;
        anyDate = true;
        const std::optional<QDate> first = parse(t, orders.front());
        for (qsizetype i = 1; i < orders.size(); ++i) {
            if (parse(t, orders.at(i)) != first)
                return orders;
        }
    }
    if (anyDate)
        orders.resize(1);
    return orders;
}

QString TImportDate::orderText(TDateOrder order)
{
    switch (order) {
    case TDateOrder::DayMonthYear:
        return QCoreApplication::translate("TImportDate", "day, month, year");
    case TDateOrder::MonthDayYear:
        return QCoreApplication::translate("TImportDate", "month, day, year");
    case TDateOrder::YearMonthDay:
        return QCoreApplication::translate("TImportDate", "year, month, day");
    }
    return {};
}

QString TImportDate::orderKey(TDateOrder order)
{
    switch (order) {
    case TDateOrder::DayMonthYear:
        return QStringLiteral("DMY");
    case TDateOrder::MonthDayYear:
        return QStringLiteral("MDY");
    case TDateOrder::YearMonthDay:
        return QStringLiteral("YMD");
    }
    return {};
}

std::optional<TDateOrder> TImportDate::orderFromKey(const QString& key)
{
    for (TDateOrder order : AllOrders) {
        if (key == orderKey(order))
            return order;
    }
    return std::nullopt;
}

QString TImportDate::failureReason(const QString& text, TDateOrder order)
{
    if (text.trimmed().isEmpty())
        return QCoreApplication::translate("TImportDate", "There is no date.");
    return QCoreApplication::translate("TImportDate", "\"%1\" is not a date in the order %2.")
        .arg(text.trimmed(), orderText(order));
}
