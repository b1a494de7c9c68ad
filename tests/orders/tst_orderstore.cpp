#include "DataRow.h"
#include "OrderBooks.h"
#include "TestDb.h"

#include "bookings/TBookingStore.h"
#include "data/DbError.h"
#include "data/TBooks.h"
#include "data/TOpenCheck.h"
#include "data/TSchema.h"
#include "import/TImportMatcher.h"
#include "import/TImportStore.h"
#include "orders/TOrderPayments.h"
#include "orders/TOrderStore.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

using Kind = TStandingOrder::Kind;
using Unit = TStandingOrder::Unit;

// A statement of one row per amount, on the days given.
TStatement statement(const QList<QPair<QDate, const char*>>& rows)
{
    TStatement st;
    for (const auto& [day, amount] : rows) {
        TImportRow r;
        r.date = day;
        r.amount = money(amount);
        r.from = QStringLiteral("Landlord");
        st.rows.append(r);
    }
    return st;
}

} // namespace

class TestOrderStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void dueOccurrencesAreBookedOnce_data();
    void dueOccurrencesAreBookedOnce();
    void anOccurrenceIsBookedOrSkippedOnlyOnce();
    void theNegativeRuleLeavesARefusedOccurrenceDue();
    void automaticOrdersBookByThemselves();
    void ordersAreKeptAndTold();
    void aFileOfVersionFiveGetsTheOrders();
    void anImportRowIsTheOccurrenceItMatches_data();
    void anImportRowIsTheOccurrenceItMatches();
    void importingAnExpectedRowBooksTheOccurrence();
};

void TestOrderStore::dueOccurrencesAreBookedOnce_data()
{
    QTest::addColumn<TStandingOrder>("order");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QList<QDate>>("due");
    QTest::addColumn<int>("comingWeek");
    const qint32 bank = 1;
    const QDate today(2026, 5, 20);
    TStandingOrder o = rentOrder(bank, QDate(2026, 2, 20));
    dataRow("rent three months back: four, the oldest first", o, today,
            QList<QDate>{{2026, 2, 20}, {2026, 3, 20}, {2026, 4, 20}, {2026, 5, 20}}, 0);
    o = rentOrder(bank, QDate(2024, 1, 31));
    dataRow("the 31st", o, QDate(2024, 3, 31), QList<QDate>{{2024, 1, 31}, {2024, 2, 29}, {2024, 3, 31}}, 0);
    o = rentOrder(bank, QDate(2026, 3, 1));
    o.weekend = TStandingOrder::Weekend::FridayBefore;
    dataRow("Sunday 1 March on Monday, Friday 1 May as it is", o, today,
            QList<QDate>{{2026, 3, 2}, {2026, 4, 1}, {2026, 5, 1}}, 0);
    o = rentOrder(bank, QDate(2026, 4, 1));
    o.times = 1;
    dataRow("once", o, today, QList<QDate>{{2026, 4, 1}}, 0);
    o = rentOrder(bank, QDate(2026, 5, 21));
    o.unit = Unit::Days;
    o.every = 3;
    dataRow("not yet due: three in the coming week", o, today, QList<QDate>{}, 3);
    o = rentOrder(bank, QDate(2026, 2, 20));
    o.paused = true;
    dataRow("paused", o, today, QList<QDate>{}, 0);
    o.paused = false;
    o.resumed = QDate(2026, 4, 1);
    dataRow("resumed: what passed while paused is not due", o, today, QList<QDate>{{2026, 4, 20}, {2026, 5, 20}}, 0);
    o = rentOrder(bank, QDate(2026, 4, 20));
    o.kind = Kind::Transfer;
    o.destination = 2;
    dataRow("a transfer", o, today, QList<QDate>{{2026, 4, 20}, {2026, 5, 20}}, 0);
}

// The order's due occurrences are booked with the balances following; booked, they are due no
// more, and the next start finds none.
void TestOrderStore::dueOccurrencesAreBookedOnce()
{
    QFETCH(TStandingOrder, order);
    QFETCH(QDate, today);
    QFETCH(QList<QDate>, due);
    QFETCH(int, comingWeek);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("3000"));
    const qint32 purse = db.addHolder(QStringLiteral("Purse"), 2);
    QCOMPARE(bank, order.holder);
    TOrderStore::save(order);
    QCOMPARE(dueDates(today), due);
    QCOMPARE(TOrderStore::dueWithin(today), comingWeek);
    for (const TOccurrence& o : TOrderStore::due(today))
        TOrderStore::book(o, o.amount);
    const Currency paid = Currency::fromRaw(money("500").raw() * due.size());
    QCOMPARE(db.balance(bank), money("3000") - paid);
    QCOMPARE(db.balance(purse), order.kind == Kind::Transfer ? paid : Currency());
    QCOMPARE(db.count(order.kind == Kind::Transfer ? QStringLiteral("Transfer") : QStringLiteral("Detail")),
             static_cast<int>(due.size()));
    // Booked at noon of the day they fall on, each named by its record.
    const QString table = order.kind == Kind::Transfer ? QStringLiteral("Transfer") : QStringLiteral("Detail");
    QStringList days;
    for (const QDate& d : due)
        days << d.toString(Qt::ISODate) + QStringLiteral(" 12:00:00");
    QCOMPARE(db.rows(QStringLiteral("select Date from %1 order by ID").arg(table)), days);
    QCOMPARE(TOrderStore::records(1).size(), due.size());
    // The next start.
    QVERIFY(TOrderStore::due(today).isEmpty());
}

// Booked or skipped, an occurrence is done: a second booking is refused and books nothing, whether
// the store sees the record before or only its key does inside the transaction.
void TestOrderStore::anOccurrenceIsBookedOrSkippedOnlyOnce()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("3000"));
    const qint32 id = TOrderStore::save(rentOrder(bank, QDate(2026, 4, 20)));
    const QList<TOccurrence> due = TOrderStore::due(QDate(2026, 5, 20));
    QCOMPARE(due.size(), 2);
    const TBooksChange::Booking booking = TOrderStore::book(due.at(0), money("480"));
    QVERIFY_THROWS_EXCEPTION(DbError, TOrderStore::book(due.at(0), money("500")));
    QVERIFY(!TOrderStore::skip(due.at(0)));
    QVERIFY(TOrderStore::skip(due.at(1)));
    QVERIFY_THROWS_EXCEPTION(DbError, TOrderStore::book(due.at(1), money("500")));
    QCOMPARE(db.count(QStringLiteral("Detail")), 1);
    QCOMPARE(db.balance(bank), money("2520"));
    // The key alone: a booking whose record is there already is rolled back with it.
    const TBookingStore::AlsoWrite again = [&](const TDM& tx, qint32 detail) {
        tx.execute(QStringLiteral("insert into OrderOccurrence (OrderID, Scheduled, Date, State, BookingID, Link)"
                                  " values (?, '2026-04-20', '2026-04-20', 1, ?, 1)"),
                   {id, detail});
    };
    QVERIFY_THROWS_EXCEPTION(
        DbError,
        TBookingStore::saveDetail({0, 1, bank, QDateTime(QDate(2026, 4, 20), QTime(12, 0)), {}, money("500"), {}, {}},
                                  TNegativePolicy::refuse(), again));
    QCOMPARE(db.count(QStringLiteral("Detail")), 1);
    QCOMPARE(db.balance(bank), money("2520"));
    // What each became, and the booking's occurrence.
    const QList<TOrderStore::Record> records = TOrderStore::records(id);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).state, TOrderStore::State::Booked);
    QCOMPARE(records.at(0).occurrence.amount, money("480"));
    QCOMPARE(records.at(1).state, TOrderStore::State::Skipped);
    QCOMPARE(TOrderStore::bookedBy(booking)->occurrence.scheduled, QDate(2026, 4, 20));
    QVERIFY(!TOrderStore::bookedBy({true, booking.id}));
    // Next is June's; a changed rhythm does not bring back what was done.
    QCOMPARE(TOrderStore::next(id, QDate(2026, 5, 20))->date, QDate(2026, 6, 20));
    TStandingOrder weekly = *TOrderStore::load(id);
    weekly.unit = Unit::Weeks;
    TOrderStore::save(weekly);
    QVERIFY(dueDates(QDate(2026, 5, 20)).isEmpty());
    QCOMPARE(TOrderStore::next(id, QDate(2026, 5, 20))->date, QDate(2026, 5, 25));
}

// The rule of the holder that pays applies as to a typed booking: refused, the occurrence stays due
// and nothing is written; the question is put once, and a yes books it.
void TestOrderStore::theNegativeRuleLeavesARefusedOccurrenceDue()
{
    TestDb db;
    const qint32 strict = db.addHolder(QStringLiteral("Strict"), 0, money("100"));
    const qint32 asks = db.addHolder(QStringLiteral("Asks"), 0, money("100"), true, true);
    TOrderStore::save(rentOrder(strict, QDate(2026, 5, 20)));
    TOrderStore::save(rentOrder(asks, QDate(2026, 5, 20)));
    const QList<TOccurrence> due = TOrderStore::due(QDate(2026, 5, 20));
    QCOMPARE(due.size(), 2);
    QVERIFY_THROWS_EXCEPTION(TNegativeRefusal, TOrderStore::book(due.at(0), money("500")));
    int asked = 0;
    Currency seen;
    const TNegativePolicy no = TNegativePolicy::asking([&](const TDataInfo&, Currency after) {
        ++asked;
        seen = after;
        return false;
    });
    QVERIFY_THROWS_EXCEPTION(TNegativeRefusal, TOrderStore::book(due.at(1), money("500"), no));
    QCOMPARE(asked, 1);
    QCOMPARE(seen, money("-400"));
    QCOMPARE(TOrderStore::due(QDate(2026, 5, 20)), due);
    QCOMPARE(db.count(QStringLiteral("Detail")), 0);
    QCOMPARE(db.count(QStringLiteral("OrderOccurrence")), 0);
    const TNegativePolicy yes = TNegativePolicy::asking([&](const TDataInfo&, Currency) { return ++asked > 0; });
    TOrderStore::book(due.at(1), money("500"), yes);
    QCOMPARE(asked, 2);
    QCOMPARE(db.balance(asks), money("-400"));
    QCOMPARE(TOrderStore::due(QDate(2026, 5, 20)), due.mid(0, 1));
}

// An order that books by itself books what is due, oldest first, without a question; what the rule
// refuses stays due for the dialog; others wait for the user.
void TestOrderStore::automaticOrdersBookByThemselves()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("700"));
    TStandingOrder o = rentOrder(bank, QDate(2026, 3, 20));
    o.automatic = true;
    const qint32 automatic = TOrderStore::save(o);
    o.automatic = false;
    o.forText = QStringLiteral("Gym");
    o.amount = money("10");
    const qint32 manual = TOrderStore::save(o);
    const QList<TOrderStore::Booked> booked = TOrderStore::bookAutomatic(QDate(2026, 5, 20));
    QCOMPARE(booked.size(), 1);
    QCOMPARE(booked.at(0).occurrence.date, QDate(2026, 3, 20));
    QCOMPARE(booked.at(0).label, QStringLiteral("Rent, standing order of 20 March"));
    QCOMPARE(db.balance(bank), money("200"));
    QList<qint32> left;
    for (const TOccurrence& due : TOrderStore::due(QDate(2026, 5, 20)))
        left << due.order;
    QCOMPARE(left, (QList<qint32>{manual, automatic, manual, automatic, manual}));
}

// Saved, loaded, listed, paused, deleted; each told to the views; a booking made into an order.
void TestOrderStore::ordersAreKeptAndTold()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("700"));
    const qint32 purse = db.addHolder(QStringLiteral("Purse"), 2);
    QSignalSpy told(&TBooks::instance(), &TBooks::changed);
    TStandingOrder o = rentOrder(bank, QDate(2026, 1, 31));
    o.kind = Kind::Transfer;
    o.destination = purse;
    o.last = QDate(2026, 12, 31);
    o.weekend = TStandingOrder::Weekend::MondayAfter;
    o.varying = true;
    o.memo = QStringLiteral("Flat 3");
    o.ID = TOrderStore::save(o);
    QCOMPARE(TOrderStore::list().size(), 1);
    const TStandingOrder loaded = *TOrderStore::load(o.ID);
    QCOMPARE(loaded.destination, purse);
    QCOMPARE(loaded.last, o.last);
    QCOMPARE(loaded.weekend, o.weekend);
    QVERIFY(loaded.varying && !loaded.automatic && !loaded.paused);
    QCOMPARE(loaded.memo, o.memo);
    QVERIFY(TOrderStore::setPaused(o.ID, true, QDate(2026, 5, 20)));
    QVERIFY(TOrderStore::due(QDate(2026, 5, 20)).isEmpty());
    QVERIFY(TOrderStore::setPaused(o.ID, false, QDate(2026, 5, 20)));
    QCOMPARE(TOrderStore::load(o.ID)->resumed, QDate(2026, 5, 20));
    QVERIFY(!TOrderStore::setPaused(99, true, QDate(2026, 5, 20)));
    // Orders that cannot be one.
    TStandingOrder bad = o;
    bad.ID = 0;
    bad.destination = bank;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TOrderStore::save(bad));
    bad = o;
    bad.every = 0;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TOrderStore::save(bad));
    // A booking as an order: a month after it.
    const qint32 debit = TBookingStore::saveDetail(
        {0, 1, bank, QDateTime(QDate(2026, 5, 3), QTime(9, 0)), QStringLiteral("Power"), money("61.5"), {}, {}});
    const TStandingOrder repeated = *TOrderStore::fromBooking({false, debit});
    QCOMPARE(repeated.kind, Kind::Debit);
    QCOMPARE(repeated.first, QDate(2026, 6, 3));
    QCOMPARE(repeated.amount, money("61.5"));
    QCOMPARE(repeated.counterparty, QStringLiteral("Power"));
    QVERIFY(!TOrderStore::fromBooking({true, debit}));
    // Deleted with its records; its bookings stay.
    TOrderStore::book(*TOrderStore::next(o.ID, QDate(2026, 5, 20)), money("500"));
    QVERIFY(TOrderStore::remove(o.ID));
    QVERIFY(!TOrderStore::remove(o.ID));
    QCOMPARE(db.count(QStringLiteral("OrderOccurrence")), 0);
    QCOMPARE(db.count(QStringLiteral("Transfer")), 1);
    QVERIFY(QTest::qWaitFor([&] { return told.size() >= 6; }));
    TBooksChange all;
    for (const QList<QVariant>& signal : told)
        all += signal.at(0).value<TBooksChange>();
    QCOMPARE(all.orders, QSet<qint32>{o.ID});
}

// A file of version 5 gets the orders' tables at open, its bookings kept; the file then says
// version 6, which a program that knows version 5 refuses untouched.
void TestOrderStore::aFileOfVersionFiveGetsTheOrders()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        TSchema::create(db, 5);
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("insert into Account (name, type, Balance) values ('Bank', 0, 1000)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    TDM dm(path, false);
    dm.DataModuleCreate();
    QSqlDatabase conn = dm.conn();
    QCOMPARE(TSchema::version(conn), 6);
    TOrderStore::save(rentOrder(1, QDate(2026, 5, 1)));
    QCOMPARE(TOrderStore::due(QDate(2026, 5, 1)).size(), 1);
    QVERIFY(TOpenCheck::contents(path, TOpenCheck::Tables, 6).isEmpty());
    QVERIFY(TOpenCheck::contents(path, TOpenCheck::Tables, 7).contains(QStringLiteral("newer version")));
}

void TestOrderStore::anImportRowIsTheOccurrenceItMatches_data()
{
    QTest::addColumn<bool>("varying");
    QTest::addColumn<bool>("booked");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("status");
    // The occurrence falls on 20 April.
    dataRow("the same amount three days later", false, false, QDate(2026, 4, 23), "-500", "Expected");
    dataRow("three days before", false, false, QDate(2026, 4, 17), "-500", "Expected");
    dataRow("four days later: a new row", false, false, QDate(2026, 4, 24), "-500", "New");
    dataRow("another amount", false, false, QDate(2026, 4, 20), "-500.01", "New");
    dataRow("money received, not paid", false, false, QDate(2026, 4, 20), "500", "New");
    dataRow("varying, 10% more", true, false, QDate(2026, 4, 20), "-550", "Expected");
    dataRow("varying, 10% less", true, false, QDate(2026, 4, 20), "-450", "Expected");
    dataRow("varying, 10.01% more", true, false, QDate(2026, 4, 20), "-550.05", "New");
    dataRow("booked already: linked to its booking", false, true, QDate(2026, 4, 21), "-500", "Typed");
}

// A statement row matching an occurrence due or booked, within three days and of its amount (10%
// for a varying order), is offered as that occurrence, named as the order's.
void TestOrderStore::anImportRowIsTheOccurrenceItMatches()
{
    QFETCH(bool, varying);
    QFETCH(bool, booked);
    QFETCH(QDate, day);
    QFETCH(QString, amount);
    QFETCH(QString, status);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("3000"));
    TStandingOrder o = rentOrder(bank, QDate(2026, 4, 20));
    o.varying = varying;
    TOrderStore::save(o);
    TBooksChange::Booking booking;
    if (booked)
        booking = TOrderStore::book(TOrderStore::due(QDate(2026, 4, 20)).at(0), o.amount);
    TOrderPayments payments;
    TImportPreview preview(statement({{day, qPrintable(amount)}}), TImportMatcher({}));
    preview.matchExpected(payments.expected(bank, day.addDays(-3), day.addDays(3)));
    preview.matchTyped(TImportStore::typedBookings(bank, day.addDays(-3), day.addDays(3)));
    const QMap<QString, TImportPreview::Status> statuses{
        {QStringLiteral("Expected"), TImportPreview::Status::Expected},
        {QStringLiteral("New"), TImportPreview::Status::New},
        {QStringLiteral("Typed"), TImportPreview::Status::TypedBefore}};
    QCOMPARE(preview.status(0), statuses.value(status));
    QCOMPARE(preview.expected(0) != nullptr, status != QStringLiteral("New"));
    if (preview.expected(0))
        QCOMPARE(preview.expected(0)->label, QStringLiteral("Rent, standing order of 20 April"));
    QCOMPARE(preview.isTicked(0), status != QStringLiteral("Typed"));
    if (booked)
        QCOMPARE(preview.typed(0)->id, booking.id);
}

// Importing a row that is a due occurrence books the row and records the occurrence as booked by it
// in the same transaction: never due again, never booked twice; a booked one is linked, not booked.
void TestOrderStore::importingAnExpectedRowBooksTheOccurrence()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("3000"));
    TStandingOrder o = rentOrder(bank, QDate(2026, 4, 20));
    o.varying = true;
    const qint32 id = TOrderStore::save(o);
    TOrderPayments payments;
    TExpectedPayments::install(&payments);
    const QDate from(2026, 4, 1), to(2026, 5, 31);
    TImportPreview preview(statement({{{2026, 4, 21}, "-510"}, {{2026, 5, 20}, "-495"}}), TImportMatcher({}));
    TOrderStore::book(TOrderStore::due(QDate(2026, 5, 20)).at(1), money("495"));
    preview.matchExpected(payments.expected(bank, from, to));
    preview.matchTyped(TImportStore::typedBookings(bank, from, to));
    QCOMPARE(preview.status(0), TImportPreview::Status::Expected);
    QCOMPARE(preview.status(1), TImportPreview::Status::TypedBefore);
    // The occurrence is booked meanwhile by another way: the import is refused whole.
    {
        TDM::Transaction t(db.dm());
        db.dm().execute(QStringLiteral("insert into OrderOccurrence (OrderID, Scheduled, Date, State)"
                                       " values (?, '2026-04-20', '2026-04-20', 2)"),
                        {id});
        t.commit();
        const QString before = db.snapshot();
        QVERIFY_THROWS_EXCEPTION(DbError, TImportStore::book(preview, {bank, QStringLiteral("april.csv"), {}}));
        QCOMPARE(db.snapshot(), before);
        db.dm().execute(QStringLiteral("delete from OrderOccurrence where State = 2"));
    }
    TImportStore::book(preview, {bank, QStringLiteral("april.csv"), {}});
    TExpectedPayments::install(nullptr);
    QVERIFY(TOrderStore::due(QDate(2026, 5, 20)).isEmpty());
    QCOMPARE(db.count(QStringLiteral("Detail")), 2);
    QCOMPARE(db.balance(bank), money("1995"));
    const QList<TOrderStore::Record> records = TOrderStore::records(id);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).occurrence.amount, money("510"));
    QCOMPARE(db.rows(QStringLiteral("select Link from ImportRow order by DetailID")), (QStringList{"1", "0"}));
    QCOMPARE(TOrderStore::bookedBy(records.at(0).booking)->occurrence.scheduled, QDate(2026, 4, 20));
}

QTEST_MAIN(TestOrderStore)
#include "tst_orderstore.moc"
