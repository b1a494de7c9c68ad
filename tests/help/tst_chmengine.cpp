#include "BookingTestHelpers.h"
#include "DataRow.h"

#include "app/TFrmRestoreBackup.h"
#include "data/TPaths.h"
#include "help/TChmFile.h"
#include "help/TChmHelpEngine.h"
#include "help/TChmSitemap.h"
#include "help/TFrmHelp.h"
#include "orders/TFrmDueBookings.h"
#include "orders/TFrmStandingOrders.h"
#include "reports/TFrmReports.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>

// The help engine on the help file the build compiled from res/help.
class TestChmEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contextOpensItsPage_data();
    void contextOpensItsPage();
    void unmappedContextShowsNothing();
    void contentsListsEveryPage();
    void everyListedPageAndPictureIsInTheFile_data();
    void everyListedPageAndPictureIsInTheFile();
    void taskPagesTeachStepByStep_data();
    void taskPagesTeachStepByStep();
    void indexKeywordFindsItsPage_data();
    void indexKeywordFindsItsPage();
    void indexFilterNarrowsTheList();
    void topicByAddress_data();
    void topicByAddress();
    void linksPicturesAndHistory();
    void closeAllClosesTheWindow();
    void unreadableFileShowsNothing_data();
    void unreadableFileShowsNothing();
    void openedOnlyAfterItsCheck_data();
    void openedOnlyAfterItsCheck();
    void sitemapParsing_data();
    void sitemapParsing();
    void keyboardAndScreenReaderNames();
    void helpOverAModalWindowOutlivesIt();
};

namespace {

QString helpFile()
{
    return TPaths::helpFile();
}

TFrmHelp* shownHelp()
{
    return static_cast<TFrmHelp*>(shownHelpWindow());
}

QString shownTitle()
{
    TFrmHelp* help = shownHelp();
    return help ? child<QTextBrowser>(help, "brwTopic")->documentTitle() : QString();
}

// The path part of a topic, "/wallet.htm" for "wallet.htm#messages".
QString pagePath(const QString& topic)
{
    return TChmFile::normalized(topic.section(u'#', 0, 0)).toLower();
}

QByteArray builtFile()
{
    QFile f(helpFile());
    if (!f.open(QIODevice::ReadOnly))
        qFatal("budget.chm is missing beside the test");
    return f.readAll();
}

// The built file with another compression window size (in units of 32 KiB).
QByteArray withWindowSize(char size)
{
    QByteArray data = builtFile();
    const qsizetype at = data.indexOf("LZXC");
    if (at < 0)
        qFatal("budget.chm has no compression data");
    data[at + 12] = size;
    data[at + 13] = 0;
    return data;
}

} // namespace

void TestChmEngine::initTestCase()
{
    TChmFile::setCheckProgram(TPaths::helpCheckProgram());
}

void TestChmEngine::contextOpensItsPage_data()
{
    // Each help file maps the windows' contexts to the same pages, in its own language.
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("title");
    const QString english = QStringLiteral("budget.chm");
    const QString german = QStringLiteral("budget_de.chm");
    const struct
    {
        const char* row;
        int context;
        const char* english;
        const char* german;
    } pages[] = {
        {"main window", 1000, "The main window", "Das Hauptfenster"},
        {"account dialog", 1007, "The account dialog", "Der Dialog Konto"},
        {"wallet dialog", 1008, "The wallet dialog", "Der Dialog Geldbörse"},
        {"deposit dialog", 1009, "The deposit dialog", "Der Dialog Einzahlung"},
        {"debit dialog", 1010, "The debit dialog", "Der Dialog Abbuchung"},
        {"transfer dialog", 1011, "The transfer dialog", "Der Dialog Umbuchung"},
        {"history window", 1012, "The history window", "Das Fenster Verlauf"},
        {"import dialog", 1013, "Importing a bank statement", "Einen Kontoauszug importieren"},
        {"reports window", TFrmReports::HelpContext, "The Reports window", "Das Fenster Berichte"},
        {"restore dialog", TFrmRestoreBackup::HelpContext, "Backing up and restoring", "Sichern und zurückholen"},
        {"orders window", TFrmStandingOrders::HelpContext, "Standing orders", "Daueraufträge"},
        {"due bookings dialog", TFrmDueBookings::HelpContext, "Due bookings", "Fällige Buchungen"},
    };
    for (const auto& page : pages) {
        QTest::addRow("%s", page.row) << english << page.context << QString::fromUtf8(page.english);
        QTest::addRow("%s, German", page.row) << german << page.context << QString::fromUtf8(page.german);
    }
}

void TestChmEngine::contextOpensItsPage()
{
    QFETCH(QString, file);
    QFETCH(int, context);
    QFETCH(QString, title);
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, QFileInfo(helpFile()).dir().filePath(file), THelpEngine::HelpContext, context);
    QCOMPARE(shownTitle(), title);
    QVERIFY(shownHelp()->windowTitle().startsWith(title));
}

void TestChmEngine::unmappedContextShowsNothing()
{
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::HelpContext, 4242);
    QCOMPARE(shownHelp(), nullptr);
}

void TestChmEngine::contentsListsEveryPage()
{
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::DisplayContents, 0);
    TFrmHelp* help = shownHelp();
    QVERIFY(help);
    QCOMPARE(child<QTabWidget>(help, "tabPanes")->currentIndex(), 0);
    QCOMPARE(help->currentTopic(), QStringLiteral("/overview.htm"));

    const auto file = TChmFile::open(helpFile());
    QSet<QString> listed;
    for (QTreeWidgetItemIterator it(child<QTreeWidget>(help, "tvContents")); *it; ++it) {
        const QString topic = (*it)->data(0, Qt::UserRole).toString();
        if (topic.isEmpty())
            continue;
        QVERIFY2(file->contains(pagePath(topic)), qPrintable(topic));
        listed.insert(pagePath(topic));
    }
    QSet<QString> pages;
    for (const QString& page : QDir(QStringLiteral(HELP_SOURCE_DIR)).entryList({QStringLiteral("*.htm")}))
        pages.insert(u'/' + page.toLower());
    QCOMPARE(listed, pages);
}

void TestChmEngine::everyListedPageAndPictureIsInTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("index"); // else the contents
    for (const char* name : {"budget.chm", "budget_de.chm"}) {
        QTest::addRow("%s contents", name) << QString::fromLatin1(name) << false;
        QTest::addRow("%s index", name) << QString::fromLatin1(name) << true;
    }
}

// The built file holds every page its contents or index lists, with the anchor the entry names, and
// every picture those pages show; every entry of the contents leads to a page.
void TestChmEngine::everyListedPageAndPictureIsInTheFile()
{
    QFETCH(QString, name);
    QFETCH(bool, index);
    const auto file = TChmFile::open(QFileInfo(helpFile()).dir().filePath(name));
    QVERIFY(file);
    const auto entries = TChmSitemap::parse(file->read(index ? file->indexFile() : file->contentsFile()));
    QVERIFY(entries.size() > 10);
    static const QRegularExpression picture(QStringLiteral(R"re(<img\s[^>]*src="([^"]+)"[^>]*>)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression alt(QStringLiteral(R"(\salt="[^"]{12,}")"));
    int pictures = 0;
    for (const TChmSitemap::Entry& e : entries) {
        QVERIFY2(!e.locals.isEmpty(), qPrintable(e.name));
        const QString topic = e.locals.first();
        QVERIFY2(file->contains(pagePath(topic)), qPrintable(e.name + u' ' + topic));
        const QString html = QString::fromUtf8(file->read(pagePath(topic)));
        if (topic.contains(u'#'))
            QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(topic.section(u'#', 1))), qPrintable(topic));
        for (auto it = picture.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QImage image = QImage::fromData(file->read(m.captured(1)));
            QVERIFY2(!image.isNull(), qPrintable(topic + u' ' + m.captured(1)));
            QVERIFY2(m.captured(0).contains(alt), qPrintable(m.captured(0)));
            // A window's picture is a window, not an empty grab.
            if (m.captured(1).endsWith(QLatin1String(".png"))) {
                QVERIFY(image.width() > 300 && image.height() > 200);
                QSet<QRgb> colours;
                for (int y = 0; y < image.height(); y += 7)
                    for (int x = 0; x < image.width(); x += 7)
                        colours.insert(image.pixel(x, y));
                QVERIFY2(colours.size() > 20, qPrintable(m.captured(1)));
            }
            ++pictures;
        }
    }
    QVERIFY(pictures > 0);
}

void TestChmEngine::taskPagesTeachStepByStep_data()
{
    QTest::addColumn<QString>("task");
    dataRow("opening balance", "Starting: the money you already have");
    dataRow("credit card", "Paying by credit card and paying the card");
    dataRow("cash", "Taking cash from the bank");
    dataRow("correcting", "Correcting or deleting a booking");
    dataRow("finding", "Finding a booking");
    dataRow("importing", "Importing your bank's statement");
    dataRow("backups", "Backing up and restoring");
}

// Each task stands under "How do I..." in the contents, is found in the index, and shows numbered
// steps with the picture of a window.
void TestChmEngine::taskPagesTeachStepByStep()
{
    QFETCH(QString, task);
    const auto file = TChmFile::open(helpFile());
    const auto contents = TChmSitemap::parse(file->read(file->contentsFile()));
    QString topic;
    int underHowDoI = -1;
    for (const TChmSitemap::Entry& e : contents) {
        if (e.depth == 0)
            underHowDoI = e.name == QLatin1String("How do I...") ? 1 : -1;
        else if (e.depth == underHowDoI && e.name == task)
            topic = e.locals.value(0);
    }
    QVERIFY2(!topic.isEmpty(), "not under How do I...");
    bool indexed = false;
    for (const TChmSitemap::Entry& e : TChmSitemap::parse(file->read(file->indexFile())))
        indexed = indexed || pagePath(e.locals.value(0)) == pagePath(topic);
    QVERIFY(indexed);

    const QString html = QString::fromUtf8(file->read(pagePath(topic)));
    QVERIFY(html.contains(QStringLiteral("<title>%1</title>").arg(task)));
    static const QRegularExpression steps(QStringLiteral("<ol>(.*?)</ol>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    int longest = 0;
    for (auto it = steps.globalMatch(html); it.hasNext();)
        longest = std::max<int>(longest, int(it.next().captured(1).count(QLatin1String("<li>"))));
    QVERIFY2(longest >= 2, qPrintable(topic));
    QVERIFY(html.contains(QRegularExpression(QStringLiteral(R"re(<img src="[a-z-]+\.png")re"))));
}

void TestChmEngine::indexKeywordFindsItsPage_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("topic");
    dataRow("backup", "backup", "/datafile.htm");
    dataRow("upper case", "TRANSFER", "/transfer.htm");
    dataRow("two words", "negative balance", "/debit.htm");
    dataRow("first letters", "Data.m", "/datafile.htm");
    // The words a user looks for in the first month.
    dataRow("opening balance", "opening balance", "/task-start.htm");
    dataRow("credit card", "credit card", "/task-card.htm");
    dataRow("overdraft", "overdraft", "/accounts.htm");
    dataRow("cash withdrawal", "cash withdrawal", "/task-cash.htm");
    dataRow("ATM", "ATM", "/task-cash.htm");
    dataRow("correct", "correct", "/task-correct.htm");
    dataRow("undo", "undo", "/task-correct.htm");
    dataRow("duplicate", "duplicate", "/task-correct.htm");
    dataRow("total", "total", "/task-find.htm");
    dataRow("print", "print", "/history.htm");
    dataRow("shortcut", "shortcut", "/history.htm");
    dataRow("drag", "drag", "/task-cash.htm");
    dataRow("right-click", "right-click", "/main.htm");
    dataRow("second copy", "second copy", "/overview.htm");
}

void TestChmEngine::indexKeywordFindsItsPage()
{
    QFETCH(QString, keyword);
    QFETCH(QString, topic);
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::DisplayIndex, keyword);
    TFrmHelp* help = shownHelp();
    QVERIFY(help);
    QCOMPARE(child<QTabWidget>(help, "tabPanes")->currentIndex(), 1);
    QCOMPARE(child<QLineEdit>(help, "edtKeyword")->text(), keyword);
    QVERIFY(child<QListWidget>(help, "lstIndex")->currentItem()->text().startsWith(keyword, Qt::CaseInsensitive));
    QCOMPARE(help->currentTopic(), topic);
}

void TestChmEngine::indexFilterNarrowsTheList()
{
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::DisplayIndex, QString());
    TFrmHelp* help = shownHelp();
    auto* list = child<QListWidget>(help, "lstIndex");
    const int all = list->count();
    QVERIFY(all > 20);
    auto* box = child<QLineEdit>(help, "edtKeyword");
    box->clear();
    QTest::keyClicks(box, QStringLiteral("wal"));
    int shown = 0;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isHidden())
            continue;
        ++shown;
        QVERIFY2(list->item(i)->text().contains(QLatin1String("wal"), Qt::CaseInsensitive),
                 qPrintable(list->item(i)->text()));
    }
    QVERIFY(shown > 0 && shown < all);
    // Down goes on into the list, Enter opens the chosen keyword.
    QVERIFY(QTest::qWaitForWindowActive(help));
    box->setFocus();
    const QListWidgetItem* before = list->currentItem();
    QTest::keyClick(box, Qt::Key_Down);
    QVERIFY(list->hasFocus());
    QVERIFY(list->currentItem() != before);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(help->currentTopic(), pagePath(list->currentItem()->data(Qt::UserRole).toString()));
    box->clear();
    for (int i = 0; i < list->count(); ++i)
        QVERIFY(!list->item(i)->isHidden());
}

void TestChmEngine::topicByAddress_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("title"); // empty: nothing is shown
    dataRow("page", "/wallet.htm", "The wallet dialog");
    dataRow("page and anchor", "/debit.htm#negative", "The debit dialog");
    dataRow("case of the name", "/HISTORY.HTM", "The history window");
    dataRow("whole file: default topic", "", "Welcome to Tavrin Budget");
    dataRow("missing page", "/missing.htm", "");
}

void TestChmEngine::topicByAddress()
{
    QFETCH(QString, topic);
    QFETCH(QString, title);
    TChmHelpEngine engine;
    const QString address = topic.isEmpty() ? helpFile() : helpFile() + QStringLiteral("::") + topic;
    engine.HtmlHelp(nullptr, address, THelpEngine::DisplayTopic, 0);
    QCOMPARE(shownTitle(), title);
}

void TestChmEngine::linksPicturesAndHistory()
{
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, helpFile() + QStringLiteral("::/overview.htm"), THelpEngine::DisplayTopic, 0);
    TFrmHelp* help = shownHelp();
    auto* browser = child<QTextBrowser>(help, "brwTopic");
    auto* back = child<QToolButton>(help, "btnBack");
    auto* forward = child<QToolButton>(help, "btnForward");
    QVERIFY(!back->isEnabled());

    // A relative link of the page stays in the file.
    emit browser->anchorClicked(QUrl(QStringLiteral("wallet.htm")));
    QCOMPARE(browser->documentTitle(), QStringLiteral("The wallet dialog"));
    QCOMPARE(child<QTreeWidget>(help, "tvContents")->currentItem()->text(0), QStringLiteral("The wallet dialog"));
    // A link to a page the file lacks goes nowhere.
    emit browser->anchorClicked(QUrl(QStringLiteral("nowhere.htm")));
    QCOMPARE(browser->documentTitle(), QStringLiteral("The wallet dialog"));

    // The tile pictures are in the file and shown on the pages.
    const QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("wallet.bmp")));
    QVERIFY(!QImage::fromData(picture.toByteArray()).isNull());

    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(browser->documentTitle(), QStringLiteral("Welcome to Tavrin Budget"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(browser->documentTitle(), QStringLiteral("The wallet dialog"));
    child<QToolButton>(help, "btnHome")->click();
    QCOMPARE(help->currentTopic(), QStringLiteral("/overview.htm"));

    // Choosing an entry of the contents shows its page.
    auto* contents = child<QTreeWidget>(help, "tvContents");
    const auto found = contents->findItems(QStringLiteral("The transfer dialog"), Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    contents->setCurrentItem(found.first());
    QCOMPARE(browser->documentTitle(), QStringLiteral("The transfer dialog"));
}

void TestChmEngine::closeAllClosesTheWindow()
{
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::HelpContext, 1009);
    QVERIFY(shownHelp());
    engine.HtmlHelp(nullptr, QString(), THelpEngine::CloseAllWindows, 0);
    QCOMPARE(shownHelp(), nullptr);
    QCOMPARE(engine.window(), nullptr);
    // The next request opens it again.
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::HelpContext, 1009);
    QCOMPARE(shownTitle(), QStringLiteral("The deposit dialog"));
}

void TestChmEngine::unreadableFileShowsNothing_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    const QByteArray built = builtFile();
    dataRow("missing", false, QByteArray());
    dataRow("empty", true, QByteArray());
    dataRow("text", true, QByteArray("This is not a help file.\n"));
    dataRow("zeros", true, QByteArray(built.size(), '\0'));
    dataRow("header only", true, built.left(120));
    dataRow("cut in half", true, built.left(built.size() / 2));
    dataRow("last byte missing", true, built.left(built.size() - 1));
    dataRow("impossible compression window", true, withWindowSize(3));
    // chmlib itself divides by this one while opening the file.
    dataRow("compression window of 0", true, withWindowSize(0));
}

void TestChmEngine::unreadableFileShowsNothing()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("budget.chm"));
    if (exists) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    TChmHelpEngine engine;
    for (int context : {1000, 1007, 1008, 1012})
        engine.HtmlHelp(nullptr, path, THelpEngine::HelpContext, context);
    engine.HtmlHelp(nullptr, path, THelpEngine::DisplayContents, 0);
    engine.HtmlHelp(nullptr, path, THelpEngine::DisplayIndex, QStringLiteral("wallet"));
    engine.HtmlHelp(nullptr, path + QStringLiteral("::/wallet.htm"), THelpEngine::DisplayTopic, 0);
    engine.HtmlHelp(nullptr, QString(), THelpEngine::CloseAllWindows, 0);
    QCOMPARE(shownHelp(), nullptr);
    // The engine is not spoilt: the good file still opens.
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::HelpContext, 1008);
    QCOMPARE(shownTitle(), QStringLiteral("The wallet dialog"));
}

void TestChmEngine::openedOnlyAfterItsCheck_data()
{
    QTest::addColumn<QString>("checkProgram");
    QTest::addColumn<bool>("opened");
    dataRow("the program's check", TPaths::helpCheckProgram(), true);
    dataRow("a check that passes", "/bin/true", true);
    dataRow("a check that fails", "/bin/false", false);
    dataRow("a check that is not there", TPaths::helpCheckProgram() + QStringLiteral("-gone"), false);
    dataRow("no check program", "", false);
}

void TestChmEngine::openedOnlyAfterItsCheck()
{
    QFETCH(QString, checkProgram);
    QFETCH(bool, opened);
    TChmFile::setCheckProgram(checkProgram);
    const bool open = TChmFile::open(helpFile()) != nullptr;
    TChmFile::setCheckProgram(TPaths::helpCheckProgram());
    QCOMPARE(open, opened);
}

void TestChmEngine::sitemapParsing_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("locals");
    QTest::addColumn<QList<int>>("depths");
    dataRow("nested lists",
            QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A\"><param name=\"Local\" "
                       "value=\"a.htm\"></OBJECT><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
                       "value=\"B\"><param name=\"Local\" value=\"b.htm#x\"></OBJECT></UL><LI><OBJECT "
                       "type=\"text/sitemap\"><param name=\"Name\" value=\"C\"></OBJECT></UL>"),
            QStringList{"A", "B", "C"}, QStringList{"a.htm", "b.htm#x", ""}, QList<int>{0, 1, 0});
    dataRow("lower case, single quotes, entities",
            QByteArray("<ul><li><object type='text/sitemap'><param value='Q &amp; A &#233;' name='name'>"
                       "<param name=local value=qa.htm></object></ul>"),
            QStringList{QStringLiteral("Q & A \u00e9")}, QStringList{"qa.htm"}, QList<int>{0});
    dataRow("other objects and nameless entries are skipped",
            QByteArray("<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"props\"></OBJECT>"
                       "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"x.htm\"></OBJECT></UL>"),
            QStringList{}, QStringList{}, QList<int>{});
}

void TestChmEngine::sitemapParsing()
{
    QFETCH(QByteArray, html);
    QFETCH(QStringList, names);
    QFETCH(QStringList, locals);
    QFETCH(QList<int>, depths);
    const auto entries = TChmSitemap::parse(html);
    QCOMPARE(entries.size(), names.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].name, names[i]);
        QCOMPARE(entries[i].locals.value(0), locals[i]);
        QCOMPARE(entries[i].depth, depths[i]);
    }
}

void TestChmEngine::keyboardAndScreenReaderNames()
{
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, helpFile(), THelpEngine::DisplayContents, 0);
    TFrmHelp* help = shownHelp();
    int focusable = 0;
    for (QWidget* w : help->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(help) || w->objectName().isEmpty())
            continue;
        ++focusable;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
    }
    QVERIFY(focusable >= 5);

    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(child<QTabWidget>(help, "tabPanes")->currentIndex(), 1);
    QVERIFY(child<QLineEdit>(help, "edtKeyword")->hasFocus());
    QTest::keyClick(help, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(child<QTabWidget>(help, "tabPanes")->currentIndex(), 0);
    QVERIFY(child<QTreeWidget>(help, "tvContents")->hasFocus());
    QTest::keyClick(child<QTreeWidget>(help, "tvContents"), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void TestChmEngine::helpOverAModalWindowOutlivesIt()
{
    TChmHelpEngine engine;
    auto owner = std::make_unique<QDialog>();
    owner->setWindowModality(Qt::ApplicationModal);
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner.get()));
    engine.HtmlHelp(owner->windowHandle(), helpFile(), THelpEngine::HelpContext, 1008);
    TFrmHelp* help = engine.window();
    QVERIFY(help && help->isVisible());
    // It belongs to the modal window, which therefore does not block it.
    QCOMPARE(help->parentWidget(), owner.get());
    QVERIFY(help->isWindow());

    // A message box over it asks for help: the help window goes to the message box, and back.
    auto* box = new QDialog(owner.get());
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    engine.HtmlHelp(box->windowHandle(), helpFile(), THelpEngine::HelpContext, 1008);
    QCOMPARE(help->parentWidget(), box);
    box->hide();
    QCOMPARE(help->parentWidget(), owner.get());

    owner->hide();
    QCOMPARE(help->parentWidget(), nullptr);
    owner.reset();
    QCOMPARE(engine.window(), help);
    QVERIFY(help->isVisible());
    QCOMPARE(shownTitle(), QStringLiteral("The wallet dialog"));
}

QTEST_MAIN(TestChmEngine)
#include "tst_chmengine.moc"
