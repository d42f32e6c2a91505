// The one place where the program waits for the user: message boxes, the open-file and
// folder dialogs, sub-dialogs, pop-up menus and pick lists. By default they are Qt's; tests install
// a stand-in that records what was asked and answers from a script.
#pragma once

#include "CPoint.h"
#include "CString.h"

#include <vector>

class CWnd;
class CDialog;
class CMenu;

class ModalSeam {
public:
    virtual ~ModalSeam() = default;

    // Returns the id of the button that closed the box: IDOK, or IDCANCEL for MB_OKCANCEL's
    // Cancel (and its Escape).
    virtual int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) = 0;
    // filter is the framework's "name|pattern|...||" form. Returns false on cancel.
    virtual bool GetOpenFileName(const CString& filter, const CString& defaultExt,
                                 CString& path) = 0;
    // `folder` comes in as the folder to start from and goes out as the one chosen. Returns
    // false on cancel.
    virtual bool GetFolderName(CString& folder) = 0;
    // Runs a dialog whose window exists until it ends; returns its result.
    virtual INT_PTR RunModal(CDialog& dialog) = 0;
    // Shows `menu` at `point` (screen coordinates); returns the command of the item
    // chosen, 0 when the menu was closed without a choice.
    virtual UINT TrackPopupMenu(CWnd* owner, const CMenu& menu, CPoint point) = 0;
    // Asks for one of `items`, the first `likely` of them set apart at the top and the one
    // at `current` (or none, -1) marked; returns the index of the item chosen, -1 for none.
    virtual int PickFromList(CWnd* owner, const CString& caption, const std::vector<CString>& items,
                             int likely, int current) = 0;

    static ModalSeam& Current();
    // Installs `seam` (nullptr: Qt's own) and returns the one it replaces.
    static ModalSeam* Install(ModalSeam* seam);
};
