#include "zantolice.h"

#include "zantoliceDlg.h"

CZantoliceApp theApp;

CZantoliceApp::CZantoliceApp() : CWinApp(nullptr) {}

std::vector<CWinApp::CommandLineOption> CZantoliceApp::GetCommandLineOptions() const
{
    return {{kProgressFolderOption, "DIR", "keep the progress in DIR for this run"}};
}

BOOL CZantoliceApp::InitInstance()
{
    CZantoliceDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog is gone: there is no message pump to start.
    m_pMainWnd = nullptr;
    return FALSE;
}
