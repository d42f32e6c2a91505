// Tells what a file is and reads the word lists that other programs and editors save:
// UTF-8 text, tab-separated and CSV exports, KVTML, Anki decks and spreadsheets. Knows the
// formats only; the caller decides what a list is good for.
#pragma once

#include "FileKind.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace formats {

struct WordEntry {
    std::u16string word;
    std::u16string meaning;

    bool operator==(const WordEntry&) const = default;
};

// Where an entry's recordings of its word and of its meaning are, as the list names them: a
// path relative to the list's folder, or the name of a sound among a deck's media; empty
// where there is none.
struct EntryRecordings {
    std::u16string word;
    std::u16string meaning;
};

// Where an entry's pictures of its word and of its meaning are, as the list names them: a
// path relative to the list's folder, or the name of a picture among a deck's media; empty
// where there is none.
struct EntryPictures {
    std::u16string word;
    std::u16string meaning;
};

struct WordList {
    // In file order; each word and meaning trimmed, non-empty and at most kMaxFieldLength
    // units long.
    std::vector<WordEntry> entries;
    // Why the file could not be read, as a learner would understand it; empty when it was.
    std::u16string problem;
    // The languages of the words and of the meanings, as codes ("de", "en_US"), where the
    // file names them; empty where it does not.
    std::string wordLanguage;
    std::string meaningLanguage;
    // The list's title and author, where the file names them; empty where it does not.
    std::u16string title;
    std::u16string author;
    // One for each entry when the list names any recording; empty when it names none.
    std::vector<EntryRecordings> recordings;
    // One for each entry when the list names any picture; empty when it names none.
    std::vector<EntryPictures> pictures;
};

// Units kept of a word or meaning, as a dictionary line keeps them.
inline constexpr std::size_t kMaxFieldLength = 999;

// Reads more of a file, after the bytes read before, into `buffer`: as many bytes as one
// read gives, at most `size`, and 0 at the end of the file.
using ReadMore = std::function<std::size_t(char* buffer, std::size_t size)>;

// Reads a file of the kind given whose first block has been read, and `readMore` the rest,
// stopping after `maxEntries` + 1 entries so that the caller can tell a list that is too
// long without reading all of it. Reads the lists of text (isPackage() is false for their
// kind) and refuses what is no word list.
WordList readWordList(FileKind kind, std::string_view firstBlock, const ReadMore& readMore,
                      std::size_t maxEntries);
// The same for the packages: decks and spreadsheets.
WordList readPackagedWordList(FileKind kind, std::string_view firstBlock, const ReadMore& readMore,
                              std::size_t maxEntries);

// The recording `name` that the list at `listPath`, of the kind given, names: read whole
// into `sound` when it is a sound file within the limits a recording needs. Returns why it
// cannot be, or "". Nothing outside the list's folder is ever opened.
std::u16string readRecording(const std::u16string& listPath, FileKind kind,
                             const std::u16string& name, std::string& sound);
// The same for a recording in a package: nothing outside the package is ever opened.
std::u16string readPackagedRecording(const std::u16string& listPath, FileKind kind,
                                     const std::u16string& name, std::string& sound);

// The picture `name` that the list at `listPath` names, read whole into `picture` within
// the size a recording may have; its bytes are not looked at. Returns why it cannot be read,
// or "". As for recordings, nothing outside the list's folder or package is ever opened.
std::u16string readPicture(const std::u16string& listPath, FileKind kind,
                           const std::u16string& name, std::string& picture);
std::u16string readPackagedPicture(const std::u16string& listPath, FileKind kind,
                                   const std::u16string& name, std::string& picture);

// The entries as tab-separated text, a "word<TAB>meaning" line each, that reads back as the
// same entries here and in other trainers: a field that would read as something else (it
// starts with a quotation mark, "#" or ";", or holds a tab or a line break) is quoted.
std::u16string toTabSeparatedText(const std::vector<WordEntry>& entries);

} // namespace formats
