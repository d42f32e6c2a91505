#include "AnkiHtml.h"

#include <algorithm>

namespace formats {

namespace {

bool breaksLine(QStringView tag)
{
    // The name that follows "<" or "</", up to a space, "/" or the end.
    if (tag.startsWith(u'/'))
        tag = tag.sliced(1);
    qsizetype end = 0;
    while (end < tag.size() && tag[end].isLetterOrNumber())
        ++end;
    const QStringView name = tag.first(end);
    static constexpr QStringView blocks[] = {u"br", u"div", u"p", u"li", u"tr"};
    return std::ranges::any_of(blocks, [name](QStringView block) {
        return name.size() == block.size() && name.compare(block, Qt::CaseInsensitive) == 0;
    });
}

// The character a reference such as "amp", "#233" or "#xE9" stands for, or 0.
char32_t referencedCharacter(QStringView name)
{
    static const struct {
        QStringView name;
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
    for (const auto& entity : named) {
        if (name == entity.name)
            return entity.character;
    }
    return 0;
}

} // namespace

QString plainTextFromHtml(QStringView html)
{
    QString text;
    text.reserve(html.size());
    qsizetype pos = 0;
    while (pos < html.size()) {
        qsizetype markup = pos;
        while (markup < html.size() && html[markup] != u'<' && html[markup] != u'&')
            ++markup;
        text += html.sliced(pos, markup - pos);
        pos = markup;
        if (pos == html.size())
            break;
        if (html[pos] == u'<') {
            const qsizetype close = html.indexOf(u'>', pos + 1);
            if (close < 0) {
                text += html.sliced(pos);
                break;
            }
            if (breaksLine(html.sliced(pos + 1, close - pos - 1)))
                text += u' ';
            pos = close + 1;
            continue;
        }
        // A reference is short: "&hellip;", "&#x1F600;".
        const qsizetype semicolon =
            html.first(std::min(html.size(), pos + 12)).indexOf(u';', pos + 1);
        const char32_t character =
            semicolon > pos ? referencedCharacter(html.sliced(pos + 1, semicolon - pos - 1)) : 0;
        if (character == 0) {
            text += u'&';
            ++pos;
            continue;
        }
        text += QString::fromUcs4(&character, 1);
        pos = semicolon + 1;
    }
    // HTML shows a run of white space as one space; most fields have none.
    const QStringView plain = text;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain[i].isSpace() &&
            (plain[i] != u' ' || (i + 1 < plain.size() && plain[i + 1].isSpace())))
            return text.simplified();
    }
    return text;
}

} // namespace formats
