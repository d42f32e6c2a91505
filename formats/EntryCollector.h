// Gathers a list's entries as every reader must keep them: trimmed, cut to the length of a
// dictionary line, and only whole (a word and its meaning); and what the list says of
// itself: its sides' languages, title and author.
#pragma once

#include "WordList.h"

#include <QStringView>

namespace formats {

// A word or meaning as an entry keeps it: trimmed, on one line, and cut to kMaxFieldLength.
std::u16string entryText(QStringView field);

class EntryCollector {
public:
    EntryCollector(WordList& list, std::size_t maxEntries);

    // Skips an entry whose word or meaning is empty once trimmed; the recordings are kept as
    // the file names them. After `allowHeading`, the first entry that is not empty is the
    // list's heading instead when both its cells name a side: by its language ("Deutsch",
    // "English") or by a usual column name ("word", "Bedeutung", "Front"); the languages
    // named become the sides'.
    // Returns whether the entry was kept.
    bool add(QStringView word, QStringView meaning, QStringView wordRecording = {},
             QStringView meaningRecording = {});
    // Adds an entry whose texts entryText made, never as a heading; false when either text
    // is empty or the list is full.
    bool add(WordEntry entry, QStringView wordRecording = {}, QStringView meaningRecording = {});
    // The pictures of the entry that the last add kept, as the file names them.
    void setPictures(QStringView wordPicture, QStringView meaningPicture);
    void allowHeading() { m_headingAllowed = true; }
    // The sides' languages where the cells name them, as a heading does.
    void setLanguageNames(QStringView wordSide, QStringView meaningSide);
    // The languages the file names for its sides, as codes.
    void setLanguages(std::string word, std::string meaning);
    void setTitle(QStringView title);
    void setAuthor(QStringView author);
    std::size_t maxEntries() const { return m_maxEntries; }
    const std::vector<WordEntry>& entries() const { return m_list.entries; }

    // One entry more than the caller keeps has been read: the rest need not be.
    bool full() const { return m_list.entries.size() > m_maxEntries; }

private:
    bool isHeading(QStringView word, QStringView meaning);

    WordList& m_list;
    std::size_t m_maxEntries;
    bool m_headingAllowed = false;
};

} // namespace formats
