#include "help/THelpEngine.h"

namespace {
THelpEngine::Loader g_loader;
}

void THelpEngine::setLoader(Loader loader)
{
    g_loader = std::move(loader);
}

std::shared_ptr<THelpEngine> THelpEngine::load()
{
    return g_loader ? g_loader() : nullptr;
}

std::pair<QString, QString> THelpEngine::splitAddress(const QString& address)
{
    const qsizetype separator = address.indexOf(QLatin1String("::"));
    if (separator < 0)
        return {address, QString()};
    return {address.left(separator), address.mid(separator + 2)};
}
