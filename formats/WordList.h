// Reads the word lists that other programs and editors save: UTF-8 text, tab-separated and
// CSV exports, KVTML. Knows the formats only; the caller decides what a list is good for.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace formats {

struct WordEntry {
    std::u16string word;
    std::u16string meaning;
};

struct WordList {
    // In file order; each word and meaning trimmed, non-empty and at most kMaxFieldLength
    // units long.
    std::vector<WordEntry> entries;
    // Why the file could not be read, as a learner would understand it; empty when it was.
    std::u16string problem;
};

// Units kept of a word or meaning, as a dictionary line keeps them.
inline constexpr std::size_t kMaxFieldLength = 999;

// Reads the file at `path`, stopping after `maxEntries` + 1 entries so that the caller can
// tell a list that is too long without reading all of it.
WordList readWordList(const std::u16string& path, std::size_t maxEntries);

// Whether the name is one that only these readers open (.txt, .tsv, .csv, .kvtml): an
// empty file of that name is not an empty dictionary.
bool hasWordListExtension(const std::u16string& path);

// The entries as tab-separated text, a "word<TAB>meaning" line each, that reads back as the
// same entries here and in other trainers: a field that would read as something else (it
// starts with a quotation mark, "#" or ";", or holds a tab or a line break) is quoted.
std::u16string toTabSeparatedText(const std::vector<WordEntry>& entries);

} // namespace formats
