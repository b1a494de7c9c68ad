#include "data/TBackupRotation.h"

#include <QSet>

#include <algorithm>

namespace {

QDate mondayOf(const QDate& day)
{
    return day.addDays(1 - day.dayOfWeek());
}

int monthNumber(const QDate& day)
{
    return day.year() * 12 + day.month();
}

} // namespace

QList<QDate> TBackupRotation::toDelete(const QList<Copy>& copies, const QDate& today)
{
    QList<QDate> whole;
    for (const Copy& copy : copies) {
        if (copy.state == State::Whole)
            whole << copy.day;
    }
    std::sort(whole.begin(), whole.end(), std::greater<>());

    QSet<QDate> kept;
    for (qsizetype i = 0; i < std::min<qsizetype>(Days, whole.size()); ++i)
        kept.insert(whole.at(i));
    // Newest first: the first copy met in a week or a month is that period's newest.
    QSet<qint64> weeks;
    QSet<int> months;
    const QDate thisMonday = mondayOf(today);
    for (const QDate& day : std::as_const(whole)) {
        const qint64 week = mondayOf(day).daysTo(thisMonday) / 7;
        if (week >= 0 && week < Weeks && !weeks.contains(week)) {
            weeks.insert(week);
            kept.insert(day);
        }
        const int month = monthNumber(today) - monthNumber(day);
        if (month >= 0 && month < Months && !months.contains(month)) {
            months.insert(month);
            kept.insert(day);
        }
    }

    QList<QDate> gone;
    for (const Copy& copy : copies) {
        if (copy.state != State::Unknown && !kept.contains(copy.day))
            gone << copy.day;
    }
    return gone;
}
