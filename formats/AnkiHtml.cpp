#include "AnkiHtml.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace formats {

namespace {

bool breaksLine(QStringView tag)
{
    // The name that follows "<" or "</", up to a space, "/" or the end; the names of
    // tags are ASCII, so a letter's case is its 0x20 bit.
    if (tag.startsWith(u'/'))
        tag = tag.sliced(1);
    char name[4] = {};
    qsizetype length = 0;
    for (; length < tag.size() && tag[length].isLetterOrNumber(); ++length) {
        if (length == 3 || tag[length].unicode() >= 0x80)
            return false;
        name[length] = static_cast<char>(tag[length].unicode() | 0x20);
    }
    static constexpr std::string_view blocks[] = {"br", "div", "p", "li", "tr"};
    return std::ranges::find(blocks, std::string_view(name, static_cast<size_t>(length))) !=
           std::end(blocks);
}

// The character a reference such as "amp", "#233" or "#xE9" stands for, or 0.
char32_t referencedCharacter(QStringView name)
{
    static constexpr struct {
        std::u16string_view name;
        char32_t character = 0;
    } named[] = {{u"amp", U'&'},    {u"lt", U'<'},        {u"gt", U'>'},    {u"quot", U'"'},
                 {u"apos", U'\''},  {u"nbsp", U'\u00A0'}, {u"ndash", U'–'}, {u"mdash", U'—'},
                 {u"hellip", U'…'}, {u"laquo", U'«'},     {u"raquo", U'»'}, {u"shy", U'\u00AD'}};
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        const bool valid =
            ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        return valid ? code : 0;
    }
    // Compared in place: a deck's fields hold a reference every few words.
    const std::u16string_view text(name.utf16(), static_cast<size_t>(name.size()));
    for (const auto& entity : named) {
        if (text == entity.name)
            return entity.character;
    }
    return 0;
}

} // namespace

QString plainTextFromHtml(QStringView html, qsizetype maxLength)
{
    // The text is written in place into room for the whole field, which it never outgrows:
    // a tag or a reference is never shorter than what it leaves. Its state lives in locals,
    // which the compiler keeps in registers, as each unit of a long field passes here.
    QString text(html.size(), Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* out = begin;
    // Each run of white space becomes one space, none at the start.
    bool space = false;
    const auto append = [&](char16_t c) {
        if (QChar::isSpace(c)) {
            space = out != begin;
            return;
        }
        if (space)
            *out++ = u' ';
        space = false;
        *out++ = c;
    };
    // The length is checked after each tag or reference, as a run of text is short.
    const char16_t* const end = html.utf16() + html.size();
    for (const char16_t* unit = html.utf16(); unit < end;) {
        const char16_t c = *unit;
        if (c < 0x80 && c != u'<' && c != u'&') {
            // Without branches on the spaces, which come every few letters: a unit not
            // taken is overwritten.
            const bool blank = c == u' ' || (c >= u'\t' && c <= u'\r');
            *out = u' ';
            out += space && !blank;
            *out = c;
            out += !blank;
            space = blank && out != begin;
            ++unit;
            continue;
        }
        if (c >= 0x80) {
            append(*unit++);
            continue;
        }
        if (*unit == u'<') {
            const char16_t* const close = std::find(unit + 1, end, u'>');
            if (close == end) {
                std::for_each(unit, end, append);
                break;
            }
            if (breaksLine(QStringView(unit + 1, close)))
                space = out != begin;
            unit = close + 1;
        } else {
            // A reference is short: "&hellip;", "&#x1F600;".
            const char16_t* const limit = std::min(end, unit + 12);
            const char16_t* const semicolon = std::find(unit + 1, limit, u';');
            const char32_t character =
                semicolon != limit ? referencedCharacter(QStringView(unit + 1, semicolon)) : 0;
            if (character == 0) {
                append(u'&');
                ++unit;
            } else if (QChar::requiresSurrogates(character)) {
                append(QChar::highSurrogate(character));
                *out++ = QChar::lowSurrogate(character);
                unit = semicolon + 1;
            } else {
                append(static_cast<char16_t>(character));
                unit = semicolon + 1;
            }
        }
        if (out - begin > maxLength)
            break;
    }
    text.truncate(out - begin);
    return text;
}

} // namespace formats
