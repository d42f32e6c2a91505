#include "zantolice.h"

#include "zantoliceDlg.h"

CZantoliceApp theApp;

CZantoliceApp::CZantoliceApp() : CWinApp(nullptr) {}

std::vector<CWinApp::CommandLineOption> CZantoliceApp::GetCommandLineOptions() const
{
    return {{kProgressOption, "FILE", "print the progress with the word list FILE and exit"},
            {kProgressFolderOption, "DIR", "keep the progress in DIR for this run"}};
}

std::optional<int> CZantoliceApp::RunWithoutWindow()
{
    const CString strList = GetCommandLineValue(kProgressOption);
    if (strList.IsEmpty())
        return std::nullopt;
    return CZantoliceDlg::PrintProgress(strList);
}

BOOL CZantoliceApp::InitApplication()
{
    // The named list is read while the display opens and the window is made.
    if (!m_lpCmdLine.IsEmpty())
        CZantoliceDlg::ReadListAhead(m_lpCmdLine);
    return TRUE;
}

int CZantoliceApp::ExitInstance()
{
    // A list still being read for a window that was never made is done with before the
    // program's objects go.
    CZantoliceDlg::EndListReadAhead();
    return CWinApp::ExitInstance();
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
