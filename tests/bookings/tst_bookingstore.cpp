#include "BookingTestHelpers.h"
#include "TestDb.h"

#include "bookings/TAmountInput.h"
#include "bookings/TBookingStore.h"
#include "bookings/TNegativeRule.h"
#include "data/DbError.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

#include <map>
#include <stdexcept>

namespace {

const QDateTime When(QDate(2026, 3, 14), QTime(15, 9, 26));

TDetailRow detail(int type, qint32 holder, Currency amount, qint32 id = 0)
{
    TDetailRow row;
    row.ID = id;
    row.Type = type;
    row.DestID = holder;
    row.Date = When;
    row.From = QStringLiteral("Someone");
    row.Amount = amount;
    return row;
}

TTransferRow transfer(qint32 source, qint32 dest, Currency amount, qint32 id = 0)
{
    TTransferRow row;
    row.ID = id;
    row.SourceID = source;
    row.DestID = dest;
    row.Date = When;
    row.From = QStringLiteral("Me");
    row.Amount = amount;
    return row;
}

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
    QTest::newRow("empty") << "en_US"
                           << "" << empty << 0LL;
    QTest::newRow("blanks") << "en_US"
                            << "   " << empty << 0LL;
    QTest::newRow("zero") << "en_US"
                          << "0" << notPositive << 0LL;
    QTest::newRow("negative") << "en_US"
                              << "-5" << notPositive << -50000LL;
    QTest::newRow("finer than the currency") << "en_US"
                                             << "0.00001" << nan << 0LL;
    QTest::newRow("zeros past the fourth decimal") << "en_US"
                                                   << "1.500000" << ok << 15000LL;
    QTest::newRow("letters") << "en_US"
                             << "abc" << nan << 0LL;
    QTest::newRow("grouping refused") << "en_US"
                                      << "1,000.00" << nan << 0LL;
    QTest::newRow("out of range") << "en_US"
                                  << "99999999999999999999" << nan << 0LL;
    QTest::newRow("blanks around") << "en_US"
                                   << " 7.5 " << ok << 75000LL;
    QTest::newRow("four decimals") << "en_US"
                                   << "12.3456" << ok << 123456LL;
    QTest::newRow("exponent") << "en_US"
                              << "1.5e2" << ok << 1500000LL;
    QTest::newRow("de_DE comma") << "de_DE"
                                 << "12,5" << ok << 125000LL;
    QTest::newRow("de_DE four decimals") << "de_DE"
                                         << "0,0001" << ok << 1LL;
    QTest::newRow("de_DE point is grouping") << "de_DE"
                                             << "1.000,00" << nan << 0LL;
    QTest::newRow("de_DE point alone") << "de_DE"
                                       << "12.5" << nan << 0LL;
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
    QTest::newRow("not allowed, below 0") << false << false << "50"
                                          << "50.0001"
                                          << "0" << refused;
    QTest::newRow("not allowed, warn set, below 0") << false << true << "50"
                                                    << "60"
                                                    << "0" << refused;
    QTest::newRow("allowed with warning") << true << true << "50"
                                          << "60"
                                          << "0" << ask;
    QTest::newRow("allowed silently") << true << false << "50"
                                      << "60"
                                      << "0" << allowed;
    QTest::newRow("exactly 0") << false << false << "50"
                               << "50"
                               << "0" << allowed;
    QTest::newRow("stays positive") << false << true << "50"
                                    << "10"
                                    << "0" << allowed;
    QTest::newRow("already negative, not allowed") << false << false << "-1"
                                                   << "0.0001"
                                                   << "0" << refused;
    // An edit on the same holder: the balance still holds the old debit, which is given back first.
    QTest::newRow("edit: smaller debit") << false << false << "50"
                                         << "80"
                                         << "100" << allowed;
    QTest::newRow("edit: larger debit") << false << false << "50"
                                        << "151"
                                        << "100" << refused;
    QTest::newRow("edit: to exactly 0") << false << false << "50"
                                        << "150"
                                        << "100" << allowed;
    QTest::newRow("edit: larger, asked") << true << true << "50"
                                         << "151"
                                         << "100" << ask;
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

void TestBookingStore::storedColumns()
{
    TestDb db;
    const qint32 holder = db.addHolder(QStringLiteral("Bank"), 0);
    TDetailRow row = detail(0, holder, money("1"));
    row.From = QStringLiteral("  O'Brien & 100% \"Sons\"  ");
    row.For = QStringLiteral("\t rent  March ");
    row.Memo = QStringLiteral("\n  line one\nline two  \r\n");
    const qint32 full = TBookingStore::saveDetail(row);
    row.For = QStringLiteral("   ");
    row.Memo = QString();
    const qint32 bare = TBookingStore::saveDetail(row);

    QSqlQuery q = db.dm().select(
        QStringLiteral("select Date, [From], [For], Memo, typeof([For]), typeof(Memo), typeof(Amount) from Detail"
                       " where ID in (?, ?) order by ID"),
        {full, bare});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("2026-03-14 15:09:26"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("O'Brien & 100% \"Sons\""));
    QCOMPARE(q.value(2).toString(), QStringLiteral("rent  March"));
    QCOMPARE(q.value(3).toString(), QStringLiteral("line one\nline two"));
    QCOMPARE(q.value(6).toString(), QStringLiteral("integer"));
    QVERIFY(q.next());
    QCOMPARE(q.value(4).toString(), QStringLiteral("null"));
    QCOMPARE(q.value(5).toString(), QStringLiteral("null"));

    TTransferRow t = transfer(holder, holder, money("2"));
    t.From = QStringLiteral(" x ");
    t.Memo = QStringLiteral(" m ");
    const qint32 tid = TBookingStore::saveTransfer(t);
    QSqlQuery tq = db.dm().select(
        QStringLiteral("select Date, [From], typeof([For]), Memo, Amount from Transfer where ID = ?"), {tid});
    QVERIFY(tq.next());
    QCOMPARE(tq.value(0).toString(), QStringLiteral("2026-03-14 15:09:26"));
    QCOMPARE(tq.value(1).toString(), QStringLiteral("x"));
    QCOMPARE(tq.value(2).toString(), QStringLiteral("null"));
    QCOMPARE(tq.value(3).toString(), QStringLiteral("m"));
    QCOMPARE(tq.value(4).toLongLong(), 20000LL);
}

void TestBookingStore::editDetailSameHolder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("oldAmount");
    QTest::addColumn<QString>("newAmount");
    QTest::addColumn<QString>("after");
    // The holder starts at 1000 and the booking is already in its balance.
    QTest::newRow("deposit 100 -> 150") << 0 << "100"
                                        << "150"
                                        << "1150";
    QTest::newRow("deposit 100 -> 100") << 0 << "100"
                                        << "100"
                                        << "1100";
    QTest::newRow("deposit 100 -> 0.0001") << 0 << "100"
                                           << "0.0001"
                                           << "1000.0001";
    QTest::newRow("debit 100 -> 150") << 1 << "100"
                                      << "150"
                                      << "850";
    QTest::newRow("debit 100 -> 100") << 1 << "100"
                                      << "100"
                                      << "900";
    QTest::newRow("debit 100 -> 80.1234") << 1 << "100"
                                          << "80.1234"
                                          << "919.8766";
}

void TestBookingStore::editDetailSameHolder()
{
    QFETCH(int, type);
    QFETCH(QString, oldAmount);
    QFETCH(QString, newAmount);
    QFETCH(QString, after);
    TestDb db;
    const qint32 holder = db.addHolder(QStringLiteral("Bank"), 0, money("1000"));
    const qint32 id = TBookingStore::saveDetail(detail(type, holder, money(qPrintable(oldAmount))));
    TDetailRow edit = detail(type, holder, money(qPrintable(newAmount)), id);
    edit.From = QStringLiteral("Changed");
    QCOMPARE(TBookingStore::saveDetail(edit), id);
    QCOMPARE(db.balance(holder), money(qPrintable(after)));
    QCOMPARE(db.count(QStringLiteral("Detail")), 1);
    QSqlQuery q = db.dm().select(QStringLiteral("select [From], Amount from Detail where ID = ?"), {id});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Changed"));
    QCOMPARE(q.value(1).toLongLong(), money(qPrintable(newAmount)).raw());
}

void TestBookingStore::editTransfer_data()
{
    QTest::addColumn<int>("newSource"); // index into the holders A, B, C
    QTest::addColumn<int>("newDest");
    QTest::addColumn<QString>("newAmount");
    QTest::addColumn<QStringList>("after"); // balances of A, B, C
    // All start at 1000; the stored transfer is 100 from A to B.
    QTest::newRow("amount up") << 0 << 1 << "150" << QStringList{"850", "1150", "1000"};
    QTest::newRow("amount unchanged") << 0 << 1 << "100" << QStringList{"900", "1100", "1000"};
    QTest::newRow("new source") << 2 << 1 << "100" << QStringList{"1000", "1100", "900"};
    QTest::newRow("new destination") << 0 << 2 << "70" << QStringList{"930", "1000", "1070"};
    QTest::newRow("both new") << 2 << 2 << "70" << QStringList{"1000", "1000", "1000"};
    QTest::newRow("swapped") << 1 << 0 << "25.0001" << QStringList{"1025.0001", "974.9999", "1000"};
    QTest::newRow("to itself") << 0 << 0 << "100" << QStringList{"1000", "1000", "1000"};
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
    const qint32 id = TBookingStore::saveTransfer(transfer(ids[0], ids[1], money("100")));
    QCOMPARE(TBookingStore::saveTransfer(transfer(ids[newSource], ids[newDest], money(qPrintable(newAmount)), id)), id);
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
    const qint32 deposit = TBookingStore::saveDetail(detail(0, h, money("10")));
    const qint32 debit = TBookingStore::saveDetail(detail(1, h, money("3.0001")));
    const qint32 moved = TBookingStore::saveTransfer(transfer(s, d, money("5")));
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
    QTest::addColumn<int>("what");
    QTest::newRow("deposit to a missing holder") << 0;
    QTest::newRow("amount 0") << 1;
    QTest::newRow("negative amount") << 2;
    QTest::newRow("edit of a missing row") << 3;
    QTest::newRow("transfer to a missing holder") << 4;
    QTest::newRow("balance beyond the range") << 5;
    QTest::newRow("edit moving a debit to a missing holder") << 6;
    QTest::newRow("kind other than deposit or debit") << 7;
}

void TestBookingStore::refusedRowsWriteNothing()
{
    QFETCH(int, what);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("H"), 0, money("10"));
    const qint32 full = db.addHolder(QStringLiteral("Full"), 0, Currency::max() - money("1"));
    const qint32 debit = TBookingStore::saveDetail(detail(1, h, money("4")));
    const QString before = snapshot(db);
    bool threw = false;
    try {
        switch (what) {
        case 0:
            TBookingStore::saveDetail(detail(0, 9999, money("1")));
            break;
        case 1:
            TBookingStore::saveDetail(detail(0, h, money("0")));
            break;
        case 2:
            TBookingStore::saveTransfer(transfer(h, h, money("-1")));
            break;
        case 3:
            TBookingStore::saveDetail(detail(0, h, money("1"), debit + 100));
            break;
        case 4:
            TBookingStore::saveTransfer(transfer(h, 9999, money("1")));
            break;
        case 5:
            TBookingStore::saveTransfer(transfer(h, full, money("2")));
            break;
        case 6:
            TBookingStore::saveDetail(detail(1, 9999, money("1"), debit));
            break;
        case 7:
            TBookingStore::saveDetail(detail(2, h, money("1")));
            break;
        }
    } catch (const DbError&) {
        threw = true;
    } catch (const std::invalid_argument&) {
        threw = true;
    }
    QVERIFY(threw);
    QCOMPARE(snapshot(db), before);
}

void TestBookingStore::failedBalanceUpdateRollsBack_data()
{
    QTest::addColumn<int>("what");
    QTest::newRow("new deposit") << 0;
    QTest::newRow("edited debit") << 1;
    QTest::newRow("debit moved to another holder") << 2;
    QTest::newRow("new transfer") << 3;
    QTest::newRow("edited transfer") << 4;
    QTest::newRow("deleted deposit") << 5;
    QTest::newRow("deleted transfer") << 6;
}

void TestBookingStore::failedBalanceUpdateRollsBack()
{
    QFETCH(int, what);
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("100"));
    const qint32 b = db.addHolder(QStringLiteral("B"), 2, money("100"));
    const qint32 deposit = TBookingStore::saveDetail(detail(0, a, money("10")));
    const qint32 debit = TBookingStore::saveDetail(detail(1, a, money("20")));
    const qint32 moved = TBookingStore::saveTransfer(transfer(a, b, money("30")));
    const QString before = snapshot(db);
    failBalanceUpdates(db);
    try {
        switch (what) {
        case 0:
            TBookingStore::saveDetail(detail(0, a, money("1")));
            break;
        case 1:
            TBookingStore::saveDetail(detail(1, a, money("25"), debit));
            break;
        case 2:
            TBookingStore::saveDetail(detail(1, b, money("20"), debit));
            break;
        case 3:
            TBookingStore::saveTransfer(transfer(b, a, money("1")));
            break;
        case 4:
            TBookingStore::saveTransfer(transfer(b, a, money("31"), moved));
            break;
        case 5:
            TBookingStore::deleteDetail(deposit);
            break;
        case 6:
            TBookingStore::deleteTransfer(moved);
            break;
        }
        QFAIL("the failing balance update was not reported");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("boom")), qPrintable(e.text()));
    }
    QCOMPARE(snapshot(db), before);
    // The connection is usable again once the statement works.
    allowBalanceUpdates(db);
    TBookingStore::saveDetail(detail(0, a, money("1")));
    QCOMPARE(db.balance(a), money("61"));
}

void TestBookingStore::randomBookingsKeepBalancesExact()
{
    TestDb db;
    // Speed only: the temporary file needs no durability.
    db.dm().select(QStringLiteral("PRAGMA synchronous = OFF"));
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
                r.ID = TBookingStore::saveDetail(r);
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
                TBookingStore::saveDetail(r);
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
                r.ID = TBookingStore::saveTransfer(r);
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
                TBookingStore::saveTransfer(r);
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

QTEST_MAIN(TestBookingStore)
#include "tst_bookingstore.moc"
