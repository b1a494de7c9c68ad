#include "data/TClock.h"

namespace {
QDateTime g_fixed;
}

QDateTime TClock::now()
{
    return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime();
}

void TClock::setFixed(const QDateTime& moment)
{
    g_fixed = moment;
}
