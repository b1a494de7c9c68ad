#include "TestDb.h"

#include "data/DbError.h"
#include "data/TLedgerQuery.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <stdexcept>
#include <tuple>

namespace {

using Row = std::tuple<int, qint32, qint32>; // kind, holder, booking id

QDateTime at(int y, int m, int d, int h = 12, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, mi, s));
}

QList<Row> rowsOf(const TRowSet& rows)
{
    QList<Row> out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out << Row(int(rows.number(r, TLedgerQuery::Type)), qint32(rows.number(r, TLedgerQuery::AccID)),
                   qint32(rows.number(r, TLedgerQuery::Id)));
    std::sort(out.begin(), out.end());
    return out;
}

QList<qint32> idsOf(const TRowSet& rows)
{
    QList<qint32> ids;
    for (int r = 0; r < rows.rowCount(); ++r)
        ids << qint32(rows.number(r, TLedgerQuery::Id));
    return ids;
}

// A holder of each kind, a deposit, a debit and two transfers.
struct Ledger
{
    TestDb db;
    qint32 bank, card, cash, purse;
    qint32 deposit, debit, bankToCash, cashToPurse;

    Ledger()
    {
        bank = db.addHolder(QStringLiteral("Bank"), 0);
        card = db.addHolder(QStringLiteral("Card"), 1);
        cash = db.addHolder(QStringLiteral("Cash"), 2);
        purse = db.addHolder(QStringLiteral("Purse"), 2);
        deposit = db.addDetail(0, bank, at(2026, 3, 1), money("100"), QStringLiteral("Employer"));
        debit = db.addDetail(1, card, at(2026, 3, 2), money("40.25"), QStringLiteral("Grocer"));
        bankToCash = db.addTransfer(bank, cash, at(2026, 3, 3), money("20"));
        cashToPurse = db.addTransfer(cash, purse, at(2026, 3, 4), money("5"));
    }
};

} // namespace

class TestLedgerQuery : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void columnsInOrderAndNames();
    void transferIsListedFromBothSides();
    void holderAndFamilyFilters_data();
    void holderAndFamilyFilters();
    void kindFilter_data();
    void kindFilter();
    void bookingOfMissingHolderIsNotListed();
    void dayRangeIsHalfOpen_data();
    void dayRangeIsHalfOpen();
    void emptyTablesGiveEmptyResult();
    void rawValuesAndDateOrder();
    void textSearchIsBoundWithWildcards_data();
    void textSearchIsBoundWithWildcards();
    void fromAndMemoTexts();
    void amountFilters_data();
    void amountFilters();
    void amountThatIsNotANumberIsRefused();
    void holderAndDateUseTheIndexes_data();
    void holderAndDateUseTheIndexes();
    void failingStatementCarriesEngineText();
};

void TestLedgerQuery::columnsInOrderAndNames()
{
    Ledger l;
    const QStringList expected{"id",   "AccID",  "TypeName", "type", "date", "Date1",
                               "from", "Amount", "for",      "memo", "name", "AccType"};
    TLedgerQuery q;
    QSqlQuery sql = l.db.dm().select(q.statement(), q.values());
    QStringList names;
    for (int i = 0; i < sql.record().count(); ++i)
        names << sql.record().fieldName(i);
    QCOMPARE(names, expected);
    const TRowSet rows = q.open();
    QStringList fetched;
    for (int i = 0; i < rows.columnCount(); ++i)
        fetched << rows.columnName(i);
    QCOMPARE(fetched, expected);
    QCOMPARE(rows.indexOf(u"AMOUNT"), int(TLedgerQuery::Amount));
    QCOMPARE(rows.indexOf(u"To"), -1);
}

void TestLedgerQuery::transferIsListedFromBothSides()
{
    Ledger l;
    TLedgerQuery all;
    const TRowSet rows = all.open();
    QCOMPARE(rows.rowCount(), 6);
    int out = -1;
    int in = -1;
    for (int r = 0; r < rows.rowCount(); ++r) {
        if (rows.number(r, TLedgerQuery::Id) != l.bankToCash || rows.number(r, TLedgerQuery::Type) < 2)
            continue;
        (rows.number(r, TLedgerQuery::Type) == 2 ? out : in) = r;
    }
    QVERIFY(out >= 0 && in >= 0);
    QCOMPARE(rows.text(out, TLedgerQuery::TypeName), QStringLiteral("Trans Out"));
    QCOMPARE(rows.number(out, TLedgerQuery::AccID), l.bank);
    QCOMPARE(rows.text(out, TLedgerQuery::Name), QStringLiteral("Bank"));
    QCOMPARE(rows.text(in, TLedgerQuery::TypeName), QStringLiteral("Trans In"));
    QCOMPARE(rows.number(in, TLedgerQuery::AccID), l.cash);
    QCOMPARE(rows.text(in, TLedgerQuery::Name), QStringLiteral("Cash"));
    for (int c : {int(TLedgerQuery::Date), int(TLedgerQuery::Amount)})
        QCOMPARE(rows.number(out, c), rows.number(in, c));
    QCOMPARE(rows.money(in, TLedgerQuery::Amount), money("20"));
    QCOMPARE(rows.number(in, TLedgerQuery::AccType), 2);
    QCOMPARE(rows.number(out, TLedgerQuery::AccType), 0);

    TLedgerQuery source;
    source.addHolder(l.bank);
    QCOMPARE(rowsOf(source.open()), (QList<Row>{{0, l.bank, l.deposit}, {2, l.bank, l.bankToCash}}));
}

void TestLedgerQuery::holderAndFamilyFilters_data()
{
    QTest::addColumn<int>("filter"); // 0 a holder (Cash), 1 accounts, 2 wallets
    QTest::addColumn<QList<int>>("kinds");
    QTest::newRow("one holder") << 0 << QList<int>{2, 3};
    QTest::newRow("accounts") << 1 << QList<int>{0, 1, 2};
    QTest::newRow("wallets") << 2 << QList<int>{2, 3, 3};
}

void TestLedgerQuery::holderAndFamilyFilters()
{
    QFETCH(int, filter);
    QFETCH(QList<int>, kinds);
    Ledger l;
    TLedgerQuery q;
    if (filter == 0)
        q.addHolder(l.cash);
    else
        q.addFamily(filter == 1 ? TLedgerQuery::Family::Accounts : TLedgerQuery::Family::Wallets);
    const TRowSet rows = q.open();
    QList<int> got;
    for (int r = 0; r < rows.rowCount(); ++r) {
        got << int(rows.number(r, TLedgerQuery::Type));
        const qint64 holderKind = rows.number(r, TLedgerQuery::AccType);
        if (filter == 0)
            QCOMPARE(rows.number(r, TLedgerQuery::AccID), l.cash);
        else
            QCOMPARE(holderKind == 2, filter == 2);
    }
    std::sort(got.begin(), got.end());
    QCOMPARE(got, kinds);
}

void TestLedgerQuery::kindFilter_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::newRow("deposit") << 0 << "Deposit" << 1;
    QTest::newRow("debit") << 1 << "Debit" << 1;
    QTest::newRow("trans out") << 2 << "Trans Out" << 2;
    QTest::newRow("trans in") << 3 << "Trans In" << 2;
}

void TestLedgerQuery::kindFilter()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(int, count);
    Ledger l;
    TLedgerQuery q;
    q.addKind(kind);
    const TRowSet rows = q.open();
    QCOMPARE(rows.rowCount(), count);
    for (int r = 0; r < rows.rowCount(); ++r) {
        QCOMPARE(rows.number(r, TLedgerQuery::Type), kind);
        QCOMPARE(rows.text(r, TLedgerQuery::TypeName), name);
    }
    QCOMPARE(TLedgerQuery::typeName(kind), name);
}

void TestLedgerQuery::bookingOfMissingHolderIsNotListed()
{
    Ledger l;
    const qint32 orphan = l.db.addDetail(0, 999, at(2026, 3, 5), money("1"));
    const qint32 orphanTransfer = l.db.addTransfer(999, l.purse, at(2026, 3, 5), money("2"));
    TLedgerQuery q;
    const TRowSet rows = q.open();
    QCOMPARE(rows.rowCount(), 7); // six as before, and only the purse's side of the new transfer
    QVERIFY(rowsOf(rows).contains(Row(3, l.purse, orphanTransfer)));
    QVERIFY(!rowsOf(rows).contains(Row(0, 999, orphan)));
    QVERIFY(!rowsOf(rows).contains(Row(2, 999, orphanTransfer)));
}

void TestLedgerQuery::dayRangeIsHalfOpen_data()
{
    QTest::addColumn<QDateTime>("booked");
    QTest::addColumn<bool>("listed");
    // The range is 10 to 11 March 2026.
    QTest::newRow("day before, last second") << at(2026, 3, 9, 23, 59, 59) << false;
    QTest::newRow("first day, midnight") << at(2026, 3, 10, 0, 0, 0) << true;
    QTest::newRow("first day, noon") << at(2026, 3, 10) << true;
    QTest::newRow("last day, last second") << at(2026, 3, 11, 23, 59, 59) << true;
    QTest::newRow("midnight after the last day") << at(2026, 3, 12, 0, 0, 0) << false;
    QTest::newRow("day after, one minute past") << at(2026, 3, 12, 0, 1, 0) << false;
}

void TestLedgerQuery::dayRangeIsHalfOpen()
{
    QFETCH(QDateTime, booked);
    QFETCH(bool, listed);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2);
    const qint32 d = db.addDetail(1, h, booked, money("1"));
    const qint32 t = db.addTransfer(h, h, booked, money("1"));
    TLedgerQuery q;
    q.addDayRange(QDate(2026, 3, 10), QDate(2026, 3, 11));
    const QList<Row> expected = listed ? QList<Row>{{1, h, d}, {2, h, t}, {3, h, t}} : QList<Row>{};
    QCOMPARE(rowsOf(q.open()), expected);
}

void TestLedgerQuery::emptyTablesGiveEmptyResult()
{
    TestDb db;
    TLedgerQuery q;
    q.addDayRange(QDate(2026, 1, 1), QDate(2026, 12, 31));
    q.addText(QStringLiteral("x"));
    const TRowSet rows = q.open();
    QCOMPARE(rows.rowCount(), 0);
    QCOMPARE(rows.columnCount(), int(TLedgerQuery::ColumnCount));
}

void TestLedgerQuery::rawValuesAndDateOrder()
{
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2);
    const qint32 late = db.addDetail(0, h, at(2026, 5, 2, 18, 30, 15), money("12.3456"), QStringLiteral("A"),
                                     QStringLiteral("B"), QStringLiteral("C"));
    const qint32 early = db.addDetail(1, h, at(2026, 5, 1, 7, 0, 0), money("0.5"));
    TLedgerQuery q;
    q.addHolder(h);
    const TRowSet rows = q.open();
    QCOMPARE(idsOf(rows), (QList<qint32>{early, late}));
    QCOMPARE(rows.money(1, TLedgerQuery::Amount), money("12.3456"));
    QCOMPARE(rows.dateTime(1, TLedgerQuery::Date), at(2026, 5, 2, 18, 30, 15));
    QCOMPARE(rows.kind(TLedgerQuery::Date1), TRowSet::Kind::Date);
    QCOMPARE(rows.date(1, TLedgerQuery::Date1), QDate(2026, 5, 2));
    QCOMPARE(rows.text(1, TLedgerQuery::From), QStringLiteral("A"));
    QCOMPARE(rows.text(1, TLedgerQuery::For), QStringLiteral("B"));
    QCOMPARE(rows.text(1, TLedgerQuery::Memo), QStringLiteral("C"));
    // Texts left empty are stored without a value.
    QVERIFY(rows.isNull(0, TLedgerQuery::From));
    QVERIFY(rows.isNull(0, TLedgerQuery::Memo));
    QVERIFY(!rows.isNull(0, TLedgerQuery::Amount));
}

void TestLedgerQuery::textSearchIsBoundWithWildcards_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found"); // the `from` texts of the rows found
    QTest::newRow("quote") << "O'Brien" << QStringList{"O'Brien's"};
    QTest::newRow("double quote") << "\"Best\"" << QStringList{"the \"Best\" shop"};
    QTest::newRow("percent is a wildcard") << "10%off" << QStringList{"10% off", "100 offers"};
    QTest::newRow("underscore is a wildcard") << "a_c" << QStringList{"a_c", "abc"};
    QTest::newRow("any case") << "GROCER" << QStringList{"grocer"};
    QTest::newRow("decimal comma") << "3,5" << QStringList{"3,5 kg"};
    QTest::newRow("in for, both sides of a transfer") << "rent" << QStringList{"landlord", "landlord"};
    QTest::newRow("in memo") << "note" << QStringList{"a_c"};
    QTest::newRow("nothing") << "zzz" << QStringList{};
}

void TestLedgerQuery::textSearchIsBoundWithWildcards()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2);
    for (const char* from : {"O'Brien's", "the \"Best\" shop", "10% off", "100 offers", "abc", "grocer", "3,5 kg"})
        db.addDetail(1, h, at(2026, 1, 1), money("1"), QString::fromUtf8(from));
    db.addDetail(1, h, at(2026, 1, 1), money("1"), QStringLiteral("a_c"), {}, QStringLiteral("a note"));
    db.addTransfer(h, h, at(2026, 1, 2), money("1"), QStringLiteral("landlord"), QStringLiteral("Rent"));
    TLedgerQuery q;
    q.addText(text);
    const TRowSet rows = q.open();
    QStringList froms;
    for (int r = 0; r < rows.rowCount(); ++r)
        froms << rows.text(r, TLedgerQuery::From);
    froms.sort();
    found.sort();
    QCOMPARE(froms, found);
}

void TestLedgerQuery::fromAndMemoTexts()
{
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2);
    const qint32 a = db.addDetail(1, h, at(2026, 1, 1), money("1"), QStringLiteral("Baker"), QStringLiteral("bread"),
                                  QStringLiteral("weekly"));
    const qint32 b =
        db.addDetail(1, h, at(2026, 1, 2), money("1"), QStringLiteral("bread shop"), {}, QStringLiteral("Baker's day"));
    TLedgerQuery from;
    from.addFromText(QStringLiteral("baker"));
    QCOMPARE(idsOf(from.open()), QList<qint32>{a});
    TLedgerQuery memo;
    memo.addMemoText(QStringLiteral("baker"));
    QCOMPARE(idsOf(memo.open()), QList<qint32>{b});
    TLedgerQuery both;
    both.addFromText(QStringLiteral("b"));
    both.addMemoText(QStringLiteral("week"));
    QCOMPARE(idsOf(both.open()), QList<qint32>{a});
    TLedgerQuery empty;
    empty.addFromText(QString());
    empty.addMemoText(QString());
    empty.addText(QString());
    QCOMPARE(empty.statement(), TLedgerQuery().statement());
    QCOMPARE(idsOf(empty.open()), (QList<qint32>{a, b}));
}

void TestLedgerQuery::amountFilters_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QStringList>("found");
    // The amounts are 9.99, 10, 10.5 and 20.
    QTest::newRow("above, not equal") << "en_US"
                                      << "10"
                                      << "" << QStringList{"10.5", "20"};
    QTest::newRow("below, not equal") << "en_US"
                                      << ""
                                      << "10" << QStringList{"9.99"};
    QTest::newRow("between, both included") << "en_US"
                                            << "10"
                                            << "10.5" << QStringList{"10", "10.5"};
    QTest::newRow("equal ends") << "en_US"
                                << "10"
                                << "10" << QStringList{"10"};
    QTest::newRow("neither") << "en_US"
                             << ""
                             << "" << QStringList{"9.99", "10", "10.5", "20"};
    QTest::newRow("de_DE decimal comma") << "de_DE"
                                         << "10,5"
                                         << "" << QStringList{"20"};
    QTest::newRow("de_DE between") << "de_DE"
                                   << "9,99"
                                   << "10,5" << QStringList{"9.99", "10", "10.5"};
    QTest::newRow("blanks around") << "en_US"
                                   << " 10.5 "
                                   << "" << QStringList{"20"};
}

void TestLedgerQuery::amountFilters()
{
    QFETCH(QString, locale);
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QStringList, found);
    pinLocale(locale.toLatin1().constData());
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2);
    for (const char* amount : {"9.99", "10", "10.5", "20"})
        db.addDetail(0, h, at(2026, 1, 1), money(amount));
    TLedgerQuery q;
    q.addAmountRange(min, max);
    const TRowSet rows = q.open();
    QStringList got;
    for (int r = 0; r < rows.rowCount(); ++r)
        got << rows.money(r, TLedgerQuery::Amount).toPlainString(QLocale::c());
    QCOMPARE(got, found);
}

void TestLedgerQuery::amountThatIsNotANumberIsRefused()
{
    pinLocale("de_DE");
    TLedgerQuery q;
    const QString before = q.statement();
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, q.addAmountRange(QStringLiteral("ten"), QString()));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, q.addAmountRange(QString(), QStringLiteral("1.000,00")));
    QCOMPARE(q.statement(), before);
}

void TestLedgerQuery::holderAndDateUseTheIndexes_data()
{
    QTest::addColumn<bool>("holder");
    QTest::addColumn<QStringList>("indexes");
    QTest::newRow("holder and days") << true
                                     << QStringList{"Detail_DestID_Date", "Transfer_SourceID_Date",
                                                    "Transfer_DestID_Date"};
    QTest::newRow("days of all holders") << false << QStringList{"Detail_Date", "Transfer_Date"};
}

void TestLedgerQuery::holderAndDateUseTheIndexes()
{
    QFETCH(bool, holder);
    QFETCH(QStringList, indexes);
    Ledger l;
    TLedgerQuery q;
    q.addDayRange(QDate(2026, 3, 1), QDate(2026, 3, 31));
    if (holder)
        q.addHolder(l.cash);
    QSqlQuery plan = l.db.dm().select(QStringLiteral("EXPLAIN QUERY PLAN ") + q.statement(), q.values());
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    const QString text = steps.join(u'\n');
    for (const QString& index : indexes)
        QVERIFY2(text.contains(QStringLiteral("USING INDEX ") + index), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("SCAN Detail")) && !text.contains(QStringLiteral("SCAN Transfer")),
             qPrintable(text));
}

void TestLedgerQuery::failingStatementCarriesEngineText()
{
    Ledger l;
    l.db.dm().execute(QStringLiteral("drop table Transfer"));
    TLedgerQuery q;
    try {
        q.open();
        QFAIL("the statement ran without its table");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("no such table")), qPrintable(e.text()));
    }
}

QTEST_GUILESS_MAIN(TestLedgerQuery)
#include "tst_ledgerquery.moc"
