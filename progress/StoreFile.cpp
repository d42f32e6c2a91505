#include "StoreFile.h"

#include "AnswerLog.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace progress {

namespace {

// The log is folded back into the file once it holds this many more pages.
constexpr int kPagesBetweenCheckpoints = 1000;

constexpr int kStepMicroseconds = 200;
// A merge's pause between its transactions, long enough for a writer of another process that
// waits to look again.
constexpr std::chrono::microseconds kPause(300);
// How long a merge lets a writer of this process that waits go first.
constexpr int kMostStepsForWaitingWriter = 50;

// The connection of this process that waits for the write lock, if any.
std::atomic<sqlite3*> waitingWriter{nullptr};

// The connection's wait is over: it got in, or gave up.
int stopWaiting(void* db)
{
    sqlite3* expected = static_cast<sqlite3*>(db);
    waitingWriter.compare_exchange_strong(expected, nullptr);
    return 0;
}

bool isDamage(const SQLite::Exception& error)
{
    const int code = error.getErrorCode();
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

// Moves the file and its write-ahead log aside under one name with the time; nothing is
// deleted, so what it held can still be rescued.
QString moveAside(const QString& path)
{
    QString kept = path + QStringLiteral(".damaged-") +
                   QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QFile::rename(path, kept);
    for (const char* suffix : {"-wal", "-shm"}) {
        if (QFile::exists(path + QLatin1String(suffix)))
            QFile::rename(path + QLatin1String(suffix), kept + QLatin1String(suffix));
    }
    return kept;
}

// Makes the file when it is missing, and keeps it to its owner whatever mode it had.
bool makeOwnersFile(const QByteArray& path, std::string& reason)
{
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    ::close(fd);
    return true;
}

} // namespace

std::u16string StoreFile::cannotSave(const QString& folder, const std::string& reason)
{
    return QCoreApplication::translate("progress", "Progress cannot be saved in \"%1\" (%2).")
        .arg(folder, QString::fromStdString(reason))
        .toStdU16String();
}

StoreFile::StoreFile(const QString& path, int waitMs) : m_path(path)
{
    // A connection is only ever used by one thread at a time: no lock around each call.
    m_db.emplace(QFile::encodeName(path).toStdString(),
                 SQLite::OPEN_READWRITE | SQLite::OPEN_URI | SQLite::OPEN_NOMUTEX);
    setWait(waitMs);
    // Answers committed in WAL mode with synchronous=NORMAL survive the program being
    // killed; only a power loss may take the last few.
    m_db->exec("PRAGMA journal_mode=WAL");
    m_db->exec("PRAGMA synchronous=NORMAL");
    // A merge writes the other machines' answers in one go; a larger page cache keeps
    // the log's pages from spilling before its commit.
    m_db->exec("PRAGMA cache_size=-16384");
    sqlite3* const handle = m_db->getHandle();
    sqlite3_wal_hook(handle, checkpointAfterCommit, this);
    sqlite3_commit_hook(handle, stopWaiting, handle);
    sqlite3_rollback_hook(
        handle, [](void* db) { stopWaiting(db); }, handle);
    if (m_db->execAndGet("PRAGMA quick_check").getString() != "ok")
        throw SQLite::Exception("quick_check failed", SQLITE_CORRUPT);
    const int version = m_db->execAndGet("PRAGMA user_version").getInt();
    if (version > schema::kVersion)
        throw SQLite::Exception("the progress file comes from a newer version", SQLITE_ERROR);
    if (version == schema::kVersionWithoutIds) {
        migrateFromVersionWithoutIds();
    } else if (version < schema::kVersion) {
        SQLite::Transaction transaction(*m_db, SQLite::TransactionBehavior::IMMEDIATE);
        if (m_db->execAndGet("PRAGMA user_version").getInt() < schema::kVersion) {
            for (const schema::Table& table : schema::tables())
                m_db->exec(schema::createStatement(table));
            m_db->exec("PRAGMA user_version=" + std::to_string(schema::kVersion));
        }
        transaction.commit();
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        m_device = info.st_dev;
        m_inode = info.st_ino;
    }
    if (::stat(QFile::encodeName(path + QStringLiteral("-wal")).constData(), &info) == 0) {
        m_logDevice = info.st_dev;
        m_logInode = info.st_ino;
    }
}

// SQLite's own hook checkpoints after every commit once the log is long, and while another
// connection keeps reading, the log cannot start over: every answer's commit would copy and
// flush again. Here a checkpoint comes only after each thousand pages more.
int StoreFile::checkpointAfterCommit(void* store, sqlite3*, const char*, int pages)
{
    StoreFile& self = *static_cast<StoreFile*>(store);
    if (pages < self.m_checkpointedPages)
        self.m_checkpointedPages = 0; // the log started over
    if (self.m_checkpoints && pages >= self.m_checkpointedPages + kPagesBetweenCheckpoints) {
        self.checkpoint();
        self.m_checkpointedPages = pages;
    }
    return SQLITE_OK;
}

void StoreFile::checkpoint()
{
    sqlite3_wal_checkpoint_v2(m_db->getHandle(), nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr,
                              nullptr);
}

// SQLite's own busy timeout sleeps ever longer, up to a tenth of a second at a time, and so
// misses the short gaps between another writer's transactions; this one looks again every
// fifth of a millisecond, up to the time given.
int StoreFile::waitForLock(void* store, int tries)
{
    const StoreFile& self = *static_cast<const StoreFile*>(store);
    sqlite3* const handle = self.m_db->getHandle();
    if (static_cast<std::int64_t>(tries) * kStepMicroseconds >= self.m_waitMs * 1000LL) {
        stopWaiting(handle);
        return 0;
    }
    waitingWriter = handle;
    ::usleep(kStepMicroseconds);
    return 1;
}

void StoreFile::setWait(int waitMs)
{
    m_waitMs = waitMs;
    sqlite3_busy_handler(m_db->getHandle(), waitForLock, this);
}

// A busy thread wakes late: one that waits for the store here is not left to catch the pause.
void StoreFile::pauseForWriters()
{
    std::this_thread::sleep_for(kPause);
    for (int step = 0; step < kMostStepsForWaitingWriter && waitingWriter.load(); ++step)
        ::usleep(kStepMicroseconds);
}

bool StoreFile::writerWaits() const
{
    const sqlite3* const waiting = waitingWriter.load();
    return waiting && waiting != m_db->getHandle();
}

StoreFile::~StoreFile()
{
    const bool moved = atPath() != AtPath::Same;
    m_db.reset();
    if (!moved)
        return;
    const QByteArray log = QFile::encodeName(m_path + QStringLiteral("-wal"));
    struct stat info {};
    if (::stat(log.constData(), &info) != 0 || info.st_dev != m_logDevice ||
        info.st_ino != m_logInode)
        return;
    ::unlink(log.constData());
    ::unlink(QFile::encodeName(m_path + QStringLiteral("-shm")).constData());
}

// The answers keep what they were and gain an id made from their content, the same on
// every machine that holds them, so that two stores migrated apart still share them. The
// forgets of the old version had already removed what they covered. Every other machine's
// file is read again.
void StoreFile::migrateFromVersionWithoutIds()
{
    SQLite::Transaction transaction(*m_db, SQLite::TransactionBehavior::IMMEDIATE);
    if (m_db->execAndGet("PRAGMA user_version").getInt() != schema::kVersionWithoutIds) {
        transaction.commit();
        return;
    }
    for (const char* old : {"answers", "forgets", "state", "sequence", "peers"})
        m_db->exec(std::string("ALTER TABLE ") + old + " RENAME TO old_" + old);
    for (const schema::Table& table : schema::tables())
        m_db->exec(schema::createStatement(table));
    {
        SQLite::Statement rows(*m_db, "SELECT device, seq, entry, direction, time, day, right, "
                                      "counted FROM old_answers");
        AnswerLog log(*m_db);
        while (rows.executeStep()) {
            Answer given;
            given.device = rows.getColumn(0).getString();
            given.seq = rows.getColumn(1).getInt64();
            given.entry = rows.getColumn(2).getInt64();
            given.direction = rows.getColumn(3).getInt();
            given.time = rows.getColumn(4).getInt64();
            given.day = rows.getColumn(5).getInt();
            given.right = rows.getColumn(6).getInt() != 0;
            given.counted = rows.getColumn(7).getInt() != 0;
            given.id = idOfAnswerWithoutId(given);
            log.insert(given);
        }
    }
    m_db->exec("INSERT INTO sequence SELECT device, last, coalesce((SELECT max(time) FROM "
               "old_answers a WHERE a.device = s.device), 0) FROM old_sequence s");
    for (const char* old : {"answers", "forgets", "state", "sequence", "peers"})
        m_db->exec(std::string("DROP TABLE old_") + old);
    AnswerLog(*m_db).replayAll();
    m_db->exec("PRAGMA user_version=" + std::to_string(schema::kVersion));
    transaction.commit();
}

bool StoreFile::writeCopy(const QString& target, std::string& reason)
{
    const QByteArray nativeTarget = QFile::encodeName(target);
    // SQLite would make the copy readable by all; made here first, it stays the owner's.
    const int fd = ::open(nativeTarget.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    ::close(fd);
    try {
        SQLite::Statement vacuum(*m_db, "VACUUM INTO ?");
        vacuum.bind(1, nativeTarget.toStdString());
        vacuum.exec();
    } catch (const SQLite::Exception& error) {
        reason = error.what();
        QFile::remove(target);
        return false;
    }
    // Marked as a rollback-journal database (bytes 18 and 19 of the header), the copy is
    // read without a write-ahead log appearing beside it.
    const int copy = ::open(nativeTarget.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    const unsigned char rollback[2] = {1, 1};
    const bool written =
        copy >= 0 && ::pwrite(copy, rollback, sizeof rollback, 18) == 2 && ::fsync(copy) == 0;
    if (!written)
        reason = std::strerror(errno);
    if (copy >= 0)
        ::close(copy);
    if (!written)
        QFile::remove(target);
    return written;
}

StoreFile::AtPath StoreFile::atPath() const
{
    struct stat info {};
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0)
        return errno == ENOENT ? AtPath::Removed : AtPath::Same;
    return info.st_dev == m_device && info.st_ino == m_inode ? AtPath::Same : AtPath::Replaced;
}

std::unique_ptr<StoreFile> StoreFile::open(const QString& path, bool create, int waitMs,
                                           std::u16string& message)
{
    message.clear();
    const QString folder = QFileInfo(path).path();
    const QByteArray nativePath = QFile::encodeName(path);
    if (!create && !QFile::exists(path))
        return nullptr;
    if (!QDir().mkpath(folder)) {
        message = cannotSave(
            folder,
            QCoreApplication::translate("progress", "the folder cannot be made").toStdString());
        return nullptr;
    }
    ::chmod(QFile::encodeName(folder).constData(), S_IRWXU);
    std::string reason;
    if (!makeOwnersFile(nativePath, reason)) {
        message = cannotSave(folder, reason);
        return nullptr;
    }
    try {
        try {
            return std::unique_ptr<StoreFile>(new StoreFile(path, waitMs));
        } catch (const SQLite::Exception& error) {
            if (!isDamage(error))
                throw;
        }
        const QString kept = moveAside(path);
        if (!makeOwnersFile(nativePath, reason)) {
            message = cannotSave(folder, reason);
            return nullptr;
        }
        auto store = std::unique_ptr<StoreFile>(new StoreFile(path, waitMs));
        message = QCoreApplication::translate(
                      "progress", "The progress file was damaged. It has been kept as \"%1\", "
                                  "and a new one has been started.")
                      .arg(kept)
                      .toStdU16String();
        return store;
    } catch (const SQLite::Exception& error) {
        message = cannotSave(folder, error.what());
        return nullptr;
    }
}

} // namespace progress
