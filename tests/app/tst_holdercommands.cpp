#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "HistoryBooks.h"
#include "ModalDriver.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The main window over the holders of `db` (a TestDb, or HistoryBooks whose open() comes at once),
// once open() has made it.
template <class Db>
struct MainOver
{
    Db db;
    std::unique_ptr<TFrmMain> w;

    void open()
    {
        w = std::make_unique<TFrmMain>();
        w->show();
    }
    TImageCtrl* tile(qint32 id) const { return w->findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(id)); }
    void press(qint32 id) const { QTest::mouseClick(tile(id), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
    void trigger(const QString& name) const { child<QAction>(*w, name)->trigger(); }
};
using Window = MainOver<TestDb>;

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
    void init() { startWindowTest(); }
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
    void historyOpenersPreselectTheTilesHolder_data();
    void historyOpenersPreselectTheTilesHolder();
    void tilesShowTheBalancesAfterTheHistoryCloses();
};

void TestHolderCommands::deleteRefusedWhileBookingsReferToTheHolder_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("asSource");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    const QString account = QStringLiteral("The account is using now, please delete its history first!");
    const QString wallet = QStringLiteral("The wallet is using now, please delete its history first!");
    dataRow("account, transfer source, menu", false, true, "mniMenu_DeleteAccount", account);
    dataRow("account, transfer destination, pop-up", false, false, "mni10", account);
    dataRow("wallet, transfer source, pop-up", true, true, "mniDelete1", wallet);
    dataRow("wallet, transfer destination, menu", true, false, "mniMenu_DeleteWallet", wallet);
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
    f.trigger(command);
    QCOMPARE(shownBoxes(), QStringList{"Error (Critical, Ok): " + message});
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
    QCOMPARE(shownBoxes(), QStringList{"Query (Question, Ok|Cancel): Are you sure to delete this information?"});
    QCOMPARE(f.db.count(QStringLiteral("Account")), 1);
    QCOMPARE(f.w->panelMgr()->SelectedAccountTile(), f.tile(a));
}

void TestHolderCommands::failedDeleteIsReported_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    dataRow("account, menu", false, "mniMenu_DeleteAccount", "Deleting Account error");
    dataRow("account, pop-up", false, "mni10", "Deleting Account error");
    dataRow("wallet, menu", true, "mniMenu_DeleteWallet", "Deleting Wallet error");
    dataRow("wallet, pop-up", true, "mniDelete1", "Deleting Wallet error");
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
    f.trigger(command);
    QCOMPARE(shownBoxes(), (QStringList{"Query (Question, Ok|Cancel): Are you sure to delete this information?",
                                        "Error (Critical, Ok): " + message}));
    QCOMPARE(f.db.count(QStringLiteral("Account")), 1);
    // Nothing was rebuilt: the tile is still there and selected.
    TPanelMgr* mgr = f.w->panelMgr();
    QCOMPARE(wallet ? mgr->SelectedWalletTile() : mgr->SelectedAccountTile(), f.tile(holder));
}

void TestHolderCommands::deleteRebuildsOnlyThatFamily_data()
{
    QTest::addColumn<bool>("wallet");
    dataRow("wallet", true);
    dataRow("account", false);
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
    dataRow("menu, wallet", "mniMenu_NewWallet", true);
    dataRow("pop-up, wallet", "mniPop_Wal_New", true);
    dataRow("menu, account", "mniMenu_NewAccount", false);
    dataRow("pop-up, account", "mniPop_Acc_New", false);
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
    f.trigger(command);
    QVERIFY(driver.dialogSeen());
    QCOMPARE(driver.seenClass(), QString::fromLatin1(wallet ? "TFrmWallet" : "TFrmBankAccount"));
    TPanelMgr* mgr = f.w->panelMgr();
    const auto& row = wallet ? mgr->wallets() : mgr->accounts();
    QCOMPARE(row.size(), std::size_t(2));
    QCOMPARE(row[1]->Name, QStringLiteral("Pocket"));
    QCOMPARE(static_cast<TImageCtrl*>(row[1]->Tile)->pos(), TPanelMgr::tilePosition(wallet, 1));
    // The rebuilt row keeps its selection, as the other row does.
    QCOMPARE(wallet ? mgr->SelectedAccountTile() : mgr->SelectedWalletTile(), f.tile(wallet ? a : w));
    QCOMPARE(wallet ? mgr->SelectedWalletTile() : mgr->SelectedAccountTile(), f.tile(wallet ? w : a));
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
    dataRow("account info", "mniMenu_AccountInfo", false);
    dataRow("account info, pop-up", "mniPop_Acc_Info", false);
    dataRow("wallet info", "mniMenu_WalletInfo", true);
    dataRow("wallet info, pop-up", "mniWalletInfo2", true);
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
    f.trigger(command);
    QVERIFY(driver.dialogSeen());
    QCOMPARE(f.tile(id)->dataInfo()->Name, QStringLiteral("Renamed"));
    QCOMPARE(f.tile(id)->dataInfo()->Balance, money("7"));
    QVERIFY(f.tile(id)->picture().toImage() != before);
}

void TestHolderCommands::doubleClickOpensTheRightDialog_data()
{
    QTest::addColumn<bool>("wallet");
    dataRow("wallet", true);
    dataRow("account", false);
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

void TestHolderCommands::historyOpenersPreselectTheTilesHolder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("selected"); // "account", "wallet", "both" or ""
    QTest::addColumn<QString>("entry");
    dataRow("account toolbar, account", "btnToolAccHistory", "account", "    Bank");
    dataRow("account menu, both", "mniMenu_AccountHistory", "both", "    Bank");
    dataRow("account tile pop-up, both", "mni7", "both", "    Bank");
    dataRow("account menu, wallet only", "mniMenu_AccountHistory", "wallet", "-----All-----");
    dataRow("account toolbar, nothing", "btnToolAccHistory", "", "-----All-----");
    dataRow("wallet toolbar, both", "btnToolWalHistory", "both", "    Cash");
    dataRow("wallet menu, wallet", "mniMenu_WalletHistory", "wallet", "    Cash");
    dataRow("wallet tile pop-up, both", "mniHistory1", "both", "    Cash");
    dataRow("wallet toolbar, account only", "btnToolWalHistory", "account", "-----All-----");
}

void TestHolderCommands::historyOpenersPreselectTheTilesHolder()
{
    QFETCH(QString, command);
    QFETCH(QString, selected);
    QFETCH(QString, entry);
    MainOver<HistoryBooks> f;
    f.open();
    const HistoryBooks& books = f.db;
    if (selected == u"account" || selected == u"both")
        f.press(books.bank);
    if (selected == u"wallet" || selected == u"both")
        f.press(books.cash);
    QString seen;
    QString seenClass;
    int rows = -1;
    {
        ModalDriver driver([&](QDialog* d) {
            seen = child<QComboBox>(*d, QStringLiteral("cbbAccWal"))->currentText();
            waitForBookingList(d);
            rows = child<TDBGridView>(*d, QStringLiteral("dbgrdh1"))->model()->rowCount();
            d->close();
        });
        f.trigger(command);
        seenClass = driver.seenClass();
    }
    QCOMPARE(seenClass, QStringLiteral("TFrmAccountHistory"));
    QCOMPARE(seen, entry);
    QVERIFY(rows > 0);
    // Both families rebuilt, each keeping the tile selected before: the next Deposit has its holder.
    TImageCtrl* account = f.w->panelMgr()->SelectedAccountTile();
    TImageCtrl* wallet = f.w->panelMgr()->SelectedWalletTile();
    QCOMPARE(account != nullptr ? account->GetID() : 0, selected == u"account" || selected == u"both" ? books.bank : 0);
    QCOMPARE(wallet != nullptr ? wallet->GetID() : 0, selected == u"wallet" || selected == u"both" ? books.cash : 0);
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestHolderCommands::tilesShowTheBalancesAfterTheHistoryCloses()
{
    MainOver<HistoryBooks> f;
    f.open();
    HistoryBooks& books = f.db;
    f.press(books.bank);
    const Currency bank = books.db.balance(books.bank);
    const Currency cash = books.db.balance(books.cash);
    {
        ModalDriver driver([&](QDialog* d) {
            waitForBookingList(d);
            auto* grid = child<TDBGridView>(*d, QStringLiteral("dbgrdh1"));
            for (int r = 0; r < grid->model()->rowCount(); ++r) {
                if (grid->model()->index(r, 2).data().toString() == u"Trans Out")
                    clickRow(grid, r);
            }
            TMessageService::setNextAnswer(QMessageBox::Yes);
            child<QAction>(*d, QStringLiteral("btnDelete"))->trigger();
            d->close();
        });
        f.trigger(QStringLiteral("mni7"));
    }
    QCOMPARE(books.db.balance(books.bank), bank + money("5"));
    QCOMPARE(f.tile(books.bank)->dataInfo()->Balance, bank + money("5"));
    QCOMPARE(f.tile(books.cash)->dataInfo()->Balance, cash - money("5"));
}

QTEST_MAIN(TestHolderCommands)
#include "tst_holdercommands.moc"
