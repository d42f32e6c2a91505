#include "BarChartView.h"

#include "ScaledFont.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QEvent>
#include <QFontMetricsF>
#include <QLegend>
#include <QValueAxis>
#include <algorithm>

BarChartView::BarChartView(QWidget* parent) : QChartView(new QChart, parent)
{
    chart()->legend()->hide();
    chart()->setMargins(QMargins(2, 2, 2, 2));
    // Drawn once per change: no animation that would delay the first paint.
    chart()->setAnimationOptions(QChart::NoAnimation);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    connect(chart(), &QChart::plotAreaChanged, this, &BarChartView::fitCategoryLabels);
    applyLook();
}

void BarChartView::setBars(const QString& title, const QStringList& labels,
                           const QList<BarSet>& sets)
{
    QChart* barChart = chart();
    barChart->removeAllSeries();
    for (QAbstractAxis* axis : barChart->axes())
        barChart->removeAxis(axis);
    barChart->setTitle(title);
    auto* series = new QBarSeries;
    int highest = 0;
    for (const BarSet& bars : sets) {
        auto* set = new QBarSet(bars.name);
        for (const int value : bars.values) {
            *set << value;
            highest = std::max(highest, value);
        }
        series->append(set);
    }
    // One set carries its numbers on its bars; several are told apart by a legend and read
    // on a scale, as their numbers would crowd.
    const bool oneSet = sets.size() == 1;
    series->setLabelsVisible(oneSet);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    barChart->legend()->setVisible(!oneSet);
    barChart->legend()->setAlignment(Qt::AlignTop);
    barChart->addSeries(series);
    m_labelLines.clear();
    for (const QString& label : labels)
        m_labelLines << label.split(u'\n');
    auto* categories = new QBarCategoryAxis;
    // Axis labels are rich text.
    for (const QString& label : labels)
        categories->append(QString(label).replace(u'\n', QStringLiteral("<br>")));
    // A label a little wider than its bar is shown whole rather than cut to "…".
    categories->setTruncateLabels(false);
    barChart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* counts = new QValueAxis;
    // Room above the highest bar for its number, up to an even count, so that the middle
    // tick of the scale is a whole number too: an empty chart reads 0, 1, 2.
    const int top = highest + highest / 5 + 1;
    counts->setRange(0, std::max(2, top + top % 2));
    counts->setLabelsVisible(!oneSet);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setGridLineVisible(!oneSet);
    counts->setTickCount(oneSet ? 2 : 3);
    barChart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);
    applyLook();
}

void BarChartView::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        applyLook();
}

void BarChartView::applyLook()
{
    QChart* barChart = chart();
    // A theme sets every colour and font of the chart, so it comes first.
    const QColor text = palette().color(QPalette::WindowText);
    const QChart::ChartTheme theme =
        text.lightness() > palette().color(QPalette::Window).lightness() ? QChart::ChartThemeDark
                                                                         : QChart::ChartThemeLight;
    if (barChart->theme() != theme)
        barChart->setTheme(theme);
    barChart->setBackgroundRoundness(0);
    barChart->setTitleBrush(text);
    barChart->setTitleFont(font());
    // The bars' labels are a little smaller, so that a day's number fits under its bar.
    const QFont labelFont = scaledFont(font(), 0.8);
    for (QAbstractAxis* axis : barChart->axes()) {
        axis->setLabelsFont(labelFont);
        axis->setLabelsBrush(text);
    }
    fitCategoryLabels();
    barChart->legend()->setFont(labelFont);
    barChart->legend()->setLabelColor(text);
    for (QAbstractSeries* series : barChart->series()) {
        if (auto* bars = qobject_cast<QBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                set->setLabelFont(labelFont);
                set->setLabelColor(text);
            }
        }
    }
}

// Qt Charts hides a label at either end that is wider than its bar's room, so the labels
// shrink until the widest fits.
void BarChartView::fitCategoryLabels()
{
    QChart* barChart = chart();
    const QList<QAbstractAxis*> axes = barChart->axes(Qt::Horizontal);
    const auto* categories = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes[0]);
    if (!categories || categories->count() == 0)
        return;
    QFont labelFont = barChart->legend()->font();
    qreal widest = 1;
    for (const QString& line : std::as_const(m_labelLines))
        widest = std::max(widest, QFontMetricsF(labelFont).horizontalAdvance(line));
    // A little room is kept between neighbours.
    const qreal room = barChart->plotArea().width() / categories->count() - 2;
    if (room > 0 && widest > room)
        labelFont = scaledFont(labelFont, room / widest);
    if (categories->labelsFont() != labelFont)
        axes[0]->setLabelsFont(labelFont);
}
