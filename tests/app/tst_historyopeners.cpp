#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "HistoryBooks.h"
#include "ModalDriver.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "toolkit/TDBGridView.h"

#include <QAction>
#include <QComboBox>
#include <QTest>

namespace {

struct Main
{
    HistoryBooks books;
    TFrmMain w;

    Main() { w.show(); }
    TImageCtrl* tile(qint32 id) const { return w.findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(id)); }
    void press(qint32 id) const { QTest::mouseClick(tile(id), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
    void trigger(const QString& name) const { child<QAction>(w, name)->trigger(); }
};

} // namespace

class TestHistoryOpeners : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void openersPreselectTheTilesHolder_data();
    void openersPreselectTheTilesHolder();
    void tilesShowTheBalancesAfterTheWindowCloses();
};

void TestHistoryOpeners::init()
{
    TMessageService::setTestMode(true);
}

void TestHistoryOpeners::openersPreselectTheTilesHolder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("selected"); // "account", "wallet", "both" or ""
    QTest::addColumn<QString>("entry");
    QTest::newRow("account toolbar, account") << "btnToolAccHistory"
                                              << "account"
                                              << "    Bank";
    QTest::newRow("account menu, both") << "mniMenu_AccountHistory"
                                        << "both"
                                        << "    Bank";
    QTest::newRow("account tile pop-up, both") << "mni7"
                                               << "both"
                                               << "    Bank";
    QTest::newRow("account menu, wallet only") << "mniMenu_AccountHistory"
                                               << "wallet"
                                               << "-----All-----";
    QTest::newRow("account toolbar, nothing") << "btnToolAccHistory"
                                              << ""
                                              << "-----All-----";
    QTest::newRow("wallet toolbar, both") << "btnToolWalHistory"
                                          << "both"
                                          << "    Cash";
    QTest::newRow("wallet menu, wallet") << "mniMenu_WalletHistory"
                                         << "wallet"
                                         << "    Cash";
    QTest::newRow("wallet tile pop-up, both") << "mniHistory1"
                                              << "both"
                                              << "    Cash";
    QTest::newRow("wallet toolbar, account only") << "btnToolWalHistory"
                                                  << "account"
                                                  << "-----All-----";
}

void TestHistoryOpeners::openersPreselectTheTilesHolder()
{
    QFETCH(QString, command);
    QFETCH(QString, selected);
    QFETCH(QString, entry);
    Main f;
    if (selected == u"account" || selected == u"both")
        f.press(f.books.bank);
    if (selected == u"wallet" || selected == u"both")
        f.press(f.books.cash);
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
    // Both families rebuilt: no tile is selected any more.
    QVERIFY(f.w.panelMgr()->SelectedAccountTile() == nullptr);
    QVERIFY(f.w.panelMgr()->SelectedWalletTile() == nullptr);
    QVERIFY(TMessageService::takeShown().isEmpty());
}

void TestHistoryOpeners::tilesShowTheBalancesAfterTheWindowCloses()
{
    Main f;
    f.press(f.books.bank);
    const Currency bank = f.books.db.balance(f.books.bank);
    const Currency cash = f.books.db.balance(f.books.cash);
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
    QCOMPARE(f.books.db.balance(f.books.bank), bank + money("5"));
    QCOMPARE(f.tile(f.books.bank)->dataInfo()->Balance, bank + money("5"));
    QCOMPARE(f.tile(f.books.cash)->dataInfo()->Balance, cash - money("5"));
}

QTEST_MAIN(TestHistoryOpeners)
#include "tst_historyopeners.moc"
