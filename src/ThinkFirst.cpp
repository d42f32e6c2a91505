#include "ThinkFirst.h"

#include "resource.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr LPCTSTR kDrillSection = _T("Drill");
constexpr LPCTSTR kThinkFirstEntry = _T("ThinkFirst");
constexpr LPCTSTR kPauseEntry = _T("ThinkFirstPause");
constexpr UINT_PTR kPauseTimer = 1;
constexpr int kDefaultPause = 3;
// The lengths offered, in seconds; the menu returns its item's index plus one.
constexpr int kPauses[] = {1, 2, 3, 5, 8};

BOOL IsOffered(int nSeconds)
{
    return std::find(std::begin(kPauses), std::end(kPauses), nSeconds) != std::end(kPauses);
}

} // namespace

CThinkFirst::CThinkFirst(CDialog& owner, CString (&choiceTexts)[6])
    : m_owner(owner), m_strChoiceText(choiceTexts)
{
    m_bOn = AfxGetApp()->GetProfileInt(kDrillSection, kThinkFirstEntry, 0) != 0;
    const int nPause =
        static_cast<int>(AfxGetApp()->GetProfileInt(kDrillSection, kPauseEntry, kDefaultPause));
    m_nPauseSeconds = IsOffered(nPause) ? nPause : kDefaultPause;
}

void CThinkFirst::Hold()
{
    if (!m_bOn)
        return;
    for (int k = 0; k < 6; ++k) {
        m_strHeld[k] = m_strChoiceText[k];
        m_strChoiceText[k] = _T("");
    }
    m_bHolding = TRUE;
    m_owner.SetTimer(kPauseTimer, static_cast<UINT>(m_nPauseSeconds) * 1000);
    // Space presses the button with the focus: on "1" it only shows the choices, where on
    // NEXT it would draw another question.
    m_owner.GotoDlgCtrl(m_owner.GetDlgItem(IDC_CHOICE1));
}

BOOL CThinkFirst::Release()
{
    if (!m_bHolding)
        return FALSE;
    Cancel();
    for (int k = 0; k < 6; ++k)
        m_strChoiceText[k] = m_strHeld[k];
    m_owner.UpdateData(FALSE);
    return TRUE;
}

void CThinkFirst::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kPauseTimer)
        Release();
}

void CThinkFirst::Cancel()
{
    m_bHolding = FALSE;
    m_owner.KillTimer(kPauseTimer);
}

void CThinkFirst::Toggle()
{
    m_bOn = !m_bOn;
    AfxGetApp()->WriteProfileInt(kDrillSection, kThinkFirstEntry, m_bOn);
    if (!m_bOn)
        Release();
}

void CThinkFirst::ChoosePause()
{
    CMenu menu;
    menu.CreatePopupMenu();
    for (size_t i = 0; i < std::size(kPauses); ++i) {
        CString strItem;
        strItem.Format(AfxTranslate("ContextMenu", "%d s"), kPauses[i]);
        menu.AppendMenu(kPauses[i] == m_nPauseSeconds ? MF_CHECKED : MF_STRING, i + 1, strItem);
    }
    CRect rect;
    m_owner.GetClientRect(rect);
    CPoint point(rect.Width() / 2, rect.Height() / 2);
    m_owner.ClientToScreen(&point);
    const UINT nChosen = menu.TrackPopupMenu(TPM_RETURNCMD, point.x, point.y, &m_owner);
    if (nChosen == 0)
        return;
    m_nPauseSeconds = kPauses[nChosen - 1];
    AfxGetApp()->WriteProfileInt(kDrillSection, kPauseEntry, m_nPauseSeconds);
}

void CThinkFirst::PrepareMenu(CMenu& menu) const
{
    menu.CheckMenuItem(ID_THINK_FIRST, m_bOn ? MF_CHECKED : MF_UNCHECKED);
    CString strText;
    strText.Format(AfxTranslate("ContextMenu", "Pause &before the choices (%d s)…"),
                   m_nPauseSeconds);
    menu.ModifyMenu(ID_THINK_FIRST_PAUSE, MF_STRING, ID_THINK_FIRST_PAUSE, strText);
}
