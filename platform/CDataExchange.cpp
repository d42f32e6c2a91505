#include "CDataExchange.h"

#include "CWnd.h"

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (!control)
        return;
    if (pDX->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}
