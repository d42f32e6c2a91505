// The chart plugin's entry point: makes the bar charts, with Qt Charts.
#pragma once

#include "ChartPlugin.h"

#include <QObject>

class BarChartPlugin : public QObject, public ChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ChartPlugin_iid)
    Q_INTERFACES(ChartPlugin)

public:
    BarChartControl* createBarChart(QWidget* parent) override;
};
