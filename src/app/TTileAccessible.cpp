#include "app/TTileAccessible.h"

#include "app/TImageCtrl.h"

TTileAccessible::TTileAccessible(TImageCtrl* tile)
    : QAccessibleWidget(tile, QAccessible::ListItem)
{}

TImageCtrl* TTileAccessible::tile() const
{
    return static_cast<TImageCtrl*>(widget());
}

QAccessible::State TTileAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.selectable = true;
    s.selected = tile()->isSelected();
    return s;
}

QStringList TTileAccessible::actionNames() const
{
    return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
}

void TTileAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        tile()->press();
    else if (actionName == showMenuAction())
        tile()->openPopup(tile()->mapToGlobal(tile()->rect().center()));
    else
        QAccessibleWidget::doAction(actionName);
}

namespace {

QAccessibleInterface* tileFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TImageCtrl") && object != nullptr && object->isWidgetType())
        return new TTileAccessible(static_cast<TImageCtrl*>(object));
    return nullptr;
}

} // namespace

void TTileAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(tileFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
