#include "zantolice.h"

#include "CommandLineOptions.h"
#include "ListReader.h"
#include "ProgressMemory.h"
#include "zantoliceDlg.h"

#include <cstdlib>

CZantoliceApp theApp;

namespace {

// Prints the numbers of the progress view for the list at `path`, without a window; returns
// the exit status.
int PrintProgress(const CString& path)
{
    if (!CProgressMemory::IsSwitchedOn()) {
        WriteConsoleLine(_T("memory is off"));
        return EXIT_SUCCESS;
    }
    const ListReadAside list = ReadList(path);
    CString strError;
    if (list.read == ListRead::NotOpened)
        strError.Format(_T("Cannot open the file \"%s\"."), path);
    else if (!list.strProblem.IsEmpty())
        strError.Format(_T("Cannot open \"%s\": %s"), path, list.strProblem);
    else if (list.read == ListRead::Broken)
        strError.Format(_T("Cannot read the file \"%s\"."), path);
    if (!strError.IsEmpty()) {
        WriteConsoleLine(strError, stderr);
        return EXIT_FAILURE;
    }
    return CProgressMemory::PrintProgress(list.words, list.meanings);
}

} // namespace

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
    return PrintProgress(strList);
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
