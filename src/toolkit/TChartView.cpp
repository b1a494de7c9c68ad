#include "toolkit/TChartView.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

// A plain chart: one bar per element, side by side within each category, scaled to the largest
// amount. What the chart shows and where the user is are kept by a helper that also answers the
// chart's paint, mouse and key events.

namespace {

class ChartState final : public QObject
{
public:
    explicit ChartState(TChartView* view)
        : QObject(view)
        , m_view(view)
    {
        setObjectName(QStringLiteral("chartState"));
        view->installEventFilter(this);
    }

    QStringList categories;
    QList<TChartView::Series> series;
    QString title;
    int current = -1;
    int category = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_view)
            return false;
        if (event->type() == QEvent::Paint) {
            QPainter painter(m_view);
            m_view->render(painter, m_view->rect());
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            const auto [s, c] = m_view->elementAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (s >= 0) {
                m_view->setCurrent(s, c);
                emit m_view->activated(s, c);
            }
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && current >= 0) {
                emit m_view->activated(current, category);
                return true;
            }
            if (key == Qt::Key_Right && !series.isEmpty()) {
                m_view->setCurrent(std::max(current, 0), std::min<int>(category + 1, categories.size() - 1));
                return true;
            }
        }
        return false;
    }

private:
    TChartView* m_view;
};

ChartState* state(const TChartView* view)
{
    return static_cast<ChartState*>(view->findChild<QObject*>(QStringLiteral("chartState")));
}

} // namespace

TChartView::TChartView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
    new ChartState(this);
}

TChartView::~TChartView() = default;

void TChartView::setData(const QStringList& categories, const QList<Series>& series)
{
    ChartState* s = state(this);
    s->categories = categories;
    s->series = series;
    if (s->category >= categories.size() || s->current >= series.size())
        s->category = s->current = -1;
    update();
}

void TChartView::setOrientation(Qt::Orientation) {}

void TChartView::setTitle(const QString& title)
{
    state(this)->title = title;
    setAccessibleDescription(title);
    update();
}

QStringList TChartView::categories() const
{
    return state(this)->categories;
}

QList<TChartView::Series> TChartView::series() const
{
    return state(this)->series;
}

int TChartView::currentSeries() const
{
    return state(this)->current;
}

int TChartView::currentCategory() const
{
    return state(this)->category;
}

void TChartView::setCurrent(int series, int category)
{
    ChartState* s = state(this);
    s->current = series;
    s->category = category;
    setAccessibleName(describe(series, category));
    emit currentChanged(series, category);
    update();
}

QString TChartView::describe(int series, int category) const
{
    const ChartState* s = state(this);
    if (series < 0 || series >= s->series.size() || category < 0 || category >= s->categories.size())
        return {};
    return QStringLiteral("%1, %2: %3")
        .arg(s->categories[category], s->series[series].name,
             s->series[series].values.value(category).toPlainString(locale(), 2));
}

QRect TChartView::elementRect(int series, int category) const
{
    const ChartState* s = state(this);
    if (s->series.isEmpty() || s->categories.isEmpty())
        return {};
    const int count = int(s->series.size());
    const int slot = std::max(1, width() / int(s->categories.size() * count));
    return {(category * count + series) * slot, 0, slot, height()};
}

std::pair<int, int> TChartView::elementAt(const QPoint& pos) const
{
    const ChartState* s = state(this);
    for (int c = 0; c < s->categories.size(); ++c)
        for (int i = 0; i < s->series.size(); ++i)
            if (elementRect(i, c).contains(pos))
                return {i, c};
    return {-1, -1};
}

void TChartView::render(QPainter& painter, const QRect& target) const
{
    const ChartState* s = state(this);
    painter.drawText(target, Qt::AlignTop | Qt::AlignHCenter, s->title);
    qint64 largest = 1;
    for (const Series& line : s->series)
        for (const Currency& v : line.values)
            largest = std::max<qint64>(largest, std::abs(v.raw()));
    const int count = int(s->series.size());
    const int slot = std::max(1, target.width() / std::max(1, int(s->categories.size()) * count));
    for (int c = 0; c < s->categories.size(); ++c)
        for (int i = 0; i < count; ++i) {
            const int h = int(target.height() * std::abs(s->series[i].values.value(c).raw()) / largest);
            painter.fillRect(target.left() + (c * count + i) * slot, target.bottom() - h, std::max(1, slot - 1), h,
                             QColor::fromHsv(i * 60 % 360, 160, 200));
        }
}
