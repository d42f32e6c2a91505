#include "CWinApp.h"

#include "private/QtConvert.h"
#include "private/ResourceIconEngine.h"
#include "private/Resources.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

namespace {

CWinApp* currentApp = nullptr;

// The application's settings folder is named after it, as the framework names its profile.
QString settingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           toQString(currentApp->m_pszAppName);
}

// Named explicitly, so that what Qt itself would store goes elsewhere (AppMain).
QString settingsPath()
{
    return settingsFolder() + u'/' + toQString(currentApp->m_pszAppName) + QStringLiteral(".conf");
}

QString settingsKey(LPCTSTR lpszSection, LPCTSTR lpszEntry)
{
    return toQString(lpszSection) + u'/' + toQString(lpszEntry);
}

// The folder and the file are the user's alone.
BOOL writeSetting(LPCTSTR lpszSection, LPCTSTR lpszEntry, const QVariant& value)
{
    const QString folder = settingsFolder();
    if (!QDir().mkpath(folder))
        return FALSE;
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(settingsKey(lpszSection, lpszEntry), value);
    settings.sync();
    QFile::setPermissions(settingsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return settings.status() == QSettings::NoError;
}

QVariant readSetting(LPCTSTR lpszSection, LPCTSTR lpszEntry)
{
    if (!QFile::exists(settingsPath()))
        return {};
    return QSettings(settingsPath(), QSettings::IniFormat)
        .value(settingsKey(lpszSection, lpszEntry));
}

} // namespace

// Without a name the application is called after its executable, as the framework does.
CWinApp::CWinApp(LPCTSTR appName)
    : m_pszAppName(appName ? CString(appName)
                           : toCString(QString::fromLocal8Bit(program_invocation_short_name)))
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

std::vector<CWinApp::CommandLineOption> CWinApp::GetCommandLineOptions() const
{
    return {};
}

std::optional<int> CWinApp::RunWithoutWindow()
{
    return std::nullopt;
}

CString CWinApp::GetCommandLineValue(const char* name) const
{
    const auto found = m_commandLineValues.find(name);
    return found == m_commandLineValues.end() ? CString() : found->second;
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

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    bool ok = false;
    const int value = readSetting(lpszSection, lpszEntry).toInt(&ok);
    return static_cast<UINT>(ok ? value : nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return writeSetting(lpszSection, lpszEntry, nValue);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    const QVariant value = readSetting(lpszSection, lpszEntry);
    return value.isValid() ? toCString(value.toString()) : CString(lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return writeSetting(lpszSection, lpszEntry, toQString(lpszValue));
}

CWinApp* AfxGetApp()
{
    return currentApp;
}
