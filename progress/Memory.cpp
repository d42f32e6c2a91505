#include "Progress.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QUrl>
#include <QUuid>
#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace progress {

namespace {

constexpr int kSchemaVersion = 2;

// The log is the truth; `state` is what replaying it gives, kept in step in the same
// transaction. `sequence` keeps each device's last number, so that numbers are never used
// twice even after rows are forgotten.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS answers (
    device TEXT NOT NULL,
    seq INTEGER NOT NULL,
    entry INTEGER NOT NULL,
    direction INTEGER NOT NULL,
    time INTEGER NOT NULL,
    day INTEGER NOT NULL,
    right INTEGER NOT NULL,
    counted INTEGER NOT NULL,
    PRIMARY KEY (device, seq)
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS state (
    entry INTEGER NOT NULL,
    direction INTEGER NOT NULL,
    box INTEGER NOT NULL,
    last_day INTEGER NOT NULL,
    first_day INTEGER NOT NULL,
    PRIMARY KEY (entry, direction)
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS sequence (
    device TEXT PRIMARY KEY,
    last INTEGER NOT NULL
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS forgets (
    entry INTEGER PRIMARY KEY,
    time INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS peers (
    path TEXT PRIMARY KEY,
    size INTEGER NOT NULL,
    mtime INTEGER NOT NULL,
    readable INTEGER NOT NULL
) WITHOUT ROWID;
)sql";

// A forget leaves a mark that travels with the machine's file: answers to the entry up to
// its time are dropped wherever they are merged, so that another machine's copy of them
// does not bring them back. Answers given after it, on any machine, stay.

constexpr int kDirections = 2;

using EntryKey = std::int64_t;
using StateMap = std::unordered_map<EntryKey, EntryState>;
using KeySet = std::unordered_set<EntryKey>;

// The first eight bytes of a hash of the entry as the learner sees it: the same word and
// meaning give the same key in any list, file format or position.
EntryKey keyOf(const Entry& entry)
{
    const QString word =
        QString::fromStdU16String(entry.word).normalized(QString::NormalizationForm_C);
    const QString meaning =
        QString::fromStdU16String(entry.meaning).normalized(QString::NormalizationForm_C);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(word.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(meaning.toUtf8());
    const QByteArray digest = hash.result();
    EntryKey key = 0;
    std::memcpy(&key, digest.constData(), sizeof key);
    return key;
}

QString toQString(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

std::string nativeName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// A row of the log as replaying reads it; the device by its rank among the devices.
struct LoggedAnswer {
    std::int64_t time;
    int device;
    std::int64_t seq;
    EntryKey entry;
    int direction;
    int day;
    bool right;
};

// Rows of another machine's file that match none of this store's, by key and content, and
// no forget covers.
constexpr const char* kUnknownRowsOfDevice = R"sql(
FROM peer.answers p
WHERE p.device = ?1
  AND NOT EXISTS (SELECT 1 FROM main.answers m WHERE m.device = p.device AND m.seq = p.seq
                  AND m.time = p.time AND m.entry = p.entry AND m.direction = p.direction)
  AND NOT EXISTS (SELECT 1 FROM main.forgets f WHERE f.entry = p.entry AND f.time >= p.time)
)sql";

std::u16string cannotSave(const QString& folder, const char* reason)
{
    return QStringLiteral("Progress cannot be saved in \"%1\" (%2). The drill goes on without it.")
        .arg(folder, QString::fromUtf8(reason))
        .toStdU16String();
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

} // namespace

struct Memory::Store {
    Store(const QString& path, std::string device)
        : db(QFile::encodeName(path).toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_URI),
          deviceId(std::move(device))
    {
        // Answers committed in WAL mode with synchronous=NORMAL survive the program being
        // killed; only a power loss may take the last few.
        db.exec("PRAGMA journal_mode=WAL");
        db.exec("PRAGMA synchronous=NORMAL");
        // A merge writes the other machines' answers in one go; a larger page cache keeps
        // the log's pages from spilling before its commit.
        db.exec("PRAGMA cache_size=-16384");
        if (db.execAndGet("PRAGMA quick_check").getString() != "ok")
            throw SQLite::Exception("quick_check failed", SQLITE_CORRUPT);
        const int version = db.execAndGet("PRAGMA user_version").getInt();
        if (version > kSchemaVersion)
            throw SQLite::Exception("the progress file comes from a newer version", SQLITE_ERROR);
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        db.exec(kSchema);
        db.exec("PRAGMA user_version=" + std::to_string(kSchemaVersion));
        transaction.commit();
        insertAnswer.emplace(db, "INSERT INTO answers (device, seq, entry, direction, time, "
                                 "day, right, counted) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        upsertState.emplace(db, "INSERT OR REPLACE INTO state (entry, direction, box, "
                                "last_day, first_day) VALUES (?, ?, ?, ?, ?)");
        updateSequence.emplace(db, "INSERT OR REPLACE INTO sequence (device, last) VALUES (?, ?)");

        SQLite::Statement last(db, "SELECT last FROM sequence WHERE device = ?");
        last.bind(1, deviceId);
        if (last.executeStep())
            lastSeq = last.getColumn(0).getInt64();
        // A device's times never go back, so its last row has its latest time.
        SQLite::Statement lastTimeQuery(
            db, "SELECT time FROM answers WHERE device = ? ORDER BY seq DESC LIMIT 1");
        lastTimeQuery.bind(1, deviceId);
        if (lastTimeQuery.executeStep())
            lastTime = lastTimeQuery.getColumn(0).getInt64();
        loadStates();
    }

    void loadStates()
    {
        for (StateMap& map : states)
            map.clear();
        SQLite::Statement query(db, "SELECT entry, direction, box, last_day, first_day FROM state");
        while (query.executeStep()) {
            const int direction = query.getColumn(1).getInt();
            if (direction < 0 || direction >= kDirections)
                continue;
            states[direction][query.getColumn(0).getInt64()] = {query.getColumn(2).getInt(),
                                                                query.getColumn(3).getInt(),
                                                                query.getColumn(4).getInt()};
        }
        fillListStates();
    }

    void fillListStates()
    {
        for (int direction = 0; direction < kDirections; ++direction) {
            std::vector<EntryState>& list = listStates[direction];
            list.assign(keys.size(), EntryState{});
            for (size_t i = 0; i < keys.size(); ++i) {
                const auto found = states[direction].find(keys[i]);
                if (found != states[direction].end())
                    list[i] = found->second;
            }
        }
    }

    // Derives again the state of the entries `touched` (every entry when null) from their
    // answers in (time, device, seq) order. Each row's `counted` stays as the machine that
    // gave the answer decided it.
    void replay(const KeySet* touched)
    {
        // Devices by rank in their text's order, so that sorting compares numbers.
        std::vector<std::string> devices;
        SQLite::Statement deviceQuery(db, "SELECT DISTINCT device FROM answers ORDER BY device");
        while (deviceQuery.executeStep())
            devices.push_back(deviceQuery.getColumn(0).getString());
        std::vector<LoggedAnswer> rows;
        // The whole log may pass through here: read with SQLite's own calls, which copy
        // nothing per column.
        sqlite3_stmt* prepared = nullptr;
        const char* const sql =
            "SELECT time, device, seq, entry, direction, day, right FROM answers";
        if (sqlite3_prepare_v2(db.getHandle(), sql, -1, &prepared, nullptr) != SQLITE_OK)
            throw SQLite::Exception(db.getHandle(), sqlite3_errcode(db.getHandle()));
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> query(prepared,
                                                                          sqlite3_finalize);
        sqlite3_stmt* const row = query.get();
        int rank = 0;
        int stepped = SQLITE_ROW;
        while ((stepped = sqlite3_step(row)) == SQLITE_ROW) {
            const EntryKey entry = sqlite3_column_int64(row, 3);
            const int direction = sqlite3_column_int(row, 4);
            if ((touched && !touched->contains(entry)) || direction < 0 || direction >= kDirections)
                continue;
            // The rows come in key order: the device changes seldom.
            const auto* device = reinterpret_cast<const char*>(sqlite3_column_text(row, 1));
            if (devices[rank] != device)
                rank = static_cast<int>(
                    std::lower_bound(devices.begin(), devices.end(), std::string(device)) -
                    devices.begin());
            rows.push_back({sqlite3_column_int64(row, 0), rank, sqlite3_column_int64(row, 2), entry,
                            direction, sqlite3_column_int(row, 5),
                            sqlite3_column_int(row, 6) != 0});
        }
        if (stepped != SQLITE_DONE)
            throw SQLite::Exception(db.getHandle(), stepped);
        // Sorting here is cheaper than an index on time that every answer would pay for.
        std::sort(rows.begin(), rows.end(), [](const LoggedAnswer& a, const LoggedAnswer& b) {
            return std::tie(a.time, a.device, a.seq) < std::tie(b.time, b.device, b.seq);
        });
        std::array<StateMap, kDirections> replayed;
        for (const LoggedAnswer& logged : rows) {
            EntryState& state = replayed[logged.direction][logged.entry];
            state = answer(state, logged.right, logged.day).state;
        }
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        if (touched) {
            SQLite::Statement drop(db, "DELETE FROM state WHERE entry = ?");
            for (const EntryKey key : *touched) {
                drop.bind(1, key);
                drop.exec();
                drop.reset();
                for (StateMap& map : states)
                    map.erase(key);
            }
        } else {
            db.exec("DELETE FROM state");
            for (StateMap& map : states)
                map.clear();
        }
        for (int direction = 0; direction < kDirections; ++direction) {
            for (const auto& [key, state] : replayed[direction]) {
                saveState(key, direction, state);
                states[direction][key] = state;
            }
        }
        transaction.commit();
        fillListStates();
    }

    // When the file at `path` was last read or written, and whether it could be read.
    struct Seen {
        std::int64_t size = -1;
        std::int64_t mtime = -1;
        bool readable = true;
    };

    // The size and time of the file at `path`, to the nanosecond; -1 when it is gone.
    static std::pair<std::int64_t, std::int64_t> sizeAndTime(const QString& path)
    {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            return {-1, -1};
        return {info.st_size, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
    }

    Seen seen(const QString& path)
    {
        SQLite::Statement query(db, "SELECT size, mtime, readable FROM peers WHERE path = ?");
        query.bind(1, nativeName(path));
        if (!query.executeStep())
            return {};
        return {query.getColumn(0).getInt64(), query.getColumn(1).getInt64(),
                query.getColumn(2).getInt() != 0};
    }

    void see(const QString& path, std::pair<std::int64_t, std::int64_t> sizeAndTime, bool readable)
    {
        SQLite::Statement upsert(db, "INSERT OR REPLACE INTO peers (path, size, mtime, readable) "
                                     "VALUES (?, ?, ?, ?)");
        upsert.bind(1, nativeName(path));
        upsert.bind(2, sizeAndTime.first);
        upsert.bind(3, sizeAndTime.second);
        upsert.bind(4, readable ? 1 : 0);
        upsert.exec();
    }

    // Reads one file of the progress folder into the log, adding the entries whose answers
    // changed to `touched`. `own` is this machine's file: it is read only to find answers
    // this machine never made. False when the file cannot be read; nothing of it is kept.
    bool mergeFile(const QString& path, bool own, KeySet& touched, bool& deviceChanged)
    {
        // Read-only and immutable: nothing is written beside another machine's file.
        const QByteArray uri =
            QUrl::fromLocalFile(path).toEncoded() + QByteArrayLiteral("?mode=ro&immutable=1");
        try {
            SQLite::Statement attach(db, "ATTACH DATABASE ? AS peer");
            attach.bind(1, uri.toStdString());
            attach.exec();
        } catch (const SQLite::Exception&) {
            return false;
        }
        struct Detach {
            SQLite::Database& db;
            ~Detach() { db.tryExec("DETACH DATABASE peer"); }
        } detach{db};
        try {
            // A file cut short (half-synced) is shorter than its header says; damage inside
            // shows as an error where it is read.
            if (db.execAndGet("PRAGMA peer.user_version").getInt() > kSchemaVersion ||
                db.execAndGet("PRAGMA peer.page_count").getInt64() *
                        db.execAndGet("PRAGMA peer.page_size").getInt64() !=
                    sizeAndTime(path).first ||
                db.execAndGet("SELECT count(*) FROM peer.sqlite_master WHERE type = 'table' "
                              "AND name = 'answers'")
                        .getInt() == 0)
                return false;
            if (own) {
                SQLite::Statement unknown(db,
                                          std::string("SELECT count(*) ") + kUnknownRowsOfDevice);
                unknown.bind(1, deviceId);
                if (!unknown.executeStep() || unknown.getColumn(0).getInt64() == 0)
                    return true;
                takeNewDeviceId();
                deviceChanged = true;
            }
            SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
            if (db.execAndGet("SELECT count(*) FROM peer.sqlite_master WHERE type = 'table' "
                              "AND name = 'forgets'")
                    .getInt() != 0)
                mergeForgets(touched);
            mergeAnswers(touched);
            transaction.commit();
        } catch (const SQLite::Exception&) {
            return false;
        }
        return true;
    }

    // Every store holds each device's answers up to some number, less the forgotten: only
    // the numbers past this store's last need reading. This machine's own answers come
    // from nowhere else.
    void mergeAnswers(KeySet& touched)
    {
        const bool anyForgotten = db.execAndGet("SELECT EXISTS (SELECT 1 FROM forgets)").getInt();
        SQLite::Statement nextDevice(
            db, "SELECT device FROM peer.answers WHERE device > ? ORDER BY device LIMIT 1");
        SQLite::Statement lastOf(db, "SELECT max(seq) FROM main.answers WHERE device = ?");
        SQLite::Statement insert(db, std::string(R"sql(
INSERT INTO main.answers (device, seq, entry, direction, time, day, right, counted)
SELECT device, seq, entry, direction, time, day, right, counted FROM peer.answers p
WHERE device = ?1 AND seq > ?2)sql") + (anyForgotten
                                            ? " AND NOT EXISTS (SELECT 1 FROM main.forgets f WHERE "
                                              "f.entry = p.entry AND f.time >= p.time)"
                                            : ""));
        SQLite::Statement entriesOf(
            db, "SELECT DISTINCT entry FROM peer.answers WHERE device = ?1 AND seq > ?2");
        std::string device;
        for (;;) {
            nextDevice.bind(1, device);
            if (!nextDevice.executeStep())
                break;
            device = nextDevice.getColumn(0).getString();
            nextDevice.reset();
            if (device == deviceId)
                continue;
            lastOf.bind(1, device);
            lastOf.executeStep();
            const std::int64_t last = lastOf.getColumn(0).getInt64();
            lastOf.reset();
            entriesOf.bind(1, device);
            entriesOf.bind(2, last);
            while (entriesOf.executeStep())
                touched.insert(entriesOf.getColumn(0).getInt64());
            entriesOf.reset();
            insert.bind(1, device);
            insert.bind(2, last);
            insert.exec();
            insert.reset();
        }
    }

    void mergeForgets(KeySet& touched)
    {
        db.exec("CREATE TEMP TABLE IF NOT EXISTS fresh_forgets (entry INTEGER PRIMARY KEY, "
                "time INTEGER NOT NULL)");
        db.exec("DELETE FROM temp.fresh_forgets");
        if (db.exec("INSERT INTO temp.fresh_forgets SELECT entry, time FROM peer.forgets p "
                    "WHERE NOT EXISTS (SELECT 1 FROM main.forgets f WHERE f.entry = p.entry "
                    "AND f.time >= p.time)") == 0)
            return;
        db.exec("INSERT INTO main.forgets (entry, time) SELECT entry, time FROM "
                "temp.fresh_forgets WHERE true ON CONFLICT (entry) DO UPDATE SET time = "
                "excluded.time");
        db.exec("DELETE FROM main.answers WHERE EXISTS (SELECT 1 FROM temp.fresh_forgets f "
                "WHERE f.entry = answers.entry AND f.time >= answers.time)");
        SQLite::Statement entries(db, "SELECT entry FROM temp.fresh_forgets");
        while (entries.executeStep())
            touched.insert(entries.getColumn(0).getInt64());
    }

    // This machine's answers that the file under its name lacks go on under a new id,
    // numbered from 1; what both share keeps the old one.
    void takeNewDeviceId()
    {
        const std::string fresh = toQString(Memory::newDeviceId()).toStdString();
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        db.exec("CREATE TEMP TABLE IF NOT EXISTS renumbered (seq INTEGER PRIMARY KEY, "
                "fresh INTEGER NOT NULL)");
        db.exec("DELETE FROM temp.renumbered");
        SQLite::Statement own(db, R"sql(
INSERT INTO temp.renumbered
SELECT seq, row_number() OVER (ORDER BY seq) FROM main.answers m
WHERE device = ?1
  AND NOT EXISTS (SELECT 1 FROM peer.answers p WHERE p.device = m.device AND p.seq = m.seq
                  AND p.time = m.time AND p.entry = m.entry AND p.direction = m.direction)
)sql");
        own.bind(1, deviceId);
        const int count = own.exec();
        SQLite::Statement relabel(db, "UPDATE main.answers SET device = ?2, seq = (SELECT fresh "
                                      "FROM temp.renumbered r WHERE r.seq = answers.seq) WHERE "
                                      "device = ?1 AND seq IN (SELECT seq FROM temp.renumbered)");
        relabel.bind(1, deviceId);
        relabel.bind(2, fresh);
        relabel.exec();
        updateSequence->bind(1, fresh);
        updateSequence->bind(2, static_cast<std::int64_t>(count));
        updateSequence->exec();
        updateSequence->reset();
        transaction.commit();
        deviceId = fresh;
        lastSeq = count;
    }

    void saveState(EntryKey key, int direction, const EntryState& state)
    {
        upsertState->bind(1, key);
        upsertState->bind(2, direction);
        upsertState->bind(3, state.box);
        upsertState->bind(4, state.lastDay);
        upsertState->bind(5, state.firstDay);
        upsertState->exec();
        upsertState->reset();
    }

    SQLite::Database db;
    std::string deviceId;
    std::int64_t lastSeq = 0;
    std::int64_t lastTime = 0;
    std::array<StateMap, kDirections> states;
    std::vector<EntryKey> keys; // of the list's entries, in its order
    std::array<std::vector<EntryState>, kDirections> listStates;
    std::array<int, kDirections> ranOutDay{};
    // Prepared once the schema is there.
    std::optional<SQLite::Statement> insertAnswer;
    std::optional<SQLite::Statement> upsertState;
    std::optional<SQLite::Statement> updateSequence;
};

Memory::Memory(std::unique_ptr<Store> store) : m_store(std::move(store)) {}

Memory::~Memory() = default;

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
    message.clear();
    const QString folder = toQString(defaultFolder());
    const QString path = folder + QStringLiteral("/progress.sqlite");
    const QByteArray nativePath = QFile::encodeName(path);
    if (!create && !QFile::exists(path))
        return nullptr;
    if (!QDir().mkpath(folder)) {
        message = cannotSave(folder, "the folder cannot be made");
        return nullptr;
    }
    ::chmod(QFile::encodeName(folder).constData(), S_IRWXU);
    const int fd = ::open(nativePath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        message = cannotSave(folder, std::strerror(errno));
        return nullptr;
    }
    ::close(fd);
    try {
        try {
            return std::unique_ptr<Memory>(
                new Memory(std::make_unique<Store>(path, toQString(deviceId).toStdString())));
        } catch (const SQLite::Exception& error) {
            if (!isDamage(error))
                throw;
        }
        const QString kept = moveAside(path);
        const int fresh = ::open(nativePath.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                                 S_IRUSR | S_IWUSR);
        if (fresh >= 0)
            ::close(fresh);
        auto memory = std::unique_ptr<Memory>(
            new Memory(std::make_unique<Store>(path, toQString(deviceId).toStdString())));
        message = QStringLiteral("The progress file was damaged. It has been kept as \"%1\", "
                                 "and a new one has been started.")
                      .arg(kept)
                      .toStdU16String();
        return memory;
    } catch (const SQLite::Exception& error) {
        message = cannotSave(folder, error.what());
        return nullptr;
    }
}

void Memory::setList(const std::vector<Entry>& entries)
{
    Store& store = *m_store;
    store.keys.resize(entries.size());
    std::transform(entries.begin(), entries.end(), store.keys.begin(), keyOf);
    store.fillListStates();
    store.ranOutDay.fill(0);
}

NextQuestion Memory::next(Direction direction, std::int64_t now)
{
    Store& store = *m_store;
    const int today = dayOf(now);
    const std::vector<EntryState>& list = store.listStates[static_cast<int>(direction)];
    int dueEntry = -1;
    int firstNew = -1;
    int newToday = 0;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        const EntryState& state = list[i];
        if (state.box == kNewBox) {
            if (firstNew < 0)
                firstNew = i;
            continue;
        }
        newToday += state.firstDay == today;
        // The longest overdue first, then the lower box, then list order.
        const int due = dueDay(state);
        if (due <= today && (dueEntry < 0 || due < dueDay(list[dueEntry]) ||
                             (due == dueDay(list[dueEntry]) && state.box < list[dueEntry].box)))
            dueEntry = i;
    }
    NextQuestion question;
    if (dueEntry >= 0) {
        question.entry = dueEntry;
        return question;
    }
    if (firstNew >= 0 && newToday < kNewPerDay) {
        question.entry = firstNew;
        return question;
    }
    int& toldDay = store.ranOutDay[static_cast<int>(direction)];
    if (toldDay == today)
        return question;
    toldDay = today;
    question.ranOut = true;
    for (const EntryState& state : list) {
        if (state.box == kNewBox)
            continue;
        const int due = dueDay(state);
        question.dueTomorrow += due == today + 1;
        if (question.nextDueDay == 0 || due < question.nextDueDay)
            question.nextDueDay = due;
    }
    return question;
}

bool Memory::record(int entry, Direction direction, bool right, std::int64_t now,
                    std::u16string& message)
{
    Store& store = *m_store;
    const int dir = static_cast<int>(direction);
    const EntryKey key = store.keys.at(static_cast<size_t>(entry));
    const int day = dayOf(now);
    // One device's log never runs backwards in time, so replaying it in time order is
    // replaying it in the order the answers were given, whatever the clock did.
    const std::int64_t time = std::max(now, store.lastTime);
    const Outcome outcome = answer(store.listStates[dir][entry], right, day);
    try {
        SQLite::Transaction transaction(store.db, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement& insert = *store.insertAnswer;
        insert.bind(1, store.deviceId);
        insert.bind(2, static_cast<std::int64_t>(store.lastSeq + 1));
        insert.bind(3, key);
        insert.bind(4, dir);
        insert.bind(5, time);
        insert.bind(6, day);
        insert.bind(7, right ? 1 : 0);
        insert.bind(8, outcome.counted ? 1 : 0);
        insert.exec();
        insert.reset();
        SQLite::Statement& sequence = *store.updateSequence;
        sequence.bind(1, store.deviceId);
        sequence.bind(2, static_cast<std::int64_t>(store.lastSeq + 1));
        sequence.exec();
        sequence.reset();
        store.saveState(key, dir, outcome.state);
        transaction.commit();
    } catch (const SQLite::Exception& error) {
        for (std::optional<SQLite::Statement>* statement :
             {&store.insertAnswer, &store.updateSequence, &store.upsertState})
            (*statement)->tryReset();
        message = cannotSave(QString::fromStdString(store.db.getFilename()), error.what());
        return false;
    }
    store.lastSeq++;
    store.lastTime = time;
    store.states[dir][key] = outcome.state;
    // The same entry may stand in the list more than once.
    for (size_t i = 0; i < store.keys.size(); ++i) {
        if (store.keys[i] == key)
            store.listStates[dir][i] = outcome.state;
    }
    return true;
}

bool Memory::forgetList(std::int64_t now)
{
    Store& store = *m_store;
    // Every answer this machine gave is covered, whatever its clock did since.
    const std::int64_t time = std::max(now, store.lastTime);
    const KeySet keys(store.keys.begin(), store.keys.end());
    try {
        {
            SQLite::Transaction transaction(store.db, SQLite::TransactionBehavior::IMMEDIATE);
            // The log has no index by entry, which every answer would pay for: one pass over
            // it finds the list's rows.
            store.db.exec("CREATE TEMP TABLE IF NOT EXISTS forgotten (entry INTEGER PRIMARY KEY)");
            store.db.exec("DELETE FROM forgotten");
            SQLite::Statement forget(store.db,
                                     "INSERT OR IGNORE INTO forgotten (entry) VALUES (?)");
            for (const EntryKey key : keys) {
                forget.bind(1, key);
                forget.exec();
                forget.reset();
            }
            SQLite::Statement mark(store.db,
                                   "INSERT INTO forgets (entry, time) SELECT entry, ?1 FROM "
                                   "forgotten WHERE true ON CONFLICT (entry) DO UPDATE SET "
                                   "time = max(time, excluded.time)");
            mark.bind(1, time);
            mark.exec();
            SQLite::Statement drop(store.db, "DELETE FROM answers WHERE entry IN (SELECT entry "
                                             "FROM forgotten) AND time <= ?1");
            drop.bind(1, time);
            drop.exec();
            transaction.commit();
        }
        store.replay(&keys);
    } catch (const SQLite::Exception&) {
        return false;
    }
    return true;
}

EntryState Memory::stateOf(int entry, Direction direction) const
{
    return m_store->listStates[static_cast<int>(direction)].at(static_cast<size_t>(entry));
}

Overview Memory::overview(Direction direction, std::int64_t now) const
{
    const Store& store = *m_store;
    const int dir = static_cast<int>(direction);
    const int today = dayOf(now);
    Overview overview;
    overview.entries = static_cast<int>(store.keys.size());
    for (const EntryState& state : store.listStates[dir]) {
        overview.perBox[std::clamp(state.box, kNewBox, kTopBox)]++;
        if (state.box == kNewBox)
            continue;
        const int ahead = std::max(dueDay(state) - today, 0);
        if (ahead < kDaysAhead)
            overview.duePerDay[ahead]++;
    }
    const KeySet keys(store.keys.begin(), store.keys.end());
    SQLite::Statement query(
        store.db,
        "SELECT entry, right, day FROM answers WHERE day > ? AND day <= ? AND direction = ?");
    query.bind(1, today - kDaysBack);
    query.bind(2, today);
    query.bind(3, dir);
    while (query.executeStep()) {
        if (!keys.contains(query.getColumn(0).getInt64()))
            continue;
        const bool right = query.getColumn(1).getInt() != 0;
        const int back = today - query.getColumn(2).getInt();
        overview.answersPerPastDay[kDaysBack - 1 - back]++;
        overview.rightPerPastDay[kDaysBack - 1 - back] += right;
    }
    overview.answersToday = overview.answersPerPastDay[kDaysBack - 1];
    overview.rightToday = overview.rightPerPastDay[kDaysBack - 1];
    return overview;
}

std::int64_t Memory::answerCount() const
{
    return m_store->db.execAndGet("SELECT count(*) FROM answers").getInt64();
}

// Each row counts again by the state it finds: two machines that answered the same new entry
// on one day raise it once.
void Memory::rebuild()
{
    m_store->replay(nullptr);
}

std::u16string Memory::deviceId() const
{
    return QString::fromStdString(m_store->deviceId).toStdU16String();
}

bool Memory::writeSnapshot(const std::u16string& folder)
{
    Store& store = *m_store;
    const QString path =
        toQString(folder) + QLatin1Char('/') + toQString(deviceId()) + QStringLiteral(".sqlite");
    const QString temporary = toQString(folder) + QStringLiteral("/.") + toQString(deviceId()) +
                              QStringLiteral(".sqlite.tmp");
    QFile::remove(temporary);
    try {
        SQLite::Statement vacuum(store.db, "VACUUM INTO ?");
        vacuum.bind(1, nativeName(temporary));
        vacuum.exec();
        // The copy keeps no write-ahead log, which would appear beside it when it is read.
        SQLite::Database copy(nativeName(temporary), SQLite::OPEN_READWRITE);
        copy.exec("PRAGMA journal_mode=DELETE");
    } catch (const SQLite::Exception&) {
        QFile::remove(temporary);
        return false;
    }
    if (std::rename(nativeName(temporary).c_str(), nativeName(path).c_str()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    try {
        store.see(path, Store::sizeAndTime(path), true);
    } catch (const SQLite::Exception&) {
        return false;
    }
    return true;
}

MergeResult Memory::merge(const std::u16string& folder)
{
    Store& store = *m_store;
    MergeResult result;
    const QString ownName = toQString(deviceId()) + QStringLiteral(".sqlite");
    // Names starting with "." are files still being written, by this machine or a sync tool.
    QFileInfoList files =
        QDir(toQString(folder)).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files);
    // This machine's own file first: it may change which file is its own.
    std::stable_partition(files.begin(), files.end(),
                          [&](const QFileInfo& file) { return file.fileName() == ownName; });
    KeySet touched;
    for (const QFileInfo& file : files) {
        const bool own = file.fileName() == toQString(deviceId()) + QStringLiteral(".sqlite");
        const QString path = file.absoluteFilePath();
        try {
            const Store::Seen seen = store.seen(path);
            const auto now = Store::sizeAndTime(path);
            bool readable = seen.readable;
            if (std::pair(seen.size, seen.mtime) != now) {
                readable = store.mergeFile(path, own, touched, result.deviceChanged);
                store.see(path, now, readable);
            }
            if (!readable)
                result.unreadable.push_back(file.fileName().toStdU16String());
        } catch (const SQLite::Exception&) {
            result.unreadable.push_back(file.fileName().toStdU16String());
        }
    }
    if (!touched.empty()) {
        try {
            store.replay(&touched);
        } catch (const SQLite::Exception&) {
            store.loadStates();
        }
    }
    return result;
}

} // namespace progress
