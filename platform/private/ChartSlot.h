// A dialog's chart control (class "CHART" in its template): the place of a chart, which the
// chart plugin fills when the program first gives it bars.
#pragma once

#include <QWidget>

class BarChartControl;

class ChartSlot : public QWidget {
    Q_OBJECT

public:
    explicit ChartSlot(QWidget* parent);

    // The chart in the slot, made on the first call; null when the plugin cannot be loaded.
    BarChartControl* chart();

private:
    BarChartControl* m_chart = nullptr;
};
