// CBarChart: a dialog's chart control (class "CHART" in its template), shown as labelled
// bars. A screen reader reads the bars' numbers as the control's description.
#pragma once

#include "CString.h"

#include <vector>

class CWnd;

class CBarChart {
public:
    // The chart control `id` of `dialog`, whose window exists.
    CBarChart(CWnd& dialog, int id);

    // One set of bars, a value for each label. A label's "\n" starts its second line.
    void SetBars(const CString& title, const std::vector<CString>& labels,
                 const std::vector<int>& values);
    // Several sets side by side, each named in a legend.
    void SetBars(const CString& title, const std::vector<CString>& labels,
                 const std::vector<CString>& setNames, const std::vector<std::vector<int>>& sets);

private:
    CWnd* m_pControl;
};
