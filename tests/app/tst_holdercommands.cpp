#include "ModalDriver.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Window
{
    TestDb db;
    std::unique_ptr<TFrmMain> w;

    void open()
    {
        w = std::make_unique<TFrmMain>();
        w->show();
    }
    TImageCtrl* tile(qint32 id) const { return w->findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(id)); }
    void press(qint32 id) const { QTest::mouseClick(tile(id), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
    void trigger(const char* name) const { w->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
};

void setName(QDialog* dialog, const QString& name)
{
    dialog->findChild<QLineEdit*>(QStringLiteral("edtName"))->setText(name);
}

void clickSave(QDialog* dialog)
{
    QPushButton* save = dialog->findChild<QPushButton*>(QStringLiteral("btnSave"));
    if (save == nullptr)
        save = dialog->findChild<QPushButton*>(QStringLiteral("btnOK"));
    QTest::mouseClick(save, Qt::LeftButton);
}

} // namespace

class TestHolderCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void deleteRefusedWhileBookingsReferToTheHolder_data();
    void deleteRefusedWhileBookingsReferToTheHolder();
    void deleteCancelledDeletesNothing();
    void failedDeleteIsReported_data();
    void failedDeleteIsReported();
    void deleteRebuildsOnlyThatFamily_data();
    void deleteRebuildsOnlyThatFamily();
    void newHolderAppearsInItsRow_data();
    void newHolderAppearsInItsRow();
    void newHolderCancelledChangesNothing();
    void propertiesPrefersTheWallet();
    void infoCommandSavesAndRepaintsTheTile_data();
    void infoCommandSavesAndRepaintsTheTile();
    void doubleClickOpensTheRightDialog_data();
    void doubleClickOpensTheRightDialog();
    void holderWebAddress();
};

void TestHolderCommands::init()
{
    pinLocale("en_US");
    TMessageService::setTestMode(true);
    TShell::setTestMode(true);
}

void TestHolderCommands::deleteRefusedWhileBookingsReferToTheHolder_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("asSource");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    const QString account = QStringLiteral("The account is using now, please delete its history first!");
    const QString wallet = QStringLiteral("The wallet is using now, please delete its history first!");
    QTest::newRow("account, transfer source, menu") << false << true << "mniMenu_DeleteAccount" << account;
    QTest::newRow("account, transfer destination, pop-up") << false << false << "mni10" << account;
    QTest::newRow("wallet, transfer source, pop-up") << true << true << "mniDelete1" << wallet;
    QTest::newRow("wallet, transfer destination, menu") << true << false << "mniMenu_DeleteWallet" << wallet;
}

void TestHolderCommands::deleteRefusedWhileBookingsReferToTheHolder()
{
    QFETCH(bool, wallet);
    QFETCH(bool, asSource);
    QFETCH(QString, command);
    QFETCH(QString, message);
    Window f;
    const qint32 holder = f.db.addHolder(QStringLiteral("Used"), wallet ? 2 : 0);
    const qint32 other = f.db.addHolder(QStringLiteral("Other"), wallet ? 0 : 2);
    const QDateTime when(QDate(2026, 5, 1), QTime(9, 0));
    if (asSource)
        f.db.addTransfer(holder, other, when, money("5"));
    else
        f.db.addTransfer(other, holder, when, money("5"));
    f.open();
    f.press(holder);
    f.trigger(qPrintable(command));
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Error"));
    QCOMPARE(shown[0].text, message);
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QCOMPARE(f.db.count(QStringLiteral("Account")), 2);
}

void TestHolderCommands::deleteCancelledDeletesNothing()
{
    Window f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0);
    f.open();
    f.press(a);
    TMessageService::setNextAnswer(QMessageBox::Cancel);
    f.trigger("mniMenu_DeleteAccount");
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("Query"));
    QCOMPARE(shown[0].text, QStringLiteral("Are you sure to delete this information?"));
    QCOMPARE(shown[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(f.db.count(QStringLiteral("Account")), 1);
    QCOMPARE(f.w->panelMgr()->SelectedAccountTile(), f.tile(a));
}

void TestHolderCommands::failedDeleteIsReported_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("account, menu") << false << "mniMenu_DeleteAccount"
                                   << "Deleting Account error";
    QTest::newRow("account, pop-up") << false << "mni10"
                                     << "Deleting Account error";
    QTest::newRow("wallet, menu") << true << "mniMenu_DeleteWallet"
                                  << "Deleting Wallet error";
    QTest::newRow("wallet, pop-up") << true << "mniDelete1"
                                    << "Deleting Wallet error";
}

void TestHolderCommands::failedDeleteIsReported()
{
    QFETCH(bool, wallet);
    QFETCH(QString, command);
    QFETCH(QString, message);
    Window f;
    const qint32 holder = f.db.addHolder(QStringLiteral("Kept"), wallet ? 2 : 0);
    f.open();
    f.press(holder);
    // The database leaves the row alone: no row is deleted, and no error is raised.
    f.db.addTrigger(QStringLiteral("Account"), QStringLiteral("DELETE"), TestDb::TriggerEffect::Skip);
    TMessageService::setNextAnswer(QMessageBox::Ok);
    f.trigger(qPrintable(command));
    const auto shown = TMessageService::takeShown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, QStringLiteral("Are you sure to delete this information?"));
    QCOMPARE(shown[1].title, QStringLiteral("Error"));
    QCOMPARE(shown[1].text, message);
    QCOMPARE(shown[1].icon, QMessageBox::Critical);
    QCOMPARE(shown[1].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(f.db.count(QStringLiteral("Account")), 1);
    // Nothing was rebuilt: the tile is still there and selected.
    TPanelMgr* mgr = f.w->panelMgr();
    QCOMPARE(wallet ? mgr->SelectedWalletTile() : mgr->SelectedAccountTile(), f.tile(holder));
}

void TestHolderCommands::deleteRebuildsOnlyThatFamily_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::newRow("wallet") << true;
    QTest::newRow("account") << false;
}

void TestHolderCommands::deleteRebuildsOnlyThatFamily()
{
    QFETCH(bool, wallet);
    Window f;
    const qint32 a1 = f.db.addHolder(QStringLiteral("A1"), 0);
    const qint32 a2 = f.db.addHolder(QStringLiteral("A2"), 1);
    const qint32 w1 = f.db.addHolder(QStringLiteral("W1"), 2);
    const qint32 w2 = f.db.addHolder(QStringLiteral("W2"), 2);
    f.open();
    f.press(a1);
    f.press(w1);
    TMessageService::setNextAnswer(QMessageBox::Ok);
    f.trigger(wallet ? "mniMenu_DeleteWallet" : "mniMenu_DeleteAccount");
    QCOMPARE(TMessageService::takeShown().size(), 1);
    TPanelMgr* mgr = f.w->panelMgr();
    if (wallet) {
        QCOMPARE(TDM::LoadHolder(w1).ID, 0);
        QCOMPARE(mgr->wallets().size(), std::size_t(1));
        QCOMPARE(mgr->wallets()[0]->ID, w2);
        QVERIFY(mgr->SelectedWalletTile() == nullptr);
        QCOMPARE(mgr->SelectedAccountTile(), f.tile(a1));
    } else {
        QCOMPARE(TDM::LoadHolder(a1).ID, 0);
        QCOMPARE(mgr->accounts().size(), std::size_t(1));
        QCOMPARE(mgr->accounts()[0]->ID, a2);
        QVERIFY(mgr->SelectedAccountTile() == nullptr);
        QCOMPARE(mgr->SelectedWalletTile(), f.tile(w1));
    }
}

void TestHolderCommands::newHolderAppearsInItsRow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("wallet");
    QTest::newRow("menu, wallet") << "mniMenu_NewWallet" << true;
    QTest::newRow("pop-up, wallet") << "mniPop_Wal_New" << true;
    QTest::newRow("menu, account") << "mniMenu_NewAccount" << false;
    QTest::newRow("pop-up, account") << "mniPop_Acc_New" << false;
}

void TestHolderCommands::newHolderAppearsInItsRow()
{
    QFETCH(QString, command);
    QFETCH(bool, wallet);
    Window f;
    const qint32 a = f.db.addHolder(QStringLiteral("Bank"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("Cash"), 2);
    f.open();
    f.press(a);
    f.press(w);
    ModalDriver driver([](QDialog* d) {
        setName(d, QStringLiteral(" Pocket "));
        clickSave(d);
    });
    f.trigger(qPrintable(command));
    QVERIFY(driver.dialogSeen());
    QCOMPARE(driver.seenClass(), QString::fromLatin1(wallet ? "TFrmWallet" : "TFrmBankAccount"));
    TPanelMgr* mgr = f.w->panelMgr();
    const auto& row = wallet ? mgr->wallets() : mgr->accounts();
    QCOMPARE(row.size(), std::size_t(2));
    QCOMPARE(row[1]->Name, QStringLiteral("Pocket"));
    QCOMPARE(static_cast<TImageCtrl*>(row[1]->Tile)->pos(), TPanelMgr::tilePosition(wallet, 1));
    // Only the new holder's row was rebuilt.
    QCOMPARE(wallet ? mgr->SelectedAccountTile() : mgr->SelectedWalletTile(), f.tile(wallet ? a : w));
    QVERIFY((wallet ? mgr->SelectedWalletTile() : mgr->SelectedAccountTile()) == nullptr);
}

void TestHolderCommands::newHolderCancelledChangesNothing()
{
    Window f;
    const qint32 w = f.db.addHolder(QStringLiteral("Cash"), 2);
    f.open();
    f.press(w);
    ModalDriver driver([](QDialog* d) {
        setName(d, QStringLiteral("Never"));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    });
    f.trigger("mniMenu_NewWallet");
    QVERIFY(driver.dialogSeen());
    QCOMPARE(f.db.count(QStringLiteral("Account")), 1);
    QCOMPARE(f.w->panelMgr()->SelectedWalletTile(), f.tile(w));
}

void TestHolderCommands::propertiesPrefersTheWallet()
{
    Window f;
    const qint32 a = f.db.addHolder(QStringLiteral("Bank"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("Cash"), 2);
    f.open();
    f.press(a);
    {
        ModalDriver driver([](QDialog*) {});
        f.trigger("btnToolProperty");
        QCOMPARE(driver.seenClass(), QStringLiteral("TFrmBankAccount"));
    }
    f.press(w);
    ModalDriver driver([](QDialog* d) {
        QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("edtName"))->text(), QStringLiteral("Cash"));
    });
    f.trigger("mniMenu_Property");
    QCOMPARE(driver.seenClass(), QStringLiteral("TFrmWallet"));
}

void TestHolderCommands::infoCommandSavesAndRepaintsTheTile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("wallet");
    QTest::newRow("account info") << "mniMenu_AccountInfo" << false;
    QTest::newRow("account info, pop-up") << "mniPop_Acc_Info" << false;
    QTest::newRow("wallet info") << "mniMenu_WalletInfo" << true;
    QTest::newRow("wallet info, pop-up") << "mniWalletInfo2" << true;
}

void TestHolderCommands::infoCommandSavesAndRepaintsTheTile()
{
    QFETCH(QString, command);
    QFETCH(bool, wallet);
    Window f;
    const qint32 id = f.db.addHolder(QStringLiteral("Old"), wallet ? 2 : 0, money("7"));
    f.open();
    f.press(id);
    const QImage before = f.tile(id)->picture().toImage();
    ModalDriver driver([](QDialog* d) {
        setName(d, QStringLiteral("Renamed"));
        clickSave(d);
    });
    f.trigger(qPrintable(command));
    QVERIFY(driver.dialogSeen());
    QCOMPARE(f.tile(id)->dataInfo()->Name, QStringLiteral("Renamed"));
    QCOMPARE(f.tile(id)->dataInfo()->Balance, money("7"));
    QVERIFY(f.tile(id)->picture().toImage() != before);
}

void TestHolderCommands::doubleClickOpensTheRightDialog_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::newRow("wallet") << true;
    QTest::newRow("account") << false;
}

void TestHolderCommands::doubleClickOpensTheRightDialog()
{
    QFETCH(bool, wallet);
    Window f;
    const qint32 id = f.db.addHolder(QStringLiteral("Twin"), wallet ? 2 : 1, money("-3"));
    f.open();
    ModalDriver driver([](QDialog* d) {
        // The dialog shows the holder read afresh.
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("lblBalance"))->text(), QStringLiteral("($3.00)"));
        setName(d, QStringLiteral("Twin 2"));
        clickSave(d);
    });
    QTest::mouseDClick(f.tile(id), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(driver.dialogSeen());
    QCOMPARE(driver.seenClass(), QString::fromLatin1(wallet ? "TFrmWallet" : "TFrmBankAccount"));
    QTRY_COMPARE(f.tile(id)->dataInfo()->Name, QStringLiteral("Twin 2"));
    QVERIFY(f.tile(id)->isSelected());
}

void TestHolderCommands::holderWebAddress()
{
    Window f;
    const qint32 a =
        f.db.addHolder(QStringLiteral("Bank"), 0, {}, false, false, QStringLiteral("https://bank.example/"));
    const qint32 w = f.db.addHolder(QStringLiteral("Cash"), 2, {}, false, false, QStringLiteral("wallet.example"));
    f.open();
    f.press(a);
    f.press(w);
    f.trigger("mniMenu_AccountURL");
    f.trigger("mniLunchURL1");
    QCOMPARE(TShell::takeRequests(),
             (QStringList{QStringLiteral("https://bank.example/"), QStringLiteral("http://wallet.example")}));
}

QTEST_MAIN(TestHolderCommands)
#include "tst_holdercommands.moc"
