#pragma once

#include <QStyledItemDelegate>

// Draws the row numbers of a grid's number column: the number 3 pixels right of the cell's left
// edge and 2 pixels below its top, clipped to the cell.
class TRowNumberDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRowNumberDelegate)

public:
    explicit TRowNumberDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
