#include "BookingTestHelpers.h"
#include "DataRow.h"

#include "data/TPaths.h"
#include "help/TChmFile.h"
#include "help/TChmHelpEngine.h"
#include "help/TFrmHelp.h"
#include "help/THelpSearch.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

// The help's full-text search: its logic alone, and the Search pane of the help window over the help
// file the build compiled.
class TestHelpSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageToPlainText_data();
    void pageToPlainText();
    void wordsFoundInText_data();
    void wordsFoundInText();
    void pagesRankedByMatches_data();
    void pagesRankedByMatches();
    void searchPaneListsAndMarks_data();
    void searchPaneListsAndMarks();
    void searchPaneByKeyboard();
};

namespace {

// "start+length" of each match, for comparing.
QStringList spans(const QList<THelpSearch::Match>& found)
{
    QStringList out;
    for (const THelpSearch::Match& m : found)
        out << QStringLiteral("%1+%2").arg(m.start).arg(m.length);
    return out;
}

TFrmHelp* openedHelp()
{
    return static_cast<TFrmHelp*>(shownHelpWindow());
}

} // namespace

void TestHelpSearch::initTestCase()
{
    TChmFile::setCheckProgram(TPaths::helpCheckProgram());
}

void TestHelpSearch::pageToPlainText_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    dataRow("tags, head and blanks; inline tags split no words",
            QByteArray("<html><head><title> The  debit\ndialog </title></head>"
                       "<body><h1>Debit</h1>\n<p>Pay <b>out</b>.</p></body></html>"),
            "The debit dialog", "Debit Pay out.");
    dataRow("entities", QByteArray("<title>Q &amp; A</title><p>5 &lt; 6 &#233;t&eacute;</p>"), "Q & A",
            QStringLiteral("5 < 6 \u00e9t\u00e9"));
    dataRow("style, script and comments are no text",
            QByteArray("<style>h1 { color: red; }</style><script>var x;</script><!-- note\n -->"
                       "<p>Shown</p><SCRIPT type=x>y</SCRIPT>"),
            "", "Shown");
    dataRow("upper-case tags", QByteArray("<TITLE>T</TITLE><P>A<BR>B</P>"), "T", "A B");
}

void TestHelpSearch::pageToPlainText()
{
    QFETCH(QByteArray, html);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QCOMPARE(THelpSearch::title(html), title);
    QCOMPARE(THelpSearch::plainText(html), text);
}

void TestHelpSearch::wordsFoundInText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("found");
    dataRow("case folded", "Backup and BACKUP", "backup", QStringList{"0+6", "11+6"});
    dataRow("accents folded both ways", QStringLiteral("R\u00e9sum\u00e9 or resume"), "RESUME",
            QStringList{"0+6", "10+6"});
    dataRow("accent asked, none in text", "Cafe", QStringLiteral("caf\u00e9"), QStringList{"0+4"});
    dataRow("part of a word", "backups", "backup", QStringList{"0+6"});
    dataRow("every word must occur", "credit card", "credit cash", QStringList{});
    dataRow("two words in text order", "the card, then credit", "credit card", QStringList{"4+4", "15+6"});
    dataRow("blanks around words", "Tab key", "  tab   ", QStringList{"0+3"});
    dataRow("no words", "anything", "   ", QStringList{});
    dataRow("occurrences do not overlap", "aaaa", "aa", QStringList{"0+2", "2+2"});
}

void TestHelpSearch::wordsFoundInText()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QFETCH(QStringList, found);
    const QList<THelpSearch::Match> matches = THelpSearch::matches(text, words);
    QCOMPARE(spans(matches), found);
    // Each match covers the word in the text itself, whatever its case and accents.
    const QStringList asked = THelpSearch::folded(words).split(u' ', Qt::SkipEmptyParts);
    for (const THelpSearch::Match& m : matches)
        QVERIFY(asked.contains(THelpSearch::folded(text.mid(m.start, m.length))));
}

void TestHelpSearch::pagesRankedByMatches_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("hits"); // "topic count", best first
    dataRow("most matches first", "card", QStringList{"/c.htm 3", "/a.htm 2", "/b.htm 1"});
    dataRow("equal counts by title", "cash", QStringList{"/a.htm 1", "/b.htm 1"});
    dataRow("title words count", "alpha", QStringList{"/a.htm 1"});
    dataRow("all words on the page", "card cash", QStringList{"/a.htm 3", "/b.htm 2"});
    dataRow("nowhere", "overdraft", QStringList{});
}

void TestHelpSearch::pagesRankedByMatches()
{
    QFETCH(QString, words);
    QFETCH(QStringList, hits);
    THelpSearch search;
    QVERIFY(search.isEmpty());
    search.addPage(QStringLiteral("/c.htm"), "<title>Gamma</title><p>Card, card and CARD.</p>");
    search.addPage(QStringLiteral("/b.htm"), "<title>Beta</title><p>Card for cash.</p>");
    search.addPage(QStringLiteral("/a.htm"), "<title>Alpha</title><p>A card, a c&aacute;sh, another card.</p>");
    QVERIFY(!search.isEmpty());
    QStringList got;
    for (const THelpSearch::Hit& hit : search.find(words))
        got << QStringLiteral("%1 %2").arg(hit.topic).arg(hit.count);
    QCOMPARE(got, hits);
}

void TestHelpSearch::searchPaneListsAndMarks_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("byEnter"); // else the Search button
    dataRow("one word by Enter", "overdraft", true);
    dataRow("upper case by the button", "WITHDRAWAL", false);
    dataRow("two words", "credit card", true);
    dataRow("a word on no page", "zyxwvut", false);
}

void TestHelpSearch::searchPaneListsAndMarks()
{
    QFETCH(QString, words);
    QFETCH(bool, byEnter);
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, TPaths::helpFile(), THelpEngine::DisplayContents, 0);
    TFrmHelp* help = openedHelp();
    QVERIFY(help);
    auto* tabs = child<QTabWidget>(help, "tabPanes");
    tabs->setCurrentWidget(child<QWidget>(help, "pnlSearch"));
    auto* box = child<QLineEdit>(help, "edtSearch");
    box->setText(words);
    if (byEnter)
        QTest::keyClick(box, Qt::Key_Return);
    else
        child<QPushButton>(help, "btnSearch")->click();

    // Every page of the file that holds all the words is listed, with its count, most first: the
    // counts are made here again from the pages themselves.
    const auto file = TChmFile::open(TPaths::helpFile());
    QMap<QString, int> expected;
    for (const QString& path : file->paths()) {
        if (!path.endsWith(QLatin1String(".htm")))
            continue;
        const QByteArray html = file->read(path);
        const QString text = (THelpSearch::title(html) + u' ' + THelpSearch::plainText(html)).toLower();
        int count = 0;
        bool all = true;
        for (const QString& word : words.toLower().split(u' ')) {
            all = all && text.contains(word);
            count += int(text.count(word));
        }
        if (all)
            expected.insert(path, count);
    }
    auto* list = child<QListWidget>(help, "lstSearch");
    QCOMPARE(list->count(), expected.size());
    QCOMPARE(child<QLabel>(help, "lblSearchCount")->text(), QStringLiteral("Pages found: %1").arg(expected.size()));
    int previous = INT_MAX;
    for (int i = 0; i < list->count(); ++i) {
        const QString topic = list->item(i)->data(Qt::UserRole).toString();
        QVERIFY2(expected.contains(topic), qPrintable(topic));
        QVERIFY(list->item(i)->text().endsWith(QStringLiteral("(%1)").arg(expected.value(topic))));
        QVERIFY(expected.value(topic) <= previous);
        previous = expected.value(topic);
    }
    if (expected.isEmpty())
        return;

    // The page chosen is shown with every occurrence of the words marked.
    list->setCurrentRow(0);
    emit list->itemActivated(list->item(0));
    QCOMPARE(help->currentTopic(), list->item(0)->data(Qt::UserRole).toString());
    const auto marks = child<QTextBrowser>(help, "brwTopic")->extraSelections();
    QVERIFY(!marks.isEmpty());
    for (const QTextEdit::ExtraSelection& mark : marks)
        QVERIFY2(words.toLower().split(u' ').contains(mark.cursor.selectedText().toLower()),
                 qPrintable(mark.cursor.selectedText()));
    // Another page by the contents carries no marks.
    help->showTopic(QStringLiteral("/wallet.htm"));
    QVERIFY(child<QTextBrowser>(help, "brwTopic")->extraSelections().isEmpty());
}

void TestHelpSearch::searchPaneByKeyboard()
{
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, TPaths::helpFile(), THelpEngine::DisplayContents, 0);
    TFrmHelp* help = openedHelp();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(child<QTabWidget>(help, "tabPanes")->currentWidget()->objectName(), QStringLiteral("pnlSearch"));
    auto* box = child<QLineEdit>(help, "edtSearch");
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("backup"));
    QTest::keyClick(box, Qt::Key_Return);
    auto* list = child<QListWidget>(help, "lstSearch");
    QVERIFY(list->count() > 1);
    // Tab goes on to the button and the list; Enter there opens the page chosen.
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(child<QPushButton>(help, "btnSearch")->hasFocus());
    QTest::keyClick(child<QPushButton>(help, "btnSearch"), Qt::Key_Tab);
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(help->currentTopic(), list->item(1)->data(Qt::UserRole).toString());
    for (const char* name : {"edtSearch", "btnSearch", "lstSearch"}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child<QWidget>(help, name));
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), name);
    }
    // showSearch, as a caller would ask for it, fills the pane the same way.
    help->showSearch(QStringLiteral("tile"));
    QVERIFY(list->count() > 0);
    QCOMPARE(box->text(), QStringLiteral("tile"));
}

QTEST_MAIN(TestHelpSearch)
#include "tst_helpsearch.moc"
