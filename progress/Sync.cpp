#include "Sync.h"

#include "PeerFile.h"
#include "TestSeam.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

namespace {

// A large file goes in in transactions of a few milliseconds each, with the state they
// change, and a pause after each lets an answer that waits for the store in: it waits a
// millisecond or two at most.
constexpr std::chrono::microseconds kTransactionTime(2000);

// Flushes the folder's new entries to the disk.
bool flushToDisk(const QByteArray& folder, std::string& reason)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        reason = std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

// A file that could not be read is read again when it changes, or when the program does: a
// reader of another version may read it.
const std::string kReadBy = "@" ZANTOLI_VERSION;

// This machine's file in `folder`.
QString ownPath(const QString& folder, const std::string& device)
{
    return folder + u'/' + QString::fromStdString(device) + QStringLiteral(".sqlite");
}

} // namespace

Sync::Sync(StoreFile& store, AnswerLog& log) : m_store(store), m_log(log) {}

bool Sync::writeSnapshot(const QString& folder, const std::string& device, std::string& reason)
{
    const QString path = ownPath(folder, device);
    const QString name = path.mid(folder.size() + 1);
    const QString temporary = folder + QStringLiteral("/.") + name + QStringLiteral(".tmp");
    // What a write cut short by a kill left behind.
    for (const QString& left : QDir(folder).entryList({u'.' + name + QStringLiteral(".tmp*")},
                                                      QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(folder + u'/' + left);
    if (!m_store.writeCopy(temporary, reason))
        return false;
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        reason = std::strerror(errno);
        QFile::remove(temporary);
        return false;
    }
    if (!flushToDisk(QFile::encodeName(folder), reason))
        return false;
    // Its own file is not read back while it stays as written. That is only a saving: a
    // store that is busy leaves it to be read once.
    try {
        SQLite::Transaction transaction(m_store.db(), SQLite::TransactionBehavior::IMMEDIATE);
        see(path, PeerFile::identityAt(path), true);
        transaction.commit();
    } catch (const SQLite::Exception&) {
    }
    return true;
}

std::vector<Sync::Changed> Sync::changedFiles(const QString& folder,
                                              std::vector<std::u16string>& unreadable)
{
    std::vector<Changed> changed;
    // Names starting with "." are files still being written, by this machine or a sync tool.
    // Links and pipes are listed too, to be refused and named.
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.sqlite")},
                                                     QDir::Files | QDir::System, QDir::Name);
    SQLite::Statement seen(m_store.db(), "SELECT file, readable FROM peers WHERE path = ?");
    for (const QString& name : names) {
        const QString path = folder + u'/' + name;
        const std::string identity = PeerFile::identityAt(path);
        seen.bind(1, QFile::encodeName(path).toStdString());
        const bool readable = seen.executeStep() && seen.getColumn(1).getInt() != 0;
        const bool known = seen.hasRow() && seen.getColumn(0).getString() ==
                                                (readable ? identity : identity + kReadBy);
        seen.reset();
        if (!known) {
            struct stat info {};
            const qint64 size =
                ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_size : 0;
            changed.push_back({path, name.toStdU16String(), size});
        } else if (!readable) {
            unreadable.push_back(name.toStdU16String());
        }
    }
    return changed;
}

void Sync::see(const QString& path, const std::string& identity, bool readable)
{
    SQLite::Statement upsert(m_store.db(), "INSERT OR REPLACE INTO peers (path, file, readable) "
                                           "VALUES (?, ?, ?)");
    upsert.bind(1, QFile::encodeName(path).toStdString());
    upsert.bind(2, readable ? identity : identity + kReadBy);
    upsert.bind(3, readable ? 1 : 0);
    upsert.exec();
}

std::optional<Sync::Changed> Sync::ownFileChanged(const QString& folder, const std::string& device)
{
    const QString path = ownPath(folder, device);
    const std::string identity = PeerFile::identityAt(path);
    if (identity.empty())
        return std::nullopt;
    SQLite::Statement seen(m_store.db(), "SELECT file FROM peers WHERE path = ?");
    seen.bind(1, QFile::encodeName(path).toStdString());
    if (seen.executeStep() && seen.getColumn(0).getString() == identity)
        return std::nullopt;
    return Changed{path, path.mid(folder.size() + 1).toStdU16String(), 0};
}

bool Sync::ownFileWhole(const QString& folder, const std::string& device)
{
    const QString path = ownPath(folder, device);
    if (ownFileChanged(folder, device) || PeerFile::identityAt(path).empty())
        return false;
    std::string reason;
    const std::unique_ptr<PeerFile> file = PeerFile::open(path, reason);
    if (!file)
        return false;
    SQLite::Statement forgets(m_store.db(), "SELECT count(*) FROM forgets WHERE device = ?");
    forgets.bind(1, device);
    forgets.executeStep();
    try {
        return file->givenBy(device) ==
               std::pair(m_log.lastOf(device).first, forgets.getColumn(0).getInt64());
    } catch (const SQLite::Exception&) {
        return false;
    }
}

bool Sync::mergeFile(const Changed& file, const std::string& device, bool& foreignOwn,
                     const std::atomic<bool>* cancel)
{
    std::string reason;
    std::unique_ptr<PeerFile> peer = PeerFile::open(file.path, reason);
    if (!peer || !peer->check(reason)) {
        SQLite::Transaction transaction(m_store.db(), SQLite::TransactionBehavior::IMMEDIATE);
        see(file.path, peer ? peer->identity() : PeerFile::identityAt(file.path), false);
        transaction.commit();
        return false;
    }
    SQLite::Database& db = m_store.db();
    const bool ownName =
        file.name.starts_with(QString::fromStdString(device + '.').toStdU16String());
    std::unordered_set<EntryKey> touched;
    // The file is read under a read lock alone while it brings nothing new, so that a file
    // read again holds up no writer; the write lock is taken for what is new.
    std::optional<SQLite::Transaction> transaction;
    transaction.emplace(db, SQLite::TransactionBehavior::DEFERRED);
    bool writing = false;
    const auto write = [&] {
        if (writing)
            return;
        transaction->commit();
        transaction.emplace(db, SQLite::TransactionBehavior::IMMEDIATE);
        writing = true;
    };
    // Both are read and written by the reader's callback below, across its calls.
    auto began = std::chrono::steady_clock::now();
    // cppcheck-suppress variableScope
    bool cancelled = false;
    // The answers to write go in many at a time, and the clock is read after each batch.
    std::vector<Answer> batch(AnswerLog::kAnswersPerInsert);
    size_t batched = 0;
    const auto insertBatch = [&] {
        m_log.insert(std::span(batch.data(), batched), [&](EntryKey entry, std::string_view by) {
            touched.insert(entry);
            foreignOwn = foreignOwn || (ownName && by == device);
        });
        batched = 0;
    };
    try {
        peer->readAnswers([&](const Answer& answer) {
            if (!writing && m_log.contains(answer))
                return true;
            if (!writing)
                began = std::chrono::steady_clock::now();
            write();
            batch[batched++] = answer;
            if (batched < batch.size())
                return true;
            insertBatch();
            // The answers come in the order of their entries: those before the last one's are
            // whole, and their state is derived now, within the transaction's time.
            const bool lastTouched = touched.erase(answer.entry) > 0;
            m_log.replay(touched);
            touched.clear();
            if (lastTouched)
                touched.insert(answer.entry);
            // An answer of this process that waits ends the transaction early: it waits for
            // one batch, not for the transaction's whole time.
            if (std::chrono::steady_clock::now() - began < kTransactionTime &&
                !m_store.writerWaits())
                return true;
            m_log.replay(touched);
            touched.clear();
            transaction->commit();
            transaction.reset();
            m_store.pauseForWriters();
            cancelled = cancel && cancel->load();
            // What follows new answers is most likely new too: the next transaction writes
            // from its start, without a read-only one before it.
            if (!cancelled) {
                transaction.emplace(db, SQLite::TransactionBehavior::IMMEDIATE);
                began = std::chrono::steady_clock::now();
            }
            return !cancelled;
        });
        if (cancelled)
            return true;
        write();
        insertBatch();
        peer->readForgets([&](const AnswerId& id, const std::string& by, std::int64_t time) {
            m_log.insertForget(id, by, time);
        });
        peer->readCovered([&](EntryKey entry, const AnswerId& answer) {
            if (m_log.insertCovered(entry, answer))
                touched.insert(entry);
        });
    } catch (const SQLite::Exception& error) {
        // Damage deep in the file shows only where it is read: what this transaction took of
        // it goes, and the file is passed over until it changes.
        const int code = error.getErrorCode() & 0xff;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_FULL ||
            code == SQLITE_IOERR)
            throw;
        transaction.reset();
        SQLite::Transaction passedOver(db, SQLite::TransactionBehavior::IMMEDIATE);
        see(file.path, peer->identity(), false);
        passedOver.commit();
        return false;
    }
    if (seam::beforeMergedState)
        seam::beforeMergedState();
    m_log.replay(touched);
    // Marked read only with what it brought.
    see(file.path, peer->identity(), true);
    transaction->commit();
    return true;
}

} // namespace progress
