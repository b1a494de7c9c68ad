#include "BookingTestHelpers.h"
#include "TestDb.h"

#include "data/TLedgerQuery.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TGridPrinter.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// `rows` rows named "Row<n>" with amounts 1..rows, and `wide` extra text columns of 300 pixels.
void fill(TGridModel& model, int rows, int wide = 0)
{
    TGridOptions o;
    o.footerRows = 1;
    TGridColumn no;
    no.title = QStringLiteral("No.");
    no.width = 30;
    no.rowNumbers = true;
    TGridColumn from;
    from.title = QStringLiteral("Payer");
    from.field = QStringLiteral("from");
    from.width = 120;
    from.footer = TGridColumn::Footer::Text;
    from.footerText = QStringLiteral("SUM");
    TGridColumn amount;
    amount.field = QStringLiteral("Amount");
    amount.footer = TGridColumn::Footer::Sum;
    QList<TGridColumn> columns{no, from, amount};
    for (int i = 0; i < wide; ++i) {
        TGridColumn c;
        c.title = QStringLiteral("Wide%1").arg(i);
        c.width = 300;
        columns << c;
    }
    model.setLayout(o, columns);
    TRowSet set = TLedgerQuery::emptyRows();
    for (int i = 1; i <= rows; ++i) {
        set.appendRow();
        set.setText(TLedgerQuery::From, QStringLiteral("Row%1").arg(i).toUtf8());
        set.setNumber(TLedgerQuery::Amount, Currency::fromUnits(i).raw());
    }
    model.setRows(std::move(set));
}

} // namespace

class TestGridPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void pageCount_data();
    void pageCount();
    void everyRowOnceWithTitlesOnEveryPage_data();
    void everyRowOnceWithTitlesOnEveryPage();
    void wideGridIsScaledToThePage();

private:
    QTemporaryDir m_dir;
};

void TestGridPrinter::pageCount_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("footers");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty list: titles and footer") << 0 << 10 << 1 << 1;
    QTest::newRow("room left for the footer") << 9 << 10 << 1 << 1;
    QTest::newRow("last page full: the footer on a page of its own") << 10 << 10 << 1 << 2;
    QTest::newRow("one row over") << 11 << 10 << 1 << 2;
    QTest::newRow("two full pages, no footer") << 20 << 10 << 0 << 2;
    QTest::newRow("one row a page") << 3 << 1 << 1 << 4;
}

void TestGridPrinter::pageCount()
{
    QFETCH(int, rows);
    QFETCH(int, perPage);
    QFETCH(int, footers);
    QFETCH(int, pages);
    QCOMPARE(TGridPrinter::pageCount(rows, perPage, footers), pages);
}

void TestGridPrinter::everyRowOnceWithTitlesOnEveryPage_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("none") << 0;
    QTest::newRow("one page") << 5;
    QTest::newRow("several pages") << 150;
}

void TestGridPrinter::everyRowOnceWithTitlesOnEveryPage()
{
    QFETCH(int, rows);
    TGridModel model;
    fill(model, rows);
    const QString path = m_dir.filePath(QStringLiteral("grid.pdf"));
    int printed = 0;
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        TGridPrinter printer(model);
        printer.setTitle(QStringLiteral("Bookings of March"));
        printed = printer.print(pdf);
    }
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), printed);
    QCOMPARE(pages.size() > 1, rows > 100);
    int next = 1;
    for (int p = 0; p < pages.size(); ++p) {
        const QString& page = pages[p];
        QCOMPARE(page.count(u"Bookings of March"), 1);
        QCOMPARE(page.count(u"Payer"), 1);
        QCOMPARE(page.count(u"Amount"), 1);
        QVERIFY(page.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
        QCOMPARE(page.contains(u"SUM"), p == pages.size() - 1);
        // The rows in their order, each once, with its number.
        const QStringList lines = page.split(u'\n');
        for (const QString& line : lines) {
            const QStringList words = line.simplified().split(u' ');
            if (words.size() >= 3 && words[1].startsWith(u"Row")) {
                QCOMPARE(words[0], QString::number(next));
                QCOMPARE(words[1], QStringLiteral("Row%1").arg(next));
                QCOMPARE(words[2], QString::number(next));
                ++next;
            }
        }
    }
    QCOMPARE(next, rows + 1);
    QVERIFY(pages.last().simplified().contains(QStringLiteral("SUM %1").arg(rows * (rows + 1) / 2)));
}

void TestGridPrinter::wideGridIsScaledToThePage()
{
    TGridModel model;
    fill(model, 3, 8);
    const QString path = m_dir.filePath(QStringLiteral("wide.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QCOMPARE(TGridPrinter(model).print(pdf), 1);
    }
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    // The last column is on the page, not cut off.
    QVERIFY2(pages[0].contains(u"Wide7"), qPrintable(pages[0]));
}

QTEST_MAIN(TestGridPrinter)
#include "tst_gridprinter.moc"
