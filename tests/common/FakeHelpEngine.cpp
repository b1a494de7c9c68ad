#include "FakeHelpEngine.h"

namespace {
std::weak_ptr<FakeHelpEngine> g_last;
}

void FakeHelpEngine::HtmlHelp(QWindow* owner, const QString& fileOrAddress, int command, const QVariant& data)
{
    calls.append({owner, fileOrAddress, command, data});
}

void FakeHelpEngine::install()
{
    THelpEngine::setLoader([] {
        auto engine = std::make_shared<FakeHelpEngine>();
        g_last = engine;
        return engine;
    });
}

void FakeHelpEngine::uninstall()
{
    THelpEngine::setLoader(nullptr);
}

std::shared_ptr<FakeHelpEngine> FakeHelpEngine::last()
{
    return g_last.lock();
}
