#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "ImportBooks.h"
#include "ModalDriver.h"

#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TPanelMgr.h"
#include "bookings/TBookingStore.h"
#include "data/TClock.h"
#include "data/TPaths.h"
#include "help/TChmFile.h"
#include "help/THelpKey.h"
#include "help/THelpRouter.h"
#include "import/TCsvColumnRoles.h"
#include "import/TFrmImport.h"
#include "import/TImportPreviewModel.h"
#include "import/TImportProfiles.h"
#include "import/TImportStore.h"
#include "toolkit/TFileDialogService.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QList<StatementEntry> First = bankLedger(QDate(2024, 1, 1), QDate(2024, 3, 31));
const QList<StatementEntry> Second = bankLedger(QDate(2024, 2, 1), QDate(2024, 4, 30));

// The import dialog as the user drives it: open a file through Browse, wait for the preview.
struct Dialog
{
    TFrmImport* d;

    explicit Dialog(QDialog* dialog)
        : d(qobject_cast<TFrmImport*>(dialog))
    {
        if (d == nullptr)
            qFatal("not the import dialog");
    }
    template <class T>
    T* get(const char* name) const
    {
        return child<T>(*d, QString::fromLatin1(name));
    }
    bool browse(const QString& path) const
    {
        TFileDialogService::setNextChoice(TFileDialogService::Choice{path, 1});
        get<QPushButton>("btnBrowse")->click();
        return waitRead();
    }
    bool waitRead() const
    {
        return QTest::qWaitFor([this] { return !d->isBusy(); }, 30000);
    }
    const TImportPreview* preview() const { return d->previewModel()->preview(); }
    QStringList column(int column) const { return columnTexts(d->previewModel(), column); }
    bool canImport() const { return get<QPushButton>("btnImport")->isEnabled(); }
    QString message() const { return get<QLabel>("lblMessage")->text(); }
    void chooseRole(int column, TCsvRole role) const
    {
        get<QListWidget>("lstColumns")->setCurrentRow(column);
        auto* roles = get<QComboBox>("cbbRole");
        roles->setCurrentIndex(roles->findData(static_cast<int>(role)));
    }
};

// The main window over a database with an account and a wallet.
struct Main
{
    TestDb db;
    qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    qint32 purse = db.addHolder(QStringLiteral("Purse"), 2);
    TFrmMain w;

    Main() { w.show(); }
    TImageCtrl* tile(qint32 id) const { return child<TImageCtrl>(w, QStringLiteral("tile%1").arg(id)); }
    void press(qint32 id) const { QTest::mouseClick(tile(id), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
    void trigger(const char* name) const { child<QAction>(w, QString::fromLatin1(name))->trigger(); }
};

// A dialog of its own, for the holder given.
struct Standalone
{
    TFrmImport dialog{nullptr};
    Dialog ui{&dialog};

    explicit Standalone(qint32 holder)
    {
        dialog.PresetHolder(holder);
        dialog.show();
    }
};

} // namespace

class TestImportDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandsInTheMenus();
    void importFromTheMainWindow_data();
    void importFromTheMainWindow();
    void dateOrderIsAsked_data();
    void dateOrderIsAsked();
    void brokenLinesAreMarked();
    void nothingToImport_data();
    void nothingToImport();
    void lastProfileNeedsNoSetUp();
    void negativeBalance_data();
    void negativeBalance();
    void cancelWhileBooking_data();
    void cancelWhileBooking();
    void cancelWhileReading();
    void holderDeletedMeanwhile();
    void noHolderYet();
    void undoFromTheFileMenu();
    void keyboardAndNames();
    void datesAndAmountsShownWhole_data();
    void datesAndAmountsShownWhole();
    void fitsASmallScreen();
    void statementProvesItself();

private:
    StatementDir m_files;
};

void TestImportDialog::init()
{
    pinLocale("en_US");
    TClock::setFixed(QDateTime(QDate(2024, 5, 2), QTime(9, 30)));
    TMessageService::setTestMode(true);
    TFileDialogService::setTestMode(true);
}

void TestImportDialog::cleanup()
{
    TMessageService::takeShown();
}

void TestImportDialog::commandsInTheMenus()
{
    Main m;
    QStringList file;
    for (QAction* a : child<QMenu>(m.w, QStringLiteral("mniFile"))->actions())
        file.append(a->isSeparator() ? QStringLiteral("-") : a->objectName() + u' ' + a->text());
    QCOMPARE(file, (QStringList{"mniMenu_ImportStatement &Import Statement...", "mniMenu_UndoImport &Undo Import...",
                                "-", "mniMenu_BackUpNow &Back Up Now...", "mniMenu_RestoreBackup &Restore Backup...",
                                "-", "ExitX1 &Exit"}));
    for (const char* menu : {"pmAccount", "pmWallet"}) {
        QStringList names;
        for (QAction* a : child<QMenu>(m.w, QString::fromLatin1(menu))->actions())
            names.append(a->objectName());
        QVERIFY2(names.contains(QLatin1String(menu) == QLatin1String("pmAccount")
                                    ? QStringLiteral("mniPop_Acc_Import")
                                    : QStringLiteral("mniPop_Wal_Import")),
                 qPrintable(names.join(u',')));
    }
}

void TestImportDialog::importFromTheMainWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("selected"); // the tile pressed first: "account", "wallet" or ""
    QTest::addColumn<QString>("target");   // the holder the import goes to
    QTest::newRow("File menu, account selected") << "mniMenu_ImportStatement"
                                                 << "account"
                                                 << "account";
    QTest::newRow("File menu, nothing selected: the user chooses") << "mniMenu_ImportStatement"
                                                                   << ""
                                                                   << "wallet";
    QTest::newRow("account tile menu") << "mniPop_Acc_Import"
                                       << "account"
                                       << "account";
    QTest::newRow("wallet tile menu") << "mniPop_Wal_Import"
                                      << "wallet"
                                      << "wallet";
}

// File -> preview -> import, driven as a user drives it: the tile shows the new balance after.
void TestImportDialog::importFromTheMainWindow()
{
    QFETCH(QString, command);
    QFETCH(QString, selected);
    QFETCH(QString, target);
    Main m;
    const qint32 holder = target == QStringLiteral("account") ? m.bank : m.purse;
    if (!selected.isEmpty())
        m.press(selected == QStringLiteral("account") ? m.bank : m.purse);
    const QString path = m_files.write(QStringLiteral("first"), StatementKind::Csv, First);
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), holder);
    int shownRows = 0;
    QString totals;
    ModalDriver driver([&](QDialog* dialog) {
        const Dialog ui(dialog);
        QCOMPARE(ui.d->holderId(), selected.isEmpty() ? 0 : holder);
        if (selected.isEmpty()) {
            QCOMPARE(ui.get<QComboBox>("cbbHolder")->currentText(), QStringLiteral("Choose an account or wallet"));
            auto* holders = ui.get<QComboBox>("cbbHolder");
            holders->setCurrentIndex(holders->findData(holder));
        }
        QCOMPARE(ui.get<QComboBox>("cbbProfile")->currentText(), QStringLiteral("MyBank"));
        QVERIFY(ui.browse(path));
        shownRows = ui.d->previewModel()->rowCount();
        totals = ui.get<QLabel>("lblTotals")->text();
        QVERIFY(ui.canImport());
        ui.get<QPushButton>("btnImport")->click();
    });
    m.trigger(qPrintable(command));
    QVERIFY(driver.dialogSeen());
    QVERIFY(!driver.leftOpen());
    QCOMPARE(shownRows, int(First.size()) + 1); // and the statement's sum line, listed as such
    Currency deposits, debits;
    for (const StatementEntry& e : First)
        (e.amount.isNegative() ? debits : deposits) += e.amount;
    QCOMPARE(totals, QStringLiteral("%1 of %1 rows ticked: deposits %2, debits %3, together %4.")
                         .arg(QLocale().toString(First.size()), deposits.toMoneyString(), (-debits).toMoneyString(),
                              (deposits + debits).toMoneyString()));
    QCOMPARE(bookingsOf(m.db, holder), asBookings(First));
    QCOMPARE(drift(m.db), QStringList());
    QCOMPARE(m.tile(holder)->dataInfo()->Balance, m.db.balance(holder));
    // The listed holder's list and the totals are read again.
    if (!selected.isEmpty()) {
        QVERIFY(waitForBookingList(&m.w));
        QVERIFY2(
            child<QLabel>(m.w, QStringLiteral("statusTotals"))->text().contains(m.db.balance(holder).toMoneyString()),
            qPrintable(child<QLabel>(m.w, QStringLiteral("statusTotals"))->text()));
    }
    QCOMPARE(TImportStore::list().front().profile, QStringLiteral("MyBank"));
    QCOMPARE(shownTexts(), QStringList());
}

void TestImportDialog::dateOrderIsAsked_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("firstDate");
    QTest::newRow("day first") << int(TDateOrder::DayMonthYear) << "3 Apr 2024";
    QTest::newRow("month first") << int(TDateOrder::MonthDayYear) << "4 Mar 2024";
}

void TestImportDialog::dateOrderIsAsked()
{
    QFETCH(int, order);
    QFETCH(QString, firstDate);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, money("500"));
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("upto12.csv"), everyDayUpTo12Csv())));
    // Asked, never guessed: nothing can be booked until the order is chosen.
    QVERIFY2(s.ui.message().contains(QStringLiteral("Choose the date order")), qPrintable(s.ui.message()));
    QVERIFY(!s.ui.canImport());
    auto* orders = s.ui.get<QComboBox>("cbbDateOrder");
    QVERIFY(orders->currentText().startsWith(QStringLiteral("Choose")));
    // The question is read whole in the box, not cut off.
    QStyleOptionComboBox box;
    box.initFrom(orders);
    const QRect field =
        orders->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, orders);
    QVERIFY2(orders->fontMetrics().horizontalAdvance(orders->currentText()) <= field.width(),
             qPrintable(orders->currentText()));
    QCOMPARE(s.ui.preview()->rowCount(), 4);

    orders->setCurrentIndex(orders->findData(order));
    QVERIFY(s.ui.waitRead());
    QCOMPARE(s.ui.column(TImportPreviewModel::Date).front(), firstDate);
    QCOMPARE(s.ui.message(), QString());
    QVERIFY(s.ui.canImport());
    QCOMPARE(orders->findText(QStringLiteral("Choose"), Qt::MatchStartsWith), -1);

    // Saved with the profile, the order is not asked again.
    s.ui.get<QComboBox>("cbbProfile")->setEditText(QStringLiteral("Other bank"));
    s.ui.get<QPushButton>("btnSaveProfile")->click();
    Standalone again(bank);
    QCOMPARE(again.ui.get<QComboBox>("cbbProfile")->currentText(), QStringLiteral("Other bank"));
    QVERIFY(again.ui.browse(m_files.write(QStringLiteral("upto12.csv"), everyDayUpTo12Csv())));
    QVERIFY(again.ui.canImport());
    QCOMPARE(again.ui.column(TImportPreviewModel::Date).front(), firstDate);
    QCOMPARE(shownTexts(), QStringList());
}

// The lines that could not be read are in the grid, marked and explained; the rest is imported.
void TestImportDialog::brokenLinesAreMarked()
{
    TestDb db;
    {
        // A short file with one broken amount: the amount column is still found, and one line is "it".
        Standalone one(db.addHolder(QStringLiteral("Purse"), 2));
        QByteArray file("Date,Payee,Amount\n");
        for (int day = 10; day < 20; ++day)
            file += QByteArray::number(day) + "/09/2024,Shop," + (day == 15 ? "zwei" : "-5") + '\n';
        QVERIFY(one.ui.browse(m_files.write(QStringLiteral("one.csv"), file)));
        QCOMPARE(one.ui.message(),
                 QStringLiteral("1 of the file's lines could not be read; it is marked in red with the "
                                "reason and not booked. Check the settings, or import the rest."));
    }
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), bank);
    const QList<StatementEntry> entries = bankLedger(QDate(2024, 1, 1), QDate(2024, 1, 31));
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("broken.csv"), brokenBankCsv(entries))));
    QCOMPARE(s.ui.message(), QStringLiteral("3 of the file's lines could not be read; they are marked in red with "
                                            "the reason and not booked. Check the settings, or import the rest."));
    QCOMPARE(s.ui.column(TImportPreviewModel::Status).count(QStringLiteral("Not read")), 3);
    QCOMPARE(s.ui.column(TImportPreviewModel::From).at(1),
             QStringLiteral("A text in quotes is followed by other characters."));
    QVERIFY(s.ui.canImport());
    s.ui.get<QPushButton>("btnImport")->click();
    QCOMPARE(s.dialog.result(), int(TFrmImport::mrOk));
    QCOMPARE(db.count(QStringLiteral("Detail")), int(entries.size()) - 3);
    QCOMPARE(drift(db), QStringList());
}

void TestImportDialog::nothingToImport_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString none = QStringLiteral("The file holds no transactions that could be read. Check the settings.");
    QTest::newRow("empty CSV") << "empty.csv" << QByteArray() << none;
    QTest::newRow("blank lines") << "blank.csv" << QByteArray("\r\n\n \n") << none;
    QTest::newRow("titles only") << "titles.csv" << QByteArray("Date;Payee;Amount\r\n") << none;
    // What is wrong with the file as a whole is said as the reader says it.
    QTest::newRow("empty QIF") << "empty.qif" << QByteArray("!Type:Bank\n")
                               << QStringLiteral("The file holds no bank, cash or credit card transactions.");
    QTest::newRow("binary") << "photo.qif" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18)
                            << QStringLiteral("This is not a text file, so it cannot be a statement: export CSV from "
                                              "your bank.");
}

// A file without a single transaction says so; it does not ask for the order of dates it lacks.
void TestImportDialog::nothingToImport()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(name, bytes)));
    QCOMPARE(s.ui.message(), message);
    QVERIFY(!s.ui.get<QComboBox>("cbbDateOrder")->currentText().startsWith(QStringLiteral("Choose")));
    QVERIFY(!s.ui.canImport());
    QCOMPARE(shownTexts(), QStringList());
}

// Settings adjusted once and saved as "MyBank" are the holder's next time: a file of that bank
// imports with no set-up.
void TestImportDialog::lastProfileNeedsNoSetUp()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    const qint32 card = db.addHolder(QStringLiteral("Card"), 1);
    {
        Standalone s(bank);
        QCOMPARE(s.ui.get<QComboBox>("cbbProfile")->currentText(), QString());
        QVERIFY(s.ui.browse(m_files.write(QStringLiteral("first"), StatementKind::Csv, First)));
        // The guess reads the file; the value date (column 2) goes into Memo as well.
        QCOMPARE(s.ui.preview()->rowCount(), int(First.size()));
        s.ui.chooseRole(1, TCsvRole::Memo);
        QVERIFY(s.ui.waitRead());
        QCOMPARE(s.ui.column(TImportPreviewModel::Memo).front(), QStringLiteral("02.01.2024"));
        s.ui.get<QComboBox>("cbbProfile")->setEditText(QStringLiteral(" MyBank "));
        s.ui.get<QPushButton>("btnSaveProfile")->click();
        QCOMPARE(s.ui.message(), QStringLiteral("The settings are saved as the profile \"MyBank\"."));
        s.ui.get<QPushButton>("btnClose")->click();
        QCOMPARE(s.dialog.result(), int(TFrmImport::mrCancel));
    }
    QCOMPARE(db.count(QStringLiteral("Detail")), 0);
    {
        Standalone s(bank);
        QCOMPARE(s.ui.get<QComboBox>("cbbProfile")->currentText(), QStringLiteral("MyBank"));
        QVERIFY(s.ui.browse(m_files.write(QStringLiteral("second"), StatementKind::Csv, Second)));
        QCOMPARE(s.ui.column(TImportPreviewModel::Memo).front(), QStringLiteral("02.02.2024"));
        QVERIFY(s.ui.canImport());
        s.ui.get<QPushButton>("btnImport")->click();
        QCOMPARE(s.dialog.result(), int(TFrmImport::mrOk));
    }
    QCOMPARE(db.count(QStringLiteral("Detail")), int(Second.size()));
    QCOMPARE(TImportStore::list().front().profile, QStringLiteral("MyBank"));
    // Another holder has no profile of its own yet.
    Standalone other(card);
    QCOMPARE(other.ui.get<QComboBox>("cbbProfile")->currentText(), QString());
    QCOMPARE(shownTexts(), QStringList());
}

void TestImportDialog::negativeBalance_data()
{
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("booked");
    QTest::addColumn<QString>("shown");
    const QString reach = QStringLiteral("\nThis import would bring the balance of Girokonto to ($1.40).");
    QTest::newRow("refused") << false << false << int(QMessageBox::Ok) << false
                             << "The Account or wallet is not allowed go negative!" + reach;
    QTest::newRow("asked, cancelled") << true << true << int(QMessageBox::Cancel) << false
                                      << "The balance will go negative, are you sure to continue?!" + reach;
    QTest::newRow("asked, confirmed") << true << true << int(QMessageBox::Ok) << true
                                      << "The balance will go negative, are you sure to continue?!" + reach;
    QTest::newRow("allowed") << true << false << int(QMessageBox::Ok) << true << "";
}

void TestImportDialog::negativeBalance()
{
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(int, answer);
    QFETCH(bool, booked);
    QFETCH(QString, shown);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, {}, negative, warn);
    db.addDetail(0, bank, QDateTime(QDate(2024, 1, 1), QTime(8, 0)), money("5"));
    settleBalances(db);
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), bank);
    // Two coffees of 3.20 paid out of a balance of 5.
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("coffees"), StatementKind::Csv,
                                      bankLedger(QDate(2024, 1, 15), QDate(2024, 1, 15)))));
    QCOMPARE(s.ui.preview()->tickedCount(), 2);
    const QString before = snapshot(db);
    TMessageService::setNextAnswer(static_cast<QMessageBox::StandardButton>(answer));
    s.ui.get<QPushButton>("btnImport")->click();
    QCOMPARE(shownTexts(), shown.isEmpty() ? QStringList() : QStringList{shown});
    QCOMPARE(s.dialog.isVisible(), !booked);
    if (!booked)
        QCOMPARE(snapshot(db), before);
    else
        QCOMPARE(db.balance(bank), money("-1.4"));
}

void TestImportDialog::cancelWhileBooking_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
}

// A large file: the progress shows, the window answers, and a cancelled import writes nothing.
void TestImportDialog::cancelWhileBooking()
{
    QFETCH(bool, escape);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), bank);
    Standalone s(bank);
    QVERIFY(s.ui.browse(
        m_files.write(QStringLiteral("large"), StatementKind::Csv, bankLedger(QDate(1990, 1, 1), QDate(2030, 1, 1)))));
    const int rows = s.ui.preview()->tickedCount();
    QVERIFY(rows > 20000);
    const QString before = snapshot(db);
    QString during;
    QTimer::singleShot(0, &s.dialog, [&] {
        during = s.ui.get<QPushButton>("btnClose")->text();
        QVERIFY(s.ui.get<QProgressBar>("prgWork")->isVisible());
        if (escape)
            QTest::keyClick(&s.dialog, Qt::Key_Escape);
        else
            s.ui.get<QPushButton>("btnClose")->click();
    });
    s.ui.get<QPushButton>("btnImport")->click();
    QCOMPARE(during, QStringLiteral("Cancel"));
    QVERIFY(s.dialog.isVisible());
    QCOMPARE(s.ui.message(), QStringLiteral("The import was cancelled; nothing was booked."));
    QCOMPARE(snapshot(db), before);
    QCOMPARE(s.ui.get<QPushButton>("btnClose")->text(), QStringLiteral("Close"));
    // Not cancelled, it books every row.
    s.ui.get<QPushButton>("btnImport")->click();
    QVERIFY(!s.dialog.isVisible());
    QCOMPARE(db.count(QStringLiteral("Detail")), rows);
    QCOMPARE(drift(db), QStringList());
}

void TestImportDialog::cancelWhileReading()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    Standalone s(bank);
    TFileDialogService::setNextChoice(TFileDialogService::Choice{
        m_files.write(QStringLiteral("large"), StatementKind::Csv, bankLedger(QDate(1990, 1, 1), QDate(2030, 1, 1))),
        1});
    s.ui.get<QPushButton>("btnBrowse")->click();
    QVERIFY(s.dialog.isBusy());
    QCOMPARE(s.ui.get<QPushButton>("btnClose")->text(), QStringLiteral("Cancel"));
    s.ui.get<QPushButton>("btnClose")->click();
    QCOMPARE(s.ui.message(), QStringLiteral("Reading the file was cancelled."));
    QVERIFY(s.dialog.isVisible());
    QVERIFY(s.ui.waitRead());
    QCOMPARE(s.ui.preview(), nullptr);
    QVERIFY(!s.ui.canImport());
}

// The holder deleted while the dialog is open: the user is told, and asked to choose another one.
void TestImportDialog::holderDeletedMeanwhile()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    const qint32 purse = db.addHolder(QStringLiteral("Purse"), 2);
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), bank);
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("first"), StatementKind::Csv, First)));
    db.dm().execute(QStringLiteral("delete from Account where ID = ?"), {bank});
    s.ui.get<QPushButton>("btnImport")->click();
    QCOMPARE(shownTexts(), QStringList{QStringLiteral("The account or wallet no longer exists.")});
    QVERIFY(s.dialog.isVisible());
    QVERIFY(s.ui.waitRead());
    auto* holders = s.ui.get<QComboBox>("cbbHolder");
    QCOMPARE(comboTexts(holders), (QStringList{"Choose an account or wallet", "Purse (wallet)"}));
    QCOMPARE(s.ui.get<QLabel>("lblBalance")->text(), QString());
    QVERIFY(!s.ui.canImport());
    holders->setCurrentIndex(holders->findData(purse));
    QVERIFY(s.ui.waitRead());
    s.ui.get<QPushButton>("btnImport")->click();
    QCOMPARE(s.dialog.result(), int(TFrmImport::mrOk));
    QCOMPARE(bookingsOf(db, purse), asBookings(First));
    QCOMPARE(drift(db), QStringList());
}

// A new user's first import, before any account or wallet exists, says what to do first.
void TestImportDialog::noHolderYet()
{
    TestDb db;
    const QString advice = QStringLiteral("There is no account or wallet to import into yet. Make one with New "
                                          "Account... in the Accounts menu or New Wallet... in the Wallets menu.");
    Standalone s(0);
    QCOMPARE(s.ui.message(), advice);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("first"), StatementKind::Csv, First)));
    QCOMPARE(s.ui.preview()->rowCount(), int(First.size()));
    QCOMPARE(s.ui.message(), advice);
    QVERIFY(!s.ui.canImport());
}

void TestImportDialog::undoFromTheFileMenu()
{
    Main m;
    const qint32 first = importFile(m_files.write(QStringLiteral("first"), StatementKind::Csv, First), m.bank);
    const Currency afterFirst = m.db.balance(m.bank);
    importFile(m_files.write(QStringLiteral("second"), StatementKind::Csv, Second), m.bank);
    m.w.panelMgr()->RefreshTile(m.bank);
    QVERIFY(m.tile(m.bank)->dataInfo()->Balance != afterFirst);

    QStringList listed;
    ModalDriver driver([&](QDialog* dialog) {
        auto* imports = child<QTreeWidget>(*dialog, QStringLiteral("lstImports"));
        for (int i = 0; i < imports->topLevelItemCount(); ++i)
            listed.append(imports->topLevelItem(i)->text(2) + u' ' + imports->topLevelItem(i)->text(3));
        TMessageService::setNextAnswer(QMessageBox::Ok);
        child<QPushButton>(*dialog, QStringLiteral("btnUndo"))->click();
        QCOMPARE(imports->topLevelItemCount(), 1);
        child<QPushButton>(*dialog, QStringLiteral("btnClose"))->click();
    });
    m.trigger("mniMenu_UndoImport");
    QVERIFY(driver.dialogSeen());
    QVERIFY(!driver.leftOpen());
    const qsizetype fresh = bankLedger(QDate(2024, 4, 1), QDate(2024, 4, 30)).size();
    QCOMPARE(listed, (QStringList{QStringLiteral("second.csv %1").arg(fresh),
                                  QStringLiteral("first.csv %1").arg(First.size())}));
    const QStringList shown = shownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(
        shown.front().startsWith(
            QStringLiteral("Take back the import of \"second.csv\" into Girokonto (%1 rows, together ").arg(fresh)),
        qPrintable(shown.front()));
    QCOMPARE(m.db.balance(m.bank), afterFirst);
    QCOMPARE(m.tile(m.bank)->dataInfo()->Balance, afterFirst);
    QCOMPARE(TImportStore::list().front().id, first);
}

// On an 800 x 600 screen, the dialog fits whole with a panel of the desktop beside it; the settings
// scroll, and a setting reached with the keyboard is scrolled into view.
void TestImportDialog::fitsASmallScreen()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("first"), StatementKind::Csv, First)));
    const QSize least = s.dialog.layout()->totalMinimumSize();
    QVERIFY2(least.width() <= 800 && least.height() <= 540,
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
    s.dialog.resize(least);
    auto* negate = s.ui.get<QCheckBox>("chkNegate");
    s.ui.get<QTableView>("tblPreview")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), negate);
    QVERIFY(!negate->visibleRegion().isEmpty());
}

void TestImportDialog::keyboardAndNames()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0);
    TImportProfiles::save(QStringLiteral("MyBank"), bankCsvSettings(), bank);
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("first"), StatementKind::Csv, First)));
    QCOMPARE(s.dialog.property("helpContext").toInt(), 1013);

    // Every control the keyboard reaches has a name for screen readers, and Tab visits them in
    // reading order.
    QStringList unnamed;
    for (QWidget* w : s.dialog.findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->accessibleName().isEmpty() &&
            !w->objectName().isEmpty() && !w->objectName().startsWith(QStringLiteral("qt_")))
            unnamed.append(w->objectName());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u',')));
    const QStringList order{"cbbHolder",    "edtFile",    "btnBrowse",  "cbbProfile", "btnSaveProfile",
                            "cbbDelimiter", "lstColumns", "tblPreview", "btnTickNew", "btnImport"};
    QCOMPARE(tabOrder(s.ui.get<QComboBox>("cbbHolder"), order), order);
    // Tab pressed in the grid goes on to the buttons below it, Shift+Tab back to the settings.
    for (auto [key, next] : {std::pair{Qt::Key_Tab, "btnTickNew"}, {Qt::Key_Backtab, "chkNegate"}}) {
        s.ui.get<QTableView>("tblPreview")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
    }

    // Space unticks the selected rows, and ticks them again; with none selected, the current row.
    auto* grid = s.ui.get<QTableView>("tblPreview");
    grid->setFocus();
    const int ticked = s.ui.preview()->tickedCount();
    QCOMPARE(grid->currentIndex().row(), 0);
    for (int expected : {ticked - 1, ticked}) {
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(s.ui.preview()->tickedCount(), expected);
    }
    grid->selectRow(0);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(s.ui.preview()->tickedCount(), ticked - 2);
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(s.ui.preview()->tickedCount(), ticked);

    // F1 and Help ask for the dialog's page.
    THelpKey::install();
    THelpRouter::takeRequests();
    QTest::keyClick(grid, Qt::Key_F1);
    s.ui.get<QPushButton>("btnHelp")->click();
    const auto requests = THelpRouter::takeRequests();
    QCOMPARE(requests.size(), 2);
    for (const THelpRouter::Request& r : requests)
        QCOMPARE(r.context, TFrmImport::HelpContext);

    // The help file maps the number to the page, which its contents and index name.
    TChmFile::setCheckProgram(TPaths::helpCheckProgram());
    const auto help = TChmFile::open(TPaths::helpFile());
    QVERIFY(help);
    QCOMPARE(help->topicOfContext(TFrmImport::HelpContext), QStringLiteral("/import.htm"));
    QVERIFY(help->read(QStringLiteral("/import.htm")).contains("<title>Importing a bank statement</title>"));
    for (const QString& list : {help->contentsFile(), help->indexFile()})
        QVERIFY2(help->read(list).contains("import.htm"), qPrintable(list));
}

void TestImportDialog::datesAndAmountsShownWhole_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("amount");
    QTest::newRow("en_US: brackets and $") << QByteArray("en_US") << "28 Sep 2024"
                                           << "($99,999.99)";
    QTest::newRow("de_DE: Sept. and €") << QByteArray("de_DE") << "28 Sept. 2024"
                                        << "-99.999,99 €";
    QTest::newRow("fr_FR: brackets and €") << QByteArray("fr_FR") << "28 sept. 2024"
                                           << "(99\u202f999,99 €)";
}

// The longest month and a large debit fit their columns in the user's locale, not cut off.
void TestImportDialog::datesAndAmountsShownWhole()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, date);
    QFETCH(QString, amount);
    pinLocale(locale.constData());
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, money("100000"));
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("wide.csv"), "Date,Payee,Amount\n28/09/2024,A,-99999.99\n")));
    QCOMPARE(s.ui.column(TImportPreviewModel::Date), QStringList{date});
    QCOMPARE(s.ui.column(TImportPreviewModel::Amount).front().replace(QChar(0xa0), u' '), amount);
    // An item view cuts a text short when it and the margins on both sides outgrow the column.
    auto* grid = s.ui.get<QTableView>("tblPreview");
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
    for (int column : {int(TImportPreviewModel::Date), int(TImportPreviewModel::Amount)}) {
        const QString text = s.ui.column(column).front();
        QVERIFY2(grid->fontMetrics().horizontalAdvance(text) + margins <= grid->columnWidth(column), qPrintable(text));
    }
}

// The statement's balances and the bookings typed before it came, as the dialog shows them: an
// altered amount marked and left out, the rent typed by hand linked, the closing balance compared.
void TestImportDialog::statementProvesItself()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Girokonto"), 0, {}, true);
    TBookingStore::saveDetail({0,
                               TDetailRow::Debit,
                               bank,
                               QDateTime(QDate(2024, 2, 13), QTime(8, 0)),
                               QStringLiteral("Landlord"),
                               money("500"),
                               {},
                               {}});
    Standalone s(bank);
    QVERIFY(s.ui.browse(m_files.write(QStringLiteral("proof.csv"),
                                      "Date;Payee;Amount;Balance\n13.02.2024;Employer;1000,00;1000,00\n"
                                      "14.02.2024;Landlord;-500,00;500,00\n15.02.2024;Shop;-25,00;480,00\n"
                                      "16.02.2024;Cafe;-10,00;470,00\n")));
    QCOMPARE(s.ui.column(TImportPreviewModel::Status),
             (QStringList{"New", "Typed before: 13 Feb 2024, Landlord", "Balance disagrees", "New"}));
    QCOMPARE(s.ui.message(),
             QStringLiteral("1 row disagrees with the statement's balances: it is marked and not ticked. Check its "
                            "amount against the statement.\n1 row is a booking typed before the statement came: "
                            "unticked, it is linked to that booking, not booked again."));
    QVERIFY(s.ui.get<QLabel>("lblBalance")
                ->text()
                .endsWith(QStringLiteral(
                    "After the import, Girokonto would stand at $490.00 at the end of 16 Feb 2024, but the "
                    "statement's closing balance is $470.00: $20.00 apart.")));
    s.ui.get<QPushButton>("btnImport")->click();
    QCOMPARE(s.dialog.result(), int(TFrmImport::mrOk));
    QCOMPARE(bookingsOf(db, bank).size(), 3); // the rent typed, the salary and the coffee imported
    QCOMPARE(db.rows(QStringLiteral("select Link from ImportRow order by Link")), (QStringList{"0", "0", "1"}));
}

QTEST_MAIN(TestImportDialog)
#include "tst_importdialog.moc"
