#pragma once

#include <QPointer>
#include <QScrollArea>

class QMenu;

// A scroll box of holder tiles, in a column (vertical) or a row (horizontal). The tiles are placed
// by position on its canvas, which grows to hold them so that the box scrolls along its direction;
// across it the tiles move in from their margin where the box is too narrow, so that the cards
// need no scroll bar across while they fit. A left click on the empty part of the canvas reports
// emptyClicked(), a right click there opens the box's own pop-up menu. For the keyboard the box is
// one tab stop that hands the focus to its focus tile; Tab and Shift+Tab leave it again.
class TTileBox : public QScrollArea
{
    Q_OBJECT

public:
    // The margin before the first tile and after the last one.
    static constexpr int Margin = 10;

    explicit TTileBox(Qt::Orientation orientation, QWidget* parent = nullptr);

    QWidget* canvas() const { return m_canvas; }
    void setPopupMenu(QMenu* menu) { m_popup = menu; }
    // Grows the canvas to the extent of the tiles on it (plus the margin) and sets the tiles'
    // distance from the edge across the box.
    void fitCanvas();
    // The tile that Tab reaches in this box; none takes the box out of the tab order.
    void setFocusTile(QWidget* tile);

signals:
    void emptyClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Qt::Orientation m_orientation;
    QWidget* m_canvas;
    QMenu* m_popup = nullptr;
    QPointer<QWidget> m_focusTile;
};
