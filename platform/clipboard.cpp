#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace {
const CWnd* clipboardOwner = nullptr;
// The memory of the data last set; Qt shows other programs its own copy of the text.
std::unique_ptr<void, decltype(&std::free)> clipboardData(nullptr, &std::free);
} // namespace

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
    clipboardData.reset();
    return TRUE;
}

// Qt offers the text to other programs as UTF-8.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem)
{
    if (!clipboardOwner || uFormat != CF_UNICODETEXT || !hMem)
        return nullptr;
    QGuiApplication::clipboard()->setText(QString::fromUtf16(static_cast<const char16_t*>(hMem)));
    clipboardData.reset(hMem);
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
