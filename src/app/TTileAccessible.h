#pragma once

#include <QAccessibleWidget>

class TImageCtrl;

// What assistive tools see of a tile: a selectable list item named by its holder's name and
// balance, selected while the tile is, with the actions Press (select) and ShowMenu (its pop-up).
class TTileAccessible final : public QAccessibleWidget
{
public:
    explicit TTileAccessible(TImageCtrl* tile);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes assistive tools use this interface for every tile.
    static void install();

private:
    TImageCtrl* tile() const;
};
