// CWinApp: the application object. Exactly one exists; AfxGetApp returns it.
#pragma once

#include "wintypes.h"

#include <map>
#include <memory>

class CWnd;
class QIcon;
using HICON = const QIcon*;

class CWinApp {
public:
    explicit CWinApp(LPCTSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // The icon resource with that id, or null. The application keeps it.
    HICON LoadIcon(UINT id);

    CWnd* m_pMainWnd = nullptr;

private:
    std::map<UINT, std::unique_ptr<QIcon>> m_icons;
};

CWinApp* AfxGetApp();
