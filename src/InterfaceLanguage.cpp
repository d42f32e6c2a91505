// CZantoliceDlg: the interface language the learner picks from the context menu, or the
// desktop's, shown at once.
#include "zantoliceDlg.h"

#include <vector>

namespace {

// The pop-up menu's commands: the desktop's language, then each translation in turn.
constexpr UINT kAsTheDesktop = 1;
constexpr UINT kFirstTranslation = 2;

} // namespace

void CZantoliceDlg::OnInterfaceLanguage()
{
    const std::vector<CString> languages = AfxGetInterfaceLanguages();
    const CString strChosen = AfxGetInterfaceLanguage();
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(strChosen.IsEmpty() ? MF_CHECKED : MF_STRING, kAsTheDesktop,
                    tr("As the desktop"));
    menu.AppendMenu(MF_SEPARATOR);
    // Each language is named in itself, so that a learner lost in a foreign one finds theirs.
    for (size_t i = 0; i < languages.size(); ++i)
        menu.AppendMenu(languages[i] == strChosen ? MF_CHECKED : MF_STRING, kFirstTranslation + i,
                        AfxGetLanguageNativeName(languages[i]));
    CRect rect;
    GetClientRect(rect);
    CPoint point(rect.Width() / 2, rect.Height() / 2);
    ClientToScreen(&point);
    const UINT nID = menu.TrackPopupMenu(TPM_RETURNCMD, point.x, point.y, this);
    if (nID == 0)
        return;
    if (!AfxSetInterfaceLanguage(nID == kAsTheDesktop ? CString()
                                                      : languages[nID - kFirstTranslation]))
        MessageBox(tr("The language is shown, but it cannot be kept for the next start: the "
                      "settings file cannot be written."),
                   tr("Interface language"), MB_ICONSTOP);
    ShowTranslatedTexts();
}

// The template's texts follow by themselves; the texts the dialog set are set again.
void CZantoliceDlg::ShowTranslatedTexts()
{
    GetDlgItem(IDC_START)->SetWindowText(m_bAnswerable ? tr("NEXT") : tr("START"));
    if (!m_bAnswerable && !m_strQuestion.IsEmpty())
        m_strQuestion =
            m_bLoaded ? tr("Click \"START\" button to start !!") : tr("Open a dictionary first.");
    DescribeDirection();
    if (m_strScore == _T(" ") || m_strScore.IsEmpty() || g_nQuestionNo == 0)
        UpdateData(FALSE);
    else
        UpdateScore();
}
