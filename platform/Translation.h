// The interface's language: every text the program shows is looked up in the compiled
// translation of the learner's language, and the original text stands where there is none.
#pragma once

#include "CString.h"
#include "wintypes.h"

#include <vector>

// The text `lpszContext` gives `lpszSource` in the interface's language. With `n` of 0 or
// more, the plural form for n is chosen and "%n" stands for n.
CString AfxTranslate(LPCSTR lpszContext, LPCSTR lpszSource, LPCSTR lpszComment = nullptr,
                     int n = -1);

// Gives a class the translation call of its own context, named after the class:
// tr("Open succeeded!"), or tr("%d words", nullptr, nCount) for a plural.
#define DECLARE_TRANSLATION(theClass)                                                              \
public:                                                                                            \
    static CString tr(LPCSTR lpszSource, LPCSTR lpszComment = nullptr, int n = -1)                 \
    {                                                                                              \
        return AfxTranslate(#theClass, lpszSource, lpszComment, n);                                \
    }                                                                                              \
                                                                                                   \
private:

// Marks a text for translation where it is written, in a table; it is translated where it
// is shown, with AfxTranslate and the same context.
#define TRANSLATE_NOOP(context, text) text

// Loads the translations of the language chosen in the settings, or the desktop's, with
// Qt's own. Called by the framework at start, before any text is shown.
void AfxLoadInterfaceLanguage();
// Switches the interface to `lpszLanguage` ("de", "pt_BR"), or to the desktop's language
// for "", at once, and keeps the choice in the settings. FALSE when it cannot be kept.
BOOL AfxSetInterfaceLanguage(LPCTSTR lpszLanguage);
// The language chosen in the settings: a code, or "" for the desktop's.
CString AfxGetInterfaceLanguage();
// The languages the program is translated into, by code, in the order of their codes.
std::vector<CString> AfxGetInterfaceLanguages();
// The name of the language `lpszLanguage` in that language itself ("Deutsch").
CString AfxGetLanguageNativeName(LPCTSTR lpszLanguage);
