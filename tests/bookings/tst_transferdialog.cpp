#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "TestDb.h"

#include "bookings/TBookingStore.h"
#include "bookings/TFrmTransfer.h"
#include "toolkit/TImageBase.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QDateTime Now(QDate(2026, 6, 1), QTime(8, 0, 30));

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

void save(TFrmTransfer& d, const QString& from, const QString& amount, const QString& forText = {},
          const QString& memo = {})
{
    child<QComboBox>(d, QStringLiteral("cbbFrom"))->setEditText(from);
    child<QLineEdit>(d, QStringLiteral("edtAmmount"))->setText(amount);
    child<QLineEdit>(d, QStringLiteral("edtFor"))->setText(forText);
    child<QPlainTextEdit>(d, QStringLiteral("mmoMemo"))->setPlainText(memo);
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btnSave")), Qt::LeftButton);
}

TTransferRow stored(qint32 source, qint32 dest, const char* amount)
{
    return transferRow(source, dest, money(amount), Now, QStringLiteral("Me"));
}

} // namespace

class TestTransferDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { startWindowTest(Now); }
    void controls();
    void holderLists_data();
    void holderLists();
    void presets_data();
    void presets();
    void sectionRowsRefused();
    void validation_data();
    void validation();
    void negativeBalance_data();
    void negativeBalance();
    void newTransfer();
    void holdersOfOneNameKeepTheirBookings();
    void userChoiceSurvivesActivation();
    void edit_data();
    void edit();
    void editBreakingTheRuleWritesNothing_data();
    void editBreakingTheRuleWritesNothing();
    void databaseFailureKeepsInput_data();
    void databaseFailureKeepsInput();
    void closeAndHelp();
};

void TestTransferDialog::controls()
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
    const struct
    {
        const char* label;
        const char* caption;
        const char* buddy;
    } labels[] = {{"lbl6", "Change", "cbbInf1"}, {"lbl1", "Change", "cbbInf2"},     {"lbl4", "Date:", "dtpDate"},
                  {"lbl5", "From:", "cbbFrom"},  {"lbl7", "Amount:", "edtAmmount"}, {"lbl2", "For:", "edtFor"},
                  {"lbl3", "Memo:", "mmoMemo"}};
    for (const auto& l : labels) {
        auto* w = child<QLabel>(d, QString::fromLatin1(l.label));
        QCOMPARE(w->text(), QString::fromLatin1(l.caption));
        QVERIFY2(w->buddy() != nullptr && w->buddy()->objectName() == QString::fromLatin1(l.buddy), l.label);
        QVERIFY2(!w->buddy()->accessibleName().isEmpty(), l.label);
    }
    QCOMPARE(child<QPushButton>(d, QStringLiteral("btn1"))->text(), QStringLiteral("&Help"));
    QCOMPARE(child<QPushButton>(d, QStringLiteral("btnSave"))->text(), QStringLiteral("&Save"));
    QVERIFY(child<QPushButton>(d, QStringLiteral("btnSave"))->isDefault());
    QCOMPARE(child<QPushButton>(d, QStringLiteral("btn3"))->text(), QStringLiteral("&Close"));
    const QStringList order{"cbbInf1", "cbbInf2", "dtpDate", "cbbFrom", "edtAmmount",
                            "edtFor",  "mmoMemo", "btn1",    "btnSave", "btn3"};
    QCOMPARE(tabOrder(sourceList(d), order), order);
}

void TestTransferDialog::holderLists_data()
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

void TestTransferDialog::holderLists()
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

void TestTransferDialog::presets_data()
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

void TestTransferDialog::presets()
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
        save(d, QStringLiteral("Me"), QStringLiteral("1"));
        QCOMPARE(shownTexts(), QStringList{"Please select Source Account/Wallet!"});
    } else if (dest < 0) {
        save(d, QStringLiteral("Me"), QStringLiteral("1"));
        QCOMPARE(shownTexts(), QStringList{"Please select Destination Account/Wallet!"});
    }
}

void TestTransferDialog::sectionRowsRefused()
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
    save(d, QStringLiteral("Me"), QStringLiteral("1"));
    QCOMPARE(shownBoxes(), QStringList{"Error (Critical, Ok): Please select Source Account/Wallet!"});
    choose(sourceList(d), QStringLiteral("---Account---"));
    save(d, QStringLiteral("Me"), QStringLiteral("1"));
    QCOMPARE(shownTexts(), QStringList{"Please select Source Account/Wallet!"});
    choose(sourceList(d), QStringLiteral("    Bank"));
    choose(destList(d), QStringLiteral("---Wallet---"));
    save(d, QStringLiteral("Me"), QStringLiteral("1"));
    QCOMPARE(shownTexts(), QStringList{"Please select Destination Account/Wallet!"});
    QCOMPARE(db.count(QStringLiteral("Transfer")), 0);
    QVERIFY(d.isVisible());
}

void TestTransferDialog::validation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message"); // the focus goes to the field it names; a bad amount is selected
    const char* from = "Please input inofrmation for \"From\"";
    const char* empty = "Please input the AMOUNT for deposit";
    const char* invalid = "The AMOUNT for deposit is not a valid number.";
    dataRow("from empty", "en_US", "", "10", from);
    dataRow("from blanks, amount bad", "en_US", "  ", "abc", from);
    dataRow("amount empty", "en_US", "Me", "", empty);
    dataRow("amount blanks", "en_US", "Me", " ", empty);
    dataRow("amount letters", "en_US", "Me", "abc", invalid);
    dataRow("amount with grouping", "en_US", "Me", "1,000.00", invalid);
    dataRow("amount 0", "en_US", "Me", "0", invalid);
    dataRow("amount -5", "en_US", "Me", "-5", invalid);
    dataRow("de_DE: point", "de_DE", "Me", "12.5", invalid);
}

void TestTransferDialog::validation()
{
    QFETCH(QString, locale);
    QFETCH(QString, from);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    pinLocale(qPrintable(locale));
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("100"));
    const qint32 b = db.addHolder(QStringLiteral("B"), 2, money("100"));
    TFrmTransfer d;
    d.PresetHolders(a, b);
    d.show();
    const QString before = snapshot(db);
    save(d, from, amount);
    QCOMPARE(shownBoxes(), QStringList{"Error (Critical, Ok): " + message});
    QCOMPARE(snapshot(db), before);
    QVERIFY(d.isVisible());
    auto* amountEdit = child<QLineEdit>(d, QStringLiteral("edtAmmount"));
    const bool onAmount = message.contains(QStringLiteral("AMOUNT"));
    QCOMPARE(d.focusWidget(), onAmount ? static_cast<QWidget*>(amountEdit) : child<QComboBox>(d, "cbbFrom"));
    if (onAmount && !message.startsWith(QStringLiteral("Please input")))
        QCOMPARE(amountEdit->selectedText(), amount);
}

void TestTransferDialog::negativeBalance_data()
{
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<bool>("toItself");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("saved");
    // The source starts at 50, the destination (which may not go negative) at -5.
    const char* refused = "Error (Critical, Ok): The source Account or wallet is not allowed go negative!";
    const char* question =
        "Error (Question, Ok|Cancel): The source balance will go negative, are you sure to continue?!";
    const int ok = QMessageBox::Ok;
    dataRow("refused", false, false, false, "60", ok, refused, false);
    dataRow("refused, warning set", false, true, false, "50.0001", ok, refused, false);
    dataRow("asked, OK", true, true, false, "60", ok, question, true);
    dataRow("asked, Cancel", true, true, false, "60", int(QMessageBox::Cancel), question, false);
    dataRow("allowed silently", true, false, false, "60", ok, "", true);
    dataRow("exactly 0", false, false, false, "50", ok, "", true);
    dataRow("to itself, within", false, false, true, "50", ok, "", true);
    dataRow("to itself, beyond", false, false, true, "51", ok, refused, false);
}

void TestTransferDialog::negativeBalance()
{
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(bool, toItself);
    QFETCH(QString, amount);
    QFETCH(int, answer);
    QFETCH(QString, box);
    QFETCH(bool, saved);
    TestDb db;
    const qint32 source = db.addHolder(QStringLiteral("Source"), 2, money("50"), negative, warn);
    const qint32 dest = db.addHolder(QStringLiteral("Dest"), 0, money("-5"), false, false);
    TFrmTransfer d;
    d.PresetHolders(source, toItself ? source : dest);
    d.show();
    TMessageService::setNextAnswer(QMessageBox::StandardButton(answer));
    save(d, QStringLiteral("Me"), amount);
    QCOMPARE(shownBoxes(), box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(d.result(), saved ? int(QDialog::Accepted) : 0 /* still open */);
    QCOMPARE(db.count(QStringLiteral("Transfer")), saved ? 1 : 0);
    const Currency moved = saved ? money(qPrintable(amount)) : Currency();
    if (toItself) {
        QCOMPARE(db.balance(source), money("50"));
    } else {
        QCOMPARE(db.balance(source), money("50") - moved);
        // No rule for the destination: it may not go negative, yet it receives.
        QCOMPARE(db.balance(dest), money("-5") + moved);
    }
    if (!saved) {
        auto* amountEdit = child<QLineEdit>(d, QStringLiteral("edtAmmount"));
        QCOMPARE(d.focusWidget(), amountEdit);
        QCOMPARE(amountEdit->selectedText(), amount);
    }
}

void TestTransferDialog::newTransfer()
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
    save(d, QStringLiteral(" Me, myself "), QStringLiteral("100,0001"), QStringLiteral(" savings "),
         QStringLiteral(" note\n"));
    QVERIFY(TMessageService::takeShown().isEmpty());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(a), money("199.9999"));
    QCOMPARE(db.balance(b), money("120.0001"));
    QCOMPARE(db.rows(QStringLiteral("select SourceID, DestID, Date, [From], Amount, [For], Memo from Transfer")),
             QStringList{QStringLiteral("%1|%2|2026-02-03 04:05:06|Me, myself|1000001|savings|note").arg(a).arg(b)});
}

void TestTransferDialog::holdersOfOneNameKeepTheirBookings()
{
    TestDb db;
    const qint32 first = db.addHolder(QStringLiteral("Cash"), 2, money("10"));
    const qint32 second = db.addHolder(QStringLiteral("Cash"), 2, money("10"));
    const qint32 bank = db.addHolder(QStringLiteral("Cash"), 0, money("10"));
    TFrmTransfer d;
    d.PresetHolders(first, bank);
    d.show();
    choose(sourceList(d), QStringLiteral("    Cash"), 2); // the second wallet of that name
    QCOMPARE(d.sourceHolder().ID, second);
    save(d, QStringLiteral("Me"), QStringLiteral("4"));
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(first), money("10"));
    QCOMPARE(db.balance(second), money("6"));
    QCOMPARE(db.balance(bank), money("14"));
}

void TestTransferDialog::userChoiceSurvivesActivation()
{
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("10"));
    const qint32 b = db.addHolder(QStringLiteral("B"), 0, money("10"));
    const qint32 c = db.addHolder(QStringLiteral("C"), 2, money("10"));
    TFrmTransfer d;
    d.PresetHolders(a, b);
    d.show();
    choose(sourceList(d), QStringLiteral("    C"));
    // A message box hands the activation back to the dialog: the choice stays.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&d, &activate);
    QCOMPARE(d.sourceHolder().ID, c);
    QCOMPARE(sourceList(d)->currentText(), QStringLiteral("    C"));
    QCOMPARE(sourceTile(d)->GetID(), c);
    save(d, QStringLiteral("Me"), QStringLiteral("3"));
    QCOMPARE(db.balance(a), money("10"));
    QCOMPARE(db.balance(b), money("13"));
    QCOMPARE(db.balance(c), money("7"));
}

void TestTransferDialog::edit_data()
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

void TestTransferDialog::edit()
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

void TestTransferDialog::editBreakingTheRuleWritesNothing_data()
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

void TestTransferDialog::editBreakingTheRuleWritesNothing()
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

void TestTransferDialog::databaseFailureKeepsInput_data()
{
    QTest::addColumn<bool>("edit");
    dataRow("new transfer", false);
    dataRow("edited transfer", true);
}

void TestTransferDialog::databaseFailureKeepsInput()
{
    QFETCH(bool, edit);
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("100"));
    const qint32 b = db.addHolder(QStringLiteral("B"), 2, money("100"));
    const qint32 id = TBookingStore::saveTransfer(stored(a, b, "10"));
    TFrmTransfer d;
    if (edit)
        d.LoadForEdit(id);
    else
        d.PresetHolders(b, a);
    d.show();
    const QString before = snapshot(db);
    failBalanceUpdates(db);
    save(d, QStringLiteral(" typed "), QStringLiteral("12.3456"), QStringLiteral("for"), QStringLiteral("memo"));
    QCOMPARE(shownBoxes(), QStringList{"Error (Critical, Ok): Error occured!"});
    QCOMPARE(snapshot(db), before);
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0 /* still open */);
    QCOMPARE(child<QComboBox>(d, QStringLiteral("cbbFrom"))->currentText(), QStringLiteral(" typed "));
    QCOMPARE(child<QLineEdit>(d, QStringLiteral("edtAmmount"))->text(), QStringLiteral("12.3456"));
    QCOMPARE(child<QLineEdit>(d, QStringLiteral("edtFor"))->text(), QStringLiteral("for"));
    QCOMPARE(child<QPlainTextEdit>(d, QStringLiteral("mmoMemo"))->toPlainText(), QStringLiteral("memo"));
    QCOMPARE(d.sourceHolder().ID, edit ? a : b);
    QCOMPARE(sourceList(d)->currentText(), edit ? QStringLiteral("    A") : QStringLiteral("    B"));
    allowBalanceUpdates(db);
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btnSave")), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(db.balance(a) + db.balance(b), money("200"));
    QCOMPARE(db.balance(edit ? a : b), money(edit ? "87.6544" : "97.6544"));
}

void TestTransferDialog::closeAndHelp()
{
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("A"), 0, money("100"));
    TFrmTransfer d;
    d.PresetHolders(a, a);
    d.show();
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btn1")), Qt::LeftButton);
    QCOMPARE(helpRequests(), QStringList{"context 1011"});
    child<QComboBox>(d, QStringLiteral("cbbFrom"))->setEditText(QStringLiteral("Me"));
    child<QLineEdit>(d, QStringLiteral("edtAmmount"))->setText(QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(d, QStringLiteral("btn3")), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(TDialog::mrCancel));
    QCOMPARE(db.count(QStringLiteral("Transfer")), 0);
}

QTEST_MAIN(TestTransferDialog)
#include "tst_transferdialog.moc"
