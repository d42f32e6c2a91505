// CWinApp: the application object. Exactly one exists; AfxGetApp returns it.
#pragma once

#include "wintypes.h"

#include <map>
#include <memory>

#include "CString.h"

class CWnd;

class CWinApp {
public:
    explicit CWinApp(LPCTSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // The exit code of the process.
    virtual int ExitInstance();
    // The icon resource with that id, or null. The application keeps it.
    HICON LoadIcon(UINT id);

    // The user's settings, kept in an INI file under the XDG config folder. Reading never
    // makes the file; the first write does. Writes return FALSE when the file cannot be
    // written.
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    CWnd* m_pMainWnd = nullptr;
    // The file named on the command line, if any.
    CString m_lpCmdLine;

private:
    std::map<UINT, std::unique_ptr<QIcon>> m_icons;
};

CWinApp* AfxGetApp();
