// The charts of a dialog are drawn by a plugin of their own, loaded when a dialog first shows
// one: Qt Charts, and the OpenGL libraries it brings, cost every start time that only the
// rare opening of a chart needs.
#pragma once

#include <QStringList>
#include <QVector>
#include <QtPlugin>

class QWidget;

// Bars of one kind, a value for each label.
struct BarSet {
    QString name;
    QVector<int> values;
};

// A chart of labelled bars, drawn in its widget's font and palette: one set, or several side
// by side. A label's "\n" starts its second line.
class BarChartControl {
public:
    virtual ~BarChartControl() = default;
    virtual QWidget* widget() = 0;
    virtual void setBars(const QString& title, const QStringList& labels,
                         const QList<BarSet>& sets) = 0;
};

class ChartPlugin {
public:
    virtual ~ChartPlugin() = default;
    // A chart that belongs to `parent`, as its child widget.
    virtual BarChartControl* createBarChart(QWidget* parent) = 0;
};

#define ChartPlugin_iid "org.zplatform.ChartPlugin/1"
Q_DECLARE_INTERFACE(ChartPlugin, ChartPlugin_iid)
