// CBarChart: a dialog's chart control (class "CHART" in its template), shown as labelled
// bars, one value each.
#pragma once

#include "CString.h"

#include <vector>

class CWnd;

class CBarChart {
public:
    // The chart control `id` of `dialog`, whose window exists.
    CBarChart(CWnd& dialog, int id);

    void SetBars(const CString& title, const std::vector<CString>& labels,
                 const std::vector<int>& values);

private:
    CWnd* m_pControl;
};
