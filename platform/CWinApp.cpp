#include "CWinApp.h"

#include "private/Resources.h"

#include <QFile>
#include <QIcon>

namespace {
CWinApp* currentApp = nullptr;
}

CWinApp::CWinApp(LPCTSTR)
{
    currentApp = this;
}

CWinApp::~CWinApp()
{
    if (currentApp == this)
        currentApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

HICON CWinApp::LoadIcon(UINT id)
{
    auto cached = m_icons.find(id);
    if (cached != m_icons.end())
        return cached->second.get();
    const QString path = resourcePath(ResourceKind::Icon, id);
    if (!QFile::exists(path))
        return nullptr;
    return m_icons.emplace(id, std::make_unique<QIcon>(path)).first->second.get();
}

CWinApp* AfxGetApp()
{
    return currentApp;
}
