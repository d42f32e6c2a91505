// The readers of other programs' word lists and the memory's store live in modules of their
// own, with the libraries they need, so that the program starts without loading them: it
// opens a module when it first reads such a list, plays a list's recording, shows its
// picture or turns the memory on. Lists of text (text, exports, KVTML) and the store are in one;
// the packages (decks, spreadsheets), whose archives, zstd and SQLite a list of text never needs,
// in another.
#pragma once

#include "Progress.h"
#include "WordList.h"

#include <memory>

class CString;

// The readers of one family of formats.
struct ListReaders {
    formats::WordList (*readWordList)(formats::FileKind kind, std::string_view firstBlock,
                                      const formats::ReadMore& readMore, std::size_t maxEntries);
    std::u16string (*readRecording)(const std::u16string& listPath, formats::FileKind kind,
                                    const std::u16string& name, std::string& sound);
    std::u16string (*readPicture)(const std::u16string& listPath, formats::FileKind kind,
                                  const std::u16string& name, std::string& picture);
};

struct ListLibrary {
    ListReaders textReaders;
    std::unique_ptr<progress::Memory> (*openMemory)(const std::u16string& deviceId, bool create,
                                                    std::u16string& message);
    std::u16string (*newDeviceId)();
};

// The modules' entry points, each returning what its module holds.
#define LIST_LIBRARY_ENTRY "ZantoliListLibrary"
#define PACKAGE_READERS_ENTRY "ZantoliPackageReaders"

// The functions of the module of lists of text and the store, loading it on the first call
// from any thread; null when it cannot be loaded.
const ListLibrary* GetListLibrary();

// The readers of lists of `kind`, loading their module on the first call from any thread;
// null when it cannot be loaded.
const ListReaders* GetListReaders(formats::FileKind kind);

// Why a module could not be loaded, for the learner, in the interface's language.
CString NoListLibraryMessage();
