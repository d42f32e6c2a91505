#include "CFileDialog.h"

#include "ModalSeam.h"

// Only the open dialog is offered; the flags and the parent are not needed here.
CFileDialog::CFileDialog(BOOL, LPCTSTR defaultExt, LPCTSTR fileName, DWORD, LPCTSTR filter, CWnd*)
    : m_strDefaultExt(defaultExt), m_strFilter(filter), m_strPathName(fileName)
{
}

INT_PTR CFileDialog::DoModal()
{
    CString path;
    if (!ModalSeam::Current().GetOpenFileName(m_strFilter, m_strDefaultExt, path))
        return IDCANCEL;
    m_strPathName = path;
    return IDOK;
}
