#include "toolkit/TWindowSizes.h"

#include <QSettings>

namespace {

QString key(const QString& window)
{
    return QStringLiteral("WindowSizes/") + window;
}

} // namespace

QSize TWindowSizes::load(const QString& window, const QSize& fallback)
{
    const QSize kept = QSettings(QStringLiteral("Tavrin"), QStringLiteral("Budget")).value(key(window)).toSize();
    return kept.isValid() && !kept.isEmpty() ? kept : fallback;
}

void TWindowSizes::save(const QString& window, const QSize& size)
{
    QSettings(QStringLiteral("Tavrin"), QStringLiteral("Budget")).setValue(key(window), size);
}
