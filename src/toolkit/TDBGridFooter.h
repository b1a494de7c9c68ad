#pragma once

#include <QWidget>

class TDBGridView;

// The footer row of a data grid: one cell under each column, in the footer's colour and font,
// following the grid when it scrolls sideways (the frozen columns stay). Its accessible name is
// the row's text.
class TDBGridFooter final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDBGridFooter)

public:
    explicit TDBGridFooter(TDBGridView* grid);

    // Where the cell of `column` is drawn, in the footer's own coordinates.
    QRect cellRect(int column) const;
    // Makes the accessible name the footer row as text, for assistive tools.
    void updateAccessibleText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDBGridView* m_grid;
};
