#include "BarChartPlugin.h"

#include "BarChartView.h"

BarChartControl* BarChartPlugin::createBarChart(QWidget* parent)
{
    return new BarChartView(parent);
}
