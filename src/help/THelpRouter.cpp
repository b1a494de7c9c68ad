#include "help/THelpRouter.h"

#include <utility>

namespace {
QList<THelpRouter::Request> g_requests;
}

void THelpRouter::showContext(int context)
{
    g_requests.append({Kind::Context, context});
}

void THelpRouter::showContents(int data)
{
    g_requests.append({Kind::Contents, data});
}

QList<THelpRouter::Request> THelpRouter::takeRequests()
{
    return std::exchange(g_requests, {});
}
