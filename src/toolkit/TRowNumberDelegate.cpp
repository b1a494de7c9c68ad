#include "toolkit/TRowNumberDelegate.h"

#include <QApplication>
#include <QPainter>

TRowNumberDelegate::TRowNumberDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{}

void TRowNumberDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The cell's background and selection as any cell has them, without its text...
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString number = cell.text;
    cell.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    // ...and the number at its fixed place.
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(cell.font);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                             : index.data(Qt::ForegroundRole).value<QBrush>().color());
    painter->drawText(option.rect.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, number);
    painter->restore();
}
