// The system clipboard and the local memory that data is handed to it in. A window opens
// the clipboard (CWnd::OpenClipboard), empties it, gives it data and closes it again.
#pragma once

#include "wintypes.h"

#include <cstddef>

class CWnd;

// FALSE when the clipboard is open already.
BOOL OpenClipboard(CWnd* pWndNewOwner);
// Drops what the clipboard holds; FALSE when it is not open.
BOOL EmptyClipboard();
// Only CF_UNICODETEXT: `hMem` holds zero-ended UTF-16 text from LocalAlloc. On success the
// system owns `hMem` until the clipboard is next emptied, and returns it; on failure it
// returns null and the caller still owns `hMem`.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// FALSE when the clipboard is not open.
BOOL CloseClipboard();

// Only LMEM_FIXED: the handle is the memory's address. Null when there is no memory.
HLOCAL LocalAlloc(UINT uFlags, std::size_t uBytes);
// Returns null.
HLOCAL LocalFree(HLOCAL hMem);
