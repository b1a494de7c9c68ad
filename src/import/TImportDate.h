#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The order of day, month and year in a statement's dates.
enum class TDateOrder
{
    DayMonthYear,
    MonthDayYear,
    YearMonthDay
};

// Dates as banks write them. The order is the only thing a file must be told; the rest is read as
// it comes: any separators ("15.01.2024", "15/01/2024", "2024-01-15", " 1/ 2/24", "1/2'24"), one or
// two digits for day and month, two or four for the year (a two-digit year is 1970-2069; a year
// first must have four), an English month name in the month's place ("15 Jan 2024", "Jan 15,
// 2024"), eight digits in a row ("20240115") and a time of day after a blank or a "T", which is
// left out.
class TImportDate
{
public:
    static std::optional<QDate> parse(QStringView text, TDateOrder order);

    // The orders under which every date of `texts` parses (empty texts are left out; no texts fit
    // every order), in the order day-month-year, month-day-year, year-month-day. More than one means
    // the file does not tell the order and the user must be asked; so when every date reads as the
    // same day in each fitting order ("1/1/2000", "5/5/2024" and "12.12.2023"), only the first is
    // returned: there is nothing to ask.
    static QList<TDateOrder> fittingOrders(const QStringList& texts);

    // "day, month, year" and so on: the order in the words of a message.
    static QString orderText(TDateOrder order);
    // "DMY", "MDY", "YMD": the order in a stored profile.
    static QString orderKey(TDateOrder order);
    static std::optional<TDateOrder> orderFromKey(const QString& key);

    // Why `text` is no date in `order`, in a user's words.
    static QString failureReason(const QString& text, TDateOrder order);
};
