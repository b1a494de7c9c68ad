#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "toolkit/TGridModel.h"

#include <QItemSelectionModel>
#include <QTest>

#include <stdexcept>

namespace {

using K = TRowSet::Kind;

struct Booking
{
    QDate date;
    const char* from; // nullptr: no value
    const char* amount;
};

TRowSet bookings(const QList<Booking>& list)
{
    TRowSet rows({{QStringLiteral("Date1"), K::Date},
                  {QStringLiteral("from"), K::Text},
                  {QStringLiteral("Amount"), K::Money},
                  {QStringLiteral("id"), K::Integer}});
    int id = 0;
    for (const Booking& b : list) {
        rows.appendRow();
        rows.setNumber(0, b.date.toJulianDay());
        if (b.from != nullptr)
            rows.setText(1, QByteArray(b.from));
        rows.setNumber(2, money(b.amount).raw());
        rows.setNumber(3, ++id);
    }
    return rows;
}

// No., Date, from, Amount, To (not in the result).
QList<TGridColumn> columns()
{
    TGridColumn no;
    no.title = QStringLiteral("No.");
    no.rowNumbers = true;
    no.titleButton = false;
    no.color = TGridColor::system(TGridColor::Kind::ButtonFace);
    TGridColumn date;
    date.title = QStringLiteral("Date");
    date.field = QStringLiteral("Date1");
    date.footer = TGridColumn::Footer::Text;
    date.footerText = QStringLiteral("SUM");
    TGridColumn from;
    from.field = QStringLiteral("From");
    TGridColumn amount;
    amount.field = QStringLiteral("Amount");
    amount.footer = TGridColumn::Footer::Sum;
    TGridColumn to;
    to.field = QStringLiteral("To");
    to.footer = TGridColumn::Footer::Count;
    return {no, date, from, amount, to};
}

TGridOptions options()
{
    TGridOptions o;
    o.name = QStringLiteral("dbgrdh1");
    o.footerRows = 1;
    o.oddRowColor = TGridColor::rgb(214, 214, 250);
    return o;
}

const QList<Booking> Sample = {
    {QDate(2026, 1, 2), "beta", "10"},
    {QDate(2025, 12, 31), "Alpha", "9.5"},
    {QDate(2026, 1, 10), nullptr, "-2"},
    {QDate(2026, 1, 2), "gamma", "100"},
};

QStringList column(const TGridModel& m, int c)
{
    return columnTexts(&m, c);
}

// The sample bookings in the list's layout.
struct SampleModel : TGridModel
{
    SampleModel()
    {
        setLayout(::options(), ::columns());
        setRows(bookings(Sample));
    }
};

} // namespace

class TestGridModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void titlesAndAlignment();
    void cellTexts_data();
    void cellTexts();
    void sortCycleOnRawValues_data();
    void sortCycleOnRawValues();
    void markersOfOtherColumnsStay();
    void columnsThatCannotSort();
    void newRowsReturnToStatementOrder();
    void selectionFollowsItsRows();
    void footers_data();
    void footers();
    void sumOverflowIsAnError();
    void emptyCellsSortFirstUpLastDown_data();
    void emptyCellsSortFirstUpLastDown();
    void sumOfWholeNumbers_data();
    void sumOfWholeNumbers();
    void colours();
    void sortRoleGivesRawValues();
};

void TestGridModel::titlesAndAlignment()
{
    SampleModel m;
    QStringList titles;
    for (int c = 0; c < m.columnCount(); ++c)
        titles << m.headerData(c, Qt::Horizontal).toString();
    // Own titles, the field's name as the result spells it, else the name bound to.
    QCOMPARE(titles, (QStringList{"No.", "Date", "from", "Amount", "To"}));
    QCOMPARE(m.field(2), 1);
    QCOMPARE(m.field(4), -1);
    QCOMPARE(m.alignment(1), Qt::AlignLeft);
    QCOMPARE(m.alignment(2), Qt::AlignLeft);
    QCOMPARE(m.alignment(3), Qt::AlignRight);
    QCOMPARE(m.footerAlignment(3), Qt::AlignRight);
    QList<TGridColumn> centred = columns();
    centred[0].alignment = Qt::AlignHCenter;
    centred[3].footerAlignment = Qt::AlignLeft;
    m.setLayout(options(), centred);
    QCOMPARE(m.alignment(0), Qt::AlignHCenter);
    QCOMPARE(m.footerAlignment(3), Qt::AlignLeft);
    QVERIFY(!(m.flags(m.index(0, 1)) & Qt::ItemIsEditable));
}

void TestGridModel::cellTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QStringList>("amounts");
    dataRow("en_US", "en_US", QStringList{"1/2/26", "12/31/25", "1/10/26", "1/2/26"},
            QStringList{"10", "9.5", "-2", "100"});
    dataRow("de_DE", "de_DE", QStringList{"02.01.26", "31.12.25", "10.01.26", "02.01.26"},
            QStringList{"10", "9,5", "-2", "100"});
}

void TestGridModel::cellTexts()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, dates);
    QFETCH(QStringList, amounts);
    pinLocale(locale.toLatin1().constData());
    SampleModel m;
    QCOMPARE(column(m, 0), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(column(m, 1), dates);
    QCOMPARE(column(m, 2), (QStringList{"beta", "Alpha", "", "gamma"}));
    QCOMPARE(column(m, 3), amounts);
    QCOMPARE(column(m, 4), (QStringList{"", "", "", ""}));
    // The exported text of the number column is empty: it has no field.
    QCOMPARE(m.cellText(0, 0), QString());
}

void TestGridModel::sortCycleOnRawValues_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("up"); // the texts of the column, ascending
    dataRow("money, not text", 3, QStringList{"-2", "9.5", "10", "100"});
    dataRow("dates, not text", 1, QStringList{"12/31/25", "1/2/26", "1/2/26", "1/10/26"});
    dataRow("text, any case, empty first", 2, QStringList{"", "Alpha", "beta", "gamma"});
}

void TestGridModel::sortCycleOnRawValues()
{
    QFETCH(int, column);
    QFETCH(QStringList, up);
    SampleModel m;
    const QStringList statement = ::column(m, column);

    QVERIFY(m.titleClick(column));
    QCOMPARE(m.sortMarker(column), TGridModel::SortMarker::Up);
    QCOMPARE(::column(m, column), up);
    QCOMPARE(::column(m, 0), (QStringList{"1", "2", "3", "4"}));

    QVERIFY(m.titleClick(column));
    QCOMPARE(m.sortMarker(column), TGridModel::SortMarker::Down);
    QStringList down = up;
    std::reverse(down.begin(), down.end());
    QCOMPARE(::column(m, column), down);
    QCOMPARE(::column(m, 0), (QStringList{"1", "2", "3", "4"}));

    QVERIFY(m.titleClick(column));
    QCOMPARE(m.sortMarker(column), TGridModel::SortMarker::None);
    QCOMPARE(::column(m, column), statement);
    QCOMPARE(m.sourceRow(0), 0);
}

void TestGridModel::markersOfOtherColumnsStay()
{
    SampleModel m;
    m.titleClick(3);
    m.titleClick(1);
    QCOMPARE(m.sortMarker(3), TGridModel::SortMarker::Up);
    QCOMPARE(m.sortMarker(1), TGridModel::SortMarker::Up);
    // The column clicked last orders the rows; rows of the same date keep the statement's order.
    QCOMPARE(column(m, 2), (QStringList{"Alpha", "beta", "gamma", ""}));
}

void TestGridModel::columnsThatCannotSort()
{
    SampleModel m;
    QVERIFY(!m.titleClick(0)); // no title button
    QVERIFY(!m.titleClick(4)); // its field is not in the result
    QVERIFY(!m.titleClick(7));
    QCOMPARE(m.sortMarker(0), TGridModel::SortMarker::None);
    QCOMPARE(m.sortMarker(4), TGridModel::SortMarker::None);
    QCOMPARE(column(m, 3), (QStringList{"10", "9.5", "-2", "100"}));
}

void TestGridModel::newRowsReturnToStatementOrder()
{
    SampleModel m;
    m.titleClick(3);
    m.setRows(bookings(Sample));
    QCOMPARE(m.sortMarker(3), TGridModel::SortMarker::None);
    QCOMPARE(column(m, 3), (QStringList{"10", "9.5", "-2", "100"}));
}

void TestGridModel::selectionFollowsItsRows()
{
    SampleModel m;
    QItemSelectionModel selection(&m);
    selection.select(m.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows); // 10
    selection.select(m.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows); // -2
    m.titleClick(3);
    QStringList selected;
    for (const QModelIndex& i : selection.selectedRows(3))
        selected << i.data().toString();
    selected.sort();
    QCOMPARE(selected, (QStringList{"-2", "10"}));
}

void TestGridModel::footers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("exact");
    dataRow("deposit 10 and debit 4", "en_US", QStringList{"10", "4"}, -1, "14", "14");
    dataRow("tenths, exact", "en_US", QStringList{"0.1", "0.1", "0.1"}, -1, "0.3", "0.3");
    dataRow("four decimals", "en_US", QStringList{"0.0001", "1.0002"}, -1, "1.0003", "1.0003");
    dataRow("0.## format", "en_US", QStringList{"0.1251", "0"}, 2, "0.13", "0.1251");
    dataRow("0.## whole", "en_US", QStringList{"7.001", "-3.002"}, 2, "4", "3.999");
    dataRow("de_DE", "de_DE", QStringList{"10.25", "4"}, 2, "14,25", "14.25");
    dataRow("empty list", "en_US", QStringList{}, 2, "0", "0");
}

void TestGridModel::footers()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, amounts);
    QFETCH(int, decimals);
    QFETCH(QString, sum);
    QFETCH(QString, exact);
    pinLocale(locale.toLatin1().constData());
    QList<Booking> list;
    QList<QByteArray> keep;
    for (const QString& a : amounts) {
        keep << a.toLatin1();
        list << Booking{QDate(2026, 1, 1), "x", keep.last().constData()};
    }
    QList<TGridColumn> cols = columns();
    cols[3].footerDecimals = decimals;
    TGridModel m;
    m.setLayout(options(), cols);
    m.setRows(bookings(list));
    QCOMPARE(m.footerText(0), QString());
    QCOMPARE(m.footerText(1), QStringLiteral("SUM"));
    QCOMPARE(m.footerText(3), sum);
    QCOMPARE(m.footerValue(3).sum, money(exact.toLatin1().constData()));
    QCOMPARE(m.footerText(4), QString::number(amounts.size()));
    QCOMPARE(m.footerValue(4).kind, TGridColumn::Footer::Count);
}

void TestGridModel::sumOverflowIsAnError()
{
    TRowSet rows({{QStringLiteral("Amount"), K::Money}});
    for (int i = 0; i < 2; ++i) {
        rows.appendRow();
        rows.setNumber(0, Currency::max().raw());
    }
    TGridModel m;
    m.setLayout(options(), columns());
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, m.setRows(std::move(rows)));
    QCOMPARE(m.rowCount(), 0);
}

void TestGridModel::emptyCellsSortFirstUpLastDown_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<qint64>>("values"); // raw values in the statement's order; the third is empty
    QTest::addColumn<QStringList>("up");       // the texts, ascending
    const qint64 day = QDate(2026, 1, 2).toJulianDay();
    dataRow("date", int(K::Date), QList<qint64>{day, day - 2, 0, day + 8},
            QStringList{"", "12/31/25", "1/2/26", "1/10/26"});
    dataRow("money", int(K::Money), QList<qint64>{95000, -20000, 0, 100000}, QStringList{"", "-2", "9.5", "10"});
}

void TestGridModel::emptyCellsSortFirstUpLastDown()
{
    QFETCH(int, kind);
    QFETCH(QList<qint64>, values);
    QFETCH(QStringList, up);
    TRowSet rows({{QStringLiteral("value"), K(kind)}});
    for (int r = 0; r < values.size(); ++r) {
        rows.appendRow();
        if (r != 2)
            rows.setNumber(0, values[r]);
    }
    TGridColumn c;
    c.field = QStringLiteral("value");
    TGridModel m;
    m.setLayout(options(), {c});
    m.setRows(std::move(rows));
    m.titleClick(0);
    QCOMPARE(column(m, 0), up);
    m.titleClick(0);
    std::reverse(up.begin(), up.end());
    QCOMPARE(column(m, 0), up);
}

void TestGridModel::sumOfWholeNumbers_data()
{
    QTest::addColumn<int>("decimals");
    dataRow("as the field writes", -1);
    dataRow("0.##", 2);
}

void TestGridModel::sumOfWholeNumbers()
{
    QFETCH(int, decimals);
    TRowSet rows({{QStringLiteral("count"), K::Integer}});
    for (qint64 v : {1, 2, 3, 4}) {
        rows.appendRow();
        rows.setNumber(0, v);
    }
    TGridColumn c;
    c.field = QStringLiteral("count");
    c.footer = TGridColumn::Footer::Sum;
    c.footerDecimals = decimals;
    TGridModel m;
    m.setLayout(options(), {c});
    m.setRows(std::move(rows));
    QCOMPARE(m.footerText(0), QStringLiteral("10"));
    QCOMPARE(m.footerValue(0).sum, Currency::fromUnits(10));
}

void TestGridModel::colours()
{
    SampleModel m;
    TGridColor::System system;
    system.window = qRgb(1, 2, 3);
    system.buttonFace = qRgb(4, 5, 6);
    m.setSystemColors(system);
    // The first row in the grid's colour, the second in the odd-row colour; a column's own colour wins.
    QCOMPARE(m.background(0, 1), qRgb(1, 2, 3));
    QCOMPARE(m.background(1, 1), qRgb(214, 214, 250));
    QCOMPARE(m.background(2, 1), qRgb(1, 2, 3));
    QCOMPARE(m.background(1, 0), qRgb(4, 5, 6));
    QCOMPARE(TGridColor::hex(TGridColor::rgb(205, 206, 231).resolve(system)), QStringLiteral("CDCEE7"));
    QCOMPARE(TGridColor::hex(TGridColor().resolve(system)), QStringLiteral("000000"));
}

void TestGridModel::sortRoleGivesRawValues()
{
    SampleModel m;
    QCOMPARE(m.data(m.index(1, 3), TGridModel::SortRole).toLongLong(), money("9.5").raw());
    QCOMPARE(m.data(m.index(1, 1), TGridModel::SortRole).toDate(), QDate(2025, 12, 31));
    QCOMPARE(m.data(m.index(1, 2), TGridModel::SortRole).toString(), QStringLiteral("Alpha"));
    QVERIFY(!m.data(m.index(2, 2), TGridModel::SortRole).isValid());
    QVERIFY(!m.data(m.index(0, 4), TGridModel::SortRole).isValid());
}

QTEST_GUILESS_MAIN(TestGridModel)
#include "tst_gridmodel.moc"
