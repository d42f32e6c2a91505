#include "CMenu.h"

#include "CPoint.h"
#include "CWnd.h"
#include "ModalSeam.h"

BOOL CMenu::CreatePopupMenu()
{
    m_items.clear();
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (!m_bCreated)
        return FALSE;
    m_items.push_back({nFlags, static_cast<UINT>(nIDNewItem),
                       CString(lpszNewItem ? lpszNewItem : u""), (nFlags & MF_CHECKED) != 0});
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    for (Item& item : m_items) {
        if (item.nID != nIDCheckItem || (item.nFlags & MF_SEPARATOR))
            continue;
        const UINT previous = item.nFlags & MF_CHECKED;
        item.nFlags = (item.nFlags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
        item.bCheckItem = TRUE;
        return previous;
    }
    return 0xFFFFFFFF;
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    for (Item& item : m_items) {
        if (item.nID != nPosition || (item.nFlags & MF_SEPARATOR))
            continue;
        item.nFlags = nFlags;
        item.nID = static_cast<UINT>(nIDNewItem);
        item.strText = CString(lpszNewItem ? lpszNewItem : u"");
        return TRUE;
    }
    return FALSE;
}

// The original posts the command; it is sent here once the menu has closed, which runs it
// in the same order with nothing queued in between.
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd)
{
    if (!m_bCreated || !pWnd)
        return FALSE;
    const UINT nID = ModalSeam::Current().TrackPopupMenu(pWnd, *this, CPoint(x, y));
    if (nFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(nID);
    if (nID != 0)
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), 0), 0);
    return TRUE;
}
