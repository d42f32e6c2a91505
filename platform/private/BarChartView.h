// A dialog's chart: labelled bars drawn with Qt Charts, one value each. It knows only
// numbers and labels, draws its texts in the dialog's font, so that it follows the zoom, and
// takes Qt Charts' dark or light look after the window's palette.
#pragma once

#include "ChartPlugin.h"

#include <QChartView>

class BarChartView : public QChartView, public BarChartControl {
    Q_OBJECT

public:
    explicit BarChartView(QWidget* parent);

    QWidget* widget() override { return this; }
    void setBars(const QString& title, const QStringList& labels,
                 const QList<BarSet>& sets) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The theme, fonts and text colours, after the palette and the font.
    void applyLook();
    void fitCategoryLabels();

    // The lines of the bars' labels, as plain text.
    QStringList m_labelLines;
};
