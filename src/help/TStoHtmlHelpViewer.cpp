#include "help/TStoHtmlHelpViewer.h"

#include "help/IHelpManager.h"
#include "help/THelpEngine.h"
#include "help/THelpRouter.h"
#include "help/TStoWinHelpTester.h"

namespace {

TStoHtmlHelpViewer* g_HtmlHelpViewer = nullptr;

// The extension of the last part of a path, from its last "." on; empty when it has none.
QString extensionOf(const QString& name)
{
    const qsizetype slash = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > slash ? name.mid(dot) : QString();
}

} // namespace

TStoHtmlHelpViewer::TStoHtmlHelpViewer()
    : FViewerName(QStringLiteral("StoHtmlHelp"))
    , FDefaultExt(QStringLiteral(".htm"))
{
    FEngineLibrary = THelpEngine::load();
    FEngine = FEngineLibrary.get();
}

TStoHtmlHelpViewer::~TStoHtmlHelpViewer()
{
    if (g_HtmlHelpViewer == this)
        g_HtmlHelpViewer = nullptr;
    FEngine = nullptr;
    FEngineLibrary.reset();
}

void TStoHtmlHelpViewer::Start()
{
    auto viewer = std::make_shared<TStoHtmlHelpViewer>();
    g_HtmlHelpViewer = viewer.get();
    viewer->FHelpManager = THelpRouter::RegisterViewer(viewer);
    THelpRouter::setHelpSelector(viewer);
    THelpRouter::setWinHelpTester(std::make_shared<TStoWinHelpTester>());
}

void TStoHtmlHelpViewer::Finish()
{
    if (g_HtmlHelpViewer && g_HtmlHelpViewer->FHelpManager) {
        IHelpManager* manager = std::exchange(g_HtmlHelpViewer->FHelpManager, nullptr);
        manager->Release(g_HtmlHelpViewer->FViewerId);
    }
    // The help system lets go of its selector and tester; the last reference ends the viewer.
    THelpRouter::setHelpSelector(nullptr);
    THelpRouter::setWinHelpTester(nullptr);
}

TStoHtmlHelpViewer* TStoHtmlHelpViewer::Instance()
{
    return g_HtmlHelpViewer;
}

QString TStoHtmlHelpViewer::ViewerName() const
{
    return FViewerName;
}

int TStoHtmlHelpViewer::HandlesKeyword(const QString&)
{
    return IsCompiledHelpFile(ResolveHelpFile()) ? 1 : 0;
}

QStringList TStoHtmlHelpViewer::KeywordChoices(const QString& keyword)
{
    return {QStringLiteral("%1: %2").arg(FViewerName, keyword)};
}

bool TStoHtmlHelpViewer::HasContents()
{
    return true;
}

void TStoHtmlHelpViewer::OpenContents()
{
    const QString file = ResolveHelpFile();
    if (IsCompiledHelpFile(file))
        CallEngine(file, THelpEngine::DisplayContents, 0);
}

void TStoHtmlHelpViewer::OpenKeyword(const QString& choice)
{
    const QString file = ResolveHelpFile();
    if (!IsCompiledHelpFile(file))
        return;
    const qsizetype colon = choice.indexOf(u':');
    const QString keyword = (colon < 0 ? choice : choice.mid(colon + 1)).trimmed();
    CallEngine(file, THelpEngine::DisplayIndex, keyword);
}

void TStoHtmlHelpViewer::TakeViewerId(int id)
{
    FViewerId = id;
}

void TStoHtmlHelpViewer::CloseAllWindows()
{
    CallEngine(QString(), THelpEngine::CloseAllWindows, 0);
}

void TStoHtmlHelpViewer::Detach()
{
    CloseAllWindows();
    FHelpManager = nullptr;
}

bool TStoHtmlHelpViewer::HandlesTopic(const QString&)
{
    return IsCompiledHelpFile(ResolveHelpFile());
}

void TStoHtmlHelpViewer::OpenTopic(const QString& topic)
{
    const QString file = ResolveHelpFile();
    if (!IsCompiledHelpFile(file))
        return;
    const QString extension = extensionOf(topic).toLower();
    QString name = topic;
    if (extension != QLatin1String(".htm") && extension != QLatin1String(".html"))
        name += FDefaultExt;
    CallEngine(file + QLatin1String("::/") + name, THelpEngine::DisplayTopic, 0);
}

bool TStoHtmlHelpViewer::HandlesContext(int, const QString& helpFile)
{
    return IsCompiledHelpFile(helpFile);
}

void TStoHtmlHelpViewer::OpenContext(int context, const QString&)
{
    // The file resolved here, not the one the request named, is the one shown.
    const QString file = ResolveHelpFile();
    if (IsCompiledHelpFile(file))
        CallEngine(file, THelpEngine::HelpContext, context);
}

int TStoHtmlHelpViewer::PickKeywordViewer(const QStringList& choices)
{
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const qsizetype colon = choices[i].indexOf(u':');
        if (colon >= 0 && choices[i].left(colon) == FViewerName)
            return int(i);
    }
    return 0;
}

int TStoHtmlHelpViewer::PickContentsViewer(const QStringList& viewerNames)
{
    for (qsizetype i = 0; i < viewerNames.size(); ++i)
        if (viewerNames[i].compare(FViewerName, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QString TStoHtmlHelpViewer::ResolveHelpFile() const
{
    QString file = FHelpManager ? FHelpManager->HelpFile() : QString();
    if (file.isEmpty())
        file = THelpRouter::helpFile();
    return file;
}

bool TStoHtmlHelpViewer::IsCompiledHelpFile(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && fileName.mid(dot).compare(QLatin1String(".chm"), Qt::CaseInsensitive) == 0;
}

void TStoHtmlHelpViewer::CallEngine(const QString& fileOrAddress, int command, const QVariant& data)
{
    if (!FEngine)
        return;
    if (command == THelpEngine::CloseAllWindows)
        FEngine->HtmlHelp(nullptr, QString(), command, data);
    else
        FEngine->HtmlHelp(FHelpManager ? FHelpManager->HelpWindowOwner() : nullptr, fileOrAddress, command, data);
}
