#include "app/TTileBox.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

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
}

void TTileBox::fitCanvas()
{
    QRect extent;
    for (QWidget* child : m_canvas->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        extent = extent.united(child->geometry());
    // Room for the tiles plus the 10-pixel margin after the last one along the box's direction; a
    // box only scrolls where its tiles do not fit.
    const QSize viewport = maximumViewportSize();
    const int width = extent.right() + 1 + (m_orientation == Qt::Horizontal ? 10 : 0);
    const int height = extent.bottom() + 1 + (m_orientation == Qt::Vertical ? 10 : 0);
    m_canvas->resize(qMax(viewport.width(), width), qMax(viewport.height(), height));
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
