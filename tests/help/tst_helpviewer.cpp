#include "BookingTestHelpers.h"
#include "DataRow.h"
#include "FakeHelpEngine.h"

#include "help/ICustomHelpViewer.h"
#include "help/THelpRouter.h"
#include "help/TStoHtmlHelpViewer.h"
#include "help/TStoWinHelpTester.h"

#include <QTest>

// The viewer of compiled help files and the help manager that routes the windows' requests to it,
// over an engine that only records what it is asked.
class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void isCompiledHelpFile_data();
    void isCompiledHelpFile();
    void resolveHelpFile_data();
    void resolveHelpFile();
    void openTopic_data();
    void openTopic();
    void openKeyword_data();
    void openKeyword();
    void pickKeywordViewer_data();
    void pickKeywordViewer();
    void pickContentsViewer_data();
    void pickContentsViewer();
    void closeAllAndDetach();
    void withoutEngineNothingHappens();
    void startAndFinish();

    void routedRequests_data();
    void routedRequests();
    void contentsAmongSeveralViewers_data();
    void contentsAmongSeveralViewers();
    void keywordAmongSeveralViewers();
    void winHelpTesterDecides_data();
    void winHelpTesterDecides();
    void releasedViewerGetsNothing();
};

namespace {

// A viewer with contents and one keyword choice, which records what it was asked to open.
class RecordingViewer final : public ICustomHelpViewer
{
public:
    explicit RecordingViewer(QString name)
        : m_name(std::move(name))
    {}
    QString ViewerName() const override { return m_name; }
    int HandlesKeyword(const QString&) override { return 1; }
    QStringList KeywordChoices(const QString& keyword) override { return {m_name + QStringLiteral(": ") + keyword}; }
    bool HasContents() override { return true; }
    void OpenContents() override { opened << QStringLiteral("contents"); }
    void OpenKeyword(const QString& choice) override { opened << choice; }
    void TakeViewerId(int) override {}
    void CloseAllWindows() override {}
    void Detach() override {}

    QStringList opened;

private:
    QString m_name;
};

// A WinHelp tester that claims every context and nothing else.
class ClaimingTester final : public IWinHelpTester
{
public:
    bool CanShowALink(const QString&, const QString&) override { return false; }
    bool CanShowTopic(const QString&, const QString&) override { return false; }
    bool CanShowContext(int, const QString&) override { return true; }
    QStringList GetHelpStrings(const QString&) override { return {}; }
    QString GetHelpPath() override { return {}; }
    QString GetDefaultHelpFile() override { return {}; }
};

struct Viewer
{
    std::shared_ptr<TStoHtmlHelpViewer> viewer;
    std::shared_ptr<FakeHelpEngine> engine;
};

// A viewer over a new recording engine; registered with the help manager unless `detached`.
Viewer makeViewer(bool detached = false)
{
    auto viewer = std::make_shared<TStoHtmlHelpViewer>();
    if (!detached)
        viewer->setHelpManager(THelpRouter::RegisterViewer(viewer));
    return {viewer, FakeHelpEngine::last()};
}

// The calls the engine of `v` received, each as `command "file" data`, e.g. `topic "x.chm::/a.htm" 0`.
QStringList calls(const Viewer& v)
{
    QStringList out;
    for (const FakeHelpEngine::Call& c : v.engine->calls) {
        const QString command = c.command == THelpEngine::DisplayTopic      ? QStringLiteral("topic")
                                : c.command == THelpEngine::DisplayContents ? QStringLiteral("contents")
                                : c.command == THelpEngine::DisplayIndex    ? QStringLiteral("index")
                                : c.command == THelpEngine::HelpContext     ? QStringLiteral("context")
                                : c.command == THelpEngine::CloseAllWindows ? QStringLiteral("close")
                                                                            : QString::number(c.command);
        out << QStringLiteral("%1 \"%2\" %3").arg(command, c.file, c.data.toString());
    }
    return out;
}

} // namespace

void TestHelpViewer::init()
{
    FakeHelpEngine::install();
    THelpRouter::takeRequests();
}

void TestHelpViewer::cleanup()
{
    THelpRouter::reset();
    THelpRouter::setHelpFile(QString());
    FakeHelpEngine::uninstall();
}

void TestHelpViewer::isCompiledHelpFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("compiled");
    dataRow("lower case", "budget.chm", true);
    dataRow("upper case", "BUDGET.CHM", true);
    dataRow("mixed case, Windows folder", "C:\\Apps\\budget.Chm", true);
    dataRow("only the extension", ".chm", true);
    dataRow("backup copy", "budget.chm.bak", false);
    dataRow("dot only in a folder name", "/opt/help.chm/budget", false);
    dataRow("other extension", "budget.hlp", false);
    dataRow("no dot", "budget", false);
    dataRow("empty", "", false);
}

void TestHelpViewer::isCompiledHelpFile()
{
    QFETCH(QString, name);
    QFETCH(bool, compiled);
    QCOMPARE(TStoHtmlHelpViewer::IsCompiledHelpFile(name), compiled);
}

void TestHelpViewer::resolveHelpFile_data()
{
    QTest::addColumn<bool>("detached");
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("resolved");
    for (bool detached : {false, true}) {
        const char* how = detached ? "detached, " : "registered, ";
        QTest::addRow("%sbare name", how) << detached << "budget.chm"
                                          << "budget.chm";
        QTest::addRow("%swith a folder", how) << detached << "/usr/share/budget/budget.chm"
                                              << "/usr/share/budget/budget.chm";
        QTest::addRow("%swith a Windows folder", how) << detached << "help\\budget.chm"
                                                      << "help\\budget.chm";
        QTest::addRow("%snone", how) << detached << ""
                                     << "";
    }
}

void TestHelpViewer::resolveHelpFile()
{
    QFETCH(bool, detached);
    QFETCH(QString, helpFile);
    QFETCH(QString, resolved);
    THelpRouter::setHelpFile(helpFile);
    const Viewer v = makeViewer(detached);
    QCOMPARE(v.viewer->ResolveHelpFile(), resolved);
}

void TestHelpViewer::openTopic_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("address"); // empty: the engine is not called
    const QString file = QStringLiteral("/apps/budget.chm");
    dataRow("html kept", file, "intro.HTML", "/apps/budget.chm::/intro.HTML");
    dataRow("htm kept", file, "intro.htm", "/apps/budget.chm::/intro.htm");
    dataRow("txt gets htm", file, "intro.txt", "/apps/budget.chm::/intro.txt.htm");
    dataRow("no extension", file, "features", "/apps/budget.chm::/features.htm");
    dataRow("dot only in a folder", file, "pages.v2/intro", "/apps/budget.chm::/pages.v2/intro.htm");
    dataRow("bare help file name", "budget.chm", "intro.htm", "budget.chm::/intro.htm");
    dataRow("not compiled help", "/apps/budget.hlp", "intro.htm", "");
}

void TestHelpViewer::openTopic()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, topic);
    QFETCH(QString, address);
    THelpRouter::setHelpFile(helpFile);
    const Viewer v = makeViewer();
    QCOMPARE(v.viewer->HandlesTopic(topic), !address.isEmpty());
    v.viewer->OpenTopic(topic);
    QCOMPARE(calls(v), address.isEmpty() ? QStringList() : QStringList{"topic \"" + address + "\" 0"});
}

void TestHelpViewer::openKeyword_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("keyword");
    dataRow("as the viewer gives it", "StoHtmlHelp: wallet", "wallet");
    dataRow("without colon, trimmed", "  wallet  ", "wallet");
    dataRow("only the first colon counts", "StoHtmlHelp: time: 10:30 ", "time: 10:30");
    dataRow("nothing after the colon", "StoHtmlHelp:", "");
}

void TestHelpViewer::openKeyword()
{
    QFETCH(QString, choice);
    QFETCH(QString, keyword);
    THelpRouter::setHelpFile(QStringLiteral("/apps/budget.chm"));
    const Viewer v = makeViewer();
    QCOMPARE(v.viewer->HandlesKeyword(keyword), 1);
    QCOMPARE(v.viewer->KeywordChoices(keyword), QStringList{QStringLiteral("StoHtmlHelp: ") + keyword});
    v.viewer->OpenKeyword(choice);
    QCOMPARE(calls(v), QStringList{"index \"/apps/budget.chm\" " + keyword});

    // With a help file that is not compiled help, the keyword is declined and nothing is shown.
    THelpRouter::setHelpFile(QStringLiteral("/apps/budget.txt"));
    QCOMPARE(v.viewer->HandlesKeyword(keyword), 0);
    v.viewer->OpenKeyword(choice);
    QCOMPARE(v.engine->calls.size(), 1);
}

void TestHelpViewer::pickKeywordViewer_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("picked");
    dataRow("first", QStringList{"StoHtmlHelp: wallet", "WinHelp: wallet"}, 0);
    dataRow("second", QStringList{"WinHelp: wallet", "StoHtmlHelp: wallet"}, 1);
    dataRow("name must match exactly", QStringList{"stohtmlhelp: a", "StoHtmlHelpX: b", "StoHtmlHelp: c"}, 2);
    dataRow("entry without colon", QStringList{"StoHtmlHelp", "StoHtmlHelp: wallet"}, 1);
    dataRow("none: the first", QStringList{"WinHelp: a", "Other: b"}, 0);
}

void TestHelpViewer::pickKeywordViewer()
{
    QFETCH(QStringList, choices);
    QFETCH(int, picked);
    const Viewer v = makeViewer(true);
    QCOMPARE(v.viewer->PickKeywordViewer(choices), picked);
}

void TestHelpViewer::pickContentsViewer_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("picked");
    dataRow("alone", QStringList{"StoHtmlHelp"}, 0);
    dataRow("case does not matter", QStringList{"Other", "stohtmlhelp", "WinHelp"}, 1);
    dataRow("not among them", QStringList{"Other", "WinHelp"}, -1);
}

void TestHelpViewer::pickContentsViewer()
{
    QFETCH(QStringList, names);
    QFETCH(int, picked);
    const Viewer v = makeViewer(true);
    QCOMPARE(v.viewer->PickContentsViewer(names), picked);
}

void TestHelpViewer::closeAllAndDetach()
{
    THelpRouter::setHelpFile(QStringLiteral("budget.chm"));
    const Viewer v = makeViewer();
    QVERIFY(v.viewer->helpManager());
    v.viewer->Detach();
    QCOMPARE(calls(v), QStringList{"close \"\" 0"});
    QCOMPARE(v.engine->calls[0].owner, nullptr);
    QCOMPARE(v.viewer->helpManager(), nullptr);
    // Detached, it still finds the program's help file.
    v.viewer->OpenContents();
    QCOMPARE(calls(v), (QStringList{"close \"\" 0", "contents \"budget.chm\" 0"}));
}

void TestHelpViewer::withoutEngineNothingHappens()
{
    FakeHelpEngine::uninstall();
    THelpRouter::setHelpFile(QStringLiteral("budget.chm"));
    const Viewer v = makeViewer();
    QVERIFY(!v.viewer->engineLoaded());
    THelpRouter::showContext(1008);
    THelpRouter::showContents();
    v.viewer->OpenTopic(QStringLiteral("intro"));
    v.viewer->CloseAllWindows();
    QCOMPARE(THelpRouter::takeRequests().size(), 2);
}

void TestHelpViewer::startAndFinish()
{
    TStoHtmlHelpViewer::Start();
    TStoHtmlHelpViewer* viewer = TStoHtmlHelpViewer::Instance();
    QVERIFY(viewer);
    QVERIFY(viewer->helpManager());
    QVERIFY(viewer->viewerId() > 0);
    const std::weak_ptr<FakeHelpEngine> engine = FakeHelpEngine::last();
    THelpRouter::setHelpFile(QStringLiteral("/apps/budget.chm"));
    THelpRouter::showContext(1010);
    QCOMPARE(engine.lock()->calls.size(), 1);

    TStoHtmlHelpViewer::Finish();
    // Released by the manager and no longer the selector: the viewer is gone, and its engine too.
    QCOMPARE(TStoHtmlHelpViewer::Instance(), nullptr);
    QVERIFY(engine.expired());
    THelpRouter::showContext(1010); // reaches no viewer
}

void TestHelpViewer::routedRequests_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<bool>("contents");
    QTest::addColumn<QString>("engineFile"); // empty: the engine is not called
    for (bool contents : {false, true}) {
        const char* what = contents ? "contents" : "context";
        QTest::addRow("%s, bare name", what) << "budget.chm" << contents << "budget.chm";
        QTest::addRow("%s, full path", what) << "/apps/budget.chm" << contents << "/apps/budget.chm";
        QTest::addRow("%s, not compiled help", what) << "/apps/budget.hlp" << contents << "";
        QTest::addRow("%s, no help file", what) << "" << contents << "";
    }
}

void TestHelpViewer::routedRequests()
{
    QFETCH(QString, helpFile);
    QFETCH(bool, contents);
    QFETCH(QString, engineFile);
    THelpRouter::setHelpFile(helpFile);
    const Viewer v = makeViewer();
    if (contents)
        THelpRouter::showContents(1000);
    else
        THelpRouter::showContext(1008);

    QCOMPARE(helpRequests(), QStringList{contents ? "contents 1000" : "context 1008"});
    const QString call = contents ? QStringLiteral("contents \"%1\" 0") : QStringLiteral("context \"%1\" 1008");
    QCOMPARE(calls(v), engineFile.isEmpty() ? QStringList() : QStringList{call.arg(engineFile)});
}

void TestHelpViewer::contentsAmongSeveralViewers_data()
{
    QTest::addColumn<bool>("selector");
    QTest::addColumn<bool>("otherFirst");
    QTest::addColumn<bool>("ours");
    dataRow("selector, other registered first", true, true, true);
    dataRow("selector, ours registered first", true, false, true);
    dataRow("no selector: the first registered", false, true, false);
}

void TestHelpViewer::contentsAmongSeveralViewers()
{
    QFETCH(bool, selector);
    QFETCH(bool, otherFirst);
    QFETCH(bool, ours);
    THelpRouter::setHelpFile(QStringLiteral("/apps/budget.chm"));
    auto other = std::make_shared<RecordingViewer>(QStringLiteral("Alpha"));
    if (otherFirst)
        THelpRouter::RegisterViewer(other);
    const Viewer v = makeViewer();
    if (!otherFirst)
        THelpRouter::RegisterViewer(other);
    if (selector)
        THelpRouter::setHelpSelector(v.viewer);

    THelpRouter::showContents();
    QCOMPARE(v.engine->calls.size(), ours ? 1 : 0);
    QCOMPARE(other->opened.size(), ours ? 0 : 1);
}

void TestHelpViewer::keywordAmongSeveralViewers()
{
    THelpRouter::setHelpFile(QStringLiteral("/apps/budget.chm"));
    auto other = std::make_shared<RecordingViewer>(QStringLiteral("Alpha"));
    THelpRouter::RegisterViewer(other);
    const Viewer v = makeViewer();
    THelpRouter::setHelpSelector(v.viewer);
    THelpRouter::showKeyword(QStringLiteral("backup"));
    QVERIFY(other->opened.isEmpty());
    QCOMPARE(calls(v), QStringList{"index \"/apps/budget.chm\" backup"});
}

void TestHelpViewer::winHelpTesterDecides_data()
{
    QTest::addColumn<bool>("claims");
    dataRow("declines: the request reaches the viewer", false);
    dataRow("claims: WinHelp, which shows nothing here", true);
}

void TestHelpViewer::winHelpTesterDecides()
{
    QFETCH(bool, claims);
    THelpRouter::setHelpFile(QStringLiteral("/apps/budget.chm"));
    const Viewer v = makeViewer();
    if (claims)
        THelpRouter::setWinHelpTester(std::make_shared<ClaimingTester>());
    else
        THelpRouter::setWinHelpTester(std::make_shared<TStoWinHelpTester>());
    THelpRouter::showContext(1011);
    THelpRouter::showTopic(QStringLiteral("transfer"));
    QCOMPARE(v.engine->calls.size(), claims ? 1 : 2);
    QCOMPARE(v.engine->calls.last().command, int(THelpEngine::DisplayTopic));

    TStoWinHelpTester tester;
    QCOMPARE(tester.GetHelpStrings(QStringLiteral("link")), QStringList{QStringLiteral(": link")});
    QVERIFY(!tester.CanShowALink(QStringLiteral("link"), QStringLiteral("x.hlp")));
    QVERIFY(tester.GetHelpPath().isEmpty() && tester.GetDefaultHelpFile().isEmpty());
}

void TestHelpViewer::releasedViewerGetsNothing()
{
    THelpRouter::setHelpFile(QStringLiteral("/apps/budget.chm"));
    const Viewer v = makeViewer();
    THelpRouter::shutdown();
    QCOMPARE(calls(v), QStringList{"close \"\" 0"});
    v.viewer->helpManager()->Release(v.viewer->viewerId());
    THelpRouter::showContext(1007);
    THelpRouter::showContents();
    THelpRouter::shutdown();
    QCOMPARE(v.engine->calls.size(), 1);
}

QTEST_GUILESS_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
