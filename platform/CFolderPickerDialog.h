// CFolderPickerDialog: the dialog that chooses a folder.
#pragma once

#include "CString.h"

class CWnd;

class CFolderPickerDialog {
public:
    explicit CFolderPickerDialog(LPCTSTR folder = nullptr, DWORD flags = 0, CWnd* parent = nullptr);
    virtual ~CFolderPickerDialog() = default;

    // IDOK when a folder was chosen, IDCANCEL when the user cancelled.
    virtual INT_PTR DoModal();
    CString GetFolderPath() const { return m_strFolderPath; }

private:
    CString m_strFolderPath;
};
