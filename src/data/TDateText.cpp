#include "data/TDateText.h"

#include <QRegularExpression>

QString TDateText::shortDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString TDateText::longTimeFormat(const QLocale& locale)
{
    // Qt's long format ends in the zone name ("t"), which the status bar, copies and pickers do
    // not want.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.replace(zone, QString());
    return format.trimmed();
}

QString TDateText::longTime(const QTime& time, const QLocale& locale)
{
    return locale.toString(time, longTimeFormat(locale));
}

QString TDateText::dateTime(const QDateTime& dt, const QLocale& locale)
{
    return shortDate(dt.date(), locale) + u' ' + longTime(dt.time(), locale);
}
