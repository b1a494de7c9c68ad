#include "TestDb.h"

#include "data/TDM.h"
#include "help/THelpRouter.h"
#include "holders/TFrmBankAccount.h"
#include "holders/TFrmWallet.h"
#include "toolkit/TDialog.h"
#include "toolkit/TMessageService.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>

namespace {

// A wallet or an account dialog, in view/edit mode when `info` is given.
std::unique_ptr<TFrmHolderBase> makeDialog(bool wallet, TDataInfo* info = nullptr)
{
    std::unique_ptr<TFrmHolderBase> dialog;
    if (wallet)
        dialog = std::make_unique<TFrmWallet>();
    else
        dialog = std::make_unique<TFrmBankAccount>();
    if (info != nullptr)
        dialog->ShowHolder(info);
    return dialog;
}

// A shown dialog of the family, new or viewing the holder "Old" that it adds.
struct Opened
{
    TDataInfo info;
    std::unique_ptr<TFrmHolderBase> dialog;

    Opened(TestDb& db, bool wallet, bool edit)
        : info(TDM::LoadHolder(db.addHolder(QStringLiteral("Old"), wallet ? 2 : 0)))
        , dialog(makeDialog(wallet, edit ? &info : nullptr))
    {
        dialog->show();
    }
};

// The message boxes shown since the last call, each as "title|text|icon|buttons".
QStringList shownBoxes()
{
    QStringList out;
    for (const TMessageService::Shown& box : TMessageService::takeShown())
        out << QStringLiteral("%1|%2|%3|%4").arg(box.title, box.text).arg(int(box.icon)).arg(int(box.buttons));
    return out;
}

// An error box with `text`: titled "Error", the error icon and an OK button.
QString errorBox(const QString& text)
{
    return QStringLiteral("Error|%1|%2|%3").arg(text).arg(int(QMessageBox::Critical)).arg(int(QMessageBox::Ok));
}

template <class T>
T* child(QWidget& w, const char* name)
{
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

void click(QWidget& w, const char* name)
{
    QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
}

} // namespace

class TestHolderDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newAccountStartState_data();
    void newAccountStartState();
    void blankNameIsRefused_data();
    void blankNameIsRefused();
    void newHolderIsStoredTrimmed_data();
    void newHolderIsStoredTrimmed();
    void warnBoxFollowsNegative_data();
    void warnBoxFollowsNegative();
    void viewedAccount();
    void editKeepsBalanceAndStoredWarnMark();
    void closeWritesNothing_data();
    void closeWritesNothing();
    void newWalletStartState();
    void walletShare_data();
    void walletShare();
    void walletShareFailureShowsNoDialog();
    void helpButtons();
    void failedSaveKeepsTheInput_data();
    void failedSaveKeepsTheInput();
    void amountLabelsShowTheirWholeText_data();
    void amountLabelsShowTheirWholeText();
};

void TestHolderDialogs::init()
{
    pinLocale("en_US");
    TMessageService::setTestMode(true);
    THelpRouter::takeRequests();
}

void TestHolderDialogs::newAccountStartState_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("de_DE") << "de_DE";
}

void TestHolderDialogs::newAccountStartState()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    TestDb db;
    TFrmBankAccount dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Bank Account"));
    QCOMPARE(child<QLabel>(dialog, "lblBalance")->text(), QStringLiteral("0.00 $"));
    QVERIFY(child<QRadioButton>(dialog, "rbTypeBank")->isChecked());
    QVERIFY(!child<QRadioButton>(dialog, "rbTypeCredit")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "chkNegative")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "chkWarn")->isEnabled());
    QCOMPARE(dialog.size(), QSize(451, 327).expandedTo(dialog.minimumSizeHint()));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(child<QPushButton>(dialog, "btnSave")->isDefault());
    QCOMPARE(child<QPushButton>(dialog, "btnSave")->text(), QStringLiteral("&Save"));
    QCOMPARE(child<QPushButton>(dialog, "btnClose")->text(), QStringLiteral("&Close"));
}

void TestHolderDialogs::blankNameIsRefused_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString account = QStringLiteral("Please enter an account name!");
    const QString wallet = QStringLiteral("Please enter a wallet name!");
    QTest::newRow("new account, empty") << false << false << "" << account;
    QTest::newRow("new account, blanks") << false << false << "   " << account;
    QTest::newRow("edited account, blanks") << false << true << " \t " << account;
    QTest::newRow("new wallet, empty") << true << false << "" << wallet;
    QTest::newRow("edited wallet, blanks") << true << true << "  " << wallet;
}

void TestHolderDialogs::blankNameIsRefused()
{
    QFETCH(bool, wallet);
    QFETCH(bool, edit);
    QFETCH(QString, name);
    QFETCH(QString, message);
    TestDb db;
    Opened opened(db, wallet, edit);
    const qint32 id = opened.info.ID;
    auto& dialog = opened.dialog;
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    child<QPushButton>(*dialog, "btnClose")->setFocus();
    child<QLineEdit>(*dialog, "edtName")->setText(name);
    click(*dialog, wallet ? "btnOK" : "btnSave");

    QCOMPARE(shownBoxes(), QStringList{errorBox(message)});
    QVERIFY(dialog->isVisible());
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(*dialog, "edtName"));
    QCOMPARE(db.count(QStringLiteral("Account")), 1);
    QCOMPARE(TDM::LoadHolder(id).Name, QStringLiteral("Old"));
}

void TestHolderDialogs::newHolderIsStoredTrimmed_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("credit");
    QTest::addColumn<int>("kind");
    QTest::newRow("bank account") << false << false << 0;
    QTest::newRow("credit card account") << false << true << 1;
    QTest::newRow("wallet") << true << false << 2;
}

void TestHolderDialogs::newHolderIsStoredTrimmed()
{
    QFETCH(bool, wallet);
    QFETCH(bool, credit);
    QFETCH(int, kind);
    TestDb db;
    auto dialog = makeDialog(wallet);
    child<QLineEdit>(*dialog, "edtName")->setText(QStringLiteral("  Mum's \"rainy day\" 100%  "));
    if (credit)
        child<QRadioButton>(*dialog, "rbTypeCredit")->setChecked(true);
    child<QCheckBox>(*dialog, "chkNegative")->setChecked(true);
    child<QCheckBox>(*dialog, "chkWarn")->setChecked(true);
    child<QLineEdit>(*dialog, "edtURL")->setText(QStringLiteral(" https://x.example/?a='1' "));
    child<QPlainTextEdit>(*dialog, "Memo")->setPlainText(QStringLiteral("\n  first line\n second  \n\n"));
    click(*dialog, wallet ? "btnOK" : "btnSave");

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(TMessageService::takeShown().isEmpty());
    QSqlQuery q = db.dm().select(QStringLiteral("select name, type, Balance, negative, WarnNegative, URL, Memo"
                                                " from Account"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Mum's \"rainy day\" 100%"));
    QCOMPARE(q.value(1).toInt(), kind);
    QCOMPARE(q.value(2).toLongLong(), 0);
    QCOMPARE(q.value(3).toInt(), 1);
    QCOMPARE(q.value(4).toInt(), 1);
    QCOMPARE(q.value(5).toString(), QStringLiteral("https://x.example/?a='1'"));
    QCOMPARE(q.value(6).toString(), QStringLiteral("first line\n second"));
    QVERIFY(!q.next());
}

void TestHolderDialogs::warnBoxFollowsNegative_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::newRow("account") << false;
    QTest::newRow("wallet") << true;
}

void TestHolderDialogs::warnBoxFollowsNegative()
{
    QFETCH(bool, wallet);
    TestDb db;
    auto dialog = makeDialog(wallet);
    auto* negative = child<QCheckBox>(*dialog, "chkNegative");
    auto* warn = child<QCheckBox>(*dialog, "chkWarn");
    QVERIFY(!warn->isEnabled());
    QTest::mouseClick(negative, Qt::LeftButton);
    QVERIFY(warn->isEnabled());
    warn->setChecked(true);
    QTest::mouseClick(negative, Qt::LeftButton);
    QVERIFY(!warn->isEnabled());
    QVERIFY(warn->isChecked());
    QTest::mouseClick(negative, Qt::LeftButton);
    QVERIFY(warn->isEnabled());
    QVERIFY(warn->isChecked());
}

void TestHolderDialogs::viewedAccount()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Visa"), 1, money("-42.5"), false, true,
                                   QStringLiteral("https://visa.example"), QStringLiteral("card"));
    TDataInfo info = TDM::LoadHolder(id);
    TFrmBankAccount dialog;
    dialog.ShowHolder(&info);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("View/Edit account"));
    QCOMPARE(child<QLabel>(dialog, "lblBalance")->text(), QStringLiteral("($42.50)"));
    QCOMPARE(child<QLineEdit>(dialog, "edtName")->text(), QStringLiteral("Visa"));
    QVERIFY(child<QRadioButton>(dialog, "rbTypeCredit")->isChecked());
    QVERIFY(!child<QRadioButton>(dialog, "rbTypeBank")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "chkWarn")->isEnabled());
    QVERIFY(child<QCheckBox>(dialog, "chkWarn")->isChecked());
    QCOMPARE(child<QLineEdit>(dialog, "edtURL")->text(), QStringLiteral("https://visa.example"));
    QCOMPARE(child<QPlainTextEdit>(dialog, "Memo")->toPlainText(), QStringLiteral("card"));
}

void TestHolderDialogs::editKeepsBalanceAndStoredWarnMark()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Bank"), 0, money("250.1234"), false, true);
    TDataInfo info = TDM::LoadHolder(id);
    TFrmBankAccount dialog;
    dialog.ShowHolder(&info);
    // Balance moves behind the dialog's back; the edit must not write it.
    db.dm().execute(QStringLiteral("update Account set Balance = Balance + 10000 where ID = ?"), {id});
    child<QLineEdit>(dialog, "edtName")->setText(QStringLiteral("  Savings "));
    child<QRadioButton>(dialog, "rbTypeCredit")->setChecked(true);
    click(dialog, "btnSave");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const TDataInfo saved = TDM::LoadHolder(id);
    QCOMPARE(saved.Name, QStringLiteral("Savings"));
    QCOMPARE(saved.Type, 1);
    QCOMPARE(saved.Balance, money("251.1234"));
    QVERIFY(!saved.Negative);
    QVERIFY(saved.WarnNegative);
    QCOMPARE(db.count(QStringLiteral("Account")), 1);
    // The caller's record is read, never changed.
    QCOMPARE(info.Name, QStringLiteral("Bank"));
}

void TestHolderDialogs::closeWritesNothing_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("escape");
    QTest::newRow("account, Close") << false << false;
    QTest::newRow("account, Esc") << false << true;
    QTest::newRow("wallet, Close") << true << false;
    QTest::newRow("wallet, Esc") << true << true;
}

void TestHolderDialogs::closeWritesNothing()
{
    QFETCH(bool, wallet);
    QFETCH(bool, escape);
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Keep"), wallet ? 2 : 0);
    TDataInfo info = TDM::LoadHolder(id);
    auto dialog = makeDialog(wallet, &info);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    child<QLineEdit>(*dialog, "edtName")->setText(QStringLiteral("Changed"));
    if (escape)
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        click(*dialog, "btnClose");
    QCOMPARE(dialog->result(), int(TDialog::mrCancel));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(TDM::LoadHolder(id).Name, QStringLiteral("Keep"));
}

void TestHolderDialogs::newWalletStartState()
{
    TestDb db;
    TFrmWallet dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Wallet"));
    QCOMPARE(child<QLabel>(dialog, "lblBalance")->text(), QStringLiteral("$0.00"));
    QCOMPARE(child<QLabel>(dialog, "lblOfAccounts")->text(), QStringLiteral("$0.00"));
    QCOMPARE(child<QLabel>(dialog, "lbl6")->text(), QStringLiteral("of total"));
    QCOMPARE(dialog.size(), QSize(524, 339).expandedTo(dialog.minimumSizeHint()));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(child<QPushButton>(dialog, "btnOK")->isDefault());
    QVERIFY(!child<QPlainTextEdit>(dialog, "Memo")->tabChangesFocus());
}

void TestHolderDialogs::walletShare_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("wallet");
    QTest::addColumn<QString>("others"); // the balance of one account
    QTest::addColumn<QString>("share");
    QTest::newRow("25") << "en_US"
                        << "12.50"
                        << "37.50"
                        << "25.00%";
    QTest::newRow("33") << "en_US"
                        << "33.33"
                        << "66.67"
                        << "33.00%";
    QTest::newRow("100") << "en_US"
                         << "80"
                         << "0"
                         << "100.00%";
    QTest::newRow("all of 0.60") << "en_US"
                                 << "0.60"
                                 << "0"
                                 << "100.00%";
    QTest::newRow("all of 99.50") << "en_US"
                                  << "99.50"
                                  << "0"
                                  << "100.00%";
    QTest::newRow("0 of something") << "en_US"
                                    << "0"
                                    << "80"
                                    << "0.00%";
    QTest::newRow("all zero") << "en_US"
                              << "0"
                              << "0"
                              << "0.00%";
    QTest::newRow("negative") << "en_US"
                              << "-12.50"
                              << "62.50"
                              << "-25.00%";
    QTest::newRow("decimal comma") << "de_DE"
                                   << "12.50"
                                   << "37.50"
                                   << "25,00%";
}

void TestHolderDialogs::walletShare()
{
    QFETCH(QString, locale);
    QFETCH(QString, wallet);
    QFETCH(QString, others);
    QFETCH(QString, share);
    QLocale::setDefault(QLocale(locale));
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Cash"), 2, money(qPrintable(wallet)));
    db.addHolder(QStringLiteral("Bank"), 0, money(qPrintable(others)));
    TDataInfo info = TDM::LoadHolder(id);
    TFrmWallet dialog;
    dialog.ShowHolder(&info);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("View/Edit wallet"));
    QCOMPARE(child<QLabel>(dialog, "lblOfAccounts")->text(), share);
    QCOMPARE(child<QLabel>(dialog, "lblBalance")->text(), info.Balance.toMoneyString());
}

void TestHolderDialogs::walletShareFailureShowsNoDialog()
{
    TestDb db;
    const qint32 id = db.addHolder(QStringLiteral("Cash"), 2);
    TDataInfo info = TDM::LoadHolder(id);
    db.dm().execute(QStringLiteral("alter table Account rename column Balance to Other"));
    TFrmWallet dialog;
    QVERIFY_THROWS_EXCEPTION(std::exception, dialog.ShowHolder(&info));
}

void TestHolderDialogs::helpButtons()
{
    TestDb db;
    TFrmBankAccount account;
    click(account, "btnHelp");
    TFrmWallet wallet;
    click(wallet, "btnHelp");
    const auto requests = THelpRouter::takeRequests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0].context, 1007);
    QCOMPARE(requests[1].context, 1008);
}

void TestHolderDialogs::failedSaveKeepsTheInput_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("cause"); // "skip" the database leaves the row alone, "gone" the holder was deleted
    QTest::addColumn<QString>("message");
    const QString account = QStringLiteral("Sorry, add account error!");
    const QString wallet = QStringLiteral("Sorry, add wallet error!");
    QTest::newRow("new account, no row added") << false << false << "skip" << account;
    QTest::newRow("new wallet, no row added") << true << false << "skip" << wallet;
    QTest::newRow("edited account, no row changed") << false << true << "skip" << account;
    QTest::newRow("edited wallet, no row changed") << true << true << "skip" << wallet;
    QTest::newRow("edited account, holder gone") << false << true << "gone" << account;
    QTest::newRow("edited wallet, holder gone") << true << true << "gone" << wallet;
}

void TestHolderDialogs::failedSaveKeepsTheInput()
{
    QFETCH(bool, wallet);
    QFETCH(bool, edit);
    QFETCH(QString, cause);
    QFETCH(QString, message);
    TestDb db;
    Opened opened(db, wallet, edit);
    const qint32 id = opened.info.ID;
    auto& dialog = opened.dialog;
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    if (cause == QStringLiteral("gone"))
        db.dm().execute(QStringLiteral("delete from Account where ID = ?"), {id});
    else
        db.addTrigger(QStringLiteral("Account"), edit ? QStringLiteral("UPDATE") : QStringLiteral("INSERT"),
                      TestDb::TriggerEffect::Skip);
    const QString before = db.snapshot();
    child<QLineEdit>(*dialog, "edtName")->setText(QStringLiteral(" Typed "));
    child<QCheckBox>(*dialog, "chkNegative")->setChecked(true);
    child<QLineEdit>(*dialog, "edtURL")->setText(QStringLiteral("https://typed.example"));
    child<QPlainTextEdit>(*dialog, "Memo")->setPlainText(QStringLiteral("typed memo"));
    click(*dialog, wallet ? "btnOK" : "btnSave");

    QCOMPARE(shownBoxes(), QStringList{errorBox(message)});
    QCOMPARE(db.snapshot(), before);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), 0 /* still open */);
    QCOMPARE(child<QLineEdit>(*dialog, "edtName")->text(), QStringLiteral(" Typed "));
    QVERIFY(child<QCheckBox>(*dialog, "chkNegative")->isChecked());
    QCOMPARE(child<QLineEdit>(*dialog, "edtURL")->text(), QStringLiteral("https://typed.example"));
    QCOMPARE(child<QPlainTextEdit>(*dialog, "Memo")->toPlainText(), QStringLiteral("typed memo"));
}

void TestHolderDialogs::amountLabelsShowTheirWholeText_data()
{
    QTest::addColumn<bool>("wallet");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("largest"); // else the most negative balance
    for (bool wallet : {false, true}) {
        for (const char* locale : {"en_US", "de_DE"}) {
            for (bool largest : {true, false})
                QTest::addRow("%s, %s, %s", wallet ? "wallet" : "account", locale,
                              largest ? "largest" : "most negative")
                    << wallet << QString::fromLatin1(locale) << largest;
        }
    }
}

void TestHolderDialogs::amountLabelsShowTheirWholeText()
{
    QFETCH(bool, wallet);
    QFETCH(QString, locale);
    QFETCH(bool, largest);
    QLocale::setDefault(QLocale(locale));
    TestDb db;
    const Currency balance = largest ? Currency::max() : Currency::min();
    const qint32 id = db.addHolder(QStringLiteral("Rich"), wallet ? 2 : 0, balance);
    TDataInfo info = TDM::LoadHolder(id);
    auto dialog = makeDialog(wallet, &info);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(child<QLabel>(*dialog, "lblBalance")->text(), balance.toMoneyString());
    QStringList labels{QStringLiteral("lblBalance")};
    if (wallet)
        labels << QStringLiteral("lblOfAccounts");
    for (const QString& name : labels) {
        const auto* label = dialog->findChild<QLabel*>(name);
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(), qPrintable(QStringLiteral("%1 \"%2\" needs %3 pixels, has %4")
                                                                         .arg(name, label->text())
                                                                         .arg(needed)
                                                                         .arg(label->contentsRect().width())));
    }
    // The designed widths stay the least.
    QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("lblBalance"))->width() >= (wallet ? 89 : 145));
}

QTEST_MAIN(TestHolderDialogs)
#include "tst_holderdialogs.moc"
