// What reading a recording takes, from beside a list or from a package: a name that cannot
// lead elsewhere, a size that fits a spoken word, and bytes that are a sound.
#pragma once

#include "FileKind.h"

#include <QByteArray>
#include <QString>
#include <string>

namespace formats {

// Far beyond a spoken word or sentence, in any format.
inline constexpr qint64 kMaxRecordingSize = 32 * 1024 * 1024;

// A name that can only lead into the list's folder or package: relative, with no ".." step,
// and in the one form (NFC) that Anki and the file systems of other machines agree on.
bool isSafeRecordingName(const QString& name);

// Reads the recording `name` of the list at `listPath` into `bytes`; returns why it cannot, or "".
using ReadRecordingBytes = QString (*)(const QString& listPath, const QString& name,
                                       QByteArray& bytes);

// The file `name` read by `read` into `bytes` when the list is of the kind that keeps its
// media so; returns why it cannot be read, or "".
std::u16string readMedia(FileKind kind, FileKind keeping, ReadRecordingBytes read,
                         const std::u16string& listPath, const std::u16string& name,
                         std::string& bytes);

// The same for a recording, which must also be a sound file; returns why it cannot be
// played, or "".
std::u16string readSound(FileKind kind, FileKind keeping, ReadRecordingBytes read,
                         const std::u16string& listPath, const std::u16string& name,
                         std::string& sound);

} // namespace formats
