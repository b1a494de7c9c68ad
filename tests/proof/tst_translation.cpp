#include "BookingListWait.h"
#include "BookingTestHelpers.h"
#include "FakeHelpEngine.h"
#include "HistoryBooks.h"

#include "app/TAboutBox.h"
#include "app/TFrmMain.h"
#include "app/TFrmRestoreBackup.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "help/TFrmHelp.h"
#include "history/TFrmAccountHistory.h"
#include "history/TFrmHistoryQuery.h"
#include "holders/TFrmBankAccount.h"
#include "holders/TFrmWallet.h"
#include "import/TFrmImport.h"
#include "import/TFrmUndoImport.h"
#include "orders/TFrmDueBookings.h"
#include "orders/TFrmStandingOrder.h"
#include "orders/TFrmStandingOrders.h"
#include "reports/TFrmReports.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TTranslations.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <QTreeView>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

namespace {

const QString Open = QStringLiteral("\u27e6");
const QString Close = QStringLiteral("\u27e7");

// A language in which every text reads as its English source between marks: "⟦Deposit⟧". Whatever
// reaches the screen unmarked did not go through translation. %1 and %n stay as they are.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (source == nullptr || *source == 0)
            return QString();
        return Open + QString::fromUtf8(source) + Close;
    }
    bool isEmpty() const override { return false; }
};

// The texts of the books of HistoryBooks and the program's names that no language changes: holder
// names, the bookings' texts, the encodings, the mail and web addresses, key names.
const QStringList DataTexts = {
    "Bank",         "Card",        "Cash",          "Purse", "Pocket",      "Employer", "Salary",       "March pay",
    "ATM",          "cash",        "Grocer",        "Food",  "weekly shop", "O'Brien",  "Gift",         "50% of it",
    "Shop",         "Late",        "Tavrin Budget", "UTF-8", "UTF-16LE",    "UTF-16BE", "Windows-1252", "Windows-1250",
    "Windows-1257", "ISO-8859-15", "ISO-8859-2",    "Ctrl",  "Shift",       "Enter",    "Esc",          "Del",
    "AM",           "PM"};

// What is left of `text` once its marked parts, addresses and data are taken out: empty when every
// word of it went through translation.
QString untranslated(QString text)
{
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    static const QRegularExpression address(QStringLiteral("<[^>]*>|\\S+@\\S+|https?://\\S+|[Mm]ailto:\\S*"));
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    // Marks nest where a translated text holds another one (a caption in a tip); inner ones first.
    while (text.contains(marked))
        text.remove(marked);
    text.remove(address);
    for (const QString& data : DataTexts)
        text.replace(
            QRegularExpression(QStringLiteral("(?<!\\p{L})%1(?!\\p{L})").arg(QRegularExpression::escape(data))),
            QStringLiteral(" "));
    return text.contains(word) ? text.simplified() : QString();
}

// Every text `root` and its children put before the user, each as "where: text".
QStringList visibleTexts(QWidget* root)
{
    QStringList out;
    auto add = [&out](const QObject* where, const QString& kind, const QString& text) {
        if (!text.isEmpty())
            out << QStringLiteral("%1 %2: %3").arg(where->objectName(), kind, text);
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->isWindow())
            add(w, QStringLiteral("title"), w->windowTitle());
        add(w, QStringLiteral("tip"), w->toolTip());
        add(w, QStringLiteral("name"), w->accessibleName());
        add(w, QStringLiteral("description"), w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, QStringLiteral("label"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, QStringLiteral("button"), button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            add(w, QStringLiteral("group"), box->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            add(w, QStringLiteral("placeholder"), edit->placeholderText());
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(w, QStringLiteral("tab"), tabs->tabText(i));
        }
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
            for (int i = 0; i < combo->count(); ++i)
                add(w, QStringLiteral("item"), combo->itemText(i));
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                add(w, QStringLiteral("column"), view->model()->headerData(c, Qt::Horizontal).toString());
        }
        if (auto* menu = qobject_cast<QMenu*>(w))
            add(w, QStringLiteral("menu"), menu->title());
    }
    for (const QAction* a : root->findChildren<QAction*>()) {
        if (a->isSeparator())
            continue;
        add(a, QStringLiteral("action"), a->text());
        add(a, QStringLiteral("action tip"), a->toolTip());
        add(a, QStringLiteral("status tip"), a->statusTip());
    }
    return out;
}

// The texts of `texts` that did not go through translation.
QStringList untranslatedTexts(const QStringList& texts)
{
    QStringList out;
    for (const QString& t : texts) {
        const QString text = t.section(u':', 1).trimmed();
        if (!untranslated(text).isEmpty())
            out << t;
    }
    return out;
}

// Every window of the program, made over the bookings of HistoryBooks, and shown.
std::unique_ptr<QWidget> makeWindow(const QString& name, const HistoryBooks& books)
{
    std::unique_ptr<QWidget> w;
    if (name == u"main") {
        w = std::make_unique<TFrmMain>();
    } else if (name == u"account") {
        w = std::make_unique<TFrmBankAccount>();
    } else if (name == u"wallet") {
        w = std::make_unique<TFrmWallet>();
    } else if (name == u"deposit") {
        auto d = std::make_unique<TFrmDeposit>();
        d->PresetHolder(books.bank);
        w = std::move(d);
    } else if (name == u"debit") {
        auto d = std::make_unique<TFrmDebit>();
        d->PresetHolder(books.bank);
        w = std::move(d);
    } else if (name == u"transfer") {
        auto d = std::make_unique<TFrmTransfer>();
        d->PresetHolders(books.bank, books.cash);
        w = std::move(d);
    } else if (name == u"history") {
        w = std::make_unique<TFrmAccountHistory>(); // every holder's bookings
    } else if (name == u"reports") {
        w = std::make_unique<TFrmReports>(); // every holder, this year
    } else if (name == u"standing orders") {
        w = std::make_unique<TFrmStandingOrders>();
    } else if (name == u"standing order") {
        w = std::make_unique<TFrmStandingOrder>();
    } else if (name == u"due bookings") {
        w = std::make_unique<TFrmDueBookings>();
    } else if (name == u"main, bank chosen") {
        w = std::make_unique<TFrmMain>();
    } else if (name == u"query") {
        w = std::make_unique<TFrmHistoryQuery>();
    } else if (name == u"import") {
        w = std::make_unique<TFrmImport>(nullptr);
    } else if (name == u"undo import") {
        w = std::make_unique<TFrmUndoImport>(nullptr);
    } else if (name == u"restore backup") {
        w = std::make_unique<TFrmRestoreBackup>(DM->databasePath(), nullptr);
    } else if (name == u"about") {
        w = std::make_unique<TAboutBox>();
    } else {
        w = std::make_unique<TFrmHelp>();
    }
    w->show();
    if (name == u"main, bank chosen") {
        auto* tile = w->findChild<QWidget*>(QStringLiteral("tile%1").arg(books.bank));
        if (tile == nullptr)
            qFatal("no tile of the bank");
        QTest::mouseClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
    return w;
}

} // namespace

// The program in a made-up language that marks every translated text: each window, its lists and
// its message boxes show no text that bypassed translation. Under English the texts stay the
// source texts, and the program's translations are found for the user's language.
class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyTextOfEveryWindowIsTranslated_data();
    void everyTextOfEveryWindowIsTranslated();
    void kindNamesAreTranslated_data();
    void kindNamesAreTranslated();
    void messageBoxesAreTranslated_data();
    void messageBoxesAreTranslated();
    void untranslatedTextsAreFound_data();
    void untranslatedTextsAreFound();
    void languageOfTheUserIsLoaded_data();
    void languageOfTheUserIsLoaded();
    void translationsKeepWhatTheProgramFillsIn_data();
    void translationsKeepWhatTheProgramFillsIn();

private:
    std::unique_ptr<MarkingTranslator> m_marking;
};

void TestTranslation::init()
{
    startWindowTest(HistoryBooks::now());
    FakeHelpEngine::install();
    m_marking = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(m_marking.get());
}

void TestTranslation::cleanup()
{
    QCoreApplication::removeTranslator(m_marking.get());
    m_marking.reset();
    TTranslations::remove();
    FakeHelpEngine::uninstall();
}

void TestTranslation::everyTextOfEveryWindowIsTranslated_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("mustShow"); // a text the walk must meet, so that it walks the right things
    QTest::newRow("main") << "main"
                          << "Welcome to use Tavrin Bugget V1.1";
    QTest::newRow("main, a holder chosen") << "main, bank chosen"
                                           << "Deposit";
    QTest::newRow("account") << "account"
                             << "Bank Account Name:";
    QTest::newRow("wallet") << "wallet"
                            << "Wallet Name:";
    QTest::newRow("deposit") << "deposit"
                             << "Receive info";
    QTest::newRow("debit") << "debit"
                           << "Debit info";
    QTest::newRow("transfer") << "transfer"
                              << "---Wallet---";
    QTest::newRow("history") << "history"
                             << "SUM";
    QTest::newRow("reports") << "reports"
                             << "Income and Spending";
    QTest::newRow("standing orders") << "standing orders"
                                     << "Book Now";
    QTest::newRow("standing order") << "standing order"
                                    << "Book by itself without &asking";
    QTest::newRow("due bookings") << "due bookings"
                                  << "&Later";
    QTest::newRow("query") << "query"
                           << "Match info";
    QTest::newRow("import") << "import"
                            << "Money paid out has &no minus sign";
    QTest::newRow("undo import") << "undo import"
                                 << "&Imports, the newest first:";
    QTest::newRow("restore backup") << "restore backup"
                                    << "&Backups, the newest first:";
    QTest::newRow("about") << "about"
                           << "A budget keeper for accounts and wallets.";
    QTest::newRow("help") << "help"
                          << "Type to find a keyword";
}

void TestTranslation::everyTextOfEveryWindowIsTranslated()
{
    QFETCH(QString, window);
    QFETCH(QString, mustShow);
    HistoryBooks books;
    std::unique_ptr<QWidget> w = makeWindow(window, books);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    if (window.startsWith(u"main") || window == u"history")
        QVERIFY(waitForBookingList(w.get()));
    const QStringList texts = visibleTexts(w.get());
    QVERIFY2(texts.join(u'\n').contains(Open + mustShow + Close), qPrintable(texts.join(u'\n')));
    const QStringList missed = untranslatedTexts(texts);
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(u'\n')));
}

void TestTranslation::kindNamesAreTranslated_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("kinds"); // the kinds the list shows
    QTest::newRow("main window's list of the bank")
        << "main, bank chosen" << QStringList{"Debit", "Deposit", "Trans Out"};
    QTest::newRow("history of this month") << "history" << QStringList{"Debit", "Deposit", "Trans In", "Trans Out"};
}

void TestTranslation::kindNamesAreTranslated()
{
    QFETCH(QString, window);
    QFETCH(QStringList, kinds);
    HistoryBooks books;
    std::unique_ptr<QWidget> w = makeWindow(window, books);
    QVERIFY(waitForBookingList(w.get()));
    auto* view = child<QTableView>(w.get(), QStringLiteral("dbgrdh1"));
    int kindColumn = -1;
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        const QString title = view->model()->headerData(c, Qt::Horizontal).toString();
        if (title == Open + "TypeName" + Close || title == Open + "Type" + Close)
            kindColumn = c;
    }
    QVERIFY(kindColumn >= 0);
    QStringList shown = columnTexts(view->model(), kindColumn);
    shown.sort();
    shown.removeDuplicates();
    QStringList expected;
    for (const QString& kind : kinds)
        expected << Open + kind + Close;
    QCOMPARE(shown, expected);
}

void TestTranslation::messageBoxesAreTranslated_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("command");
    QTest::newRow("main: exit") << "main"
                                << "ExitX1";
    QTest::newRow("main: delete an account in use") << "main, bank chosen"
                                                    << "mniMenu_DeleteAccount";
    QTest::newRow("deposit: nothing filled in") << "deposit"
                                                << "btnOK";
    QTest::newRow("transfer: nothing filled in") << "transfer"
                                                 << "btnSave";
    QTest::newRow("history: delete without a row") << "history"
                                                   << "btnDelete";
}

void TestTranslation::messageBoxesAreTranslated()
{
    QFETCH(QString, window);
    QFETCH(QString, command);
    HistoryBooks books;
    std::unique_ptr<QWidget> w = makeWindow(window, books);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    if (window == u"history") {
        QVERIFY(waitForBookingList(w.get()));
        child<QTableView>(w.get(), QStringLiteral("dbgrdh1"))->clearSelection();
        child<QTableView>(w.get(), QStringLiteral("dbgrdh1"))->setCurrentIndex(QModelIndex());
    }
    if (window == u"transfer")
        child<QComboBox>(w.get(), QStringLiteral("cbbInf1"))->setCurrentIndex(0);
    TMessageService::setNextAnswer(QMessageBox::No);
    if (auto* button = w->findChild<QPushButton*>(command))
        button->click();
    else
        child<QAction>(w.get(), command)->trigger();
    const QList<TMessageService::Shown> shown = TMessageService::takeShown();
    QVERIFY(!shown.isEmpty());
    for (const TMessageService::Shown& box : shown) {
        QVERIFY2(untranslated(box.title).isEmpty(), qPrintable(box.title));
        QVERIFY2(untranslated(box.text).isEmpty() && box.text.contains(Open), qPrintable(box.text));
    }
}

void TestTranslation::untranslatedTextsAreFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translated");
    QTest::newRow("marked") << Open + "Deposit" + Close << true;
    QTest::newRow("marked, with data") << Open + "Balance of Bank: 3.00 now" + Close << true;
    QTest::newRow("nested marks") << Open + Open + "Query" + Close + " (Ctrl+F)" + Close << true;
    QTest::newRow("marked with a key") << Open + "Delete" + Close + " (Del)" << true;
    QTest::newRow("data alone") << "O'Brien" << true;
    QTest::newRow("amount and date") << "1,234.50 3/15/26 2:30 PM" << true;
    QTest::newRow("address") << "<a href=\"mailto:support@example.org\">support@example.org</a>" << true;
    QTest::newRow("plain word") << "Deposit" << false;
    QTest::newRow("word beside a mark") << Open + "Total" + Close + " Account" << false;
    QTest::newRow("word inside a data word") << "Banking" << false;
    QTest::newRow("pieced sentence") << Open + "it is" + Close + " marked in red" << false;
}

void TestTranslation::untranslatedTextsAreFound()
{
    QFETCH(QString, text);
    QFETCH(bool, translated);
    QCOMPARE(untranslated(text).isEmpty(), translated);
}

void TestTranslation::languageOfTheUserIsLoaded_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de";
    QTest::newRow("English") << "en_US"
                             << "";
    QTest::newRow("British English") << "en_GB"
                                     << "";
    QTest::newRow("C") << "C"
                       << "";
    QTest::newRow("a language the program does not have") << "fi_FI"
                                                          << "";
}

void TestTranslation::languageOfTheUserIsLoaded()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCoreApplication::removeTranslator(m_marking.get());
    QCOMPARE(TTranslations::install(QLocale(locale)), language);
    // Qt's own buttons come with the program's language, and only with it.
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCOMPARE(cancel != u"Cancel", !language.isEmpty());
    // The keys in the history window's tips are named as the desktop names them in that language.
    {
        HistoryBooks books;
        TFrmAccountHistory history;
        const QString tip = child<QAction>(history, QStringLiteral("btnDelete"))->toolTip();
        QVERIFY2(tip.endsWith(language.isEmpty() ? QStringLiteral("(Del)") : QStringLiteral("(Entf)")),
                 qPrintable(tip));
    }
    TTranslations::remove();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

// Every entry of each translation file is finished, and keeps what the program fills in or reads:
// the same %1, %2, %n, an accelerator where the English has one, and the same HTML tags.
void TestTranslation::translationsKeepWhatTheProgramFillsIn_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("German") << QStringLiteral(TRANSLATIONS_DIR "/budget_de.ts");
}

void TestTranslation::translationsKeepWhatTheProgramFillsIn()
{
    QFETCH(QString, file);
    QFile ts(file);
    QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(file));
    static const QRegularExpression marks(QStringLiteral(R"(%L?(\d|n)|<[a-z/][^>]*>)"));
    auto filled = [](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& m : marks.globalMatch(text))
            found << m.captured().remove(u'L');
        found.sort();
        found.removeDuplicates();
        return found;
    };
    auto accelerated = [](QString text) {
        return text.remove(QStringLiteral("&&")).contains(u'&');
    };
    QXmlStreamReader xml(&ts);
    QString context, source;
    QStringList faults;
    int entries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation" || xml.name() == u"numerusform") {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (text.isEmpty() && xml.name() == u"translation")
                continue; // a plural's forms follow
            ++entries;
            const QString where = context + QStringLiteral(": ") + source + QStringLiteral(" -> ") + text;
            if (unfinished || text.isEmpty())
                faults << QStringLiteral("unfinished: ") + where;
            else if (filled(source) != filled(text) && !(source.contains(u"%n") && !text.contains(u"%n")))
                faults << QStringLiteral("fills in differently: ") + where;
            else if (accelerated(source) != accelerated(text))
                faults << QStringLiteral("accelerator: ") + where;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(entries > 500);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
