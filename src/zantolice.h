// CZantoliceApp: the application; it runs the main quiz dialog and ends with it.
#pragma once

#include "afxwin.h"

class CZantoliceApp : public CWinApp {
public:
    CZantoliceApp();

    BOOL InitInstance() override;
    std::vector<CommandLineOption> GetCommandLineOptions() const override;
    std::optional<int> RunWithoutWindow() override;
};
