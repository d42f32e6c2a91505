// The word lists that come as zip packages, decks and spreadsheets, read apart from the
// lists of text so that reading those never needs the archives' libraries.
#include "WordList.h"

#include "AnkiDeckReader.h"
#include "OdsReader.h"
#include "WordListReading.h"
#include "XlsxReader.h"

#include <QCoreApplication>

namespace formats {

namespace {

// A deck package carries its pictures and sounds, which are never unpacked: a shared deck
// of a few hundred megabytes is common.
constexpr qint64 kMaxDeckSize = 512 * 1024 * 1024;

QString readPackage(FileKind kind, QByteArray& bytes, EntryCollector& entries)
{
    switch (kind) {
    case FileKind::AnkiDeck:
        return AnkiDeckReader(bytes).read(entries);
    case FileKind::Xlsx:
        return XlsxReader(bytes).read(entries);
    case FileKind::Ods:
        return OdsReader(bytes).read(entries);
    default:
        return QCoreApplication::translate("formats",
                                           "it is not a package that holds a word list.");
    }
}

} // namespace

WordList readPackagedWordList(FileKind kind, std::string_view firstBlock, const ReadMore& readMore,
                              std::size_t maxEntries)
{
    return readWordListWith(kind, firstBlock, readMore, maxEntries,
                            kind == FileKind::AnkiDeck ? kMaxDeckSize : kMaxFileSize, readPackage);
}

} // namespace formats
