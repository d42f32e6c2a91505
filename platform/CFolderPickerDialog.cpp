#include "CFolderPickerDialog.h"

#include "ModalSeam.h"

// The flags and the parent are not needed here.
CFolderPickerDialog::CFolderPickerDialog(LPCTSTR folder, DWORD, CWnd*) : m_strFolderPath(folder) {}

INT_PTR CFolderPickerDialog::DoModal()
{
    CString folder = m_strFolderPath;
    if (!ModalSeam::Current().GetFolderName(folder))
        return IDCANCEL;
    m_strFolderPath = folder;
    return IDOK;
}
