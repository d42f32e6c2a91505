// The store file: where it lives, opening it (made, checked, migrated, moved aside when
// damaged, kept to its owner) and whether it is still the file at its path.
#pragma once

#include <QString>
#include <SQLiteCpp/SQLiteCpp.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

struct sqlite3;

namespace progress {

class StoreFile {
public:
    // How long a connection waits for another's write lock before it reports the store busy.
    static constexpr int kShortWaitMs = 100;
    static constexpr int kLongWaitMs = 5000;

    // Opens the store at `path`; `create` false opens only one that exists. Null when there
    // is none or it cannot be written, with `message` saying why for the learner (empty when
    // `create` is false and there was none). A damaged store is moved aside and a new one
    // made, with `message` naming the file kept.
    static std::unique_ptr<StoreFile> open(const QString& path, bool create, int waitMs,
                                           std::u16string& message);

    // Closes the store; when it is no longer the file at the path, its log files there,
    // which SQLite leaves behind for a moved store, go with it.
    ~StoreFile();

    SQLite::Database& db() { return *m_db; }
    // How long a write waits for another connection's lock.
    void setWait(int waitMs);
    // Lets a writer that waits for the store in between two transactions of a long write.
    void pauseForWriters();
    // Whether another connection of this process waits for the write lock.
    bool writerWaits() const;
    const QString& path() const { return m_path; }
    // Whether this connection's commits fold the log back into the file once it has grown.
    void setCheckpoints(bool on) { m_checkpoints = on; }
    // Folds the log back into the file as far as the readers let it.
    void checkpoint();

    enum class AtPath { Same, Removed, Replaced };
    // Whether the file open is still the one at the path: a stat of each, no read.
    AtPath atPath() const;

    // Writes a consistent copy of the store to `target`, a new file that only the owner may
    // read, flushed to the disk, and marked so that reading it makes no log file beside it.
    // False with `reason` when it cannot be written; nothing is left at `target` then.
    bool writeCopy(const QString& target, std::string& reason);

    static std::u16string cannotSave(const QString& folder, const std::string& reason);

private:
    StoreFile(const QString& path, int waitMs);
    void migrateFromVersionWithoutIds();
    static int waitForLock(void* store, int tries);
    static int checkpointAfterCommit(void* store, sqlite3* db, const char* name, int pages);

    QString m_path;
    std::optional<SQLite::Database> m_db;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    // The write-ahead log this connection uses, to know it from another store's.
    dev_t m_logDevice = 0;
    ino_t m_logInode = 0;
    int m_waitMs = 0;
    bool m_checkpoints = true;
    // The log's length at the last checkpoint.
    int m_checkpointedPages = 0;
};

} // namespace progress
