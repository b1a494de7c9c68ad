#include "DataRow.h"

#include "orders/TOrderSchedule.h"

#include <QTest>

namespace {

using Unit = TStandingOrder::Unit;
using Weekend = TStandingOrder::Weekend;

TStandingOrder order(Unit unit, int every, const QDate& first, Weekend weekend = Weekend::Keep)
{
    TStandingOrder o;
    o.unit = unit;
    o.every = every;
    o.first = first;
    o.weekend = weekend;
    return o;
}

QList<QDate> dates(const QList<TOrderSchedule::Date>& list)
{
    QList<QDate> out;
    for (const TOrderSchedule::Date& d : list)
        out << d.date;
    return out;
}

// How many occurrences the property test follows from each first date: enough to pass every month
// of a year, and the leap years of a yearly order.
int followed(Unit unit)
{
    switch (unit) {
    case Unit::Days:
        return 12;
    case Unit::Weeks:
        return 8;
    case Unit::Months:
        return 14;
    case Unit::Years:
        return 9;
    }
    return 0;
}

} // namespace

class TestOrderSchedule : public QObject
{
    Q_OBJECT

private slots:
    void everyFirstDateKeepsItsRhythm_data();
    void everyFirstDateKeepsItsRhythm();
    void datesOfKnownOrders_data();
    void datesOfKnownOrders();
};

void TestOrderSchedule::everyFirstDateKeepsItsRhythm_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("every");
    QTest::addColumn<int>("weekend");
    const char* const units[] = {"days", "weeks", "months", "years"};
    const char* const rules[] = {"kept", "Friday before", "Monday after"};
    for (int unit = 0; unit < 4; ++unit) {
        for (int every = 1; every <= 3; ++every) {
            for (int weekend = 0; weekend < 3; ++weekend)
                QTest::addRow("every %d %s, weekends %s", every, units[unit], rules[weekend])
                    << unit << every << weekend;
        }
    }
}

// For every first date from 2000-01-01 to 2100-12-31: the occurrences found over a range are the
// numbers 0, 1, 2... each once (none skipped, none doubled), wherever the range is cut in two; each
// keeps the day of the rhythm (a monthly or yearly one its day of month, the last day of a shorter
// month), and the weekend rule moves it to a weekday of the same month, at most two days away,
// never before the one before.
void TestOrderSchedule::everyFirstDateKeepsItsRhythm()
{
    QFETCH(int, unit);
    QFETCH(int, every);
    QFETCH(int, weekend);
    const auto u = static_cast<Unit>(unit);
    const auto rule = static_cast<Weekend>(weekend);
    const int n = followed(u);
    qint64 checked = 0;
    for (QDate first(2000, 1, 1); first <= QDate(2100, 12, 31); first = first.addDays(1)) {
        const TStandingOrder o = order(u, every, first, rule);
        const TOrderSchedule schedule(o);
        // The range from the first date to the day of occurrence n - 1, after the weekend rule (the
        // weekend after a Friday may join it).
        const QDate last = schedule.at(n - 1)->date;
        const QList<TOrderSchedule::Date> all = schedule.between(first.addDays(-3), last);
        if (all.size() < n || all.size() > n + 2)
            QFAIL(qPrintable(
                QStringLiteral("%1: %2 occurrences, not %3").arg(first.toString(Qt::ISODate)).arg(all.size()).arg(n)));
        // Cut anywhere, the two halves hold each occurrence once.
        const QDate cut = first.addDays(first.daysTo(last) * (first.day() % 7) / 7);
        const QList<TOrderSchedule::Date> halves =
            schedule.between(first.addDays(-3), cut) + schedule.between(cut.addDays(1), last);
        if (halves != all)
            QFAIL(qPrintable(
                QStringLiteral("%1: cut on %2").arg(first.toString(Qt::ISODate), cut.toString(Qt::ISODate))));
        for (int i = 0; i < all.size(); ++i) {
            const TOrderSchedule::Date& d = all.at(i);
            QDate expected;
            switch (u) {
            case Unit::Days:
                expected = first.addDays(i * every);
                break;
            case Unit::Weeks:
                expected = first.addDays(7 * i * every);
                break;
            case Unit::Months:
            case Unit::Years: {
                const int months = i * every * (u == Unit::Years ? 12 : 1);
                const int index = first.year() * 12 + first.month() - 1 + months;
                const QDate month(index / 12, index % 12 + 1, 1);
                expected = QDate(month.year(), month.month(), std::min(first.day(), month.daysInMonth()));
                break;
            }
            }
            const bool weekday = d.date.dayOfWeek() < Qt::Saturday;
            const bool ok = d.index == i && d.scheduled == expected && d.date.month() == expected.month() &&
                            std::abs(d.date.daysTo(expected)) <= 2 &&
                            (rule == Weekend::Keep ? d.date == expected : weekday) &&
                            (i == 0 || d.date >= all.at(i - 1).date) && schedule.indexOf(d.scheduled) == i;
            if (!ok)
                QFAIL(qPrintable(QStringLiteral("first %1, occurrence %2: %3 on %4, expected %5")
                                     .arg(first.toString(Qt::ISODate))
                                     .arg(i)
                                     .arg(d.scheduled.toString(Qt::ISODate), d.date.toString(Qt::ISODate),
                                          expected.toString(Qt::ISODate))));
            // The one after each day before it is the next occurrence not yet passed.
            const std::optional<TOrderSchedule::Date> next = schedule.nextAfter(d.date.addDays(-1));
            if (!next || next->date != d.date)
                QFAIL(qPrintable(QStringLiteral("first %1: nothing next before %2")
                                     .arg(first.toString(Qt::ISODate), d.date.toString(Qt::ISODate))));
            ++checked;
        }
    }
    QVERIFY(checked > 36000 * n);
}

void TestOrderSchedule::datesOfKnownOrders_data()
{
    QTest::addColumn<TStandingOrder>("order");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QList<QDate>>("dates");
    TStandingOrder o = order(Unit::Months, 1, QDate(2024, 1, 31));
    dataRow("the 31st: February's last day, then the 31st again", o, QDate(2024, 1, 1), QDate(2024, 5, 31),
            QList<QDate>{{2024, 1, 31}, {2024, 2, 29}, {2024, 3, 31}, {2024, 4, 30}, {2024, 5, 31}});
    o.first = QDate(2025, 1, 31);
    dataRow("the 31st in a year without 29 February", o, QDate(2025, 2, 1), QDate(2025, 3, 31),
            QList<QDate>{{2025, 2, 28}, {2025, 3, 31}});
    o = order(Unit::Years, 1, QDate(2024, 2, 29));
    dataRow("29 February yearly", o, QDate(2024, 1, 1), QDate(2028, 12, 31),
            QList<QDate>{{2024, 2, 29}, {2025, 2, 28}, {2026, 2, 28}, {2027, 2, 28}, {2028, 2, 29}});
    // 1 March 2026 is a Sunday, 31 May 2026 a Sunday, 1 August 2026 a Saturday.
    o = order(Unit::Months, 1, QDate(2026, 3, 1), Weekend::FridayBefore);
    dataRow("Friday before: the 1st on a Sunday stays in its month", o, QDate(2026, 2, 1), QDate(2026, 3, 31),
            QList<QDate>{{2026, 3, 2}});
    o = order(Unit::Months, 1, QDate(2026, 5, 31), Weekend::MondayAfter);
    dataRow("Monday after: the 31st on a Sunday stays in its month", o, QDate(2026, 5, 1), QDate(2026, 6, 30),
            QList<QDate>{{2026, 5, 29}, {2026, 6, 30}});
    o = order(Unit::Months, 1, QDate(2026, 7, 15), Weekend::FridayBefore);
    dataRow("Friday before: the 15th on a Saturday", o, QDate(2026, 8, 1), QDate(2026, 8, 31),
            QList<QDate>{{2026, 8, 14}});
    o = order(Unit::Weeks, 2, QDate(2026, 1, 5));
    o.times = 3;
    dataRow("three times every other week", o, QDate(2026, 1, 1), QDate(2026, 12, 31),
            QList<QDate>{{2026, 1, 5}, {2026, 1, 19}, {2026, 2, 2}});
    o = order(Unit::Days, 10, QDate(2026, 1, 1));
    o.last = QDate(2026, 1, 30);
    dataRow("until a last day", o, QDate(2025, 1, 1), QDate(2027, 1, 1),
            QList<QDate>{{2026, 1, 1}, {2026, 1, 11}, {2026, 1, 21}});
    o = order(Unit::Months, 0, QDate(2026, 1, 1));
    dataRow("no rhythm, no occurrence", o, QDate(2025, 1, 1), QDate(2027, 1, 1), QList<QDate>{});
}

void TestOrderSchedule::datesOfKnownOrders()
{
    QFETCH(TStandingOrder, order);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QList<QDate>, dates);
    const TOrderSchedule schedule(order);
    QCOMPARE(::dates(schedule.between(from, to)), dates);
    // After the last one asked for, the next is outside the range or there is none.
    const std::optional<TOrderSchedule::Date> next = schedule.nextAfter(dates.isEmpty() ? from : dates.back());
    QVERIFY(!next || next->date > to);
}

QTEST_GUILESS_MAIN(TestOrderSchedule)
#include "tst_orderschedule.moc"
