// The languages in which a list's sides are spoken: their names as the learner reads them,
// and the choice of one among the languages the installed voices speak.
#pragma once

#include "afxwin.h"

#include <vector>

// "German" for "de", in the language the program is read in; with the region, "English
// (United States)" for "en_US".
CString LanguageName(const CString& code, BOOL bRegion);

// Asks for one of `languages` (codes), the ones of the languages in `likely` first, with
// `lpszAsTheList` (the list's own languages) before them; `strChosen` comes in as the
// current choice. Returns TRUE with the code chosen in `strChosen` (empty for the list's
// own), FALSE when the learner chose none.
BOOL ChooseLanguage(CWnd* pOwner, LPCTSTR lpszCaption, LPCTSTR lpszAsTheList,
                    const std::vector<CString>& languages, const std::vector<CString>& likely,
                    CString& strChosen);
