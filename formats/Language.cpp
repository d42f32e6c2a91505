#include "Language.h"

#include <unicode/uchar.h>
#include <unicode/uloc.h>
#include <unicode/uscript.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>

namespace formats {

namespace {

// A name is matched without regard to case: "FRANÇAIS" and "français" name one language.
std::u16string folded(std::u16string_view text)
{
    std::u16string result(text.size() * 3, u'\0');
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length =
        u_strFoldCase(result.data(), static_cast<int32_t>(result.size()), text.data(),
                      static_cast<int32_t>(text.size()), U_FOLD_CASE_DEFAULT, &error);
    if (U_FAILURE(error))
        return {};
    result.resize(length);
    return result;
}

std::u16string displayLanguage(const char* code, const char* displayLocale)
{
    UChar name[128];
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = uloc_getDisplayLanguage(code, displayLocale, name, 128, &error);
    if (U_FAILURE(error) || error == U_USING_DEFAULT_WARNING || length <= 0 || length >= 128)
        return {};
    return std::u16string(name, length);
}

// Every language ICU knows, by its English and its own name; made on the first question,
// as most lists name no language.
const std::unordered_map<std::u16string, std::string>& languagesByName()
{
    static const auto names = [] {
        std::unordered_map<std::u16string, std::string> byName;
        for (const char* const* code = uloc_getISOLanguages(); *code; ++code) {
            for (const char* displayLocale : {"en", *code}) {
                const std::u16string name = folded(displayLanguage(*code, displayLocale));
                // ICU names a language it has no name for by its code.
                if (!name.empty() &&
                    !std::equal(name.begin(), name.end(), *code, *code + std::strlen(*code)))
                    byName.emplace(name, *code);
            }
        }
        return byName;
    }();
    return names;
}

bool isLanguage(const std::string& code)
{
    for (const char* const* known = uloc_getISOLanguages(); *known; ++known) {
        if (code == *known)
            return true;
    }
    return false;
}

// "de", "en_US", "en-us" or "zh-Hant-TW": a language code with an optional region.
std::string codeOf(std::u16string_view text)
{
    std::string language;
    std::size_t at = 0;
    for (; at < text.size() && u_isalpha(text[at]) && text[at] < 0x80; ++at)
        language += static_cast<char>(u_tolower(text[at]));
    if (language.size() < 2 || language.size() > 3 || !isLanguage(language))
        return {};
    if (at == text.size())
        return language;
    if (text[at] != u'_' && text[at] != u'-')
        return {};
    std::string region;
    for (std::size_t part = at + 1; part <= text.size(); ++part) {
        if (part == text.size() || text[part] == u'_' || text[part] == u'-') {
            // A script ("Hant") is passed over; a region is two letters or three digits.
            if ((region.size() == 2 && std::all_of(region.begin(), region.end(), ::isalpha)) ||
                (region.size() == 3 && std::all_of(region.begin(), region.end(), ::isdigit)))
                return language.append(1, '_').append(region);
            region.clear();
        } else if (text[part] < 0x80 && u_isalnum(text[part])) {
            region += static_cast<char>(u_toupper(text[part]));
        } else {
            return {};
        }
    }
    return language;
}

std::u16string_view trimmed(std::u16string_view name)
{
    while (!name.empty() && u_isUWhiteSpace(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && u_isUWhiteSpace(name.back()))
        name.remove_suffix(1);
    return name;
}

} // namespace

std::string languageCode(std::u16string_view name)
{
    name = trimmed(name);
    if (name.empty() || name.size() > 64)
        return {};
    if (std::string code = codeOf(name); !code.empty())
        return code;
    const auto& byName = languagesByName();
    const auto found = byName.find(folded(name));
    return found == byName.end() ? std::string() : found->second;
}

std::string languageCodeIn(std::u16string_view name, const std::string& inLanguage)
{
    name = trimmed(name);
    if (name.empty() || name.size() > 64 || inLanguage.empty())
        return {};
    const std::u16string wanted = folded(name);
    for (const char* const* code = uloc_getISOLanguages(); *code; ++code) {
        if (folded(displayLanguage(*code, inLanguage.c_str())) == wanted)
            return *code;
    }
    return {};
}

std::u16string languageName(const std::string& code, const std::string& inLanguage)
{
    UChar name[128];
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = uloc_getDisplayName(code.c_str(), inLanguage.c_str(), name, 128, &error);
    if (U_FAILURE(error) || length <= 0 || length >= 128)
        return std::u16string(code.begin(), code.end());
    return std::u16string(name, length);
}

std::string languageOfScript(const std::vector<std::u16string_view>& texts)
{
    std::map<UScriptCode, std::size_t> letters;
    for (const std::u16string_view text : texts) {
        for (std::size_t at = 0; at < text.size();) {
            UChar32 character = 0;
            U16_NEXT(text, at, text.size(), character);
            if (!u_isalpha(character))
                continue;
            UErrorCode error = U_ZERO_ERROR;
            const UScriptCode script = uscript_getScript(character, &error);
            if (U_SUCCESS(error) && script != USCRIPT_COMMON && script != USCRIPT_INHERITED)
                ++letters[script];
        }
    }
    const auto most =
        std::max_element(letters.begin(), letters.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (most == letters.end())
        return {};
    // Japanese writes Han among its kana; Chinese has no kana at all.
    const bool kana = letters.contains(USCRIPT_HIRAGANA) || letters.contains(USCRIPT_KATAKANA);
    switch (most->first) {
    case USCRIPT_CYRILLIC:
        return "ru";
    case USCRIPT_GREEK:
        return "el";
    case USCRIPT_HIRAGANA:
    case USCRIPT_KATAKANA:
        return "ja";
    case USCRIPT_HAN:
        return kana ? "ja" : "zh";
    case USCRIPT_HANGUL:
        return "ko";
    case USCRIPT_ARABIC:
        return "ar";
    case USCRIPT_HEBREW:
        return "he";
    case USCRIPT_THAI:
        return "th";
    case USCRIPT_DEVANAGARI:
        return "hi";
    case USCRIPT_GEORGIAN:
        return "ka";
    case USCRIPT_ARMENIAN:
        return "hy";
    default:
        return {};
    }
}

} // namespace formats
