#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "bookings/TAmountInput.h"
#include "bookings/TBookingStore.h"
#include "bookings/TNegativeRule.h"
#include "data/DbError.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

namespace {

const QDateTime When(QDate(2026, 3, 14), QTime(15, 9, 26));

TDetailRow detail(int type, qint32 holder, Currency amount, qint32 id = 0)
{
    return detailRow(type, holder, amount, When, QStringLiteral("Someone"), id);
}

TTransferRow transfer(qint32 source, qint32 dest, Currency amount, qint32 id = 0)
{
    return transferRow(source, dest, amount, When, QStringLiteral("Me"), id);
}

// A holder move of a save: the booking stored before (none for a new one) and the one saved, each
// as payer, payee ('-' for a debit's none) and amount; holders A, B, C have the ids 1, 2, 3. `read`
// is the payer's balance as the dialog reads it (still holding the stored booking), `after` what
// the rule judges: the payer's balance once the save is done.
struct Move
{
    const char* name;
    const char* before; // "AB100": A paid 100 to B; nullptr for a new booking
    const char* now;
    const char* read;
    const char* after;
};

const Move Moves[] = {
    {"transfer, new", nullptr, "AB120", "100", "-20"},
    {"transfer, new, all of it", nullptr, "AB100", "100", "0"},
    {"transfer, new to itself", nullptr, "AA120", "100", "-20"},
    {"transfer, same holders, larger", "AB100", "AB120", "0", "-20"},
    {"transfer, same holders, smaller", "AB100", "AB80", "0", "20"},
    {"transfer, swapped", "AB100", "BA100", "100", "-100"},
    {"transfer, source moved to a third holder", "AB100", "CB40", "30", "-10"},
    {"transfer, source moved to the old destination", "AB100", "BC100", "100", "-100"},
    {"transfer, destination moved", "AB100", "AC100", "0", "0"},
    {"transfer, destination moved, larger", "AB100", "AC120", "0", "-20"},
    {"transfer, former self-transfer", "AA100", "AB120", "100", "-20"},
    {"transfer, former self-transfer, all of it", "AA100", "AB100", "100", "0"},
    {"transfer, edited into a self-transfer", "AB100", "AA150", "0", "100"},
    {"transfer, self-transfer kept, larger", "AA100", "AA150", "100", "100"},
    {"debit, new", nullptr, "A-120", "100", "-20"},
    {"debit, same holder, smaller", "A-100", "A-80", "0", "20"},
    {"debit, same holder, larger", "A-100", "A-120", "0", "-20"},
    {"debit, moved to another holder", "A-100", "C-40", "30", "-10"},
    {"debit, moved to another holder, all of it", "A-100", "C-30", "30", "0"},
};

// The rows of the rule table: the payer's flags and the outcome when its balance goes below 0.
struct Rule
{
    const char* name;
    bool negative;
    bool warn;
    TNegativeRule::Outcome belowZero;
};

const Rule Rules[] = {
    {"may not go negative", false, false, TNegativeRule::Outcome::Refused},
    {"may not go negative, warn mark", false, true, TNegativeRule::Outcome::Refused},
    {"may go negative, asked", true, true, TNegativeRule::Outcome::Ask},
    {"may go negative silently", true, false, TNegativeRule::Outcome::Allowed},
};

qint32 holderOf(char letter)
{
    return letter == '-' ? 0 : letter - 'A' + 1;
}

Currency amountOf(const char* booking)
{
    return money(booking + 2);
}

// The ids a refused or failing save works on, and the save itself.
struct Ids
{
    qint32 a, b, full, deposit, debit, moved;
};
using Save = std::function<void(const Ids&)>;

} // namespace

class TestBookingStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void amountInput_data();
    void amountInput();
    void negativeRule_data();
    void negativeRule();
    void ruleJudgesTheBalanceAfterTheSave_data();
    void ruleJudgesTheBalanceAfterTheSave();
    void storedColumns();
    void editDetailSameHolder_data();
    void editDetailSameHolder();
    void editTransfer_data();
    void editTransfer();
    void deleteBookings();
    void refusedRowsWriteNothing_data();
    void refusedRowsWriteNothing();
    void failedBalanceUpdateRollsBack_data();
    void failedBalanceUpdateRollsBack();
    void randomBookingsKeepBalancesExact();
    void storeKeepsTheNegativeRule_data();
    void storeKeepsTheNegativeRule();
};

void TestBookingStore::amountInput_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<qlonglong>("raw");
    const int ok = int(TAmountInput::Status::Ok);
    const int empty = int(TAmountInput::Status::Empty);
    const int nan = int(TAmountInput::Status::NotANumber);
    const int notPositive = int(TAmountInput::Status::NotPositive);
    dataRow("empty", "en_US", "", empty, 0LL);
    dataRow("blanks", "en_US", "   ", empty, 0LL);
    dataRow("zero", "en_US", "0", notPositive, 0LL);
    dataRow("negative", "en_US", "-5", notPositive, -50000LL);
    dataRow("finer than the currency", "en_US", "0.00001", nan, 0LL);
    dataRow("zeros past the fourth decimal", "en_US", "1.500000", ok, 15000LL);
    dataRow("letters", "en_US", "abc", nan, 0LL);
    // Grouped as the tiles show amounts: groups of three after the first, in the integer part only.
    dataRow("grouping", "en_US", "3,200.00", ok, 32000000LL);
    dataRow("grouping, millions", "en_US", "-1,234,567", notPositive, -12345670000LL);
    dataRow("group of two", "en_US", "3,20,0", nan, 0LL);
    dataRow("group of two before the point", "en_US", "32,00.5", nan, 0LL);
    dataRow("grouping in the decimals", "en_US", "1.000,5", nan, 0LL);
    dataRow("out of range", "en_US", "99999999999999999999", nan, 0LL);
    dataRow("blanks around", "en_US", " 7.5 ", ok, 75000LL);
    dataRow("four decimals", "en_US", "12.3456", ok, 123456LL);
    dataRow("exponent", "en_US", "1.5e2", ok, 1500000LL);
    dataRow("de_DE comma", "de_DE", "12,5", ok, 125000LL);
    dataRow("de_DE four decimals", "de_DE", "0,0001", ok, 1LL);
    dataRow("de_DE point is grouping", "de_DE", "3.200,00", ok, 32000000LL);
    dataRow("de_DE point alone", "de_DE", "12.5", nan, 0LL);
    dataRow("de_DE group of two", "de_DE", "3.20.0", nan, 0LL);
    dataRow("de_DE comma grouping refused", "de_DE", "3,200.00", nan, 0LL);
    dataRow("fr_FR any space groups", "fr_FR", "3 200,5", ok, 32005000LL);
}

void TestBookingStore::amountInput()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(qlonglong, raw);
    const TAmountInput::Result result = TAmountInput::read(text, QLocale(locale));
    QCOMPARE(int(result.status), status);
    if (result.status == TAmountInput::Status::Ok || result.status == TAmountInput::Status::NotPositive)
        QCOMPARE(result.value.raw(), raw);
}

void TestBookingStore::negativeRule_data()
{
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("oldBack");
    QTest::addColumn<int>("outcome");
    const int allowed = int(TNegativeRule::Outcome::Allowed);
    const int ask = int(TNegativeRule::Outcome::Ask);
    const int refused = int(TNegativeRule::Outcome::Refused);
    dataRow("not allowed, below 0", false, false, "50", "50.0001", "0", refused);
    dataRow("not allowed, warn set, below 0", false, true, "50", "60", "0", refused);
    dataRow("allowed with warning", true, true, "50", "60", "0", ask);
    dataRow("allowed silently", true, false, "50", "60", "0", allowed);
    dataRow("exactly 0", false, false, "50", "50", "0", allowed);
    dataRow("stays positive", false, true, "50", "10", "0", allowed);
    dataRow("already negative, not allowed", false, false, "-1", "0.0001", "0", refused);
    // An edit on the same holder: the balance still holds the old debit, which is given back first.
    dataRow("edit: smaller debit", false, false, "50", "80", "100", allowed);
    dataRow("edit: larger debit", false, false, "50", "151", "100", refused);
    dataRow("edit: to exactly 0", false, false, "50", "150", "100", allowed);
    dataRow("edit: larger, asked", true, true, "50", "151", "100", ask);
}

void TestBookingStore::negativeRule()
{
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(QString, balance);
    QFETCH(QString, amount);
    QFETCH(QString, oldBack);
    QFETCH(int, outcome);
    TDataInfo holder;
    holder.ID = 1;
    holder.Negative = negative;
    holder.WarnNegative = warn;
    holder.Balance = money(qPrintable(balance));
    QCOMPARE(int(TNegativeRule::check(holder, money(qPrintable(amount)), money(qPrintable(oldBack)))), outcome);
    // The balance is computed exactly, far beyond two decimals and at the ends of the range.
    QCOMPARE(TNegativeRule::newBalance(money("0.0003"), money("0.0002"), money("0.0001")), money("0.0002"));
    QCOMPARE(TNegativeRule::newBalance(Currency::min(), Currency::max()), Currency::min());
}

void TestBookingStore::ruleJudgesTheBalanceAfterTheSave_data()
{
    QTest::addColumn<int>("move");
    QTest::addColumn<int>("rule");
    for (int m = 0; m < int(std::size(Moves)); ++m) {
        for (int r = 0; r < int(std::size(Rules)); ++r)
            QTest::addRow("%s; %s", Moves[m].name, Rules[r].name) << m << r;
    }
}

void TestBookingStore::ruleJudgesTheBalanceAfterTheSave()
{
    QFETCH(int, move);
    QFETCH(int, rule);
    const Move& m = Moves[move];
    const Rule& r = Rules[rule];
    TDataInfo payer;
    payer.ID = holderOf(m.now[0]);
    payer.Balance = money(m.read);
    payer.Negative = r.negative;
    payer.WarnNegative = r.warn;
    std::optional<TNegativeRule::Stored> stored;
    if (m.before != nullptr)
        stored = TNegativeRule::Stored{holderOf(m.before[0]), holderOf(m.before[1]), amountOf(m.before)};
    const qint32 payee = holderOf(m.now[1]);
    QCOMPARE(TNegativeRule::balanceAfter(payer, payee, amountOf(m.now), stored), money(m.after));
    const auto expected = money(m.after).isNegative() ? r.belowZero : TNegativeRule::Outcome::Allowed;
    QCOMPARE(TNegativeRule::check(payer, payee, amountOf(m.now), stored), expected);
}

void TestBookingStore::storedColumns()
{
    TestDb db;
    const qint32 holder = db.addHolder(QStringLiteral("Bank"), 0);
    TDetailRow row = detail(0, holder, money("1"));
    row.From = QStringLiteral("  O'Brien & 100% \"Sons\"  ");
    row.For = QStringLiteral("\t rent  March ");
    row.Memo = QStringLiteral("\n  line one\nline two  \r\n");
    const qint32 full = TBookingStore::saveDetail(row, TNegativePolicy::allow());
    row.For = QStringLiteral("   ");
    row.Memo = QString();
    const qint32 bare = TBookingStore::saveDetail(row, TNegativePolicy::allow());
    QCOMPARE(db.rows(QStringLiteral("select Date, [From], [For], Memo, typeof(Amount) from Detail where ID in (?, ?)"
                                    " order by ID"),
                     {full, bare}),
             (QStringList{"2026-03-14 15:09:26|O'Brien & 100% \"Sons\"|rent  March|line one\nline two|integer",
                          "2026-03-14 15:09:26|O'Brien & 100% \"Sons\"|<null>|<null>|integer"}));

    TTransferRow t = transfer(holder, holder, money("2"));
    t.From = QStringLiteral(" x ");
    t.Memo = QStringLiteral(" m ");
    const qint32 tid = TBookingStore::saveTransfer(t, TNegativePolicy::allow());
    QCOMPARE(db.rows(QStringLiteral("select Date, [From], [For], Memo, Amount from Transfer where ID = ?"), {tid}),
             QStringList{"2026-03-14 15:09:26|x|<null>|m|20000"});
}

void TestBookingStore::editDetailSameHolder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("oldAmount");
    QTest::addColumn<QString>("newAmount");
    QTest::addColumn<QString>("after");
    // The holder starts at 1000 and the booking is already in its balance.
    dataRow("deposit 100 -> 150", 0, "100", "150", "1150");
    dataRow("deposit 100 -> 100", 0, "100", "100", "1100");
    dataRow("deposit 100 -> 0.0001", 0, "100", "0.0001", "1000.0001");
    dataRow("debit 100 -> 150", 1, "100", "150", "850");
    dataRow("debit 100 -> 100", 1, "100", "100", "900");
    dataRow("debit 100 -> 80.1234", 1, "100", "80.1234", "919.8766");
}

void TestBookingStore::editDetailSameHolder()
{
    QFETCH(int, type);
    QFETCH(QString, oldAmount);
    QFETCH(QString, newAmount);
    QFETCH(QString, after);
    TestDb db;
    const qint32 holder = db.addHolder(QStringLiteral("Bank"), 0, money("1000"));
    const qint32 id =
        TBookingStore::saveDetail(detail(type, holder, money(qPrintable(oldAmount))), TNegativePolicy::allow());
    TDetailRow edit = detail(type, holder, money(qPrintable(newAmount)), id);
    edit.From = QStringLiteral("Changed");
    QCOMPARE(TBookingStore::saveDetail(edit, TNegativePolicy::allow()), id);
    QCOMPARE(db.balance(holder), money(qPrintable(after)));
    QCOMPARE(db.rows(QStringLiteral("select [From], Amount from Detail")),
             QStringList{QStringLiteral("Changed|%1").arg(money(qPrintable(newAmount)).raw())});
}

void TestBookingStore::editTransfer_data()
{
    QTest::addColumn<int>("newSource"); // index into the holders A, B, C
    QTest::addColumn<int>("newDest");
    QTest::addColumn<QString>("newAmount");
    QTest::addColumn<QStringList>("after"); // balances of A, B, C
    // All start at 1000; the stored transfer is 100 from A to B.
    dataRow("amount up", 0, 1, "150", QStringList{"850", "1150", "1000"});
    dataRow("amount unchanged", 0, 1, "100", QStringList{"900", "1100", "1000"});
    dataRow("new source", 2, 1, "100", QStringList{"1000", "1100", "900"});
    dataRow("new destination", 0, 2, "70", QStringList{"930", "1000", "1070"});
    dataRow("both new", 2, 2, "70", QStringList{"1000", "1000", "1000"});
    dataRow("swapped", 1, 0, "25.0001", QStringList{"1025.0001", "974.9999", "1000"});
    dataRow("to itself", 0, 0, "100", QStringList{"1000", "1000", "1000"});
}

void TestBookingStore::editTransfer()
{
    QFETCH(int, newSource);
    QFETCH(int, newDest);
    QFETCH(QString, newAmount);
    QFETCH(QStringList, after);
    TestDb db;
    const qint32 ids[] = {db.addHolder(QStringLiteral("A"), 0, money("1000")),
                          db.addHolder(QStringLiteral("B"), 1, money("1000")),
                          db.addHolder(QStringLiteral("C"), 2, money("1000"))};
    const qint32 id = TBookingStore::saveTransfer(transfer(ids[0], ids[1], money("100")), TNegativePolicy::allow());
    QCOMPARE(TBookingStore::saveTransfer(transfer(ids[newSource], ids[newDest], money(qPrintable(newAmount)), id),
                                         TNegativePolicy::allow()),
             id);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(db.balance(ids[i]), money(qPrintable(after[i])));
    QCOMPARE(db.count(QStringLiteral("Transfer")), 1);
}

void TestBookingStore::deleteBookings()
{
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("H"), 0);
    const qint32 s = db.addHolder(QStringLiteral("S"), 0);
    const qint32 d = db.addHolder(QStringLiteral("D"), 2);
    const qint32 deposit = TBookingStore::saveDetail(detail(0, h, money("10")), TNegativePolicy::allow());
    const qint32 debit = TBookingStore::saveDetail(detail(1, h, money("3.0001")), TNegativePolicy::allow());
    const qint32 moved = TBookingStore::saveTransfer(transfer(s, d, money("5")), TNegativePolicy::allow());
    QCOMPARE(db.balance(h), money("6.9999"));

    QVERIFY(TBookingStore::deleteBooking(0, deposit));
    QCOMPARE(db.balance(h), money("-3.0001"));
    QVERIFY(TBookingStore::deleteDetail(debit));
    QCOMPARE(db.balance(h), money("0"));
    QCOMPARE(db.count(QStringLiteral("Detail")), 0);
    // Either side of a transfer deletes the whole transfer; the second side finds it gone.
    QVERIFY(TBookingStore::deleteBooking(3, moved));
    QVERIFY(!TBookingStore::deleteBooking(2, moved));
    QCOMPARE(db.balance(s), money("0"));
    QCOMPARE(db.balance(d), money("0"));
    QCOMPARE(db.count(QStringLiteral("Transfer")), 0);
    QVERIFY(!TBookingStore::deleteDetail(deposit));
    QVERIFY(!TBookingStore::deleteBooking(7, 1));
}

void TestBookingStore::refusedRowsWriteNothing_data()
{
    QTest::addColumn<Save>("save");
    // `a` holds 10 and has a debit of 4; `full` is one short of the largest balance.
    dataRow("deposit to a missing holder",
            Save([](const Ids&) { TBookingStore::saveDetail(detail(0, 9999, money("1")), TNegativePolicy::allow()); }));
    dataRow("amount 0", Save([](const Ids& i) {
                TBookingStore::saveDetail(detail(0, i.a, money("0")), TNegativePolicy::allow());
            }));
    dataRow("negative amount", Save([](const Ids& i) {
                TBookingStore::saveTransfer(transfer(i.a, i.a, money("-1")), TNegativePolicy::allow());
            }));
    dataRow("edit of a missing row", Save([](const Ids& i) {
                TBookingStore::saveDetail(detail(0, i.a, money("1"), i.debit + 100), TNegativePolicy::allow());
            }));
    dataRow("transfer to a missing holder", Save([](const Ids& i) {
                TBookingStore::saveTransfer(transfer(i.a, 9999, money("1")), TNegativePolicy::allow());
            }));
    dataRow("balance beyond the range", Save([](const Ids& i) {
                TBookingStore::saveTransfer(transfer(i.a, i.full, money("2")), TNegativePolicy::allow());
            }));
    dataRow("edit moving a debit to a missing holder", Save([](const Ids& i) {
                TBookingStore::saveDetail(detail(1, 9999, money("1"), i.debit), TNegativePolicy::allow());
            }));
    dataRow("kind other than deposit or debit", Save([](const Ids& i) {
                TBookingStore::saveDetail(detail(2, i.a, money("1")), TNegativePolicy::allow());
            }));
}

void TestBookingStore::refusedRowsWriteNothing()
{
    QFETCH(Save, save);
    TestDb db;
    Ids ids{};
    ids.a = db.addHolder(QStringLiteral("H"), 0, money("10"));
    ids.full = db.addHolder(QStringLiteral("Full"), 0, Currency::max() - money("1"));
    ids.debit = TBookingStore::saveDetail(detail(1, ids.a, money("4")), TNegativePolicy::allow());
    const QString before = snapshot(db);
    bool refused = false;
    try {
        save(ids);
    } catch (const DbError&) {
        refused = true;
    } catch (const std::invalid_argument&) {
        refused = true;
    }
    QVERIFY(refused);
    QCOMPARE(snapshot(db), before);
}

void TestBookingStore::failedBalanceUpdateRollsBack_data()
{
    QTest::addColumn<Save>("save");
    // A and B hold 100 each before a deposit of 10 and a debit of 20 of A, and a transfer of 30 from A to B.
    dataRow("new deposit", Save([](const Ids& i) {
                TBookingStore::saveDetail(detail(0, i.a, money("1")), TNegativePolicy::allow());
            }));
    dataRow("edited debit", Save([](const Ids& i) {
                TBookingStore::saveDetail(detail(1, i.a, money("25"), i.debit), TNegativePolicy::allow());
            }));
    dataRow("debit moved to another holder", Save([](const Ids& i) {
                TBookingStore::saveDetail(detail(1, i.b, money("20"), i.debit), TNegativePolicy::allow());
            }));
    dataRow("new transfer", Save([](const Ids& i) {
                TBookingStore::saveTransfer(transfer(i.b, i.a, money("1")), TNegativePolicy::allow());
            }));
    dataRow("edited transfer", Save([](const Ids& i) {
                TBookingStore::saveTransfer(transfer(i.b, i.a, money("31"), i.moved), TNegativePolicy::allow());
            }));
    dataRow("deleted deposit", Save([](const Ids& i) { TBookingStore::deleteDetail(i.deposit); }));
    dataRow("deleted transfer", Save([](const Ids& i) { TBookingStore::deleteTransfer(i.moved); }));
}

void TestBookingStore::failedBalanceUpdateRollsBack()
{
    QFETCH(Save, save);
    TestDb db;
    Ids ids{};
    ids.a = db.addHolder(QStringLiteral("A"), 0, money("100"));
    ids.b = db.addHolder(QStringLiteral("B"), 2, money("100"));
    ids.deposit = TBookingStore::saveDetail(detail(0, ids.a, money("10")), TNegativePolicy::allow());
    ids.debit = TBookingStore::saveDetail(detail(1, ids.a, money("20")), TNegativePolicy::allow());
    ids.moved = TBookingStore::saveTransfer(transfer(ids.a, ids.b, money("30")), TNegativePolicy::allow());
    const QString before = snapshot(db);
    failBalanceUpdates(db);
    try {
        save(ids);
        QFAIL("the failing balance update was not reported");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("boom")), qPrintable(e.text()));
    }
    QCOMPARE(snapshot(db), before);
    // The connection is usable again once the statement works.
    allowBalanceUpdates(db);
    TBookingStore::saveDetail(detail(0, ids.a, money("1")), TNegativePolicy::allow());
    QCOMPARE(db.balance(ids.a), money("61"));
}

void TestBookingStore::randomBookingsKeepBalancesExact()
{
    TestDb db;
    // Speed only: the temporary file needs no durability.
    db.dm().select(QStringLiteral("PRAGMA journal_mode = MEMORY"));

    std::vector<qint32> holders;
    for (int i = 0; i < 8; ++i)
        holders.push_back(db.addHolder(QStringLiteral("H%1").arg(i % 5), i % 3)); // names repeat on purpose
    std::map<qint32, std::int64_t> expected;
    std::vector<qint32> details;
    std::vector<qint32> transfers;
    std::map<qint32, TDetailRow> storedDetails;
    std::map<qint32, TTransferRow> storedTransfers;

    QRandomGenerator rng(20260314);
    auto anyHolder = [&] {
        return holders[rng.bounded(int(holders.size()))];
    };
    // Amounts with four decimals, from 0.0001 to 100000.
    auto anyAmount = [&] {
        return Currency::fromRaw(1 + rng.bounded(1000000000));
    };
    auto effectOf = [](const TDetailRow& r) {
        return r.Type == 1 ? -r.Amount.raw() : r.Amount.raw();
    };

    const int operations = 6000;
    int counts[7] = {};
    for (int op = 0; op < operations; ++op) {
        const int kind = rng.bounded(100);
        // Now and then the balance statement fails: the operation must leave no trace.
        const bool fail = rng.bounded(50) == 0;
        if (fail)
            failBalanceUpdates(db);
        try {
            if (kind < 35 || (kind < 55 && details.empty()) || (kind >= 55 && transfers.empty() && details.empty())) {
                TDetailRow r = detail(rng.bounded(2), anyHolder(), anyAmount());
                r.ID = TBookingStore::saveDetail(r, TNegativePolicy::allow());
                QVERIFY(!fail);
                details.push_back(r.ID);
                storedDetails[r.ID] = r;
                expected[r.DestID] += effectOf(r);
                ++counts[0];
            } else if (kind < 55) {
                // Edit a deposit or debit: its amount, its holder, or both.
                const qint32 id = details[rng.bounded(int(details.size()))];
                TDetailRow r = storedDetails[id];
                const int change = rng.bounded(3);
                if (change != 1)
                    r.Amount = anyAmount();
                if (change != 0)
                    r.DestID = anyHolder();
                TBookingStore::saveDetail(r, TNegativePolicy::allow());
                QVERIFY(!fail);
                expected[storedDetails[id].DestID] -= effectOf(storedDetails[id]);
                expected[r.DestID] += effectOf(r);
                storedDetails[id] = r;
                ++counts[1];
            } else if (kind < 75 || transfers.empty()) {
                const qint32 source = anyHolder();
                // About one in eight goes from a holder to itself.
                const qint32 dest = rng.bounded(8) == 0 ? source : anyHolder();
                TTransferRow r = transfer(source, dest, anyAmount());
                r.ID = TBookingStore::saveTransfer(r, TNegativePolicy::allow());
                QVERIFY(!fail);
                transfers.push_back(r.ID);
                storedTransfers[r.ID] = r;
                expected[source] -= r.Amount.raw();
                expected[dest] += r.Amount.raw();
                ++counts[2];
            } else if (kind < 92) {
                // Edit a transfer: amount, source, destination, in any combination.
                const qint32 id = transfers[rng.bounded(int(transfers.size()))];
                TTransferRow r = storedTransfers[id];
                const int change = 1 + rng.bounded(7);
                if (change & 1)
                    r.Amount = anyAmount();
                if (change & 2)
                    r.SourceID = anyHolder();
                if (change & 4)
                    r.DestID = anyHolder();
                TBookingStore::saveTransfer(r, TNegativePolicy::allow());
                QVERIFY(!fail);
                const TTransferRow& old = storedTransfers[id];
                expected[old.SourceID] += old.Amount.raw();
                expected[old.DestID] -= old.Amount.raw();
                expected[r.SourceID] -= r.Amount.raw();
                expected[r.DestID] += r.Amount.raw();
                storedTransfers[id] = r;
                ++counts[3];
            } else if (kind < 96 && !details.empty()) {
                const std::size_t at = rng.bounded(int(details.size()));
                const qint32 id = details[at];
                QVERIFY(TBookingStore::deleteBooking(storedDetails[id].Type, id));
                QVERIFY(!fail);
                expected[storedDetails[id].DestID] -= effectOf(storedDetails[id]);
                storedDetails.erase(id);
                details.erase(details.begin() + at);
                ++counts[4];
            } else {
                const std::size_t at = rng.bounded(int(transfers.size()));
                const qint32 id = transfers[at];
                QVERIFY(TBookingStore::deleteBooking(2 + rng.bounded(2), id));
                QVERIFY(!fail);
                expected[storedTransfers[id].SourceID] += storedTransfers[id].Amount.raw();
                expected[storedTransfers[id].DestID] -= storedTransfers[id].Amount.raw();
                storedTransfers.erase(id);
                transfers.erase(transfers.begin() + at);
                ++counts[5];
            }
        } catch (const DbError& e) {
            QVERIFY2(fail, qPrintable(e.text()));
            ++counts[6];
        }
        if (fail)
            allowBalanceUpdates(db);
    }

    const QStringList drifted = drift(db);
    QVERIFY2(drifted.isEmpty(), qPrintable(drifted.join(QStringLiteral("; "))));
    for (qint32 h : holders)
        QCOMPARE(db.balance(h).raw(), expected[h]);
    QCOMPARE(db.count(QStringLiteral("Detail")), int(details.size()));
    QCOMPARE(db.count(QStringLiteral("Transfer")), int(transfers.size()));
    QVERIFY(counts[6] > 0);
    qInfo("%d operations on %d holders: %d new deposits/debits, %d edits of them, %d new transfers, %d edits of "
          "transfers, %d deletes of deposits/debits, %d deletes of transfers, %d rolled back; %d Detail and %d "
          "Transfer rows remain",
          operations, int(holders.size()), counts[0], counts[1], counts[2], counts[3], counts[4], counts[5], counts[6],
          int(details.size()), int(transfers.size()));
}

void TestBookingStore::storeKeepsTheNegativeRule_data()
{
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<QString>("policy"); // "refuse", "allow", or the answer to the question: "yes", "no"
    QTest::addColumn<bool>("isTransfer");
    QTest::addColumn<QString>("outcome"); // "written", "refused", "declined"
    dataRow("may not go negative: a debit", false, false, "yes", false, "refused");
    dataRow("may not go negative: a transfer", false, false, "yes", true, "refused");
    dataRow("wants to be asked, no one asks", true, true, "refuse", false, "declined");
    dataRow("asked, yes", true, true, "yes", true, "written");
    dataRow("asked, no", true, true, "no", false, "declined");
    dataRow("may go negative", true, false, "refuse", true, "written");
    dataRow("the caller allows", false, false, "allow", false, "written");
}

// Without any dialog, a booking that takes the payer below 0 meets the payer's rule inside the
// store's transaction, on the balance as it is then, and the caller's policy decides.
void TestBookingStore::storeKeepsTheNegativeRule()
{
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(QString, policy);
    QFETCH(bool, isTransfer);
    QFETCH(QString, outcome);
    TestDb db;
    const qint32 payer = db.addHolder(QStringLiteral("Bank"), 0, {}, negative, warn);
    const qint32 payee = db.addHolder(QStringLiteral("Purse"), 2);
    TBookingStore::saveDetail(detail(0, payer, money("10")));
    int asked = 0;
    const TNegativePolicy chosen = policy == u"refuse" ? TNegativePolicy::refuse()
                                   : policy == u"allow"
                                       ? TNegativePolicy::allow()
                                       : TNegativePolicy::asking([&](const TDataInfo& p, Currency after) {
                                             ++asked;
                                             return p.ID == payer && after == money("-15") && policy == u"yes";
                                         });
    const QString before = db.snapshot();
    QString result = QStringLiteral("written");
    try {
        if (isTransfer)
            TBookingStore::saveTransfer(transfer(payer, payee, money("25")), chosen);
        else
            TBookingStore::saveDetail(detail(1, payer, money("25")), chosen);
    } catch (const TNegativeRefusal& r) {
        result =
            r.reason() == TNegativeRefusal::Reason::Refused ? QStringLiteral("refused") : QStringLiteral("declined");
        QCOMPARE(r.holder(), payer);
        QCOMPARE(r.balanceAfter(), money("-15"));
    }
    QCOMPARE(result, outcome);
    QCOMPARE(asked, negative && warn && (policy == u"yes" || policy == u"no") ? 1 : 0);
    if (outcome == u"written")
        QCOMPARE(db.balance(payer), money("-15"));
    else
        QCOMPARE(db.snapshot(), before);
}

QTEST_MAIN(TestBookingStore)
#include "tst_bookingstore.moc"
