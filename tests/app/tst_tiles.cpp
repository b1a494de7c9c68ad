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
    void cardsFitAcrossTheirBox_data();
    void cardsFitAcrossTheirBox();
    void nothingIsCutOff_data();
    void nothingIsCutOff();
    void accessibleTiles();
    void tabReachesEachBoxAtItsTabStop();
    void arrowKeysMoveTheSelection_data();
    void arrowKeysMoveTheSelection();
    void enterAndMenuKeys_data();
    void enterAndMenuKeys();
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
    f.accounts.resize(300, 300);
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
    QTest::addColumn<bool>("barAcross");
    QTest::addColumn<int>("offset"); // -1: less than the margin, more than 0
    QTest::newRow("column, designed width, scrolling") << false << 161 << 10 << false << -1;
    QTest::newRow("column, designed width, one tile") << false << 161 << 1 << false << 10;
    QTest::newRow("column, wide") << false << 300 << 10 << false << 10;
    QTest::newRow("column narrower than a card") << false << 100 << 10 << true << 0;
    QTest::newRow("wallet row, designed height, scrolling") << true << 113 << 12 << false << 10;
}

void TestTiles::cardsFitAcrossTheirBox()
{
    QFETCH(bool, wallets);
    QFETCH(int, across);
    QFETCH(int, count);
    QFETCH(bool, barAcross);
    QFETCH(int, offset);
    Fixture f;
    for (int i = 0; i < count; ++i)
        f.db.addHolder(QStringLiteral("H%1").arg(i), wallets ? 2 : 0);
    TTileBox& box = wallets ? f.wallets : f.accounts;
    box.resize(wallets ? QSize(400, across) : QSize(across, 400));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    wallets ? f.mgr.LoadWalletTiles() : f.mgr.LoadAccountTiles();
    QCoreApplication::processEvents();
    const QScrollBar* alongBar = wallets ? box.horizontalScrollBar() : box.verticalScrollBar();
    const QScrollBar* acrossBar = wallets ? box.verticalScrollBar() : box.horizontalScrollBar();
    QCOMPARE(alongBar->isVisible(), count > 3);
    QCOMPARE(acrossBar->isVisible(), barAcross);
    const auto& records = wallets ? f.mgr.wallets() : f.mgr.accounts();
    for (const auto& record : records) {
        const QWidget* tile = static_cast<QWidget*>(record->Tile);
        const int at = wallets ? tile->y() : tile->x();
        if (offset >= 0)
            QCOMPARE(at, offset);
        else
            QVERIFY2(at > 0 && at < 10, qPrintable(QString::number(at)));
        // Whole across the viewport whenever it is wide enough for a card.
        if (!barAcross) {
            const int room = wallets ? box.viewport()->height() : box.viewport()->width();
            QVERIFY(at + (wallets ? tile->height() : tile->width()) <= room);
        }
    }
}

void TestTiles::nothingIsCutOff_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<qlonglong>("raw"); // the balance in ten-thousandths
    QTest::newRow("quotes and percent in a wallet") << "en_US"
                                                    << "Cash \"pocket\" 100%" << true << 0LL;
    QTest::newRow("six figures in a wallet") << "en_US"
                                             << "W" << true << 1234567800LL;
    QTest::newRow("six figures below 0 in a wallet") << "en_US"
                                                     << "W" << true << -1234567800LL;
    QTest::newRow("largest in an account") << "en_US"
                                           << "A" << false << std::numeric_limits<qint64>::max();
    QTest::newRow("most negative in an account") << "en_US"
                                                 << "A" << false << std::numeric_limits<qint64>::min();
    QTest::newRow("most negative in a wallet, de_DE") << "de_DE"
                                                      << "W" << true << std::numeric_limits<qint64>::min();
    QTest::newRow("long name of an account") << "en_US"
                                             << "The joint savings account of the family" << false << 0LL;
}

void TestTiles::nothingIsCutOff()
{
    QFETCH(QString, locale);
    QFETCH(QString, name);
    QFETCH(bool, wallet);
    QFETCH(qlonglong, raw);
    QLocale::setDefault(QLocale(locale));
    Fixture f;
    const qint32 id = f.db.addHolder(name, wallet ? 2 : 0, Currency::fromRaw(raw));
    wallet ? f.mgr.LoadWalletTiles() : f.mgr.LoadAccountTiles();
    TImageCtrl* tile = f.tile(id);
    const QString balance = Currency::fromRaw(raw).toMoneyString();
    // The whole name and balance for the mouse and for assistive tools.
    QCOMPARE(tile->toolTip(), name + u'\n' + balance);
    QCOMPARE(tile->accessibleName(), name + QStringLiteral(", ") + balance);

    QFont bold = tile->font();
    bold.setBold(true);
    const int room = tile->width() - 2 * TImageBase::TextMargin;
    const QString shownName = TImageBase::elidedName(name, bold, room);
    QVERIFY(QFontMetrics(bold).horizontalAdvance(shownName) <= room);
    QCOMPARE(shownName == name, QFontMetrics(bold).horizontalAdvance(name) <= room);
    if (shownName != name)
        QVERIFY2(shownName.endsWith(QChar(0x2026)) || shownName.endsWith(QStringLiteral("...")), qPrintable(shownName));
    const QFont balanceFont = TImageBase::fittingFont(bold, balance, room);
    QVERIFY(QFontMetrics(balanceFont).horizontalAdvance(balance) <= room);

    // Nothing is painted in the margins at the sides of either line: no figure runs off the card.
    const QImage shown = tile->picture().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage plain =
        QImage(
            QDir(TImageBase::pictureDir()).filePath(wallet ? QStringLiteral("wallet.bmp") : QStringLiteral("acc.bmp")))
            .convertToFormat(QImage::Format_RGB32);
    for (int y = 25; y < shown.height(); ++y) {
        for (int x : {0, 1, 2, shown.width() - 3, shown.width() - 2, shown.width() - 1})
            QCOMPARE(shown.pixel(x, y), plain.pixel(x, y));
    }
}

void TestTiles::accessibleTiles()
{
    Fixture f;
    const qint32 a = f.db.addHolder(QStringLiteral("Bank"), 0, money("-4"));
    f.mgr.LoadAccountTiles();
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(f.tile(a));
    QVERIFY(item != nullptr);
    QCOMPARE(item->role(), QAccessible::ListItem);
    QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Bank, ($4.00)"));
    QVERIFY(item->state().selectable);
    QVERIFY(item->state().focusable);
    QVERIFY(!item->state().selected);
    QAccessibleActionInterface* actions = item->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    // Press selects as a mouse press does, with the same message.
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(item->state().selected);
    QCOMPARE(f.target.messages.size(), 1);
    QCOMPARE(f.target.messages[0].type, 1125);
    QCOMPARE(f.target.messages[0].wParam, a);
    // The name follows the record.
    f.db.dm().execute(QStringLiteral("update Account set Balance = 50000, name = 'Savings'"));
    f.mgr.RefreshTile(a);
    QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Savings, $5.00"));
}

namespace {

// The two boxes in one window between two edits, as the main window has them.
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
    QMenu accountMenu;
    QMenu walletMenu;
    QList<qint32> accountIds;
    QList<qint32> walletIds;

    Window()
    {
        target.mgr = mgr.get();
        before->setObjectName(QStringLiteral("before"));
        after->setObjectName(QStringLiteral("after"));
        accountMenu.addAction(QStringLiteral("Account Info..."));
        walletMenu.addAction(QStringLiteral("Wallet Info..."));
        mgr->setTileMenus(&accountMenu, &walletMenu);
        auto* layout = new QVBoxLayout(&host);
        layout->addWidget(before);
        layout->addWidget(accounts);
        layout->addWidget(wallets);
        layout->addWidget(after);
        for (const char* name : {"A1", "A2", "A3"})
            accountIds << db.addHolder(QString::fromLatin1(name), 0);
        for (const char* name : {"W1", "W2"})
            walletIds << db.addHolder(QString::fromLatin1(name), 2);
        mgr->LoadAccountTiles();
        mgr->LoadWalletTiles();
        host.resize(400, 500);
        host.show();
    }
    TImageCtrl* tile(qint32 id) const { return host.findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(id)); }
    QString focusName() const
    {
        QWidget* w = QApplication::focusWidget();
        return w != nullptr ? w->objectName() : QString();
    }
    QString tileName(qint32 id) const { return QStringLiteral("tile%1").arg(id); }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
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
    w.key(Qt::Key_Tab);
    QCOMPARE(w.focusName(), w.tileName(w.accountIds[0]));
    w.key(Qt::Key_Tab);
    QCOMPARE(w.focusName(), w.tileName(w.walletIds[0]));
    w.key(Qt::Key_Tab);
    QCOMPARE(w.focusName(), QStringLiteral("after"));
    w.key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(w.focusName(), w.tileName(w.walletIds[0]));
    w.key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(w.focusName(), w.tileName(w.accountIds[0]));
    w.key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(w.focusName(), QStringLiteral("before"));
    // Focus alone selects nothing; a selected tile is where Tab comes back to.
    QVERIFY(w.target.messages.isEmpty());
    QTest::mousePress(w.tile(w.accountIds[2]), Qt::LeftButton, {}, QPoint(5, 5));
    w.before->setFocus();
    w.key(Qt::Key_Tab);
    QCOMPARE(w.focusName(), w.tileName(w.accountIds[2]));
}

void TestTiles::arrowKeysMoveTheSelection_data()
{
    QTest::addColumn<bool>("wallets");
    QTest::addColumn<int>("from"); // index of the tile that has the focus
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to"); // index of the tile selected after the key; -1 none
    QTest::newRow("down") << false << 0 << int(Qt::Key_Down) << 1;
    QTest::newRow("right in the column") << false << 1 << int(Qt::Key_Right) << 2;
    QTest::newRow("up") << false << 2 << int(Qt::Key_Up) << 1;
    QTest::newRow("end") << false << 0 << int(Qt::Key_End) << 2;
    QTest::newRow("home") << false << 2 << int(Qt::Key_Home) << 0;
    QTest::newRow("down at the last") << false << 2 << int(Qt::Key_Down) << -1;
    QTest::newRow("up at the first") << false << 0 << int(Qt::Key_Up) << -1;
    QTest::newRow("right in the row") << true << 0 << int(Qt::Key_Right) << 1;
    QTest::newRow("left in the row") << true << 1 << int(Qt::Key_Left) << 0;
    QTest::newRow("space selects the focused tile") << true << 1 << int(Qt::Key_Space) << 1;
}

void TestTiles::arrowKeysMoveTheSelection()
{
    QFETCH(bool, wallets);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.host));
    const QList<qint32>& ids = wallets ? w.walletIds : w.accountIds;
    // An account stays selected while the wallets move, and the other way round.
    QTest::mousePress(w.tile(wallets ? w.accountIds[1] : w.walletIds[1]), Qt::LeftButton, {}, QPoint(5, 5));
    w.tile(ids[from])->setFocus();
    w.target.messages.clear();
    w.key(key);
    if (to < 0) {
        QVERIFY(w.target.messages.isEmpty());
        QCOMPARE(w.focusName(), w.tileName(ids[from]));
        return;
    }
    // Moving selects as a press does: one selection message, the others of the family cleared.
    QCOMPARE(w.target.messages.size(), 1);
    QCOMPARE(w.target.messages[0].type, 1125);
    QCOMPARE(w.target.messages[0].wParam, ids[to]);
    QCOMPARE(w.target.messages[0].lParam, wallets ? 1 : 0);
    QCOMPARE(w.focusName(), w.tileName(ids[to]));
    QCOMPARE(wallets ? w.mgr->SelectedWalletTile() : w.mgr->SelectedAccountTile(), w.tile(ids[to]));
    QCOMPARE(wallets ? w.mgr->SelectedAccountTile() : w.mgr->SelectedWalletTile(),
             w.tile(wallets ? w.accountIds[1] : w.walletIds[1]));
}

void TestTiles::enterAndMenuKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("menu");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
    QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
}

void TestTiles::enterAndMenuKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, menu);
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.host));
    TImageCtrl* tile = w.tile(w.walletIds[1]);
    tile->setFocus();
    QMenu* shown = nullptr;
    bool selectedFirst = false;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        selectedFirst = w.mgr->SelectedWalletTile() == tile;
        if (shown != nullptr)
            shown->close();
    });
    w.key(key, Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();
    // The tile is selected first, so that what opens acts on it.
    QVERIFY(!w.target.messages.isEmpty());
    QCOMPARE(w.target.messages[0].type, 1125);
    QCOMPARE(w.target.messages[0].wParam, w.walletIds[1]);
    if (menu) {
        QCOMPARE(shown, &w.walletMenu);
        QVERIFY(selectedFirst);
        QCOMPARE(w.target.messages.size(), 1);
    } else {
        QVERIFY(shown == nullptr);
        QCOMPARE(w.target.messages.size(), 2);
        QCOMPARE(w.target.messages[1].type, 1127);
        QCOMPARE(w.target.messages[1].wParam, w.walletIds[1]);
    }
}

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
