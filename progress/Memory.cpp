#include "Progress.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QUuid>
#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace progress {

namespace {

constexpr int kSchemaVersion = 1;

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
)sql";

constexpr int kDirections = 2;

using EntryKey = std::int64_t;
using StateMap = std::unordered_map<EntryKey, EntryState>;

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
        : db(QFile::encodeName(path).toStdString(), SQLite::OPEN_READWRITE),
          deviceId(std::move(device))
    {
        // Answers committed in WAL mode with synchronous=NORMAL survive the program being
        // killed; only a power loss may take the last few.
        db.exec("PRAGMA journal_mode=WAL");
        db.exec("PRAGMA synchronous=NORMAL");
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

bool Memory::forgetList()
{
    Store& store = *m_store;
    try {
        SQLite::Transaction transaction(store.db, SQLite::TransactionBehavior::IMMEDIATE);
        // The log has no index by entry, which every answer would pay for: one pass over it
        // finds the list's rows.
        store.db.exec("CREATE TEMP TABLE IF NOT EXISTS forgotten (entry INTEGER PRIMARY KEY)");
        store.db.exec("DELETE FROM forgotten");
        SQLite::Statement forget(store.db, "INSERT OR IGNORE INTO forgotten (entry) VALUES (?)");
        for (const EntryKey key : store.keys) {
            forget.bind(1, key);
            forget.exec();
            forget.reset();
        }
        store.db.exec("DELETE FROM answers WHERE entry IN (SELECT entry FROM forgotten)");
        store.db.exec("DELETE FROM state WHERE entry IN (SELECT entry FROM forgotten)");
        transaction.commit();
    } catch (const SQLite::Exception&) {
        return false;
    }
    for (StateMap& map : store.states) {
        for (const EntryKey key : store.keys)
            map.erase(key);
    }
    store.fillListStates();
    return true;
}

EntryState Memory::stateOf(int entry, Direction direction) const
{
    return m_store->listStates[static_cast<int>(direction)].at(static_cast<size_t>(entry));
}

std::int64_t Memory::answerCount() const
{
    return m_store->db.execAndGet("SELECT count(*) FROM answers").getInt64();
}

// Each row counts again by the state it finds: two machines that answered the same new entry
// on one day raise it once.
void Memory::rebuild()
{
    Store& store = *m_store;
    std::array<StateMap, kDirections> states;
    SQLite::Statement query(store.db, "SELECT entry, direction, day, right FROM answers "
                                      "ORDER BY time, device, seq");
    while (query.executeStep()) {
        const int direction = query.getColumn(1).getInt();
        if (direction < 0 || direction >= kDirections)
            continue;
        EntryState& state = states[direction][query.getColumn(0).getInt64()];
        state = answer(state, query.getColumn(3).getInt() != 0, query.getColumn(2).getInt()).state;
    }
    SQLite::Transaction transaction(store.db, SQLite::TransactionBehavior::IMMEDIATE);
    store.db.exec("DELETE FROM state");
    for (int direction = 0; direction < kDirections; ++direction) {
        for (const auto& [key, state] : states[direction])
            store.saveState(key, direction, state);
    }
    transaction.commit();
    store.loadStates();
}

} // namespace progress
