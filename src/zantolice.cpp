#include "zantolice.h"

#include "CommandLineOptions.h"
#include "ProgressPrinter.h"
#include "zantoliceDlg.h"

CZantoliceApp theApp;

CZantoliceApp::CZantoliceApp() : CWinApp(nullptr) {}

std::vector<CWinApp::CommandLineOption> CZantoliceApp::GetCommandLineOptions() const
{
    return {{kProgressOption, "FILE",
             TRANSLATE_NOOP("CommandLine", "print the progress with the word list FILE and exit")},
            {kProgressFolderOption, "DIR",
             TRANSLATE_NOOP("CommandLine", "keep the progress in DIR for this run")}};
}

std::optional<int> CZantoliceApp::RunWithoutWindow()
{
    const CString strList = GetCommandLineValue(kProgressOption);
    if (strList.IsEmpty())
        return std::nullopt;
    return PrintListProgress(strList);
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
