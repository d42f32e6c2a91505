// The languages of a list's two sides, as the list's author names them: by a code ("de",
// "en_US") or by a name, in English or in the language itself ("German", "Deutsch").
#pragma once

#include <string>
#include <string_view>

namespace formats {

// The code of the language that `name` names: "de" for "German", "deutsch" or "de", and
// "en_US" for "en-us" or "en_US"; "" when it names no language.
std::string languageCode(std::u16string_view name);

// The code of the language that `name` names in the language `inLanguage` (a code): "en"
// for "Englisch" in "de"; "" when it names none there.
std::string languageCodeIn(std::u16string_view name, const std::string& inLanguage);

} // namespace formats
