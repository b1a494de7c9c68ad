#include "toolkit/TToolBars.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolBar>

QToolBar* TToolBars::make(const char* name, QWidget* parent)
{
    auto* bar = new QToolBar(QCoreApplication::translate("TToolBars", "Toolbar"), parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return bar;
}

QWidget* TToolBars::addButton(QToolBar* bar, QAction* action, int width, int height)
{
    bar->addAction(action);
    QWidget* button = bar->widgetForAction(action);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setMinimumWidth(width);
    button->setFixedHeight(height);
    button->setAccessibleName(action->text());
    return button;
}
