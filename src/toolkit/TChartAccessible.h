#pragma once

#include <QAccessibleWidget>

class TChartView;

// What assistive tools see of a chart: a chart named by its current element ("March 2026,
// Spending: 1,234.56") and described by its title.
class TChartAccessible final : public QAccessibleWidget
{
public:
    explicit TChartAccessible(TChartView* chart);

    QString text(QAccessible::Text t) const override;

    // Makes assistive tools use this interface for every chart.
    static void install();

private:
    TChartView* chart() const;
};
