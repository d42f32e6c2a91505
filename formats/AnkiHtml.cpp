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

// Appends text as HTML shows it: each run of white space one space, none at the start.
// Written in place into room for `capacity` units, which the text never outgrows: a tag or
// a reference is never shorter than what it leaves.
class CollapsedText {
public:
    explicit CollapsedText(qsizetype capacity)
        : m_text(capacity, Qt::Uninitialized), m_units(m_text.data())
    {
    }

    void append(QStringView part)
    {
        for (const QChar c : part)
            append(c);
    }
    void append(QChar c)
    {
        if (c.isSpace()) {
            m_space = m_size > 0;
            return;
        }
        if (m_space)
            m_units[m_size++] = u' ';
        m_space = false;
        m_units[m_size++] = c;
    }
    void append(char32_t character)
    {
        if (QChar::requiresSurrogates(character)) {
            append(QChar(QChar::highSurrogate(character)));
            m_units[m_size++] = QChar(QChar::lowSurrogate(character));
        } else {
            append(QChar(static_cast<char16_t>(character)));
        }
    }
    void breakWord() { m_space = m_size > 0; }
    qsizetype size() const { return m_size; }
    QString take()
    {
        m_text.resize(m_size);
        return std::move(m_text);
    }

private:
    QString m_text;
    QChar* m_units;
    qsizetype m_size = 0;
    bool m_space = false;
};

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

QString plainTextFromHtml(QStringView html, qsizetype maxLength)
{
    CollapsedText text(html.size());
    qsizetype pos = 0;
    while (pos < html.size() && text.size() <= maxLength) {
        qsizetype markup = pos;
        while (markup < html.size() && html[markup] != u'<' && html[markup] != u'&')
            ++markup;
        text.append(html.sliced(pos, markup - pos));
        pos = markup;
        if (pos == html.size())
            break;
        if (html[pos] == u'<') {
            const qsizetype close = html.indexOf(u'>', pos + 1);
            if (close < 0) {
                text.append(html.sliced(pos));
                break;
            }
            if (breaksLine(html.sliced(pos + 1, close - pos - 1)))
                text.breakWord();
            pos = close + 1;
            continue;
        }
        // A reference is short: "&hellip;", "&#x1F600;".
        const qsizetype semicolon =
            html.first(std::min(html.size(), pos + 12)).indexOf(u';', pos + 1);
        const char32_t character =
            semicolon > pos ? referencedCharacter(html.sliced(pos + 1, semicolon - pos - 1)) : 0;
        if (character == 0) {
            text.append(QChar(u'&'));
            ++pos;
            continue;
        }
        text.append(character);
        pos = semicolon + 1;
    }
    return text.take();
}

} // namespace formats
