#include "app/TTileBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>

TTileBox::TTileBox(Qt::Orientation orientation, QWidget* parent)
    : QScrollArea(parent)
    , m_orientation(orientation)
    , m_canvas(new QWidget)
{
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->setAutoFillBackground(true);
    QPalette palette = m_canvas->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    m_canvas->setPalette(palette);
    m_canvas->installEventFilter(this);
    setWidget(m_canvas);
    setWidgetResizable(false);
    setFrameShape(QFrame::StyledPanel);
    setPalette(palette);
    setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::NoFocus);
}

void TTileBox::fitCanvas()
{
    const bool vertical = m_orientation == Qt::Vertical;
    const QList<QWidget*> tiles = m_canvas->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    // Along the box: the tiles as placed, plus the margin after the last one. Across it: the
    // largest tile.
    int along = 0;
    int across = 0;
    for (const QWidget* tile : tiles) {
        const QRect r = tile->geometry();
        along = qMax(along, (vertical ? r.bottom() : r.right()) + 1 + Margin);
        across = qMax(across, vertical ? r.width() : r.height());
    }
    const QSize viewport = maximumViewportSize();
    const int alongRoom = vertical ? viewport.height() : viewport.width();
    int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, this))
        bar += style()->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, nullptr, this);
    // The room across the box, less the scroll bar along it when the tiles need one. The margin
    // before the tiles gives way (down to 0) before the cards would need a scroll bar across.
    const int acrossRoom = (vertical ? viewport.width() : viewport.height()) - (along > alongRoom ? bar : 0);
    const int offset = qBound(0, acrossRoom - across, Margin);
    for (QWidget* tile : tiles) {
        if (vertical)
            tile->move(offset, tile->y());
        else
            tile->move(tile->x(), offset);
    }
    const int acrossSize = qMax(acrossRoom, offset + across);
    const int alongSize = qMax(alongRoom - (offset + across > acrossRoom ? bar : 0), along);
    m_canvas->resize(vertical ? QSize(acrossSize, alongSize) : QSize(alongSize, acrossSize));
}

void TTileBox::setFocusTile(QWidget* tile)
{
    m_focusTile = tile;
    setFocusPolicy(tile != nullptr ? Qt::TabFocus : Qt::NoFocus);
}

void TTileBox::focusInEvent(QFocusEvent* event)
{
    QScrollArea::focusInEvent(event);
    if (m_focusTile != nullptr) {
        m_focusTile->setFocus(event->reason());
        ensureWidgetVisible(m_focusTile, 0, 0);
    }
}

bool TTileBox::focusNextPrevChild(bool next)
{
    // Tab on a tile leaves the box: the next tab stop before or after the box itself, outside it.
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !isAncestorOf(focus))
        return QScrollArea::focusNextPrevChild(next);
    for (QWidget* w = next ? nextInFocusChain() : previousInFocusChain(); w != this;
         w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (isAncestorOf(w) || w->window() != window() || !w->isVisibleTo(window()) || !w->isEnabled())
            continue;
        QWidget* target = w;
        while (target->focusProxy() != nullptr)
            target = target->focusProxy();
        if ((w->focusPolicy() & Qt::TabFocus) && !isAncestorOf(target)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool TTileBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_canvas) {
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                emit emptyClicked();
        } else if (event->type() == QEvent::ContextMenu && m_popup != nullptr) {
            m_popup->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void TTileBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    fitCanvas();
}
