#include "toolkit/TDBGridHeader.h"

#include "toolkit/TGridModel.h"

#include <QPainter>
#include <QPolygon>

TDBGridHeader::TDBGridHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TDBGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const auto* grid = qobject_cast<const TGridModel*>(model());
    if (grid == nullptr || logicalIndex >= grid->columnCount())
        return;
    const TGridModel::SortMarker marker = grid->sortMarker(logicalIndex);
    if (marker == TGridModel::SortMarker::None || rect.width() < 16)
        return;
    // A small triangle at the right end of the title: pointing up for ascending, down for descending.
    const int size = 4;
    const QPoint c(rect.right() - 8, rect.center().y());
    QPolygon triangle;
    if (marker == TGridModel::SortMarker::Up)
        triangle << QPoint(c.x() - size, c.y() + size / 2) << QPoint(c.x() + size, c.y() + size / 2)
                 << QPoint(c.x(), c.y() - size / 2 - 1);
    else
        triangle << QPoint(c.x() - size, c.y() - size / 2) << QPoint(c.x() + size, c.y() - size / 2)
                 << QPoint(c.x(), c.y() + size / 2 + 1);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::ButtonText));
    painter->drawPolygon(triangle);
    painter->restore();
}
