#include "ProgressDlg.h"

#include "StandardText.h"

namespace {

// 1240 as "1,240".
CString Grouped(int nValue)
{
    CString strDigits;
    strDigits.Format(_T("%d"), nValue);
    CString strGrouped;
    const int nLength = strDigits.GetLength();
    for (int i = 0; i < nLength; ++i) {
        if (i > 0 && (nLength - i) % 3 == 0 && strDigits[i - 1] != u'-')
            strGrouped += _T(",");
        const WCHAR ch = strDigits[i];
        strGrouped += CString(&ch, 1);
    }
    return strGrouped;
}

CString Percent(int nPart, int nWhole)
{
    CString strPercent;
    strPercent.Format(_T("%d%%"), nWhole > 0 ? (nPart * 100 + nWhole / 2) / nWhole : 0);
    return strPercent;
}

CString Line(LPCTSTR lpszName, const CString& strValue)
{
    return CString(lpszName) + _T(": ") + strValue;
}

// A chart's label for a day: its weekday, or "today", over its date ("Mon", "14").
CString DayLabel(int nDay, int nToday)
{
    return (nDay == nToday ? CProgressDlg::tr("today") : ToCString(progress::shortDayName(nDay))) +
           _T("\n") + ToCString(progress::dayOfMonth(nDay));
}

CString DueOn(int nDay)
{
    CString strName;
    strName.Format(CProgressDlg::tr("Due %s"), ToCString(progress::dayName(nDay)));
    return strName;
}

} // namespace

std::vector<CString> DescribeProgress(const progress::Overview& overview, int nToday,
                                      const std::vector<CString>& unreadableFiles)
{
    std::vector<CString> lines;
    lines.push_back(Line(CProgressDlg::tr("New"), Grouped(overview.perBox[progress::kNewBox])));
    for (int nBox = 1; nBox <= progress::kTopBox; ++nBox) {
        CString strName;
        strName.Format(CProgressDlg::tr("Box %d"), nBox);
        lines.push_back(Line(strName, Grouped(overview.perBox[nBox])));
    }
    int nKnown = 0;
    for (int nBox = 5; nBox <= progress::kTopBox; ++nBox)
        nKnown += overview.perBox[nBox];
    lines.push_back(
        Line(CProgressDlg::tr("Known (boxes 5 to 7)"), Percent(nKnown, overview.entries)));
    for (int nDay = 0; nDay < progress::kDaysAhead; ++nDay) {
        const CString strName = nDay == 0   ? CString(CProgressDlg::tr("Due today"))
                                : nDay == 1 ? CString(CProgressDlg::tr("Due tomorrow"))
                                            : DueOn(nToday + nDay);
        lines.push_back(Line(strName, Grouped(overview.duePerDay[nDay])));
    }
    lines.push_back(Line(CProgressDlg::tr("Answers today"), Grouped(overview.answersToday)));
    lines.push_back(Line(CProgressDlg::tr("Right at the first try today"),
                         overview.answersToday > 0
                             ? Percent(overview.rightToday, overview.answersToday)
                             : CString(CProgressDlg::tr("no answers yet"))));
    int nAnswers = 0;
    int nRight = 0;
    for (int nDay = 0; nDay < progress::kDaysBack; ++nDay) {
        nAnswers += overview.answersPerPastDay[nDay];
        nRight += overview.rightPerPastDay[nDay];
    }
    lines.push_back(Line(CProgressDlg::tr("Answers in the last 14 days"), Grouped(nAnswers)));
    if (nAnswers > 0)
        lines.push_back(
            Line(CProgressDlg::tr("Right at the first try in them"), Percent(nRight, nAnswers)));
    if (!unreadableFiles.empty()) {
        CString strNames;
        for (const CString& strName : unreadableFiles)
            strNames += (strNames.IsEmpty() ? CString() : CString(_T(", "))) + strName;
        CString strLine;
        if (unreadableFiles.size() == 1)
            strLine =
                CProgressDlg::tr("1 file from another machine could not be read: ") + strNames;
        else
            strLine.Format(CProgressDlg::tr("%d files from other machines could not be read: %s",
                                            nullptr, static_cast<int>(unreadableFiles.size())),
                           static_cast<int>(unreadableFiles.size()), strNames);
        lines.push_back(strLine);
    }
    return lines;
}

CString DescribeMedia(int nEntries, int nPictured, int nRecorded)
{
    // The list's size picks the plural; the count of pictures or recordings goes in after.
    const std::pair<CString, int> counts[] = {
        {AfxTranslate("CProgressDlg", "Pictures: %d of %n entries", nullptr, nEntries), nPictured},
        {AfxTranslate("CProgressDlg", "Recordings: %d of %n entries", nullptr, nEntries),
         nRecorded}};
    CString strMedia;
    for (const auto& [strFormat, nCount] : counts) {
        if (nCount == 0)
            continue;
        CString strLine;
        strLine.Format(strFormat, nCount);
        strMedia += strLine + _T("\n");
    }
    return strMedia;
}

BEGIN_MESSAGE_MAP(CProgressDlg, CDialog)
END_MESSAGE_MAP()

CProgressDlg::CProgressDlg(const std::optional<progress::Overview>& overview, int nToday,
                           std::vector<CString> unreadableFiles, CString strLanguages,
                           CString strMedia, CWnd* pParent)
    : CDialog(CProgressDlg::IDD, pParent), m_overview(overview), m_nToday(nToday),
      m_unreadableFiles(std::move(unreadableFiles)), m_strLanguages(std::move(strLanguages)),
      m_strMedia(std::move(strMedia))
{
}

BOOL CProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWnd* pText = GetDlgItem(IDC_PROGRESS_TEXT);
    if (!m_overview) {
        for (const int nChart : {IDC_PROGRESS_BOXES, IDC_PROGRESS_DUE, IDC_PROGRESS_HISTORY}) {
            if (CWnd* pChart = GetDlgItem(nChart))
                pChart->ShowWindow(SW_HIDE);
        }
        if (pText)
            pText->SetWindowText(tr("The memory is off, so there is no progress to show. Turn on "
                                    "Remember progress (Ctrl+M) in the context menu, and the "
                                    "answers from then on are kept.") +
                                 _T("\n") + m_strMedia);
        return TRUE;
    }
    std::vector<CString> labels = {tr("New")};
    std::vector<int> values = {m_overview->perBox[progress::kNewBox]};
    for (int nBox = 1; nBox <= progress::kTopBox; ++nBox) {
        CString strLabel;
        strLabel.Format(_T("%d"), nBox);
        labels.push_back(strLabel);
        values.push_back(m_overview->perBox[nBox]);
    }
    CBarChart(*this, IDC_PROGRESS_BOXES).SetBars(tr("Entries per box"), labels, values);
    labels.clear();
    values.clear();
    for (int nDay = 0; nDay < progress::kDaysAhead; ++nDay) {
        labels.push_back(DayLabel(m_nToday + nDay, m_nToday));
        values.push_back(m_overview->duePerDay[nDay]);
    }
    CBarChart(*this, IDC_PROGRESS_DUE)
        .SetBars(tr("Due in the next 14 days (today's with the overdue)"), labels, values);
    labels.clear();
    const int nFirstPastDay = m_nToday - progress::kDaysBack + 1;
    for (int nDay = 0; nDay < progress::kDaysBack; ++nDay)
        labels.push_back(DayLabel(nFirstPastDay + nDay, m_nToday));
    const auto& answers = m_overview->answersPerPastDay;
    const auto& right = m_overview->rightPerPastDay;
    CBarChart(*this, IDC_PROGRESS_HISTORY)
        .SetBars(tr("Answers on the last 14 days"), labels,
                 {tr("Answers"), tr("Right at the first try")},
                 {std::vector<int>(answers.begin(), answers.end()),
                  std::vector<int>(right.begin(), right.end())});
    CString strText;
    if (!m_strLanguages.IsEmpty())
        strText.Format(tr("Languages: %s\n"), m_strLanguages);
    strText += m_strMedia;
    for (const CString& strLine : DescribeProgress(*m_overview, m_nToday, m_unreadableFiles))
        strText += strLine + _T("\n");
    if (pText)
        pText->SetWindowText(strText);
    return TRUE;
}
