#include "app/TImageCtrl.h"

#include "app/THolderEvent.h"
#include "app/TTileAccessible.h"
#include "toolkit/TErrorReport.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include <climits>

namespace {

const QString DragFormat = QStringLiteral("application/x-tavrin-budget-holder");
// The drag starts once the mouse has moved this far with the left button held.
constexpr int DragThreshold = 10;

} // namespace

TImageCtrl::TImageCtrl(QWidget* owner, QObject* messageTarget)
    : TImageBase(owner)
    , m_target(messageTarget)
{
    TTileAccessible::install();
    setAcceptDrops(true);
    // Tab stops at the box, which hands the focus on to its selected (or first) tile.
    setFocusPolicy(Qt::ClickFocus);
}

void TImageCtrl::Redraw()
{
    // A tile stands on the plain grey of its box: its picture is shown whole.
    m_transparent = false;
    if (FIsWallet)
        paintRecord(FSelected ? QStringLiteral("wallet_f.bmp") : QStringLiteral("wallet.bmp"));
    else
        paintRecord(FSelected ? QStringLiteral("acc_f.bmp") : QStringLiteral("acc.bmp"));
}

void TImageCtrl::setSelected(bool selected)
{
    if (selected == FSelected)
        return;
    FSelected = selected;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    Redraw();
}

void TImageCtrl::UpdateSelection(QObject* clicked)
{
    const auto* tile = qobject_cast<const TImageCtrl*>(clicked);
    const bool selected = tile != nullptr && tile->GetID() == GetID();
    if (selected == FSelected)
        Redraw();
    setSelected(selected);
    if (FSelected && m_target != nullptr) {
        THolderEvent message(THolderEvent::WM_HOLDERSELECT, GetID(), FIsWallet ? 1 : 0);
        QCoreApplication::sendEvent(m_target, &message);
    }
}

void TImageCtrl::press()
{
    FSelected = true;
    if (FOnSelect)
        FOnSelect(this);
}

void TImageCtrl::openProperties()
{
    press();
    if (m_target != nullptr)
        QCoreApplication::postEvent(m_target, new THolderEvent(THolderEvent::WM_HOLDERPROPERTIES, GetID(), 0));
}

void TImageCtrl::openPopup(const QPoint& globalPos)
{
    // The menu's commands act on the selected tile: select this one first.
    QPointer<TImageCtrl> self = this;
    press();
    if (self && m_popup != nullptr)
        m_popup->exec(globalPos);
}

void TImageCtrl::paintEvent(QPaintEvent* event)
{
    TImageBase::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TImageCtrl::focusInEvent(QFocusEvent* event)
{
    TImageBase::focusInEvent(event);
    update();
}

void TImageCtrl::focusOutEvent(QFocusEvent* event)
{
    TImageBase::focusOutEvent(event);
    update();
}

void TImageCtrl::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End: {
            const int step = key == Qt::Key_Home                        ? INT_MIN
                             : key == Qt::Key_End                       ? INT_MAX
                             : key == Qt::Key_Up || key == Qt::Key_Left ? -1
                                                                        : 1;
            if (FOnStep)
                TErrorReport::run(this, [this, step] { FOnStep(this, step); });
            return;
        }
        case Qt::Key_Space:
            TErrorReport::run(this, [this] { press(); });
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            TErrorReport::run(this, [this] { openProperties(); });
            return;
        case Qt::Key_Menu:
            TErrorReport::run(this, [this] { openPopup(mapToGlobal(rect().center())); });
            return;
        default:
            break;
        }
    } else if (modifiers == Qt::ShiftModifier && key == Qt::Key_F10) {
        TErrorReport::run(this, [this] { openPopup(mapToGlobal(rect().center())); });
        return;
    }
    TImageBase::keyPressEvent(event);
}

bool TImageCtrl::acceptsDrop(const QObject* source) const
{
    const auto* tile = qobject_cast<const TImageCtrl*>(source);
    return tile != nullptr && tile->GetID() != GetID();
}

void TImageCtrl::dropFrom(const QObject* source)
{
    if (!acceptsDrop(source) || m_target == nullptr)
        return;
    THolderEvent message(THolderEvent::WM_HOLDERTRANSFER, static_cast<const TImageCtrl*>(source)->GetID(), GetID());
    QCoreApplication::sendEvent(m_target, &message);
}

void TImageCtrl::mousePressEvent(QMouseEvent* event)
{
    m_dragArmed = event->button() == Qt::LeftButton;
    m_dragStart = event->position().toPoint();
    TErrorReport::run(this, [this] { press(); });
    event->accept();
}

void TImageCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragArmed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_dragStart).manhattanLength() < DragThreshold)
        return;
    m_dragArmed = false;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(DragFormat, QByteArray::number(GetID()));
    drag->setMimeData(mime);
    drag->setPixmap(picture());
    drag->setHotSpot(m_dragStart);
    QPointer<TImageCtrl> self = this;
    m_dragging = true;
    drag->exec(Qt::MoveAction);
    if (self)
        m_dragging = false;
}

void TImageCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click selects like any press; the properties message is posted,
    // so its dialog opens once the mouse handling is over.
    TErrorReport::run(this, [this] { openProperties(); });
    event->accept();
}

void TImageCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse press has selected the tile already. The menu key and Shift+F10 are handled as
    // keys, so a context-menu event the platform makes of them opens nothing more.
    if (event->reason() != QContextMenuEvent::Keyboard && m_popup != nullptr)
        m_popup->exec(event->globalPos());
    event->accept();
}

void TImageCtrl::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(DragFormat) && acceptsDrop(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TImageCtrl::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(DragFormat) && acceptsDrop(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TImageCtrl::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(DragFormat) || !acceptsDrop(event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The transfer dialog is modal: it opens once the drag has ended, not inside the drag's loop.
    QPointer<QObject> source = event->source();
    QPointer<TImageCtrl> self = this;
    QTimer::singleShot(0, this, [self, source] {
        if (self && source)
            TErrorReport::run(self, [&] { self->dropFrom(source); });
    });
}
