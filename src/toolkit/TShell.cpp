#include "toolkit/TShell.h"

#include <QDesktopServices>
#include <QProcess>

#include <utility>

namespace {

struct TestState
{
    bool on = false;
    std::optional<QStringList> programs;
    QStringList requests;
};

TestState& state()
{
    static TestState s;
    return s;
}

// What the tests let the search see: the programs they name, no desktop entries.
TDesktopTools::System testSystem()
{
    TDesktopTools::System system;
    system.findExecutable = [](const QString& name) {
        return !state().programs || state().programs->contains(name) ? name : QString();
    };
    system.textHandler = [] {
        return QString();
    };
    system.desktopEntry = [](const QString&) {
        return QByteArray();
    };
    return system;
}

} // namespace

void TShell::openUrl(const QUrl& url)
{
    if (state().on) {
        state().requests.append(url.toString());
        return;
    }
    if (url.isValid() && !url.isEmpty())
        QDesktopServices::openUrl(url);
}

bool TShell::startTool(TDesktopTools::Tool tool)
{
    const QList<TDesktopTools::Launch> found =
        TDesktopTools::candidates(tool, state().on ? testSystem() : TDesktopTools::realSystem());
    for (const TDesktopTools::Launch& launch : found) {
        if (state().on) {
            state().requests.append(QStringLiteral("run:") +
                                    (QStringList{launch.program} + launch.arguments).join(u' '));
            return true;
        }
        if (QProcess::startDetached(launch.program, launch.arguments))
            return true;
    }
    return false;
}

void TShell::setTestMode(bool on)
{
    state().on = on;
    state().programs.reset();
    state().requests.clear();
}

void TShell::setTestPrograms(const std::optional<QStringList>& programs)
{
    state().programs = programs;
}

QStringList TShell::takeRequests()
{
    return std::exchange(state().requests, {});
}
