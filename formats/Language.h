// The languages of a list's two sides, as the list's author names them: by a code ("de",
// "en_US") or by a name, in English or in the language itself ("German", "Deutsch").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace formats {

// The code of the language that `name` names: "de" for "German", "deutsch" or "de", and
// "en_US" for "en-us" or "en_US"; "" when it names no language.
std::string languageCode(std::u16string_view name);

// The code of the language that `name` names in the language `inLanguage` (a code): "en"
// for "Englisch" in "de"; "" when it names none there.
std::string languageCodeIn(std::u16string_view name, const std::string& inLanguage);

// The language's name in the language `inLanguage` (a code): in English, "German" for "de"
// and "English (United States)" for "en_US"; the code itself when ICU has no name for it.
std::u16string languageName(const std::string& code, const std::string& inLanguage = "en");

// The language that the script of `texts` suggests: "ru" for Cyrillic, "el" for Greek, "ja"
// for kana, "ko" for Hangul, "zh" for Han alone, and so on; "" for Latin text or text of
// no one script, which says nothing about its language.
std::string languageOfScript(const std::vector<std::u16string_view>& texts);

} // namespace formats
