// What the readers of lists of text and of packages share: the file read whole within a
// limit, its entries gathered, and a learner's reason when it holds none.
#pragma once

#include "EntryCollector.h"

#include <QByteArray>
#include <QString>

namespace formats {

// Far beyond any word list: 5200 entries of the longest words and meanings take a third
// of it. Reading a larger file stops one byte past it.
inline constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// Reads the entries of a whole file of the kind given; returns why it cannot, or "".
using ReadEntries = QString (*)(FileKind kind, QByteArray& bytes, EntryCollector& entries);

// Refuses what is no word list, reads the whole file up to `maxFileSize` and hands it to
// `read`.
WordList readWordListWith(FileKind kind, std::string_view firstBlock, const ReadMore& readMore,
                          std::size_t maxEntries, qint64 maxFileSize, ReadEntries read);

} // namespace formats
