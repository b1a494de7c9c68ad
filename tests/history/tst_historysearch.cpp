#include "BookingTestHelpers.h"
#include "HistoryBooks.h"

#include "history/TAmountRangeCheck.h"
#include "history/TBookingCopy.h"
#include "history/THistorySearch.h"

#include <QTest>

#include <algorithm>
#include <stdexcept>

using Entries = QList<THistorySearch::HolderEntry>;

namespace {

// The rows of a result as "kind holder from", sorted (rows of one moment come in the engine's order).
QStringList listed(const TRowSet& rows)
{
    QStringList out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out << rows.text(r, TLedgerQuery::TypeName) + u' ' + rows.text(r, TLedgerQuery::Name) + u' ' +
                   rows.text(r, TLedgerQuery::From);
    std::sort(out.begin(), out.end());
    return out;
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

const QStringList Today = {"Trans Out Cash Pocket", "Trans In Purse Pocket", "Deposit Bank Employer",
                           "Trans Out Bank ATM",    "Trans In Cash ATM",     "Debit Bank Grocer"};

// The entry of the holder list that names `text` (a section or a holder).
THistorySearch::HolderEntry entry(const QString& text)
{
    const Entries entries = THistorySearch::holderEntries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].text.trimmed() == text)
            return entries[i];
    }
    qFatal("no entry %s", qPrintable(text));
}

} // namespace

Q_DECLARE_METATYPE(TAmountRangeCheck::Problem)

class TestHistorySearch : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void holderEntries_data();
    void holderEntries();
    void simpleSearch_data();
    void simpleSearch();
    void advancedSearch_data();
    void advancedSearch();
    void amountTextThatIsNoAmountIsRefused();
    void printDetails_data();
    void printDetails();
    void toColumnHoldsThePayeeOfADebit();
    void amountRangeCheck_data();
    void amountRangeCheck();
    void copiedText_data();
    void copiedText();
};

void TestHistorySearch::holderEntries_data()
{
    QTest::addColumn<QStringList>("holders"); // "name:type"
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<bool>>("carriesHolder");
    QTest::newRow("none") << QStringList() << QStringList{"-----All-----", "---Account---"}
                          << QList<bool>{false, false};
    QTest::newRow("accounts only") << QStringList{"Card:1", "Bank:0"}
                                   << QStringList{"-----All-----", "---Account---", "    Bank", "    Card"}
                                   << QList<bool>{false, false, true, true};
    QTest::newRow("wallets only") << QStringList{"Cash:2", "Purse:2"}
                                  << QStringList{"-----All-----", "---Account---", "---Wallet---", "    Cash",
                                                 "    Purse"}
                                  << QList<bool>{false, false, false, true, true};
    QTest::newRow("both, wallet first") << QStringList{"Cash:2", "Bank:0", "Bank:2"}
                                        << QStringList{"-----All-----", "---Account---", "    Bank",
                                                       "---Wallet---",  "    Cash",      "    Bank"}
                                        << QList<bool>{false, false, true, false, true, true};
}

void TestHistorySearch::holderEntries()
{
    QFETCH(QStringList, holders);
    QFETCH(QStringList, entries);
    QFETCH(QList<bool>, carriesHolder);
    TestDb db;
    for (const QString& h : holders)
        db.addHolder(h.section(u':', 0, 0), h.section(u':', 1).toInt());
    const Entries got = THistorySearch::holderEntries();
    QStringList texts;
    QList<bool> carries;
    for (const THistorySearch::HolderEntry& e : got) {
        texts << e.text;
        carries << (e.id > 0);
        if (e.id > 0)
            QCOMPARE(TDM::LoadHolder(e.id).Name, e.text.mid(4));
    }
    QCOMPARE(texts, entries);
    QCOMPARE(carries, carriesHolder);
}

void TestHistorySearch::simpleSearch_data()
{
    QTest::addColumn<bool>("thisMonth");
    QTest::addColumn<QString>("holder"); // an entry of the holder list
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QString all = QStringLiteral("-----All-----");
    QTest::newRow("today, all: whatever the time of day, not tomorrow at midnight") << false << all << 0 << "" << Today;
    QTest::newRow("this month up to today") << true << all << 0 << "" << (QStringList(Today) << "Deposit Cash O'Brien");
    QTest::newRow("account family") << false << "---Account---" << 0 << ""
                                    << QStringList{"Deposit Bank Employer", "Trans Out Bank ATM", "Debit Bank Grocer"};
    QTest::newRow("wallet family: the wallet's side of a transfer from an account")
        << false << "---Wallet---" << 0 << ""
        << QStringList{"Trans In Cash ATM", "Trans Out Cash Pocket", "Trans In Purse Pocket"};
    QTest::newRow("one holder") << false << "Bank" << 0 << ""
                                << QStringList{"Deposit Bank Employer", "Trans Out Bank ATM", "Debit Bank Grocer"};
    QTest::newRow("kind Deposit") << true << all << 1 << ""
                                  << QStringList{"Deposit Bank Employer", "Deposit Cash O'Brien"};
    QTest::newRow("kind Debit") << false << all << 2 << "" << QStringList{"Debit Bank Grocer"};
    QTest::newRow("kind Trans in") << false << all << 3 << ""
                                   << QStringList{"Trans In Purse Pocket", "Trans In Cash ATM"};
    QTest::newRow("kind Trans out") << false << all << 4 << ""
                                    << QStringList{"Trans Out Cash Pocket", "Trans Out Bank ATM"};
    QTest::newRow("text in memo, any case") << false << all << 0 << "SHOP" << QStringList{"Debit Bank Grocer"};
    QTest::newRow("text in for") << false << all << 0 << "salary" << QStringList{"Deposit Bank Employer"};
    QTest::newRow("text with a quote") << true << all << 0 << "o'b" << QStringList{"Deposit Cash O'Brien"};
    QTest::newRow("percent found as a wildcard") << true << "Cash" << 0 << "50%" << QStringList{"Deposit Cash O'Brien"};
    QTest::newRow("text untrimmed") << false << all << 0 << "Grocer " << QStringList();
    QTest::newRow("holder, kind and text") << true << "Cash" << 1 << "gift" << QStringList{"Deposit Cash O'Brien"};
}

void TestHistorySearch::simpleSearch()
{
    QFETCH(bool, thisMonth);
    QFETCH(QString, holder);
    QFETCH(int, typeIndex);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    HistoryBooks books;
    THistorySearch::Simple criteria;
    criteria.period = thisMonth ? THistorySearch::Period::ThisMonth : THistorySearch::Period::Today;
    criteria.family = entry(holder).family;
    criteria.holderId = entry(holder).id;
    criteria.typeIndex = typeIndex;
    criteria.text = text;
    QCOMPARE(listed(THistorySearch::simple(criteria, HistoryBooks::now().date()).open()), sorted(expected));
}

void TestHistorySearch::advancedSearch_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QStringList>("texts"); // from, min, max, to, memo
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("expected");
    const QDate today = HistoryBooks::now().date();
    const QDate march1(2026, 3, 1);
    const QString all = QStringLiteral("-----All-----");
    const QString en = QStringLiteral("en_US");
    const QStringList none{"", "", "", "", ""};
    QTest::newRow("today to today") << today << today << all << 0 << none << en << Today;
    QTest::newRow("last day included, up to its end") << march1 << today.addDays(1) << all << 0 << none << en
                                                      << (QStringList(Today) << "Deposit Cash O'Brien"
                                                                             << "Deposit Bank Late");
    QTest::newRow("start after end") << today << march1 << all << 0 << none << en << QStringList();
    QTest::newRow("minimum 10 alone: strictly above")
        << march1 << today << all << 0 << QStringList{"", "10", "", "", ""} << en << QStringList();
    QTest::newRow("minimum 10, maximum 10: both included")
        << march1 << today << all << 0 << QStringList{"", "10", "10", "", ""} << en
        << QStringList{"Deposit Bank Employer", "Deposit Cash O'Brien"};
    QTest::newRow("maximum 4 alone: strictly below")
        << march1 << today << all << 0 << QStringList{"", "", "4", "", ""} << en
        << QStringList{"Trans Out Cash Pocket", "Trans In Purse Pocket"};
    QTest::newRow("decimal comma under de_DE")
        << march1 << today << all << 0 << QStringList{"", "2,5", "4", "", ""} << "de_DE"
        << QStringList{"Trans Out Cash Pocket", "Trans In Purse Pocket", "Debit Bank Grocer"};
    QTest::newRow("from, trimmed by the dialog") << march1 << today << all << 0 << QStringList{"atm", "", "", "", ""}
                                                 << en << QStringList{"Trans Out Bank ATM", "Trans In Cash ATM"};
    QTest::newRow("to: the payee of a debit")
        << march1 << today << all << 0 << QStringList{"", "", "", "groc", ""} << en << QStringList{"Debit Bank Grocer"};
    QTest::newRow("to: a deposit's payer is no payee")
        << march1 << today << all << 0 << QStringList{"", "", "", "Employer", ""} << en << QStringList();
    QTest::newRow("memo") << march1 << today << all << 0 << QStringList{"", "", "", "", "weekly"} << en
                          << QStringList{"Debit Bank Grocer"};
    QTest::newRow("memo with a quote and a percent sign")
        << march1 << today << all << 0 << QStringList{"", "", "", "", "50%"} << en
        << QStringList{"Deposit Cash O'Brien"};
    QTest::newRow("one wallet") << march1 << today << "Purse" << 0 << none << en
                                << QStringList{"Trans In Purse Pocket"};
    QTest::newRow("wallet family and kind Trans out")
        << march1 << today << "---Wallet---" << 4 << none << en << QStringList{"Trans Out Cash Pocket"};
    QTest::newRow("account family, debits over two months")
        << QDate(2026, 2, 1) << today << "---Account---" << 2 << none << en
        << QStringList{"Debit Card Shop", "Debit Bank Grocer"};
    QTest::newRow("every criterion") << march1 << today << "Bank" << 2 << QStringList{"gro", "3", "5", "gro", "shop"}
                                     << en << QStringList{"Debit Bank Grocer"};
}

void TestHistorySearch::advancedSearch()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QString, holder);
    QFETCH(int, typeIndex);
    QFETCH(QStringList, texts);
    QFETCH(QString, locale);
    QFETCH(QStringList, expected);
    HistoryBooks books;
    THistorySearch::Advanced c;
    c.first = first;
    c.last = last;
    c.family = entry(holder).family;
    c.holderId = entry(holder).id;
    c.typeIndex = typeIndex;
    c.fromText = texts[0];
    c.minText = texts[1];
    c.maxText = texts[2];
    c.toText = texts[3];
    c.memoText = texts[4];
    QCOMPARE(listed(THistorySearch::advanced(c, QLocale(locale)).open()), sorted(expected));
}

void TestHistorySearch::printDetails_data()
{
    QTest::addColumn<QString>("holder"); // an entry of the holder list
    QTest::addColumn<int>("period");     // 0 this month, 1 today, 2 the query's days
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("details");
    const QString en = QStringLiteral("en_US");
    QTest::newRow("all, this month") << "-----All-----" << 0 << en << QStringList{"Acc/Wal: All", "Period: This Month"};
    QTest::newRow("accounts, today") << "---Account---" << 1 << en
                                     << QStringList{"Acc/Wal: All accounts", "Period: Today"};
    QTest::newRow("wallets, the query's days")
        << "---Wallet---" << 2 << en << QStringList{"Acc/Wal: All wallets", "Period: 3/1/26 to 3/15/26"};
    QTest::newRow("one holder by its name, untrimmed entry")
        << "Purse" << 1 << en << QStringList{"Acc/Wal: Purse", "Period: Today"};
    QTest::newRow("the query's days in the locale's notation")
        << "Bank" << 2 << "de_DE" << QStringList{"Acc/Wal: Bank", "Period: 01.03.26 to 15.03.26"};
}

void TestHistorySearch::printDetails()
{
    QFETCH(QString, holder);
    QFETCH(int, period);
    QFETCH(QString, locale);
    QFETCH(QStringList, details);
    HistoryBooks books;
    if (period < 2) {
        THistorySearch::Simple criteria;
        criteria.period = period == 0 ? THistorySearch::Period::ThisMonth : THistorySearch::Period::Today;
        criteria.family = entry(holder).family;
        criteria.holderId = entry(holder).id;
        QCOMPARE(THistorySearch::printDetails(criteria), details);
    } else {
        THistorySearch::Advanced criteria;
        criteria.first = QDate(2026, 3, 1);
        criteria.last = HistoryBooks::now().date();
        criteria.family = entry(holder).family;
        criteria.holderId = entry(holder).id;
        QCOMPARE(THistorySearch::printDetails(criteria, QLocale(locale)), details);
    }
}

void TestHistorySearch::amountTextThatIsNoAmountIsRefused()
{
    HistoryBooks books;
    THistorySearch::Advanced c;
    c.first = c.last = HistoryBooks::now().date();
    c.minText = QStringLiteral("10,5");
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, THistorySearch::advanced(c, QLocale(QStringLiteral("en_US"))));
}

void TestHistorySearch::toColumnHoldsThePayeeOfADebit()
{
    HistoryBooks books;
    books.db.addDetail(1, books.card, HistoryBooks::now(), money("1"));
    THistorySearch::Simple criteria;
    TRowSet rows = THistorySearch::simple(criteria, HistoryBooks::now().date()).open();
    THistorySearch::addToColumn(rows);
    const int to = rows.indexOf(u"to");
    QCOMPARE(to, int(TLedgerQuery::ColumnCount));
    QCOMPARE(rows.columnName(to), QStringLiteral("To"));
    QStringList payees;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const bool debit = rows.number(r, TLedgerQuery::Type) == 1;
        const bool hasFrom = !rows.isNull(r, TLedgerQuery::From);
        QCOMPARE(rows.isNull(r, to), !(debit && hasFrom));
        if (!rows.isNull(r, to))
            payees << rows.text(r, to);
    }
    QCOMPARE(payees, QStringList{"Grocer"});
}

void TestHistorySearch::amountRangeCheck_data()
{
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<TAmountRangeCheck::Problem>("problem");
    QTest::addColumn<QString>("message");
    using P = TAmountRangeCheck::Problem;
    const QString minNaN = QStringLiteral("The minimum amount of money must be a number!");
    const QString maxNaN = QStringLiteral("The maximum amount of money must be a number!");
    const QString order = QStringLiteral("The minimum amount should not be large than the maximum!!");
    QTest::newRow("both empty") << ""
                                << ""
                                << "en_US" << P::None << "";
    QTest::newRow("minimum alone") << "10"
                                   << ""
                                   << "en_US" << P::None << "";
    QTest::newRow("maximum alone") << ""
                                   << "10"
                                   << "en_US" << P::None << "";
    QTest::newRow("equal") << "10"
                           << "10.00"
                           << "en_US" << P::None << "";
    QTest::newRow("blanks around, sign, exponent") << " -5 "
                                                   << "1e2"
                                                   << "en_US" << P::None << "";
    QTest::newRow("letters: the maximum not looked at") << "abc"
                                                        << "xyz"
                                                        << "en_US" << P::MinNotANumber << minNaN;
    QTest::newRow("blanks alone are no number") << "  "
                                                << ""
                                                << "en_US" << P::MinNotANumber << minNaN;
    QTest::newRow("grouping as shown") << "1,000"
                                       << "3,200.5"
                                       << "en_US" << P::None << "";
    QTest::newRow("wrong grouping") << "1,000"
                                    << "32,00.5"
                                    << "en_US" << P::MaxNotANumber << maxNaN;
    QTest::newRow("beyond the currency range") << "1e30"
                                               << ""
                                               << "en_US" << P::MinNotANumber << minNaN;
    QTest::newRow("maximum of letters") << "10"
                                        << "ten"
                                        << "en_US" << P::MaxNotANumber << maxNaN;
    QTest::newRow("minimum above maximum") << "20"
                                           << "10"
                                           << "en_US" << P::MinAboveMax << order;
    QTest::newRow("exactly, to the fourth decimal") << "10.0001"
                                                    << "10"
                                                    << "en_US" << P::MinAboveMax << order;
    QTest::newRow("de_DE decimal comma") << "10,5"
                                         << "10,6"
                                         << "de_DE" << P::None << "";
    QTest::newRow("de_DE point is grouping") << "10.5"
                                             << ""
                                             << "de_DE" << P::MinNotANumber << minNaN;
    QTest::newRow("de_DE grouping") << "3.200,01"
                                    << "3.200"
                                    << "de_DE" << P::MinAboveMax << order;
    QTest::newRow("de_DE order") << "2,5"
                                 << "2,4"
                                 << "de_DE" << P::MinAboveMax << order;
}

void TestHistorySearch::amountRangeCheck()
{
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QString, locale);
    QFETCH(TAmountRangeCheck::Problem, problem);
    QFETCH(QString, message);
    const TAmountRangeCheck::Problem got = TAmountRangeCheck::check(min, max, QLocale(locale));
    QCOMPARE(got, problem);
    QCOMPARE(TAmountRangeCheck::message(got), message);
}

void TestHistorySearch::copiedText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en_US") << "en_US"
                           << "3/15/26 9:05:07 AM,Deposit,March, pay,3/15/26,Employer,10.5,Salary,\r\n"
                              "3/15/26,Trans In,,3/15/26,,2.5,,\r\n";
    QTest::newRow("de_DE") << "de_DE"
                           << "15.03.26 09:05:07,Deposit,March, pay,15.03.26,Employer,10,5,Salary,\r\n"
                              "15.03.26,Trans In,,15.03.26,,2,5,,\r\n";
}

void TestHistorySearch::copiedText()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    pinLocale(qPrintable(locale));
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0);
    const qint32 cash = db.addHolder(QStringLiteral("Cash"), 2);
    const QDate day(2026, 3, 15);
    db.addDetail(0, bank, QDateTime(day, QTime(9, 5, 7)), money("10.5"), QStringLiteral("Employer"),
                 QStringLiteral("Salary"), QStringLiteral("March, pay"));
    db.addTransfer(bank, cash, QDateTime(day, QTime(0, 0)), money("2.5"));
    TLedgerQuery query;
    query.addDayRange(day, day);
    const TRowSet rows = query.open();
    // The deposit, then the transfer's "Trans In" side, in this order.
    int deposit = -1;
    int transIn = -1;
    for (int r = 0; r < rows.rowCount(); ++r) {
        if (rows.number(r, TLedgerQuery::Type) == 0)
            deposit = r;
        if (rows.number(r, TLedgerQuery::Type) == 3)
            transIn = r;
    }
    QCOMPARE(TBookingCopy::text(rows, {deposit, transIn}), expected);
}

QTEST_GUILESS_MAIN(TestHistorySearch)
#include "tst_historysearch.moc"
