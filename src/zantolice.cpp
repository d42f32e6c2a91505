#include "zantolice.h"

#include "zantoliceDlg.h"

CZantoliceApp theApp;

CZantoliceApp::CZantoliceApp() : CWinApp(nullptr) {}

BOOL CZantoliceApp::InitInstance()
{
    CZantoliceDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog is gone: there is no message pump to start.
    m_pMainWnd = nullptr;
    return FALSE;
}
