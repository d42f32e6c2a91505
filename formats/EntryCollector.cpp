#include "EntryCollector.h"

#include <QString>
#include <algorithm>

namespace formats {

namespace {

std::u16string fieldText(QStringView field)
{
    // A quoted field or an XML text may hold line breaks; a word is shown on one line.
    QString joined;
    QStringView text = field.trimmed();
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c == u'\n' || c == u'\r'; })) {
        joined = text.toString();
        joined.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        joined.replace(u'\r', u' ');
        joined.replace(u'\n', u' ');
        text = joined;
    }
    if (static_cast<std::size_t>(text.size()) > kMaxFieldLength) {
        // A pair of surrogates is one character: it is kept whole or not at all.
        qsizetype length = kMaxFieldLength;
        if (text[length - 1].isHighSurrogate())
            --length;
        text = text.first(length).trimmed();
    }
    return std::u16string(text.utf16(), static_cast<std::size_t>(text.size()));
}

} // namespace

EntryCollector::EntryCollector(WordList& list, std::size_t maxEntries)
    : m_entries(list.entries), m_recordings(list.recordings), m_list(list), m_maxEntries(maxEntries)
{
}

void EntryCollector::add(QStringView word, QStringView meaning, QStringView wordRecording,
                         QStringView meaningRecording)
{
    if (full())
        return;
    WordEntry entry{fieldText(word), fieldText(meaning)};
    if (entry.word.empty() || entry.meaning.empty())
        return;
    m_entries.push_back(std::move(entry));
    wordRecording = wordRecording.trimmed();
    meaningRecording = meaningRecording.trimmed();
    // Most lists name no recording: they are kept only once one is named.
    if (wordRecording.isEmpty() && meaningRecording.isEmpty())
        return;
    m_recordings.resize(m_entries.size());
    m_recordings.back() = {wordRecording.toString().toStdU16String(),
                           meaningRecording.toString().toStdU16String()};
}

void EntryCollector::setLanguages(std::string word, std::string meaning)
{
    m_list.wordLanguage = std::move(word);
    m_list.meaningLanguage = std::move(meaning);
}

} // namespace formats
