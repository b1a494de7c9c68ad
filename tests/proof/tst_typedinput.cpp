#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "ImportBooks.h"
#include "ModalDriver.h"
#include "TestDb.h"

#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "data/TClock.h"
#include "data/TLedgerQuery.h"
#include "history/TFrmAccountHistory.h"
#include "holders/TFrmBankAccount.h"
#include "holders/TFrmWallet.h"
#include "import/TFrmImport.h"
#include "import/TImportProfiles.h"
#include "import/TImportStore.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TMessageService.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

#include <functional>

namespace {

// A dialog of the program with a text field and where its text is stored.
struct Field
{
    const char* dialog;   // "account", "wallet", "deposit", "debit", "transfer"
    const char* name;     // the control
    const char* column;   // where the text goes
    const char* required; // the message for an empty text; null when the field may stay empty
};

const Field Fields[] = {
    {"account", "edtName", "name", "Please enter an account name!"},
    {"account", "edtURL", "URL", nullptr},
    {"account", "Memo", "Memo", nullptr},
    {"wallet", "edtName", "name", "Please enter a wallet name!"},
    {"wallet", "edtURL", "URL", nullptr},
    {"wallet", "Memo", "Memo", nullptr},
    {"deposit", "cbbFrom", "From", "Please input inofrmation for \"From\""},
    {"deposit", "edtFor", "For", nullptr},
    {"deposit", "mmoMemo", "Memo", nullptr},
    {"debit", "cbbTo", "From", "Please input inofrmation for \"From\""},
    {"debit", "edtFor", "For", nullptr},
    {"debit", "mmoMemo", "Memo", nullptr},
    {"transfer", "cbbFrom", "From", "Please input inofrmation for \"From\""},
    {"transfer", "edtFor", "For", nullptr},
    {"transfer", "mmoMemo", "Memo", nullptr},
};

// What a user can put into a text field, typing or pasting.
QList<std::pair<const char*, QString>> texts()
{
    QString longText;
    for (int i = 0; longText.size() < 10000; ++i)
        longText += QStringLiteral("%1 Ünïcode 'text' ").arg(i);
    longText.truncate(10000);
    return {
        {"single quote", QStringLiteral("O'Brien's")},
        {"double quotes", QStringLiteral("\"quoted\" text")},
        {"percent and underscore", QStringLiteral("100% _sure_")},
        {"backslashes", QStringLiteral("C:\\path\\to\\file \\n \\' \\\\")},
        {"SQL of its own", QStringLiteral("x'); DROP TABLE Account; --")},
        {"NUL inside", QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
        {"control characters", QStringLiteral("bell\x07 esc\x1b[31m del\x7f \x01\x02")},
        {"right-to-left", QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627 \u200fmixed 123")},
        {"emoji", QStringLiteral("\U0001F4B6 Geld \U0001F44D\U0001F3FD \U0001F468\u200D\U0001F469\u200D\U0001F467")},
        {"combining marks", QStringLiteral("e\u0301te\u0301 \u1E9B\u0323")},
        {"10,000 characters", longText},
        {"blanks around", QStringLiteral("  inside  blanks \t")},
        {"empty", QString()},
        {"blanks only", QStringLiteral("   \t  ")},
    };
}

QWidget* field(QWidget* dialog, const char* name)
{
    QWidget* w = dialog->findChild<QWidget*>(QString::fromLatin1(name));
    if (w == nullptr)
        qFatal("no %s", name);
    return w;
}

void type(QWidget* dialog, const char* name, const QString& text)
{
    QWidget* w = field(dialog, name);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setEditText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else
        static_cast<QPlainTextEdit*>(w)->setPlainText(text);
}

QString shownText(QWidget* dialog, const char* name)
{
    QWidget* w = field(dialog, name);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    return static_cast<QPlainTextEdit*>(w)->toPlainText();
}

// The program's dialogs as a user fills them: every field valid, ready to save.
struct Entry
{
    TestDb db;
    qint32 a = 0;
    qint32 b = 0;
    std::unique_ptr<QDialog> dialog;
    const char* save = "btnOK";
    const char* table = "Account";

    explicit Entry(const QString& kind)
    {
        a = db.addHolder(QStringLiteral("Bank"), 0, {}, true);
        b = db.addHolder(QStringLiteral("Purse"), 2, {}, true);
        if (kind == QStringLiteral("account")) {
            dialog = std::make_unique<TFrmBankAccount>(nullptr);
            save = "btnSave";
        } else if (kind == QStringLiteral("wallet")) {
            dialog = std::make_unique<TFrmWallet>(nullptr);
        } else if (kind == QStringLiteral("transfer")) {
            auto* d = new TFrmTransfer(nullptr);
            d->PresetHolders(a, b);
            dialog.reset(d);
            save = "btnSave";
            table = "Transfer";
        } else {
            auto* d = kind == QStringLiteral("debit") ? static_cast<TFrmDetailBase*>(new TFrmDebit(nullptr))
                                                      : new TFrmDeposit(nullptr);
            d->PresetHolder(a);
            dialog.reset(d);
            table = "Detail";
        }
        dialog->show();
        if (QString::fromLatin1(table) == QStringLiteral("Account")) {
            type(dialog.get(), "edtName", QStringLiteral("Name"));
        } else {
            type(dialog.get(), kind == QStringLiteral("debit") ? "cbbTo" : "cbbFrom", QStringLiteral("Party"));
            type(dialog.get(), "edtAmmount", QStringLiteral("1"));
        }
    }

    void clickSave() { dialog->findChild<QPushButton*>(QString::fromLatin1(save))->click(); }
    bool saved() const { return !dialog->isVisible(); }

    // The new row's column as stored, read back through the statement layer.
    QString stored(const char* column)
    {
        QSqlQuery q = db.dm().select(QStringLiteral("select [%1] from %2 order by ID desc limit 1")
                                         .arg(QLatin1String(column), QLatin1String(table)));
        return q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
    }
};

QStringList errorTexts()
{
    QStringList out;
    for (const TMessageService::Shown& box : TMessageService::takeShown())
        out << box.text;
    return out;
}

} // namespace

class TestTypedInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyTextOfEveryField_data();
    void everyTextOfEveryField();
    void everyAmount_data();
    void everyAmount();
    void everySearchText_data();
    void everySearchText();
    void everyTextOfAStatement_data();
    void everyTextOfAStatement();
    void everyProfileName_data();
    void everyProfileName();
};

void TestTypedInput::init()
{
    pinLocale("en_US");
    TClock::setFixed(QDateTime(QDate(2026, 5, 20), QTime(10, 0)));
    TMessageService::setTestMode(true);
    TMessageService::takeShown();
}

void TestTypedInput::everyTextOfEveryField_data()
{
    QTest::addColumn<int>("fieldIndex");
    QTest::addColumn<QString>("text");
    int index = 0;
    for (const Field& f : Fields) {
        for (const auto& [name, text] : texts())
            QTest::addRow("%s %s: %s", f.dialog, f.name, name) << index << text;
        ++index;
    }
}

void TestTypedInput::everyTextOfEveryField()
{
    QFETCH(int, fieldIndex);
    QFETCH(QString, text);
    const Field& f = Fields[fieldIndex];
    Entry e(QString::fromLatin1(f.dialog));
    const QString before = snapshot(e.db);
    type(e.dialog.get(), f.name, text);
    // What the user sees is what was typed.
    QCOMPARE(shownText(e.dialog.get(), f.name), text);
    e.clickSave();
    const QStringList shown = errorTexts();

    // Blanks at both ends are not stored; nothing else changes.
    const QString expected = text.trimmed();
    if (expected.isEmpty() && f.required != nullptr) {
        QCOMPARE(shown, QStringList{QString::fromLatin1(f.required)});
        QVERIFY(!e.saved());
        QCOMPARE(snapshot(e.db), before);
        return;
    }
    QCOMPARE(shown, QStringList{});
    QVERIFY(e.saved());
    QCOMPARE(e.stored(f.column), expected);

    // Read back through the program's own reads: the holder record, and the booking list (which
    // reads through the engine's C interface).
    if (QLatin1String(e.table) == QLatin1String("Account")) {
        const TDataInfo holder = TDM::LoadHolder(3);
        const QString read = QLatin1String(f.column) == QLatin1String("name")  ? holder.Name
                             : QLatin1String(f.column) == QLatin1String("URL") ? holder.URL
                                                                               : holder.Memo;
        QCOMPARE(read, expected);
    } else {
        TLedgerQuery list;
        list.addHolder(e.a);
        const TRowSet rows = list.open();
        QCOMPARE(rows.rowCount(), 1);
        const int column = QLatin1String(f.column) == QLatin1String("From")  ? TLedgerQuery::From
                           : QLatin1String(f.column) == QLatin1String("For") ? TLedgerQuery::For
                                                                             : TLedgerQuery::Memo;
        QCOMPARE(rows.text(0, column), expected);
    }
}

void TestTypedInput::everyAmount_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("outcome"); // the amount stored (raw ten-thousandths), or which refusal
    const char* nan = "not a number";
    const char* notPositive = "not positive";
    const char* empty = "empty";
    const char* tooLarge = "out of range"; // a valid amount whose balance would leave the range
    const QList<std::tuple<const char*, const char*, const char*>> rows{
        {"en_US", "1", "10000"},
        {"en_US", "0.0001", "1"},
        {"en_US", "12.3456", "123456"},
        {"en_US", "12.34565", nan},
        {"en_US", "1.50000", "15000"},
        {"en_US", "0.00001", nan},
        {"en_US", "922337203685477.5807", "9223372036854775807"},
        {"en_US", "922337203685477.5808", nan},
        {"en_US", "-922337203685477.5808", notPositive},
        {"en_US", "-922337203685477.5809", nan},
        {"en_US", "0", notPositive},
        {"en_US", "-0", notPositive},
        {"en_US", "-5", notPositive},
        {"en_US", "+5", "50000"},
        {"en_US", "--5", nan},
        {"en_US", "+-5", nan},
        {"en_US", "1e3", "10000000"},
        {"en_US", "1E-4", "1"},
        {"en_US", "2.5e+2", "2500000"},
        {"en_US", "1e-5", nan},
        {"en_US", "1e14", "1000000000000000000"},
        {"en_US", "1e15", nan},
        {"en_US", "1e400", nan},
        {"en_US", "0e999999", notPositive},
        {"en_US", "1e", nan},
        {"en_US", "nan", nan},
        {"en_US", "NaN", nan},
        {"en_US", "inf", nan},
        {"en_US", "-inf", nan},
        {"en_US", "Infinity", nan},
        {"en_US", "1,000", "10000000"},
        {"en_US", "1,000.50", "10005000"},
        {"en_US", "922,337,203,685,477.5807", "9223372036854775807"},
        {"en_US", "1,000,5", nan},
        {"en_US", "1 000", nan},
        {"en_US", "1,5", nan},
        {"en_US", ".5", "5000"},
        {"en_US", "5.", "50000"},
        {"en_US", ".", nan},
        {"en_US", "0x10", nan},
        {"en_US", "$5", nan},
        {"en_US", "\uff15", nan},  // a full-width five
        {"en_US", "\u0665", nan},  // an Arabic-Indic five
        {"en_US", "\u22125", nan}, // the minus sign character
        {"en_US", " 7.25 ", "72500"},
        {"en_US", "", empty},
        {"en_US", "   ", empty},
        {"de_DE", "1,5", "15000"},
        {"de_DE", "1.5", nan},
        {"de_DE", "1.000,50", "10005000"},
        {"de_DE", "1.00,5", nan},
        {"de_DE", "1e3", "10000000"},
        {"de_DE", "-1,5", notPositive},
        {"de_DE", "922337203685477,5807", "9223372036854775807"},
    };
    for (const auto& [locale, text, outcome] : rows)
        QTest::addRow("%s \"%s\"", locale, text) << locale << QString::fromUtf8(text) << outcome;
    QTest::addRow("en_US largest amount onto a balance of 1") << "en_US+1"
                                                              << "922337203685477.5807" << tooLarge;
}

void TestTypedInput::everyAmount()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, outcome);
    const bool startAtOne = locale.endsWith(QStringLiteral("+1"));
    pinLocale(qPrintable(locale.section(u'+', 0, 0)));

    for (const char* kind : {"deposit", "debit", "transfer"}) {
        const bool transfer = QLatin1String(kind) == QLatin1String("transfer");
        const bool debit = QLatin1String(kind) == QLatin1String("debit");
        Entry e(QString::fromLatin1(kind));
        if (startAtOne)
            e.db.dm().execute(QStringLiteral("update Account set Balance = 10000"));
        const QString before = snapshot(e.db);
        type(e.dialog.get(), "edtAmmount", text);
        e.clickSave();
        const QStringList shown = errorTexts();

        QString refusal;
        if (outcome == QStringLiteral("empty"))
            refusal = QStringLiteral("Please input the AMOUNT for deposit");
        else if (outcome == QStringLiteral("not a number") || (transfer && outcome == QStringLiteral("not positive")))
            refusal = QStringLiteral("The AMOUNT for deposit is not a valid number.");
        else if (outcome == QStringLiteral("not positive"))
            refusal = QStringLiteral("The AMOUNT for deposit must be a positive number.");
        else if (outcome == QStringLiteral("out of range"))
            refusal = QStringLiteral("Error occured!");
        // A debit of the largest amount from a balance of 1 stays in range (a transfer's destination
        // does not).
        const bool fitsAnyway = startAtOne && debit;
        if (!refusal.isEmpty() && !fitsAnyway) {
            QCOMPARE(shown, QStringList{refusal});
            QVERIFY(!e.saved());
            QCOMPARE(snapshot(e.db), before);
            continue;
        }
        QCOMPARE(shown, QStringList{});
        QVERIFY(e.saved());
        const qint64 raw = fitsAnyway ? Currency::max().raw() : outcome.toLongLong();
        QCOMPARE(e.stored("Amount").toLongLong(), raw);
        QVERIFY2(drift(e.db).isEmpty() || startAtOne, kind);
        const qint64 opening = startAtOne ? 10000 : 0;
        QCOMPARE(e.db.balance(e.a).raw(), transfer || debit ? opening - raw : opening + raw);
    }
}

void TestTypedInput::everySearchText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    for (const QString& field :
         {QStringLiteral("edtSearch"), QStringLiteral("edtFrom"), QStringLiteral("edtTo"), QStringLiteral("edtMemo")}) {
        for (const auto& [name, text] : texts())
            QTest::newRow(qPrintable(field + QStringLiteral(": ") + QLatin1String(name))) << field << text;
    }
}

// The history window's search box and the query dialog's text fields: the booking that holds the
// text is found, one that does not is not (unless the text is blank or a LIKE wildcard), and
// nothing is reported.
void TestTypedInput::everySearchText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    TestDb db;
    const qint32 a = db.addHolder(QStringLiteral("Bank"), 0);
    const QDateTime when = TClock::now().addSecs(-3600);
    // The payee of a debit is its "from"; the simple search looks at from, for and memo.
    const bool inMemo = field == QStringLiteral("edtMemo") || field == QStringLiteral("edtSearch");
    db.addDetail(1, a, when, money("1"), inMemo ? QStringLiteral("payee") : text, QStringLiteral("for"),
                 inMemo ? text : QStringLiteral("memo"));
    db.addDetail(0, a, when, money("2"), QStringLiteral("other"), QStringLiteral("other"), QStringLiteral("other"));

    TFrmAccountHistory w;
    w.show();
    if (field == QStringLiteral("edtSearch")) {
        w.findChild<QLineEdit*>(field)->setText(text);
    } else {
        ModalDriver driver([&](QDialog* d) {
            d->findChild<QLineEdit*>(field)->setText(text);
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        w.btnQueryClick();
        QVERIFY(driver.dialogSeen());
        QVERIFY(!driver.leftOpen());
    }
    QVERIFY(waitForBookingList(&w));
    QCOMPARE(errorTexts(), QStringList{});
    const QStringList amounts = columnTexts(w.findChild<TDBGridView*>(QStringLiteral("dbgrdh1"))->model(), 5);
    QVERIFY2(amounts.contains(QStringLiteral("1")), qPrintable(amounts.join(u',')));
    const bool wildcard = text.contains(u'%') || text.contains(u'_');
    if (!text.trimmed().isEmpty() && !wildcard)
        QVERIFY2(!amounts.contains(QStringLiteral("2")), qPrintable(amounts.join(u',')));
}

namespace {

// One row for each text a user can put into a field.
void addTextRows()
{
    QTest::addColumn<QString>("text");
    for (const auto& [name, text] : texts())
        QTest::newRow(name) << text;
}

} // namespace

void TestTypedInput::everyTextOfAStatement_data()
{
    addTextRows();
}

// A bank's file (UTF-8, quoted as CSV quotes) with the text as payee and purpose: imported, the
// text is stored and listed as the file has it, runs of blanks made one.
void TestTypedInput::everyTextOfAStatement()
{
    QFETCH(QString, text);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0, {}, true);
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    const QString file =
        QStringLiteral("Date;Payee;Purpose;Amount\n\"15.01.2024\";\"%1\";\"%1\";\"-1,00\"\n").arg(quoted);
    TCsvSettings settings = bankCsvSettings();
    settings.encoding = TTextEncoding::Kind::Utf8;
    settings.skipTop = 1;
    settings.skipBottom = 0;
    settings.fromColumns = {1};
    settings.forColumns = {2};
    settings.amountColumn = 3;
    StatementDir files;
    const TStatementFile statement = statementFile(files.write(QStringLiteral("texts.csv"), file.toUtf8()));
    const TImportPreview preview = statement.preview(settings, {});
    QCOMPARE(problemsText(preview.statement()), QString());
    QVERIFY(TImportStore::book(preview, {bank, statement.fileName(), {}}).has_value());

    TLedgerQuery list;
    list.addHolder(bank);
    const TRowSet rows = list.open();
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rows.text(0, TLedgerQuery::From), text.simplified());
    QCOMPARE(rows.text(0, TLedgerQuery::For), text.simplified());
    QCOMPARE(drift(db), QStringList());
    // The same text again is the same row.
    QCOMPARE(statement.preview(settings, TImportStore::knownFingerprints(bank)).count(TImportPreview::Status::New), 0);
}

void TestTypedInput::everyProfileName_data()
{
    addTextRows();
}

// A profile's name as typed into the import dialog: saved without the blanks at both ends, and
// offered by that name; a blank name is refused.
void TestTypedInput::everyProfileName()
{
    QFETCH(QString, text);
    TestDb db;
    const qint32 bank = db.addHolder(QStringLiteral("Bank"), 0);
    StatementDir files;
    TFrmImport dialog(nullptr);
    dialog.PresetHolder(bank);
    dialog.show();
    dialog.openFile(
        files.write(QStringLiteral("s"), StatementKind::Csv, bankLedger(QDate(2024, 1, 13), QDate(2024, 1, 14))));
    QVERIFY(QTest::qWaitFor([&] { return !dialog.isBusy(); }));
    auto* profile = dialog.findChild<QComboBox*>(QStringLiteral("cbbProfile"));
    profile->setEditText(text);
    QCOMPARE(profile->currentText(), text);
    const QString before = snapshot(db);
    dialog.findChild<QPushButton*>(QStringLiteral("btnSaveProfile"))->click();
    const QString expected = text.trimmed();
    if (expected.isEmpty()) {
        QCOMPARE(errorTexts(),
                 QStringList{QStringLiteral("Type a name for the profile into the Profile box, such as your bank's.")});
        QCOMPARE(snapshot(db), before);
        return;
    }
    QCOMPARE(errorTexts(), QStringList());
    QCOMPARE(TImportProfiles::names(), QStringList{expected});
    QCOMPARE(TImportProfiles::lastFor(bank), expected);
    QVERIFY(TImportProfiles::load(expected).has_value());
    QCOMPARE(profile->currentText(), expected);
}

QTEST_MAIN(TestTypedInput)
#include "tst_typedinput.moc"
