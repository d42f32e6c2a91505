#include "CBarChart.h"

#include "CWnd.h"
#include "private/BarChartView.h"
#include "private/QtConvert.h"

CBarChart::CBarChart(CWnd& dialog, int id) : m_pControl(dialog.GetDlgItem(id)) {}

void CBarChart::SetBars(const CString& title, const std::vector<CString>& labels,
                        const std::vector<int>& values)
{
    auto* view = m_pControl ? qobject_cast<BarChartView*>(m_pControl->GetHandle()) : nullptr;
    if (!view)
        return;
    QStringList names;
    for (const CString& label : labels)
        names.append(toQString(label));
    view->setBars(toQString(title), names, QVector<int>(values.begin(), values.end()));
}
