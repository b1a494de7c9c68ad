#include "BookingTestHelpers.h"
#include "DataRow.h"

#include "data/TPaths.h"
#include "help/TChmFile.h"
#include "help/TChmHelpEngine.h"
#include "help/TChmSitemap.h"
#include "help/TFrmHelp.h"
#include "help/THelpLanguage.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <cstdio>

// The help file in the user's language: the choice among the help files beside the program, the
// languages as Qt reads them from the environment, and the German help file the build compiles.
class TestHelpLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void choiceAmongTheFilesBeside_data();
    void choiceAmongTheFilesBeside();
    void languagesFromTheEnvironment_data();
    void languagesFromTheEnvironment();
    void germanPageIsWellFormed_data();
    void germanPageIsWellFormed();
    void germanIndexInAlphabeticalOrder();
    void germanPagesMatchTheEnglish();
    void germanKeywordFindsItsPage_data();
    void germanKeywordFindsItsPage();
};

namespace {

QString germanHelpFile()
{
    return QFileInfo(TPaths::helpFile()).dir().filePath(QStringLiteral("budget_de.chm"));
}

std::unique_ptr<TChmFile> openHelp(const QString& path)
{
    auto file = TChmFile::open(path);
    if (!file)
        qFatal("%s is missing or damaged beside the test", qPrintable(path));
    return file;
}

// "de_DE:fr" -> the languages of de_DE, then those of fr, as QLocale gives them.
QStringList uiLanguagesOf(const QString& locales)
{
    QStringList languages;
    for (const QString& name : locales.split(u':'))
        languages += QLocale(name).uiLanguages();
    return languages;
}

// What an attribute of the page's tags points at, "src" -> {"acc.bmp", ...}.
QStringList attributeValues(const QByteArray& page, const char* attribute)
{
    const QRegularExpression re(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(QLatin1String(attribute)),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (const auto& m : re.globalMatch(QString::fromUtf8(page)))
        values += m.captured(1);
    return values;
}

QSet<QString> anchorsOf(const QByteArray& page)
{
    const QStringList names = attributeValues(page, "name");
    return QSet<QString>(names.begin(), names.end());
}

QStringList pagesIn(const char* folder)
{
    return QDir(QLatin1String(folder)).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
}

TFrmHelp* shownHelp()
{
    return static_cast<TFrmHelp*>(shownHelpWindow());
}

} // namespace

void TestHelpLanguage::initTestCase()
{
    TChmFile::setCheckProgram(TPaths::helpCheckProgram());
}

void TestHelpLanguage::choiceAmongTheFilesBeside_data()
{
    QTest::addColumn<QString>("locales");    // the user's locales, most wanted first, as LANGUAGE lists them
    QTest::addColumn<QStringList>("beside"); // what lies beside budget.chm; a name ending in "/" is a folder
    QTest::addColumn<QString>("expected");
    const QStringList german{"budget_de.chm"};
    dataRow("de_DE with a German help", "de_DE", german, "budget_de.chm");
    dataRow("de_DE without it", "de_DE", QStringList(), "budget.chm");
    dataRow("de_AT", "de_AT", german, "budget_de.chm");
    dataRow("en_US", "en_US", german, "budget.chm");
    dataRow("C", "C", german, "budget.chm");
    dataRow("fr without its help", "fr_FR", german, "budget.chm");
    dataRow("fr with its help", "fr_FR", QStringList{"budget_de.chm", "budget_fr.chm"}, "budget_fr.chm");
    dataRow("fr, then de", "fr_FR:de_DE", german, "budget_de.chm");
    dataRow("en, then de", "en_GB:de_DE", german, "budget.chm");
    dataRow("a folder of the help's name", "de_DE", QStringList{"budget_de.chm/"}, "budget.chm");
}

void TestHelpLanguage::choiceAmongTheFilesBeside()
{
    QFETCH(QString, locales);
    QFETCH(QStringList, beside);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString& name : beside) {
        if (name.endsWith(u'/')) {
            QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
        } else {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    const QString helpFile = dir.filePath(QStringLiteral("budget.chm"));
    QCOMPARE(THelpLanguage::helpFileFor(helpFile, uiLanguagesOf(locales)), dir.filePath(expected));
}

void TestHelpLanguage::languagesFromTheEnvironment_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("expected");
    dataRow("LANG German", QStringList{"LANG=de_DE.UTF-8"}, "budget_de.chm");
    dataRow("LANG English", QStringList{"LANG=en_US.UTF-8"}, "budget.chm");
    dataRow("LANG C", QStringList{"LANG=C"}, "budget.chm");
    dataRow("LC_ALL before LANG", QStringList{"LC_ALL=de_AT.UTF-8", "LANG=en_US.UTF-8"}, "budget_de.chm");
    dataRow("LANGUAGE before LANG", QStringList{"LANGUAGE=de_DE:en", "LANG=en_US.UTF-8"}, "budget_de.chm");
    dataRow("LANGUAGE French, then German", QStringList{"LANGUAGE=fr:de", "LANG=fr_FR.UTF-8"}, "budget_de.chm");
    dataRow("LANGUAGE English first", QStringList{"LANGUAGE=en:de", "LANG=de_DE.UTF-8"}, "budget.chm");
}

void TestHelpLanguage::languagesFromTheEnvironment()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QFile german(dir.filePath(QStringLiteral("budget_de.chm")));
    QVERIFY(german.open(QIODevice::WriteOnly));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QLatin1String(name));
    for (const QString& setting : environment)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--help-file"), dir.filePath(QStringLiteral("budget.chm"))});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed(), dir.filePath(expected));
}

void TestHelpLanguage::germanPageIsWellFormed_data()
{
    QTest::addColumn<QString>("page");
    for (const QString& page : pagesIn(HELP_DE_SOURCE_DIR))
        QTest::newRow(qPrintable(page)) << page;
}

void TestHelpLanguage::germanPageIsWellFormed()
{
    QFETCH(QString, page);
    const auto file = openHelp(germanHelpFile());
    const QByteArray html = file->read(TChmFile::normalized(page));
    // UTF-8 throughout, as it says: the window shows it so.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(html);
    QVERIFY(!utf8.hasError());
    QVERIFY(html.contains("<meta charset=\"utf-8\">"));
    QVERIFY(html.contains("href=\"style.css\""));
    // The window's title is the page's heading.
    const QRegularExpression title(QStringLiteral("<title>([^<]+)</title>"));
    const QRegularExpression heading(QStringLiteral("<h1>([^<]+)</h1>"));
    QCOMPARE(heading.match(text).captured(1), title.match(text).captured(1));
    QVERIFY(!title.match(text).captured(1).isEmpty());
}

void TestHelpLanguage::germanIndexInAlphabeticalOrder()
{
    // The help window lists the index as the file has it, so its order is the German one.
    const auto file = openHelp(germanHelpFile());
    QCollator german{QLocale(QLocale::German, QLocale::Germany)};
    german.setCaseSensitivity(Qt::CaseInsensitive);
    const auto entries = TChmSitemap::parse(file->read(file->indexFile()));
    QVERIFY(entries.size() > 60);
    for (qsizetype i = 1; i < entries.size(); ++i) {
        QVERIFY2(german.compare(entries[i - 1].name, entries[i].name) < 0,
                 qPrintable(entries[i - 1].name + QStringLiteral(" / ") + entries[i].name));
    }
}

void TestHelpLanguage::germanPagesMatchTheEnglish()
{
    const auto english = openHelp(TPaths::helpFile());
    const auto german = openHelp(germanHelpFile());
    // Every English page has its German page, with at least the English page's anchors, so links and
    // keywords map alike.
    for (const QString& page : pagesIn(HELP_SOURCE_DIR)) {
        const QString path = TChmFile::normalized(page);
        QVERIFY2(german->contains(path), qPrintable(page));
        const QSet<QString> missing = anchorsOf(english->read(path)) - anchorsOf(german->read(path));
        QVERIFY2(missing.isEmpty(), qPrintable(page + u' ' + QStringList(missing.begin(), missing.end()).join(u',')));
    }
    // Every help context the English file maps leads to the same page in the German one.
    int mapped = 0;
    for (int context = 1000; context <= 1020; ++context) {
        QCOMPARE(german->topicOfContext(context), english->topicOfContext(context));
        mapped += english->topicOfContext(context).isEmpty() ? 0 : 1;
    }
    QCOMPARE(mapped, 12);
}

void TestHelpLanguage::germanKeywordFindsItsPage_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("topic");
    dataRow("capital umlaut", "Übersicht", "/main.htm");
    dataRow("its small letter", "übersicht", "/main.htm");
    dataRow("umlaut inside", "Löschen, B", "/history.htm");
    dataRow("first letters", "Kontoa", "/import.htm");
}

void TestHelpLanguage::germanKeywordFindsItsPage()
{
    QFETCH(QString, keyword);
    QFETCH(QString, topic);
    TChmHelpEngine engine;
    engine.HtmlHelp(nullptr, germanHelpFile(), THelpEngine::DisplayIndex, keyword);
    TFrmHelp* help = shownHelp();
    QVERIFY(help);
    QCOMPARE(child<QLineEdit>(help, "edtKeyword")->text(), keyword);
    const QListWidgetItem* chosen = child<QListWidget>(help, "lstIndex")->currentItem();
    QVERIFY(chosen && chosen->text().startsWith(keyword, Qt::CaseInsensitive));
    QCOMPARE(help->currentTopic(), topic);
}

int main(int argc, char** argv)
{
    // The help file the languages of this process's environment choose, for languagesFromTheEnvironment.
    if (argc == 3 && qstrcmp(argv[1], "--help-file") == 0) {
        QCoreApplication app(argc, argv);
        std::printf("%s\n", qPrintable(THelpLanguage::systemHelpFile(QString::fromLocal8Bit(argv[2]))));
        return 0;
    }
    QApplication app(argc, argv);
    TestHelpLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helplanguage.moc"
