// The memory as the program sees it: the store, its log, the planner and sync behind one
// object, with the answers that wait for a busy store and the state kept in step with what
// other processes commit.
#include "AnswerLog.h"
#include "AsideFile.h"
#include "Planner.h"
#include "Progress.h"
#include "StoreFile.h"
#include "Sync.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QUuid>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <sqlite3.h>
#include <thread>
#include <unordered_set>

namespace progress {

namespace {

// A file this large is another machine's whole history, or hostile: it is merged while the
// learner goes on.
constexpr std::int64_t kLargeFile = 4 * 1024 * 1024;

QString storePath()
{
    return QString::fromStdU16String(Memory::defaultFolder()) + QStringLiteral("/progress.sqlite");
}

bool isBusy(const SQLite::Exception& error)
{
    const int code = error.getErrorCode() & 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

// Merges `files` of `folder` on `sync`, one transaction per file or part of one.
MergeResult mergeFiles(Sync& sync, const std::vector<Sync::Changed>& files, std::string& device,
                       const std::atomic<bool>* cancel = nullptr)
{
    MergeResult result;
    bool foreignOwn = false;
    for (const Sync::Changed& file : files) {
        if (cancel && cancel->load())
            break;
        try {
            if (!sync.mergeFile(file, device, foreignOwn, cancel))
                result.unreadable.push_back(file.name);
        } catch (const SQLite::Exception&) {
            // Busy or short of space: the file is read again at the next merge.
        }
    }
    // Another machine answers under this id: this one goes on under a new one, so that the
    // two never write the same file. The answers given keep the id they were given under.
    if (foreignOwn) {
        device = QString::fromStdU16String(Memory::newDeviceId()).toStdString();
        result.deviceChanged = true;
    }
    return result;
}

} // namespace

struct Memory::Impl {
    std::unique_ptr<StoreFile> store;
    std::unique_ptr<AnswerLog> log;
    std::unique_ptr<Sync> sync;
    std::string device;
    std::int64_t lastSeq = 0;
    std::int64_t lastTime = 0;
    std::vector<EntryKey> keys; // of the list's entries, in its order
    std::array<std::vector<EntryState>, kDirections> listStates;
    std::array<int, kDirections> toldDay{};
    // Answers given but not yet committed, in the order given.
    std::vector<Answer> queued;
    // How many of the queued answers, the first ones, came from the file of answers kept aside.
    size_t fromAside = 0;
    std::int64_t dataVersion = -1;
    bool faultTold = false;

    // The merge of large files on a thread of its own.
    std::thread worker;
    std::atomic<bool> cancelWorker{false};
    std::atomic<bool> workerDone{false};
    MergeResult workerResult;
    std::string workerDevice;

    void attach(std::unique_ptr<StoreFile> file)
    {
        sync.reset();
        log.reset();
        store = std::move(file);
        log = std::make_unique<AnswerLog>(store->db());
        sync = std::make_unique<Sync>(*store, *log);
        const auto [seq, time] = log->lastOf(device);
        if (seq >= lastSeq) {
            lastSeq = seq;
            lastTime = time;
        }
        dataVersion = -1;
    }

    // The answers a process that quit kept aside are committed first; till then they wait in
    // the queue, and this process numbers its own after them.
    void takeAnswersKeptAside()
    {
        std::vector<Answer> kept = aside::read(aside::pathBeside(store->path()));
        fromAside = kept.size();
        for (const Answer& given : kept) {
            if (given.device == device && given.seq > lastSeq) {
                lastSeq = given.seq;
                lastTime = given.time;
            }
        }
        queued.insert(queued.begin(), kept.begin(), kept.end());
    }

    // What is still queued goes to the file beside the store, which needs no lock.
    void keepQueuedAside()
    {
        if (queued.size() > fromAside &&
            aside::append(aside::pathBeside(store->path()), std::span(queued).subspan(fromAside))) {
            fromAside = queued.size();
        }
    }

    std::int64_t currentDataVersion()
    {
        return store->db().execAndGet("PRAGMA data_version").getInt64();
    }

    // The list's states as committed, with the queued answers on top.
    void reloadStates()
    {
        dataVersion = currentDataVersion();
        const std::unordered_map<EntryKey, EntryStates> states = log->allStates();
        for (int direction = 0; direction < kDirections; ++direction) {
            std::vector<EntryState>& list = listStates[direction];
            list.assign(keys.size(), EntryState{});
            for (size_t i = 0; i < keys.size(); ++i) {
                const auto found = states.find(keys[i]);
                if (found != states.end())
                    list[i] = found->second[direction];
            }
        }
        for (const Answer& given : queued)
            setState(
                given.entry, given.direction,
                progress::answer(stateOfKey(given.entry, given.direction), given.right, given.day)
                    .state);
    }

    // Takes in what another process committed since the states were read.
    void refresh()
    {
        try {
            if (currentDataVersion() != dataVersion)
                reloadStates();
        } catch (const SQLite::Exception&) {
            // The states in memory stay; the next look tries again.
        }
    }

    EntryState stateOfKey(EntryKey key, int direction) const
    {
        const auto found = std::find(keys.begin(), keys.end(), key);
        return found == keys.end()
                   ? EntryState{}
                   : listStates[direction][static_cast<size_t>(found - keys.begin())];
    }

    // The same entry may stand in the list more than once.
    void setState(EntryKey key, int direction, const EntryState& state)
    {
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == key)
                listStates[direction][i] = state;
        }
    }

    // The store was removed or replaced under the program: the log open here is written
    // back to the path, together with the answers of a store put in its place.
    void keepStoreAtPath()
    {
        const StoreFile::AtPath atPath = store->atPath();
        if (atPath == StoreFile::AtPath::Same)
            return;
        const QString path = store->path();
        const QString kept = path + QStringLiteral(".kept");
        QFile::remove(kept);
        std::string reason;
        if (!store->writeCopy(kept, reason))
            throw SQLite::Exception(reason, SQLITE_CANTOPEN);
        // Closed before anything is opened at the path: its log files go with it.
        sync.reset();
        log.reset();
        store.reset();
        if (atPath == StoreFile::AtPath::Removed)
            std::rename(QFile::encodeName(kept).constData(), QFile::encodeName(path).constData());
        std::u16string message;
        std::unique_ptr<StoreFile> file =
            StoreFile::open(path, true, StoreFile::kShortWaitMs, message);
        if (!file)
            throw SQLite::Exception(QString::fromStdU16String(message).toStdString(),
                                    SQLITE_CANTOPEN);
        attach(std::move(file));
        if (atPath == StoreFile::AtPath::Replaced) {
            bool foreignOwn = false;
            sync->mergeFile({kept, u"", 0}, device, foreignOwn);
            QFile::remove(kept);
        }
    }

    // Commits the queued answers in one transaction. False when they stay queued.
    bool writeQueued(std::u16string& message)
    {
        if (queued.empty())
            return true;
        try {
            keepStoreAtPath();
            SQLite::Transaction transaction(store->db(), SQLite::TransactionBehavior::IMMEDIATE);
            for (Answer& given : queued)
                setState(given.entry, given.direction, log->append(given));
            log->setLastOf(device, lastSeq, lastTime);
            transaction.commit();
        } catch (const SQLite::Exception& error) {
            if (!isBusy(error) && !faultTold) {
                faultTold = true;
                message = StoreFile::cannotSave(QString::fromStdU16String(Memory::defaultFolder()),
                                                error.what());
            }
            return false;
        }
        queued.clear();
        if (fromAside > 0)
            QFile::remove(aside::pathBeside(store->path()));
        fromAside = 0;
        faultTold = false;
        return true;
    }

    // Waits up to `waitMs` for a store that another program holds.
    bool commitQueued(int waitMs)
    {
        if (queued.empty() || !store)
            return true;
        store->setWait(waitMs);
        std::u16string message;
        const bool committed = writeQueued(message);
        store->setWait(StoreFile::kShortWaitMs);
        return committed;
    }

    // This machine's file in `folder` is read before it is written over: answers there that
    // this store lacks (a copy of this home wrote them under this machine's id) are kept, and
    // this machine goes on under a new id. False when it could not be read now.
    bool takeOwnFile(const QString& folder)
    {
        try {
            const std::optional<Sync::Changed> own = sync->ownFileChanged(folder, device);
            if (!own)
                return true;
            const MergeResult merged = mergeFiles(*sync, {*own}, device);
            if (merged.deviceChanged)
                keepSequenceOfNewDevice();
            // Marked read, unless it could not be: then it is ours to write over.
            return !sync->ownFileChanged(folder, device) || !merged.unreadable.empty();
        } catch (const SQLite::Exception&) {
            return false;
        }
    }

    // A new device id starts with this machine's last number and time, so that its answers
    // still replay in the order given after a restart.
    void keepSequenceOfNewDevice()
    {
        try {
            SQLite::Transaction transaction(store->db(), SQLite::TransactionBehavior::IMMEDIATE);
            log->setLastOf(device, lastSeq, lastTime);
            transaction.commit();
        } catch (const SQLite::Exception&) {
            // Written with the next answer.
        }
    }

    void stopWorker()
    {
        if (!worker.joinable())
            return;
        cancelWorker = true;
        worker.join();
        cancelWorker = false;
    }
};

Memory::Memory(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Memory::~Memory()
{
    m_impl->stopWorker();
    if (!m_impl->commitQueued(StoreFile::kShortWaitMs))
        m_impl->keepQueuedAside();
}

std::u16string Memory::newDeviceId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdU16String();
}

std::u16string Memory::defaultFolder()
{
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/zantoli"))
        .toStdU16String();
}

std::unique_ptr<Memory> Memory::open(const std::u16string& deviceId, bool create,
                                     std::u16string& message)
{
    std::unique_ptr<StoreFile> file =
        StoreFile::open(storePath(), create, StoreFile::kShortWaitMs, message);
    if (!file)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->device = QString::fromStdU16String(deviceId).toStdString();
    try {
        impl->attach(std::move(file));
        impl->takeAnswersKeptAside();
        impl->reloadStates();
    } catch (const SQLite::Exception& error) {
        message = StoreFile::cannotSave(QString::fromStdU16String(defaultFolder()), error.what());
        return nullptr;
    }
    auto memory = std::unique_ptr<Memory>(new Memory(std::move(impl)));
    std::u16string fault;
    memory->m_impl->writeQueued(fault);
    return memory;
}

void Memory::setList(const std::vector<Entry>& entries)
{
    Impl& impl = *m_impl;
    impl.keys.resize(entries.size());
    std::transform(entries.begin(), entries.end(), impl.keys.begin(), keyOf);
    impl.toldDay.fill(0);
    try {
        impl.reloadStates();
    } catch (const SQLite::Exception&) {
        impl.dataVersion = -1;
    }
}

NextQuestion Memory::next(Direction direction, std::int64_t now)
{
    Impl& impl = *m_impl;
    impl.refresh();
    const int dir = static_cast<int>(direction);
    return Planner::next(impl.listStates[dir], dayOf(now), impl.toldDay[dir]);
}

bool Memory::record(int entry, Direction direction, bool right, std::int64_t now,
                    std::u16string& message)
{
    Impl& impl = *m_impl;
    Answer given;
    given.entry = impl.keys.at(static_cast<size_t>(entry));
    given.direction = static_cast<int>(direction);
    // The clock's reading, whatever it is: the number keeps this device's answers in order.
    given.time = now;
    given.day = dayOf(given.time);
    given.device = impl.device;
    given.seq = ++impl.lastSeq;
    given.id = newAnswerId();
    given.right = right;
    impl.lastTime = given.time;
    // Shown at once, whether or not the store takes it now; what is committed is worked out
    // from the store's own state inside the transaction.
    impl.setState(
        given.entry, given.direction,
        progress::answer(impl.stateOfKey(given.entry, given.direction), right, given.day).state);
    impl.queued.push_back(std::move(given));
    return impl.writeQueued(message);
}

bool Memory::forgetList(std::int64_t now)
{
    Impl& impl = *m_impl;
    std::u16string message;
    // What was answered here is seen here, and covered.
    if (!impl.writeQueued(message))
        return false;
    try {
        impl.keepStoreAtPath();
        SQLite::Transaction transaction(impl.store->db(), SQLite::TransactionBehavior::IMMEDIATE);
        impl.log->forget(std::unordered_set<EntryKey>(impl.keys.begin(), impl.keys.end()),
                         impl.device, now);
        transaction.commit();
        impl.reloadStates();
    } catch (const SQLite::Exception&) {
        return false;
    }
    return true;
}

EntryState Memory::stateOf(int entry, Direction direction) const
{
    m_impl->refresh();
    return m_impl->listStates[static_cast<int>(direction)].at(static_cast<size_t>(entry));
}

Overview Memory::overview(Direction direction, std::int64_t now) const
{
    Impl& impl = *m_impl;
    impl.refresh();
    const int dir = static_cast<int>(direction);
    const int today = dayOf(now);
    Overview overview = Planner::overview(impl.listStates[dir], today);
    try {
        impl.log->countPastDays(std::unordered_set<EntryKey>(impl.keys.begin(), impl.keys.end()),
                                dir, today, overview);
    } catch (const SQLite::Exception&) {
        // The boxes stand without the past days' counts.
    }
    return overview;
}

std::int64_t Memory::answerCount() const
{
    return m_impl->log->count();
}

// Each row counts again by the state it finds: two machines that answered the same new entry
// on one day raise it once.
void Memory::rebuild()
{
    Impl& impl = *m_impl;
    SQLite::Transaction transaction(impl.store->db(), SQLite::TransactionBehavior::IMMEDIATE);
    impl.log->replayAll();
    transaction.commit();
    impl.reloadStates();
}

std::u16string Memory::deviceId() const
{
    return QString::fromStdString(m_impl->device).toStdU16String();
}

bool Memory::writeSnapshot(const std::u16string& folder, std::u16string& reason)
{
    Impl& impl = *m_impl;
    const QString path = QString::fromStdU16String(folder);
    if (!impl.takeOwnFile(path)) {
        reason = QCoreApplication::translate(
                     "progress", "the file there could not be read first: the store is busy")
                     .toStdU16String();
        return false;
    }
    std::string why;
    if (impl.sync->writeSnapshot(path, impl.device, why))
        return true;
    reason = QString::fromStdString(why).toStdU16String();
    return false;
}

bool Memory::keepSnapshot(const std::u16string& folder, std::u16string& reason)
{
    try {
        if (m_impl->sync->ownFileWhole(QString::fromStdU16String(folder), m_impl->device))
            return true;
    } catch (const SQLite::Exception&) {
        // Written again, to be sure.
    }
    return writeSnapshot(folder, reason);
}

bool Memory::commitQueued(int waitMs)
{
    return m_impl->commitQueued(waitMs);
}

MergeResult Memory::merge(const std::u16string& folder, bool largeInBackground)
{
    Impl& impl = *m_impl;
    MergeResult result;
    std::vector<Sync::Changed> files;
    try {
        impl.keepStoreAtPath();
        files = impl.sync->changedFiles(QString::fromStdU16String(folder), result.unreadable);
    } catch (const SQLite::Exception&) {
        return result;
    }
    std::vector<Sync::Changed> large;
    if (largeInBackground) {
        const auto isLarge = [](const Sync::Changed& file) { return file.size > kLargeFile; };
        std::copy_if(files.begin(), files.end(), std::back_inserter(large), isLarge);
        files.erase(std::remove_if(files.begin(), files.end(), isLarge), files.end());
    }
    MergeResult now = mergeFiles(*impl.sync, files, impl.device);
    result.unreadable.insert(result.unreadable.end(), now.unreadable.begin(), now.unreadable.end());
    result.deviceChanged = now.deviceChanged;
    if (result.deviceChanged)
        impl.keepSequenceOfNewDevice();
    if (!large.empty() && !impl.worker.joinable()) {
        // The worker's commits fold the log back into the file; an answer's commit here then
        // never pays for that while the learner waits.
        impl.store->setCheckpoints(false);
        impl.workerDone = false;
        impl.workerDevice = impl.device;
        impl.worker = std::thread([&impl, large, path = impl.store->path()] {
            MergeResult merged;
            try {
                std::u16string message;
                std::unique_ptr<StoreFile> file =
                    StoreFile::open(path, false, StoreFile::kLongWaitMs, message);
                if (file) {
                    AnswerLog log(file->db());
                    Sync sync(*file, log);
                    merged = mergeFiles(sync, large, impl.workerDevice, &impl.cancelWorker);
                    // What is left of the log is folded in here too, not at the learner's
                    // next answer.
                    file->checkpoint();
                }
            } catch (const SQLite::Exception&) {
                // Read again at the next merge.
            }
            impl.workerResult = std::move(merged);
            impl.workerDone = true;
        });
    }
    // This connection's own commits leave its data version as it was.
    try {
        if (!files.empty())
            impl.reloadStates();
    } catch (const SQLite::Exception&) {
        impl.dataVersion = -1;
    }
    return result;
}

std::optional<MergeResult> Memory::finishedMerge()
{
    Impl& impl = *m_impl;
    if (!impl.worker.joinable() || !impl.workerDone)
        return std::nullopt;
    impl.worker.join();
    impl.store->setCheckpoints(true);
    if (impl.workerResult.deviceChanged) {
        impl.device = impl.workerDevice;
        impl.keepSequenceOfNewDevice();
    }
    impl.refresh();
    return std::move(impl.workerResult);
}

} // namespace progress
