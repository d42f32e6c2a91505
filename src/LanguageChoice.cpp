#include "LanguageChoice.h"

#include "Language.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

std::string ToCode(const CString& code)
{
    const std::u16string text(code);
    return std::string(text.begin(), text.end());
}

// "de" of "de_AT" and of "de-AT".
CString LanguageOf(const CString& code)
{
    for (int i = 0; i < code.GetLength(); ++i) {
        if (code[i] == _T('_') || code[i] == _T('-'))
            return code.Left(i);
    }
    return code;
}

std::string InterfaceLanguage()
{
    WCHAR name[LOCALE_NAME_MAX_LENGTH] = {};
    return GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) ? ToCode(CString(name)) : "en";
}

} // namespace

CString LanguageName(const CString& code, BOOL bRegion)
{
    const CString strCode = bRegion ? code : LanguageOf(code);
    const std::u16string name = formats::languageName(ToCode(strCode), InterfaceLanguage());
    return CString(name.c_str());
}

BOOL ChooseLanguage(CWnd* pOwner, LPCTSTR lpszCaption, LPCTSTR lpszAsTheList,
                    const std::vector<CString>& languages, const std::vector<CString>& likely,
                    CString& strChosen)
{
    struct Named {
        CString strName;
        CString strCode;
        bool bLikely;
    };
    std::vector<Named> named;
    named.reserve(languages.size());
    for (const CString& code : languages) {
        const bool bLikely = std::any_of(likely.begin(), likely.end(), [&](const CString& one) {
            return !one.IsEmpty() && LanguageOf(one) == LanguageOf(code);
        });
        named.push_back({LanguageName(code, TRUE), code, bLikely});
    }
    std::sort(named.begin(), named.end(), [](const Named& a, const Named& b) {
        return std::pair(!a.bLikely, std::u16string(a.strName)) <
               std::pair(!b.bLikely, std::u16string(b.strName));
    });
    std::vector<CString> items{CString(lpszAsTheList)};
    int nCurrent = strChosen.IsEmpty() ? 0 : -1;
    for (const Named& language : named) {
        if (language.strCode == strChosen)
            nCurrent = static_cast<int>(items.size());
        items.push_back(language.strName);
    }
    const int nLikely =
        1 + static_cast<int>(std::count_if(named.begin(), named.end(),
                                           [](const Named& n) { return n.bLikely; }));
    const int nPicked = pOwner->PickFromList(lpszCaption, items, nLikely, nCurrent);
    if (nPicked < 0)
        return FALSE;
    strChosen = nPicked == 0 ? CString() : named[static_cast<size_t>(nPicked - 1)].strCode;
    return TRUE;
}
