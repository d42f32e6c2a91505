// Another machine's file in the progress folder, read as untrusted input: opened only when
// it is a regular file, on a read-only connection of its own with SQLite's defences, a
// length limit and a deadline, and used only when its tables and every value in them are
// what this program writes.
#pragma once

#include "AnswerLog.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

struct sqlite3;

namespace progress {

class PeerFile {
public:
    // What the file is on disk (device, inode, size, time), to tell whether it changed since
    // it was last read; empty when there is nothing at the path. Follows no link.
    static std::string identityAt(const QString& path);

    // Opens the file at `path`; null with `reason` when it is no regular file or SQLite
    // cannot read it.
    static std::unique_ptr<PeerFile> open(const QString& path, std::string& reason);
    ~PeerFile();
    PeerFile(const PeerFile&) = delete;
    PeerFile& operator=(const PeerFile&) = delete;

    // The identity of the file opened.
    const std::string& identity() const { return m_identity; }
    // Checks the tables and the types and sizes of every value that is read from them; false
    // with `reason` when anything is not as this program writes it.
    bool check(std::string& reason);
    // The answers in the log's order, then the forgets and the answers they cover. A
    // callback returns false to stop. Throws SQLite::Exception when reading fails.
    void readAnswers(const std::function<bool(const Answer&)>& take);
    void
    readForgets(const std::function<void(const AnswerId&, const std::string&, std::int64_t)>& take);
    void readCovered(const std::function<void(EntryKey, const AnswerId&)>& take);
    // The last number of `device`'s answers that the file keeps, and the number of forgets
    // `device` made in it. Throws SQLite::Exception when reading fails.
    std::pair<std::int64_t, std::int64_t> givenBy(const std::string& device);

private:
    PeerFile(int fd, std::string identity, std::int64_t size);
    bool checkTables(std::string& reason);
    std::int64_t countWhere(const char* sql);
    bool answersAsWritten();

    int m_fd;
    std::string m_identity;
    sqlite3* m_db = nullptr;
    std::chrono::steady_clock::time_point m_deadline;
};

} // namespace progress
