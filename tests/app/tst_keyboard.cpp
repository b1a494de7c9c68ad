#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "ModalDriver.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "bookings/TFrmDetailBase.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(10, 30));

// Presses Tab in `window` until the focus is on a widget that `wanted` accepts; false after 40 presses.
bool tabUntil(QWidget* window, const std::function<bool(QWidget*)>& wanted)
{
    for (int i = 0; i < 40 && !wanted(window->focusWidget()); ++i)
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    return wanted(window->focusWidget());
}

bool tabTo(QWidget* window, const QString& name)
{
    return tabUntil(window, [&](QWidget* w) { return w != nullptr && w->objectName() == name; });
}

// The first interface under `root`, depth first, that `wanted` accepts.
QAccessibleInterface* findAccessible(QAccessibleInterface* root,
                                     const std::function<bool(QAccessibleInterface*)>& wanted)
{
    if (root == nullptr)
        return nullptr;
    if (wanted(root))
        return root;
    // The cells of a table are not searched: what is read of a table is its own name and description.
    if (root->role() == QAccessible::Table)
        return nullptr;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* found = findAccessible(root->child(i), wanted))
            return found;
    }
    return nullptr;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(Now); }
    void bookAndHearTheSumWithTheKeyboardOnly_data();
    void bookAndHearTheSumWithTheKeyboardOnly();
};

void TestKeyboard::bookAndHearTheSumWithTheKeyboardOnly_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<int>("menuKey"); // the pop-up item's accelerator
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("counterparty");
    QTest::addColumn<QString>("balance"); // the holder's balance afterwards, as its tile names it
    dataRow("deposit into an account", false, int(Qt::Key_P), "TFrmDeposit", "cbbFrom", "Card, $62.50");
    dataRow("debit from a wallet", true, int(Qt::Key_B), "TFrmDebit", "cbbTo", "Purse, $7.50");
}

void TestKeyboard::bookAndHearTheSumWithTheKeyboardOnly()
{
    QFETCH(bool, wallet);
    QFETCH(int, menuKey);
    QFETCH(QString, dialog);
    QFETCH(QString, counterparty);
    QFETCH(QString, balance);
    TestDb db;
    db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    const qint32 card = db.addHolder(QStringLiteral("Card"), 1, money("50"));
    db.addHolder(QStringLiteral("Cash"), 2, money("100"));
    const qint32 purse = db.addHolder(QStringLiteral("Purse"), 2, money("20"));
    const qint32 target = wallet ? purse : card;
    // An earlier booking of this month is in the list already.
    db.addDetail(wallet ? 1 : 0, target, Now.addDays(-2), money("2.5"), QStringLiteral("Earlier"));
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Tab to the tiles of the family, then the arrow key to the second holder: it is selected.
    QVERIFY(tabUntil(&w, [&](QWidget* focus) {
        auto* tile = qobject_cast<TImageCtrl*>(focus);
        return tile != nullptr && tile->isWallet() == wallet;
    }));
    QTest::keyClick(w.focusWidget(), wallet ? Qt::Key_Right : Qt::Key_Down);
    QCOMPARE(w.currentHolderId(), target);
    auto* tile = qobject_cast<TImageCtrl*>(w.focusWidget());
    QVERIFY(tile != nullptr && tile->isSelected() && tile->GetID() == target);

    // The menu key opens the tile's pop-up; its accelerator opens the booking dialog, which is
    // filled in and saved with keys only.
    QString seenMenu;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            seenMenu = popup->objectName();
            QTest::keyClick(popup, Qt::Key(menuKey));
        }
    });
    qint32 preset = 0;
    ModalDriver driver([&](QDialog* d) {
        preset = static_cast<TFrmDetailBase*>(d)->currentHolder().ID;
        if (!tabTo(d, counterparty))
            return;
        QTest::keyClicks(d->focusWidget(), QStringLiteral("Boss"));
        if (!tabTo(d, QStringLiteral("edtAmmount")))
            return;
        QTest::keyClicks(d->focusWidget(), QStringLiteral("12.5"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(tile, Qt::Key_Menu);
    QCOMPARE(seenMenu, wallet ? QStringLiteral("pmWallet") : QStringLiteral("pmAccount"));
    QCOMPARE(driver.seenClass(), dialog);
    QCOMPARE(preset, target);
    QVERIFY(!driver.leftOpen());
    QCOMPARE(db.count(QStringLiteral("Detail")), 2);

    // A window manager hands the activation back to the main window when the dialog closes; the
    // offscreen platform does not. The focus is back on the tile, and Space selects it again: the
    // list shows the new booking.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), tile);
    QTest::keyClick(tile, Qt::Key_Space);
    QVERIFY(waitForBookingList(&w));

    // What a screen reader reads: the tile by its holder's name and new balance, and the list's sum.
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&w);
    QAccessibleInterface* item = findAccessible(root, [&](QAccessibleInterface* i) {
        return i->role() == QAccessible::ListItem && i->text(QAccessible::Name) == balance;
    });
    QVERIFY(item != nullptr);
    QVERIFY(item->state().selectable && item->state().selected && item->state().focused);
    QVERIFY(item->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(item->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    QAccessibleInterface* list = findAccessible(root, [](QAccessibleInterface* i) {
        return i->role() == QAccessible::Table && i->text(QAccessible::Description).startsWith(QStringLiteral("SUM"));
    });
    QVERIFY(list != nullptr);
    QCOMPARE(list->text(QAccessible::Description), QStringLiteral("SUM, Amount: 15"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
