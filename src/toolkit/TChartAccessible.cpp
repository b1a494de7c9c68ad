#include "toolkit/TChartAccessible.h"

#include "toolkit/TChartView.h"

TChartAccessible::TChartAccessible(TChartView* chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{}

TChartView* TChartAccessible::chart() const
{
    return static_cast<TChartView*>(widget());
}

QString TChartAccessible::text(QAccessible::Text t) const
{
    const TChartView* view = chart();
    switch (t) {
    case QAccessible::Name:
        if (view->currentSeries() >= 0)
            return view->describe(view->currentSeries(), view->currentCategory());
        return view->m_title;
    case QAccessible::Description:
        return view->m_title;
    default:
        return QAccessibleWidget::text(t);
    }
}

namespace {

QAccessibleInterface* chartFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TChartView") && object != nullptr && object->isWidgetType())
        return new TChartAccessible(static_cast<TChartView*>(object));
    return nullptr;
}

} // namespace

void TChartAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
