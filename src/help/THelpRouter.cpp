#include "help/THelpRouter.h"

#include "help/ICustomHelpViewer.h"
#include "help/IExtendedHelpViewer.h"
#include "help/IHelpSelector.h"
#include "help/IWinHelpTester.h"

#include <QGuiApplication>

#include <algorithm>
#include <utility>

namespace {
// Enough for any test; a long run keeps no more.
constexpr qsizetype KeptRequests = 64;
} // namespace

THelpRouter& THelpRouter::instance()
{
    static THelpRouter router;
    return router;
}

void THelpRouter::record(Kind kind, int context)
{
    if (m_requests.size() >= KeptRequests)
        m_requests.removeFirst();
    m_requests.append({kind, context});
}

void THelpRouter::showContext(int context)
{
    THelpRouter& r = instance();
    r.record(Kind::Context, context);
    if (r.m_tester && r.m_tester->CanShowContext(context, r.m_helpFile))
        return; // the WinHelp viewer's, which has no engine here
    // A copy: a viewer may be released while it answers.
    const auto viewers = r.m_viewers;
    for (const Registered& v : viewers) {
        auto* extended = dynamic_cast<IExtendedHelpViewer*>(v.viewer.get());
        if (extended && extended->HandlesContext(context, r.m_helpFile)) {
            extended->OpenContext(context, r.m_helpFile);
            return;
        }
    }
}

void THelpRouter::showContents(int data)
{
    THelpRouter& r = instance();
    r.record(Kind::Contents, data);
    std::vector<std::shared_ptr<ICustomHelpViewer>> candidates;
    for (const Registered& v : r.m_viewers)
        if (v.viewer->HasContents())
            candidates.push_back(v.viewer);
    if (candidates.empty())
        return;
    if (candidates.size() == 1 || !r.m_selector) {
        candidates.front()->OpenContents();
        return;
    }
    QStringList names;
    for (const auto& v : candidates)
        names.append(v->ViewerName());
    names.sort();
    const int picked = r.m_selector->PickContentsViewer(names);
    if (picked < 0 || picked >= names.size())
        return;
    for (const auto& v : candidates)
        if (v->ViewerName() == names[picked]) {
            v->OpenContents();
            return;
        }
}

void THelpRouter::showKeyword(const QString& keyword)
{
    THelpRouter& r = instance();
    QStringList choices;
    std::vector<std::shared_ptr<ICustomHelpViewer>> owners;
    for (const Registered& v : r.m_viewers) {
        if (v.viewer->HandlesKeyword(keyword) <= 0)
            continue;
        for (const QString& choice : v.viewer->KeywordChoices(keyword)) {
            choices.append(choice);
            owners.push_back(v.viewer);
        }
    }
    if (choices.isEmpty())
        return;
    const int picked = choices.size() > 1 && r.m_selector ? r.m_selector->PickKeywordViewer(choices) : 0;
    if (picked >= 0 && picked < choices.size())
        owners[picked]->OpenKeyword(choices[picked]);
}

void THelpRouter::showTopic(const QString& topic)
{
    THelpRouter& r = instance();
    if (r.m_tester && r.m_tester->CanShowTopic(topic, r.m_helpFile))
        return;
    const auto viewers = r.m_viewers;
    for (const Registered& v : viewers) {
        auto* extended = dynamic_cast<IExtendedHelpViewer*>(v.viewer.get());
        if (extended && extended->HandlesTopic(topic)) {
            extended->OpenTopic(topic);
            return;
        }
    }
}

void THelpRouter::shutdown()
{
    const auto viewers = instance().m_viewers;
    for (const Registered& v : viewers)
        v.viewer->CloseAllWindows();
}

void THelpRouter::setHelpFile(const QString& fileName)
{
    instance().m_helpFile = fileName;
}

QString THelpRouter::helpFile()
{
    return instance().m_helpFile;
}

IHelpManager* THelpRouter::RegisterViewer(std::shared_ptr<ICustomHelpViewer> viewer)
{
    THelpRouter& r = instance();
    const int id = ++r.m_lastId;
    r.m_viewers.push_back({id, viewer});
    viewer->TakeViewerId(id);
    return &r;
}

void THelpRouter::setHelpSelector(std::shared_ptr<IHelpSelector> selector)
{
    instance().m_selector = std::move(selector);
}

void THelpRouter::setWinHelpTester(std::shared_ptr<IWinHelpTester> tester)
{
    instance().m_tester = std::move(tester);
}

void THelpRouter::reset()
{
    THelpRouter& r = instance();
    const auto viewers = std::exchange(r.m_viewers, {});
    for (const Registered& v : viewers)
        v.viewer->Detach();
    r.m_selector.reset();
    r.m_tester.reset();
}

QList<THelpRouter::Request> THelpRouter::takeRequests()
{
    return std::exchange(instance().m_requests, {});
}

QWindow* THelpRouter::HelpWindowOwner() const
{
    // A help window opened over a modal window must belong to it, or the modal window would block it.
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::modalWindow() : nullptr;
}

QString THelpRouter::HelpFile() const
{
    return m_helpFile;
}

void THelpRouter::Release(int viewerId)
{
    std::erase_if(m_viewers, [viewerId](const Registered& v) { return v.id == viewerId; });
}
