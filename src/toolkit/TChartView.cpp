#include "toolkit/TChartView.h"

#include "toolkit/TChartAccessible.h"
#include "toolkit/TChartScale.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// Space between the parts of the chart, in line heights.
constexpr double Gap = 0.5;
// The share of a category's band its bars fill; the rest parts the categories.
constexpr double BandFill = 0.8;
// The side of a line's point mark, in pixels.
constexpr double MarkSize = 9.0;
// The share of the width category labels may take in the horizontal orientation.
constexpr double LabelShare = 0.4;
// How much lighter the series' colours are over a dark background (HSL lightness, of 255).
constexpr int DarkLift = 60;

QColor mix(const QColor& a, const QColor& b, double aShare)
{
    return QColor::fromRgbF(float(a.redF() * aShare + b.redF() * (1 - aShare)),
                            float(a.greenF() * aShare + b.greenF() * (1 - aShare)),
                            float(a.blueF() * aShare + b.blueF() * (1 - aShare)));
}

} // namespace

struct TChartView::Layout
{
    const QPaintDevice* device = nullptr; // whose resolution the fonts are measured in
    QFont font;
    QFont titleFont;
    double lineHeight = 0;
    QRectF title;
    QRectF legend;
    QRectF plot;
    TChartScale::Axis axis;
    QList<Currency> marks;
    QStringList markTexts;
    double categoryLabelWidth = 0; // the horizontal orientation's labels on the left
    int labelEvery = 1;
    QList<int> barIndex; // per series: its place among the bar series, or -1 for a line
    int barCount = 0;

    bool vertical = true;
    int categories = 0;

    // The value's position along the value axis.
    double valuePos(Currency value) const
    {
        const double span = double(axis.high.raw()) - double(axis.low.raw());
        const double share = span > 0 ? (double(value.raw()) - double(axis.low.raw())) / span : 0;
        return vertical ? plot.bottom() - share * plot.height() : plot.left() + share * plot.width();
    }
    // The extent of one category along the category axis.
    double slot() const { return categories > 0 ? (vertical ? plot.width() : plot.height()) / categories : 0; }
    double bandStart(int category) const { return (vertical ? plot.left() : plot.top()) + category * slot(); }
};

TChartView::TChartView(QWidget* parent)
    : QWidget(parent)
{
    TChartAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

TChartView::~TChartView() = default;

void TChartView::setData(const QStringList& categories, const QList<Series>& series)
{
    m_categories = categories;
    m_series = series;
    for (Series& s : m_series)
        s.values.resize(m_categories.size());
    int s = m_currentSeries;
    int c = m_currentCategory;
    if (m_series.isEmpty() || m_categories.isEmpty()) {
        s = -1;
        c = -1;
    } else {
        s = std::clamp(s, 0, int(m_series.size()) - 1);
        c = std::clamp(c, 0, int(m_categories.size()) - 1);
    }
    const bool moved = s != m_currentSeries || c != m_currentCategory;
    m_currentSeries = s;
    m_currentCategory = c;
    update();
    if (moved)
        emit currentChanged(s, c);
    currentMoved();
}

void TChartView::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    update();
}

void TChartView::setTitle(const QString& title)
{
    m_title = title;
    update();
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QStringList TChartView::categories() const
{
    return m_categories;
}

QList<TChartView::Series> TChartView::series() const
{
    return m_series;
}

int TChartView::currentSeries() const
{
    return m_currentSeries;
}

int TChartView::currentCategory() const
{
    return m_currentCategory;
}

bool TChartView::isElement(int series, int category) const
{
    return series >= 0 && series < m_series.size() && category >= 0 && category < m_categories.size();
}

void TChartView::setCurrent(int series, int category)
{
    if (!isElement(series, category) || (series == m_currentSeries && category == m_currentCategory))
        return;
    m_currentSeries = series;
    m_currentCategory = category;
    update();
    emit currentChanged(series, category);
    currentMoved();
}

void TChartView::currentMoved()
{
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

QString TChartView::describe(int series, int category) const
{
    if (!isElement(series, category))
        return QString();
    const Currency value = m_series[series].values[category];
    // Cents as the program shows money; the ten-thousandths too when the figure has them.
    const int decimals = value.raw() % 100 == 0 ? 2 : 4;
    return tr("%1, %2: %3")
        .arg(m_categories[category], m_series[series].name, value.toGroupedString(locale(), decimals));
}

TChartView::Layout TChartView::layoutFor(const QRectF& target, const QPaintDevice* device) const
{
    Layout l;
    l.device = device;
    l.font = font();
    l.titleFont = font();
    l.titleFont.setBold(true);
    const QFontMetricsF fm(l.font, device);
    const QFontMetricsF titleMetrics(l.titleFont, device);
    l.lineHeight = fm.height();
    l.vertical = m_orientation == Qt::Vertical;
    l.categories = int(m_categories.size());
    for (const Series& s : m_series)
        l.barIndex << (s.style == Style::Bars ? l.barCount++ : -1);

    const double gap = l.lineHeight * Gap;
    QRectF area = target.adjusted(gap, gap, -gap, -gap);
    if (!m_title.isEmpty()) {
        l.title = QRectF(area.left(), area.top(), area.width(), titleMetrics.height());
        area.setTop(l.title.bottom() + gap);
    }
    if (!m_series.isEmpty()) {
        l.legend = QRectF(area.left(), area.top(), area.width(), l.lineHeight);
        area.setTop(l.legend.bottom() + gap);
    }

    Currency low;
    Currency high;
    for (const Series& s : m_series) {
        for (const Currency v : s.values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }

    if (l.vertical) {
        // Category labels below the plot, value marks to its left.
        const double plotHeight = std::max(1.0, area.height() - l.lineHeight - gap);
        l.axis = TChartScale::axis(low, high, std::max(1, int(plotHeight / (l.lineHeight * 2))));
    } else {
        // Value marks below the plot, as many as their widest text lets fit.
        const int decimals = TChartScale::decimals(TChartScale::axis(low, high, 8));
        const double widest = std::max(fm.horizontalAdvance(low.toGroupedString(locale(), decimals)),
                                       fm.horizontalAdvance(high.toGroupedString(locale(), decimals)));
        for (const QString& c : m_categories)
            l.categoryLabelWidth = std::max(l.categoryLabelWidth, fm.horizontalAdvance(c));
        l.categoryLabelWidth = std::min(l.categoryLabelWidth, area.width() * LabelShare);
        const double plotWidth = std::max(1.0, area.width() - l.categoryLabelWidth - gap);
        l.axis = TChartScale::axis(low, high, std::max(1, int(plotWidth / (widest + 2 * l.lineHeight))));
    }
    l.marks = TChartScale::marks(l.axis);
    const int decimals = TChartScale::decimals(l.axis);
    double markWidth = 0;
    for (const Currency m : l.marks) {
        l.markTexts << m.toGroupedString(locale(), decimals);
        markWidth = std::max(markWidth, fm.horizontalAdvance(l.markTexts.back()));
    }

    if (l.vertical) {
        l.plot = QRectF(area.left() + markWidth + gap, area.top() + l.lineHeight / 2,
                        area.width() - markWidth - gap - markWidth / 2,
                        area.height() - l.lineHeight / 2 - l.lineHeight - gap);
    } else {
        l.plot = QRectF(area.left() + l.categoryLabelWidth + gap, area.top(),
                        area.width() - l.categoryLabelWidth - gap - markWidth / 2, area.height() - l.lineHeight - gap);
    }
    if (l.plot.width() < 1)
        l.plot.setWidth(1);
    if (l.plot.height() < 1)
        l.plot.setHeight(1);

    if (l.categories > 0) {
        double labelExtent = l.lineHeight;
        if (l.vertical) {
            labelExtent = 0;
            for (const QString& c : m_categories)
                labelExtent = std::max(labelExtent, fm.horizontalAdvance(c));
        }
        l.labelEvery = TChartScale::labelEvery(l.categories, labelExtent, l.slot(), l.lineHeight / 2);
    }
    return l;
}

QRectF TChartView::elementRectIn(const Layout& l, int series, int category) const
{
    if (!isElement(series, category))
        return QRectF();
    const Currency value = m_series[series].values[category];
    const double slot = l.slot();
    const double start = l.bandStart(category);
    double from = 0;
    double to = 0;
    double along0 = 0;
    double along1 = 0;
    if (l.barIndex[series] >= 0) {
        const double width = slot * BandFill / l.barCount;
        along0 = start + slot * (1 - BandFill) / 2 + l.barIndex[series] * width;
        along1 = along0 + width;
        // Neighbouring bars keep a pixel between them when there is room for it.
        if (width > 4)
            along1 -= 1;
        from = l.valuePos(Currency());
        to = l.valuePos(value);
    } else {
        const double centre = start + slot / 2;
        along0 = centre - MarkSize / 2;
        along1 = centre + MarkSize / 2;
        from = l.valuePos(value) - MarkSize / 2;
        to = from + MarkSize;
    }
    const QRectF r = l.vertical ? QRectF(QPointF(along0, from), QPointF(along1, to))
                                : QRectF(QPointF(from, along0), QPointF(to, along1));
    return r.normalized();
}

QRect TChartView::elementRect(int series, int category) const
{
    return elementRectIn(layoutFor(QRectF(rect()), this), series, category).toRect();
}

std::pair<int, int> TChartView::elementAt(const QPoint& pos) const
{
    const Layout l = layoutFor(QRectF(rect()), this);
    // Lines are drawn over bars, so their points are found first.
    for (const bool lines : {true, false}) {
        for (int s = 0; s < m_series.size(); ++s) {
            if ((l.barIndex[s] < 0) != lines)
                continue;
            for (int c = 0; c < m_categories.size(); ++c) {
                QRectF r = elementRectIn(l, s, c);
                // A bar of nothing, or a thin one, can still be hit.
                if (l.vertical && r.height() < 4)
                    r.adjust(0, -2, 0, 2);
                if (!l.vertical && r.width() < 4)
                    r.adjust(-2, 0, 2, 0);
                if (r.contains(QPointF(pos)))
                    return {s, c};
            }
        }
    }
    return {-1, -1};
}

QList<std::pair<int, QRectF>> TChartView::labelRects() const
{
    return labelRectsIn(layoutFor(QRectF(rect()), this));
}

QList<std::pair<int, QRectF>> TChartView::labelRectsIn(const Layout& l) const
{
    QList<std::pair<int, QRectF>> rects;
    const QFontMetricsF fm(l.font, l.device);
    const double gap = l.lineHeight * Gap;
    for (int c = 0; c < l.categories; c += l.labelEvery) {
        const double centre = l.bandStart(c) + l.slot() / 2;
        if (l.vertical) {
            const double width = fm.horizontalAdvance(m_categories[c]);
            rects.append({c, QRectF(centre - width / 2, l.plot.bottom() + gap / 2, width, l.lineHeight)});
        } else {
            rects.append({c, QRectF(l.plot.left() - gap - l.categoryLabelWidth, centre - l.lineHeight / 2,
                                    l.categoryLabelWidth, l.lineHeight)});
        }
    }
    return rects;
}

QColor TChartView::seriesColor(int index) const
{
    // Blue, orange, bluish green, vermillion, sky blue, reddish purple, yellow.
    static const QColor colors[] = {QColor(0x00, 0x72, 0xB2), QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73),
                                    QColor(0xD5, 0x5E, 0x00), QColor(0x56, 0xB4, 0xE9), QColor(0xCC, 0x79, 0xA7),
                                    QColor(0xF0, 0xE4, 0x42)};
    const QColor color = colors[index % std::size(colors)];
    if (palette().color(QPalette::Base).lightness() >= 128)
        return color;
    // Over a dark background every colour is raised by the same lightness, so they still differ.
    return QColor::fromHsl(color.hslHue(), color.hslSaturation(), std::min(255, color.lightness() + DarkLift));
}

void TChartView::paintChart(QPainter& painter, const QRectF& target, bool focusMark) const
{
    const Layout l = layoutFor(target, painter.device());
    const QPalette& pal = palette();
    const QColor background = pal.color(QPalette::Base);
    const QColor text = pal.color(QPalette::Text);
    const QColor grid = mix(text, background, 0.2);
    // Lines as wide on paper as on the screen: a printer has many more pixels to the inch.
    const double px = std::max(1.0, painter.device()->logicalDpiX() / 96.0);

    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, background);
    painter.setFont(l.font);
    painter.setPen(text);
    const QFontMetricsF fm(l.font, painter.device());

    if (!l.title.isEmpty()) {
        painter.setFont(l.titleFont);
        const QFontMetricsF titleMetrics(l.titleFont, painter.device());
        painter.drawText(l.title, Qt::AlignHCenter | Qt::AlignVCenter,
                         titleMetrics.elidedText(m_title, Qt::ElideRight, l.title.width()));
        painter.setFont(l.font);
    }

    // The legend: a swatch and the name of each series, side by side.
    double x = l.legend.left();
    for (int s = 0; s < m_series.size() && !l.legend.isEmpty(); ++s) {
        const double swatch = l.lineHeight * 0.7;
        const QRectF box(x, l.legend.center().y() - swatch / 2, swatch, swatch);
        if (l.barIndex[s] >= 0) {
            painter.fillRect(box, seriesColor(s));
        } else {
            painter.setPen(QPen(seriesColor(s), 2 * px));
            painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
        }
        painter.setPen(text);
        x = box.right() + l.lineHeight / 4;
        const double width = std::min(fm.horizontalAdvance(m_series[s].name), l.legend.right() - x);
        if (width <= 0)
            break;
        painter.drawText(QRectF(x, l.legend.top(), width, l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         fm.elidedText(m_series[s].name, Qt::ElideRight, width));
        x += width + l.lineHeight;
    }

    if (m_categories.isEmpty() || m_series.isEmpty()) {
        painter.drawText(l.plot, Qt::AlignCenter, tr("No figures to show."));
        painter.restore();
        return;
    }

    // Gridlines and the value marks; the zero line in the text colour.
    const double gap = l.lineHeight * Gap;
    for (int i = 0; i < l.marks.size(); ++i) {
        const double pos = l.valuePos(l.marks[i]);
        painter.setPen(QPen(l.marks[i].isZero() ? text : grid, px));
        if (l.vertical) {
            painter.drawLine(QPointF(l.plot.left(), pos), QPointF(l.plot.right(), pos));
            painter.setPen(text);
            painter.drawText(
                QRectF(target.left(), pos - l.lineHeight / 2, l.plot.left() - gap - target.left(), l.lineHeight),
                Qt::AlignRight | Qt::AlignVCenter, l.markTexts[i]);
        } else {
            painter.drawLine(QPointF(pos, l.plot.top()), QPointF(pos, l.plot.bottom()));
            painter.setPen(text);
            const double width = fm.horizontalAdvance(l.markTexts[i]);
            painter.drawText(QRectF(pos - width / 2, l.plot.bottom() + gap / 2, width, l.lineHeight), Qt::AlignCenter,
                             l.markTexts[i]);
        }
    }

    painter.setPen(text);
    for (const auto& [c, r] : labelRectsIn(l)) {
        painter.drawText(r, l.vertical ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter),
                         fm.elidedText(m_categories[c], Qt::ElideRight, r.width() + 0.5));
    }

    // Bars first, then lines over them.
    for (int s = 0; s < m_series.size(); ++s) {
        if (l.barIndex[s] < 0)
            continue;
        for (int c = 0; c < m_categories.size(); ++c)
            painter.fillRect(elementRectIn(l, s, c), seriesColor(s));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int s = 0; s < m_series.size(); ++s) {
        if (l.barIndex[s] >= 0)
            continue;
        QPolygonF points;
        for (int c = 0; c < m_categories.size(); ++c)
            points << elementRectIn(l, s, c).center();
        painter.setPen(QPen(seriesColor(s), 2 * px));
        painter.drawPolyline(points);
        painter.setPen(Qt::NoPen);
        painter.setBrush(seriesColor(s));
        for (const QPointF& p : points)
            painter.drawEllipse(p, MarkSize * px / 2, MarkSize * px / 2);
        painter.setBrush(Qt::NoBrush);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The focus mark: a dashed frame in the text colour around the current element.
    if (focusMark && isElement(m_currentSeries, m_currentCategory)) {
        QPen pen(text, 1, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(elementRectIn(l, m_currentSeries, m_currentCategory).adjusted(-3, -3, 3, 3));
    }
    painter.restore();
}

void TChartView::render(QPainter& painter, const QRect& target) const
{
    paintChart(painter, QRectF(target), false);
}

void TChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintChart(painter, QRectF(rect()), hasFocus());
}

bool TChartView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const auto [s, c] = elementAt(help->pos());
        if (s >= 0)
            QToolTip::showText(help->globalPos(), describe(s, c), this, elementRect(s, c));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void TChartView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::LocaleChange)
        update();
    QWidget::changeEvent(event);
}

void TChartView::keyPressEvent(QKeyEvent* event)
{
    if (!isElement(m_currentSeries, m_currentCategory)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int lastCategory = int(m_categories.size()) - 1;
    const int lastSeries = int(m_series.size()) - 1;
    int s = m_currentSeries;
    int c = m_currentCategory;
    switch (event->key()) {
    case Qt::Key_Left:
        c = std::max(0, c - 1);
        break;
    case Qt::Key_Right:
        c = std::min(lastCategory, c + 1);
        break;
    case Qt::Key_Up:
        s = std::max(0, s - 1);
        break;
    case Qt::Key_Down:
        s = std::min(lastSeries, s + 1);
        break;
    case Qt::Key_Home:
        c = 0;
        break;
    case Qt::Key_End:
        c = lastCategory;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit activated(s, c);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrent(s, c);
}

void TChartView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const auto [s, c] = elementAt(event->position().toPoint());
    if (s < 0)
        return;
    setCurrent(s, c);
    emit activated(s, c);
}

QSize TChartView::sizeHint() const
{
    return {480, 320};
}

QSize TChartView::minimumSizeHint() const
{
    return {160, 120};
}
