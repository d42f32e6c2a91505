// A deck package (.apkg) that Anki 2.0 and later export: a zip holding the collection, an
// SQLite database, which is read in memory. Each ordinary note gives its first field as
// the word and its second as the meaning; cloze notes are skipped.
#pragma once

#include "EntryCollector.h"

#include <QByteArray>
#include <QString>

namespace formats {

class AnkiDeckReader {
public:
    explicit AnkiDeckReader(const QByteArray& bytes) : m_bytes(bytes) {}

    // Why the deck cannot be read, or an empty string.
    QString read(EntryCollector& entries);

private:
    const QByteArray& m_bytes;
};

} // namespace formats
