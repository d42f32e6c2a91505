// Gathers a list's entries as every reader must keep them: trimmed, cut to the length of a
// dictionary line, and only whole (a word and its meaning).
#pragma once

#include "WordList.h"

#include <QStringView>

namespace formats {

class EntryCollector {
public:
    EntryCollector(WordList& list, std::size_t maxEntries);

    // Skips an entry whose word or meaning is empty once trimmed. The recordings are kept as
    // the file names them.
    void add(QStringView word, QStringView meaning, QStringView wordRecording = {},
             QStringView meaningRecording = {});
    // The languages the file names for its sides, as codes.
    void setLanguages(std::string word, std::string meaning);
    // One entry more than the caller keeps has been read: the rest need not be.
    bool full() const { return m_entries.size() > m_maxEntries; }

private:
    std::vector<WordEntry>& m_entries;
    std::vector<EntryRecordings>& m_recordings;
    WordList& m_list;
    std::size_t m_maxEntries;
};

} // namespace formats
