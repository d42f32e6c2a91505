#include "LinePairsReader.h"

namespace formats {

namespace {

bool isContentLine(QStringView line)
{
    return !line.isEmpty() && line.front() != u';';
}

} // namespace

bool LinePairsReader::nextLine(QStringView& line)
{
    if (m_pos >= m_text.size())
        return false;
    // LF, CR LF and a lone CR all end a line.
    qsizetype end = m_pos;
    while (end < m_text.size() && m_text[end] != u'\n' && m_text[end] != u'\r')
        ++end;
    line = m_text.sliced(m_pos, end - m_pos);
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    m_pos = end + 1;
    if (end + 1 < m_text.size() && m_text[end] == u'\r' && m_text[end + 1] == u'\n')
        ++m_pos;
    return true;
}

void LinePairsReader::read(EntryCollector& entries)
{
    QStringView word;
    bool haveWord = false;
    QStringView line;
    while (!entries.full() && nextLine(line)) {
        if (!isContentLine(line))
            continue;
        if (haveWord)
            entries.add(word, line);
        else
            word = line;
        haveWord = !haveWord;
    }
}

} // namespace formats
