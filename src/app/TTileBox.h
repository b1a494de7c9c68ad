#pragma once

#include <QScrollArea>

class QMenu;

// A scroll box of holder tiles, in a column (vertical) or a row (horizontal). The tiles are placed
// by position on its canvas, which grows to hold them so that the box scrolls; a left click on the empty part of the
// canvas reports emptyClicked(), a right click there opens the box's own pop-up menu.
class TTileBox : public QScrollArea
{
    Q_OBJECT

public:
    explicit TTileBox(Qt::Orientation orientation, QWidget* parent = nullptr);

    QWidget* canvas() const { return m_canvas; }
    void setPopupMenu(QMenu* menu) { m_popup = menu; }
    // Grows the canvas to the extent of the tiles on it (plus the 10-pixel margin).
    void fitCanvas();

signals:
    void emptyClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Qt::Orientation m_orientation;
    QWidget* m_canvas;
    QMenu* m_popup = nullptr;
};
