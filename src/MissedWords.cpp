#include "MissedWords.h"

#include "WordList.h"

#include <cstring>
#include <string>

void CopyMissedWords(CWnd* pOwner, const CString* pWords, const CString* pMeanings,
                     const std::vector<int>& entries)
{
    if (entries.empty()) {
        pOwner->MessageBox(
            AfxTranslate("MissedWords", "No word has been missed since the list was loaded."),
            AfxTranslate("MissedWords", "Copy missed words"), MB_OK);
        return;
    }
    std::vector<formats::WordEntry> missed;
    missed.reserve(entries.size());
    for (int nIndex : entries)
        missed.push_back({std::u16string(pWords[nIndex]), std::u16string(pMeanings[nIndex])});
    const std::u16string text = formats::toTabSeparatedText(missed);
    if (!pOwner->OpenClipboard())
        return;
    EmptyClipboard();
    const size_t nBytes = (text.size() + 1) * sizeof(WCHAR);
    HLOCAL hText = LocalAlloc(LMEM_FIXED, nBytes);
    if (hText) {
        std::memcpy(hText, text.c_str(), nBytes);
        if (!SetClipboardData(CF_UNICODETEXT, hText))
            LocalFree(hText);
    }
    CloseClipboard();
}
