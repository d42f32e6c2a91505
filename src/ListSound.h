// ListSound: what a list read says of its sound, carried from the reader to the speaker.
#pragma once

#include "FileKind.h"
#include "WordList.h"

#include <string>
#include <vector>

struct ListSound {
    formats::FileKind kind = formats::FileKind::Dictionary;
    // Codes, empty where the list names no language.
    std::string wordLanguage;
    std::string meaningLanguage;
    // One for each entry, or none.
    std::vector<formats::EntryRecordings> recordings;
};
