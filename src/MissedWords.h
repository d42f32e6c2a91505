// Copying the entries missed since a list was loaded, for other trainers to import.
#pragma once

#include "afxwin.h"

#include <vector>

// Puts the entries at `entries` on the clipboard as tab-separated "word<TAB>meaning" lines,
// or tells `pOwner`'s user that none was missed.
void CopyMissedWords(CWnd* pOwner, const CString* pWords, const CString* pMeanings,
                     const std::vector<int>& entries);
