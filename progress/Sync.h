// Sync through the progress folder: writing this machine's snapshot there, and merging the
// other machines' files into the log as a union of answers, each file in the transaction
// that also derives the state it changes.
#pragma once

#include "AnswerLog.h"
#include "StoreFile.h"

#include <QString>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace progress {

class Sync {
public:
    // A file of the progress folder that changed since it was last read.
    struct Changed {
        QString path;
        std::u16string name;
        std::int64_t size = 0;
    };

    Sync(StoreFile& store, AnswerLog& log);

    // Writes `device`'s file into `folder`: a consistent copy of the store under a name
    // starting with ".", which sync tools pass over, made the owner's alone, flushed to the
    // disk and renamed. False with `reason` when it could not be written.
    bool writeSnapshot(const QString& folder, const std::string& device, std::string& reason);

    // The files of `folder` that changed since they were last read; the names of those that
    // could not be read then and have not changed go to `unreadable`.
    std::vector<Changed> changedFiles(const QString& folder,
                                      std::vector<std::u16string>& unreadable);
    // Adds the answers and forgets of one file that the log lacks. False when the file cannot
    // be read or fails a check: then it adds nothing, and it is passed over until it changes
    // or the program is updated.
    // `foreignOwn` is set when the file is under `device`'s name (or a conflict copy of it) and
    // holds answers under `device` that this store never had: another machine writes under this
    // one's id. `cancel` stops a long merge between its transactions.
    bool mergeFile(const Changed& file, const std::string& device, bool& foreignOwn,
                   const std::atomic<bool>* cancel = nullptr);

    // `device`'s own file in `folder` when it is not the one this store last wrote or read
    // there: a sync tool put another version in its place, written by a copy of this home.
    std::optional<Changed> ownFileChanged(const QString& folder, const std::string& device);
    // Whether `device`'s own file in `folder` is there, is the one last written or read, and
    // holds every answer and forget that `device` gave.
    bool ownFileWhole(const QString& folder, const std::string& device);

private:
    void see(const QString& path, const std::string& identity, bool readable);

    StoreFile& m_store;
    AnswerLog& m_log;
};

} // namespace progress
