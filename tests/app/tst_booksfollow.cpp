#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "HistoryBooks.h"
#include "ImportBooks.h"
#include "ModalDriver.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "bookings/TBookingStore.h"
#include "import/TFrmImport.h"
#include "import/TImportProfiles.h"
#include "toolkit/TDBGridView.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

// The main window over the history window's books, with the bank's tile pressed.
struct Fixture
{
    HistoryBooks books;
    TFrmMain w;
    StatementDir files;

    Fixture()
    {
        w.show();
        press(books.bank);
    }
    TImageCtrl* tile(qint32 id) const { return w.findChild<TImageCtrl*>(QStringLiteral("tile%1").arg(id)); }
    void press(qint32 id)
    {
        QTest::mouseClick(tile(id), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        waitForBookingList(&w);
    }
    void trigger(const char* name) const { child<QAction>(w, QString::fromLatin1(name))->trigger(); }
    // What the main window shows of the books: the list, the summary strip, the totals, the tiles'
    // balances and which tiles are selected.
    QStringList shown()
    {
        QCoreApplication::processEvents();
        waitForBookingList(&w);
        QStringList out;
        for (const char* grid : {"dbgrdh1", "dbgrdhTotal"}) {
            const QAbstractItemModel* model = child<TDBGridView>(w, QString::fromLatin1(grid))->model();
            for (int c = 0; c < model->columnCount(); ++c)
                out << columnTexts(model, c).join(u'|');
        }
        out << child<QLabel>(w, QStringLiteral("statusTotals"))->text();
        for (const auto* records : {&w.panelMgr()->accounts(), &w.panelMgr()->wallets()}) {
            for (const auto& r : *records)
                out << QStringLiteral("%1 %2 %3")
                           .arg(r->Name, r->Balance.toMoneyString())
                           .arg(static_cast<TImageCtrl*>(r->Tile)->isSelected());
        }
        return out;
    }
};

// The texts of a grid's column "From".
QStringList froms(const QWidget& window)
{
    const QAbstractItemModel* model = child<TDBGridView>(window, QStringLiteral("dbgrdh1"))->model();
    const QStringList titles = headerTexts(model);
    for (int c = 0; c < titles.size(); ++c) {
        if (titles.at(c).compare(u"from", Qt::CaseInsensitive) == 0)
            return columnTexts(model, c);
    }
    qFatal("no column From");
}

// In the history window: the grid row whose From is `from`.
int historyRow(QDialog* history, const QString& from)
{
    waitForBookingList(history);
    return static_cast<int>(froms(*history).indexOf(from));
}

using Action = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Action)

// Every view of the main window shows the books as they are after a write, wherever it was made,
// without a click: as after pressing the tile again.
class TestBooksFollow : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(HistoryBooks::now()); }
    void mainWindowFollowsEveryWrite_data();
    void mainWindowFollowsEveryWrite();
    void bothWindowsFollowABookingElsewhere();
};

void TestBooksFollow::mainWindowFollowsEveryWrite_data()
{
    QTest::addColumn<Action>("write");
    dataRow("a deposit", Action([](Fixture& f) {
                ModalDriver driver([](QDialog* d) {
                    child<QComboBox>(*d, QStringLiteral("cbbFrom"))->setEditText(QStringLiteral("Bonus"));
                    child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->setText(QStringLiteral("3"));
                    child<QPushButton>(*d, QStringLiteral("btnOK"))->click();
                });
                f.trigger("btnToolDeposite");
            }));
    dataRow("an import", Action([](Fixture& f) {
                const QString path = f.files.write(QStringLiteral("march"), StatementKind::Csv,
                                                   bankLedger(QDate(2026, 3, 1), QDate(2026, 3, 3)));
                TCsvSettings settings = bankCsvSettings();
                settings.dateOrderChosen = true;
                TImportProfiles::save(QStringLiteral("MyBank"), settings, f.books.bank);
                ModalDriver driver([&](QDialog* d) {
                    auto* dialog = qobject_cast<TFrmImport*>(d);
                    dialog->openFile(path);
                    QVERIFY(QTest::qWaitFor([dialog] { return !dialog->isBusy(); }));
                    child<QPushButton>(*d, QStringLiteral("btnImport"))->click();
                });
                f.trigger("mniMenu_ImportStatement");
            }));
    dataRow("an edit in the history window", Action([](Fixture& f) {
                ModalDriver history([](QDialog* h) {
                    clickRow(child<TDBGridView>(*h, QStringLiteral("dbgrdh1")),
                             historyRow(h, QStringLiteral("Employer")));
                    ModalDriver edit([](QDialog* d) {
                        child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->setText(QStringLiteral("12"));
                        child<QPushButton>(*d, QStringLiteral("btnOK"))->click();
                    });
                    child<QAction>(*h, QStringLiteral("btnEdit"))->trigger();
                    h->close();
                });
                f.trigger("mniMenu_AccountHistory");
            }));
    dataRow("a delete in the history window", Action([](Fixture& f) {
                ModalDriver history([](QDialog* h) {
                    clickRow(child<TDBGridView>(*h, QStringLiteral("dbgrdh1")), historyRow(h, QStringLiteral("ATM")));
                    TMessageService::setNextAnswer(QMessageBox::Yes);
                    child<QAction>(*h, QStringLiteral("btnDelete"))->trigger();
                    h->close();
                });
                f.trigger("mniMenu_AccountHistory");
            }));
    dataRow("a booking made without a window", Action([](Fixture& f) {
                TBookingStore::saveTransfer(
                    transferRow(f.books.cash, f.books.bank, money("1.5"), HistoryBooks::now(), QStringLiteral("Back")));
            }));
}

void TestBooksFollow::mainWindowFollowsEveryWrite()
{
    QFETCH(Action, write);
    Fixture f;
    const QStringList before = f.shown();
    write(f);
    const QStringList after = f.shown();
    QVERIFY(after != before);
    // The bank's tile is still selected, so the next command has its holder.
    QCOMPARE(f.w.panelMgr()->SelectedAccountTile(), f.tile(f.books.bank));
    f.press(f.books.bank);
    QCOMPARE(after, f.shown());
}

// A booking written while the history window is open over the main window: both follow it.
void TestBooksFollow::bothWindowsFollowABookingElsewhere()
{
    Fixture f;
    int rowsBefore = -1, rowsAfter = -1;
    ModalDriver history([&](QDialog* h) {
        rowsBefore = historyRow(h, QStringLiteral("Elsewhere"));
        TBookingStore::saveDetail(
            detailRow(0, f.books.bank, money("2"), HistoryBooks::now(), QStringLiteral("Elsewhere")));
        QVERIFY(QTest::qWaitFor([&] { return historyRow(h, QStringLiteral("Elsewhere")) >= 0; }, 5000));
        rowsAfter = historyRow(h, QStringLiteral("Elsewhere"));
        QVERIFY(QTest::qWaitFor([&] { return froms(f.w).contains(u"Elsewhere"); }, 5000));
        h->close();
    });
    f.trigger("mniMenu_AccountHistory");
    QCOMPARE(rowsBefore, -1);
    QVERIFY(rowsAfter >= 0);
}

QTEST_MAIN(TestBooksFollow)
#include "tst_booksfollow.moc"
