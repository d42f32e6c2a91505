#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstdlib>

namespace {
const CWnd* clipboardOwner = nullptr;
}

BOOL OpenClipboard(CWnd* pWndNewOwner)
{
    if (clipboardOwner || !pWndNewOwner)
        return FALSE;
    clipboardOwner = pWndNewOwner;
    return TRUE;
}

BOOL EmptyClipboard()
{
    if (!clipboardOwner)
        return FALSE;
    QGuiApplication::clipboard()->clear();
    return TRUE;
}

// Qt keeps its own copy of the text (and offers it to other programs as UTF-8), so the
// memory is freed at once rather than when the clipboard is next emptied.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem)
{
    if (!clipboardOwner || uFormat != CF_UNICODETEXT || !hMem)
        return nullptr;
    QGuiApplication::clipboard()->setText(QString::fromUtf16(static_cast<const char16_t*>(hMem)));
    LocalFree(hMem);
    return hMem;
}

BOOL CloseClipboard()
{
    if (!clipboardOwner)
        return FALSE;
    clipboardOwner = nullptr;
    return TRUE;
}

HLOCAL LocalAlloc(UINT, std::size_t uBytes)
{
    return std::malloc(uBytes);
}

HLOCAL LocalFree(HLOCAL hMem)
{
    std::free(hMem);
    return nullptr;
}
