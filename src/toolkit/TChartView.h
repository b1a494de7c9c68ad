#pragma once

#include "data/Currency.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPainter;

// A chart painted by the program: categories along one axis (months, or purposes and payees), one
// or more series of money over them, each drawn as bars (side by side within a category) or as a
// line through a point per category. The value axis is marked in steps of 1, 2 or 5 times a power
// of ten, amounts and labels in the widget's locale; category labels that do not fit are thinned,
// never overlapped. A legend names the series; colours come from a colour-blind-safe palette whose
// colours also differ in lightness, over the widget's own palette (a dark theme stays readable).
//
// The chart takes focus: the arrow keys move from element to element (Left/Right across
// categories, Up/Down across series), Home/End to the first and last; the current element has a
// visible focus mark and is what the chart's accessible name says ("March 2026, Spending:
// 1,234.56"). A click or Enter on an element activates it; the tool tip of an element is its
// exact figure.
class TChartView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TChartView)

public:
    enum class Style
    {
        Bars,
        Line
    };

    struct Series
    {
        QString name;
        QList<Currency> values; // one per category
        Style style = Style::Bars;
    };

    explicit TChartView(QWidget* parent = nullptr);
    ~TChartView() override;

    // What the chart shows; the current element is kept where it still exists.
    void setData(const QStringList& categories, const QList<Series>& series);
    // Bars grow upwards from the category axis at the bottom (the default), or to the right from
    // the category axis on the left (Qt::Horizontal: for long names such as purposes).
    void setOrientation(Qt::Orientation orientation);
    // The title drawn above the chart, and shown as the chart's accessible description.
    void setTitle(const QString& title);

    QStringList categories() const;
    QList<Series> series() const;

    int currentSeries() const;
    int currentCategory() const;
    void setCurrent(int series, int category);
    // The text that names an element, as the accessible name and the tool tip say it.
    QString describe(int series, int category) const;
    // The element painted at `pos`, or {-1, -1}.
    std::pair<int, int> elementAt(const QPoint& pos) const;
    // The rectangle of an element (a bar, or a point's mark), in widget coordinates.
    QRect elementRect(int series, int category) const;

    // Paints the chart into `target` on any device (a PNG, a PDF, a printer page).
    void render(QPainter& painter, const QRect& target) const;

signals:
    void currentChanged(int series, int category);
    // A click on an element, or Enter on the current one.
    void activated(int series, int category);
};
