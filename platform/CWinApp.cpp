#include "CWinApp.h"

#include "private/ResourceIconEngine.h"
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
    if (!QFile::exists(resourcePath(ResourceKind::Icon, id)))
        return nullptr;
    auto icon = std::make_unique<QIcon>(new ResourceIconEngine(id));
    return m_icons.emplace(id, std::move(icon)).first->second.get();
}

CWinApp* AfxGetApp()
{
    return currentApp;
}
