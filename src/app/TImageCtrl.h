#pragma once

#include "toolkit/TImageBase.h"

#include <QPoint>

#include <functional>

class QMenu;

// A tile of the main window: a holder picture that can be selected (any mouse button), dragged with
// the left button onto another holder's tile, and double-clicked. It tells the main window through
// the holder messages.
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
    void setPopupMenu(QMenu* menu) { m_popup = menu; }
    QMenu* popupMenu() const { return m_popup; }

    // A drop of `source` here is accepted exactly when it is another holder's tile.
    bool acceptsDrop(const QObject* source) const;
    // Handles a drop of `source` here: sends WM_HOLDERTRANSFER when accepted.
    void dropFrom(const QObject* source);
    // What a press of a mouse button does (select, tell the manager).
    void press();

    std::function<void(TImageCtrl*)> FOnSelect;

protected:
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
};
