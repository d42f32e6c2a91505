#include "ModuleFolders.h"

#include "CWinApp.h"
#include "private/QtConvert.h"

#include <QFileInfo>

QStringList moduleFolders()
{
    const QString programFolder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    QStringList folders = {programFolder, programFolder + QStringLiteral("/..")};
    if (const CWinApp* app = AfxGetApp())
        folders << programFolder + QStringLiteral("/../" PLATFORM_LIBRARY_FOLDER "/") +
                       toQString(app->m_pszAppName) + QStringLiteral("/plugins");
    return folders;
}
