#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "app/THolderEvent.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "app/TTileBox.h"
#include "toolkit/TMessageService.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>
#include <memory>

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
    void loadBoth()
    {
        mgr.LoadAccountTiles();
        mgr.LoadWalletTiles();
    }
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
    void init() { startWindowTest(); }
    void emptyBoxes();
    void layoutOfBothFamilies();
    void pressSelectsAndTellsOnce_data();
    void pressSelectsAndTellsOnce();
    void messageArrivesWhenTheWalkReachesThePressedTile();
    void familiesKeepTheirSelections();
    void emptyPartOfABoxClearsItsFamilySilently();
    void rebuildKeepsTheSelection();
    void refreshTile();
    void dropRules();
    void doubleClickSelectsThenPostsProperties();
    void picturesByFamilyAndSelection();
    void paintedText();
    void missingPictureIsReported();
    void cardsFitAcrossTheirBox_data();
    void cardsFitAcrossTheirBox();
    void nothingIsCutOff_data();
    void nothingIsCutOff();
    void tabReachesEachBoxAtItsTabStop();
    void keysOnATile_data();
    void keysOnATile();
};

void TestTiles::emptyBoxes()
{
    Fixture f;
    f.loadBoth();
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
    f.accounts.resize(300, 300);
    f.accounts.show();
    f.loadBoth();
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
    dataRow("left", int(Qt::LeftButton));
    dataRow("right", int(Qt::RightButton));
    dataRow("middle", int(Qt::MiddleButton));
}

void TestTiles::pressSelectsAndTellsOnce()
{
    QFETCH(int, button);
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0);
    const qint32 b = f.db.addHolder(QStringLiteral("B"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2);
    f.loadBoth();

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
    f.loadBoth();
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
    f.loadBoth();
    f.press(a);
    f.press(w);
    f.target.messages.clear();
    QTest::mouseClick(f.wallets.canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    QVERIFY(f.mgr.SelectedWalletTile() == nullptr);
    QCOMPARE(f.mgr.SelectedAccountTile(), f.tile(a));
    QVERIFY(f.target.messages.isEmpty());
}

// A rebuild of a family keeps its selected holder selected, quietly, and leaves the other family.
void TestTiles::rebuildKeepsTheSelection()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("A"), 0);
    const qint32 w = f.db.addHolder(QStringLiteral("W"), 2);
    f.loadBoth();
    f.press(a);
    f.press(w);
    const qint32 w2 = f.db.addHolder(QStringLiteral("W2"), 2);
    f.target.messages.clear();
    f.mgr.LoadWalletTiles();
    QCOMPARE(f.mgr.SelectedWalletTile(), f.tile(w));
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
    f.loadBoth();
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
    f.loadBoth();
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
    f.loadBoth();
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
    // A name wider than the picture ends in "…" inside its margins.
    QVERIFY(yellowPixels(wide, 0, wide.width(), 25, 42) > 0);
    QCOMPARE(yellowPixels(wide, 0, TImageBase::TextMargin, 25, 42), 0);
    QCOMPARE(yellowPixels(wide, wide.width() - TImageBase::TextMargin, wide.width(), 25, 42), 0);
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

void TestTiles::cardsFitAcrossTheirBox_data()
{
    QTest::addColumn<bool>("wallets");
    QTest::addColumn<int>("across"); // the box's size across its direction
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("offset"); // of the cards from the edge; -1: less than the margin, more than 0
    dataRow("column, designed width, scrolling", false, 161, 10, -1);
    dataRow("column, designed width, one tile", false, 161, 1, 10);
    dataRow("column narrower than a card", false, 100, 10, 0);
    dataRow("wallet row, scrolling", true, 113, 12, 10);
}

void TestTiles::cardsFitAcrossTheirBox()
{
    QFETCH(bool, wallets);
    QFETCH(int, across);
    QFETCH(int, count);
    QFETCH(int, offset);
    Fixture f;
    for (int i = 0; i < count; ++i)
        f.db.addHolder(QStringLiteral("H%1").arg(i), wallets ? 2 : 0);
    TTileBox& box = wallets ? f.wallets : f.accounts;
    box.resize(wallets ? QSize(400, across) : QSize(across, 400));
    box.show();
    wallets ? f.mgr.LoadWalletTiles() : f.mgr.LoadAccountTiles();
    QCoreApplication::processEvents();
    const auto* tile = static_cast<QWidget*>((wallets ? f.mgr.wallets() : f.mgr.accounts()).back()->Tile);
    const int at = wallets ? tile->y() : tile->x();
    QVERIFY2(offset >= 0 ? at == offset : at > 0 && at < 10, qPrintable(QString::number(at)));
    QCOMPARE((wallets ? box.horizontalScrollBar() : box.verticalScrollBar())->isVisible(), count > 3);
    // No scroll bar across while a card fits: every card is whole in the viewport.
    const int room = wallets ? box.viewport()->height() : box.viewport()->width();
    const int size = wallets ? tile->height() : tile->width();
    QCOMPARE((wallets ? box.verticalScrollBar() : box.horizontalScrollBar())->isVisible(), room < size);
    QVERIFY(room < size || at + size <= room);
}

void TestTiles::nothingIsCutOff_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<qlonglong>("raw"); // the balance in ten-thousandths
    const qlonglong max = std::numeric_limits<qint64>::max();
    dataRow("quotes and percent in a wallet", "Cash \"pocket\" 100%", true, 0LL);
    dataRow("six figures below 0 in a wallet", "W", true, -1234567800LL);
    dataRow("largest in an account", "A", false, max);
    dataRow("most negative in a wallet", "W", true, -max - 1);
    dataRow("long name of an account", "The joint savings account of the family", false, 0LL);
}

void TestTiles::nothingIsCutOff()
{
    QFETCH(QString, name);
    QFETCH(bool, wallet);
    QFETCH(qlonglong, raw);
    Fixture f;
    const qint32 id = f.db.addHolder(name, wallet ? 2 : 0, Currency::fromRaw(raw));
    wallet ? f.mgr.LoadWalletTiles() : f.mgr.LoadAccountTiles();
    TImageCtrl* tile = f.tile(id);
    // The whole name and balance for the mouse and for assistive tools.
    const QString balance = Currency::fromRaw(raw).toMoneyString();
    QCOMPARE(tile->toolTip(), name + u'\n' + balance);
    QCOMPARE(tile->accessibleName(), name + QStringLiteral(", ") + balance);
    // Nothing is painted in the margins at the sides of the lines: no letter or figure runs off.
    const QImage shown = tile->picture().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage plain = QImage(QDir(TImageBase::pictureDir()).filePath(wallet ? "wallet.bmp" : "acc.bmp"))
                             .convertToFormat(QImage::Format_RGB32);
    for (int y = 25; y < shown.height(); ++y) {
        for (int x : {0, 2, 4, shown.width() - 5, shown.width() - 3, shown.width() - 1})
            QCOMPARE(shown.pixel(x, y), plain.pixel(x, y));
    }
}

namespace {

// The two boxes in one window between two edits, as the main window has them: accounts A1 to A3,
// wallets W1 and W2.
struct Window
{
    TestDb db;
    Recorder target;
    QWidget host;
    QLineEdit* before = new QLineEdit(&host);
    TTileBox* accounts = new TTileBox(Qt::Vertical, &host);
    TTileBox* wallets = new TTileBox(Qt::Horizontal, &host);
    QLineEdit* after = new QLineEdit(&host);
    std::unique_ptr<TPanelMgr> mgr = std::make_unique<TPanelMgr>(accounts, wallets, &target);
    QMenu menu;
    QList<qint32> ids; // A1, A2, A3, W1, W2

    Window()
    {
        target.mgr = mgr.get();
        before->setObjectName(QStringLiteral("before"));
        after->setObjectName(QStringLiteral("after"));
        menu.addAction(QStringLiteral("Info..."));
        mgr->setTileMenus(&menu, &menu);
        auto* layout = new QVBoxLayout(&host);
        for (QWidget* w : std::initializer_list<QWidget*>{before, accounts, wallets, after})
            layout->addWidget(w);
        for (const char* name : {"A1", "A2", "A3", "W1", "W2"})
            ids << db.addHolder(QString::fromLatin1(name), name[0] == 'W' ? 2 : 0);
        mgr->LoadAccountTiles();
        mgr->LoadWalletTiles();
        host.show();
    }
    TImageCtrl* tile(int index) const { return host.findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(ids[index])); }
    // The index of the holder whose tile has the focus; "before", "after" or "" for the rest.
    QString focus() const
    {
        QWidget* w = QApplication::focusWidget();
        for (int i = 0; i < ids.size(); ++i) {
            if (w == tile(i))
                return QString::number(i);
        }
        return w != nullptr ? w->objectName() : QString();
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

} // namespace

void TestTiles::tabReachesEachBoxAtItsTabStop()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.host));
    w.before->setFocus();
    // With nothing selected, each box is reached at its first tile; the other tiles are no stops.
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        w.key(Qt::Key_Tab);
        order << w.focus();
    }
    for (int i = 0; i < 3; ++i) {
        w.key(Qt::Key_Backtab, Qt::ShiftModifier);
        order << w.focus();
    }
    QCOMPARE(order, (QStringList{"0", "3", "after", "3", "0", "before"}));
    QVERIFY(w.target.messages.isEmpty());
    // Tab comes back to the selected tile.
    QTest::mousePress(w.tile(2), Qt::LeftButton, {}, QPoint(5, 5));
    w.before->setFocus();
    w.key(Qt::Key_Tab);
    QCOMPARE(w.focus(), QStringLiteral("2"));
}

void TestTiles::keysOnATile_data()
{
    QTest::addColumn<int>("from"); // the tile with the focus: 0 to 2 accounts, 3 and 4 wallets
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");           // the tile selected and focused afterwards; -1 none
    QTest::addColumn<QString>("messages"); // the holder messages sent, by number
    QTest::addColumn<bool>("menu");
    const int none = Qt::NoModifier;
    dataRow("down", 0, int(Qt::Key_Down), none, 1, "1125", false);
    dataRow("right in the column", 1, int(Qt::Key_Right), none, 2, "1125", false);
    dataRow("up", 2, int(Qt::Key_Up), none, 1, "1125", false);
    dataRow("end", 0, int(Qt::Key_End), none, 2, "1125", false);
    dataRow("home", 2, int(Qt::Key_Home), none, 0, "1125", false);
    dataRow("down at the last", 2, int(Qt::Key_Down), none, -1, "", false);
    dataRow("left in the row", 4, int(Qt::Key_Left), none, 3, "1125", false);
    dataRow("space", 4, int(Qt::Key_Space), none, 4, "1125", false);
    dataRow("Enter", 3, int(Qt::Key_Return), none, 3, "1125 1127", false);
    dataRow("keypad Enter", 1, int(Qt::Key_Enter), int(Qt::KeypadModifier), 1, "1125 1127", false);
    dataRow("menu key", 4, int(Qt::Key_Menu), none, 4, "1125", true);
    dataRow("Shift+F10", 1, int(Qt::Key_F10), int(Qt::ShiftModifier), 1, "1125", true);
}

void TestTiles::keysOnATile()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    QFETCH(QString, messages);
    QFETCH(bool, menu);
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.host));
    // A tile of the other family stays selected.
    QTest::mousePress(w.tile(from < 3 ? 3 : 0), Qt::LeftButton, {}, QPoint(5, 5));
    w.tile(from)->setFocus();
    w.target.messages.clear();
    bool menuShown = false;
    bool selectedFirst = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = popup == &w.menu;
            selectedFirst = w.tile(from)->isSelected();
            popup->close();
        }
    });
    w.key(key, Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();
    QStringList sent;
    for (const auto& m : w.target.messages) {
        sent << QString::number(m.type);
        QCOMPARE(m.wParam, w.ids[to]);
    }
    QCOMPARE(sent.join(u' '), messages);
    QCOMPARE(menuShown, menu);
    QCOMPARE(selectedFirst, menu);
    if (!menu) // offscreen gives the activation back to no window after a pop-up
        QCOMPARE(w.focus(), QString::number(to < 0 ? from : to));
    if (to >= 0)
        QCOMPARE(to < 3 ? w.mgr->SelectedAccountTile() : w.mgr->SelectedWalletTile(), w.tile(to));
    QCOMPARE(from < 3 ? w.mgr->SelectedWalletTile() : w.mgr->SelectedAccountTile(), w.tile(from < 3 ? 3 : 0));
}

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
