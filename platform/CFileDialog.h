// CFileDialog: the open-file dialog.
#pragma once

#include "CString.h"

class CWnd;

class CFileDialog {
public:
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr,
                         LPCTSTR fileName = nullptr, DWORD flags = 0, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK when a file was chosen, IDCANCEL when the user cancelled.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return m_strPathName; }

private:
    CString m_strDefaultExt;
    CString m_strFilter;
    CString m_strPathName;
};
