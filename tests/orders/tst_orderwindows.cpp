#include "BookingTestHelpers.h"
#include "ModalDriver.h"
#include "OrderBooks.h"
#include "TestDb.h"

#include "app/TFrmMain.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "help/THelpKey.h"
#include "history/TFrmAccountHistory.h"
#include "orders/TDueModel.h"
#include "orders/TFrmDueBookings.h"
#include "orders/TFrmStandingOrder.h"
#include "orders/TFrmStandingOrders.h"
#include "orders/TOrderStore.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TDateTimeEdit.h"
#include "toolkit/TGridModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

// The program as it starts: the main window shown; its due check runs from the event loop.
std::unique_ptr<TFrmMain> startProgram()
{
    auto w = std::make_unique<TFrmMain>();
    w->show();
    return w;
}

QList<QDate> dialogDates(const TFrmDueBookings* dialog)
{
    QList<QDate> dates;
    for (int row = 0; row < dialog->model()->rowCount(); ++row)
        dates << dialog->model()->occurrence(row).date;
    return dates;
}

} // namespace

class TestOrderWindows : public QObject
{
    Q_OBJECT

private slots:
    void dueBookingsAtStartAreBookedOnce_data();
    void dueBookingsAtStartAreBookedOnce();
    void skipAndLater();
    void midnightAsksAndAutomaticOrdersBookThemselves();
    void orderDialogChecksItsInput_data();
    void orderDialogChecksItsInput();
    void orderDialogKeepsEveryField_data();
    void orderDialogKeepsEveryField();
    void orderDialogTabOrder();
    void editFromTheList();
    void dueAmountsAreChecked_data();
    void dueAmountsAreChecked();
    void aDueTransferMovesBothBalances();
    void f1OpensEachPage();
    void ordersWindowCommands();
    void repeatMakesAnOrderOfABooking();
};

void TestOrderWindows::dueBookingsAtStartAreBookedOnce_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QList<QDate>>("dates");
    QTest::newRow("rent three months back") << QDate(2026, 9, 9) << QDate(2026, 12, 9)
                                            << QList<QDate>{{2026, 9, 9}, {2026, 10, 9}, {2026, 11, 9}, {2026, 12, 9}};
    QTest::newRow("rent three months back, today before its day")
        << QDate(2026, 9, 20) << QDate(2026, 12, 9) << QList<QDate>{{2026, 9, 20}, {2026, 10, 20}, {2026, 11, 20}};
    QTest::newRow("the 31st in a common year")
        << QDate(2027, 1, 31) << QDate(2027, 3, 31) << QList<QDate>{{2027, 1, 31}, {2027, 2, 28}, {2027, 3, 31}};
    QTest::newRow("the 31st in a leap year")
        << QDate(2028, 1, 31) << QDate(2028, 3, 31) << QList<QDate>{{2028, 1, 31}, {2028, 2, 29}, {2028, 3, 31}};
}

void TestOrderWindows::dueBookingsAtStartAreBookedOnce()
{
    QFETCH(QDate, first);
    QFETCH(QDate, today);
    QFETCH(QList<QDate>, dates);
    TestDb db;
    startWindowTest(QDateTime(today, QTime(9, 0)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("2000"));
    db.addDetail(0, bank, QDateTime(first.addYears(-1), QTime(8, 0)), money("2000"), QStringLiteral("Savings"));
    TOrderStore::save(rentOrder(bank, first));

    QList<QDate> shown;
    {
        ModalDriver driver([&](QDialog* d) {
            auto* dialog = qobject_cast<TFrmDueBookings*>(d);
            QVERIFY(dialog != nullptr);
            shown = dialogDates(dialog);
            for (int row = 0; row < dialog->model()->rowCount(); ++row)
                QVERIFY(dialog->model()->isTicked(row));
            child<QPushButton>(dialog, QStringLiteral("btnBook"))->click();
        });
        auto w = startProgram();
        QTRY_VERIFY(driver.dialogSeen());
        QVERIFY(!driver.leftOpen());
    }
    QCOMPARE(shown, dates);
    QCOMPARE(db.balance(bank), money("2000") - Currency::fromUnits(500 * dates.size()));
    QStringList days;
    for (const QDate& day : dates)
        days << day.toString(Qt::ISODate);
    QCOMPARE(db.rows(QStringLiteral("SELECT substr(Date, 1, 10) FROM Detail WHERE type = 1 ORDER BY Date")), days);
    QVERIFY(drift(db).isEmpty());

    // The next start finds nothing due.
    ModalDriver again([](QDialog*) {});
    auto w = startProgram();
    QTest::qWait(200);
    QVERIFY(!again.dialogSeen());
    QVERIFY(dueDates(today).isEmpty());
}

void TestOrderWindows::skipAndLater()
{
    TestDb db;
    const QDate today(2026, 12, 9);
    startWindowTest(QDateTime(today, QTime(9, 0)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("2000"));
    TOrderStore::save(rentOrder(bank, QDate(2026, 10, 1)));

    // Later: nothing booked, all still due.
    TFrmDueBookings later;
    later.setOccurrences(TOrderStore::due(today));
    child<QPushButton>(later, QStringLiteral("btnLater"))->click();
    QCOMPARE(later.result(), int(TDialog::mrCancel));
    QCOMPARE(dueDates(today), (QList<QDate>{{2026, 10, 1}, {2026, 11, 1}, {2026, 12, 1}}));

    // Skip the first: it is not due again, and nothing is booked; the rest stay in the dialog.
    TFrmDueBookings dialog;
    dialog.setOccurrences(TOrderStore::due(today));
    auto* grid = child<QTableView>(dialog, QStringLiteral("grdDue"));
    grid->selectRow(0);
    TMessageService::setNextAnswer(QMessageBox::Yes);
    child<QPushButton>(dialog, QStringLiteral("btnSkip"))->click();
    QCOMPARE(dialogDates(&dialog), (QList<QDate>{{2026, 11, 1}, {2026, 12, 1}}));
    QCOMPARE(dueDates(today), (QList<QDate>{{2026, 11, 1}, {2026, 12, 1}}));
    QCOMPARE(db.count(QStringLiteral("Detail")), 0);

    // The amount of a bill that varies is typed into its row; an unticked row stays due.
    dialog.model()->setData(dialog.model()->index(0, TDueModel::ColAmount), QStringLiteral("512.30"));
    dialog.model()->setData(dialog.model()->index(1, TDueModel::ColDate), Qt::Unchecked, Qt::CheckStateRole);
    child<QPushButton>(dialog, QStringLiteral("btnBook"))->click();
    QCOMPARE(db.balance(bank), money("1487.70"));
    QCOMPARE(dialogDates(&dialog), QList<QDate>{QDate(2026, 12, 1)});
    QCOMPARE(dueDates(today), QList<QDate>{QDate(2026, 12, 1)});

    // A refused occurrence stays due; the question was asked once for it.
    db.rows(QStringLiteral("UPDATE Account SET Balance = 0"));
    dialog.model()->setData(dialog.model()->index(0, TDueModel::ColDate), Qt::Checked, Qt::CheckStateRole);
    TMessageService::takeShown();
    child<QPushButton>(dialog, QStringLiteral("btnBook"))->click();
    QCOMPARE(TMessageService::takeShown().size(), 1);
    QCOMPARE(dueDates(today), QList<QDate>{QDate(2026, 12, 1)});
    QCOMPARE(dialog.result(), 0);
}

void TestOrderWindows::midnightAsksAndAutomaticOrdersBookThemselves()
{
    TestDb db;
    startWindowTest(QDateTime(QDate(2026, 12, 9), QTime(23, 59)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("2000"));
    TOrderStore::save(rentOrder(bank, QDate(2026, 12, 10)));
    TStandingOrder salary = rentOrder(bank, QDate(2026, 11, 9), true);
    salary.kind = TStandingOrder::Kind::Deposit;
    salary.forText = QStringLiteral("Salary");
    TOrderStore::save(salary);

    std::unique_ptr<TFrmMain> w;
    {
        ModalDriver none([](QDialog*) {});
        w = startProgram();
        QTRY_VERIFY(child<QWidget>(w.get(), QStringLiteral("statusAutoBooked"))->isVisible());
        QVERIFY(!none.dialogSeen());
    }
    // The salary booked itself, both its months, without a question, and says so.
    QCOMPARE(db.balance(bank), money("3000"));
    const QString booked = child<QLabel>(w.get(), QStringLiteral("statusAutoBooked"))->text();
    QVERIFY2(booked.count(QStringLiteral("Salary")) == 2, qPrintable(booked));
    // Within a week: tomorrow's rent, not January's salary.
    QCOMPARE(child<QLabel>(w.get(), QStringLiteral("statusDue"))->text(), QStringLiteral("Due in the next 7 days: 1"));

    // Midnight: the rent falls due and is asked for while the program runs.
    QList<QDate> shown;
    ModalDriver driver([&](QDialog* d) { shown = dialogDates(qobject_cast<TFrmDueBookings*>(d)); });
    TClock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(0, 0, 1)));
    w->tmr1Timer();
    QTRY_VERIFY(driver.dialogSeen());
    QCOMPARE(shown, QList<QDate>{QDate(2026, 12, 10)});
}

void TestOrderWindows::orderDialogChecksItsInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("holder"); // index in the list; -1: none
    QTest::addColumn<int>("dest");
    QTest::addColumn<QString>("counterparty");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("untilBeforeFirst");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::newRow("no holder") << "rbDebit" << -1 << -1 << "Shop"
                               << "10" << false << "Please select an Account/Wallet!";
    QTest::newRow("no destination") << "rbTransfer" << 0 << -1 << "Me"
                                    << "10" << false << "Please select Destination Account/Wallet!";
    QTest::newRow("one holder both sides")
        << "rbTransfer" << 0 << 0 << "Me"
        << "10" << false << "The source and the destination must be two different Accounts/Wallets.";
    QTest::newRow("no counterparty") << "rbDebit" << 0 << -1 << "  "
                                     << "10" << false << "Please input inofrmation for \"From\"";
    QTest::newRow("no amount") << "rbDeposit" << 0 << -1 << "Work"
                               << "" << false << "Please input the amount of the standing order.";
    QTest::newRow("not a number") << "rbDeposit" << 0 << -1 << "Work"
                                  << "12,3,4" << false << "The amount of the standing order is not a valid number.";
    QTest::newRow("zero") << "rbDebit" << 0 << -1 << "Shop"
                          << "0" << false << "The amount of the standing order must be a positive number.";
    QTest::newRow("ends before it starts") << "rbDebit" << 0 << -1 << "Shop"
                                           << "10" << true << "The last date lies before the first date.";
    QTest::newRow("a debit") << "rbDebit" << 0 << -1 << "Shop"
                             << "10.5" << false << "";
    QTest::newRow("a transfer") << "rbTransfer" << 1 << 0 << "Me"
                                << "10" << false << "";
}

void TestOrderWindows::orderDialogChecksItsInput()
{
    QFETCH(QString, kind);
    QFETCH(int, holder);
    QFETCH(int, dest);
    QFETCH(QString, counterparty);
    QFETCH(QString, amount);
    QFETCH(bool, untilBeforeFirst);
    QFETCH(QString, message);
    TestDb db;
    startWindowTest(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
    db.addHolder(QStringLiteral("Bank"), 0);
    db.addHolder(QStringLiteral("Cash"), 2);

    TFrmStandingOrder dialog;
    child<QRadioButton>(dialog, kind)->setChecked(true);
    child<QComboBox>(dialog, QStringLiteral("cbbHolder"))->setCurrentIndex(holder);
    child<QComboBox>(dialog, QStringLiteral("cbbDest"))->setCurrentIndex(dest);
    child<QComboBox>(dialog, QStringLiteral("cbbCounterparty"))->setEditText(counterparty);
    child<QLineEdit>(dialog, QStringLiteral("edtAmount"))->setText(amount);
    if (untilBeforeFirst) {
        child<QRadioButton>(dialog, QStringLiteral("rbUntil"))->setChecked(true);
        child<TDateTimeEdit>(dialog, QStringLiteral("dtpUntil"))->setDate(QDate(2026, 12, 8));
    }
    child<QPushButton>(dialog, QStringLiteral("btnOK"))->click();

    QCOMPARE(shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(TOrderStore::list().size(), message.isEmpty() ? 1 : 0);
    QCOMPARE(dialog.result(), message.isEmpty() ? int(TDialog::mrOk) : 0);
}

void TestOrderWindows::orderDialogKeepsEveryField_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("every");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("weekend");
    QTest::addColumn<bool>("varying");
    QTest::addColumn<bool>("automatic");
    QTest::newRow("monthly debit, no end") << 1 << 2 << 1 << QDate() << 0 << 0 << false << false;
    QTest::newRow("deposit every 2 weeks until, Friday before")
        << 0 << 1 << 2 << QDate(2027, 6, 30) << 0 << 1 << false << true;
    QTest::newRow("transfer every 3 days, 5 times, Monday after") << 2 << 0 << 3 << QDate() << 5 << 2 << true << false;
    QTest::newRow("yearly debit that varies") << 1 << 3 << 1 << QDate() << 0 << 0 << true << true;
}

void TestOrderWindows::orderDialogKeepsEveryField()
{
    QFETCH(int, kind);
    QFETCH(int, unit);
    QFETCH(int, every);
    QFETCH(QDate, last);
    QFETCH(int, times);
    QFETCH(int, weekend);
    QFETCH(bool, varying);
    QFETCH(bool, automatic);
    TestDb db;
    startWindowTest(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0);
    const qint32 cash = db.addHolder(QStringLiteral("Cash"), 2);
    TStandingOrder order = rentOrder(cash, QDate(2027, 1, 31));
    order.kind = TStandingOrder::Kind(kind);
    order.destination = order.kind == TStandingOrder::Kind::Transfer ? bank : 0;
    order.amount = money("1234.5678");
    order.memo = QStringLiteral("two\nlines");
    order.unit = TStandingOrder::Unit(unit);
    order.every = every;
    order.last = last;
    order.times = times;
    order.weekend = TStandingOrder::Weekend(weekend);
    order.varying = varying;
    order.automatic = automatic;
    order.ID = TOrderStore::save(order);

    // Opened and saved unchanged, the order stays as it was.
    TFrmStandingOrder dialog;
    dialog.setOrder(*TOrderStore::load(order.ID));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Standing Order"));
    child<QPushButton>(dialog, QStringLiteral("btnOK"))->click();
    QCOMPARE(shownTexts(), QStringList());
    QCOMPARE(TOrderStore::list().size(), 1);
    const TStandingOrder kept = *TOrderStore::load(order.ID);
    QCOMPARE(int(kept.kind), kind);
    QCOMPARE(kept.holder, cash);
    QCOMPARE(kept.destination, order.destination);
    QCOMPARE(kept.amount, order.amount);
    QCOMPARE(kept.counterparty, order.counterparty);
    QCOMPARE(kept.forText, order.forText);
    QCOMPARE(kept.memo, order.memo);
    QCOMPARE(int(kept.unit), unit);
    QCOMPARE(kept.every, every);
    QCOMPARE(kept.first, order.first);
    QCOMPARE(kept.last, last);
    QCOMPARE(kept.times, times);
    QCOMPARE(int(kept.weekend), weekend);
    QCOMPARE(kept.varying, varying);
    QCOMPARE(kept.automatic, automatic);
}

void TestOrderWindows::orderDialogTabOrder()
{
    TestDb db;
    startWindowTest(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
    TFrmStandingOrder dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList fields{"cbbHolder",  "cbbCounterparty", "edtAmount", "edtFor",  "mmoMemo",
                             "spnEvery",   "cbbUnit",         "dtpFirst",  "rbNoEnd", "cbbWeekend",
                             "chkVarying", "chkAutomatic",    "btnHelp",   "btnOK",   "btnClose"};
    QCOMPARE(tabOrder(child<QWidget>(dialog, QStringLiteral("cbbHolder")), fields), fields);
    // Every field is named for a screen reader.
    for (const QString& name : fields)
        QVERIFY2(!child<QWidget>(dialog, name)->accessibleName().isEmpty() ||
                     qobject_cast<QAbstractButton*>(child<QWidget>(dialog, name)),
                 qPrintable(name));
}

void TestOrderWindows::editFromTheList()
{
    TestDb db;
    startWindowTest(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0);
    const qint32 id = TOrderStore::save(rentOrder(bank, QDate(2026, 12, 15)));
    TFrmStandingOrders w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* grid = child<TDBGridView>(w, QStringLiteral("grdOrders"));
    grid->setFocus();
    ModalDriver driver([](QDialog* d) {
        child<QLineEdit>(d, QStringLiteral("edtAmount"))->setText(QStringLiteral("650"));
        child<QComboBox>(d, QStringLiteral("cbbUnit"))->setCurrentIndex(int(TStandingOrder::Unit::Weeks));
        child<QPushButton>(d, QStringLiteral("btnOK"))->click();
    });
    QTest::keyClick(grid, Qt::Key_F2);
    QVERIFY(driver.dialogSeen());
    QCOMPARE(TOrderStore::load(id)->amount, money("650"));
    QCOMPARE(columnTexts(grid->model(), 1), QStringList{"650"});
    QCOMPARE(columnTexts(grid->model(), 3), QStringList{"Every week"});
    QCOMPARE(w.selectedId(), id);
}

void TestOrderWindows::dueAmountsAreChecked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("balance"); // after Book: booked with the typed amount, or not at all
    QTest::newRow("empty") << ""
                           << "1000";
    QTest::newRow("not a number") << "12x"
                                  << "1000";
    QTest::newRow("negative") << "-5"
                              << "1000";
    QTest::newRow("zero") << "0"
                          << "1000";
    QTest::newRow("four decimals") << "80.1234"
                                   << "919.8766";
}

void TestOrderWindows::dueAmountsAreChecked()
{
    QFETCH(QString, typed);
    QFETCH(QString, balance);
    TestDb db;
    const QDate today(2026, 12, 9);
    startWindowTest(QDateTime(today, QTime(9, 0)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("1000"));
    TStandingOrder bill = rentOrder(bank, today);
    bill.varying = true;
    TOrderStore::save(bill);
    TFrmDueBookings dialog;
    dialog.setOccurrences(TOrderStore::due(today));
    dialog.model()->setData(dialog.model()->index(0, TDueModel::ColAmount), typed);
    child<QPushButton>(dialog, QStringLiteral("btnBook"))->click();
    const bool booked = balance != u"1000";
    QCOMPARE(shownTexts().size(), booked ? 0 : 1);
    QCOMPARE(db.balance(bank), money(balance.toLatin1().constData()));
    QCOMPARE(TOrderStore::due(today).size(), booked ? 0 : 1);
}

void TestOrderWindows::aDueTransferMovesBothBalances()
{
    TestDb db;
    const QDate today(2026, 12, 9);
    startWindowTest(QDateTime(today, QTime(9, 0)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("1000"));
    const qint32 cash = db.addHolder(QStringLiteral("Cash"), 2);
    TStandingOrder pocket = rentOrder(bank, QDate(2026, 11, 9));
    pocket.kind = TStandingOrder::Kind::Transfer;
    pocket.destination = cash;
    pocket.amount = money("50");
    TOrderStore::save(pocket);
    TFrmDueBookings dialog;
    dialog.setOccurrences(TOrderStore::due(today));
    QCOMPARE(dialog.model()->data(dialog.model()->index(0, TDueModel::ColHolders)).toString(),
             QStringLiteral("Bank -> Cash"));
    child<QPushButton>(dialog, QStringLiteral("btnBook"))->click();
    QCOMPARE(dialog.result(), int(TDialog::mrOk));
    QCOMPARE(dialog.bookedCount(), 2);
    QCOMPARE(db.balance(bank), money("900"));
    QCOMPARE(db.balance(cash), money("100"));
    QCOMPARE(db.count(QStringLiteral("Transfer")), 2);
}

void TestOrderWindows::f1OpensEachPage()
{
    TestDb db;
    startWindowTest(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
    THelpKey::install();
    TFrmStandingOrders orders;
    TFrmStandingOrder order;
    TFrmDueBookings due;
    for (QWidget* w : std::initializer_list<QWidget*>{&orders, &order, &due}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::keyClick(w, Qt::Key_F1);
    }
    QCOMPARE(helpRequests(), (QStringList{"context 1015", "context 1015", "context 1016"}));
}

void TestOrderWindows::ordersWindowCommands()
{
    TestDb db;
    const QDate today(2026, 12, 9);
    startWindowTest(QDateTime(today, QTime(9, 0)));
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("2000"));
    const qint32 id = TOrderStore::save(rentOrder(bank, QDate(2026, 12, 15)));

    TFrmStandingOrders w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* grid = child<TDBGridView>(w, QStringLiteral("grdOrders"));
    QCOMPARE(columnTexts(grid->model(), 3), QStringList{"Every month"});
    QCOMPARE(columnTexts(grid->model(), 0), QStringList{"12/15/26"});
    QCOMPARE(w.selectedId(), id);
    QStringList tips;
    for (const char* name : {"btnNew", "btnEdit", "btnDelete", "btnPause", "btnBookNow", "btnToolExit"})
        tips << child<QAction>(w, QString::fromLatin1(name))->toolTip();
    QCOMPARE(tips, (QStringList{"New (Ctrl+N)", "Edit (Enter, F2)", "Delete (Del)", "Pause/Resume (Ctrl+P)",
                                "Book Now (Ctrl+B)", "Exit (Esc)"}));

    // Pause and resume with the key.
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(TOrderStore::load(id)->paused);
    QCOMPARE(columnTexts(grid->model(), 5), QStringList{"Paused"});
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!TOrderStore::load(id)->paused);

    // Book Now books the next occurrence ahead of its day; the next date moves on a month.
    TMessageService::setNextAnswer(QMessageBox::Yes);
    QTest::keyClick(&w, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(db.balance(bank), money("1500"));
    QCOMPARE(columnTexts(grid->model(), 0), QStringList{"1/15/27"});

    // Delete: the order goes, its booking stays.
    grid->setFocus();
    TMessageService::setNextAnswer(QMessageBox::Yes);
    QTest::keyClick(grid, Qt::Key_Delete);
    QVERIFY(TOrderStore::list().isEmpty());
    QCOMPARE(grid->model()->rowCount(), 0);
    QCOMPARE(db.count(QStringLiteral("Detail")), 1);
}

void TestOrderWindows::repeatMakesAnOrderOfABooking()
{
    TestDb db;
    const QDateTime now(QDate(2026, 12, 9), QTime(9, 0));
    startWindowTest(now);
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("2000"));
    const qint32 detail = db.addDetail(1, bank, now, money("42.5"), QStringLiteral("Gym"), QStringLiteral("Fitness"));

    // The history window asks for it only where someone listens.
    {
        TFrmAccountHistory history;
        history.setHolderID(bank);
        QSignalSpy spy(&history, &TFrmAccountHistory::repeatRequested);
        history.show();
        QVERIFY(child<QAction>(history, QStringLiteral("mniRepeat"))->isVisible());
        QTRY_COMPARE(child<QTableView>(history, QStringLiteral("dbgrdh1"))->model()->rowCount(), 1);
        clickRow(child<QTableView>(history, QStringLiteral("dbgrdh1")), 0);
        QTest::keyClick(&history, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<TBooksChange::Booking>(), (TBooksChange::Booking{false, detail}));
    }
    TFrmAccountHistory alone;
    alone.show();
    QVERIFY(!child<QAction>(alone, QStringLiteral("mniRepeat"))->isVisible());

    // The main window opens the order dialog filled in from the booking; OK keeps the order.
    TFrmMain w;
    QString amount, counterparty;
    ModalDriver driver([&](QDialog* d) {
        amount = child<QLineEdit>(d, QStringLiteral("edtAmount"))->text();
        counterparty = child<QComboBox>(d, QStringLiteral("cbbCounterparty"))->currentText();
        child<QPushButton>(d, QStringLiteral("btnOK"))->click();
    });
    w.RepeatBooking(nullptr, false, detail);
    QVERIFY(driver.dialogSeen());
    QCOMPARE(amount, QStringLiteral("42.5"));
    QCOMPARE(counterparty, QStringLiteral("Gym"));
    const QList<TStandingOrder> orders = TOrderStore::list();
    QCOMPARE(orders.size(), 1);
    QCOMPARE(orders[0].holder, bank);
    QCOMPARE(orders[0].forText, QStringLiteral("Fitness"));
    QCOMPARE(orders[0].first, QDate(2027, 1, 9));
}

QTEST_MAIN(TestOrderWindows)
#include "tst_orderwindows.moc"
