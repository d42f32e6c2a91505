#include "DelimitedReader.h"

#include "AnkiHtml.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringTokenizer>
#include <algorithm>
#include <iterator>

namespace formats {

namespace {

// Anki's names for its separators; any other value is the separator itself.
QChar namedSeparator(QStringView value)
{
    static const struct {
        QStringView name;
        char16_t separator = 0;
    } names[] = {{u"tab", u'\t'}, {u"comma", u','}, {u"semicolon", u';'},
                 {u"pipe", u'|'}, {u"space", u' '}, {u"colon", u':'}};
    for (const auto& named : names) {
        if (value.compare(named.name, Qt::CaseInsensitive) == 0)
            return named.separator;
    }
    return value.size() == 1 ? value.front() : QChar();
}

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

QStringView firstLine(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && !isLineEnd(text[end]))
        ++end;
    return text.first(end);
}

// The colon of a line that is one of the headers Anki writes ("#separator:tab"), or -1: a
// line that merely starts with "#" is a record.
qsizetype ankiHeaderColon(QStringView line)
{
    static constexpr QStringView keys[] = {
        u"separator",   u"html",       u"tags",        u"columns",
        u"notetype",    u"deck",       u"guid column", u"notetype column",
        u"deck column", u"tags column"};
    if (!line.startsWith(u'#'))
        return -1;
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0)
        return -1;
    const QStringView key = line.sliced(1, colon - 1);
    return std::ranges::find(keys, key) != std::end(keys) ? colon : -1;
}

// Where the separator stands after the label of a KWordQuiz header line: a word in any
// script, a space or none, and a colon as the language writes it. -1 when the line starts
// with no such label and a separator.
qsizetype headerLabelEnd(QStringView line)
{
    static constexpr QStringView kSeparators = u"\t,;|";
    static thread_local const QRegularExpression label(
        QStringLiteral(R"(^[\p{L}\p{M}\x{200B}]{1,40}[ \x{00A0}]?[:\x{FF1A}\x{17D6}])"));
    const QRegularExpressionMatch match = label.match(line);
    const qsizetype end = match.hasMatch() ? match.capturedLength() : -1;
    return end >= 0 && end < line.size() && kSeparators.contains(line[end]) ? end : -1;
}

} // namespace

DelimitedReader::DelimitedReader(QStringView text, Kind kind)
    : m_text(text), m_separator(kind == Kind::TabSeparated ? u'\t' : u',')
{
    // Anki writes its headers into tab-separated text only; in CSV a "#" starts a word.
    if (kind == Kind::TabSeparated)
        readHeaders();
    const qsizetype start = m_pos;
    readTitleAndAuthor();
    if (kind == Kind::CommaSeparated && m_pos == start)
        m_separator = guessSeparator();
}

bool DelimitedReader::startsWithAnkiHeader(QStringView text)
{
    return ankiHeaderColon(firstLine(text)) >= 0;
}

void DelimitedReader::skipLine(QStringView line)
{
    m_pos += line.size();
    if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
        ++m_pos;
}

void DelimitedReader::readHeaders()
{
    // Anki's "#key:value" lines at the top; it writes more of them than matter here.
    for (;;) {
        const QStringView line = firstLine(m_text.sliced(m_pos));
        const qsizetype colon = ankiHeaderColon(line);
        if (colon < 0)
            return;
        applyHeader(line.sliced(1, colon - 1), line.sliced(colon + 1).trimmed());
        skipLine(line);
    }
}

void DelimitedReader::readTitleAndAuthor()
{
    // KWordQuiz writes a title line and an author line, each a label in the desktop's
    // language ("Title:", "Titel:", "Titre :", "标题："), the separator the user chose for the
    // file and the value, unquoted. They are told by that shape, both with one separator.
    const qsizetype start = m_pos;
    const QStringView titleLine = firstLine(m_text.sliced(m_pos));
    const qsizetype titleEnd = headerLabelEnd(titleLine);
    if (titleEnd < 0)
        return;
    skipLine(titleLine);
    const QStringView authorLine = firstLine(m_text.sliced(m_pos));
    const qsizetype authorEnd = headerLabelEnd(authorLine);
    if (authorEnd < 0 || authorLine[authorEnd] != titleLine[titleEnd]) {
        m_pos = start;
        return;
    }
    skipLine(authorLine);
    m_separator = titleLine[titleEnd];
    m_title = titleLine.sliced(titleEnd + 1);
    m_author = authorLine.sliced(authorEnd + 1);
}

void DelimitedReader::applyHeader(QStringView key, QStringView value)
{
    if (key == u"columns") {
        m_columnNames = value;
        m_hasColumnNames = true;
    } else if (key == u"separator") {
        const QChar separator = namedSeparator(value);
        if (!separator.isNull() && !isLineEnd(separator) && separator != u'"')
            m_separator = separator;
    } else if (key == u"html") {
        m_html = value == u"true";
    } else if (key == u"guid column" || key == u"notetype column" || key == u"deck column" ||
               key == u"tags column") {
        bool ok = false;
        const int column = value.toInt(&ok);
        if (ok && column > 0)
            m_noteColumns.append(column - 1);
    }
}

int DelimitedReader::lineNumberAt(qsizetype pos) const
{
    const QStringView before = m_text.first(pos);
    const qsizetype lineFeeds = before.count(u'\n');
    // Old Mac files end their lines with a lone CR.
    return 1 + static_cast<int>(lineFeeds > 0 ? lineFeeds : before.count(u'\r'));
}

QChar DelimitedReader::guessSeparator() const
{
    // Spreadsheets in locales whose decimal mark is a comma write semicolons, and some
    // programs write tabs into a file they name CSV; a tab is no part of a word.
    bool quoted = false;
    bool commas = false;
    bool semicolons = false;
    for (qsizetype i = m_pos; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(c))
            break;
        else if (!quoted && c == u'\t')
            return u'\t';
        else if (!quoted && c == u',')
            commas = true;
        else if (!quoted && c == u';')
            semicolons = true;
    }
    return semicolons && !commas ? u';' : u',';
}

void DelimitedReader::applyColumnNames(EntryCollector& entries) const
{
    QStringView names[2];
    int count = 0;
    int column = 0;
    for (const QStringView name : m_columnNames.tokenize(m_separator)) {
        if (count < 2 && !m_noteColumns.contains(column))
            names[count++] = name;
        ++column;
    }
    entries.setLanguageNames(names[0], names[1]);
}

QStringView DelimitedReader::nextField(bool& endOfRecord)
{
    // A quoted field is a stretch of the text, unless doubled quotes or text after its
    // closing quote make it a string of its own.
    QStringView field;
    QString* joined = nullptr;
    const bool quoted = m_pos < m_text.size() && m_text[m_pos] == u'"';
    if (quoted) {
        const qsizetype opening = m_pos++;
        for (;;) {
            const qsizetype quote = m_text.indexOf(u'"', m_pos);
            if (quote < 0) {
                m_unclosedQuote = opening;
                m_pos = m_text.size();
                endOfRecord = true;
                return {};
            }
            const QStringView part = m_text.sliced(m_pos, quote - m_pos);
            if (joined)
                *joined += part;
            else
                field = part;
            m_pos = quote + 1;
            if (m_pos >= m_text.size() || m_text[m_pos] != u'"')
                break;
            if (!joined)
                joined = &m_decodedFields.emplace_back(field.toString());
            *joined += u'"';
            ++m_pos;
        }
    }
    // Unquoted text, or what follows a closing quote up to the separator.
    const qsizetype start = m_pos;
    const char16_t* units = m_text.utf16();
    const char16_t separator = m_separator.unicode();
    while (m_pos < m_text.size() && units[m_pos] != separator && units[m_pos] != u'\n' &&
           units[m_pos] != u'\r')
        ++m_pos;
    const QStringView rest = m_text.sliced(start, m_pos - start);
    if (!quoted) {
        field = rest;
    } else if (!rest.isEmpty()) {
        if (!joined)
            joined = &m_decodedFields.emplace_back(field.toString());
        *joined += rest;
    }
    if (joined)
        field = *joined;

    endOfRecord = m_pos >= m_text.size() || isLineEnd(m_text[m_pos]);
    if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
        ++m_pos;
    if (m_pos < m_text.size() && (m_text[m_pos] == u'\n' || m_text[m_pos] == m_separator))
        ++m_pos;
    return field;
}

bool DelimitedReader::nextRecord(QList<QStringView>& fields)
{
    fields.clear();
    m_decodedFields.clear();
    if (m_pos >= m_text.size())
        return false;
    bool endOfRecord = false;
    while (!endOfRecord)
        fields.append(nextField(endOfRecord));
    return m_unclosedQuote < 0;
}

QString DelimitedReader::read(EntryCollector& entries)
{
    entries.setTitle(m_title);
    entries.setAuthor(m_author);
    // Anki names its columns in a header and writes no heading record.
    if (m_hasColumnNames)
        applyColumnNames(entries);
    else
        entries.allowHeading();
    QList<QStringView> fields;
    bool twoColumns = false;
    bool anyRecord = false;
    while (!entries.full() && nextRecord(fields)) {
        QStringView columns[2];
        QString plainTexts[2];
        int count = 0;
        for (int i = 0; i < fields.size() && count < 2; ++i) {
            if (m_noteColumns.contains(i))
                continue;
            if (m_html) {
                plainTexts[count] = plainTextFromHtml(fields[i]);
                columns[count] = plainTexts[count];
            } else {
                columns[count] = fields[i];
            }
            ++count;
        }
        anyRecord = anyRecord || count == 2 || (count == 1 && !columns[0].trimmed().isEmpty());
        twoColumns = twoColumns || count == 2;
        if (count == 2)
            entries.add(columns[0], columns[1]);
    }
    if (m_unclosedQuote >= 0)
        return QCoreApplication::translate(
                   "formats", "a field that starts with a quotation mark on line %1 never ends; "
                              "its closing \" is missing.")
            .arg(lineNumberAt(m_unclosedQuote));
    if (anyRecord && !twoColumns)
        return QCoreApplication::translate(
            "formats", "it has only one column. A word list needs the word in the "
                       "first column and its meaning in the second.");
    return {};
}

} // namespace formats
