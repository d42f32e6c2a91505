// One zstd frame unpacked in memory, as Anki packs its newest collections and media.
#pragma once

#include <QByteArray>

namespace formats {

enum class Unpacked { Whole, Damaged, TooLarge };

// Unpacks the frame in `packed` into `unpacked`, which grows up to `limit` bytes: the frame
// need not state its size, and one that says it is small but unpacks to more is cut off.
Unpacked unpackZstd(const QByteArray& packed, qint64 limit, QByteArray& unpacked);

} // namespace formats
