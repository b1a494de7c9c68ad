#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Dates and times as the user's regional settings write them.
class TDateText
{
public:
    // The short date format ("12/8/26", "08.12.26").
    static QString shortDate(const QDate& date, const QLocale& locale = QLocale());
    // The long time format without a time-zone name ("6:01:01 PM", "18:01:01").
    static QString longTime(const QTime& time, const QLocale& locale = QLocale());
    // The long time format itself, without the zone name.
    static QString longTimeFormat(const QLocale& locale = QLocale());
    // Short date, a blank, long time.
    static QString dateTime(const QDateTime& dt, const QLocale& locale = QLocale());
};
