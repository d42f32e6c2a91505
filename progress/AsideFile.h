// The answers that a program quitting could not commit, because another program held the
// store's lock for longer than the quit may wait: kept in a small file beside the store that
// is only appended to, flushed to the disk, and needs no lock. The next process that opens the
// store commits them and removes the file.
#pragma once

#include "AnswerLog.h"

#include <QString>
#include <span>
#include <vector>

namespace progress::aside {

// The file beside the store at `store`.
QString pathBeside(const QString& store);
// Adds `answers` to the file, made the owner's alone, and flushes it to the disk. False when
// it cannot be written.
bool append(const QString& path, std::span<const Answer> answers);
// The answers in the file, in the order written; a line that is not one as written here (cut
// short by a crash) is passed over.
std::vector<Answer> read(const QString& path);

} // namespace progress::aside
