#include "processenv.h"

#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <cstring>

DWORD SearchPath(LPCTSTR lpPath, LPCTSTR lpFileName, LPCTSTR, DWORD nBufferLength, LPTSTR lpBuffer,
                 LPTSTR* lpFilePart)
{
    const QString name = QString::fromUtf16(lpFileName);
    const QStringList folders =
        lpPath ? QString::fromUtf16(lpPath).split(u':', Qt::SkipEmptyParts) : QStringList();
    const QString path = QStandardPaths::findExecutable(name, folders);
    if (path.isEmpty())
        return 0;
    if (lpBuffer && nBufferLength > 0) {
        const DWORD nCopied = std::min(static_cast<DWORD>(path.size()), nBufferLength - 1);
        std::memcpy(lpBuffer, path.utf16(), nCopied * sizeof(WCHAR));
        lpBuffer[nCopied] = 0;
        if (lpFilePart)
            *lpFilePart =
                lpBuffer + std::min(nCopied, static_cast<DWORD>(path.lastIndexOf(u'/') + 1));
    }
    return static_cast<DWORD>(path.size());
}
