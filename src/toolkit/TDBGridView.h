#pragma once

#include "data/TRowSet.h"
#include "toolkit/TGridColor.h"
#include "toolkit/TGridColumn.h"
#include "toolkit/TGridOptions.h"

#include <QList>
#include <QTableView>

class TDBGridFooter;
class TGridModel;
class TRowNumberDelegate;

// A data grid: a table of fetched rows over the program's own grid model, with title buttons and
// sort markers, whole-row selection of one or several rows (click, Ctrl+click, Shift+click),
// alternating row colours, a footer row and frozen columns on the left. Not editable.
//
// Tab and Shift+Tab move from cell to cell (when tab key navigation is on, as a table's is), but
// Tab on the last cell and Shift+Tab on the first leave the grid for the next or previous control,
// and Ctrl+Tab and Ctrl+Shift+Tab always leave it: the keyboard is never caught in the grid.
class TDBGridView final : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDBGridView)

public:
    explicit TDBGridView(QWidget* parent = nullptr);

    TGridModel* gridModel() const { return m_model; }
    void setGridLayout(const TGridOptions& options, const QList<TGridColumn>& columns);
    // Shows a new result in the statement's order.
    void setRows(TRowSet rows);

    // Sorts by `column` as a click on its title button does (three states), under the wait cursor.
    void SortByColumn(int column);
    // The positions of the selected rows, in the order in which the selection keeps them.
    QList<int> selectedPositions() const;

    // The desktop's colours now, as the grid and its exports resolve them.
    static TGridColor::System systemColors();

    TDBGridFooter* footer() const { return m_footer; }
    QTableView* frozenView() const { return m_frozen; }

signals:
    // A click on the title button of `column`.
    void titleButtonClicked(int column);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyColumns();
    void applyColumnsTo(QTableView* view);
    // The width the widest text of the format of `column` needs in the grid's font; 0 for none.
    int formatWidth(int column) const;
    void fitFormatWidths();
    void updateOverlays();
    void headerClicked(int logicalIndex);
    void sectionResized(int logicalIndex, int oldSize, int newSize);
    int frozenWidth() const;
    int footerHeight() const;
    // Whether Tab (`next`) or Shift+Tab would start over at the other end of the cells.
    bool tabWouldWrap(bool next);

    TGridModel* m_model;
    TDBGridFooter* m_footer;
    QTableView* m_frozen;
    TRowNumberDelegate* m_numbers;
    bool m_clamping = false;
    // For each column, the format width it was last grown to.
    QList<int> m_formatWidths;
};
