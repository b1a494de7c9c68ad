#pragma once

#include "help/IHelpManager.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class ICustomHelpViewer;
class IHelpSelector;
class IWinHelpTester;

// The program's help manager. The windows ask it for a topic by their help context number or for
// the table of contents; it passes each request to the help viewers registered with it: a context
// to the first viewer that handles it for the help file, the contents to the one viewer with
// contents or, among several, to the one the help selector picks. The WinHelp viewer, which this
// platform cannot show, claims only what its tester allows.
class THelpRouter final : public IHelpManager
{
public:
    enum class Kind
    {
        Context,
        Contents
    };
    struct Request
    {
        Kind kind;
        int context;
    };

    // The windows' requests.
    static void showContext(int context);
    static void showContents(int data = 1000);
    static void showKeyword(const QString& keyword);
    static void showTopic(const QString& topic);
    // Every viewer closes its windows.
    static void shutdown();

    // The program's help file: a bare name ("budget.chm") or a full path.
    static void setHelpFile(const QString& fileName);
    static QString helpFile();

    // Gives the viewer its id (TakeViewerId) and returns the manager it may ask.
    static IHelpManager* RegisterViewer(std::shared_ptr<ICustomHelpViewer> viewer);
    static void setHelpSelector(std::shared_ptr<IHelpSelector> selector);
    static void setWinHelpTester(std::shared_ptr<IWinHelpTester> tester);
    // Detaches and forgets every viewer, the selector and the tester.
    static void reset();

    // The last requests the windows made, oldest first (tests read them); taking clears them.
    static QList<Request> takeRequests();

    QWindow* HelpWindowOwner() const override;
    QString HelpFile() const override;
    void Release(int viewerId) override;

private:
    struct Registered
    {
        int id;
        std::shared_ptr<ICustomHelpViewer> viewer;
    };

    static THelpRouter& instance();
    void record(Kind kind, int context);

    std::vector<Registered> m_viewers;
    int m_lastId = 0;
    std::shared_ptr<IHelpSelector> m_selector;
    std::shared_ptr<IWinHelpTester> m_tester;
    QString m_helpFile;
    QList<Request> m_requests;
};
