#include "BookingTestHelpers.h"
#include "TestDb.h"

#include "data/TLedgerQuery.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TGridPrinter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
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

// `columns` text columns titled "Column<n>", each row's text in each "<text> <row>.<column>".
void fillTexts(TGridModel& model, int rows, int columns, const QString& text)
{
    QList<TRowSet::Column> fields;
    QList<TGridColumn> layout;
    for (int c = 0; c < columns; ++c) {
        fields.append({QStringLiteral("t%1").arg(c), TRowSet::Kind::Text});
        TGridColumn column;
        column.title = QStringLiteral("Column%1").arg(c);
        column.field = fields.last().name;
        column.width = 40; // narrower on screen than its texts
        layout << column;
    }
    TRowSet set(fields);
    for (int r = 1; r <= rows; ++r) {
        set.appendRow();
        for (int c = 0; c < columns; ++c)
            set.setText(c, QStringLiteral("%1 %2.%3").arg(text).arg(r).arg(c).toUtf8());
    }
    model.setLayout(TGridOptions(), layout);
    model.setRows(std::move(set));
}

// Whether the first page of a PDF is wider than high, as pdfinfo reads its size.
bool landscapePdf(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdfinfo"), {path});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        qFatal("pdfinfo could not read %s", qPrintable(path));
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size:\\s*([\\d.]+) x ([\\d.]+)"))
                                             .match(QString::fromUtf8(tool.readAllStandardOutput()));
    if (!size.hasMatch())
        qFatal("pdfinfo gave no page size for %s", qPrintable(path));
    return size.captured(1).toDouble() > size.captured(2).toDouble();
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
    void fitColumns_data();
    void fitColumns();
    void columnsFitThePaper_data();
    void columnsFitThePaper();

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
    QTest::addColumn<bool>("picture"); // a picture above the table on the first page
    QTest::newRow("none") << 0 << false;
    QTest::newRow("one page") << 5 << false;
    QTest::newRow("several pages") << 150 << false;
    QTest::newRow("one page under a picture") << 5 << true;
    QTest::newRow("several pages, a picture first") << 150 << true;
}

void TestGridPrinter::everyRowOnceWithTitlesOnEveryPage()
{
    QFETCH(int, rows);
    QFETCH(bool, picture);
    TGridModel model;
    fill(model, rows);
    const QString path = m_dir.filePath(QStringLiteral("grid.pdf"));
    QRect pictureRect;
    int printed = 0;
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        TGridPrinter printer(model);
        printer.setTitle(QStringLiteral("Bookings of March"));
        printer.setDetails({QStringLiteral("Acc/Wal: J\u00fcrgen M\u00fcller"), QStringLiteral("Period: Today")});
        printer.setPrintedAt(QDateTime(QDate(2026, 3, 15), QTime(14, 5)));
        if (picture) {
            printer.setPicture([&pictureRect](QPainter& painter, const QRect& rect) {
                pictureRect = rect;
                painter.drawText(rect, Qt::AlignCenter, QStringLiteral("PICTURE"));
            });
        }
        printed = printer.print(pdf);
    }
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), printed);
    QCOMPARE(pages.size() > 1, rows > 100);
    int next = 1;
    for (int p = 0; p < pages.size(); ++p) {
        const QString& page = pages[p];
        QCOMPARE(page.count(u"Bookings of March"), 1);
        // The header: the title and the moment of printing, below them what the list shows.
        const QStringList header = page.split(u'\n', Qt::SkipEmptyParts).mid(0, 2);
        QVERIFY2(header[0].contains(u"Printed: 3/15/26 2:05"), qPrintable(page));
        QVERIFY2(header[1].contains(u"Acc/Wal: J\u00fcrgen M\u00fcller") && header[1].contains(u"Period: Today"),
                 qPrintable(page));
        QCOMPARE(page.count(u"Payer"), 1);
        // The picture on the first page alone, above the column titles.
        QCOMPARE(page.count(u"PICTURE"), picture && p == 0 ? 1 : 0);
        QVERIFY(page.indexOf(u"PICTURE") < page.indexOf(u"Payer"));
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
    // Half the room for rows, in the device's pixels (a 1200 dpi PDF page is thousands wide).
    QCOMPARE(pictureRect.isValid(), picture);
    QVERIFY(!picture || (pictureRect.width() > 5000 && pictureRect.height() > 3000));
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

void TestGridPrinter::fitColumns_data()
{
    QTest::addColumn<QList<qreal>>("natural");
    QTest::addColumn<QList<qreal>>("least");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<QList<qreal>>("widths");
    QTest::addColumn<qreal>("scale");
    using L = QList<qreal>;
    QTest::newRow("room to spare: each grows by its share") << L{100, 50} << L{40, 20} << 300.0 << L{200, 100} << 1.0;
    QTest::newRow("exactly the page") << L{100, 50} << L{40, 20} << 150.0 << L{100, 50} << 1.0;
    QTest::newRow("titles whole, the rest shared by what each lacks")
        << L{100, 50} << L{40, 20} << 120.0 << L{80, 40} << 1.0;
    QTest::newRow("just the titles") << L{100, 50} << L{40, 20} << 60.0 << L{40, 20} << 1.0;
    QTest::newRow("titles wider than the page: drawn smaller") << L{100, 50} << L{80, 40} << 60.0 << L{80, 40} << 0.5;
    QTest::newRow("columns that need only their titles") << L{40, 20} << L{40, 20} << 30.0 << L{40, 20} << 0.5;
    QTest::newRow("no columns") << L{} << L{} << 100.0 << L{} << 1.0;
}

void TestGridPrinter::fitColumns()
{
    QFETCH(QList<qreal>, natural);
    QFETCH(QList<qreal>, least);
    QFETCH(qreal, width);
    QFETCH(QList<qreal>, widths);
    QFETCH(qreal, scale);
    const TGridPrinter::Fit fit = TGridPrinter::fitColumns(natural, least, width);
    QCOMPARE(fit.widths, widths);
    QCOMPARE(fit.scale, scale);
}

void TestGridPrinter::columnsFitThePaper_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("cut"); // texts end in "…"
    QTest::newRow("texts wider than on screen, narrower than the page")
        << 3 << QStringLiteral("J\u00fcrgen M\u00fcller-L\u00fcdenscheidt") << false << false;
    QTest::newRow("wider than a portrait page: landscape")
        << 5 << QStringLiteral("Stra\u00dfe des 17. Juni, Berlin") << true << false;
    QTest::newRow("wider than a landscape page: the texts cut")
        << 9 << QStringLiteral("Stra\u00dfe des 17. Juni, Berlin-Charlottenburg") << true << true;
    QTest::newRow("many columns of short texts: the titles drawn smaller")
        << 30 << QStringLiteral("x") << true << false;
}

void TestGridPrinter::columnsFitThePaper()
{
    QFETCH(int, columns);
    QFETCH(QString, text);
    QFETCH(bool, landscape);
    QFETCH(bool, cut);
    TGridModel model;
    fillTexts(model, 3, columns, text);
    const QString path = m_dir.filePath(QStringLiteral("fit.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        TGridPrinter printer(model);
        QCOMPARE(printer.orientationFor(pdf.pageLayout()) == QPageLayout::Landscape, landscape);
        printer.fitOrientation(pdf);
        QCOMPARE(printer.print(pdf), 1);
    }
    QCOMPARE(landscapePdf(path), landscape);
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    const QString& page = pages[0];
    QCOMPARE(page.contains(u'\u2026'), cut);
    // Every title whole, and, when nothing is cut, every text.
    for (int c = 0; c < columns; ++c) {
        QVERIFY2(page.contains(QStringLiteral("Column%1").arg(c)), qPrintable(page));
        for (int r = 1; r <= 3 && !cut; ++r)
            QVERIFY2(page.contains(QStringLiteral("%1 %2.%3").arg(text).arg(r).arg(c)), qPrintable(page));
    }
}

QTEST_MAIN(TestGridPrinter)
#include "tst_gridprinter.moc"
