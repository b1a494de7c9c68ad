#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "HistoryBooks.h"
#include "ModalDriver.h"

#include "data/TClock.h"
#include "data/TLedgerSearch.h"
#include "help/THelpKey.h"
#include "help/THelpRouter.h"
#include "history/TFrmAccountHistory.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TShell.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <atomic>
#include <functional>

namespace {

// The grid's columns.
enum
{
    No,
    Date,
    Type,
    AccWal,
    From,
    Amount,
    For,
    To,
    Memo
};

// The history window over the bookings of HistoryBooks, shown (and so activated once).
struct Window
{
    HistoryBooks books;
    TFrmAccountHistory w;

    explicit Window(qint32 holder = 0, const std::function<void(TFrmAccountHistory&)>& beforeShow = {})
    {
        w.setHolderID(holder);
        if (beforeShow)
            beforeShow(w);
        w.show();
    }
    // The grid, once the list asked for last is on view.
    TDBGridView* grid() const
    {
        waitForBookingList(&w);
        return child<TDBGridView>(w, QStringLiteral("dbgrdh1"));
    }
    // The grid as it is now.
    TDBGridView* gridNow() const { return child<TDBGridView>(w, QStringLiteral("dbgrdh1")); }
    QComboBox* holders() const { return child<QComboBox>(w, QStringLiteral("cbbAccWal")); }
    // The listed rows as "kind holder from", sorted.
    QStringList listed() const
    {
        QStringList out;
        const QAbstractItemModel* m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << QStringList{columnTexts(m, Type)[r], columnTexts(m, AccWal)[r], columnTexts(m, From)[r]}.join(u' ');
        std::sort(out.begin(), out.end());
        return out;
    }
    int rowOf(const QString& kind, const QString& from) const
    {
        const QAbstractItemModel* m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (columnTexts(m, Type)[r] == kind && columnTexts(m, From)[r] == from)
                return r;
        }
        qFatal("no row %s %s", qPrintable(kind), qPrintable(from));
    }
    // Selects the rows in this order: the first by a click, the others by Ctrl+click.
    void select(const QStringList& rows) const
    {
        for (int i = 0; i < rows.size(); ++i)
            clickRow(grid(), rowOf(rows[i].section(u':', 0, 0), rows[i].section(u':', 1)),
                     i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
    void choose(QComboBox* box, int index) const
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

const QStringList Today = sorted({"Trans Out Cash Pocket", "Trans In Purse Pocket", "Deposit Bank Employer",
                                  "Trans Out Bank ATM", "Trans In Cash ATM", "Debit Bank Grocer"});

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (QAction* a : actions)
        names << (a->isSeparator() ? QStringLiteral("|") : a->objectName() + u'=' + a->text());
    return names;
}

} // namespace

class TestHistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void windowToolBarAndMenu();
    void filterPanelAndGrid();
    void openedWithAHolder_data();
    void openedWithAHolder();
    void entriesOnceAfterManyActivations();
    void searchAtEveryKeystroke();
    void typingSupersedesTheSearchOnItsWay();
    void brokenStatementIsReportedAtOnce();
    void commandsBeforeTheListArrives_data();
    void commandsBeforeTheListArrives();
    void filtersRunTheSearch();
    void periodFollowsTheMark_data();
    void periodFollowsTheMark();
    void commandKeys_data();
    void commandKeys();
    void footerSumsEveryRow_data();
    void footerSumsEveryRow();
    void titleSortCycle();
    void tabMovesBetweenColumns();
    void popupMenuOnTheGrid();
    void activation_data();
    void activation();
    void edit_data();
    void edit();
    void deleteRows_data();
    void deleteRows();
    void deleteNothingSelected();
    void selectionAfterTheRequery();
    void deleteStopsAtAFailure();
    void copyTwoRows();
    void copyNothingSelected();
    void printPreviewRendersEveryRow();
    void help();

private:
    QTemporaryDir m_dir;
};

void TestHistoryWindow::init()
{
    pinLocale("en_US");
    TMessageService::setTestMode(true);
    TFileDialogService::setTestMode(true);
    TShell::setTestMode(true);
    THelpRouter::takeRequests();
}

void TestHistoryWindow::windowToolBarAndMenu()
{
    Window f;
    QCOMPARE(f.w.windowTitle(), QStringLiteral("Acc/Wal History"));
    QCOMPARE(f.w.size(), QSize(644, 387));
    QVERIFY(f.w.minimumSize() != f.w.maximumSize());
    QVERIFY(f.w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(f.w.property("helpContext").toInt(), 1012);
    auto* bar = child<QToolBar>(f.w, QStringLiteral("tlb1"));
    QCOMPARE(actionNames(bar->actions()),
             (QStringList{"btnQuery=Query", "|", "btnEdit=Edit", "btnDelete=Delete", "|", "btnCopy=Copy",
                          "btnExport=Export", "btnPrint=Print", "|", "btnHelp=Help", "btnToolExit=Exit", "|"}));
    for (QAction* a : bar->actions()) {
        if (QWidget* button = bar->widgetForAction(a); button != nullptr && !a->isSeparator()) {
            QVERIFY(button->width() >= 44);
            QCOMPARE(button->height(), 52);
        }
    }
    QStringList tips;
    for (QAction* a : bar->actions())
        tips << a->toolTip();
    tips.removeAll(QString());
    QCOMPARE(tips, (QStringList{"Query (Ctrl+F)", "Edit (Enter, F2)", "Delete (Del)",
                                "Copy selected data and paste to excel  document (Ctrl+C)", "Export (Ctrl+E)",
                                "Print (Ctrl+P)", "Help (F1)", "Close history window (Esc)"}));
    QCOMPARE(actionNames(child<QMenu>(f.w, QStringLiteral("pm1"))->actions()),
             (QStringList{"mniQuery=&Query...", "|", "mniEdit=&Edit...", "mniDelete=&Delete", "mniRepeat=&Repeat...",
                          "|", "mniCopy=&Copy", "mniExport=Exp&ort...", "mniPrint=&Print...", "|", "mniHelp=&Help",
                          "mniExit=E&xit"}));
    child<QAction>(f.w, QStringLiteral("mniExit"))->trigger();
    QVERIFY(!f.w.isVisible());
}

void TestHistoryWindow::filterPanelAndGrid()
{
    Window f;
    QCOMPARE(child<QWidget>(f.w, QStringLiteral("pnl1"))->height(), 36);
    QCOMPARE(child<QLabel>(f.w, QStringLiteral("lblAccWal"))->buddy(), f.holders());
    QCOMPARE(child<QLabel>(f.w, QStringLiteral("lblSearch"))->buddy(),
             child<QWidget>(f.w, QStringLiteral("edtSearch")));
    QCOMPARE(f.holders()->maxVisibleItems(), 15);
    QCOMPARE(columnTexts(child<QComboBox>(f.w, QStringLiteral("cbbType"))->model(), 0),
             (QStringList{"-----All-----", "Deposit", "Debit", "Trans in", "Trans out"}));
    QCOMPARE(child<QRadioButton>(f.w, QStringLiteral("rbMonth"))->text(), QStringLiteral("This Month"));
    QVERIFY(child<QRadioButton>(f.w, QStringLiteral("rbToday"))->isChecked());
    QCOMPARE(f.w.focusWidget()->objectName(), QStringLiteral("edtSearch"));

    QStringList titles;
    QList<int> widths;
    for (int c = 0; c < f.grid()->model()->columnCount(); ++c) {
        titles << f.grid()->model()->headerData(c, Qt::Horizontal).toString();
        widths << f.grid()->columnWidth(c);
    }
    QCOMPARE(titles, (QStringList{"No.", "Date", "Type", "Acc/Wal", "from", "Amount", "for", "To", "memo"}));
    QCOMPARE(widths, (QList<int>{30, 100, 100, 100, 100, 100, 100, 100, 200}));
    QCOMPARE(f.grid()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(f.grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(f.grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    // The payee of the debit is its "To".
    const int grocer = f.rowOf(QStringLiteral("Debit"), QStringLiteral("Grocer"));
    QCOMPARE(columnTexts(f.grid()->model(), To)[grocer], QStringLiteral("Grocer"));
    QCOMPARE(columnTexts(f.grid()->model(), To)[f.rowOf(QStringLiteral("Deposit"), QStringLiteral("Employer"))],
             QString());
    QCOMPARE(columnTexts(f.grid()->model(), No), (QStringList{"1", "2", "3", "4", "5", "6"}));
}

void TestHistoryWindow::openedWithAHolder_data()
{
    QTest::addColumn<QString>("holder"); // "" none, "unknown" an id no holder has
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("no holder") << ""
                               << "-----All-----" << Today;
    QTest::newRow("an account") << "Bank"
                                << "    Bank"
                                << sorted({"Deposit Bank Employer", "Trans Out Bank ATM", "Debit Bank Grocer"});
    QTest::newRow("a wallet") << "Purse"
                              << "    Purse" << QStringList{"Trans In Purse Pocket"};
    QTest::newRow("a holder that is gone") << "unknown"
                                           << "-----All-----" << Today;
}

void TestHistoryWindow::openedWithAHolder()
{
    QFETCH(QString, holder);
    QFETCH(QString, entry);
    QFETCH(QStringList, rows);
    HistoryBooks books;
    const qint32 id = holder.isEmpty()       ? 0
                      : holder == u"unknown" ? 999
                                             : TDM::FindHolder(holder, holder == u"Purse").ID;
    TFrmAccountHistory w;
    w.setHolderID(id);
    w.show();
    QVERIFY(waitForBookingList(&w));
    QCOMPARE(child<QComboBox>(w, QStringLiteral("cbbAccWal"))->currentText(), entry);
    QStringList listed;
    const QAbstractItemModel* m = child<TDBGridView>(w, QStringLiteral("dbgrdh1"))->model();
    for (int r = 0; r < m->rowCount(); ++r)
        listed << columnTexts(m, Type)[r] + u' ' + columnTexts(m, AccWal)[r] + u' ' + columnTexts(m, From)[r];
    QCOMPARE(sorted(listed), rows);
}

void TestHistoryWindow::entriesOnceAfterManyActivations()
{
    Window f(0);
    for (int i = 0; i < 5; ++i)
        f.w.FormActivate();
    QCOMPARE(columnTexts(f.holders()->model(), 0), (QStringList{"-----All-----", "---Account---", "    Bank",
                                                                "    Card", "---Wallet---", "    Cash", "    Purse"}));
}

void TestHistoryWindow::searchAtEveryKeystroke()
{
    Window f;
    auto* search = child<QLineEdit>(f.w, QStringLiteral("edtSearch"));
    QList<int> counts;
    for (const char* key : {"c", "a", "s"}) {
        QTest::keyClicks(search, QString::fromLatin1(key));
        counts << f.grid()->model()->rowCount();
    }
    // "c" in Pocket (both sides), "March pay", "cash" (both sides of ATM), Grocer; then the ATM's
    // memo alone.
    QCOMPARE(counts, (QList<int>{6, 2, 2}));
    QTest::keyClicks(search, QStringLiteral("'"));
    QCOMPARE(f.grid()->model()->rowCount(), 0);
    QTest::mouseDClick(search, Qt::LeftButton);
    QCOMPARE(search->text(), QString());
    QCOMPARE(f.listed(), Today);
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestHistoryWindow::typingSupersedesTheSearchOnItsWay()
{
    Window f;
    f.grid();
    QSignalSpy built(&f.w, &TFrmAccountHistory::listBuilt);
    // Three keystrokes before any list can arrive: only the last search is answered.
    QTest::keyClicks(child<QLineEdit>(f.w, QStringLiteral("edtSearch")), QStringLiteral("cas"));
    QVERIFY(f.w.isBuilding());
    QCOMPARE(f.listed(), sorted({"Trans Out Bank ATM", "Trans In Cash ATM"}));
    QCOMPARE(built.size(), 1);
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestHistoryWindow::brokenStatementIsReportedAtOnce()
{
    Window f;
    QCOMPARE(f.grid()->model()->rowCount(), Today.size());
    f.books.db.dm().execute(QStringLiteral("alter table Detail rename column Memo to Other"));
    QTest::keyClicks(child<QLineEdit>(f.w, QStringLiteral("edtSearch")), QStringLiteral("a"));
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QVERIFY2(shown[0].text.contains(u"Memo"), qPrintable(shown[0].text));
    QVERIFY(!f.w.isBuilding());
    QCOMPARE(f.gridNow()->model()->rowCount(), 0);
}

void TestHistoryWindow::commandsBeforeTheListArrives_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("seen");
    QTest::addColumn<QString>("unseen");
    // Copy and Edit act on the rows selected on view; Export waits for the list asked for.
    QTest::newRow("copy") << "copy"
                          << "Debit:Grocer"
                          << "Employer"
                          << "Grocer"
                          << "Employer";
    QTest::newRow("edit") << "edit"
                          << "Debit:Grocer"
                          << "Employer"
                          << "Grocer"
                          << "Employer";
    QTest::newRow("export") << "export"
                            << ""
                            << "Grocer"
                            << "Grocer"
                            << "Employer";
}

void TestHistoryWindow::commandsBeforeTheListArrives()
{
    QFETCH(QString, command);
    QFETCH(QString, selected);
    QFETCH(QString, typed);
    QFETCH(QString, seen);
    QFETCH(QString, unseen);
    Window f;
    if (!selected.isEmpty())
        f.select({selected});
    QTest::keyClicks(child<QLineEdit>(f.w, QStringLiteral("edtSearch")), typed);
    QVERIFY(f.w.isBuilding());
    QString text;
    if (command == u"copy") {
        f.w.btnCopyClick();
        text = QGuiApplication::clipboard()->text();
    } else if (command == u"edit") {
        ModalDriver driver([&](QDialog* d) { text = child<QComboBox>(*d, QStringLiteral("cbbTo"))->currentText(); });
        f.w.btnEditClick();
    } else {
        const QString file = m_dir.filePath(QStringLiteral("waited.txt"));
        TFileDialogService::setNextChoice(TFileDialogService::Choice{file, 2});
        TMessageService::setNextAnswer(QMessageBox::No);
        f.w.btnExportClick();
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(written.readAll());
    }
    QVERIFY2(text.contains(seen), qPrintable(text));
    QVERIFY2(!text.contains(unseen), qPrintable(text));
}

void TestHistoryWindow::filtersRunTheSearch()
{
    Window f;
    f.choose(f.holders(), 1);
    QCOMPARE(f.listed(), sorted({"Deposit Bank Employer", "Trans Out Bank ATM", "Debit Bank Grocer"}));
    f.choose(child<QComboBox>(f.w, QStringLiteral("cbbType")), 1);
    QCOMPARE(f.listed(), QStringList{"Deposit Bank Employer"});
    f.choose(f.holders(), 0);
    auto* month = child<QRadioButton>(f.w, QStringLiteral("rbMonth"));
    QTest::mouseClick(month, Qt::LeftButton);
    QCOMPARE(f.listed(), sorted({"Deposit Bank Employer", "Deposit Cash O'Brien"}));
    // A click on the button already chosen searches again.
    f.books.db.addDetail(0, f.books.card, HistoryBooks::now(), money("1"), QStringLiteral("New"));
    QTest::mouseClick(month, Qt::LeftButton);
    QCOMPARE(f.grid()->model()->rowCount(), 3);
    QTest::mouseClick(child<QRadioButton>(f.w, QStringLiteral("rbToday")), Qt::LeftButton);
    QCOMPARE(f.listed(), sorted({"Deposit Bank Employer", "Deposit Card New"}));
}

void TestHistoryWindow::periodFollowsTheMark_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("searches");
    QTest::addColumn<QStringList>("rows");
    const QStringList month = sorted(QStringList(Today) << "Deposit Cash O'Brien");
    // An assistive tool presses (a click) or toggles (no click) the button.
    dataRow("pressed by an assistive tool", "rbMonth", "press", 1, month);
    dataRow("toggled by an assistive tool", "rbMonth", "toggle", 1, month);
    dataRow("marked by the program", "rbMonth", "setChecked", 1, month);
    dataRow("clicked", "rbMonth", "click", 1, month);
    dataRow("the marked button clicked again", "rbToday", "click", 1, Today);
    dataRow("the marked button toggled: no change", "rbToday", "toggle", 0, Today);
}

void TestHistoryWindow::periodFollowsTheMark()
{
    QFETCH(QString, button);
    QFETCH(QString, how);
    QFETCH(int, searches);
    QFETCH(QStringList, rows);
    // Each search submitted gets the next request number; the newest is always taken up.
    std::atomic<quint64> newest = 0;
    Window f(0, [&newest](TFrmAccountHistory& w) {
        w.findChild<TLedgerSearch*>()->setStageHook(
            [&newest](TLedgerSearch::Stage, quint64 request) { newest = std::max(newest.load(), request); });
    });
    f.grid();
    const quint64 before = newest;
    auto* radio = child<QRadioButton>(f.w, button);
    if (how == u"click")
        QTest::mouseClick(radio, Qt::LeftButton);
    else if (how == u"setChecked")
        radio->setChecked(true);
    else
        QAccessible::queryAccessibleInterface(radio)->actionInterface()->doAction(
            how == u"press" ? QAccessibleActionInterface::pressAction() : QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(radio->isChecked());
    QCOMPARE(f.listed(), rows);
    QCOMPARE(int(newest - before), searches);
}

void TestHistoryWindow::commandKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("happened");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    dataRow("Delete on the grid", "grid", int(Qt::Key_Delete), none,
            "Are you sure to delete this record?; Grocer, rows 0");
    dataRow("Delete in the search box", "search", int(Qt::Key_Delete), none, "rocer, rows 1");
    dataRow("Enter on the grid", "grid", int(Qt::Key_Return), none, "dialog TFrmDebit");
    dataRow("F2 on the grid", "grid", int(Qt::Key_F2), none, "dialog TFrmDebit");
    dataRow("Enter in the search box", "search", int(Qt::Key_Return), none, "");
    dataRow("Ctrl+C on the grid", "grid", int(Qt::Key_C), ctrl,
            "copied 3/15/26 11:59:59 PM,Debit,weekly shop,3/15/26,Grocer,4,Food,|");
    dataRow("Ctrl+C in the search box copies its text", "search", int(Qt::Key_C), ctrl, "copied Grocer");
    dataRow("Ctrl+F", "search", int(Qt::Key_F), ctrl, "dialog TFrmHistoryQuery");
    dataRow("Ctrl+P", "grid", int(Qt::Key_P), ctrl, "dialog QPrintPreviewDialog");
    dataRow("Ctrl+E", "search", int(Qt::Key_E), ctrl, "save dialog");
    dataRow("Escape", "grid", int(Qt::Key_Escape), none, "closed");
    dataRow("menu key on the grid", "grid", int(Qt::Key_Menu), none, "menu");
    dataRow("Shift+F10 on the grid", "grid", int(Qt::Key_F10), int(Qt::ShiftModifier), "menu");
}

void TestHistoryWindow::commandKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, happened);
    Window f;
    auto* search = child<QLineEdit>(f.w, QStringLiteral("edtSearch"));
    search->setText(QStringLiteral("Grocer"));
    f.select({QStringLiteral("Debit:Grocer")});
    f.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.w));
    QWidget* target = focus == u"grid" ? static_cast<QWidget*>(f.grid()) : search;
    target->setFocus();
    // In the search box the cursor is before the text; for Ctrl+C the text is selected.
    search->setCursorPosition(0);
    if (key == Qt::Key_C)
        search->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    TMessageService::setNextAnswer(QMessageBox::Yes);
    QStringList seen = shownTexts();
    {
        ModalDriver driver(
            [&seen](QDialog* d) { seen << QStringLiteral("dialog %1").arg(d->metaObject()->className()); });
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }
    seen << shownTexts();
    if (search->text() != u"Grocer" || key == Qt::Key_Delete)
        seen << QStringLiteral("%1, rows %2").arg(search->text()).arg(f.grid()->model()->rowCount());
    if (const QString copied = QGuiApplication::clipboard()->text(); copied != u"kept")
        seen << QStringLiteral("copied ") + QString(copied).replace(QStringLiteral("\r\n"), QStringLiteral("|"));
    if (!TFileDialogService::lastFilters().isEmpty())
        seen << QStringLiteral("save dialog");
    if (!f.w.isVisible() || child<QMenu>(f.w, QStringLiteral("pm1"))->isVisible())
        seen << (f.w.isVisible() ? QStringLiteral("menu") : QStringLiteral("closed"));
    QCOMPARE(seen.join(QStringLiteral("; ")), happened);
}

void TestHistoryWindow::footerSumsEveryRow_data()
{
    QTest::addColumn<bool>("withTransfer");
    QTest::addColumn<QString>("sum");
    QTest::newRow("deposit 10 and debit 4") << false << "14";
    QTest::newRow("and both sides of a transfer of 3") << true << "20";
}

void TestHistoryWindow::footerSumsEveryRow()
{
    QFETCH(bool, withTransfer);
    QFETCH(QString, sum);
    TestDb db;
    TClock::setFixed(HistoryBooks::now());
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0);
    const qint32 cash = db.addHolder(QStringLiteral("Cash"), 2);
    db.addDetail(0, bank, HistoryBooks::now(), money("10"));
    db.addDetail(1, bank, HistoryBooks::now(), money("4"));
    if (withTransfer)
        db.addTransfer(bank, cash, HistoryBooks::now(), money("3"));
    TFrmAccountHistory w;
    w.show();
    QVERIFY(waitForBookingList(&w));
    const TGridModel* m = child<TDBGridView>(w, QStringLiteral("dbgrdh1"))->gridModel();
    QCOMPARE(m->footerText(Date), QStringLiteral("SUM"));
    QCOMPARE(m->footerText(Amount), sum);
    TClock::setFixed(QDateTime());
}

void TestHistoryWindow::titleSortCycle()
{
    Window f;
    QHeaderView* header = f.grid()->horizontalHeader();
    auto clickTitle = [&] {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(Amount) + 10, header->height() / 2));
    };
    const QStringList dateOrder = columnTexts(f.grid()->model(), From);
    clickTitle();
    QCOMPARE(columnTexts(f.grid()->model(), Amount), (QStringList{"2.5", "2.5", "4", "5", "5", "10"}));
    clickTitle();
    QCOMPARE(columnTexts(f.grid()->model(), Amount), (QStringList{"10", "5", "5", "4", "2.5", "2.5"}));
    clickTitle();
    QCOMPARE(columnTexts(f.grid()->model(), From), dateOrder);
    QCOMPARE(columnTexts(f.grid()->model(), No), (QStringList{"1", "2", "3", "4", "5", "6"}));
}

void TestHistoryWindow::tabMovesBetweenColumns()
{
    Window f;
    f.grid()->setFocus();
    f.grid()->setCurrentIndex(f.grid()->model()->index(0, Date));
    QTest::keyClick(f.grid(), Qt::Key_Tab);
    QCOMPARE(f.grid()->currentIndex().column(), int(Type));
    QTest::keyClick(f.grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.grid()->currentIndex().column(), int(Date));
}

void TestHistoryWindow::popupMenuOnTheGrid()
{
    Window f;
    auto* menu = child<QMenu>(f.w, QStringLiteral("pm1"));
    // In a column that scrolls and in the frozen one.
    for (QTableView* view : {static_cast<QTableView*>(f.grid()), f.grid()->frozenView()}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                view->viewport()->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(view->viewport(), &event);
        QVERIFY(menu->isVisible());
        menu->hide();
    }
}

void TestHistoryWindow::activation_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("activates");
    QTest::newRow("query dialog closed") << "query-close" << true;
    QTest::newRow("query dialog run") << "query-ok" << true;
    QTest::newRow("booking dialog") << "edit" << true;
    QTest::newRow("print preview") << "print" << true;
    QTest::newRow("export, its question") << "export" << true;
    QTest::newRow("export, file dialog cancelled") << "export-cancel" << false;
    QTest::newRow("delete, answered No") << "delete-no" << false;
    QTest::newRow("delete, nothing selected") << "delete-none" << false;
    QTest::newRow("copy") << "copy" << false;
}

void TestHistoryWindow::activation()
{
    QFETCH(QString, command);
    QFETCH(bool, activates);
    Window f(0);
    f.w.setHolderID(f.books.bank);
    f.choose(f.holders(), 0);
    if (command != u"delete-none")
        f.select({QStringLiteral("Deposit:Employer")});
    const QString file = m_dir.filePath(QStringLiteral("list.htm"));
    {
        // Runs the query; closes any other window.
        ModalDriver driver([&](QDialog* d) {
            if (command == u"query-ok")
                QTest::mouseClick(child<QPushButton>(*d, QStringLiteral("btnOK")), Qt::LeftButton);
        });
        if (command.startsWith(u"query")) {
            f.w.btnQueryClick();
        } else if (command == u"edit") {
            f.w.btnEditClick();
        } else if (command == u"print") {
            f.w.btnPrintClick();
        } else if (command.startsWith(u"export")) {
            if (command == u"export")
                TFileDialogService::setNextChoice(TFileDialogService::Choice{file, 3});
            TMessageService::setNextAnswer(QMessageBox::No);
            f.w.btnExportClick();
        } else if (command.startsWith(u"delete")) {
            TMessageService::setNextAnswer(QMessageBox::No);
            f.w.btnDeleteClick();
        } else {
            f.w.btnCopyClick();
        }
        QCOMPARE(driver.dialogSeen(), command.startsWith(u"query") || command == u"edit" || command == u"print");
    }
    if (command == u"query-ok")
        QCOMPARE(f.grid()->model()->rowCount(), 6);
    QCOMPARE(f.holders()->currentText(), activates ? QStringLiteral("    Bank") : QStringLiteral("-----All-----"));
}

void TestHistoryWindow::edit_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("save");
    QTest::newRow("deposit") << "Deposit:Employer"
                             << "TFrmDeposit"
                             << "Edit Deposit"
                             << "10"
                             << "btnOK";
    QTest::newRow("debit") << "Debit:Grocer"
                           << "TFrmDebit"
                           << "Edit Debit"
                           << "4"
                           << "btnOK";
    QTest::newRow("source side of a transfer") << "Trans Out:ATM"
                                               << "TFrmTransfer"
                                               << "Edit Transfer"
                                               << "5"
                                               << "btnSave";
    QTest::newRow("destination side") << "Trans In:ATM"
                                      << "TFrmTransfer"
                                      << "Edit Transfer"
                                      << "5"
                                      << "btnSave";
    QTest::newRow("closed without saving") << "Debit:Grocer"
                                           << "TFrmDebit"
                                           << "Edit Debit"
                                           << "4"
                                           << "";
}

void TestHistoryWindow::edit()
{
    QFETCH(QString, row);
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(QString, amount);
    QFETCH(QString, save);
    Window f;
    // The first selected row is edited.
    f.select({row, QStringLiteral("Trans In:Pocket")});
    QString seenCaption;
    QString seenAmount;
    {
        ModalDriver driver([&](QDialog* d) {
            seenCaption = d->windowTitle();
            auto* box = child<QLineEdit>(*d, QStringLiteral("edtAmmount"));
            seenAmount = box->text();
            box->setText(QStringLiteral("6"));
            if (!save.isEmpty())
                QTest::mouseClick(child<QPushButton>(*d, save), Qt::LeftButton);
        });
        f.w.btnEditClick();
        QCOMPARE(driver.seenClass(), dialog);
    }
    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenAmount, amount);
    const QString kind = row.section(u':', 0, 0);
    const QString from = row.section(u':', 1);
    QCOMPARE(columnTexts(f.grid()->model(), Amount)[f.rowOf(kind, from)],
             save.isEmpty() ? amount : QStringLiteral("6"));
    QVERIFY(drift(f.books.db).isEmpty());
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestHistoryWindow::deleteRows_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("changes"); // of Bank, Cash, Purse
    QTest::newRow("deposit") << QStringList{"Deposit:Employer"} << QMessageBox::Yes
                             << sorted({"Trans Out Cash Pocket", "Trans In Purse Pocket", "Trans Out Bank ATM",
                                        "Trans In Cash ATM", "Debit Bank Grocer"})
                             << QStringList{"-10", "0", "0"};
    QTest::newRow("debit") << QStringList{"Debit:Grocer"} << QMessageBox::Yes
                           << sorted({"Trans Out Cash Pocket", "Trans In Purse Pocket", "Deposit Bank Employer",
                                      "Trans Out Bank ATM", "Trans In Cash ATM"})
                           << QStringList{"4", "0", "0"};
    const QStringList withoutAtm =
        sorted({"Trans Out Cash Pocket", "Trans In Purse Pocket", "Deposit Bank Employer", "Debit Bank Grocer"});
    QTest::newRow("source side of a transfer")
        << QStringList{"Trans Out:ATM"} << QMessageBox::Yes << withoutAtm << QStringList{"5", "-5", "0"};
    QTest::newRow("destination side of a transfer")
        << QStringList{"Trans In:ATM"} << QMessageBox::Yes << withoutAtm << QStringList{"5", "-5", "0"};
    QTest::newRow("both sides at once: the balances move once")
        << QStringList{"Trans In:ATM", "Trans Out:ATM"} << QMessageBox::Yes << withoutAtm
        << QStringList{"5", "-5", "0"};
    QTest::newRow("several kinds") << QStringList{"Trans In:Pocket", "Deposit:Employer", "Debit:Grocer"}
                                   << QMessageBox::Yes << sorted({"Trans Out Bank ATM", "Trans In Cash ATM"})
                                   << QStringList{"-6", "2.5", "-2.5"};
    QTest::newRow("answered No") << QStringList{"Deposit:Employer", "Debit:Grocer"} << QMessageBox::No << Today
                                 << QStringList{"0", "0", "0"};
}

void TestHistoryWindow::deleteRows()
{
    QFETCH(QStringList, rows);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, left);
    QFETCH(QStringList, changes);
    Window f;
    const QList<qint32> holders{f.books.bank, f.books.cash, f.books.purse};
    QList<Currency> before;
    for (qint32 h : holders)
        before << f.books.db.balance(h);
    f.select(rows);
    TMessageService::setNextAnswer(answer);
    child<QAction>(f.w, QStringLiteral("mniDelete"))->trigger();
    // Deleted rows leave the view before the list comes back; after No the list stays.
    QCOMPARE(f.gridNow()->model()->rowCount(), answer == QMessageBox::Yes ? 0 : Today.size());
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Query"));
    QCOMPARE(shown[0].text, QStringLiteral("Are you sure to delete this record?"));
    QCOMPARE(shown[0].icon, QMessageBox::Question);
    QCOMPARE(shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(f.listed(), left);
    for (int i = 0; i < holders.size(); ++i)
        QCOMPARE(f.books.db.balance(holders[i]), before[i] + money(qPrintable(changes[i])));
    QVERIFY(drift(f.books.db).isEmpty());
}

void TestHistoryWindow::deleteNothingSelected()
{
    Window f;
    const QString before = snapshot(f.books.db);
    child<QAction>(f.w, QStringLiteral("btnDelete"))->trigger();
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("ERROR"));
    QCOMPARE(shown[0].text, QStringLiteral("Please select an record to delete!"));
    QCOMPARE(shown[0].icon, QMessageBox::Information);
    QCOMPARE(shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(snapshot(f.books.db), before);
}

void TestHistoryWindow::selectionAfterTheRequery()
{
    Window f;
    f.select({QStringLiteral("Deposit:Employer")});
    TMessageService::setNextAnswer(QMessageBox::Yes);
    f.w.btnDeleteClick();
    // Nothing is selected in the list that came back; a row chosen in it is the row copied.
    QVERIFY(f.grid()->selectedPositions().isEmpty());
    f.select({QStringLiteral("Debit:Grocer")});
    f.w.btnCopyClick();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("3/15/26 11:59:59 PM,Debit,weekly shop")));
    QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), 1);
}

void TestHistoryWindow::deleteStopsAtAFailure()
{
    Window f;
    f.select({QStringLiteral("Deposit:Employer"), QStringLiteral("Debit:Grocer"), QStringLiteral("Trans Out:Pocket")});
    // The removal of the second row fails after its balance change.
    f.books.db.dm().execute(QStringLiteral("CREATE TEMP TRIGGER boom BEFORE DELETE ON Detail WHEN old.ID = %1"
                                           " BEGIN SELECT RAISE(ABORT, 'boom'); END")
                                .arg(f.books.grocer));
    const Currency bank = f.books.db.balance(f.books.bank);
    TMessageService::setNextAnswer(QMessageBox::Yes);
    child<QAction>(f.w, QStringLiteral("btnDelete"))->trigger();
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1].icon, QMessageBox::Critical);
    QVERIFY2(shown[1].text.contains(u"boom"), qPrintable(shown[1].text));
    f.books.db.dm().execute(QStringLiteral("DROP TRIGGER temp.boom"));
    // The first row is gone with its balance change; the failing row and the rest are untouched.
    QCOMPARE(f.books.db.balance(f.books.bank), bank - money("10"));
    QCOMPARE(f.books.db.count(QStringLiteral("Detail where ID = %1").arg(f.books.employer)), 0);
    QCOMPARE(f.books.db.count(QStringLiteral("Detail where ID = %1").arg(f.books.grocer)), 1);
    QCOMPARE(f.books.db.count(QStringLiteral("Transfer where ID = %1").arg(f.books.pocket)), 1);
    QVERIFY(drift(f.books.db).isEmpty());
    // The list shows what is stored.
    QCOMPARE(f.listed(), sorted({"Trans Out Cash Pocket", "Trans In Purse Pocket", "Trans Out Bank ATM",
                                 "Trans In Cash ATM", "Debit Bank Grocer"}));
}

void TestHistoryWindow::copyTwoRows()
{
    Window f;
    f.select({QStringLiteral("Debit:Grocer"), QStringLiteral("Deposit:Employer")});
    child<QAction>(f.w, QStringLiteral("btnCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("3/15/26 11:59:59 PM,Debit,weekly shop,3/15/26,Grocer,4,Food,\r\n"
                            "3/15/26 9:00:00 AM,Deposit,March pay,3/15/26,Employer,10,Salary,\r\n"));
}

void TestHistoryWindow::copyNothingSelected()
{
    Window f;
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    child<QAction>(f.w, QStringLiteral("mniCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

void TestHistoryWindow::printPreviewRendersEveryRow()
{
    Window f;
    for (int i = 0; i < 80; ++i)
        f.books.db.addDetail(0, f.books.card, HistoryBooks::now(), money("1"), QStringLiteral("Row%1").arg(i));
    QTest::mouseClick(child<QRadioButton>(f.w, QStringLiteral("rbMonth")), Qt::LeftButton);
    // Sorted by "from", descending: the print follows the grid's order.
    f.grid()->SortByColumn(From);
    f.grid()->SortByColumn(From);
    const QStringList shownOrder = columnTexts(f.grid()->model(), From);
    const QString pdf = m_dir.filePath(QStringLiteral("preview.pdf"));
    int previewPages = 0;
    {
        ModalDriver driver([&](QDialog* d) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(d);
            QVERIFY(preview != nullptr);
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            previewPages = widget->pageCount();
            preview->printer()->setOutputFormat(QPrinter::PdfFormat);
            preview->printer()->setOutputFileName(pdf);
            widget->print();
        });
        child<QAction>(f.w, QStringLiteral("mniPrint"))->trigger();
        QVERIFY(driver.dialogSeen());
    }
    const QStringList pages = pdfPages(pdf);
    QVERIFY(pages.size() > 1);
    QCOMPARE(pages.size(), previewPages);
    const QString all = pages.join(QString());
    qsizetype at = 0;
    for (const QString& from : shownOrder) {
        const qsizetype found =
            all.indexOf(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(from))), at);
        QVERIFY2(found >= 0, qPrintable(from + QStringLiteral(" missing or out of order")));
        at = found + from.size();
    }
    QVERIFY(pages.last().contains(u"SUM"));
    QVERIFY(pages.last().contains(QStringLiteral("Page %1 of %1").arg(pages.size())));
    // Every page says what it shows: the holder entry, the period, the moment of printing.
    for (const QString& page : pages) {
        for (const char16_t* said : {u"Acc/Wal: All", u"Period: This Month", u"Printed: 3/15/26"})
            QVERIFY2(page.contains(QStringView(said)), qPrintable(page));
    }
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestHistoryWindow::help()
{
    THelpKey::install();
    Window f;
    child<QAction>(f.w, QStringLiteral("btnHelp"))->trigger();
    child<QAction>(f.w, QStringLiteral("mniHelp"))->trigger();
    f.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.w));
    QTest::keyClick(f.w.focusWidget(), Qt::Key_F1);
    const auto requests = THelpRouter::takeRequests();
    QCOMPARE(requests.size(), 3);
    for (const THelpRouter::Request& r : requests) {
        QCOMPARE(r.kind, THelpRouter::Kind::Context);
        QCOMPARE(r.context, 1012);
    }
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
