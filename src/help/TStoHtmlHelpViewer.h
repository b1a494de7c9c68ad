#pragma once

#include "help/ICustomHelpViewer.h"
#include "help/IExtendedHelpViewer.h"
#include "help/IHelpSelector.h"

#include <QString>
#include <QVariant>

#include <memory>

class IHelpManager;
class THelpEngine;

// The viewer of compiled HTML help files (".chm"): every help request that reaches it becomes one
// call of the help engine on the program's help file. It is also the help selector, which picks
// this viewer whenever it is among the candidates.
//
// One instance per run, made by Start() before any window and ended by Finish(); Instance() reaches
// it meanwhile.
class TStoHtmlHelpViewer final : public ICustomHelpViewer, public IExtendedHelpViewer, public IHelpSelector
{
public:
    TStoHtmlHelpViewer();
    ~TStoHtmlHelpViewer() override;
    Q_DISABLE_COPY_MOVE(TStoHtmlHelpViewer)

    // Makes the viewer, registers it with the help manager, makes it the help selector and gives
    // the WinHelp viewer a tester that declines everything.
    static void Start();
    // The help manager releases the viewer; the viewer goes when nothing holds it any more.
    static void Finish();
    static TStoHtmlHelpViewer* Instance();

    QString ViewerName() const override;
    int HandlesKeyword(const QString& keyword) override;
    QStringList KeywordChoices(const QString& keyword) override;
    bool HasContents() override;
    void OpenContents() override;
    void OpenKeyword(const QString& choice) override;
    void TakeViewerId(int id) override;
    void CloseAllWindows() override;
    void Detach() override;

    bool HandlesTopic(const QString& topic) override;
    void OpenTopic(const QString& topic) override;
    bool HandlesContext(int context, const QString& helpFile) override;
    void OpenContext(int context, const QString& helpFile) override;

    int PickKeywordViewer(const QStringList& choices) override;
    int PickContentsViewer(const QStringList& viewerNames) override;

    // The help manager's current help file, else the program's (THelpRouter::setHelpFile), as given.
    QString ResolveHelpFile() const;
    // True when the name ends in ".chm", in any case.
    static bool IsCompiledHelpFile(const QString& fileName);
    void CallEngine(const QString& fileOrAddress, int command, const QVariant& data);

    // Given by the help manager at registration; none after Detach.
    void setHelpManager(IHelpManager* manager) { FHelpManager = manager; }
    IHelpManager* helpManager() const { return FHelpManager; }
    int viewerId() const { return FViewerId; }
    bool engineLoaded() const { return FEngine != nullptr; }

private:
    int FViewerId = 0;
    QString FViewerName;
    THelpEngine* FEngine = nullptr;
    std::shared_ptr<THelpEngine> FEngineLibrary;
    IHelpManager* FHelpManager = nullptr;
    QString FDefaultExt;
};
