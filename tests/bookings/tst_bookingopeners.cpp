#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "ModalDriver.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

TImageCtrl* tileOf(const std::unique_ptr<TDataInfo>& record)
{
    return static_cast<TImageCtrl*>(record->Tile);
}

void press(TImageCtrl* tile)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(tile, &event);
}

void fillAndPress(QDialog* d, const char* button, const QString& amount)
{
    child<QComboBox>(*d, d->findChild<QComboBox*>(QStringLiteral("cbbTo")) ? QStringLiteral("cbbTo")
                                                                           : QStringLiteral("cbbFrom"))
        ->setEditText(QStringLiteral("Someone"));
    child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->setText(amount);
    QTest::mouseClick(child<QPushButton>(*d, QString::fromLatin1(button)), Qt::LeftButton);
}

// The main window over the account "Bank" and the wallet "Cash", 100 each.
struct Main
{
    TestDb db;
    qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    qint32 cash = db.addHolder(QStringLiteral("Cash"), 2, money("100"));
    TFrmMain w;
    TImageCtrl* account = tileOf(w.panelMgr()->accounts().front());
    TImageCtrl* wallet = tileOf(w.panelMgr()->wallets().front());

    Main() { w.show(); }
};

} // namespace

class TestBookingOpeners : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void depositAndDebitTargets_data();
    void depositAndDebitTargets();
    void closedDialogChangesNothing();
    void transferFromToolbar_data();
    void transferFromToolbar();
    void transferFromTilePopup_data();
    void transferFromTilePopup();
    void droppedTileOpensTransfer_data();
    void droppedTileOpensTransfer();
};

void TestBookingOpeners::depositAndDebitTargets_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("selected"); // "wallet", "account" or "both"
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QString>("target"); // "wallet", "account" or "" for no dialog
    dataRow("toolbar deposit, both", "btnToolDeposite", "both", false, "wallet");
    dataRow("menu deposit, account", "mniMenu_Deposit", "account", false, "account");
    dataRow("toolbar debit, both", "btnToolDebit", "both", true, "wallet");
    dataRow("menu debit, wallet", "mniMenu_Debit", "wallet", true, "wallet");
    dataRow("menu debit, account", "mniMenu_Debit", "account", true, "account");
    dataRow("wallet pop-up deposit, both", "mniPop_Wal_Deposit", "both", false, "wallet");
    dataRow("wallet pop-up debit, both", "mniPop_Wal_Debit", "both", true, "wallet");
    dataRow("wallet pop-up debit, account only", "mniPop_Wal_Debit", "account", true, "");
    dataRow("account pop-up deposit, both", "mniPop_Acc_DEposit", "both", false, "account");
    dataRow("account pop-up debit, both", "mniPop_Acc_Debit", "both", true, "account");
    dataRow("account pop-up deposit, wallet only", "mniPop_Acc_DEposit", "wallet", false, "");
}

void TestBookingOpeners::depositAndDebitTargets()
{
    QFETCH(QString, command);
    QFETCH(QString, selected);
    QFETCH(bool, debit);
    QFETCH(QString, target);
    Main f;
    auto& [db, bank, cash, w, account, wallet] = f;
    if (selected != QStringLiteral("wallet"))
        press(account);
    if (selected != QStringLiteral("account"))
        press(wallet);

    qint32 presetHolder = 0;
    ModalDriver driver([&](QDialog* d) {
        presetHolder = static_cast<TFrmDetailBase*>(d)->currentHolder().ID;
        fillAndPress(d, "btnOK", QStringLiteral("12.3456"));
    });
    w.findChild<QAction*>(command)->trigger();
    const QString opened = driver.seenClass();
    QVERIFY(!driver.leftOpen());

    if (target.isEmpty()) {
        QCOMPARE(opened, QString());
        QCOMPARE(db.count(QStringLiteral("Detail")), 0);
        return;
    }
    QCOMPARE(opened, debit ? QStringLiteral("TFrmDebit") : QStringLiteral("TFrmDeposit"));
    TImageCtrl* booked = target == QStringLiteral("wallet") ? wallet : account;
    TImageCtrl* other = booked == wallet ? account : wallet;
    QCOMPARE(presetHolder, booked->GetID());
    // The target tile shows its new balance at once, moved by exactly the amount.
    const Currency expected = debit ? money("87.6544") : money("112.3456");
    QCOMPARE(db.balance(booked->GetID()), expected);
    QCOMPARE(booked->dataInfo()->Balance, expected);
    QCOMPARE(other->dataInfo()->Balance, money("100"));
    QCOMPARE(db.balance(other->GetID()), money("100"));
}

void TestBookingOpeners::closedDialogChangesNothing()
{
    Main f;
    press(f.account);
    // Changed behind the tile's back: only a reload after OK would show it.
    f.db.dm().execute(QStringLiteral("update Account set Balance = 1"));
    ModalDriver driver([](QDialog* d) {
        child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->setText(QStringLiteral("5"));
        QTest::mouseClick(child<QPushButton>(*d, QStringLiteral("btnClose")), Qt::LeftButton);
    });
    f.w.findChild<QAction*>(QStringLiteral("btnToolDeposite"))->trigger();
    QCOMPARE(driver.seenClass(), QStringLiteral("TFrmDeposit"));
    QCOMPARE(f.db.count(QStringLiteral("Detail")), 0);
    QCOMPARE(f.account->dataInfo()->Balance, money("100"));
}

void TestBookingOpeners::transferFromToolbar_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("selected");
    dataRow("toolbar, both", "btnToolTransfer", "both");
    dataRow("menu, both", "mniMenu_Transfer", "both");
    dataRow("toolbar, account only", "btnToolTransfer", "account");
    dataRow("toolbar, wallet only", "btnToolTransfer", "wallet");
    dataRow("menu, nothing", "mniMenu_Transfer", "");
}

void TestBookingOpeners::transferFromToolbar()
{
    QFETCH(QString, command);
    QFETCH(QString, selected);
    Main f;
    auto& [db, bank, cash, w, account, wallet] = f;
    const bool withAccount = selected == QStringLiteral("account") || selected == QStringLiteral("both");
    const bool withWallet = selected == QStringLiteral("wallet") || selected == QStringLiteral("both");
    if (withAccount)
        press(account);
    if (withWallet)
        press(wallet);

    qint32 source = -1;
    qint32 dest = -1;
    ModalDriver driver([&](QDialog* d) {
        // Source: the selected wallet; destination: the selected account.
        source = static_cast<TFrmTransfer*>(d)->sourceHolder().ID;
        dest = static_cast<TFrmTransfer*>(d)->destHolder().ID;
        if (source != 0 && dest != 0)
            fillAndPress(d, "btnSave", QStringLiteral("30"));
    });
    w.findChild<QAction*>(command)->trigger();
    QCOMPARE(driver.seenClass(), QStringLiteral("TFrmTransfer"));
    QCOMPARE(source, withWallet ? cash : 0);
    QCOMPARE(dest, withAccount ? bank : 0);
    QCOMPARE(db.count(QStringLiteral("Transfer")), withWallet && withAccount ? 1 : 0);
    QCOMPARE(db.balance(cash), withWallet && withAccount ? money("70") : money("100"));
    QCOMPARE(db.balance(bank), withWallet && withAccount ? money("130") : money("100"));
    // The tiles of both holders show their balances at once.
    QCOMPARE(wallet->dataInfo()->Balance, db.balance(cash));
    QCOMPARE(account->dataInfo()->Balance, db.balance(bank));
}

void TestBookingOpeners::transferFromTilePopup_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fromWallet");
    dataRow("wallet tile", "mniPop_Wal_Transfer", true);
    dataRow("account tile", "mniPop_Acc_Transfer", false);
}

void TestBookingOpeners::transferFromTilePopup()
{
    QFETCH(QString, command);
    QFETCH(bool, fromWallet);
    Main f;
    auto& [db, bank, cash, w, account, wallet] = f;
    press(account);
    press(wallet);
    TImageCtrl* source = fromWallet ? wallet : account;
    TImageCtrl* dest = fromWallet ? account : wallet;

    qint32 presetSource = -1;
    qint32 presetDest = -1;
    ModalDriver driver([&](QDialog* d) {
        presetSource = static_cast<TFrmTransfer*>(d)->sourceHolder().ID;
        presetDest = static_cast<TFrmTransfer*>(d)->destHolder().ID;
        auto* list = child<QComboBox>(*d, QStringLiteral("cbbInf2"));
        chooseRowByKeys(list, list->findText(TFrmTransfer::holderRowText(dest->dataInfo()->Name)));
        fillAndPress(d, "btnSave", QStringLiteral("0.0001"));
    });
    w.findChild<QAction*>(command)->trigger();
    QCOMPARE(driver.seenClass(), QStringLiteral("TFrmTransfer"));
    QCOMPARE(presetSource, source->GetID());
    QCOMPARE(presetDest, 0);
    QCOMPARE(db.balance(source->GetID()), money("99.9999"));
    QCOMPARE(db.balance(dest->GetID()), money("100.0001"));
    // Both tiles the transfer touched are refreshed, also the destination the user chose.
    QCOMPARE(source->dataInfo()->Balance, money("99.9999"));
    QCOMPARE(dest->dataInfo()->Balance, money("100.0001"));
}

void TestBookingOpeners::droppedTileOpensTransfer_data()
{
    QTest::addColumn<bool>("walletOnAccount");
    QTest::addColumn<bool>("save");
    dataRow("wallet dropped on account, saved", true, true);
    dataRow("account dropped on wallet, saved", false, true);
    dataRow("wallet dropped on account, closed", true, false);
}

void TestBookingOpeners::droppedTileOpensTransfer()
{
    QFETCH(bool, walletOnAccount);
    QFETCH(bool, save);
    Main f;
    auto& [db, bank, cash, w, account, wallet] = f;
    TImageCtrl* dragged = walletOnAccount ? wallet : account;
    TImageCtrl* target = walletOnAccount ? account : wallet;

    qint32 source = -1;
    qint32 dest = -1;
    ModalDriver driver([&](QDialog* d) {
        source = static_cast<TFrmTransfer*>(d)->sourceHolder().ID;
        dest = static_cast<TFrmTransfer*>(d)->destHolder().ID;
        fillAndPress(d, save ? "btnSave" : "btn3", QStringLiteral("12.3456"));
    });
    target->dropFrom(dragged);
    QCOMPARE(driver.seenClass(), QStringLiteral("TFrmTransfer"));
    QCOMPARE(source, dragged->GetID());
    QCOMPARE(dest, target->GetID());
    // Both tiles show their new balances after OK.
    QCOMPARE(dragged->dataInfo()->Balance, save ? money("87.6544") : money("100"));
    QCOMPARE(target->dataInfo()->Balance, save ? money("112.3456") : money("100"));
    QCOMPARE(db.balance(dragged->GetID()), dragged->dataInfo()->Balance);
    QCOMPARE(db.balance(target->GetID()), target->dataInfo()->Balance);
}

QTEST_MAIN(TestBookingOpeners)
#include "tst_bookingopeners.moc"
