#include "AnswerLog.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QString>
#include <algorithm>
#include <cstring>
#include <functional>
#include <queue>
#include <sqlite3.h>
#include <tuple>

namespace progress {

namespace {

void bindId(sqlite3_stmt* statement, int index, const AnswerId& id)
{
    sqlite3_bind_blob(statement, index, id.data(), static_cast<int>(id.size()), SQLITE_STATIC);
}

// The columns that name an answer, bound as the six parameters of `row` from `first` on.
void bindAnswerKey(sqlite3_stmt* row, const Answer& answer, int first = 1)
{
    sqlite3_bind_int64(row, first, answer.entry);
    sqlite3_bind_int(row, first + 1, answer.direction);
    sqlite3_bind_int64(row, first + 2, answer.time);
    sqlite3_bind_text(row, first + 3, answer.device.data(), static_cast<int>(answer.device.size()),
                      SQLITE_STATIC);
    sqlite3_bind_int64(row, first + 4, answer.seq);
    bindId(row, first + 5, answer.id);
}

constexpr int kAnswerColumns = 9;

// Every column of an answer, bound as the parameters of `row` from `first` on.
void bindAnswer(sqlite3_stmt* row, const Answer& answer, int first = 1)
{
    bindAnswerKey(row, answer, first);
    sqlite3_bind_int(row, first + 6, answer.day);
    sqlite3_bind_int(row, first + 7, answer.right ? 1 : 0);
    sqlite3_bind_int(row, first + 8, answer.counted ? 1 : 0);
}

constexpr const char* kInsertAnswer = "INSERT OR IGNORE INTO answers (entry, direction, time, "
                                      "device, seq, id, day, right, counted) VALUES ";
std::string insertManyAnswers()
{
    std::string sql = kInsertAnswer;
    for (size_t row = 0; row < AnswerLog::kAnswersPerInsert; ++row)
        sql += row == 0 ? "(?, ?, ?, ?, ?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?, ?, ?, ?, ?)";
    // Only the rows added come back: those ignored are not returned.
    return sql + " RETURNING entry, device";
}

// An answer as replaying reads it.
struct Replayed {
    std::int64_t time = 0;
    std::string device;
    std::int64_t seq = 0;
    AnswerId id{};
    int day = 0;
    bool right = false;
};

// The answers to one entry in one direction, in the order they were given: each device's by
// their number, whatever its clock said, and the devices' interleaved by time. The same
// answers give the same order on every machine. An answer counts as given no later than the
// same device's next answer to the entry: a clock that ran ahead and was set right again
// never keeps the entry from coming due.
std::vector<const Replayed*> inOrderGiven(std::vector<Replayed>& rows)
{
    std::sort(rows.begin(), rows.end(), [](const Replayed& a, const Replayed& b) {
        return std::tie(a.device, a.seq, a.time, a.id) < std::tie(b.device, b.seq, b.time, b.id);
    });
    for (size_t i = rows.size(); i-- > 1;) {
        if (rows[i - 1].device == rows[i].device)
            rows[i - 1].day = std::min(rows[i - 1].day, rows[i].day);
    }
    // Each device's next answer and the end of its answers; the devices stand in the order of
    // their ids, which breaks a tie in time.
    std::vector<std::pair<size_t, size_t>> heads;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 0 || rows[i].device != rows[i - 1].device)
            heads.emplace_back(i, i);
        heads.back().second = i + 1;
    }
    using Next = std::pair<std::int64_t, size_t>; // the time of a device's next answer, the device
    std::priority_queue<Next, std::vector<Next>, std::greater<>> next;
    for (size_t device = 0; device < heads.size(); ++device)
        next.emplace(rows[heads[device].first].time, device);
    std::vector<const Replayed*> order;
    order.reserve(rows.size());
    while (!next.empty()) {
        const size_t device = next.top().second;
        next.pop();
        auto& [at, end] = heads[device];
        order.push_back(&rows[at]);
        if (++at < end)
            next.emplace(rows[at].time, device);
    }
    return order;
}

EntryState replayed(std::vector<Replayed>& rows)
{
    EntryState state;
    for (const Replayed* row : inOrderGiven(rows))
        state = answer(state, row->right, row->day).state;
    return state;
}

void readReplayed(sqlite3_stmt* row, int first, Replayed& into)
{
    into.time = sqlite3_column_int64(row, first);
    into.device.assign(reinterpret_cast<const char*>(sqlite3_column_text(row, first + 1)),
                       static_cast<size_t>(sqlite3_column_bytes(row, first + 1)));
    into.seq = sqlite3_column_int64(row, first + 2);
    into.id = idOf(row, first + 3);
    into.day = sqlite3_column_int(row, first + 4);
    into.right = sqlite3_column_int(row, first + 5) != 0;
}

} // namespace

AnswerId idOf(sqlite3_stmt* row, int column)
{
    AnswerId id{};
    if (sqlite3_column_bytes(row, column) == static_cast<int>(id.size()))
        std::memcpy(id.data(), sqlite3_column_blob(row, column), id.size());
    return id;
}

AnswerId newAnswerId()
{
    AnswerId id;
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(id.data()),
                                          id.size() / sizeof(quint32));
    return id;
}

AnswerId idOfAnswerWithoutId(const Answer& answer)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(
        QByteArrayView(answer.device.data(), static_cast<qsizetype>(answer.device.size())));
    const std::int64_t numbers[] = {answer.seq, answer.entry, answer.direction, answer.time,
                                    answer.day, answer.right, answer.counted};
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(numbers), sizeof numbers));
    AnswerId id;
    std::memcpy(id.data(), hash.result().constData(), id.size());
    return id;
}

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

Prepared::Prepared(SQLite::Database& db, const char* sql) : m_db(db)
{
    if (sqlite3_prepare_v3(db.getHandle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &m_statement,
                           nullptr) != SQLITE_OK)
        throw SQLite::Exception(db.getHandle(), sqlite3_errcode(db.getHandle()));
}

Prepared::~Prepared()
{
    sqlite3_finalize(m_statement);
}

bool Prepared::step()
{
    const int stepped = sqlite3_step(m_statement);
    if (stepped == SQLITE_ROW)
        return true;
    if (stepped == SQLITE_DONE)
        return false;
    const int code = sqlite3_extended_errcode(m_db.getHandle());
    const SQLite::Exception error(m_db.getHandle(), code);
    sqlite3_reset(m_statement);
    throw error;
}

int Prepared::run()
{
    while (step()) {
    }
    reset();
    return sqlite3_changes(m_db.getHandle());
}

void Prepared::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

AnswerLog::AnswerLog(SQLite::Database& db)
    : m_db(db), m_insert(db, (std::string(kInsertAnswer) + "(?, ?, ?, ?, ?, ?, ?, ?, ?)").c_str()),
      m_insertMany(db, insertManyAnswers().c_str()),
      m_contains(db, "SELECT 1 FROM answers WHERE entry = ? AND direction = ? AND time = ? AND "
                     "device = ? AND seq = ? AND id = ?"),
      m_state(db, "SELECT direction, box, last_day, first_day FROM state WHERE entry = ?"),
      m_saveState(db, "INSERT OR REPLACE INTO state (entry, direction, box, last_day, "
                      "first_day) VALUES (?, ?, ?, ?, ?)"),
      m_dropState(db, "DELETE FROM state WHERE entry = ? AND direction = ?"),
      m_entryRows(db, "SELECT direction, time, device, seq, id, day, right FROM answers WHERE "
                      "entry = ?"),
      m_coveredOf(db, "SELECT answer FROM forgotten WHERE entry = ?"),
      m_anyForgotten(db, "SELECT 1 FROM forgotten LIMIT 1")
{
}

bool AnswerLog::insert(const Answer& answer)
{
    bindAnswer(m_insert.get(), answer);
    return m_insert.run() > 0;
}

void AnswerLog::insert(std::span<const Answer> answers,
                       const std::function<void(EntryKey, std::string_view)>& added)
{
    sqlite3_stmt* const rows = m_insertMany.get();
    for (; answers.size() >= kAnswersPerInsert; answers = answers.subspan(kAnswersPerInsert)) {
        for (size_t row = 0; row < kAnswersPerInsert; ++row)
            bindAnswer(rows, answers[row], static_cast<int>(row) * kAnswerColumns + 1);
        while (m_insertMany.step())
            added(sqlite3_column_int64(rows, 0),
                  std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(rows, 1)),
                                   static_cast<size_t>(sqlite3_column_bytes(rows, 1))));
        m_insertMany.reset();
    }
    for (const Answer& given : answers) {
        if (insert(given))
            added(given.entry, given.device);
    }
}

bool AnswerLog::contains(const Answer& answer)
{
    bindAnswerKey(m_contains.get(), answer);
    const bool found = m_contains.step();
    m_contains.reset();
    return found;
}

EntryState AnswerLog::append(Answer& answer)
{
    const EntryState before = statesOf(answer.entry)[answer.direction];
    const Outcome outcome = progress::answer(before, answer.right, answer.day);
    answer.counted = outcome.counted;
    // Another machine's answers to the entry, or this one's under a clock set back, may come
    // after it in the order given: the entry is replayed, so that its state stays what
    // replaying the whole log gives.
    insert(answer);
    replay({answer.entry});
    return statesOf(answer.entry)[answer.direction];
}

void AnswerLog::saveState(EntryKey entry, int direction, const EntryState& state)
{
    sqlite3_stmt* const row = m_saveState.get();
    sqlite3_bind_int64(row, 1, entry);
    sqlite3_bind_int(row, 2, direction);
    sqlite3_bind_int(row, 3, state.box);
    sqlite3_bind_int(row, 4, state.lastDay);
    sqlite3_bind_int(row, 5, state.firstDay);
    m_saveState.run();
}

// The entry's forgotten answers are looked up once, not for each of its answers, and not at
// all while nothing is forgotten; a state is dropped only where no answer is left to make it.
void AnswerLog::replay(const std::unordered_set<EntryKey>& entries)
{
    if (entries.empty())
        return;
    const bool anyForgotten = m_anyForgotten.step();
    m_anyForgotten.reset();
    std::vector<AnswerId> covered;
    for (const EntryKey entry : entries) {
        covered.clear();
        if (anyForgotten) {
            sqlite3_bind_int64(m_coveredOf.get(), 1, entry);
            while (m_coveredOf.step())
                covered.push_back(idOf(m_coveredOf.get(), 0));
            m_coveredOf.reset();
            std::sort(covered.begin(), covered.end());
        }
        std::array<std::vector<Replayed>, kDirections> rows;
        sqlite3_stmt* const row = m_entryRows.get();
        sqlite3_bind_int64(row, 1, entry);
        while (m_entryRows.step()) {
            const int direction = sqlite3_column_int(row, 0);
            if (direction < 0 || direction >= kDirections ||
                (!covered.empty() &&
                 std::binary_search(covered.begin(), covered.end(), idOf(row, 4))))
                continue;
            readReplayed(row, 1, rows[direction].emplace_back());
        }
        m_entryRows.reset();
        for (int direction = 0; direction < kDirections; ++direction) {
            if (!rows[direction].empty()) {
                saveState(entry, direction, replayed(rows[direction]));
            } else {
                sqlite3_bind_int64(m_dropState.get(), 1, entry);
                sqlite3_bind_int(m_dropState.get(), 2, direction);
                m_dropState.run();
            }
        }
    }
}

// One pass over the whole log in its own order, which keeps each entry's answers together.
void AnswerLog::replayAll()
{
    m_db.exec("DELETE FROM state");
    Prepared rows(m_db, "SELECT entry, direction, time, device, seq, id, day, right FROM answers "
                        "a WHERE NOT EXISTS (SELECT 1 FROM forgotten f WHERE f.entry = a.entry "
                        "AND f.answer = a.id) ORDER BY entry, direction");
    sqlite3_stmt* const row = rows.get();
    EntryKey entry = 0;
    int direction = 0;
    std::vector<Replayed> answers;
    while (rows.step()) {
        const EntryKey rowEntry = sqlite3_column_int64(row, 0);
        const int rowDirection = sqlite3_column_int(row, 1);
        if (rowDirection < 0 || rowDirection >= kDirections)
            continue;
        if (!answers.empty() && (rowEntry != entry || rowDirection != direction)) {
            saveState(entry, direction, replayed(answers));
            answers.clear();
        }
        entry = rowEntry;
        direction = rowDirection;
        readReplayed(row, 2, answers.emplace_back());
    }
    if (!answers.empty())
        saveState(entry, direction, replayed(answers));
}

void AnswerLog::forget(const std::unordered_set<EntryKey>& entries, const std::string& device,
                       std::int64_t time)
{
    insertForget(newAnswerId(), device, time);
    Prepared cover(m_db, "INSERT OR IGNORE INTO forgotten (entry, answer) SELECT entry, id FROM "
                         "answers WHERE entry = ?");
    for (const EntryKey entry : entries) {
        sqlite3_bind_int64(cover.get(), 1, entry);
        cover.run();
    }
    replay(entries);
}

bool AnswerLog::insertForget(const AnswerId& id, const std::string& device, std::int64_t time)
{
    Prepared add(m_db, "INSERT OR IGNORE INTO forgets (id, device, time) VALUES (?, ?, ?)");
    bindId(add.get(), 1, id);
    sqlite3_bind_text(add.get(), 2, device.data(), static_cast<int>(device.size()), SQLITE_STATIC);
    sqlite3_bind_int64(add.get(), 3, time);
    return add.run() > 0;
}

bool AnswerLog::insertCovered(EntryKey entry, const AnswerId& answer)
{
    Prepared add(m_db, "INSERT OR IGNORE INTO forgotten (entry, answer) VALUES (?, ?)");
    sqlite3_bind_int64(add.get(), 1, entry);
    bindId(add.get(), 2, answer);
    return add.run() > 0;
}

EntryStates AnswerLog::statesOf(EntryKey entry)
{
    EntryStates states{};
    sqlite3_stmt* const row = m_state.get();
    sqlite3_bind_int64(row, 1, entry);
    while (m_state.step()) {
        const int direction = sqlite3_column_int(row, 0);
        if (direction >= 0 && direction < kDirections)
            states[direction] = {sqlite3_column_int(row, 1), sqlite3_column_int(row, 2),
                                 sqlite3_column_int(row, 3)};
    }
    m_state.reset();
    return states;
}

std::unordered_map<EntryKey, EntryStates> AnswerLog::allStates()
{
    std::unordered_map<EntryKey, EntryStates> states;
    Prepared rows(m_db, "SELECT entry, direction, box, last_day, first_day FROM state");
    sqlite3_stmt* const row = rows.get();
    while (rows.step()) {
        const int direction = sqlite3_column_int(row, 1);
        if (direction >= 0 && direction < kDirections)
            states[sqlite3_column_int64(row, 0)][direction] = {
                sqlite3_column_int(row, 2), sqlite3_column_int(row, 3), sqlite3_column_int(row, 4)};
    }
    return states;
}

// Each entry's recent answers are one range of the log, whatever its length.
void AnswerLog::countPastDays(const std::unordered_set<EntryKey>& entries, int direction, int today,
                              Overview& overview)
{
    const int firstDay = today - kDaysBack + 1;
    // Days turn at local 04:00 in any time zone: two days' margin covers every zone.
    const std::int64_t from = (firstDay - kJulianOfEpoch - 2) * 86400;
    // An answer dated before the chart's days is left out; one dated after them, by a clock
    // ahead, counts as given today.
    Prepared rows(m_db, "SELECT min(day, ?5), right FROM answers a WHERE entry = ?1 AND "
                        "direction = ?2 AND time >= ?3 AND day >= ?4 AND NOT EXISTS (SELECT 1 "
                        "FROM forgotten f WHERE f.entry = ?1 AND f.answer = a.id)");
    sqlite3_stmt* const row = rows.get();
    for (const EntryKey entry : entries) {
        sqlite3_bind_int64(row, 1, entry);
        sqlite3_bind_int(row, 2, direction);
        sqlite3_bind_int64(row, 3, from);
        sqlite3_bind_int(row, 4, firstDay);
        sqlite3_bind_int(row, 5, today);
        while (rows.step()) {
            const int back = today - sqlite3_column_int(row, 0);
            overview.answersPerPastDay[kDaysBack - 1 - back]++;
            overview.rightPerPastDay[kDaysBack - 1 - back] += sqlite3_column_int(row, 1) != 0;
        }
        rows.reset();
    }
    overview.answersToday = overview.answersPerPastDay[kDaysBack - 1];
    overview.rightToday = overview.rightPerPastDay[kDaysBack - 1];
}

std::int64_t AnswerLog::count()
{
    return m_db.execAndGet("SELECT count(*) FROM answers").getInt64();
}

std::pair<std::int64_t, std::int64_t> AnswerLog::lastOf(const std::string& device)
{
    SQLite::Statement query(m_db, "SELECT last, time FROM sequence WHERE device = ?");
    query.bind(1, device);
    if (!query.executeStep())
        return {0, 0};
    return {query.getColumn(0).getInt64(), query.getColumn(1).getInt64()};
}

void AnswerLog::setLastOf(const std::string& device, std::int64_t seq, std::int64_t time)
{
    SQLite::Statement update(m_db, "INSERT OR REPLACE INTO sequence (device, last, time) VALUES "
                                   "(?, ?, ?)");
    update.bind(1, device);
    update.bind(2, seq);
    update.bind(3, time);
    update.exec();
}

} // namespace progress
