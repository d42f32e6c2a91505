// CWinApp: the application object. Exactly one exists; AfxGetApp returns it.
#pragma once

#include "wintypes.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

    // An option of the application's own that takes a value: "--NAME VALUE" or "--NAME=VALUE".
    struct CommandLineOption {
        const char* name; // without the dashes
        const char* valueName;
        const char* help; // one line for --help
    };
    // The application's own options, read with the framework's before anything else starts.
    virtual std::vector<CommandLineOption> GetCommandLineOptions() const;
    // Called with the options read, before there is a display or a window: a status ends the
    // program there; none lets it start.
    virtual std::optional<int> RunWithoutWindow();
    // The value given for the application's option `name`; empty when it was not given.
    CString GetCommandLineValue(const char* name) const;

    // The application's name; its settings are kept under it.
    CString m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
    // The file named on the command line, if any.
    CString m_lpCmdLine;

    // The values of the application's options, by name; filled by the framework.
    std::map<std::string, CString> m_commandLineValues;

private:
    std::map<UINT, std::unique_ptr<QIcon>> m_icons;
};

CWinApp* AfxGetApp();
