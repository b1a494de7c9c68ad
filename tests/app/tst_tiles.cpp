#include "TestDb.h"

#include "app/THolderEvent.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "app/TTileBox.h"
#include "toolkit/TMessageService.h"

#include <QDir>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Stands in for the main window: records the holder messages, and what was selected when each
// selection message arrived.
class Recorder : public QObject
{
public:
    struct Message
    {
        int type;
        qint32 wParam;
        qint32 lParam;
        QList<qint32> selectedAccounts; // accounts selected at the time of the message
    };
    QList<Message> messages;
    TPanelMgr* mgr = nullptr;

protected:
    bool event(QEvent* e) override
    {
        const int t = static_cast<int>(e->type());
        if (t < 1125 || t > 1127)
            return QObject::event(e);
        const auto* m = static_cast<THolderEvent*>(e);
        QList<qint32> selected;
        if (mgr != nullptr) {
            for (const auto& r : mgr->accounts()) {
                if (static_cast<TImageCtrl*>(r->Tile)->isSelected())
                    selected << r->ID;
            }
        }
        messages.append({t, m->wParam(), m->lParam(), selected});
        return true;
    }
};

struct Fixture
{
    TestDb db;
    TTileBox accounts{Qt::Vertical};
    TTileBox wallets{Qt::Horizontal};
    Recorder target;
    TPanelMgr mgr{&accounts, &wallets, &target};

    Fixture() { target.mgr = &mgr; }
    TImageCtrl* tile(qint32 id)
    {
        return accounts.canvas()->findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(id))
                   ?: wallets.canvas()->findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(id));
    }
    void press(qint32 id, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(tile(id), button, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(tile(id), button, Qt::NoModifier, QPoint(5, 5));
    }
};

int yellowPixels(const QImage& image, int x0, int x1, int y0, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 80)
                ++n;
        }
    }
    return n;
}

} // namespace

class TestTiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void emptyBoxes();
    void layoutOfBothFamilies();
    void pressSelectsAndTellsOnce_data();
    void pressSelectsAndTellsOnce();
    void messageArrivesWhenTheWalkReachesThePressedTile();
    void familiesKeepTheirSelections();
    void emptyPartOfABoxClearsItsFamilySilently();
    void rebuildClearsOnlyThatFamily();
    void refreshTile();
    void dropRules();
    void doubleClickSelectsThenPostsProperties();
    void picturesByFamilyAndSelection();
    void paintedText();
    void missingPictureIsReported();
};

void TestTiles::init()
{
    pinLocale("en_US");
    TMessageService::setTestMode(true);
}

void TestTiles::emptyBoxes()
{
    Fixture f;
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    QVERIFY(f.mgr.SelectedAccountTile() == nullptr);
    QVERIFY(f.mgr.SelectedWalletTile() == nullptr);
    QVERIFY(f.accounts.canvas()->findChildren<TImageCtrl*>().isEmpty());
}

void TestTiles::layoutOfBothFamilies()
{
    Fixture f;
    QList<qint32> accountIds;
    for (int i = 0; i < 10; ++i)
        accountIds << f.db.addHolder(QStringLiteral("A%1").arg(i), i % 2);
    const qint32 w0 = f.db.addHolder(QStringLiteral("W0"), 2);
    const qint32 w1 = f.db.addHolder(QStringLiteral("W1"), 2);
    f.accounts.resize(161, 300);
    f.accounts.show();
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    QCOMPARE(f.tile(accountIds[0])->pos(), QPoint(10, 10));
    QCOMPARE(f.tile(accountIds[9])->pos(), QPoint(10, 820));
    QCOMPARE(f.tile(w0)->pos(), QPoint(10, 10));
    QCOMPARE(f.tile(w1)->pos(), QPoint(100, 10));
    QVERIFY(f.tile(accountIds[0])->height() <= 80);
    QVERIFY(f.tile(w0)->width() <= 80);
    // The column is taller than its box, so the box scrolls.
    QVERIFY(f.accounts.canvas()->height() >= 820 + f.tile(accountIds[9])->height());
    QVERIFY(f.accounts.verticalScrollBar()->maximum() > 0);
}

void TestTiles::pressSelectsAndTellsOnce_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void TestTiles::pressSelectsAndTellsOnce()
{
    QFETCH(int, button);
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0);
    const qint32 b = f.db.addHolder(QStringLiteral("B"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2);
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();

    f.press(b, Qt::MouseButton(button));
    QCOMPARE(f.target.messages.size(), 1);
    QCOMPARE(f.target.messages[0].type, 1125);
    QCOMPARE(f.target.messages[0].wParam, b);
    QCOMPARE(f.target.messages[0].lParam, 0);
    QCOMPARE(f.mgr.SelectedAccountTile(), f.tile(b));
    QVERIFY(!f.tile(a)->isSelected());

    // Pressing the selected tile again tells the window again.
    f.press(b, Qt::MouseButton(button));
    QCOMPARE(f.target.messages.size(), 2);
    QCOMPARE(f.target.messages[1].wParam, b);

    f.press(w, Qt::MouseButton(button));
    QCOMPARE(f.target.messages.size(), 3);
    QCOMPARE(f.target.messages[2].wParam, w);
    QCOMPARE(f.target.messages[2].lParam, 1);
}

void TestTiles::messageArrivesWhenTheWalkReachesThePressedTile()
{
    Fixture f;
    const qint32 first = f.db.addHolder(QStringLiteral("First"), 0);
    const qint32 last = f.db.addHolder(QStringLiteral("Last"), 0);
    f.mgr.LoadAccountTiles();
    f.press(last);
    f.target.messages.clear();
    f.press(first);
    // When the message for the first tile arrives, the later tile is not cleared yet.
    QCOMPARE(f.target.messages.size(), 1);
    QCOMPARE(f.target.messages[0].selectedAccounts, (QList<qint32>{first, last}));
    QCOMPARE(f.mgr.SelectedAccountTile(), f.tile(first));
    QVERIFY(!f.tile(last)->isSelected());
}

void TestTiles::familiesKeepTheirSelections()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 1);
    const qint32 w1 = f.db.addHolder(QStringLiteral("W1"), 2);
    const qint32 w2 = f.db.addHolder(QStringLiteral("W2"), 2);
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    f.press(a);
    f.press(w1);
    f.press(w2);
    QCOMPARE(f.mgr.SelectedAccountTile(), f.tile(a));
    QCOMPARE(f.mgr.SelectedWalletTile(), f.tile(w2));
    QVERIFY(!f.tile(w1)->isSelected());
    f.press(a);
    QCOMPARE(f.mgr.SelectedWalletTile(), f.tile(w2));
}

void TestTiles::emptyPartOfABoxClearsItsFamilySilently()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2);
    f.wallets.resize(400, 113);
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    f.press(a);
    f.press(w);
    f.target.messages.clear();
    QTest::mouseClick(f.wallets.canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    QVERIFY(f.mgr.SelectedWalletTile() == nullptr);
    QCOMPARE(f.mgr.SelectedAccountTile(), f.tile(a));
    QVERIFY(f.target.messages.isEmpty());
}

void TestTiles::rebuildClearsOnlyThatFamily()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2);
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    f.press(a);
    f.press(w);
    const qint32 w2 = f.db.addHolder(QStringLiteral("W2"), 2);
    f.target.messages.clear();
    f.mgr.LoadWalletTiles();
    QVERIFY(f.mgr.SelectedWalletTile() == nullptr);
    QCOMPARE(f.mgr.SelectedAccountTile(), f.tile(a));
    QCOMPARE(f.mgr.wallets().size(), std::size_t(2));
    QCOMPARE(f.mgr.wallets()[1]->ID, w2);
    QVERIFY(f.target.messages.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.wallets.canvas()->findChildren<TImageCtrl*>().size(), 2);
}

void TestTiles::refreshTile()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0, money("1"));
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2, money("2"));
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    f.db.dm().execute(QStringLiteral("update Account set Balance = Balance + 50000, name = 'W!' where ID = ?"), {w});
    f.db.dm().execute(QStringLiteral("update Account set Balance = 0"), {});
    f.mgr.RefreshTile(w);
    QCOMPARE(f.mgr.wallets()[0]->Balance, Currency());
    QCOMPARE(f.mgr.wallets()[0]->Name, QStringLiteral("W!"));
    // The record stays the same object, still tied to its tile.
    QCOMPARE(f.tile(w)->dataInfo(), f.mgr.wallets()[0].get());
    QCOMPARE(f.mgr.accounts()[0]->Balance, money("1"));
    f.mgr.RefreshTile(a + w + 100); // unknown: nothing happens
    QCOMPARE(f.mgr.accounts()[0]->Balance, money("1"));
}

void TestTiles::dropRules()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2);
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    QVERIFY(!f.tile(a)->acceptsDrop(f.tile(a)));
    QVERIFY(f.tile(a)->acceptsDrop(f.tile(w)));
    QVERIFY(f.tile(w)->acceptsDrop(f.tile(a)));
    QVERIFY(!f.tile(a)->acceptsDrop(f.wallets.canvas()));
    QVERIFY(!f.tile(a)->acceptsDrop(nullptr));

    f.tile(a)->dropFrom(f.tile(a));
    QVERIFY(f.target.messages.isEmpty());
    f.tile(a)->dropFrom(f.tile(w));
    QCOMPARE(f.target.messages.size(), 1);
    QCOMPARE(f.target.messages[0].type, 1126);
    QCOMPARE(f.target.messages[0].wParam, w);
    QCOMPARE(f.target.messages[0].lParam, a);
}

void TestTiles::doubleClickSelectsThenPostsProperties()
{
    Fixture f;
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2);
    f.mgr.LoadWalletTiles();
    QTest::mouseDClick(f.tile(w), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    // Selected right away; the properties message waits in the queue.
    QVERIFY(f.tile(w)->isSelected());
    QVERIFY(!f.target.messages.isEmpty());
    QCOMPARE(f.target.messages.last().type, 1125);
    QCoreApplication::processEvents();
    QCOMPARE(f.target.messages.last().type, 1127);
    QCOMPARE(f.target.messages.last().wParam, w);
}

void TestTiles::picturesByFamilyAndSelection()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral(""), 0);
    const qint32 w = f.db.addHolder(QStringLiteral(""), 2);
    f.mgr.LoadAccountTiles();
    f.mgr.LoadWalletTiles();
    const QDir res(TImageBase::pictureDir());
    auto same = [](const QPixmap& shown, const QString& file) {
        // Only the balance line is painted over the picture; compare a row above it.
        const QImage a = shown.toImage().convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(file).convertToFormat(QImage::Format_RGB32);
        if (a.size() != b.size())
            return false;
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, 8) != b.pixel(x, 8))
                return false;
        }
        return true;
    };
    QVERIFY(same(f.tile(a)->picture(), res.filePath(QStringLiteral("acc.bmp"))));
    QVERIFY(same(f.tile(w)->picture(), res.filePath(QStringLiteral("wallet.bmp"))));
    f.press(a);
    f.press(w);
    QVERIFY(same(f.tile(a)->picture(), res.filePath(QStringLiteral("acc_f.bmp"))));
    QVERIFY(same(f.tile(w)->picture(), res.filePath(QStringLiteral("wallet_f.bmp"))));
    QVERIFY(!same(f.tile(a)->picture(), res.filePath(QStringLiteral("acc.bmp"))));
}

void TestTiles::paintedText()
{
    Fixture f;
    const qint32 shortName = f.db.addHolder(QStringLiteral("Ab"), 0, money("-4"));
    const qint32 longName = f.db.addHolder(QStringLiteral("A very long account name that is wider"), 0);
    f.mgr.LoadAccountTiles();
    const QImage small = f.tile(shortName)->picture().toImage();
    const QImage wide = f.tile(longName)->picture().toImage();
    // The name is yellow in the band that starts at y 25, centred: nothing at the edges for a
    // short name, both edges covered for a name wider than the picture.
    QVERIFY(yellowPixels(small, 0, small.width(), 25, 42) > 0);
    QCOMPARE(yellowPixels(small, 0, 20, 25, 42), 0);
    QCOMPARE(yellowPixels(small, small.width() - 20, small.width(), 25, 42), 0);
    QVERIFY(yellowPixels(wide, 0, 4, 25, 42) > 0);
    QVERIFY(yellowPixels(wide, wide.width() - 4, wide.width(), 25, 42) > 0);
    // The balance is drawn in the locale's money format, negative style included.
    QCOMPARE(f.mgr.accounts()[0]->Balance.toMoneyString(), QStringLiteral("($4.00)"));
    QImage plain = QImage(QDir(TImageBase::pictureDir()).filePath(QStringLiteral("acc.bmp")));
    plain = plain.convertToFormat(small.format());
    QVERIFY(plain.copy(0, 55, plain.width(), 15) != small.copy(0, 55, small.width(), 15));
}

void TestTiles::missingPictureIsReported()
{
    Fixture f;
    f.db.addHolder(QStringLiteral("A"), 0);
    f.db.addHolder(QStringLiteral("B"), 0);
    QTemporaryDir empty;
    TImageBase::setPictureDir(empty.path());
    try {
        f.mgr.LoadAccountTiles();
        TImageBase::setPictureDir(QString());
        QFAIL("a missing picture went unnoticed");
    } catch (const std::exception& e) {
        TImageBase::setPictureDir(QString());
        QVERIFY2(QString::fromUtf8(e.what()).contains(QStringLiteral("acc.bmp")), e.what());
    }
    // The rebuild stopped at the first tile.
    QCOMPARE(f.mgr.accounts().size(), std::size_t(1));
}

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
