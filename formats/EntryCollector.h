// Gathers a list's entries as every reader must keep them: trimmed, cut to the length of a
// dictionary line, and only whole (a word and its meaning).
#pragma once

#include "WordList.h"

#include <QStringView>

namespace formats {

class EntryCollector {
public:
    EntryCollector(std::vector<WordEntry>& entries, std::size_t maxEntries);

    // Skips an entry whose word or meaning is empty once trimmed.
    void add(QStringView word, QStringView meaning);
    // One entry more than the caller keeps has been read: the rest need not be.
    bool full() const { return m_entries.size() > m_maxEntries; }

private:
    std::vector<WordEntry>& m_entries;
    std::size_t m_maxEntries;
};

} // namespace formats
