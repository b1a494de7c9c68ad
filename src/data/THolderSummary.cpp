#include "data/THolderSummary.h"

#include "data/TDM.h"

#include <QSqlQuery>

namespace {

Currency moneyAt(const QSqlQuery& q, int column)
{
    return Currency::fromRaw(q.value(column).toLongLong());
}

} // namespace

THolderSummary THolderSummary::compute(qint32 holderId, const QDateTime& now)
{
    const QDate today = now.date();
    const QString monthStart = TDM::toDbDate(QDateTime(QDate(today.year(), today.month(), 1), QTime(0, 0)));
    const QString dayStart = TDM::toDbDate(QDateTime(today, QTime(0, 0)));
    const QString tomorrow = TDM::toDbDate(QDateTime(today.addDays(1), QTime(0, 0)));
    const QString sumOf =
        QStringLiteral("(select sum(Amount) from Detail where DestID = ? and type = ? and Date >= ? and Date < ?)");

    QSqlQuery q =
        TDM::current().select(QStringLiteral("select name, Balance, (select sum(Balance) from Account), %1, %1, %1, %1"
                                             " from Account where ID = ?")
                                  .arg(sumOf),
                              {holderId, 0, monthStart, tomorrow, holderId, 1, monthStart, tomorrow, holderId, 0,
                               dayStart, tomorrow, holderId, 1, dayStart, tomorrow, holderId});
    THolderSummary s;
    if (!q.next())
        return s;
    s.name = q.value(0).toString();
    s.percentHundredths = shareHundredths(moneyAt(q, 1), moneyAt(q, 2));
    s.monthDeposit = moneyAt(q, 3);
    s.monthDebit = moneyAt(q, 4);
    s.todayDeposit = moneyAt(q, 5);
    s.todayDebit = moneyAt(q, 6);
    return s;
}

qint64 THolderSummary::share(Currency balance, Currency total, int scale, Rounding rounding)
{
    if (total.isZero())
        return 0;
    __int128 num = static_cast<__int128>(balance.raw()) * 100 * scale;
    __int128 den = total.raw();
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    const __int128 magnitude = negative ? -num : num;
    __int128 q = magnitude / den;
    const __int128 twice = (magnitude % den) * 2;
    if (rounding == Rounding::HalfToEven && (twice > den || (twice == den && q % 2 != 0)))
        ++q;
    if (q > INT64_MAX)
        q = negative ? static_cast<__int128>(INT64_MAX) + 1 : INT64_MAX;
    return static_cast<qint64>(negative ? -q : q);
}

QString THolderSummary::percentText(const QLocale& locale) const
{
    const quint64 magnitude =
        percentHundredths < 0 ? 0 - static_cast<quint64>(percentHundredths) : static_cast<quint64>(percentHundredths);
    return QStringLiteral("%1%2%3%4%")
        .arg(percentHundredths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(locale.decimalPoint())
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QStringList THolderSummary::texts(const QLocale& locale) const
{
    return {name,
            percentText(locale),
            monthDeposit.toMoneyString(locale),
            monthDebit.toMoneyString(locale),
            todayDeposit.toMoneyString(locale),
            todayDebit.toMoneyString(locale)};
}
