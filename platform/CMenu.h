// CMenu: a pop-up menu of commands, built item by item and shown where the user asks.
#pragma once

#include "CString.h"
#include "wintypes.h"

#include <vector>

class CWnd;

class CMenu {
public:
    // In the text, "&" marks the mnemonic and a tab sets off the key shown beside it.
    struct Item {
        UINT nFlags = MF_STRING; // or MF_SEPARATOR, with MF_CHECKED
        UINT nID = 0;
        CString strText;
        BOOL bCheckItem = FALSE; // CheckMenuItem has set its state, checked or not
    };

    BOOL CreatePopupMenu();
    // FALSE before CreatePopupMenu.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // Finds the item by its command (the program names no item by position). Returns its
    // previous state, MF_CHECKED or MF_UNCHECKED, or 0xFFFFFFFF when no item has it.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    // Only MF_BYCOMMAND: gives the item with the command `nPosition` a new command, text and
    // state. FALSE when no item has it.
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem);
    // Shows the menu at (x, y), in screen coordinates, until the user chooses an item or
    // closes it; the chosen item's command then goes to pWnd as WM_COMMAND. With
    // TPM_RETURNCMD it is returned instead (0 when the menu was closed), and nothing is sent.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);

    const std::vector<Item>& GetItems() const { return m_items; }

private:
    BOOL m_bCreated = FALSE;
    std::vector<Item> m_items;
};
