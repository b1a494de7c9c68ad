#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "bookings/TBookingStore.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "toolkit/TImageBase.h"

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

namespace {

const QDateTime Now(QDate(2026, 5, 17), QTime(9, 41, 7));

std::unique_ptr<TFrmDetailBase> makeDialog(bool debit)
{
    if (debit)
        return std::make_unique<TFrmDebit>();
    return std::make_unique<TFrmDeposit>();
}

QString counterpartyName(bool debit)
{
    return debit ? QStringLiteral("cbbTo") : QStringLiteral("cbbFrom");
}

QComboBox* counterparty(const TFrmDetailBase& d)
{
    return child<QComboBox>(d, counterpartyName(d.detailType() == 1));
}

// Fills the booking fields as a user would and presses OK.
void book(TFrmDetailBase& d, const QString& who, const QString& amount, const QString& forText = {},
          const QString& memo = {})
{
    counterparty(d)->setEditText(who);
    child<QLineEdit>(d, QStringLiteral("edtAmmount"))->setText(amount);
    child<QLineEdit>(d, QStringLiteral("edtFor"))->setText(forText);
    child<QPlainTextEdit>(d, QStringLiteral("mmoMemo"))->setPlainText(memo);
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btnOK")), Qt::LeftButton);
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

} // namespace

class TestDetailDialogs : public QObject
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
    void userChoiceSurvivesActivation();
    void holdersOfOneNameKeepTheirBookings_data();
    void holdersOfOneNameKeepTheirBookings();
    void validation_data();
    void validation();
    void validSave_data();
    void validSave();
    void negativeBalance_data();
    void negativeBalance();
    void loadForEdit_data();
    void loadForEdit();
    void editDebitUnderNegativeRule_data();
    void editDebitUnderNegativeRule();
    void editMovesBookingToAnotherHolder();
    void databaseFailureKeepsInput_data();
    void databaseFailureKeepsInput();
    void closeAndHelp_data();
    void closeAndHelp();
};

void TestDetailDialogs::controls_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    dataRow("deposit", false, "Deposit", QSize(537, 241), "Receive info", "From:");
    dataRow("debit", true, "Debit", QSize(540, 240), "Debit info", "To:");
}

void TestDetailDialogs::controls()
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

    const struct
    {
        const char* label;
        QString caption;
        QString buddy;
    } labels[] = {{"lbl6", QStringLiteral("Change Account/Wallet"), QStringLiteral("cbbInf")},
                  {"lbl4", QStringLiteral("Date:"), QStringLiteral("dtpDate")},
                  {"lbl1", label, counterpartyName(debit)},
                  {"lbl5", QStringLiteral("Amount:"), QStringLiteral("edtAmmount")},
                  {"lbl2", QStringLiteral("For:"), QStringLiteral("edtFor")},
                  {"lbl3", QStringLiteral("Memo:"), QStringLiteral("mmoMemo")}};
    for (const auto& l : labels) {
        auto* w = child<QLabel>(*d, QString::fromLatin1(l.label));
        QCOMPARE(w->text(), l.caption);
        QVERIFY2(w->buddy() != nullptr && w->buddy()->objectName() == l.buddy, l.label);
        QVERIFY2(!w->buddy()->accessibleName().isEmpty(), l.label);
    }
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

void TestDetailDialogs::counterpartySuggestions_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QStringList>("offered");
    dataRow("deposit", false, QStringList{"Aunt May", "Employer"});
    dataRow("debit", true, QStringList{"Grocer"});
}

void TestDetailDialogs::counterpartySuggestions()
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

void TestDetailDialogs::activationShowsPresetHolder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("listed");
    dataRow("bank account", 0, QStringList{"Bank", "Card"});
    dataRow("credit card account", 1, QStringList{"Bank", "Card"});
    dataRow("wallet", 2, QStringList{"Cash", "Purse"});
}

void TestDetailDialogs::activationShowsPresetHolder()
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

void TestDetailDialogs::familySwitch()
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

void TestDetailDialogs::reclickingTheChosenFamilyKeepsTheHolder_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("keyboard");
    dataRow("account, mouse", false, false);
    dataRow("wallet, mouse", true, false);
    dataRow("account, keyboard", false, true);
    dataRow("wallet, keyboard", true, true);
}

void TestDetailDialogs::reclickingTheChosenFamilyKeepsTheHolder()
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

void TestDetailDialogs::familyWithoutHolders()
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

void TestDetailDialogs::userChoiceSurvivesActivation()
{
    TestDb db;
    const qint32 first = db.addHolder(QStringLiteral("First"), 0);
    const qint32 second = db.addHolder(QStringLiteral("Second"), 0);
    TFrmDeposit d;
    d.PresetHolder(first);
    d.show();
    chooseHolderRow(d, 1);
    QCOMPARE(d.currentHolder().ID, second);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&d, &activate);
    QCOMPARE(d.currentHolder().ID, second);
    QCOMPARE(child<QComboBox>(d, QStringLiteral("cbbInf"))->currentData().toInt(), second);
    QCOMPARE(tileId(d), second);
    book(d, QStringLiteral("Gift"), QStringLiteral("3"));
    QCOMPARE(db.balance(second), money("3"));
    QCOMPARE(db.balance(first), money("0"));
}

void TestDetailDialogs::holdersOfOneNameKeepTheirBookings_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<int>("row");
    dataRow("deposit, first", false, 0);
    dataRow("deposit, second", false, 1);
    dataRow("debit, first", true, 0);
    dataRow("debit, second", true, 1);
}

void TestDetailDialogs::holdersOfOneNameKeepTheirBookings()
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
    QCOMPARE(d->currentHolder().ID, twins[row]);
    book(*d, QStringLiteral("X"), QStringLiteral("7"));
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(twins[row]), debit ? money("43") : money("57"));
    QCOMPARE(db.balance(twins[1 - row]), money("50"));
}

void TestDetailDialogs::validation_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message"); // the focus goes to the field it names; a bad amount is selected
    for (bool debit : {false, true}) {
        auto row = [debit](const char* name, const char* locale, const char* who, const char* amount,
                           const char* message) {
            QTest::addRow("%s: %s", debit ? "debit" : "deposit", name) << debit << locale << who << amount << message;
        };
        const char* from = "Please input inofrmation for \"From\"";
        const char* empty = "Please input the AMOUNT for deposit";
        const char* invalid = "The AMOUNT for deposit is not a valid number.";
        const char* positive = "The AMOUNT for deposit must be a positive number.";
        row("counterparty empty", "en_US", "", "10", from);
        row("counterparty blanks", "en_US", "   ", "10", from);
        row("counterparty before amount", "en_US", "", "abc", from);
        row("amount empty", "en_US", "Shop", "", empty);
        row("amount blanks", "en_US", "Shop", "  ", empty);
        row("amount letters", "en_US", "Shop", "abc", invalid);
        row("amount with grouping", "en_US", "Shop", "1,000.00", invalid);
        row("de_DE: point", "de_DE", "Shop", "12.5", invalid);
        row("amount 0", "en_US", "Shop", "0", positive);
        row("amount -5", "en_US", "Shop", "-5", positive);
        row("de_DE: -0,5", "de_DE", "Shop", "-0,5", positive);
    }
}

void TestDetailDialogs::validation()
{
    QFETCH(bool, debit);
    QFETCH(QString, locale);
    QFETCH(QString, who);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    pinLocale(qPrintable(locale));
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0, money("100"));
    auto d = makeDialog(debit);
    d->PresetHolder(h);
    d->show();
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

void TestDetailDialogs::validSave_data()
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

void TestDetailDialogs::validSave()
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

void TestDetailDialogs::negativeBalance_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("answer"); // to the question, when one is asked
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("after"); // the holder starts at 50
    const char* refused = "Error (Critical, Ok): The Account or wallet is not allowed go negative!";
    const char* question = "Error (Question, Ok|Cancel): The balance will go negative, are you sure to continue?!";
    const int ok = QMessageBox::Ok;
    dataRow("refused", true, false, false, "60", ok, refused, "50");
    dataRow("refused, warning set", true, false, true, "50.0001", ok, refused, "50");
    dataRow("asked, OK", true, true, true, "60", ok, question, "-10");
    dataRow("asked, Cancel", true, true, true, "60", int(QMessageBox::Cancel), question, "50");
    dataRow("allowed silently", true, true, false, "60", ok, "", "-10");
    dataRow("exactly 0", true, false, false, "50", ok, "", "0");
    dataRow("above 0", true, false, true, "49.9999", ok, "", "0.0001");
    dataRow("deposit: no rule", false, false, false, "60", ok, "", "110");
}

void TestDetailDialogs::negativeBalance()
{
    QFETCH(bool, debit);
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(QString, amount);
    QFETCH(int, answer);
    QFETCH(QString, box);
    QFETCH(QString, after);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Cash"), 2, money("50"), negative, warn);
    auto d = makeDialog(debit);
    d->PresetHolder(h);
    d->show();
    TMessageService::setNextAnswer(QMessageBox::StandardButton(answer));
    book(*d, QStringLiteral("Shop"), amount);
    QCOMPARE(shownBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(db.balance(h), money(qPrintable(after)));
    const bool saved = box.isEmpty() || (box.contains(QStringLiteral("Question")) && answer == QMessageBox::Ok);
    QCOMPARE(d->result(), saved ? int(QDialog::Accepted) : 0 /* still open */);
    QCOMPARE(db.count(QStringLiteral("Detail")), saved ? 1 : 0);
    if (!saved) {
        auto* amountEdit = child<QLineEdit>(*d, QStringLiteral("edtAmmount"));
        QCOMPARE(d->focusWidget(), amountEdit);
        QCOMPARE(amountEdit->selectedText(), amount);
        QVERIFY(d->isVisible());
    }
}

void TestDetailDialogs::loadForEdit_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("amountText");
    dataRow("deposit", false, "en_US", "12.3456");
    dataRow("debit", true, "en_US", "12.3456");
    dataRow("deposit, de_DE", false, "de_DE", "12,3456");
}

void TestDetailDialogs::loadForEdit()
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

void TestDetailDialogs::editDebitUnderNegativeRule_data()
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

void TestDetailDialogs::editDebitUnderNegativeRule()
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

void TestDetailDialogs::editMovesBookingToAnotherHolder()
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

void TestDetailDialogs::databaseFailureKeepsInput_data()
{
    QTest::addColumn<bool>("debit");
    QTest::addColumn<bool>("edit");
    dataRow("new deposit", false, false);
    dataRow("new debit", true, false);
    dataRow("edited deposit", false, true);
    dataRow("edited debit", true, true);
}

void TestDetailDialogs::databaseFailureKeepsInput()
{
    QFETCH(bool, debit);
    QFETCH(bool, edit);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0, money("500"));
    const qint32 id = TBookingStore::saveDetail(detailRow(debit ? 1 : 0, h, money("10"), Now, QStringLiteral("Old")));
    auto d = makeDialog(debit);
    if (edit)
        d->LoadForEdit(id);
    else
        d->PresetHolder(h);
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
    QCOMPARE(d->currentHolder().ID, h);

    // Once the database works again, OK saves what is still typed.
    allowBalanceUpdates(db);
    QTest::mouseClick(child<QPushButton>(*d, QStringLiteral("btnOK")), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    const Currency start = edit ? money("500") : (debit ? money("490") : money("510"));
    QCOMPARE(db.balance(h), debit ? start - money("12.3456") : start + money("12.3456"));
}

void TestDetailDialogs::closeAndHelp_data()
{
    QTest::addColumn<bool>("debit");
    dataRow("deposit", false);
    dataRow("debit", true);
}

void TestDetailDialogs::closeAndHelp()
{
    QFETCH(bool, debit);
    TestDb db;
    const qint32 h = db.addHolder(QStringLiteral("Bank"), 0, money("5"));
    auto d = makeDialog(debit);
    d->PresetHolder(h);
    d->show();
    QTest::mouseClick(child<QPushButton>(*d, QStringLiteral("btnHelp")), Qt::LeftButton);
    QCOMPARE(helpRequests(), QStringList{debit ? "context 1010" : "context 1009"});
    counterparty(*d)->setEditText(QStringLiteral("Typed"));
    child<QLineEdit>(*d, QStringLiteral("edtAmmount"))->setText(QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(*d, QStringLiteral("btnClose")), Qt::LeftButton);
    QCOMPARE(d->result(), int(TDialog::mrCancel));
    QVERIFY(!d->isVisible());
    QCOMPARE(db.count(QStringLiteral("Detail")), 0);
    QCOMPARE(db.balance(h), money("5"));
    // Esc closes as well.
    d->show();
    QTest::keyClick(d.get(), Qt::Key_Escape);
    QVERIFY(!d->isVisible());
    QCOMPARE(d->result(), int(TDialog::mrCancel));
    QCOMPARE(db.count(QStringLiteral("Detail")), 0);
}

QTEST_MAIN(TestDetailDialogs)
#include "tst_detaildialogs.moc"
