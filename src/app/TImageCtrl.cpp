#include "app/TImageCtrl.h"

#include "app/THolderEvent.h"
#include "toolkit/TErrorReport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace {

const QString DragFormat = QStringLiteral("application/x-tavrin-budget-holder");
// The drag starts once the mouse has moved this far with the left button held.
constexpr int DragThreshold = 10;

} // namespace

TImageCtrl::TImageCtrl(QWidget* owner, QObject* messageTarget)
    : TImageBase(owner)
    , m_target(messageTarget)
{
    setAcceptDrops(true);
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

void TImageCtrl::UpdateSelection(QObject* clicked)
{
    const auto* tile = qobject_cast<const TImageCtrl*>(clicked);
    if (tile != nullptr && tile->GetID() == GetID()) {
        FSelected = true;
        Redraw();
        if (m_target != nullptr) {
            THolderEvent message(THolderEvent::WM_HOLDERSELECT, GetID(), FIsWallet ? 1 : 0);
            QCoreApplication::sendEvent(m_target, &message);
        }
    } else {
        FSelected = false;
        Redraw();
    }
}

void TImageCtrl::press()
{
    FSelected = true;
    if (FOnSelect)
        FOnSelect(this);
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
    drag->exec(Qt::MoveAction);
}

void TImageCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click selects like any press; the properties message is posted,
    // so its dialog opens once the mouse handling is over.
    TErrorReport::run(this, [this] { press(); });
    if (m_target != nullptr)
        QCoreApplication::postEvent(m_target, new THolderEvent(THolderEvent::WM_HOLDERPROPERTIES, GetID(), 0));
    event->accept();
}

void TImageCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_popup != nullptr)
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
