#include "AnkiHtml.h"

#include "EntryCollector.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <unicode/utf8.h>

namespace formats {

namespace {

// The units of a field: UTF-16, or the UTF-8 that a deck's collection holds.
template <typename Unit> using Text = std::basic_string_view<Unit>;

template <typename Unit> char16_t asciiOrHigh(Unit unit)
{
    return static_cast<char16_t>(static_cast<std::make_unsigned_t<Unit>>(unit));
}

// Whether `name` is `ascii`, in either case when `foldCase` (the names of tags, where a
// letter's case is its 0x20 bit).
template <typename Unit> bool isName(Text<Unit> name, std::string_view ascii, bool foldCase)
{
    const char16_t fold = foldCase ? 0x20 : 0;
    return std::ranges::equal(name, ascii, [fold](Unit unit, char c) {
        return (asciiOrHigh(unit) | fold) == static_cast<char16_t>(c);
    });
}

template <typename Unit> bool breaksLine(Text<Unit> tag)
{
    // The name that follows "<" or "</", up to a space, "/" or the end.
    if (!tag.empty() && tag.front() == Unit('/'))
        tag.remove_prefix(1);
    size_t length = 0;
    while (length < tag.size() && asciiOrHigh(tag[length]) < 0x80 &&
           std::isalnum(static_cast<unsigned char>(asciiOrHigh(tag[length]))))
        ++length;
    const Text<Unit> name = tag.substr(0, length);
    return std::ranges::any_of(
        std::initializer_list<std::string_view>{"br", "div", "p", "li", "tr"},
        [name](std::string_view block) { return isName(name, block, true); });
}

// The character a reference such as "amp", "#233" or "#xE9" stands for, or 0.
template <typename Unit> char32_t referencedCharacter(Text<Unit> name)
{
    static constexpr struct {
        // cppcheck-suppress unusedStructMember ; read through `auto` in the search below
        std::string_view name;
        char32_t character = 0;
    } named[] = {{"amp", U'&'},    {"lt", U'<'},        {"gt", U'>'},    {"quot", U'"'},
                 {"apos", U'\''},  {"nbsp", U'\u00A0'}, {"ndash", U'–'}, {"mdash", U'—'},
                 {"hellip", U'…'}, {"laquo", U'«'},     {"raquo", U'»'}, {"shy", U'\u00AD'}};
    if (!name.empty() && name.front() == Unit('#')) {
        const bool hex = name.size() > 1 && (name[1] == Unit('x') || name[1] == Unit('X'));
        const Text<Unit> digits = name.substr(hex ? 2 : 1);
        // A reference is short: its digits cannot overflow.
        std::uint64_t code = 0;
        for (const Unit unit : digits) {
            const char16_t c = asciiOrHigh(unit);
            const int digit = c >= u'0' && c <= u'9' ? c - u'0'
                              : hex && (c | 0x20) >= u'a' && (c | 0x20) <= u'f'
                                  ? (c | 0x20) - u'a' + 10
                                  : -1;
            if (digit < 0)
                return 0;
            code = code * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        }
        const bool valid =
            !digits.empty() && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        return valid ? static_cast<char32_t>(code) : 0;
    }
    const auto entity = std::ranges::find_if(
        named, [name](const auto& entity) { return isName(name, entity.name, false); });
    return entity != std::end(named) ? entity->character : 0;
}

// The character at `unit`, which moves past it: a UTF-16 unit as it stands, a surrogate
// too, or the character of a UTF-8 sequence (U+FFFD for bytes that form none).
char32_t nextCharacter(const char16_t*& unit, const char16_t*)
{
    return *unit++;
}

char32_t nextCharacter(const char*& unit, const char* end)
{
    const auto* const bytes = reinterpret_cast<const std::uint8_t*>(unit);
    std::ptrdiff_t at = 0;
    UChar32 character = 0;
    U8_NEXT_OR_FFFD(bytes, at, end - unit, character);
    unit += at;
    return static_cast<char32_t>(character);
}

// Where `wanted` first is in `text`, or npos. The first units are looked at in place: most
// tags and every reference end within them, and a call costs more than the look.
template <typename Unit> size_t findNear(Text<Unit> text, Unit wanted)
{
    constexpr size_t kNear = 12;
    const size_t near = std::min(text.size(), kNear);
    for (size_t i = 0; i < near; ++i) {
        if (text[i] == wanted)
            return i;
    }
    return near == text.size() ? Text<Unit>::npos : text.find(wanted, near);
}

// White space as QChar::isSpace tells it. Below U+1680 it is ASCII's, U+0085 and U+00A0
// alone: the letters of most languages then need no look at Unicode's tables.
bool isWhiteSpace(char32_t c)
{
    if (c < 0x1680)
        return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0;
    return QChar::isSpace(c);
}

// Writes the plain text of `html` from `begin`, which has room for as many units as `html`
// holds, and returns its length. A space is written for the first unit of white space that
// follows text, and one left at the end is taken back: whether a unit is written then
// depends on the units alone, not on what was written, and a long field's text passes
// without waiting on the last unit's outcome.
template <typename Unit>
qsizetype writePlainText(Text<Unit> html, char16_t* const begin, qsizetype maxLength)
{
    char16_t* out = begin;
    // The last unit written is a space, or none is written yet.
    bool afterSpace = true;
    const auto append = [&](char32_t c) {
        if (QChar::requiresSurrogates(c)) {
            *out++ = QChar::highSurrogate(c);
            *out++ = QChar::lowSurrogate(c);
            afterSpace = false;
        } else if (!isWhiteSpace(c)) {
            *out++ = static_cast<char16_t>(c);
            afterSpace = false;
        } else if (!afterSpace) {
            *out++ = u' ';
            afterSpace = true;
        }
    };
    // The length is checked after each tag or reference, as a run of text is short.
    const Unit* const end = html.data() + html.size();
    for (const Unit* unit = html.data(); unit < end;) {
        const char16_t c = asciiOrHigh(*unit);
        if (c < 0x80 && c != u'<' && c != u'&') {
            // Without branches on the spaces, which come every few letters: a unit not
            // taken is overwritten.
            const bool blank = c == u' ' || (c >= u'\t' && c <= u'\r');
            *out = blank ? u' ' : c;
            out += !(blank && afterSpace);
            afterSpace = blank;
            ++unit;
            continue;
        }
        if (c >= 0x80) {
            append(nextCharacter(unit, end));
            continue;
        }
        const Text<Unit> rest(unit + 1, static_cast<size_t>(end - unit - 1));
        if (c == u'<') {
            const size_t close = findNear(rest, Unit('>'));
            if (close == Text<Unit>::npos) {
                while (unit < end)
                    append(nextCharacter(unit, end));
                break;
            }
            if (breaksLine(rest.substr(0, close)))
                append(U' ');
            unit += close + 2;
        } else {
            // A reference is short: "&hellip;", "&#x1F600;".
            const size_t semicolon = findNear(rest.substr(0, 11), Unit(';'));
            const char32_t character =
                semicolon != Text<Unit>::npos ? referencedCharacter(rest.substr(0, semicolon)) : 0;
            append(character == 0 ? U'&' : character);
            unit += character == 0 ? 1 : semicolon + 2;
        }
        if (out - begin > maxLength)
            break;
    }
    // A space at the end is taken back.
    if (out != begin && afterSpace)
        --out;
    return out - begin;
}

// The text is written into room for the whole field, which it never outgrows (a tag or a
// reference is never shorter than what it leaves, a UTF-8 sequence never shorter than its
// UTF-16), kept by each thread for the next field: the fields of real decks are long, and
// their text is much shorter. `take` makes what is returned of the text in the room. Room
// for a huge field is not kept.
template <typename Unit, typename Take>
auto withPlainText(Text<Unit> html, qsizetype maxLength, Take take)
{
    static constexpr size_t kKeptRoom = 64 * 1024;
    static thread_local std::u16string room;
    if (room.size() < html.size())
        room.resize(html.size());
    auto taken = take(QStringView(room.data(), writePlainText(html, room.data(), maxLength)));
    if (room.size() > kKeptRoom)
        std::u16string().swap(room);
    return taken;
}

// The text as an entry keeps it. Written text has no line break and no white space at
// its ends already: only a text longer than an entry goes through entryText.
std::u16string entryTextOfPlain(QStringView text)
{
    if (static_cast<size_t>(text.size()) > kMaxFieldLength)
        return entryText(text);
    return std::u16string(text.utf16(), static_cast<size_t>(text.size()));
}

} // namespace

QString plainTextFromHtml(QStringView html, qsizetype maxLength)
{
    return withPlainText(Text<char16_t>(html.utf16(), static_cast<size_t>(html.size())), maxLength,
                         [](QStringView text) { return text.toString(); });
}

std::u16string entryTextFromHtml(QStringView html)
{
    return withPlainText(Text<char16_t>(html.utf16(), static_cast<size_t>(html.size())),
                         kMaxFieldLength, entryTextOfPlain);
}

std::u16string entryTextFromHtml(std::string_view utf8)
{
    return withPlainText(utf8, kMaxFieldLength, entryTextOfPlain);
}

} // namespace formats
