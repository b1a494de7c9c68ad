#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "bookings/TBookingStore.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "toolkit/TImageBase.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// The deposit, debit and transfer dialogs.

namespace {

const QDateTime Now(QDate(2026, 5, 17), QTime(9, 41, 7));

std::unique_ptr<TFrmDetailBase> makeDialog(bool debit)
{
    if (debit)
        return std::make_unique<TFrmDebit>();
    return std::make_unique<TFrmDeposit>();
}

// The dialog of `kind` ("deposit", "debit" or "transfer") on view, preset to `holder`; a transfer
// goes from `holder` to `other`.
std::unique_ptr<TDialog> openDialog(const QString& kind, qint32 holder, qint32 other = 0)
{
    std::unique_ptr<TDialog> dialog;
    if (kind == u"transfer") {
        auto transfer = std::make_unique<TFrmTransfer>();
        transfer->PresetHolders(holder, other);
        dialog = std::move(transfer);
    } else {
        auto detail = makeDialog(kind == u"debit");
        detail->PresetHolder(holder);
        dialog = std::move(detail);
    }
    dialog->show();
    return dialog;
}

QString counterpartyName(bool debit)
{
    return debit ? QStringLiteral("cbbTo") : QStringLiteral("cbbFrom");
}

// Whom the money comes from or goes to: "To" of a debit, "From" of a deposit or a transfer.
QComboBox* counterparty(const QDialog& d)
{
    auto* to = d.findChild<QComboBox*>(QStringLiteral("cbbTo"));
    return to != nullptr ? to : child<QComboBox>(d, QStringLiteral("cbbFrom"));
}

// The holder the money of the dialog's booking comes from (a deposit's: goes to).
qint32 payerOf(const QDialog& d)
{
    if (const auto* transfer = qobject_cast<const TFrmTransfer*>(&d))
        return transfer->sourceHolder().ID;
    return static_cast<const TFrmDetailBase&>(d).currentHolder().ID;
}

// Presses OK (Save in a transfer).
void pressOk(QDialog& d)
{
    auto* ok = d.findChild<QPushButton*>(QStringLiteral("btnOK"));
    QTest::mouseClick(ok != nullptr ? ok : child<QPushButton>(d, QStringLiteral("btnSave")), Qt::LeftButton);
}

// Fills the booking fields as a user would and presses OK.
void book(QDialog& d, const QString& who, const QString& amount, const QString& forText = {}, const QString& memo = {})
{
    counterparty(d)->setEditText(who);
    child<QLineEdit>(d, QStringLiteral("edtAmmount"))->setText(amount);
    child<QLineEdit>(d, QStringLiteral("edtFor"))->setText(forText);
    child<QPlainTextEdit>(d, QStringLiteral("mmoMemo"))->setPlainText(memo);
    pressOk(d);
}

// Each label of `labels` as "caption > the name of its buddy", with " (no name)" where a screen
// reader finds no name for the buddy.
QStringList buddies(const QWidget& d, const QStringList& labels)
{
    QStringList out;
    for (const QString& name : labels) {
        const auto* label = child<QLabel>(d, name);
        const QWidget* buddy = label->buddy();
        out << label->text() + QStringLiteral(" > ") + (buddy != nullptr ? buddy->objectName() : QString()) +
                   (buddy == nullptr || buddy->accessibleName().isEmpty() ? QStringLiteral(" (no name)") : QString());
    }
    return out;
}

// The user picks row `index` of the holder list with the keyboard.
void chooseHolderRow(TFrmDetailBase& d, int index)
{
    chooseRowByKeys(child<QComboBox>(d, QStringLiteral("cbbInf")), index);
}

qint32 tileId(const TFrmDetailBase& d)
{
    return child<TImageBase>(d, QStringLiteral("imgHolder"))->GetID();
}

QComboBox* sourceList(const TFrmTransfer& d)
{
    return child<QComboBox>(d, QStringLiteral("cbbInf1"));
}

QComboBox* destList(const TFrmTransfer& d)
{
    return child<QComboBox>(d, QStringLiteral("cbbInf2"));
}

TImageBase* sourceTile(const TFrmTransfer& d)
{
    return child<TImageBase>(d, QStringLiteral("grpSourceTile"));
}

TImageBase* destTile(const TFrmTransfer& d)
{
    return child<TImageBase>(d, QStringLiteral("grpDestTile"));
}

// The user picks the row with text `text` in `list` (its `occurrence`-th, from 0) with the keyboard.
void choose(QComboBox* list, const QString& text, int occurrence = 0)
{
    const QStringList rows = comboTexts(list);
    int index = rows.indexOf(text);
    while (occurrence-- > 0 && index >= 0)
        index = rows.indexOf(text, index + 1);
    chooseRowByKeys(list, index);
}

TTransferRow stored(qint32 source, qint32 dest, const char* amount)
{
    return transferRow(source, dest, money(amount), Now, QStringLiteral("Me"));
}

} // namespace

class TestBookingDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(Now); }
    void controls_data();
    void controls();
    void counterpartySuggestions_data();
    void counterpartySuggestions();
    void activationShowsPresetHolder_data();
    void activationShowsPresetHolder();
    void familySwitch();
    void reclickingTheChosenFamilyKeepsTheHolder_data();
    void reclickingTheChosenFamilyKeepsTheHolder();
    void familyWithoutHolders();
    void holdersOfOneNameKeepTheirBookings_data();
    void holdersOfOneNameKeepTheirBookings();
    void validSave_data();
    void validSave();
    void loadForEdit_data();
    void loadForEdit();
    void editDebitUnderNegativeRule_data();
    void editDebitUnderNegativeRule();
    void editMovesBookingToAnotherHolder();
    void transferControls();
    void holderLists_data();
    void holderLists();
    void presets_data();
    void presets();
    void sectionRowsRefused();
    void newTransfer();
    void transferHoldersOfOneNameKeepTheirBookings();
    void transferEdit_data();
    void transferEdit();
    void editBreakingTheRuleWritesNothing_data();
    void editBreakingTheRuleWritesNothing();
    void validation_data();
    void validation();
    void negativeBalance_data();
    void negativeBalance();
    void databaseFailureKeepsInput_data();
    void databaseFailureKeepsInput();
    void closeWritesNothing_data();
    void closeWritesNothing();
    void dateTypedByKeys_data();
    void dateTypedByKeys();
};

void TestBookingDialogs::controls_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    dataRow("deposit", false, "Deposit", QSize(537, 241), "Receive info", "From:");
    dataRow("debit", true, "Debit", QSize(540, 240), "Debit info", "To:");
}

void TestBookingDialogs::controls()
{
    QFETCH(bool, debit);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, group);
    QFETCH(QString, label);
    TestDb db;
    auto d = makeDialog(debit);
    QCOMPARE(d->windowTitle(), caption);
    // The designed size, grown only where the platform's fonts need more room; never resizable.
    QCOMPARE(d->size(), size.expandedTo(d->layout()->totalSizeHint()));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QVERIFY(!(d->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(d->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(d->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(d->font().bold());
    QCOMPARE(d->helpContext(), debit ? TFrmDebit::HelpContext : TFrmDeposit::HelpContext);

    QCOMPARE(child<QGroupBox>(*d, QStringLiteral("grpPanel"))->title(), QStringLiteral("Account info"));
    QVERIFY(child<TImageBase>(*d, QStringLiteral("imgHolder"))->parent() == d->findChild<QGroupBox*>("grpPanel"));
    QCOMPARE(child<QRadioButton>(*d, QStringLiteral("rbAccount"))->text(), QStringLiteral("Account"));
    QCOMPARE(child<QRadioButton>(*d, QStringLiteral("rbWallet"))->text(), QStringLiteral("Wallet"));
    QCOMPARE(child<QGroupBox>(*d, QStringLiteral("grp2"))->title(), group);
    auto* list = child<QComboBox>(*d, QStringLiteral("cbbInf"));
    QVERIFY(!list->isEditable());
    QCOMPARE(list->maxVisibleItems(), 15);
    QVERIFY(counterparty(*d)->isEditable());
    QVERIFY(d->findChild<QComboBox*>(counterpartyName(!debit)) == nullptr);
    auto* date = child<QDateTimeEdit>(*d, QStringLiteral("dtpDate"));
    QVERIFY(date->calendarPopup());
    QVERIFY(date->displayedSections() & QDateTimeEdit::SecondSection);
    QVERIFY(date->displayedSections() & QDateTimeEdit::YearSection);
    QCOMPARE(date->dateTime(), Now);
    QVERIFY(child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->alignment() & Qt::AlignRight);
    QVERIFY(child<QPlainTextEdit>(*d, QStringLiteral("mmoMemo"))->tabChangesFocus());

    QCOMPARE(buddies(*d, {"lbl6", "lbl4", "lbl1", "lbl5", "lbl2", "lbl3"}),
             (QStringList{"Change Account/Wallet > cbbInf", "Date: > dtpDate", label + " > " + counterpartyName(debit),
                          "Amount: > edtAmmount", "For: > edtFor", "Memo: > mmoMemo"}));
    QVERIFY(d->findChild<QWidget*>(QStringLiteral("pnl1")) != nullptr);
    auto* ok = child<QPushButton>(*d, QStringLiteral("btnOK"));
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(child<QPushButton>(*d, QStringLiteral("btnClose"))->text(), QStringLiteral("&Close"));
    QCOMPARE(child<QPushButton>(*d, QStringLiteral("btnHelp"))->text(), QStringLiteral("&Help"));

    const QStringList order{QStringLiteral("rbAccount"), QStringLiteral("rbWallet"), QStringLiteral("cbbInf"),
                            QStringLiteral("dtpDate"),   counterpartyName(debit),    QStringLiteral("edtAmmount"),
                            QStringLiteral("edtFor"),    QStringLiteral("mmoMemo"),  QStringLiteral("btnHelp"),
                            QStringLiteral("btnOK"),     QStringLiteral("btnClose")};
    QCOMPARE(tabOrder(child<QWidget>(*d, QStringLiteral("rbAccount")), order), order);
}

void TestBookingDialogs::counterpartySuggestions_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QStringList>("offered");
    dataRow("deposit", false, QStringList{"Aunt May", "Employer"});
    dataRow("debit", true, QStringList{"Grocer"});
}

void TestBookingDialogs::counterpartySuggestions()
{
    QFETCH(bool, debit);
    QFETCH(QStringList, offered);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    db.addDetail(0, h, Now, money("1"), QStringLiteral("Employer"));
    db.addDetail(0, h, Now, money("1"), QStringLiteral("Aunt May"));
    db.addDetail(0, h, Now, money("1"), QStringLiteral("Employer"));
    db.addDetail(1, h, Now, money("1"), QStringLiteral("Grocer"));
    db.addDetail(1, h, Now, money("1"));
    db.addTransfer(h, h, Now, money("1"), QStringLiteral("Transfer text"));
    auto d = makeDialog(debit);
    d->PresetHolder(h);
    d->show();
    QCOMPARE(comboTexts(counterparty(*d)), offered);
    QCOMPARE(counterparty(*d)->currentText(), QString());
    // A new counterparty is taken as typed.
    book(*d, QStringLiteral("New shop"), QStringLiteral("1"));
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(db.rows(QStringLiteral("select count(*) from Detail where [From] = 'New shop'")), QStringList{"1"});
}

void TestBookingDialogs::activationShowsPresetHolder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("listed");
    dataRow("bank account", 0, QStringList{"Bank", "Card"});
    dataRow("credit card account", 1, QStringList{"Bank", "Card"});
    dataRow("wallet", 2, QStringList{"Cash", "Purse"});
}

void TestBookingDialogs::activationShowsPresetHolder()
{
    QFETCH(int, type);
    QFETCH(QStringList, listed);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("1"));
    const qint32 card = db.addHolder(QStringLiteral("Card"), 1, money("2"));
    db.addHolder(QStringLiteral("Cash"), 2, money("3"));
    const qint32 purse = db.addHolder(QStringLiteral("Purse"), 2, money("4"));
    const qint32 target = type == 0 ? bank : type == 1 ? card : purse;
    for (bool debit : {false, true}) {
        auto d = makeDialog(debit);
        d->PresetHolder(target);
        QVERIFY(!d->isActivated());
        // Before the first activation the family buttons do nothing.
        child<QRadioButton>(*d, QStringLiteral("rbWallet"))->click();
        QCOMPARE(child<QComboBox>(*d, QStringLiteral("cbbInf"))->count(), 0);
        QCOMPARE(d->currentHolder().ID, target);

        d->show();
        QVERIFY(d->isActivated());
        const bool wallet = type == 2;
        QCOMPARE(child<QRadioButton>(*d, QStringLiteral("rbAccount"))->isChecked(), !wallet);
        QCOMPARE(child<QRadioButton>(*d, QStringLiteral("rbWallet"))->isChecked(), wallet);
        auto* list = child<QComboBox>(*d, QStringLiteral("cbbInf"));
        QCOMPARE(comboTexts(list), listed);
        QCOMPARE(list->currentData().toInt(), target);
        QCOMPARE(tileId(*d), target);
        QCOMPARE(child<TImageBase>(*d, QStringLiteral("imgHolder"))->isWallet(), wallet);
        QCOMPARE(d->currentHolder().Balance, TDM::LoadHolder(target).Balance);
    }
}

void TestBookingDialogs::familySwitch()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("10"));
    db.addHolder(QStringLiteral("Card"), 1);
    const qint32 cash = db.addHolder(QStringLiteral("Cash"), 2, money("20"));
    db.addHolder(QStringLiteral("Purse"), 2);
    TFrmDeposit d;
    d.PresetHolder(db.addHolder(QStringLiteral("Savings"), 0));
    d.show();
    QTest::mouseClick(child<QRadioButton>(d, QStringLiteral("rbWallet")), Qt::LeftButton);
    QCOMPARE(comboTexts(child<QComboBox>(d, QStringLiteral("cbbInf"))), (QStringList{"Cash", "Purse"}));
    QCOMPARE(d.currentHolder().ID, cash);
    QVERIFY(d.isWalletFamily());
    QCOMPARE(tileId(d), cash);
    QVERIFY(child<TImageBase>(d, QStringLiteral("imgHolder"))->isWallet());
    QTest::mouseClick(child<QRadioButton>(d, QStringLiteral("rbAccount")), Qt::LeftButton);
    QCOMPARE(d.currentHolder().ID, bank);
    QVERIFY(!d.isWalletFamily());
    book(d, QStringLiteral("Salary"), QStringLiteral("5"));
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(bank), money("15"));
    QCOMPARE(db.balance(cash), money("20"));
}

void TestBookingDialogs::reclickingTheChosenFamilyKeepsTheHolder_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("keyboard");
    dataRow("account, mouse", false, false);
    dataRow("wallet, mouse", true, false);
    dataRow("account, keyboard", false, true);
    dataRow("wallet, keyboard", true, true);
}

void TestBookingDialogs::reclickingTheChosenFamilyKeepsTheHolder()
{
    QFETCH(bool, wallet);
    QFETCH(bool, keyboard);
    TestDb db;
    const int type = wallet ? 2 : 0;
    db.addHolder(QStringLiteral("First"), type);
    db.addHolder(QStringLiteral("Second"), type);
    const qint32 third = db.addHolder(QStringLiteral("Third"), type);
    TFrmDeposit d;
    d.PresetHolder(third);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* family = child<QRadioButton>(d, wallet ? QStringLiteral("rbWallet") : QStringLiteral("rbAccount"));
    if (keyboard) {
        family->setFocus();
        QTest::keyClick(family, Qt::Key_Space);
    } else {
        QTest::mouseClick(family, Qt::LeftButton);
    }
    QVERIFY(family->isChecked());
    QCOMPARE(d.currentHolder().ID, third);
    QCOMPARE(tileId(d), third);
    QCOMPARE(child<QComboBox>(d, QStringLiteral("cbbInf"))->currentText(), QStringLiteral("Third"));
    book(d, QStringLiteral("Boss"), QStringLiteral("7"));
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(third), money("7"));
}

void TestBookingDialogs::familyWithoutHolders()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("10"));
    TFrmDebit d;
    d.PresetHolder(bank);
    d.show();
    QTest::mouseClick(child<QRadioButton>(d, QStringLiteral("rbWallet")), Qt::LeftButton);
    QCOMPARE(child<QComboBox>(d, QStringLiteral("cbbInf"))->count(), 0);
    QCOMPARE(d.currentHolder().ID, bank);
    QCOMPARE(tileId(d), bank);
    // OK books to the holder still shown on the tile.
    book(d, QStringLiteral("Shop"), QStringLiteral("4"));
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(bank), money("6"));
}

void TestBookingDialogs::holdersOfOneNameKeepTheirBookings_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<int>("row");
    dataRow("deposit, first", false, 0);
    dataRow("deposit, second", false, 1);
    dataRow("debit, first", true, 0);
    dataRow("debit, second", true, 1);
}

void TestBookingDialogs::holdersOfOneNameKeepTheirBookings()
{
    QFETCH(bool, debit);
    QFETCH(int, row);
    TestDb db;
    const qint32 twins[] = {db.addHolder(QStringLiteral("Cash"), 2, money("50"), true),
                            db.addHolder(QStringLiteral("Cash"), 2, money("50"), true)};
    // Preset the other twin, then choose this one in the list: both are found by id, not by name.
    auto d = makeDialog(debit);
    d->PresetHolder(twins[1 - row]);
    d->show();
    QCOMPARE(child<QComboBox>(*d, QStringLiteral("cbbInf"))->currentIndex(), 1 - row);
    chooseHolderRow(*d, row);
    // A message box hands the activation back to the dialog: the user's choice stays.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(d.get(), &activate);
    QCOMPARE(d->currentHolder().ID, twins[row]);
    QCOMPARE(child<QComboBox>(*d, QStringLiteral("cbbInf"))->currentData().toInt(), twins[row]);
    QCOMPARE(tileId(*d), twins[row]);
    book(*d, QStringLiteral("X"), QStringLiteral("7"));
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(twins[row]), debit ? money("43") : money("57"));
    QCOMPARE(db.balance(twins[1 - row]), money("50"));
}

void TestBookingDialogs::validSave_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<qlonglong>("raw");
    for (bool debit : {false, true}) {
        const char* kind = debit ? "debit" : "deposit";
        QTest::addRow("%s: four decimals", kind) << debit << "en_US"
                                                 << "12.3456" << 123456LL;
        QTest::addRow("%s: blanks around", kind) << debit << "en_US"
                                                 << " 7.5 " << 75000LL;
        QTest::addRow("%s: exponent", kind) << debit << "en_US"
                                            << "1e2" << 1000000LL;
        QTest::addRow("%s: de_DE comma", kind) << debit << "de_DE"
                                               << "12,5" << 125000LL;
        QTest::addRow("%s: de_DE four decimals", kind) << debit << "de_DE"
                                                       << "0,0001" << 1LL;
    }
}

void TestBookingDialogs::validSave()
{
    QFETCH(bool, debit);
    QFETCH(QString, locale);
    QFETCH(QString, amount);
    QFETCH(qlonglong, raw);
    pinLocale(qPrintable(locale));
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0, money("1000"));
    auto d = makeDialog(debit);
    d->PresetHolder(h);
    d->show();
    child<QDateTimeEdit>(*d, QStringLiteral("dtpDate"))->setDateTime(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58)));
    book(*d, QStringLiteral("  Corner  shop "), amount, QStringLiteral(" milk "), QStringLiteral("\n two\nlines \n"));
    QVERIFY(TMessageService::takeShown().isEmpty());
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QVERIFY(!d->isVisible());
    QCOMPARE(db.balance(h).raw(), money("1000").raw() + (debit ? -raw : raw));
    QCOMPARE(db.rows(QStringLiteral("select type, DestID, Date, [From], Amount, [For], Memo from Detail")),
             QStringList{QStringLiteral("%1|%2|2025-12-31 23:59:58|Corner  shop|%3|milk|two\nlines")
                             .arg(debit ? 1 : 0)
                             .arg(h)
                             .arg(raw)});
}

void TestBookingDialogs::loadForEdit_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("amountText");
    dataRow("deposit", false, "en_US", "12.3456");
    dataRow("debit", true, "en_US", "12.3456");
    dataRow("deposit, de_DE", false, "de_DE", "12,3456");
}

void TestBookingDialogs::loadForEdit()
{
    QFETCH(bool, debit);
    QFETCH(QString, locale);
    QFETCH(QString, amountText);
    pinLocale(qPrintable(locale));
    TestDb db;
    db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    const qint32 cash = db.addHolder(QStringLiteral("Cash"), 2, money("100"));
    const QDateTime when(QDate(2024, 2, 29), QTime(13, 14, 15));
    const qint32 id = db.addDetail(debit ? 1 : 0, cash, when, money("12.3456"), QStringLiteral("Market"),
                                   QStringLiteral("Apples"), QStringLiteral("Red ones"));
    auto d = makeDialog(debit);
    d->LoadForEdit(id);
    d->show();
    QCOMPARE(d->windowTitle(), debit ? QStringLiteral("Edit Debit") : QStringLiteral("Edit Deposit"));
    QCOMPARE(d->editId(), id);
    QCOMPARE(child<QDateTimeEdit>(*d, QStringLiteral("dtpDate"))->dateTime(), when);
    QCOMPARE(counterparty(*d)->currentText(), QStringLiteral("Market"));
    QCOMPARE(child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->text(), amountText);
    QCOMPARE(child<QLineEdit>(*d, QStringLiteral("edtFor"))->text(), QStringLiteral("Apples"));
    QCOMPARE(child<QPlainTextEdit>(*d, QStringLiteral("mmoMemo"))->toPlainText(), QStringLiteral("Red ones"));
    QCOMPARE(d->currentHolder().ID, cash);
    QVERIFY(child<QRadioButton>(*d, QStringLiteral("rbWallet"))->isChecked());
    QCOMPARE(tileId(*d), cash);
    // Saved unchanged, the row stays one row and the balance does not move.
    QTest::mouseClick(child<QPushButton>(*d, QStringLiteral("btnOK")), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(cash), money("100"));
    QCOMPARE(db.count(QStringLiteral("Detail")), 1);
}

void TestBookingDialogs::editDebitUnderNegativeRule_data()
{
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("newAmount");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("otherAfter");
    // Neither holder may go negative. Bank had 150 and a debit of 100 left it at 50; Other holds
    // 30. A debit moved to Other gets nothing back there.
    const QString refused = QStringLiteral("The Account or wallet is not allowed go negative!");
    dataRow("smaller debit", false, "80", "", "70", "30");
    dataRow("to exactly 0", false, "150", "", "0", "30");
    dataRow("beyond the balance", false, "150.0001", refused, "50", "30");
    dataRow("moved, all of the other's balance", true, "30", "", "150", "0");
    dataRow("moved, beyond the other's balance", true, "30.0001", refused, "50", "30");
}

void TestBookingDialogs::editDebitUnderNegativeRule()
{
    QFETCH(bool, moved);
    QFETCH(QString, newAmount);
    QFETCH(QString, message);
    QFETCH(QString, after);
    QFETCH(QString, otherAfter);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0, money("150"));
    const qint32 other = db.addHolder(QStringLiteral("Other"), 0, money("30"));
    const qint32 id =
        TBookingStore::saveDetail(detailRow(TDetailRow::Debit, h, money("100"), Now, QStringLiteral("Shop")));
    QCOMPARE(db.balance(h), money("50"));
    TFrmDebit d;
    d.LoadForEdit(id);
    d.show();
    if (moved)
        chooseHolderRow(d, 1);
    child<QLineEdit>(d, QStringLiteral("edtAmmount"))->setText(newAmount);
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btnOK")), Qt::LeftButton);
    QCOMPARE(shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(db.balance(h), money(qPrintable(after)));
    QCOMPARE(db.balance(other), money(qPrintable(otherAfter)));
    QCOMPARE(db.count(QStringLiteral("Detail")), 1);
}

void TestBookingDialogs::editMovesBookingToAnotherHolder()
{
    TestDb db;
    const qint32 first = db.addHolder(QStringLiteral("First"), 0);
    const qint32 second = db.addHolder(QStringLiteral("Second"), 0);
    const qint32 id = TBookingStore::saveDetail(detailRow(0, first, money("100"), Now, QStringLiteral("Boss")));
    TFrmDeposit d;
    d.LoadForEdit(id);
    d.show();
    chooseHolderRow(d, 1);
    child<QLineEdit>(d, QStringLiteral("edtAmmount"))->setText(QStringLiteral("40.0004"));
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btnOK")), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(first), money("0"));
    QCOMPARE(db.balance(second), money("40.0004"));
    QCOMPARE(db.rows(QStringLiteral("select DestID from Detail where ID = ?"), {id}),
             QStringList{QString::number(second)});
}

void TestBookingDialogs::transferControls()
{
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0);
    db.addTransfer(h, h, Now, money("1"), QStringLiteral("Rent pot"));
    db.addTransfer(h, h, Now, money("1"), QStringLiteral("Holiday"));
    db.addTransfer(h, h, Now, money("1"), QStringLiteral("Rent pot"));
    db.addDetail(0, h, Now, money("1"), QStringLiteral("Employer"));
    TFrmTransfer d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Transfer"));
    QCOMPARE(d.size(), QSize(541, 325).expandedTo(d.layout()->totalSizeHint()));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(d.font().bold());
    QCOMPARE(child<QGroupBox>(d, QStringLiteral("grpSource"))->title(), QStringLiteral("Source"));
    QCOMPARE(child<QGroupBox>(d, QStringLiteral("grpDest"))->title(), QStringLiteral("Destination"));
    QCOMPARE(child<QGroupBox>(d, QStringLiteral("grp3"))->title(), QStringLiteral("Transfer info"));
    QVERIFY(sourceTile(d)->parent() == d.findChild<QGroupBox*>(QStringLiteral("grpSource")));
    QVERIFY(destTile(d)->parent() == d.findChild<QGroupBox*>(QStringLiteral("grpDest")));
    for (QComboBox* list : {sourceList(d), destList(d)}) {
        QVERIFY(!list->isEditable());
        QCOMPARE(list->maxVisibleItems(), 15);
    }
    auto* from = child<QComboBox>(d, QStringLiteral("cbbFrom"));
    QVERIFY(from->isEditable());
    QCOMPARE(comboTexts(from), (QStringList{"Holiday", "Rent pot"}));
    QCOMPARE(from->currentText(), QString());
    auto* date = child<QDateTimeEdit>(d, QStringLiteral("dtpDate"));
    QVERIFY(date->calendarPopup());
    QCOMPARE(date->dateTime(), Now);
    QVERIFY(child<QLineEdit>(d, QStringLiteral("edtAmmount"))->alignment() & Qt::AlignRight);
    QCOMPARE(buddies(d, {"lbl6", "lbl1", "lbl4", "lbl5", "lbl7", "lbl2", "lbl3"}),
             (QStringList{"Change > cbbInf1", "Change > cbbInf2", "Date: > dtpDate", "From: > cbbFrom",
                          "Amount: > edtAmmount", "For: > edtFor", "Memo: > mmoMemo"}));
    QCOMPARE(child<QPushButton>(d, QStringLiteral("btn1"))->text(), QStringLiteral("&Help"));
    QCOMPARE(child<QPushButton>(d, QStringLiteral("btnSave"))->text(), QStringLiteral("&Save"));
    QVERIFY(child<QPushButton>(d, QStringLiteral("btnSave"))->isDefault());
    QCOMPARE(child<QPushButton>(d, QStringLiteral("btn3"))->text(), QStringLiteral("&Close"));
    const QStringList order{"cbbInf1", "cbbInf2", "dtpDate", "cbbFrom", "edtAmmount",
                            "edtFor",  "mmoMemo", "btn1",    "btnSave", "btn3"};
    QCOMPARE(tabOrder(sourceList(d), order), order);
}

void TestBookingDialogs::holderLists_data()
{
    QTest::addColumn<QStringList>("holders"); // "name:type"
    QTest::addColumn<QStringList>("rows");
    dataRow("no holders", QStringList{}, QStringList{"---Account---"});
    dataRow("no wallets", QStringList{"Card:1", "Bank:0"}, QStringList{"---Account---", "    Bank", "    Card"});
    dataRow(
        "accounts and wallets", QStringList{"Cash:2", "Card:1", "Bank:0", "Purse:2", "Savings:0"},
        QStringList{"---Account---", "    Bank", "    Savings", "    Card", "---Wallet---", "    Cash", "    Purse"});
    dataRow("only wallets", QStringList{"Cash:2"}, QStringList{"---Account---", "---Wallet---", "    Cash"});
}

void TestBookingDialogs::holderLists()
{
    QFETCH(QStringList, holders);
    QFETCH(QStringList, rows);
    TestDb db;
    for (const QString& h : holders)
        db.addHolder(h.section(u':', 0, 0), h.section(u':', 1).toInt());
    TFrmTransfer d;
    d.show();
    QCOMPARE(comboTexts(sourceList(d)), rows);
    QCOMPARE(comboTexts(destList(d)), rows);
    QCOMPARE(sourceList(d)->currentIndex(), 0);
    QCOMPARE(destList(d)->currentIndex(), 0);
}

void TestBookingDialogs::presets_data()
{
    QTest::addColumn<int>("source"); // index into the holders below, -1 for none (id 0)
    QTest::addColumn<int>("dest");
    // Holders: 0 account "Same", 1 wallet "Same", 2 account "Bank".
    dataRow("none", -1, -1);
    dataRow("wallet to account of the same name", 1, 0);
    dataRow("account to wallet of the same name", 0, 1);
    dataRow("source only", 2, -1);
    dataRow("destination only", -1, 1);
    dataRow("a holder to itself", 2, 2);
}

void TestBookingDialogs::presets()
{
    QFETCH(int, source);
    QFETCH(int, dest);
    TestDb db;
    const qint32 ids[] = {db.addHolder(QStringLiteral("Same"), 0, money("1")),
                          db.addHolder(QStringLiteral("Same"), 2, money("2")),
                          db.addHolder(QStringLiteral("Bank"), 0, money("3"))};
    // Rows: ---Account---, Same (account), Bank, ---Wallet---, Same (wallet).
    const int rowOf[] = {1, 4, 2};
    TFrmTransfer d;
    d.PresetHolders(source < 0 ? 0 : ids[source], dest < 0 ? 0 : ids[dest]);
    d.show();
    const struct
    {
        int preset;
        QComboBox* list;
        TImageBase* tile;
        const TDataInfo& holder;
    } sides[] = {{source, sourceList(d), sourceTile(d), d.sourceHolder()},
                 {dest, destList(d), destTile(d), d.destHolder()}};
    for (const auto& side : sides) {
        if (side.preset < 0) {
            QCOMPARE(side.list->currentIndex(), 0);
            QVERIFY(side.tile->dataInfo() == nullptr);
            QCOMPARE(side.holder.ID, 0);
        } else {
            QCOMPARE(side.list->currentIndex(), rowOf[side.preset]);
            QCOMPARE(side.holder.ID, ids[side.preset]);
            QCOMPARE(side.tile->GetID(), ids[side.preset]);
            QCOMPARE(side.tile->isWallet(), side.preset == 1);
            QCOMPARE(side.holder.Balance, money(side.preset == 0 ? "1" : side.preset == 1 ? "2" : "3"));
        }
    }
    if (source < 0) {
        book(d, QStringLiteral("Me"), QStringLiteral("1"));
        QCOMPARE(shownTexts(), QStringList{"Please select Source Account/Wallet!"});
    } else if (dest < 0) {
        book(d, QStringLiteral("Me"), QStringLiteral("1"));
        QCOMPARE(shownTexts(), QStringList{"Please select Destination Account/Wallet!"});
    }
}

void TestBookingDialogs::sectionRowsRefused()
{
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, money("10"));
    db.addHolder(QStringLiteral("Cash"), 2, money("10"));
    TFrmTransfer d;
    d.show();
    // A holder chosen, then a section row: the tile stays on the holder, but Save refuses.
    choose(sourceList(d), QStringLiteral("    Bank"));
    QCOMPARE(d.sourceHolder().ID, bank);
    choose(sourceList(d), QStringLiteral("---Wallet---"));
    QCOMPARE(d.sourceHolder().ID, bank);
    QCOMPARE(sourceTile(d)->GetID(), bank);
    choose(destList(d), QStringLiteral("    Cash"));
    book(d, QStringLiteral("Me"), QStringLiteral("1"));
    QCOMPARE(shownBoxes(), QStringList{"Error (Critical, Ok): Please select Source Account/Wallet!"});
    choose(sourceList(d), QStringLiteral("---Account---"));
    book(d, QStringLiteral("Me"), QStringLiteral("1"));
    QCOMPARE(shownTexts(), QStringList{"Please select Source Account/Wallet!"});
    choose(sourceList(d), QStringLiteral("    Bank"));
    choose(destList(d), QStringLiteral("---Wallet---"));
    book(d, QStringLiteral("Me"), QStringLiteral("1"));
    QCOMPARE(shownTexts(), QStringList{"Please select Destination Account/Wallet!"});
    QCOMPARE(db.count(QStringLiteral("Transfer")), 0);
    QVERIFY(d.isVisible());
}

void TestBookingDialogs::newTransfer()
{
    pinLocale("de_DE");
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("300"));
    const qint32 b = db.addHolder(QStringLiteral("B"), 2, money("20"));
    TFrmTransfer d;
    d.show();
    choose(sourceList(d), QStringLiteral("    A"));
    choose(destList(d), QStringLiteral("    B"));
    child<QDateTimeEdit>(d, QStringLiteral("dtpDate"))->setDateTime(QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6)));
    book(d, QStringLiteral(" Me, myself "), QStringLiteral("100,0001"), QStringLiteral(" savings "),
         QStringLiteral(" note\n"));
    QVERIFY(TMessageService::takeShown().isEmpty());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(a), money("199.9999"));
    QCOMPARE(db.balance(b), money("120.0001"));
    QCOMPARE(db.rows(QStringLiteral("select SourceID, DestID, Date, [From], Amount, [For], Memo from Transfer")),
             QStringList{QStringLiteral("%1|%2|2026-02-03 04:05:06|Me, myself|1000001|savings|note").arg(a).arg(b)});
}

void TestBookingDialogs::transferHoldersOfOneNameKeepTheirBookings()
{
    TestDb db;
    const qint32 first = db.addHolder(QStringLiteral("Cash"), 2, money("10"));
    const qint32 second = db.addHolder(QStringLiteral("Cash"), 2, money("10"));
    const qint32 bank = db.addHolder(QStringLiteral("Cash"), 0, money("10"));
    TFrmTransfer d;
    d.PresetHolders(first, bank);
    d.show();
    choose(sourceList(d), QStringLiteral("    Cash"), 2); // the second wallet of that name
    // A message box hands the activation back to the dialog: the user's choice stays.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&d, &activate);
    QCOMPARE(d.sourceHolder().ID, second);
    QCOMPARE(sourceList(d)->currentIndex(), 4);
    QCOMPARE(sourceTile(d)->GetID(), second);
    book(d, QStringLiteral("Me"), QStringLiteral("4"));
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(first), money("10"));
    QCOMPARE(db.balance(second), money("6"));
    QCOMPARE(db.balance(bank), money("14"));
}

void TestBookingDialogs::transferEdit_data()
{
    QTest::addColumn<QString>("source"); // row text chosen, empty to keep
    QTest::addColumn<QString>("dest");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QStringList>("after"); // balances of A, B, C
    QTest::addColumn<QString>("message");
    // A (may not go negative) had 100 and sent 100 to B: A 0, B 100, C 50.
    dataRow("amount down", "", "", "60", QStringList{"40", "60", "50"}, "");
    dataRow("amount unchanged", "", "", "100", QStringList{"0", "100", "50"}, "");
    dataRow("amount up, source may not go negative", "", "", "100.0001", QStringList{"0", "100", "50"},
            "The source Account or wallet is not allowed go negative!");
    dataRow("new destination", "", "    C", "100", QStringList{"0", "0", "150"}, "");
    dataRow("new source, within its balance", "    C", "", "50", QStringList{"100", "50", "0"}, "");
    dataRow("new source, beyond its balance", "    C", "", "50.0001", QStringList{"0", "100", "50"},
            "The source Account or wallet is not allowed go negative!");
}

void TestBookingDialogs::transferEdit()
{
    QFETCH(QString, source);
    QFETCH(QString, dest);
    QFETCH(QString, amount);
    QFETCH(QStringList, after);
    QFETCH(QString, message);
    TestDb db;
    const qint32 ids[] = {db.addHolder(QStringLiteral("A"), 0, money("100")),
                          db.addHolder(QStringLiteral("B"), 1, money("0")),
                          db.addHolder(QStringLiteral("C"), 2, money("50"))};
    TTransferRow row = stored(ids[0], ids[1], "100");
    row.For = QStringLiteral("Rent");
    row.Memo = QStringLiteral("June");
    const qint32 id = TBookingStore::saveTransfer(row);
    TFrmTransfer d;
    d.LoadForEdit(id);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Edit Transfer"));
    QCOMPARE(d.editId(), id);
    QCOMPARE(d.sourceHolder().ID, ids[0]);
    QCOMPARE(d.destHolder().ID, ids[1]);
    QCOMPARE(child<QComboBox>(d, QStringLiteral("cbbFrom"))->currentText(), QStringLiteral("Me"));
    QCOMPARE(child<QLineEdit>(d, QStringLiteral("edtAmmount"))->text(), QStringLiteral("100"));
    QCOMPARE(child<QLineEdit>(d, QStringLiteral("edtFor"))->text(), QStringLiteral("Rent"));
    QCOMPARE(child<QPlainTextEdit>(d, QStringLiteral("mmoMemo"))->toPlainText(), QStringLiteral("June"));
    QCOMPARE(child<QDateTimeEdit>(d, QStringLiteral("dtpDate"))->dateTime(), Now);
    if (!source.isEmpty())
        choose(sourceList(d), source);
    if (!dest.isEmpty())
        choose(destList(d), dest);
    child<QLineEdit>(d, QStringLiteral("edtAmmount"))->setText(amount);
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btnSave")), Qt::LeftButton);
    QCOMPARE(shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    for (int i = 0; i < 3; ++i)
        QCOMPARE(db.balance(ids[i]), money(qPrintable(after[i])));
    QCOMPARE(db.count(QStringLiteral("Transfer")), 1);
    QCOMPARE(d.result(), message.isEmpty() ? int(QDialog::Accepted) : 0 /* still open */);
}

void TestBookingDialogs::editBreakingTheRuleWritesNothing_data()
{
    // A holds 100, B 0, neither may go negative; the transfer stored is 100 ("AB": from A to B),
    // with a debit of A after it or none; then the user picks the holders named.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("debit");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("dest");
    dataRow("A to B edited to B to A", "AB", "", "B", "A");
    dataRow("A to A, a debit of 50, edited to A to B", "AA", "50", "A", "B");
}

void TestBookingDialogs::editBreakingTheRuleWritesNothing()
{
    QFETCH(QString, stored);
    QFETCH(QString, debit);
    QFETCH(QString, source);
    QFETCH(QString, dest);
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("100"));
    const qint32 b = db.addHolder(QStringLiteral("B"), 0, money("0"));
    const qint32 id =
        TBookingStore::saveTransfer(::stored(stored[0] == u'A' ? a : b, stored[1] == u'A' ? a : b, "100"));
    if (!debit.isEmpty()) {
        db.addDetail(1, a, Now, money(qPrintable(debit)));
        db.dm().execute(QStringLiteral("update Account set Balance = Balance - ? where ID = ?"),
                        {qlonglong(money(qPrintable(debit)).raw()), a});
    }
    const QString before = snapshot(db);
    TFrmTransfer d;
    d.LoadForEdit(id);
    d.show();
    choose(sourceList(d), QStringLiteral("    ") + source);
    choose(destList(d), QStringLiteral("    ") + dest);
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btnSave")), Qt::LeftButton);
    QCOMPARE(shownTexts(), QStringList{QStringLiteral("The source Account or wallet is not allowed go negative!")});
    QCOMPARE(snapshot(db), before);
    QCOMPARE(d.result(), 0 /* still open */);
}

void TestBookingDialogs::validation_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message"); // the focus goes to the field it names; a bad amount is selected
    const char* from = "Please input inofrmation for \"From\"";
    const char* empty = "Please input the AMOUNT for deposit";
    const char* invalid = "The AMOUNT for deposit is not a valid number.";
    const char* positive = "The AMOUNT for deposit must be a positive number.";
    for (const char* kind : {"deposit", "debit", "transfer"}) {
        const bool transfer = kind == QLatin1String("transfer");
        auto row = [kind](const char* name, const char* locale, const char* who, const char* amount,
                          const char* message) {
            QTest::addRow("%s: %s", kind, name) << kind << locale << who << amount << message;
        };
        row("counterparty empty", "en_US", "", "10", from);
        row("counterparty blanks", "en_US", "   ", "10", from);
        row("counterparty before amount", "en_US", "", "abc", from);
        row("counterparty blanks before amount", "en_US", "  ", "abc", from);
        row("amount empty", "en_US", "Shop", "", empty);
        row("amount blanks", "en_US", "Shop", "  ", empty);
        row("amount letters", "en_US", "Shop", "abc", invalid);
        row("amount wrongly grouped", "en_US", "Shop", "3,20,0", invalid);
        row("de_DE: point", "de_DE", "Shop", "12.5", invalid);
        // A transfer calls an amount that is not positive not a number.
        row("amount 0", "en_US", "Shop", "0", transfer ? invalid : positive);
        row("amount -5", "en_US", "Shop", "-5", transfer ? invalid : positive);
        row("de_DE: -0,5", "de_DE", "Shop", "-0,5", transfer ? invalid : positive);
    }
}

void TestBookingDialogs::validation()
{
    QFETCH(QString, kind);
    QFETCH(QString, locale);
    QFETCH(QString, who);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    pinLocale(qPrintable(locale));
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("100"));
    const auto d = openDialog(kind, a, db.addHolder(QStringLiteral("B"), 2, money("100")));
    const QString before = snapshot(db);
    book(*d, who, amount);
    QCOMPARE(shownBoxes(), QStringList{"Error (Critical, Ok): " + message});
    QVERIFY(d->isVisible());
    QCOMPARE(d->result(), 0 /* still open */);
    QCOMPARE(snapshot(db), before);
    auto* amountEdit = child<QLineEdit>(*d, QStringLiteral("edtAmmount"));
    const bool onAmount = message.contains(QStringLiteral("AMOUNT"));
    QCOMPARE(d->focusWidget(), onAmount ? static_cast<QWidget*>(amountEdit) : counterparty(*d));
    if (onAmount && !message.startsWith(QStringLiteral("Please input")))
        QCOMPARE(amountEdit->selectedText(), amount);
}

void TestBookingDialogs::negativeBalance_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<bool>("toItself");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("answer"); // to the question, when one is asked
    QTest::addColumn<QString>("box");
    // The payer starts at 50, the destination of a transfer (which may not go negative) at -5.
    const int ok = QMessageBox::Ok;
    const int cancel = QMessageBox::Cancel;
    for (const char* kind : {"debit", "transfer"}) {
        const bool transfer = kind == QLatin1String("transfer");
        const QString refused =
            QStringLiteral("Error (Critical, Ok): The %1Account or wallet is not allowed go negative!")
                .arg(transfer ? "source " : "");
        const QString question =
            QStringLiteral("Error (Question, Ok|Cancel): The %1balance will go negative, are you sure to continue?!")
                .arg(transfer ? "source " : "");
        auto row = [kind](const char* name, bool negative, bool warn, const char* amount, int answer,
                          const QString& box) {
            QTest::addRow("%s: %s", kind, name) << kind << negative << warn << false << amount << answer << box;
        };
        row("refused", false, false, "60", ok, refused);
        row("refused, warning set", false, true, "50.0001", ok, refused);
        row("asked, OK", true, true, "60", ok, question);
        row("asked, Cancel", true, true, "60", cancel, question);
        row("allowed silently", true, false, "60", ok, QString());
        row("exactly 0", false, false, "50", ok, QString());
        row("above 0", false, true, "49.9999", ok, QString());
    }
    dataRow("deposit: no rule", "deposit", false, false, false, "60", ok, "");
    dataRow("transfer: to itself, within", "transfer", false, false, true, "50", ok, "");
    dataRow("transfer: to itself, beyond", "transfer", false, false, true, "51", ok,
            "Error (Critical, Ok): The source Account or wallet is not allowed go negative!");
}

void TestBookingDialogs::negativeBalance()
{
    QFETCH(QString, kind);
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(bool, toItself);
    QFETCH(QString, amount);
    QFETCH(int, answer);
    QFETCH(QString, box);
    TestDb db;
    const qint32 payer = db.addHolder(QStringLiteral("Cash"), 2, money("50"), negative, warn);
    const qint32 other = db.addHolder(QStringLiteral("Dest"), 0, money("-5"));
    const auto d = openDialog(kind, payer, toItself ? payer : other);
    TMessageService::setNextAnswer(QMessageBox::StandardButton(answer));
    book(*d, QStringLiteral("Shop"), amount);
    QCOMPARE(shownBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    const bool saved = box.isEmpty() || (box.contains(QStringLiteral("Question")) && answer == QMessageBox::Ok);
    QCOMPARE(d->result(), saved ? int(QDialog::Accepted) : 0 /* still open */);
    const bool transfer = kind == u"transfer";
    QCOMPARE(db.count(transfer ? QStringLiteral("Transfer") : QStringLiteral("Detail")), saved ? 1 : 0);
    const Currency moved = saved && !toItself ? money(qPrintable(amount)) : Currency();
    QCOMPARE(db.balance(payer), kind == u"deposit" ? money("50") + moved : money("50") - moved);
    // No rule for the destination: it may not go negative, yet it receives.
    QCOMPARE(db.balance(other), transfer ? money("-5") + moved : money("-5"));
    if (!saved) {
        auto* amountEdit = child<QLineEdit>(*d, QStringLiteral("edtAmmount"));
        QCOMPARE(d->focusWidget(), amountEdit);
        QCOMPARE(amountEdit->selectedText(), amount);
        QVERIFY(d->isVisible());
    }
}

void TestBookingDialogs::databaseFailureKeepsInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QStringList>("after"); // the balances of A and B, once the database works again
    // A and B hold 500 each before a booking of 10 of A (to B); a new booking is B's (to A).
    dataRow("new deposit", "deposit", false, QStringList{"510", "512.3456"});
    dataRow("new debit", "debit", false, QStringList{"490", "487.6544"});
    dataRow("new transfer", "transfer", false, QStringList{"502.3456", "497.6544"});
    dataRow("edited deposit", "deposit", true, QStringList{"512.3456", "500"});
    dataRow("edited debit", "debit", true, QStringList{"487.6544", "500"});
    dataRow("edited transfer", "transfer", true, QStringList{"487.6544", "512.3456"});
}

void TestBookingDialogs::databaseFailureKeepsInput()
{
    QFETCH(QString, kind);
    QFETCH(bool, edit);
    QFETCH(QStringList, after);
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("500"));
    const qint32 b = db.addHolder(QStringLiteral("B"), 2, money("500"));
    std::unique_ptr<TDialog> d;
    if (kind == u"transfer") {
        const qint32 id = TBookingStore::saveTransfer(stored(a, b, "10"));
        auto transfer = std::make_unique<TFrmTransfer>();
        edit ? transfer->LoadForEdit(id) : transfer->PresetHolders(b, a);
        d = std::move(transfer);
    } else {
        const qint32 id =
            TBookingStore::saveDetail(detailRow(kind == u"debit" ? 1 : 0, a, money("10"), Now, QStringLiteral("Old")));
        auto detail = makeDialog(kind == u"debit");
        edit ? detail->LoadForEdit(id) : detail->PresetHolder(b);
        d = std::move(detail);
    }
    d->show();
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
    child<QDateTimeEdit>(*d, QStringLiteral("dtpDate"))->setDateTime(when);
    const QString before = snapshot(db);
    failBalanceUpdates(db);
    book(*d, QStringLiteral(" Typed "), QStringLiteral("12.3456"), QStringLiteral(" for "), QStringLiteral("memo\n"));
    QCOMPARE(shownBoxes(), QStringList{"Error (Critical, Ok): Error occured!"});
    QCOMPARE(snapshot(db), before);
    QVERIFY(d->isVisible());
    QCOMPARE(d->result(), 0 /* still open */);
    QCOMPARE(counterparty(*d)->currentText(), QStringLiteral(" Typed "));
    QCOMPARE(child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->text(), QStringLiteral("12.3456"));
    QCOMPARE(child<QLineEdit>(*d, QStringLiteral("edtFor"))->text(), QStringLiteral(" for "));
    QCOMPARE(child<QPlainTextEdit>(*d, QStringLiteral("mmoMemo"))->toPlainText(), QStringLiteral("memo\n"));
    QCOMPARE(child<QDateTimeEdit>(*d, QStringLiteral("dtpDate"))->dateTime(), when);
    QCOMPARE(payerOf(*d), edit ? a : b);
    if (kind == u"transfer")
        QCOMPARE(sourceList(static_cast<TFrmTransfer&>(*d))->currentText(), edit ? "    A" : "    B");

    // Once the database works again, OK saves what is still typed.
    allowBalanceUpdates(db);
    pressOk(*d);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE((QStringList{db.balance(a).toPlainString(QLocale::c()), db.balance(b).toPlainString(QLocale::c())}),
             after);
}

void TestBookingDialogs::closeWritesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("button");
    dataRow("deposit", "deposit", "btnClose");
    dataRow("debit", "debit", "btnClose");
    dataRow("transfer", "transfer", "btn3");
}

void TestBookingDialogs::closeWritesNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, button);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0, money("5"));
    const auto d = openDialog(kind, h, h);
    counterparty(*d)->setEditText(QStringLiteral("Typed"));
    child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->setText(QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(*d, button), Qt::LeftButton);
    QCOMPARE(d->result(), int(TDialog::mrCancel));
    QVERIFY(!d->isVisible());
    QCOMPARE(db.count(QStringLiteral("Detail")) + db.count(QStringLiteral("Transfer")), 0);
    QCOMPARE(db.balance(h), money("5"));
    // Esc closes as well.
    d->show();
    QTest::keyClick(d.get(), Qt::Key_Escape);
    QVERIFY(!d->isVisible());
    QCOMPARE(d->result(), int(TDialog::mrCancel));
    QCOMPARE(db.count(QStringLiteral("Detail")) + db.count(QStringLiteral("Transfer")), 0);
}

void TestBookingDialogs::dateTypedByKeys_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("back");  // the field entered by Shift+Tab from the field after it
    QTest::addColumn<int>("arrows"); // Right presses before typing
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDateTime>("expected");
    const QTime time = Now.time();
    const QDateTime dec15(QDate(2026, 12, 15), time);
    dataRow("de_DE, Tab", "de_DE", false, 0, "15.12.2026", dec15);
    dataRow("de_DE, Shift+Tab", "de_DE", true, 0, "15.12.2026", dec15);
    dataRow("en_US, Tab", "en_US", false, 0, "12/15/2026", dec15);
    dataRow("en_US, Shift+Tab", "en_US", true, 0, "12/15/2026", dec15);
    dataRow("de_DE, a day of one digit over two", "de_DE", true, 0, "3", QDateTime(QDate(2026, 5, 3), time));
    dataRow("de_DE, short parts ended by their separators", "de_DE", false, 0, "3.5.2025 7",
            QDateTime(QDate(2025, 5, 3), QTime(7, 41, 7)));
    dataRow("en_US, short parts ended by their separators", "en_US", true, 0, "3/5/2026 7",
            QDateTime(QDate(2026, 3, 5), QTime(7, 41, 7)));
    dataRow("en_US, a digit over the part the cursor is in", "en_US", false, 2, "3",
            QDateTime(QDate(2026, 5, 3), time));
}

void TestBookingDialogs::dateTypedByKeys()
{
    QFETCH(QString, locale);
    QFETCH(bool, back);
    QFETCH(int, arrows);
    QFETCH(QString, typed);
    QFETCH(QDateTime, expected);
    pinLocale(qPrintable(locale));
    TestDb db;
    auto d = openDialog(QStringLiteral("deposit"), db.addHolder(QStringLiteral("Bank"), 0));
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d.get()));
    child<QWidget>(*d, back ? QStringLiteral("cbbFrom") : QStringLiteral("cbbInf"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    auto* date = child<QDateTimeEdit>(*d, QStringLiteral("dtpDate"));
    QCOMPARE(QApplication::focusWidget(), date);
    for (int i = 0; i < arrows; ++i)
        QTest::keyClick(date, Qt::Key_Right);
    QTest::keyClicks(date, typed);
    // One Tab leaves the field.
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cbbFrom"));
    QCOMPARE(date->dateTime(), expected);
}

QTEST_MAIN(TestBookingDialogs)
#include "tst_bookingdialogs.moc"
