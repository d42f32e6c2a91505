#include "BarChartView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QEvent>
#include <QValueAxis>
#include <algorithm>

BarChartView::BarChartView(QWidget* parent) : QChartView(new QChart, parent)
{
    chart()->legend()->hide();
    chart()->setBackgroundRoundness(0);
    chart()->setMargins(QMargins(2, 2, 2, 2));
    // Drawn once per change: no animation that would delay the first paint.
    chart()->setAnimationOptions(QChart::NoAnimation);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
}

void BarChartView::setBars(const QString& title, const QStringList& labels,
                           const QVector<int>& values)
{
    QChart* barChart = chart();
    barChart->removeAllSeries();
    for (QAbstractAxis* axis : barChart->axes())
        barChart->removeAxis(axis);
    barChart->setTitle(title);
    auto* set = new QBarSet(title);
    for (const int value : values)
        *set << value;
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    barChart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    // A label a little wider than its bar is shown whole rather than cut to "…".
    categories->setTruncateLabels(false);
    barChart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* counts = new QValueAxis;
    const int highest = values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
    // Room above the highest bar for its number.
    counts->setRange(0, std::max(1, highest + highest / 5 + 1));
    // Each bar carries its number; the scale would only repeat them.
    counts->setLabelsVisible(false);
    counts->setGridLineVisible(false);
    counts->setTickCount(2);
    barChart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);
    applyFont();
}

void BarChartView::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyFont();
}

void BarChartView::applyFont()
{
    QChart* barChart = chart();
    barChart->setTitleFont(font());
    // The bars' labels are a little smaller, so that a day's number fits under its bar.
    QFont labelFont = font();
    if (labelFont.pixelSize() > 0)
        labelFont.setPixelSize(qMax(1, labelFont.pixelSize() * 4 / 5));
    else
        labelFont.setPointSizeF(labelFont.pointSizeF() * 0.8);
    for (QAbstractAxis* axis : barChart->axes())
        axis->setLabelsFont(labelFont);
    for (QAbstractSeries* series : barChart->series()) {
        if (auto* bars = qobject_cast<QBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                set->setLabelFont(labelFont);
                set->setLabelColor(palette().color(QPalette::WindowText));
            }
        }
    }
}
