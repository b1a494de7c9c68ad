#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/THolderEvent.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "data/DbError.h"
#include "data/TClock.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

QStringList entries(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QString statusText(const TFrmMain& w, const char* name)
{
    return w.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void captionAndRegions();
    void commandsExistAndAreEnabled();
    void menusInOrder();
    void toolbarInOrderWithTips();
    void popupMenusInOrder();
    void exitAsksAndObeys_data();
    void exitAsksAndObeys();
    void closingThroughTheFrameAsksNothing();
    void statusBarBeforeAndAfter();
    void clockWritesAfterATick();
    void showTotals_data();
    void showTotals();
    void startWithoutDatabase();
    void outsideCommands_data();
    void outsideCommands();
    void toolsFoundOrTold_data();
    void toolsFoundOrTold();
    void commandsWithoutSelectionDoNothing();
    void commandFailureIsReportedAndProgramGoesOn();
    void totalsSectionGrowsWithTheWindow_data();
    void totalsSectionGrowsWithTheWindow();
    void opensCentredAtItsDesignedSize();
    void exportButtonIsFlat();
};

void TestMainWindow::captionAndRegions()
{
    TestDb db;
    TFrmMain w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Tavrin Budget V1.1"));
    for (const char* name :
         {"tlb1", "pnlTop", "scrlbxLeft", "spl1", "scrlbxWallet", "scrlbxMain", "pnl2", "pnl3", "status", "tmr1"})
        QVERIFY2(w.findChild<QObject*>(QString::fromLatin1(name)) != nullptr, name);
    QCOMPARE(w.findChild<QWidget*>(QStringLiteral("pnlTop"))->height(), 36);
    QCOMPARE(w.findChild<QWidget*>(QStringLiteral("scrlbxWallet"))->height(), 113);
    QVERIFY(w.findChild<QLabel*>(QStringLiteral("statusWelcome"))->sizeHint().width() >= 200);
    QVERIFY(w.findChild<QLabel*>(QStringLiteral("statusTotals"))->sizeHint().width() >= 259);
    // The window has no minimum size worth speaking of: it can be made small.
    QVERIFY(w.minimumSizeHint().width() < 500);
}

void TestMainWindow::commandsExistAndAreEnabled()
{
    TestDb db;
    TFrmMain w;
    const QStringList names =
        QStringLiteral("ExitX1 btnExit mniMenu_NewAccount mniPop_Acc_New mniMenu_NewWallet mniPop_Wal_New "
                       "mniMenu_DeleteAccount mni10 mniMenu_DeleteWallet mniDelete1 mniMenu_AccountInfo "
                       "mniPop_Acc_Info mniMenu_WalletInfo mniWalletInfo2 btnToolProperty mniMenu_Property "
                       "btnToolAccHistory mniMenu_AccountHistory mni7 btnToolWalHistory mniMenu_WalletHistory "
                       "mniHistory1 btnToolDeposite mniMenu_Deposit btnToolDebit mniMenu_Debit "
                       "mniPop_Wal_Deposit mniPop_Wal_Debit mniPop_Acc_DEposit mniPop_Acc_Debit "
                       "btnToolTransfer mniMenu_Transfer mniPop_Wal_Transfer mniPop_Acc_Transfer "
                       "mniMenu_AccountURL mni8 mniMenu_WalletURL mniLunchURL1 mniMenu_Calclator "
                       "mniMenu_Notepad mniMenu_HelpTopics btnToolHelp mniMenu_OnlineTutorial "
                       "mniMenu_Whatsnew mniMenu_Checkupdates mniMenu_Homepage btnToolWeb mniMenu_Support "
                       "mniMenu_SendFeedback mniMenu_About")
            .split(u' ');
    for (const QString& name : names) {
        auto* action = w.findChild<QAction*>(name);
        QVERIFY2(action != nullptr, qPrintable(name));
        QVERIFY2(action->isEnabled(), qPrintable(name));
    }
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("mniMenu_Property"))->shortcut(), QKeySequence(Qt::Key_F4));
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("mniMenu_Transfer"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+T")));
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("mniMenu_AccountURL"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+U")));
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("mniMenu_HelpTopics"))->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char* name : {"mniMenu_Toolbar", "mniMenu_Statusbar"}) {
        auto* action = w.findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY(action->isChecked());
        action->trigger();
        QVERIFY(action->isChecked());
    }
}

void TestMainWindow::menusInOrder()
{
    TestDb db;
    TFrmMain w;
    QStringList titles;
    QList<QStringList> items;
    for (QAction* top : w.menuBar()->actions()) {
        titles << top->text();
        items << entries(top->menu()->actions());
    }
    QCOMPARE(titles, (QStringList{"&File", "&View", "&Accounts", "&Wallets", "T&ransactions", "T&ools", "&Help"}));
    QCOMPARE(items.at(0), (QStringList{"&Import Statement...", "&Undo Import...", "-", "&Back Up Now...",
                                       "&Restore Backup...", "-", "&Exit"}));
    QCOMPARE(items.at(1), (QStringList{"&Toolbar", "&Statusbar", "-", "&Properties", "&Reports..."}));
    QCOMPARE(items.at(2), (QStringList{"&New Account...", "&Delete Account", "-", "Account &Info...",
                                       "Account &History...", "Account &URL..."}));
    QCOMPARE(items.at(3), (QStringList{"&New Wallet...", "&Delete Wallet", "-", "Wallet &Info...", "Wallet &History...",
                                       "Wallet &URL..."}));
    QCOMPARE(items.at(4), (QStringList{"&Debit...", "D&eposit...", "-", "&Transfer...", "-", "&Standing Orders..."}));
    QCOMPARE(items.at(5), (QStringList{"&Calclator", "Note&pad"}));
    QCOMPARE(items.at(6),
             (QStringList{"&Help Topics", "Online T&utorial...", "-", "&Product Homepage...", "&What's new...",
                          "Technical Support...", "Check for &updates...", "&Send Feedback", "-", "&About..."}));
}

void TestMainWindow::toolbarInOrderWithTips()
{
    TestDb db;
    TFrmMain w;
    auto* bar = w.findChild<QToolBar*>(QStringLiteral("tlb1"));
    QCOMPARE(entries(bar->actions()), (QStringList{"Deposit", "Debit", "Transfer", "-", "Property", "Acc History",
                                                   "Wall History", "Reports", "-", "Help", "WebPage", "Exit"}));
    QStringList tips;
    for (QAction* a : bar->actions()) {
        if (!a->isSeparator())
            tips << a->toolTip();
    }
    QCOMPARE(tips,
             (QStringList{"Deposit your money into your account or wallet",
                          "Debit an account or a wallet to spend some money",
                          "transfer money from one account to another or from one wallet to another",
                          "Show detail information of a specified account or wallet",
                          "Show a historic list for a specified account", "Show a historic list for a specified wallet",
                          "Show where the money goes and how the balances moved", "Show the help file",
                          "Go to the author's webpage", "Exit the program"}));
    QCOMPARE(bar->iconSize(), QSize(32, 32));
    for (QAction* a : bar->actions()) {
        if (a->isSeparator())
            continue;
        QWidget* button = bar->widgetForAction(a);
        QCOMPARE(button->height(), 52);
        QVERIFY(button->width() >= 63);
    }
}

void TestMainWindow::popupMenusInOrder()
{
    TestDb db;
    TFrmMain w;
    auto menu = [&](const char* name) {
        return entries(w.findChild<QMenu*>(QString::fromLatin1(name))->actions());
    };
    QCOMPARE(menu("pmWallet"), (QStringList{"Wallet &Info...", "-", "De&posit...", "De&bit...", "&Transfer...", "-",
                                            "&History...", "I&mport Statement...", "&Lunch URL", "-", "&Delete"}));
    QCOMPARE(menu("pmAccount"), (QStringList{"Account &Info...", "-", "De&posit...", "De&bit...", "&Transfer...", "-",
                                             "&History...", "I&mport Statement...", "&Lunch URL", "-", "&Delete"}));
    QCOMPARE(menu("pmAccountPanel"), QStringList{"&New Account..."});
    QCOMPARE(menu("pmWalletPanel"), QStringList{"&New Wallet..."});
}

void TestMainWindow::exitAsksAndObeys_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("yes");
    dataRow("menu, Yes", "ExitX1", true);
    dataRow("menu, No", "ExitX1", false);
    dataRow("toolbar, Yes", "btnExit", true);
    dataRow("toolbar, No", "btnExit", false);
}

void TestMainWindow::exitAsksAndObeys()
{
    QFETCH(QString, command);
    QFETCH(bool, yes);
    TestDb db;
    TFrmMain w;
    w.show();
    TMessageService::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
    w.findChild<QAction*>(command)->trigger();
    QCOMPARE(shownBoxes(), QStringList{"Query (Question, Yes|No): Are you sure to exit?"});
    QCOMPARE(w.isVisible(), !yes);
}

void TestMainWindow::closingThroughTheFrameAsksNothing()
{
    TestDb db;
    TFrmMain w;
    w.show();
    QVERIFY(w.close());
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestMainWindow::statusBarBeforeAndAfter()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    db.addHolder(QStringLiteral("Big"), 2, money("-12345678.9"));
    TFrmMain w;
    QCOMPARE(statusText(w, "statusWelcome"), QStringLiteral("Welcome to use Tavrin Bugget V1.1"));
    QCOMPARE(statusText(w, "statusTotals"), QStringLiteral("account Info"));
    QCOMPARE(statusText(w, "statusClock"), QStringLiteral("Time"));
    QCOMPARE(w.currentHolderId(), 0);
    w.show();
    w.WMHolderSelect(id, false);
    QCOMPARE(statusText(w, "statusTotals"),
             QStringLiteral("Total: ($12,345,578.90)  Account: $100.00  Wallet: ($12,345,678.90)"));
    // Every section shows its whole text.
    QCoreApplication::processEvents();
    for (const char* name : {"statusWelcome", "statusTotals"}) {
        auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), name);
    }
    QCOMPARE(w.currentHolderId(), id);
}

void TestMainWindow::clockWritesAfterATick()
{
    TestDb db;
    TClock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(18, 5, 9)));
    TFrmMain w;
    auto* timer = w.findChild<QTimer*>(QStringLiteral("tmr1"));
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(statusText(w, "statusClock"), QStringLiteral("12/8/26 6:05:09 PM"), 3000);
    pinLocale("de_DE");
    w.tmr1Timer();
    QCOMPARE(statusText(w, "statusClock"), QStringLiteral("08.12.26 18:05:09"));
}

void TestMainWindow::showTotals_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    dataRow("en_US", "en_US", "Total: $106.00  Account: $100.00  Wallet: $6.00");
    dataRow("de_DE", "de_DE", QString::fromUtf8("Total: 106,00\u00a0€  Account: 100,00\u00a0€  Wallet: 6,00\u00a0€"));
}

void TestMainWindow::showTotals()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    TestDb db;
    db.addHolder(QStringLiteral("Cash"), 2, money("10"));
    db.addHolder(QStringLiteral("Purse"), 2, money("-4"));
    db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    TFrmMain w;
    QLocale::setDefault(QLocale(locale));
    w.ShowTotals();
    QCOMPARE(statusText(w, "statusTotals"), text);
}

void TestMainWindow::startWithoutDatabase()
{
    QTemporaryDir dir;
    TDM dm(dir.filePath(QStringLiteral("Data.mdb")));
    TErrorReport::run(nullptr, [&dm] { dm.DataModuleCreate(); });
    TFrmMain w;
    w.show();
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 2); // opening the file, then loading the account tiles
    for (const auto& box : shown) {
        QVERIFY2(box.text.contains(QStringLiteral("unable to open database file")), qPrintable(box.text));
        QCOMPARE(box.icon, QMessageBox::Critical);
    }
    QVERIFY(w.findChildren<TImageCtrl*>().isEmpty());
    QVERIFY(w.isVisible());
    // A later command that touches the database reports the same text, and the window stays.
    THolderEvent select(THolderEvent::WM_HOLDERSELECT, 1, 0);
    QCoreApplication::sendEvent(&w, &select);
    const auto later = TMessageService::takeShown();
    QCOMPARE(later.size(), 1);
    QCOMPARE(later[0].text, shown[0].text);
    QVERIFY(w.isVisible());
}

void TestMainWindow::outsideCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("request");
    dataRow("tutorial", "mniMenu_OnlineTutorial", "https://tavrin-budget.example.org/features.htm");
    dataRow("what's new", "mniMenu_Whatsnew", "https://tavrin-budget.example.org/features.htm");
    dataRow("updates", "mniMenu_Checkupdates", "https://tavrin-budget.example.org/features.htm");
    dataRow("home page", "mniMenu_Homepage", "https://tavrin-budget.example.org/");
    dataRow("web button", "btnToolWeb", "https://tavrin-budget.example.org/");
    dataRow("support", "mniMenu_Support", "https://tavrin-budget.example.org/support.htm");
    dataRow("feedback", "mniMenu_SendFeedback", "mailto:support@tavrin-budget.example.org");
    dataRow("calculator", "mniMenu_Calclator", "run:gnome-calculator");
    dataRow("notepad", "mniMenu_Notepad", "run:gnome-text-editor");
}

void TestMainWindow::outsideCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, request);
    TestDb db;
    TFrmMain w;
    w.findChild<QAction*>(command)->trigger();
    const QStringList requests = TShell::takeRequests();
    QCOMPARE(requests.size(), 1);
    QVERIFY2(requests.first().startsWith(request), qPrintable(requests.first()));
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestMainWindow::toolsFoundOrTold_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("told"); // the request when one was found
    dataRow("a calculator", "mniMenu_Calclator", "qalculate-qt", "run:qalculate-qt");
    dataRow("no calculator", "mniMenu_Calclator", "gedit",
            "No calculator was found. Install one, such as GNOME Calculator or KCalc.");
    dataRow("no text editor", "mniMenu_Notepad", "kcalc",
            "No text editor was found. Install one, such as GNOME Text Editor or Kate.");
}

void TestMainWindow::toolsFoundOrTold()
{
    QFETCH(QString, command);
    QFETCH(QString, installed);
    QFETCH(QString, told);
    TestDb db;
    TFrmMain w;
    TShell::setTestPrograms(QStringList{installed});
    w.findChild<QAction*>(command)->trigger();
    QCOMPARE(TShell::takeRequests() + shownTexts(), QStringList{told});
}

void TestMainWindow::commandsWithoutSelectionDoNothing()
{
    TestDb db;
    db.addHolder(QStringLiteral("Bank"), 0, {}, false, false, QStringLiteral("https://bank.example"));
    db.addHolder(QStringLiteral("Cash"), 2);
    TFrmMain w;
    for (const char* name : {"btnToolDeposite", "btnToolDebit", "btnToolProperty", "mniMenu_AccountInfo",
                             "mniMenu_WalletInfo", "mniMenu_AccountURL", "mniMenu_WalletURL", "mniMenu_DeleteAccount",
                             "mniMenu_DeleteWallet", "mniPop_Wal_Deposit", "mniPop_Acc_Debit"})
        w.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    QVERIFY(TMessageService::takeShown().isEmpty());
    QVERIFY(TShell::takeRequests().isEmpty());
    QCOMPARE(db.count(QStringLiteral("Account")), 2);
    QVERIFY(QApplication::topLevelWidgets().size() >= 1);
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible() || top == &w, qPrintable(top->objectName()));
}

void TestMainWindow::commandFailureIsReportedAndProgramGoesOn()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Bank"), 0);
    TFrmMain w;
    w.show();
    db.dm().execute(QStringLiteral("drop table Detail"));
    // The delete command asks whether bookings refer to the holder; that statement fails now.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    auto* tile = w.panelMgr()->accounts().front()->Tile;
    QCoreApplication::sendEvent(tile, &press);
    TMessageService::takeShown();
    w.findChild<QAction*>(QStringLiteral("mniMenu_DeleteAccount"))->trigger();
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].text.contains(QStringLiteral("no such table")), qPrintable(shown[0].text));
    QVERIFY(w.isVisible());
    QCOMPARE(TDM::LoadHolder(id).Name, QStringLiteral("Bank"));
}

void TestMainWindow::totalsSectionGrowsWithTheWindow_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("sectionWidth");
    dataRow("designed", 875, 259);
    dataRow("narrower", 700, 259);
    dataRow("25 wider", 900, 284);
    dataRow("41 wider", 916, 300);
    dataRow("much wider", 1400, 300);
}

void TestMainWindow::totalsSectionGrowsWithTheWindow()
{
    QFETCH(int, windowWidth);
    QFETCH(int, sectionWidth);
    TestDb db;
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The window's outer width, frame included.
    const int frame = w.frameGeometry().width() - w.width();
    w.resize(windowWidth - frame, 605);
    QTRY_COMPARE(w.frameGeometry().width(), windowWidth);
    auto* totals = w.findChild<QLabel*>(QStringLiteral("statusTotals"));
    QTRY_COMPARE(totals->width(), sectionWidth);
    // The welcome section keeps its own width.
    auto* welcome = w.findChild<QLabel*>(QStringLiteral("statusWelcome"));
    QCOMPARE(welcome->width(), welcome->sizeHint().width());
}

void TestMainWindow::opensCentredAtItsDesignedSize()
{
    TestDb db;
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Centred where the screen is large enough, else from its top or left edge.
    const QRect area = w.screen()->availableGeometry();
    const QRect expected(area.x() + qMax(0, (area.width() - 875) / 2), area.y() + qMax(0, (area.height() - 605) / 2),
                         875, 605);
    QTRY_COMPARE(w.frameGeometry(), expected);
}

void TestMainWindow::exportButtonIsFlat()
{
    TestDb db;
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* button = w.findChild<QPushButton*>(QStringLiteral("btnExport"));
    QVERIFY(button->isFlat());
    // Not hovered, a flat button shows no frame: its edge is drawn like the bar beside it.
    QWidget* bar = button->parentWidget();
    const QRect around = button->geometry().adjusted(-3, 0, 3, 0);
    const QImage image = bar->grab(around).toImage();
    const int y = image.height() / 2;
    QCOMPARE(QColor(image.pixel(3, y)), QColor(image.pixel(0, y)));
    QCOMPARE(QColor(image.pixel(image.width() - 4, y)), QColor(image.pixel(image.width() - 1, y)));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
