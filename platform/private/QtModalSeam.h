// Message boxes, file dialogs, modal dialogs, pop-up menus and pick lists shown by Qt.
#pragma once

#include "../ModalSeam.h"

class QtModalSeam : public ModalSeam {
public:
    int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) override;
    bool GetOpenFileName(const CString& filter, const CString& defaultExt, CString& path) override;
    bool GetFolderName(CString& folder) override;
    INT_PTR RunModal(CDialog& dialog) override;
    UINT TrackPopupMenu(CWnd* owner, const CMenu& menu, CPoint point) override;
    int PickFromList(CWnd* owner, const CString& caption, const std::vector<CString>& items,
                     int likely, int current) override;
};
