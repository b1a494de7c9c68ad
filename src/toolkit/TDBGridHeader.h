#pragma once

#include <QHeaderView>

// The title row of a data grid: title buttons that show each column's sort marker (several
// columns may carry one; the column clicked last orders the rows).
class TDBGridHeader final : public QHeaderView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDBGridHeader)

public:
    explicit TDBGridHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
