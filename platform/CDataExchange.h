// Data exchange between a dialog's display strings and its controls.
#pragma once

#include "CString.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
    {
    }

    BOOL m_bSaveAndValidate; // TRUE: controls to strings; FALSE: strings to controls
    CWnd* m_pDlgWnd;
};

// Binds the text of control `id` to `value`. A missing control is left alone.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
