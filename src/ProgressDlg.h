// CProgressDlg: where the learner stands with the loaded list, as three bar charts (the
// entries per box, those due in the next two weeks, and the answers of the last two weeks)
// beside the same numbers as text.
#pragma once

#include "Progress.h"
#include "afxwin.h"
#include "resource.h"

#include <optional>
#include <utility>
#include <vector>

// The numbers of the view as lines of text: "New: 1,240", "Box 1: 12", "Due tomorrow: 7"
// and so on, with the files of the progress folder that could not be read.
std::vector<CString> DescribeProgress(const progress::Overview& overview, int nToday,
                                      const std::vector<CString>& unreadableFiles);

// How many of a list's `nEntries` entries have a picture and a recording, a line each, or ""
// when none has either.
CString DescribeMedia(int nEntries, int nPictured, int nRecorded);

class CProgressDlg : public CDialog {
    DECLARE_TRANSLATION(CProgressDlg)

public:
    // Without an overview, the view says that the memory is off.
    // `strLanguages` names the list's languages in the direction drilled, or is empty;
    // `strMedia` tells its pictures and recordings (DescribeMedia).
    CProgressDlg(const std::optional<progress::Overview>& overview, int nToday,
                 std::vector<CString> unreadableFiles, CString strLanguages = _T(""),
                 CString strMedia = _T(""), CWnd* pParent = nullptr);

    enum { IDD = IDD_PROGRESS };

    BOOL OnInitDialog() override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::optional<progress::Overview> m_overview;
    int m_nToday;
    std::vector<CString> m_unreadableFiles;
    CString m_strLanguages;
    CString m_strMedia;
};
