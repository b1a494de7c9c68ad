#include "help/THelpKey.h"

#include "help/TFrmHelp.h"
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
    auto* widget = static_cast<QWidget*>(watched);
    // In the help window itself F1 has nothing more to show, whichever window owns it.
    if (qobject_cast<TFrmHelp*>(widget->window()))
        return false;
    const int context = contextOf(widget);
    if (context == 0)
        return false;
    if (!key->isAutoRepeat())
        THelpRouter::showContext(context);
    return true;
}
