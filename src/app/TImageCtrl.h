#pragma once

#include "toolkit/TImageBase.h"

#include <QPoint>

#include <functional>

class QMenu;

// A tile of the main window: a holder picture that can be selected (any mouse button, or the
// keyboard), dragged with the left button onto another holder's tile, and double-clicked. It tells
// the main window through the holder messages. For keyboard users it is a focusable item: Space
// selects it, the arrow keys move the selection to the neighbouring tile, Enter opens its
// properties, and the menu key (or Shift+F10) its pop-up menu. Assistive tools see a selectable
// list item named by its holder's name and balance.
class TImageCtrl : public TImageBase
{
    Q_OBJECT

public:
    // `messageTarget` receives the holder messages (the main window).
    TImageCtrl(QWidget* owner, QObject* messageTarget);

    void Redraw() override;
    // Selects this tile when `clicked` is a tile of the same holder, else clears it; a tile that
    // becomes selected sends WM_HOLDERSELECT.
    void UpdateSelection(QObject* clicked);

    bool isSelected() const { return FSelected; }
    // Marks the tile selected or not, quietly: no message goes to the main window (a rebuild keeps
    // the selection it had).
    void setSelected(bool selected);
    void setPopupMenu(QMenu* menu) { m_popup = menu; }
    QMenu* popupMenu() const { return m_popup; }

    // A drop of `source` here is accepted exactly when it is another holder's tile.
    bool acceptsDrop(const QObject* source) const;
    // Handles a drop of `source` here: sends WM_HOLDERTRANSFER when accepted.
    void dropFrom(const QObject* source);
    // What a press of a mouse button does (select, tell the manager).
    void press();
    // Selects the tile, then posts WM_HOLDERPROPERTIES, as a double click does.
    void openProperties();
    // Selects the tile, then opens its pop-up menu at `globalPos`, as a right click does.
    void openPopup(const QPoint& globalPos);
    // Whether a drag of this tile is running.
    bool isDragging() const { return m_dragging; }

    std::function<void(TImageCtrl*)> FOnSelect;
    // Moves the selection from this tile by `step` tiles of its family (negative: backwards); the
    // manager sets it.
    std::function<void(TImageCtrl*, int step)> FOnStep;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool FSelected = false;
    QObject* m_target;
    QMenu* m_popup = nullptr;
    QPoint m_dragStart;
    bool m_dragArmed = false;
    bool m_dragging = false;
};
