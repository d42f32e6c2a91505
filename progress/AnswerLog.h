// The answer log: appending an answer with the state it leads to, replaying entries into
// their state, forgetting, and reading the log back. Works inside the caller's transaction.
#pragma once

#include "Progress.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct sqlite3_stmt;

namespace progress {

using EntryKey = std::int64_t;
using AnswerId = std::array<unsigned char, 16>;
inline constexpr int kDirections = 2;
// The Julian day of 1970-01-01, to turn times into days.
inline constexpr std::int64_t kJulianOfEpoch = 2440588;

struct Answer {
    EntryKey entry = 0;
    int direction = 0;
    std::int64_t time = 0;
    std::string device;
    std::int64_t seq = 0;
    AnswerId id{};
    int day = 0;
    bool right = false;
    bool counted = false;
};

// The id in `column` of the row; all zeros when it is not 16 bytes long.
AnswerId idOf(sqlite3_stmt* row, int column);
// A fresh random id for an answer or a forget.
AnswerId newAnswerId();
// The id of an answer kept before answers had ids: made from its content, so that every
// machine gives the same answer the same id.
AnswerId idOfAnswerWithoutId(const Answer& answer);
// The key of an entry as the learner sees it: the same word and meaning give the same key
// in any list, file format or position.
EntryKey keyOf(const Entry& entry);

using EntryStates = std::array<EntryState, kDirections>;

// One prepared statement, reset after each use.
class Prepared {
public:
    Prepared(SQLite::Database& db, const char* sql);
    ~Prepared();
    Prepared(const Prepared&) = delete;
    Prepared& operator=(const Prepared&) = delete;
    sqlite3_stmt* get() const { return m_statement; }
    // Steps once; false when done. Throws on error.
    bool step();
    // Runs to the end and returns the rows changed.
    int run();
    void reset();

private:
    SQLite::Database& m_db;
    sqlite3_stmt* m_statement = nullptr;
};

class AnswerLog {
public:
    // Most of a statement's cost is its start and end: this many answers share one.
    static constexpr size_t kAnswersPerInsert = 64;

    explicit AnswerLog(SQLite::Database& db);

    // Adds the answer unless one with its key and id is there; true when it was added.
    bool insert(const Answer& answer);
    // Adds those of `answers` that are not there, many to a statement, and calls `added` with
    // the entry and device of each one added.
    void insert(std::span<const Answer> answers,
                const std::function<void(EntryKey, std::string_view)>& added);
    bool contains(const Answer& answer);
    // Adds an answer given on this machine, deciding whether it counts by the entry's state,
    // and saves the state it leads to. Returns that state.
    EntryState append(Answer& answer);
    // Derives again the state of `entries` from their answers that no forget covers, in the
    // order given: each device's by number, the devices' interleaved by time. Each row's
    // `counted` stays as its machine decided.
    void replay(const std::unordered_set<EntryKey>& entries);
    void replayAll();

    // Marks every answer to `entries` in the log as covered by a new forget.
    void forget(const std::unordered_set<EntryKey>& entries, const std::string& device,
                std::int64_t time);
    // Adds a forget, or the mark that a forget covers an answer; true when it was new.
    bool insertForget(const AnswerId& id, const std::string& device, std::int64_t time);
    bool insertCovered(EntryKey entry, const AnswerId& answer);

    EntryStates statesOf(EntryKey entry);
    std::unordered_map<EntryKey, EntryStates> allStates();
    // The answers to `entries` in `direction` on each of the last days up to `today`.
    void countPastDays(const std::unordered_set<EntryKey>& entries, int direction, int today,
                       Overview& overview);
    std::int64_t count();

    // The last number and time of `device`'s answers.
    std::pair<std::int64_t, std::int64_t> lastOf(const std::string& device);
    void setLastOf(const std::string& device, std::int64_t seq, std::int64_t time);

private:
    void saveState(EntryKey entry, int direction, const EntryState& state);

    SQLite::Database& m_db;
    Prepared m_insert;
    Prepared m_insertMany;
    Prepared m_contains;
    Prepared m_state;
    Prepared m_saveState;
    Prepared m_dropState;
    Prepared m_entryRows;
    Prepared m_coveredOf;
    Prepared m_anyForgotten;
};

} // namespace progress
