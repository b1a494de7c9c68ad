#include "DataRow.h"
#include "TestDb.h"

#include "data/DbError.h"
#include "data/TLedgerQuery.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <sqlite3.h>

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

// The engine's plan of a planned statement, one step a line.
QString queryPlan(TDM& dm, const TLedgerQuery::Planned& planned)
{
    QSqlQuery plan = dm.select(QStringLiteral("EXPLAIN QUERY PLAN ") + planned.sql, planned.values);
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    return steps.join(u'\n');
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

// Random bookings whose texts mix cases beyond A to Z, wildcard characters, quotes and empty fields,
// between accounts and wallets (and now and then a holder that is not there).
struct RandomLedger
{
    TestDb db;
    QRandomGenerator random;
    QList<qint32> holders;

    explicit RandomLedger(quint32 seed, int bookings)
        : random(seed)
    {
        holders << db.addHolder(QStringLiteral("Bank"), 0) << db.addHolder(QStringLiteral("Visa"), 1)
                << db.addHolder(QStringLiteral("Kasse"), 2) << db.addHolder(QStringLiteral("Börse"), 2);
        db.dm().execute(QStringLiteral("begin"));
        for (int i = 0; i < bookings; ++i)
            add();
        db.dm().execute(QStringLiteral("commit"));
    }

    QString pick(const QStringList& from) { return from.at(random.bounded(int(from.size()))); }
    qint32 holder() { return random.bounded(20) == 0 ? 999 : holders.at(random.bounded(int(holders.size()))); }
    QString text()
    {
        static const QStringList words{"Müller", "MÜLLER",  "müller",     "École", "ÉCOLE", "école",
                                       "Straße", "STRASSE", "οδός",       "ΟΔΟΣ",  "ſs",    "5 Kg",
                                       "5 kg",   "O'Neil",  "50% off",    "a_c",   "abc",   "\"Best\"",
                                       "market", "Market",  "MARKET day", "  ",    "银行",  "Kasse 3"};
        switch (random.bounded(4)) {
        case 0:
            return QString(); // stored without a value
        case 1:
            return pick(words);
        default:
            return pick(words) + u' ' + pick(words);
        }
    }
    QDateTime when()
    {
        const QDate day = QDate(2025, 11, 1).addDays(random.bounded(120));
        return QDateTime(day, random.bounded(8) == 0 ? QTime(0, 0) : QTime(random.bounded(24), random.bounded(60)));
    }
    void add()
    {
        const Currency amount = Currency::fromRaw(qint64(random.bounded(1, 5000)) * 100);
        if (random.bounded(4) == 0)
            db.addTransfer(holder(), holder(), when(), amount, text(), text(), text());
        else
            db.addDetail(random.bounded(2), holder(), when(), amount, text(), text(), text());
    }
    // Edits and deletes a few bookings with plain statements, as any connection might.
    void change()
    {
        for (int i = 0; i < 30; ++i) {
            const char* table = random.bounded(2) == 0 ? "Detail" : "Transfer";
            const QString pickOne =
                QStringLiteral("(select ID from %1 order by random() limit 1)").arg(QLatin1String(table));
            switch (random.bounded(3)) {
            case 0:
                db.dm().execute(QStringLiteral("update %1 set \"From\" = ?, Memo = ? where ID = %2")
                                    .arg(QLatin1String(table), pickOne),
                                {text(), text()});
                break;
            case 1:
                db.dm().execute(QStringLiteral("update %1 set Amount = Amount + 1 where ID = %2")
                                    .arg(QLatin1String(table), pickOne));
                break;
            default:
                db.dm().execute(QStringLiteral("delete from %1 where ID = %2").arg(QLatin1String(table), pickOne));
                break;
            }
        }
        for (int i = 0; i < 10; ++i)
            add();
    }

    // A query with a random choice of every filter, in the history window's order.
    TLedgerQuery query()
    {
        static const QStringList terms{"müller", "MÜLLER",  "ÉCOLE", "strasse", "ΟΔΟΣ", "ss",  "kg",
                                       "o'neil", "50%off",  "a_c",   "%",       "_",    "'",   "\"best\"",
                                       "market", "ARKET D", "ab",    "银",      " ",    "e s", "t d"};
        TLedgerQuery q;
        if (random.bounded(3) != 0) {
            const QDate first = QDate(2025, 11, 1).addDays(random.bounded(120));
            q.addDayRange(first, first.addDays(random.bounded(60)));
        }
        switch (random.bounded(4)) {
        case 0:
            q.addHolder(holder());
            break;
        case 1:
            q.addFamily(random.bounded(2) == 0 ? TLedgerQuery::Family::Accounts : TLedgerQuery::Family::Wallets);
            break;
        default:
            break;
        }
        if (random.bounded(3) == 0)
            q.addKind(random.bounded(4));
        switch (random.bounded(5)) {
        case 0:
            q.addText(pick(terms));
            break;
        case 1:
            q.addFromText(pick(terms));
            break;
        case 2:
            q.addMemoText(pick(terms));
            break;
        case 3:
            q.addFromText(pick(terms));
            q.addMemoText(pick(terms));
            break;
        default:
            break;
        }
        if (random.bounded(4) == 0) {
            const auto amount = [this]() -> std::optional<Currency> {
                if (random.bounded(2) == 0)
                    return std::nullopt;
                return Currency::fromRaw(qint64(random.bounded(1, 5000)) * 100);
            };
            q.addAmountRange(amount(), amount());
        }
        return q;
    }
};

// A row as a tuple of every column, for comparing whole lists.
using FullRow = std::tuple<qint64, int, qint64, qint64, QString, qint64, QString, QString, QString, QString, qint64,
                           qint64>; // date, type, id, holder, TypeName, Date1, from, for, memo, name, AccType, amount

QList<FullRow> fullRows(const TRowSet& rows)
{
    QList<FullRow> out;
    for (int r = 0; r < rows.rowCount(); ++r) {
        auto text = [&](int c) {
            return rows.isNull(r, c) ? QStringLiteral("<null>") : rows.text(r, c);
        };
        out << FullRow(rows.number(r, TLedgerQuery::Date), int(rows.number(r, TLedgerQuery::Type)),
                       rows.number(r, TLedgerQuery::Id), rows.number(r, TLedgerQuery::AccID),
                       text(TLedgerQuery::TypeName), rows.number(r, TLedgerQuery::Date1), text(TLedgerQuery::From),
                       text(TLedgerQuery::For), text(TLedgerQuery::Memo), text(TLedgerQuery::Name),
                       rows.number(r, TLedgerQuery::AccType), rows.number(r, TLedgerQuery::Amount));
    }
    return out;
}

// The rows of the plain statement, read through the data module's own query.
QList<FullRow> plainRows(TDM& dm, const TLedgerQuery& q)
{
    QSqlQuery sql = dm.select(q.statement(), q.values());
    QList<FullRow> out;
    while (sql.next()) {
        qint64 date = 0;
        qint64 day = 0;
        TRowSet::parseDateTimeKey(sql.value(4).toString().toUtf8(), date);
        TRowSet::parseDateTimeKey(sql.value(5).toString().toUtf8(), day);
        auto text = [&](int c) {
            return sql.value(c).isNull() ? QStringLiteral("<null>") : sql.value(c).toString();
        };
        // The statement gives the kind's number; the rows carry its name.
        out << FullRow(date, sql.value(3).toInt(), sql.value(0).toLongLong(), sql.value(1).toLongLong(),
                       TLedgerQuery::typeName(sql.value(2).toInt()), day / 86400, text(6), text(8), text(9), text(10),
                       sql.value(11).toLongLong(), sql.value(7).toLongLong());
    }
    return out;
}

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
    void everyPlanGivesThePlainStatementsRows_data();
    void everyPlanGivesThePlainStatementsRows();
    void planFitsTheQuery();
    void checkRefusesABrokenStatementAtOnce();
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
    dataRow("one holder", 0, QList<int>{2, 3});
    dataRow("accounts", 1, QList<int>{0, 1, 2});
    dataRow("wallets", 2, QList<int>{2, 3, 3});
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
    dataRow("deposit", 0, "Deposit", 1);
    dataRow("debit", 1, "Debit", 1);
    dataRow("trans out", 2, "Trans Out", 2);
    dataRow("trans in", 3, "Trans In", 2);
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
    dataRow("day before, last second", at(2026, 3, 9, 23, 59, 59), false);
    dataRow("first day, midnight", at(2026, 3, 10, 0, 0, 0), true);
    dataRow("first day, noon", at(2026, 3, 10), true);
    dataRow("last day, last second", at(2026, 3, 11, 23, 59, 59), true);
    dataRow("midnight after the last day", at(2026, 3, 12, 0, 0, 0), false);
    dataRow("day after, one minute past", at(2026, 3, 12, 0, 1, 0), false);
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
    dataRow("quote", "O'Brien", QStringList{"O'Brien's"});
    dataRow("double quote", "\"Best\"", QStringList{"the \"Best\" shop"});
    dataRow("percent is a wildcard", "10%off", QStringList{"10% off", "100 offers"});
    dataRow("underscore is a wildcard", "a_c", QStringList{"a_c", "abc"});
    dataRow("any case", "GROCER", QStringList{"grocer"});
    dataRow("decimal comma", "3,5", QStringList{"3,5 kg"});
    dataRow("in for, both sides of a transfer", "rent", QStringList{"landlord", "landlord"});
    dataRow("in memo", "note", QStringList{"a_c"});
    dataRow("nothing", "zzz", QStringList{});
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
    dataRow("above, not equal", "en_US", "10", "", QStringList{"10.5", "20"});
    dataRow("below, not equal", "en_US", "", "10", QStringList{"9.99"});
    dataRow("between, both included", "en_US", "10", "10.5", QStringList{"10", "10.5"});
    dataRow("equal ends", "en_US", "10", "10", QStringList{"10"});
    dataRow("neither", "en_US", "", "", QStringList{"9.99", "10", "10.5", "20"});
    dataRow("de_DE decimal comma", "de_DE", "10,5", "", QStringList{"20"});
    dataRow("de_DE between", "de_DE", "9,99", "10,5", QStringList{"9.99", "10", "10.5"});
    dataRow("blanks around", "en_US", " 10.5 ", "", QStringList{"20"});
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
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, q.addAmountRange(QString(), QStringLiteral("10.00,00")));
    QCOMPARE(q.statement(), before);
}

void TestLedgerQuery::holderAndDateUseTheIndexes_data()
{
    QTest::addColumn<bool>("holder");
    QTest::addColumn<QStringList>("indexes");
    dataRow("holder and days", true,
            QStringList{"Detail_DestID_Date", "Transfer_SourceID_Date", "Transfer_DestID_Date"});
    dataRow("days of all holders", false, QStringList{"Detail_Date", "Transfer_Date"});
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
    // (So few bookings are read faster in table order; the plan for many is planFitsTheQuery's.)
    const TLedgerQuery::Planned planned = q.plan(l.db.dm().handle(), TLedgerQuery::Plan::Indexes);
    const QString text = queryPlan(l.db.dm(), planned);
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

void TestLedgerQuery::everyPlanGivesThePlainStatementsRows_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {11u, 12u, 13u, 14u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestLedgerQuery::everyPlanGivesThePlainStatementsRows()
{
    // Whatever the plan, the rows are those of the plain statement, in date order; the text index
    // follows every insert, edit and delete.
    QFETCH(quint32, seed);
    RandomLedger l(seed, 400);
    sqlite3* db = l.db.dm().handle();
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 60; ++i) {
            const TLedgerQuery q = l.query();
            QList<FullRow> expected = plainRows(l.db.dm(), q);
            std::sort(expected.begin(), expected.end());
            for (const auto plan :
                 {std::optional<TLedgerQuery::Plan>(), std::optional(TLedgerQuery::Plan::Indexes),
                  std::optional(TLedgerQuery::Plan::Scan), std::optional(TLedgerQuery::Plan::TextIndex)}) {
                QList<FullRow> got = fullRows(q.open(db, plan));
                const bool dateOrder = std::is_sorted(got.begin(), got.end(), [](const FullRow& a, const FullRow& b) {
                    return std::get<0>(a) < std::get<0>(b);
                });
                std::sort(got.begin(), got.end());
                const QString where = QStringLiteral("round %1, plan %2:\n%3\n")
                                          .arg(round)
                                          .arg(plan ? int(*plan) : -1)
                                          .arg(q.statement());
                QVERIFY2(dateOrder, qPrintable(where));
                QVERIFY2(
                    got == expected,
                    qPrintable(where + QStringLiteral("%1 rows, expected %2").arg(got.size()).arg(expected.size())));
            }
        }
        l.change();
    }
}

void TestLedgerQuery::planFitsTheQuery()
{
    // 24,000 deposits of six holders over ten years; every tenth from "Market".
    TestDb db;
    QList<qint32> holders;
    for (int h = 0; h < 6; ++h)
        holders << db.addHolder(QStringLiteral("H%1").arg(h), h % 3);
    db.dm().execute(QStringLiteral("with recursive n(i) as (select 0 union all select i + 1 from n where i < 23999)"
                                   " insert into Detail (type, DestID, Date, \"From\", Amount)"
                                   " select 0, ?, strftime('%Y-%m-%d %H:%M:%S', '2015-01-01', (i * 131 % 3652) || ' "
                                   "days', (i % 86400) || ' seconds'),"
                                   " case when i % 10 = 0 then 'Market ' || i else 'Bakery' end, 10000 from n"),
                    {holders[0]});
    db.dm().execute(QStringLiteral("update Detail set DestID = ? + ID % 6"), {holders[0]});

    using P = TLedgerQuery::Plan;
    struct Case
    {
        const char* name;
        QDate first, last;
        bool holder;
        const char* text;
        P plan;
        const char* step; // a step of the engine's plan that reads so
    };
    const QDate start(2015, 1, 1), end(2024, 12, 31), month(2020, 6, 1);
    const Case cases[] = {
        {"one month, all holders", month, month.addDays(29), false, "", P::Indexes, "USING INDEX Detail_Date"},
        {"one month, a text", month, month.addDays(29), false, "market", P::Indexes, "USING INDEX Detail_Date"},
        {"one month, one holder", month, month.addDays(29), true, "", P::Indexes, "USING INDEX Detail_DestID_Date"},
        {"all years", start, end, false, "", P::Scan, "SCAN Detail"},
        {"all years, one holder", start, end, true, "", P::Scan, "SCAN Detail"},
        {"all years, a text", start, end, false, "market", P::TextIndex, "SCAN Detail_Text VIRTUAL TABLE"},
        {"all years, a text too short for the index", start, end, false, "ma", P::Scan, "SCAN Detail"},
    };
    for (const Case& c : cases) {
        TLedgerQuery q;
        q.addDayRange(c.first, c.last);
        if (c.holder)
            q.addHolder(holders[2]);
        q.addText(QString::fromLatin1(c.text));
        const TLedgerQuery::Planned planned = q.plan(db.dm().handle());
        QVERIFY2(planned.plan == c.plan, c.name);
        const QString steps = queryPlan(db.dm(), planned);
        QVERIFY2(steps.contains(QLatin1String(c.step)), qPrintable(QLatin1String(c.name) + u'\n' + steps));
        // The arms read their tables straight into the result, never through a copy of the union.
        QVERIFY2(!steps.contains(QStringLiteral("CO-ROUTINE")) && !steps.contains(QStringLiteral("MATERIALIZE")),
                 qPrintable(steps));
        if (c.plan == P::Scan)
            QVERIFY2(!steps.contains(QStringLiteral("USING INDEX")), qPrintable(steps));
    }
}

void TestLedgerQuery::checkRefusesABrokenStatementAtOnce()
{
    Ledger l;
    TLedgerQuery q;
    q.addText(QStringLiteral("it's 100%"));
    q.check(); // a quote and a percent sign are text, never a broken statement
    l.db.dm().execute(QStringLiteral("drop table Transfer"));
    QVERIFY_THROWS_EXCEPTION(DbError, q.check());
}

QTEST_GUILESS_MAIN(TestLedgerQuery)
#include "tst_ledgerquery.moc"
