#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "data/TPaths.h"
#include "help/TChmFile.h"
#include "help/TChmHelpEngine.h"
#include "help/THelpKey.h"
#include "help/THelpRouter.h"
#include "help/THelpSetup.h"
#include "holders/TFrmBankAccount.h"
#include "holders/TFrmWallet.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <functional>

// What the windows ask of the help: Help buttons and F1 ask for the window's own context, the main
// window's F1, "&Help Topics" and toolbar Help for the contents; and, through the program's help
// set-up, the help window that then opens.
class TestHelpKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void dialogsAskForTheirContext_data();
    void dialogsAskForTheirContext();
    void mainWindowAsksForContents_data();
    void mainWindowAsksForContents();
    void nearestContainerWithAContext_data();
    void nearestContainerWithAContext();
    void f1InTheHelpWindowAsksNothing();
    void helpWindowOpensOnThePage_data();
    void helpWindowOpensOnThePage();
};

namespace {

using Factory = std::function<std::unique_ptr<QWidget>()>;

} // namespace

void TestHelpKeys::initTestCase()
{
    pinLocale("en_US");
    TMessageService::setTestMode(true);
    TShell::setTestMode(true);
    THelpKey::install();
    TChmFile::setCheckProgram(TPaths::helpCheckProgram());
}

void TestHelpKeys::init()
{
    THelpRouter::takeRequests();
}

void TestHelpKeys::dialogsAskForTheirContext_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("context");
    dataRow("account", Factory([] { return std::make_unique<TFrmBankAccount>(); }), "btnHelp", "edtName", 1007);
    dataRow("wallet", Factory([] { return std::make_unique<TFrmWallet>(); }), "btnHelp", "edtURL", 1008);
    dataRow("deposit", Factory([] { return std::make_unique<TFrmDeposit>(); }), "btnHelp", "edtAmmount", 1009);
    dataRow("debit", Factory([] { return std::make_unique<TFrmDebit>(); }), "btnHelp", "edtFor", 1010);
    dataRow("transfer", Factory([] { return std::make_unique<TFrmTransfer>(); }), "btn1", "edtAmmount", 1011);
}

void TestHelpKeys::dialogsAskForTheirContext()
{
    QFETCH(Factory, make);
    QFETCH(QString, button);
    QFETCH(QString, focused);
    QFETCH(int, context);
    TestDb db;
    const std::unique_ptr<QWidget> window = make();
    window->show();

    child<QPushButton>(window.get(), button)->click();
    auto* control = child<QWidget>(window.get(), focused);
    QTest::keyClick(control, Qt::Key_F1);
    // With the focus on the Help button itself, F1 asks the same.
    QTest::keyClick(child<QPushButton>(window.get(), button), Qt::Key_F1);

    QCOMPARE(helpRequests(), QStringList(3, QStringLiteral("context %1").arg(context)));
}

void TestHelpKeys::mainWindowAsksForContents_data()
{
    QTest::addColumn<QString>("how");
    dataRow("F1", "F1");
    dataRow("F1 on the export button", "F1 btnExport");
    dataRow("Help Topics", "mniMenu_HelpTopics");
    dataRow("toolbar Help", "btnToolHelp");
}

void TestHelpKeys::mainWindowAsksForContents()
{
    QFETCH(QString, how);
    TestDb db;
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (how == QLatin1String("F1"))
        QTest::keyClick(&w, Qt::Key_F1);
    else if (how == QLatin1String("F1 btnExport"))
        QTest::keyClick(child<QPushButton>(&w, QStringLiteral("btnExport")), Qt::Key_F1);
    else
        child<QAction>(&w, how)->trigger();
    QCOMPARE(helpRequests(), QStringList{"contents 1000"});
}

void TestHelpKeys::nearestContainerWithAContext_data()
{
    QTest::addColumn<QVariant>("outer");
    QTest::addColumn<QVariant>("inner");
    QTest::addColumn<int>("context");
    dataRow("the window's", QVariant(1012), QVariant(), 1012);
    dataRow("the nearer container's", QVariant(1012), QVariant(1000), 1000);
    dataRow("0 is none", QVariant(1012), QVariant(0), 1012);
    dataRow("not a number", QVariant(1012), QVariant(QStringLiteral("x")), 1012);
    dataRow("none at all: F1 passes on", QVariant(), QVariant(), 0);
}

void TestHelpKeys::nearestContainerWithAContext()
{
    QFETCH(QVariant, outer);
    QFETCH(QVariant, inner);
    QFETCH(int, context);
    QWidget window;
    QWidget panel(&window);
    QLineEdit edit(&panel);
    window.setProperty("helpContext", outer);
    panel.setProperty("helpContext", inner);
    QCOMPARE(THelpKey::contextOf(&edit), context);
    window.show();
    QTest::keyClick(&edit, Qt::Key_F1);
    QCOMPARE(helpRequests(), context ? QStringList{QStringLiteral("context %1").arg(context)} : QStringList());
}

void TestHelpKeys::f1InTheHelpWindowAsksNothing()
{
    QDialog owner;
    owner.setProperty("helpContext", 1008);
    owner.show();
    TChmHelpEngine engine;
    engine.HtmlHelp(owner.windowHandle(), TPaths::helpFile(), THelpEngine::HelpContext, 1008);
    QVERIFY(shownHelpWindow());
    QCOMPARE(shownHelpWindow()->parentWidget(), &owner);
    QTest::keyClick(child<QWidget>(shownHelpWindow(), QStringLiteral("brwTopic")), Qt::Key_F1);
    QVERIFY(THelpRouter::takeRequests().isEmpty());
}

void TestHelpKeys::helpWindowOpensOnThePage_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("pane");
    dataRow("Help in the wallet dialog", "wallet", "The wallet dialog", 0);
    dataRow("F1 in the transfer dialog", "transfer", "The transfer dialog", 0);
    dataRow("Help Topics", "topics", "Welcome to Tavrin Budget", 0);
}

void TestHelpKeys::helpWindowOpensOnThePage()
{
    QFETCH(QString, how);
    QFETCH(QString, title);
    QFETCH(int, pane);
    TestDb db;
    // As the program starts: the help file beside the program, the engine and the viewer.
    THelpSetup help(TPaths::helpFile(), TPaths::helpCheckProgram());
    if (how == QLatin1String("wallet")) {
        TFrmWallet w;
        w.show();
        child<QPushButton>(&w, QStringLiteral("btnHelp"))->click();
    } else if (how == QLatin1String("transfer")) {
        TFrmTransfer t;
        t.show();
        QTest::keyClick(child<QWidget>(&t, QStringLiteral("cbbFrom")), Qt::Key_F1);
    } else {
        TFrmMain w;
        w.show();
        child<QAction>(&w, QStringLiteral("mniMenu_HelpTopics"))->trigger();
    }
    QWidget* shown = shownHelpWindow();
    QVERIFY(shown);
    QCOMPARE(child<QTextBrowser>(shown, QStringLiteral("brwTopic"))->documentTitle(), title);
    QCOMPARE(child<QTabWidget>(shown, QStringLiteral("tabPanes"))->currentIndex(), pane);
}

QTEST_MAIN(TestHelpKeys)
#include "tst_helpkeys.moc"
