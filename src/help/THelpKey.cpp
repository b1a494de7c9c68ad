#include "help/THelpKey.h"

#include "help/THelpRouter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

void THelpKey::install()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<THelpKey*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app->installEventFilter(new THelpKey(app));
}

int THelpKey::contextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        bool ok = false;
        const int context = w->property("helpContext").toInt(&ok);
        if (ok && context > 0)
            return context;
    }
    return 0;
}

bool THelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!key->matches(QKeySequence::HelpContents))
        return false;
    const int context = contextOf(static_cast<QWidget*>(watched));
    if (context == 0)
        return false;
    if (!key->isAutoRepeat())
        THelpRouter::showContext(context);
    return true;
}
