#include "BookingTestHelpers.h"
#include "ModalDriver.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "bookings/TFrmTransfer.h"

#include <QTest>
#include <QTimer>

// A real drag with the mouse, from a wallet tile onto an account tile of the main window. Runs on
// the "minimal" platform, whose drag and drop works within the program (offscreen's does nothing).
class TestTileDrag : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(); }
    void dragOntoAnotherTile_data();
    void dragOntoAnotherTile();
};

void TestTileDrag::dragOntoAnotherTile_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("distance"); // how far the mouse moves on the pressed tile
    QTest::addColumn<bool>("transfer");
    QTest::newRow("left, 9 pixels: no drag") << int(Qt::LeftButton) << 9 << false;
    QTest::newRow("left, 10 pixels: a drag") << int(Qt::LeftButton) << 10 << true;
    QTest::newRow("left, far") << int(Qt::LeftButton) << 40 << true;
    QTest::newRow("right button never drags") << int(Qt::RightButton) << 40 << false;
    QTest::newRow("middle button never drags") << int(Qt::MiddleButton) << 40 << false;
}

void TestTileDrag::dragOntoAnotherTile()
{
    QFETCH(int, button);
    QFETCH(int, distance);
    QFETCH(bool, transfer);
    TestDb db;
    const qint32 cash = db.addHolder(QStringLiteral("Cash"), 2, money("100"));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("5"));
    TFrmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* source = w.findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(cash));
    auto* target = w.findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(bank));

    qint32 presetSource = 0;
    qint32 presetDest = 0;
    bool draggingWhenOpened = true;
    ModalDriver driver([&](QDialog* d) {
        // The dialog opens once the drag is over, not inside it.
        draggingWhenOpened = source->isDragging();
        presetSource = static_cast<TFrmTransfer*>(d)->sourceHolder().ID;
        presetDest = static_cast<TFrmTransfer*>(d)->destHolder().ID;
    });
    const Qt::MouseButton b = Qt::MouseButton(button);
    const QPoint over = target->rect().center();
    bool released = false;
    // Once the drag has started (if it does), the mouse goes on over the target and is released there.
    QTimer::singleShot(20, [&] {
        QTest::mouseMove(target, over);
        QTimer::singleShot(20, [&] {
            QTest::mouseRelease(target, b, {}, over);
            released = true;
        });
    });
    QTest::mousePress(source, b, {}, QPoint(5, 5));
    QTest::mouseMove(source, QPoint(5 + distance, 5));
    QTRY_VERIFY(released);
    QTRY_COMPARE(driver.dialogSeen(), transfer);
    if (!transfer) {
        QTest::qWait(50);
        QVERIFY(!driver.dialogSeen());
    }
    QVERIFY(!source->isDragging());
    // Pressing selected the tile in every case.
    QCOMPARE(w.panelMgr()->SelectedWalletTile(), source);
    if (transfer) {
        QCOMPARE(driver.seenClass(), QStringLiteral("TFrmTransfer"));
        QVERIFY(!draggingWhenOpened);
        QCOMPARE(presetSource, cash);
        QCOMPARE(presetDest, bank);
    }
}

QTEST_MAIN(TestTileDrag)
#include "tst_tiledrag.moc"
