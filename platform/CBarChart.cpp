#include "CBarChart.h"

#include "CWnd.h"
#include "private/ChartPlugin.h"
#include "private/ChartSlot.h"
#include "private/QtConvert.h"

CBarChart::CBarChart(CWnd& dialog, int id) : m_pControl(dialog.GetDlgItem(id)) {}

void CBarChart::SetBars(const CString& title, const std::vector<CString>& labels,
                        const std::vector<int>& values)
{
    SetBars(title, labels, {title}, {values});
}

void CBarChart::SetBars(const CString& title, const std::vector<CString>& labels,
                        const std::vector<CString>& setNames,
                        const std::vector<std::vector<int>>& sets)
{
    auto* slot = m_pControl ? qobject_cast<ChartSlot*>(m_pControl->GetHandle()) : nullptr;
    if (!slot)
        return;
    QList<BarSet> bars;
    for (size_t set = 0; set < sets.size() && set < setNames.size(); ++set)
        bars.append({toQString(setNames[set]), QVector<int>(sets[set].begin(), sets[set].end())});
    QStringList names;
    QStringList described;
    for (const CString& label : labels) {
        names.append(toQString(label));
        QStringList values;
        for (const BarSet& set : bars) {
            const QString value = QString::number(set.values.value(names.size() - 1));
            values.append(bars.size() == 1 ? value : set.name + u' ' + value);
        }
        described.append(QString(names.constLast()).replace(u'\n', u' ') + QStringLiteral(": ") +
                         values.join(QStringLiteral(", ")));
    }
    // A screen reader reads the bars as text.
    slot->setAccessibleDescription(described.join(QStringLiteral("; ")));
    if (BarChartControl* chart = slot->chart())
        chart->setBars(toQString(title), names, bars);
}
