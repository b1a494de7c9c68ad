#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "data/TDateText.h"
#include "data/TLedgerQuery.h"
#include "toolkit/TDBGridFooter.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TGridModel.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// No. (frozen, fixed 30), Date with "SUM", Amount with its sum (50 to 90 wide), and wide texts.
void fill(TDBGridView& grid, int rows)
{
    TGridOptions o;
    o.frozenColumns = 1;
    o.footerRows = 1;
    o.oddRowColor = TGridColor::rgb(214, 214, 250);
    TGridColumn no;
    no.title = QStringLiteral("No.");
    no.width = no.minWidth = no.maxWidth = 30;
    no.rowNumbers = true;
    no.titleButton = false;
    TGridColumn date;
    date.title = QStringLiteral("Date");
    date.field = QStringLiteral("Date1");
    date.footer = TGridColumn::Footer::Text;
    date.footerText = QStringLiteral("SUM");
    TGridColumn amount;
    amount.field = QStringLiteral("Amount");
    amount.width = 81;
    amount.minWidth = 50;
    amount.maxWidth = 90;
    amount.footer = TGridColumn::Footer::Sum;
    QList<TGridColumn> columns{no, date, amount};
    for (const char* field : {"From", "For", "Memo"}) {
        TGridColumn c;
        c.field = QString::fromLatin1(field);
        c.width = 300;
        columns << c;
    }
    grid.setGridLayout(o, columns);
    TRowSet set = TLedgerQuery::emptyRows();
    for (int i = 0; i < rows; ++i) {
        set.appendRow();
        set.setNumber(TLedgerQuery::Date1, QDate(2026, 3, 1 + i % 28).toJulianDay());
        set.setNumber(TLedgerQuery::Amount, money("1.25").raw() * (rows - i));
    }
    grid.setRows(std::move(set));
}

// The grid filled with `rows` rows, on view at `size`.
bool shown(TDBGridView& grid, int rows, QSize size = {600, 300})
{
    fill(grid, rows);
    grid.resize(size);
    grid.show();
    return QTest::qWaitForWindowExposed(&grid);
}

} // namespace

class TestGridView : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void wholeRowSelectionWithCtrlAndShift();
    void titleButtonsSortAndMark();
    void columnWidthsKeepTheirLimits();
    void footerRowUnderTheRows();
    void firstColumnStaysWhenScrollingSideways();
    void desktopColoursAreResolved();
    void dateColumnShowsEveryDate_data();
    void dateColumnShowsEveryDate();
    void footerIsReadByAssistiveTools();
    void tabLeavesAtTheEnds_data();
    void tabLeavesAtTheEnds();
};

void TestGridView::wholeRowSelectionWithCtrlAndShift()
{
    TDBGridView grid;
    QVERIFY(shown(grid, 8));
    QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    clickRow(&grid, 1);
    QCOMPARE(grid.selectedPositions(), QList<int>{1});
    QCOMPARE(grid.selectionModel()->selectedIndexes().size(), grid.model()->columnCount());
    clickRow(&grid, 3, Qt::ControlModifier);
    QList<int> selected = grid.selectedPositions();
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected, (QList<int>{1, 3}));
    // Shift extends from the row clicked last; rows picked with Ctrl before stay.
    clickRow(&grid, 5, Qt::ShiftModifier);
    selected = grid.selectedPositions();
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected, (QList<int>{1, 3, 4, 5}));
    clickRow(&grid, 2);
    QCOMPARE(grid.selectedPositions(), QList<int>{2});
    // The frozen column shares the selection.
    QVERIFY(grid.frozenView()->selectionModel() == grid.selectionModel());
}

void TestGridView::titleButtonsSortAndMark()
{
    TDBGridView grid;
    QVERIFY(shown(grid, 4));
    QSignalSpy clicked(&grid, &TDBGridView::titleButtonClicked);
    connect(&grid, &TDBGridView::titleButtonClicked, &grid, &TDBGridView::SortByColumn);
    QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
    QCOMPARE(grid.gridModel()->sortMarker(2), TGridModel::SortMarker::Up);
    QCOMPARE(grid.model()->data(grid.model()->index(0, 2)).toString(), QStringLiteral("1.25"));
    QCOMPARE(grid.model()->data(grid.model()->index(0, 0)).toString(), QStringLiteral("1"));
    // "No." is frozen and has no title button.
    QHeaderView* frozenHeader = grid.frozenView()->horizontalHeader();
    QTest::mouseClick(frozenHeader->viewport(), Qt::LeftButton, {}, QPoint(5, frozenHeader->height() / 2));
    QCOMPARE(clicked.size(), 1);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestGridView::columnWidthsKeepTheirLimits()
{
    TDBGridView grid;
    fill(grid, 2);
    QCOMPARE(grid.columnWidth(0), 30);
    QCOMPARE(grid.horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(grid.horizontalHeader()->sectionResizeMode(2), QHeaderView::Interactive);
    grid.horizontalHeader()->resizeSection(2, 200);
    QCOMPARE(grid.columnWidth(2), 90);
    grid.horizontalHeader()->resizeSection(2, 10);
    QCOMPARE(grid.columnWidth(2), 50);
    grid.horizontalHeader()->resizeSection(3, 120);
    QCOMPARE(grid.columnWidth(3), 120);
}

void TestGridView::footerRowUnderTheRows()
{
    TDBGridView grid;
    QVERIFY(shown(grid, 3));
    TDBGridFooter* footer = grid.footer();
    QVERIFY(footer->isVisible());
    QCOMPARE(footer->geometry().top(), grid.viewport()->geometry().bottom() + 1);
    QVERIFY(footer->geometry().bottom() < grid.height());
    QCOMPARE(footer->cellRect(2).x(), grid.horizontalHeader()->sectionViewportPosition(2));
    QCOMPARE(footer->cellRect(2).width(), 81);
    QCOMPARE(grid.gridModel()->footerText(1), QStringLiteral("SUM"));
    QCOMPARE(grid.gridModel()->footerText(2), QStringLiteral("7.5"));
}

void TestGridView::firstColumnStaysWhenScrollingSideways()
{
    TDBGridView grid;
    QVERIFY(shown(grid, 3, {400, 200}));
    QTableView* frozen = grid.frozenView();
    QVERIFY(frozen->isVisible());
    QCOMPARE(frozen->width(), 30);
    const QRect before = frozen->geometry();
    QVERIFY(grid.horizontalScrollBar()->maximum() > 100);
    grid.horizontalScrollBar()->setValue(100);
    QVERIFY(grid.horizontalHeader()->sectionViewportPosition(0) < 0);
    QCOMPARE(frozen->geometry(), before);
    QCOMPARE(frozen->geometry().left(), grid.viewport()->geometry().left());
    QVERIFY(!frozen->isColumnHidden(0));
    QVERIFY(frozen->isColumnHidden(1));
    // The footer's first cell stays with it; the others move.
    QCOMPARE(grid.footer()->cellRect(0).x(), 0);
    QCOMPARE(grid.footer()->cellRect(2).x(), grid.horizontalHeader()->sectionViewportPosition(2));
    // Scrolling down moves both.
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    QCOMPARE(frozen->verticalScrollBar()->value(), grid.verticalScrollBar()->value());
}

void TestGridView::desktopColoursAreResolved()
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Base, QColor(250, 250, 240));
    palette.setColor(QPalette::Text, QColor(10, 20, 30));
    palette.setColor(QPalette::Button, QColor(200, 201, 202));
    palette.setColor(QPalette::Highlight, QColor(50, 90, 170));
    QApplication::setPalette(palette);
    TDBGridView grid;
    fill(grid, 3);
    const TGridColor::System colors = TDBGridView::systemColors();
    QApplication::setPalette(saved);
    QCOMPARE(colors.window, qRgb(250, 250, 240));
    QCOMPARE(colors.windowText, qRgb(10, 20, 30));
    QCOMPARE(colors.buttonFace, qRgb(200, 201, 202));
    // The odd-row tint: a quarter of the selection colour over the window colour.
    QCOMPARE(colors.menuHighlight, qRgb(200, 210, 222));
    QCOMPARE(grid.gridModel()->systemColors().buttonFace, qRgb(200, 201, 202));
    QCOMPARE(grid.gridModel()->background(0, 1), qRgb(250, 250, 240));
    QCOMPARE(grid.gridModel()->background(1, 1), qRgb(214, 214, 250));
}

void TestGridView::dateColumnShowsEveryDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("grows"); // beyond the designed 64 pixels
    dataRow("C: 8 Dec 2026", "C", true);
    dataRow("en_US: 12/8/26", "en_US", false);
    dataRow("de_DE: 08.12.26", "de_DE", false);
}

void TestGridView::dateColumnShowsEveryDate()
{
    QFETCH(QString, locale);
    QFETCH(bool, grows);
    pinLocale(locale.toLatin1().constData());
    TDBGridView grid;
    fill(grid, 3);
    const int width = grid.columnWidth(1);
    QCOMPARE(width > 64, grows);
    QVERIFY(width >= 64);
    const QFontMetrics metrics(grid.gridModel()->font(1).toQFont());
    for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1)) {
        const QString text = TDateText::shortDate(d);
        QVERIFY2(metrics.horizontalAdvance(text) + 4 <= width, qPrintable(text));
    }
    // A width the user chose stays with the next result, narrower ones too.
    for (int chosen : {width + 40, 40}) {
        grid.horizontalHeader()->resizeSection(1, chosen);
        TRowSet again = grid.gridModel()->rows();
        grid.setRows(std::move(again));
        QCOMPARE(grid.columnWidth(1), chosen);
    }
}

void TestGridView::footerIsReadByAssistiveTools()
{
    TDBGridView grid;
    QVERIFY(shown(grid, 3));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    QVERIFY(table != nullptr);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Description), QStringLiteral("SUM, Amount: 7.5"));
    QCOMPARE(QAccessible::queryAccessibleInterface(grid.footer())->text(QAccessible::Name),
             QStringLiteral("SUM, Amount: 7.5"));
    // It follows a new result.
    fill(grid, 1);
    QCOMPARE(table->text(QAccessible::Description), QStringLiteral("SUM, Amount: 1.25"));
}

void TestGridView::tabLeavesAtTheEnds_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QPoint>("cell"); // column, row
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focus"); // "before", "after" or the cell "column,row"
    const int tab = Qt::Key_Tab;
    const int backtab = Qt::Key_Backtab;
    const int shift = Qt::ShiftModifier;
    const int ctrl = Qt::ControlModifier;
    // Two rows of six columns, the first of them frozen.
    dataRow("Tab to the next column", 2, QPoint(1, 0), tab, 0, "2,0");
    dataRow("Tab from the end of a row", 2, QPoint(5, 0), tab, 0, "0,1");
    dataRow("Tab on the last cell leaves", 2, QPoint(5, 1), tab, 0, "after");
    dataRow("Shift+Tab back to the row before", 2, QPoint(0, 1), backtab, shift, "5,0");
    dataRow("Shift+Tab into the frozen column", 2, QPoint(1, 1), backtab, shift, "0,1");
    dataRow("Shift+Tab on the first cell leaves", 2, QPoint(0, 0), backtab, shift, "before");
    dataRow("Ctrl+Tab leaves", 2, QPoint(2, 0), tab, ctrl, "after");
    dataRow("Ctrl+Shift+Tab leaves", 2, QPoint(2, 1), backtab, ctrl | shift, "before");
    dataRow("no rows: Tab leaves", 0, QPoint(-1, -1), tab, 0, "after");
}

void TestGridView::tabLeavesAtTheEnds()
{
    QFETCH(int, rows);
    QFETCH(QPoint, cell);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focus);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QWidget* before = new QLineEdit(&window);
    auto* grid = new TDBGridView(&window);
    for (QWidget* w : {before, static_cast<QWidget*>(grid), static_cast<QWidget*>(new QLineEdit(&window))})
        layout->addWidget(w);
    fill(*grid, rows);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(cell.y(), cell.x()));
    QTest::keyClick(grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const QModelIndex at = grid->currentIndex();
    QCOMPARE(window.focusWidget() == grid     ? QStringLiteral("%1,%2").arg(at.column()).arg(at.row())
             : window.focusWidget() == before ? QStringLiteral("before")
                                              : QStringLiteral("after"),
             focus);
}

QTEST_MAIN(TestGridView)
#include "tst_gridview.moc"
