// The readers of other programs' word lists and the memory's store live in a module of their
// own, with the libraries they need (archives, zstd, SQLite, encoding detection), so that the
// program starts without loading them: it opens the module when it first reads such a list,
// plays a list's recording or turns the memory on.
#pragma once

#include "Progress.h"
#include "WordList.h"

#include <memory>

struct ListLibrary {
    formats::WordList (*readWordList)(formats::FileKind kind, std::string_view firstBlock,
                                      const formats::ReadMore& readMore, std::size_t maxEntries);
    std::u16string (*readRecording)(const std::u16string& listPath, formats::FileKind kind,
                                    const std::u16string& name, std::string& sound);
    std::unique_ptr<progress::Memory> (*openMemory)(const std::u16string& deviceId, bool create,
                                                    std::u16string& message);
    std::u16string (*newDeviceId)();
};

// The module's one entry point.
using GetListLibraryProc = const ListLibrary* (*)();
#define LIST_LIBRARY_ENTRY "ZantoliListLibrary"

// The module's functions, loading it on the first call from any thread; null when it cannot
// be loaded.
const ListLibrary* GetListLibrary();

// Why the module could not be loaded, for the learner.
extern const char16_t kNoListLibrary[];
