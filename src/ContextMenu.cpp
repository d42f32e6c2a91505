#include "ContextMenu.h"

#include "Speaker.h"
#include "resource.h"

namespace {

// The desktop's context menu, top to bottom. Each item sends the command of its button or
// key, and shows that key after the tab.
struct ContextMenuItem {
    UINT nFlags;
    UINT nID;
    LPCTSTR lpszText;
};
const ContextMenuItem kContextMenu[] = {
    {MF_STRING, IDC_OPEN, _T("&Open…\tCtrl+O")},
    {MF_STRING, IDC_START, _T("&Next question\tN")},
    {MF_STRING, IDC_ABOUT, _T("&About\tF1")},
    {MF_STRING, ID_PROGRESS_VIEW, _T("&Progress…\tF2")},
    {MF_STRING, IDC_CLEAR, _T("&Wipe the pad\tDel")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_SPEAK, _T("Spea&k\tS")},
    {MF_STRING, ID_SPEAK_EACH_QUESTION, _T("Speak &each question")},
    {MF_STRING, ID_SPEAK_WORD_LANGUAGE, _T("&Language of the words…")},
    {MF_STRING, ID_SPEAK_MEANING_LANGUAGE, _T("Lan&guage of the meanings…")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_DRILL_REVERSE, _T("&Drill the other way\tCtrl+R")},
    {MF_STRING, ID_EDIT_COPY_MISSED, _T("&Copy missed words\tCtrl+Shift+C")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_PROGRESS_REMEMBER, _T("&Remember progress\tCtrl+M")},
    {MF_STRING, ID_PROGRESS_FORGET, _T("&Forget progress of this list…")},
    {MF_STRING, ID_PROGRESS_FOLDER, _T("Progress f&older…")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_VIEW_ZOOM_IN, _T("Zoom &in\tCtrl++")},
    {MF_STRING, ID_VIEW_ZOOM_OUT, _T("Zoom o&ut\tCtrl+-")},
    {MF_STRING, ID_VIEW_ZOOM_RESET, _T("Original &size\tCtrl+0")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, IDOK, _T("&Quit\tCtrl+Q")},
};

} // namespace

void TrackContextMenu(CWnd* pOwner, CPoint point, BOOL bReverse, BOOL bRemember,
                      const CSpeaker& speaker)
{
    // From the keyboard the menu has no point of its own: it opens over the window.
    if (point.x == -1 && point.y == -1) {
        CRect rect;
        pOwner->GetClientRect(rect);
        point = CPoint(rect.Width() / 2, rect.Height() / 2);
        pOwner->ClientToScreen(&point);
    }
    CMenu menu;
    menu.CreatePopupMenu();
    for (const ContextMenuItem& item : kContextMenu)
        menu.AppendMenu(item.nFlags, item.nID, item.lpszText);
    menu.CheckMenuItem(ID_DRILL_REVERSE, bReverse ? MF_CHECKED : MF_UNCHECKED);
    menu.CheckMenuItem(ID_PROGRESS_REMEMBER, bRemember ? MF_CHECKED : MF_UNCHECKED);
    speaker.PrepareMenu(menu, bReverse);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner);
}
