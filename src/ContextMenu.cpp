#include "ContextMenu.h"

#include "Speaker.h"
#include "ThinkFirst.h"
#include "resource.h"

namespace {

// The desktop's context menu, top to bottom. Each item sends the command of its button or
// key, and shows that key after the tab.
struct ContextMenuItem {
    UINT nFlags;
    UINT nID;
    LPCSTR lpszText;
};
const ContextMenuItem kContextMenu[] = {
    {MF_STRING, IDC_OPEN, TRANSLATE_NOOP("ContextMenu", "&Open…\tCtrl+O")},
    {MF_STRING, IDC_START, TRANSLATE_NOOP("ContextMenu", "&Next question\tN")},
    {MF_STRING, IDC_ABOUT, TRANSLATE_NOOP("ContextMenu", "&About\tF1")},
    {MF_STRING, ID_PROGRESS_VIEW, TRANSLATE_NOOP("ContextMenu", "&Progress…\tF2")},
    {MF_STRING, IDC_CLEAR, TRANSLATE_NOOP("ContextMenu", "&Wipe the pad\tDel")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_SPEAK, TRANSLATE_NOOP("ContextMenu", "Spea&k\tS")},
    {MF_STRING, ID_SPEAK_EACH_QUESTION, TRANSLATE_NOOP("ContextMenu", "Speak &each question")},
    {MF_STRING, ID_SPEAK_WORD_LANGUAGE, TRANSLATE_NOOP("ContextMenu", "&Language of the words…")},
    {MF_STRING, ID_SPEAK_MEANING_LANGUAGE,
     TRANSLATE_NOOP("ContextMenu", "Lan&guage of the meanings…")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_DRILL_REVERSE, TRANSLATE_NOOP("ContextMenu", "&Drill the other way\tCtrl+R")},
    {MF_STRING, ID_EDIT_COPY_MISSED,
     TRANSLATE_NOOP("ContextMenu", "&Copy missed words\tCtrl+Shift+C")},
    {MF_STRING, ID_THINK_FIRST, TRANSLATE_NOOP("ContextMenu", "T&hink first\tCtrl+T")},
    // Named with the pause it holds when the menu opens.
    {MF_STRING, ID_THINK_FIRST_PAUSE, nullptr},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_PROGRESS_REMEMBER, TRANSLATE_NOOP("ContextMenu", "&Remember progress\tCtrl+M")},
    {MF_STRING, ID_PROGRESS_FORGET,
     TRANSLATE_NOOP("ContextMenu", "&Forget progress of this list…")},
    {MF_STRING, ID_PROGRESS_FOLDER, TRANSLATE_NOOP("ContextMenu", "Progre&ss folder…")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_VIEW_ZOOM_IN, TRANSLATE_NOOP("ContextMenu", "Zoom &in\tCtrl++")},
    {MF_STRING, ID_VIEW_ZOOM_OUT, TRANSLATE_NOOP("ContextMenu", "Zoom o&ut\tCtrl+-")},
    {MF_STRING, ID_VIEW_ZOOM_RESET, TRANSLATE_NOOP("ContextMenu", "Original si&ze\tCtrl+0")},
    {MF_STRING, ID_INTERFACE_LANGUAGE, TRANSLATE_NOOP("ContextMenu", "In&terface language…")},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, IDOK, TRANSLATE_NOOP("ContextMenu", "&Quit\tCtrl+Q")},
};

} // namespace

void TrackContextMenu(CWnd* pOwner, CPoint point, BOOL bReverse, BOOL bRemember,
                      const CSpeaker& speaker, const CThinkFirst& thinkFirst)
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
        menu.AppendMenu(item.nFlags, item.nID,
                        item.lpszText ? AfxTranslate("ContextMenu", item.lpszText) : CString());
    menu.CheckMenuItem(ID_DRILL_REVERSE, bReverse ? MF_CHECKED : MF_UNCHECKED);
    menu.CheckMenuItem(ID_PROGRESS_REMEMBER, bRemember ? MF_CHECKED : MF_UNCHECKED);
    speaker.PrepareMenu(menu, bReverse);
    thinkFirst.PrepareMenu(menu);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner);
}
