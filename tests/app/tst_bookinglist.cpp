#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "app/TBookingList.h"
#include "app/TFrmMain.h"
#include "app/THolderEvent.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QDateTime at(int y, int m, int d, int h = 12, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, mi, s));
}

const QDateTime Now = at(2026, 3, 15, 14, 30);

// Bookings of the holder "Bank" around Sunday 15 March 2026, each named by its `from` text.
struct Books
{
    TestDb db;
    qint32 bank;
    qint32 purse;
    qint32 empty;

    Books()
    {
        bank = db.addHolder(QStringLiteral("Bank"), 0, money("25"));
        purse = db.addHolder(QStringLiteral("Purse"), 2, money("175"));
        empty = db.addHolder(QStringLiteral("Empty"), 2);
        auto detail = [&](int type, const QDateTime& when, const char* amount, const char* from) {
            db.addDetail(type, bank, when, money(amount), QString::fromLatin1(from));
        };
        detail(0, at(2026, 2, 28), "7", "LastMonth");
        detail(0, at(2026, 3, 1, 0, 0, 0), "10", "Employer");
        detail(0, at(2026, 3, 7, 23, 59, 59), "0.5", "Sat7");
        detail(0, at(2026, 3, 8, 0, 0, 0), "3", "Sun8");
        detail(1, at(2026, 3, 11, 23, 59, 59), "4", "Grocer");
        detail(1, at(2026, 3, 12, 0, 0, 0), "2.5", "Bakery");
        db.addTransfer(purse, bank, at(2026, 3, 13), money("6"), QStringLiteral("In13"));
        db.addTransfer(bank, purse, at(2026, 3, 14), money("20"), QStringLiteral("Out14"));
        detail(0, at(2026, 3, 15, 23, 59, 0), "1", "Late");
        detail(1, at(2026, 3, 16, 0, 0, 0), "100", "Midnight");
        detail(1, at(2026, 3, 16, 0, 1, 0), "200", "Tomorrow");
    }
};

QStringList texts(TDBGridView* grid, int column)
{
    return columnTexts(grid->model(), column);
}

// The one row of the summary grid.
QStringList summaryRow(const TFrmMain& w)
{
    QStringList row;
    for (int c = 0; c < 6; ++c)
        row << texts(child<TDBGridView>(w, QStringLiteral("dbgrdhTotal")), c).value(0);
    return row;
}

void settle(QWidget* window)
{
    QVERIFY(waitForBookingList(window));
}

void select(TFrmMain& w, qint32 id, bool wallet = false)
{
    THolderEvent e(THolderEvent::WM_HOLDERSELECT, id, wallet ? 1 : 0);
    QCoreApplication::sendEvent(&w, &e);
    settle(&w);
}

void choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
    settle(box->window());
}

void setPicker(QDateTimeEdit* picker, const QDateTime& when)
{
    picker->setDateTime(when);
    settle(picker->window());
}

void clickTitle(TDBGridView* grid, int column)
{
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
}

} // namespace

class TestBookingList : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(Now); }
    void startState();
    void filtersBeforeAnySelectionLeaveTheListEmpty();
    void pressingATileListsItsMonth();
    void kindFilter_data();
    void kindFilter();
    void quickPeriods_data();
    void quickPeriods();
    void endPickerCoversTheWholeLastDay();
    void kindAndPeriodCombine();
    void sortCycleKeepsRowNumbers();
    void summary_data();
    void summary();
    void summaryWithAllBalancesZero();
    void missingHolder();
    void summaryColumnsShareTheWidth();
    void exportWritesTheList_data();
    void exportWritesTheList();
    void failedListIsReported();
    void aListOnItsWayIsReplaced_data();
    void aListOnItsWayIsReplaced();
};

void TestBookingList::startState()
{
    Books b;
    TFrmMain w;
    QCOMPARE(child<QLabel>(w, "lblDataRange")->text(), QStringLiteral("Data Range"));
    QCOMPARE(child<QLabel>(w, "lblTo")->text(), QStringLiteral("to"));
    QCOMPARE(child<QDateTimeEdit>(w, "dtpRange1")->dateTime(), at(2026, 3, 1, 0, 0, 0));
    QCOMPARE(child<QDateTimeEdit>(w, "dtpRange2")->dateTime(), Now);
    auto* type = child<QComboBox>(w, "cbbType");
    QCOMPARE(comboTexts(type), (QStringList{"-----All-----", "Deposit", "Debit", "Trans in", "Trans out"}));
    QCOMPARE(type->currentIndex(), 0);
    auto* period = child<QComboBox>(w, "cbbDate");
    QCOMPARE(comboTexts(period),
             (QStringList{"-----None-----", "  Today", "  Last 3 days", "  Last 7 days", "  This Month"}));
    QCOMPARE(period->currentIndex(), 0);
    auto* exportButton = child<QPushButton>(w, "btnExport");
    QCOMPARE(exportButton->text(), QStringLiteral("&Export"));
    QCOMPARE(exportButton->toolTip(), QStringLiteral("Export data with xls, txt or htm format"));
    QVERIFY(exportButton->isFlat());
    QVERIFY(exportButton->parent() == child<QWidget>(w, "pnl3"));

    auto* list = child<TDBGridView>(w, "dbgrdh1");
    QCOMPARE(list->model()->rowCount(), 0);
    QCOMPARE(headerTexts(list->model()),
             (QStringList{"No.", "Date", "TypeName", "name", "Amount", "from", "for", "memo"}));
    QList<int> widths;
    for (int c = 0; c < 8; ++c)
        widths << list->columnWidth(c);
    QCOMPARE(widths, (QList<int>{30, 64, 75, 73, 81, 91, 119, 100}));
    QCOMPARE(list->gridModel()->footerText(1), QStringLiteral("SUM"));
    QCOMPARE(list->gridModel()->footerText(4), QStringLiteral("0"));
    QCOMPARE(list->gridModel()->options().footerColor.resolve({}), qRgb(205, 206, 231));
    QCOMPARE(list->gridModel()->options().frozenColumns, 1);

    auto* summary = child<TDBGridView>(w, "dbgrdhTotal");
    QVERIFY(summary->parent() == child<QWidget>(w, "pnlTop"));
    QCOMPARE(summary->model()->rowCount(), 0);
    QCOMPARE(headerTexts(summary->model()), (QStringList{"Acc/Wal name", "Balance Percent(%)", "Deposit of This Month",
                                                         "Debit of This Month", "Today's Deposit", "Today's Debit"}));
    QCOMPARE(summary->gridModel()->options().color.resolve({}), qRgb(201, 205, 218));
    QCOMPARE(summary->gridModel()->options().font.color.resolve({}), qRgb(0, 0, 255));
}

void TestBookingList::filtersBeforeAnySelectionLeaveTheListEmpty()
{
    Books b;
    TFrmMain w;
    choose(child<QComboBox>(w, "cbbType"), 2);
    choose(child<QComboBox>(w, "cbbDate"), 4);
    setPicker(child<QDateTimeEdit>(w, "dtpRange1"), at(2020, 1, 1));
    QCOMPARE(child<TDBGridView>(w, "dbgrdh1")->model()->rowCount(), 0);
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestBookingList::pressingATileListsItsMonth()
{
    Books b;
    TFrmMain w;
    select(w, b.bank);
    QCOMPARE(w.currentHolderId(), b.bank);
    auto* list = child<TDBGridView>(w, "dbgrdh1");
    // From the first of the month to the end of today, oldest first.
    QCOMPARE(texts(list, 5), (QStringList{"Employer", "Sat7", "Sun8", "Grocer", "Bakery", "In13", "Out14", "Late"}));
    QCOMPARE(texts(list, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    QCOMPARE(texts(list, 1).first(), QStringLiteral("3/1/26"));
    QCOMPARE(texts(list, 2),
             (QStringList{"Deposit", "Deposit", "Deposit", "Debit", "Debit", "Trans In", "Trans Out", "Deposit"}));
    QCOMPARE(texts(list, 3), QStringList(8, QStringLiteral("Bank")));
    QCOMPARE(texts(list, 4), (QStringList{"10", "0.5", "3", "4", "2.5", "6", "20", "1"}));
    QCOMPARE(list->gridModel()->footerText(4), QStringLiteral("47"));
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdhTotal"), 0), QStringList{QStringLiteral("Bank")});
    QCOMPARE(child<QLabel>(w, "statusTotals")->text(),
             QStringLiteral("Total: $200.00  Account: $25.00  Wallet: $175.00"));
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestBookingList::kindFilter_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("type");
    dataRow("Deposit", 1, QStringList{"Employer", "Sat7", "Sun8", "Late"}, "Deposit");
    dataRow("Debit", 2, QStringList{"Grocer", "Bakery"}, "Debit");
    dataRow("Trans in", 3, QStringList{"In13"}, "Trans In");
    dataRow("Trans out", 4, QStringList{"Out14"}, "Trans Out");
}

void TestBookingList::kindFilter()
{
    QFETCH(int, entry);
    QFETCH(QStringList, rows);
    QFETCH(QString, type);
    Books b;
    TFrmMain w;
    select(w, b.bank);
    choose(child<QComboBox>(w, "cbbType"), entry);
    auto* list = child<TDBGridView>(w, "dbgrdh1");
    QCOMPARE(texts(list, 5), rows);
    QCOMPARE(texts(list, 2), QStringList(rows.size(), type));
    choose(child<QComboBox>(w, "cbbType"), 0);
    QCOMPARE(list->model()->rowCount(), 8);
}

void TestBookingList::quickPeriods_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QStringList>("rows");
    dataRow("Today", 1, Now, QStringList{"Late"});
    dataRow("Last 3 days: four calendar days", 2, at(2026, 3, 12, 0, 0, 0),
            QStringList{"Bakery", "In13", "Out14", "Late"});
    dataRow("Last 7 days", 3, at(2026, 3, 8, 0, 0, 0),
            QStringList{"Sun8", "Grocer", "Bakery", "In13", "Out14", "Late"});
    dataRow("This Month", 4, at(2026, 3, 1, 0, 0, 0),
            QStringList{"Employer", "Sat7", "Sun8", "Grocer", "Bakery", "In13", "Out14", "Late"});
}

void TestBookingList::quickPeriods()
{
    QFETCH(int, entry);
    QFETCH(QDateTime, start);
    QFETCH(QStringList, rows);
    Books b;
    TFrmMain w;
    select(w, b.bank);
    auto* first = child<QDateTimeEdit>(w, "dtpRange1");
    auto* last = child<QDateTimeEdit>(w, "dtpRange2");
    setPicker(first, at(2026, 1, 1));
    setPicker(last, at(2026, 1, 2));
    QCOMPARE(child<TDBGridView>(w, "dbgrdh1")->model()->rowCount(), 0);
    choose(child<QComboBox>(w, "cbbDate"), entry);
    QCOMPARE(first->dateTime(), start);
    QCOMPARE(last->dateTime(), Now);
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdh1"), 5), rows);
    // "-----None-----" keeps the pickers and lists again.
    choose(child<QComboBox>(w, "cbbDate"), 0);
    QCOMPARE(first->dateTime(), start);
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdh1"), 5), rows);
}

void TestBookingList::endPickerCoversTheWholeLastDay()
{
    Books b;
    TFrmMain w;
    select(w, b.bank);
    auto* last = child<QDateTimeEdit>(w, "dtpRange2");
    auto* list = child<TDBGridView>(w, "dbgrdh1");
    // Today 23:59 is listed; midnight after today and one minute later are not.
    setPicker(last, at(2026, 3, 15, 0, 0, 0));
    QCOMPARE(texts(list, 5).last(), QStringLiteral("Late"));
    setPicker(last, at(2026, 3, 16, 8));
    QCOMPARE(texts(list, 5).mid(8), (QStringList{"Midnight", "Tomorrow"}));
    setPicker(child<QDateTimeEdit>(w, "dtpRange1"), at(2026, 3, 16, 9));
    QCOMPARE(texts(list, 5), (QStringList{"Midnight", "Tomorrow"}));
}

void TestBookingList::kindAndPeriodCombine()
{
    Books b;
    TFrmMain w;
    select(w, b.bank);
    choose(child<QComboBox>(w, "cbbType"), 2);
    choose(child<QComboBox>(w, "cbbDate"), 4);
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdh1"), 5), (QStringList{"Grocer", "Bakery"}));
    choose(child<QComboBox>(w, "cbbDate"), 2);
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdh1"), 5), QStringList{"Bakery"});
    QCOMPARE(child<TDBGridView>(w, "dbgrdh1")->gridModel()->footerText(4), QStringLiteral("2.5"));
}

void TestBookingList::sortCycleKeepsRowNumbers()
{
    Books b;
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    select(w, b.bank);
    auto* list = child<TDBGridView>(w, "dbgrdh1");
    const QStringList dateOrder = texts(list, 4);
    const QStringList numbers{"1", "2", "3", "4", "5", "6", "7", "8"};

    clickTitle(list, 4);
    QCOMPARE(texts(list, 4), (QStringList{"0.5", "1", "2.5", "3", "4", "6", "10", "20"}));
    QCOMPARE(texts(list, 0), numbers);
    QCOMPARE(list->gridModel()->sortMarker(4), TGridModel::SortMarker::Up);
    clickTitle(list, 4);
    QCOMPARE(texts(list, 4), (QStringList{"20", "10", "6", "4", "3", "2.5", "1", "0.5"}));
    QCOMPARE(texts(list, 0), numbers);
    clickTitle(list, 4);
    QCOMPARE(texts(list, 4), dateOrder);
    QCOMPARE(texts(list, 0), numbers);
    QCOMPARE(list->gridModel()->sortMarker(4), TGridModel::SortMarker::None);
    // "No." has no title button; a new list returns to date order.
    clickTitle(list, 0);
    QCOMPARE(texts(list, 4), dateOrder);
    clickTitle(list, 4);
    select(w, b.bank);
    QCOMPARE(texts(list, 4), dateOrder);
}

void TestBookingList::summary_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("emptyHolder");
    QTest::addColumn<QStringList>("row");
    dataRow("12.50%", "en_US", false, QStringList{"Bank", "12.50%", "$14.50", "$6.50", "$1.00", "$0.00"});
    dataRow("0.00% and zero months", "en_US", true, QStringList{"Empty", "0.00%", "$0.00", "$0.00", "$0.00", "$0.00"});
    const QString zero = QString::fromUtf8("0,00\u00a0€");
    dataRow("de_DE", "de_DE", false,
            QStringList{"Bank", "12,50%", QString::fromUtf8("14,50\u00a0€"), QString::fromUtf8("6,50\u00a0€"),
                        QString::fromUtf8("1,00\u00a0€"), zero});
}

void TestBookingList::summary()
{
    QFETCH(QString, locale);
    QFETCH(bool, emptyHolder);
    QFETCH(QStringList, row);
    pinLocale(locale.toLatin1().constData());
    Books b;
    TFrmMain w;
    select(w, emptyHolder ? b.empty : b.bank, emptyHolder);
    QCOMPARE(child<TDBGridView>(w, "dbgrdhTotal")->model()->rowCount(), 1);
    QCOMPARE(summaryRow(w), row);
}

void TestBookingList::summaryWithAllBalancesZero()
{
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("Plus"), 0, money("50"));
    db.addHolder(QStringLiteral("Minus"), 2, money("-50"));
    TFrmMain w;
    select(w, a);
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdhTotal"), 1), QStringList{QStringLiteral("0.00%")});
}

void TestBookingList::missingHolder()
{
    Books b;
    TFrmMain w;
    select(w, 999);
    QCOMPARE(child<TDBGridView>(w, "dbgrdh1")->model()->rowCount(), 0);
    QCOMPARE(child<TDBGridView>(w, "dbgrdhTotal")->model()->rowCount(), 1);
    QCOMPARE(summaryRow(w), (QStringList{"", "0.00%", "$0.00", "$0.00", "$0.00", "$0.00"}));
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestBookingList::summaryColumnsShareTheWidth()
{
    Books b;
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* summary = child<TDBGridView>(w, "dbgrdhTotal");
    for (int width : {875, 1003, 720}) {
        w.resize(width, 605);
        QTRY_COMPARE(w.width(), width);
        const int each = summary->width() / 6 - 1;
        QVERIFY(summary->width() > 400);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(summary->columnWidth(c), each);
    }
}

void TestBookingList::exportWritesTheList_data()
{
    QTest::addColumn<int>("type");
    dataRow("Excel", 1);
    dataRow("text", 2);
    dataRow("HTML", 3);
}

void TestBookingList::exportWritesTheList()
{
    QFETCH(int, type);
    Books b;
    TFrmMain w;
    select(w, b.bank);
    choose(child<QComboBox>(w, "cbbDate"), 2);
    auto* list = child<TDBGridView>(w, "dbgrdh1");
    list->selectRow(1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dayreport"));
    TFileDialogService::setNextChoice(TFileDialogService::Choice{path, type});
    TMessageService::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(w, "btnExport"), Qt::LeftButton);

    const QString file = path + QStringLiteral(".") + QStringList{"xls", "txt", "htm"}.at(type - 1);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    switch (type) {
    case 1:
        QVERIFY(bytes.startsWith(QByteArray::fromHex("090808000000100000000000")));
        QVERIFY(bytes.contains(QByteArray::fromHex("0402 0B00 0000 0000 0000 0300") + "No."));
        QVERIFY(bytes.contains("TypeName"));
        QVERIFY(bytes.endsWith(QByteArray::fromHex("0A000000")));
        break;
    case 2:
        QCOMPARE(bytes, QByteArray("No.\tDate\tTypeName\tname\tAmount\tfrom\tfor\tmemo\r\n"
                                   "\t3/12/26\tDebit\tBank\t2.5\tBakery\t\t\r\n"
                                   "\t3/13/26\tTrans In\tBank\t6\tIn13\t\t\r\n"
                                   "\t3/14/26\tTrans Out\tBank\t20\tOut14\t\t\r\n"
                                   "\t3/15/26\tDeposit\tBank\t1\tLate\t\t\r\n"
                                   "\tSUM\t\t\t29.5\t\t\t"));
        break;
    case 3:
        QVERIFY(bytes.contains("<TITLE>\r\ndbgrdh1\r\n</TITLE>"));
        QVERIFY(bytes.contains("<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=1 BGCOLOR=#"));
        QCOMPARE(bytes.count("<TR>"), 6);
        QVERIFY(bytes.contains("  <TD WIDTH=81 ALIGN=\"RIGHT\" BGCOLOR=#CDCEE7><FONT STYLE=\"font-family: MS Sans "
                               "Serif; font-size: 8pt; color: #"));
        QVERIFY(bytes.contains(">29.5</FONT></TD>\r\n"));
        break;
    }
    QCOMPARE(shownBoxes(), QStringList{"Confirm (Question, Yes|No): Do you want to lunch the file?"});
    QCOMPARE(TShell::takeRequests(), QStringList{QUrl::fromLocalFile(file).toString()});
    QCOMPARE(list->selectedPositions(), QList<int>{1});
}

void TestBookingList::failedListIsReported()
{
    Books b;
    TFrmMain w;
    select(w, b.bank);
    QCOMPARE(child<TDBGridView>(w, "dbgrdh1")->model()->rowCount(), 8);
    b.db.dm().execute(QStringLiteral("drop table Transfer"));
    select(w, b.purse, true);
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].text.contains(QStringLiteral("no such table")), qPrintable(shown[0].text));
    QCOMPARE(child<TDBGridView>(w, "dbgrdh1")->model()->rowCount(), 0);
    // The failed selection did not become the current holder, and the summary still shows Bank.
    QCOMPARE(w.currentHolderId(), b.bank);
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdhTotal"), 0), QStringList{QStringLiteral("Bank")});
    // A filter change lists the current holder again, and reports the same failure.
    choose(child<QComboBox>(w, "cbbType"), 1);
    QCOMPARE(TMessageService::takeShown().size(), 1);
}

void TestBookingList::aListOnItsWayIsReplaced_data()
{
    QTest::addColumn<bool>("secondIsAHolder");
    QTest::addColumn<QStringList>("rows");
    dataRow("another holder", true, QStringList{"In13", "Out14"});
    dataRow("no holder", false, QStringList{});
}

void TestBookingList::aListOnItsWayIsReplaced()
{
    // Two selections before the first list has arrived: the first list never shows.
    QFETCH(bool, secondIsAHolder);
    QFETCH(QStringList, rows);
    Books b;
    TFrmMain w;
    auto* list = w.findChild<TBookingList*>(QStringLiteral("BookingList"));
    QSignalSpy built(list, &TBookingList::listBuilt);
    list->BuildList(b.bank);
    list->BuildList(secondIsAHolder ? b.purse : 0);
    settle(&w);
    QCoreApplication::processEvents();
    QCOMPARE(texts(child<TDBGridView>(w, "dbgrdh1"), 5), rows);
    QCOMPARE(built.size(), secondIsAHolder ? 1 : 0);
}

QTEST_MAIN(TestBookingList)
#include "tst_bookinglist.moc"
