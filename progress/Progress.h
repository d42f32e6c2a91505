// The memory a learner turns on: which entries they know, kept over days. A schedule of seven
// boxes, an answer log that is the truth, and the state replayed from it. Knows nothing of
// the dialog; the caller passes the time and the list.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace progress {

// The schedule: pure functions of (state, answer, day).

// Days are local calendar days that turn at 04:00, numbered as Julian days. Any time has one:
// a clock before the year 1 or after 9999 gives the first or last of those years' days.
int dayOf(std::int64_t time);
inline constexpr int kFirstDay = 1721426; // 0001-01-01
inline constexpr int kLastDay = 5373484;  // 9999-12-31
// \"Friday, 11 December\" for a day number, in the interface's language.
std::u16string dayName(int day);
// "Fri" for a day number: its weekday, short, in the interface's language.
std::u16string shortDayName(int day);
// "11" for a day number: its day of the month.
std::u16string dayOfMonth(int day);

inline constexpr int kNewBox = 0;
inline constexpr int kTopBox = 7;
// Days from the last counted answer until an entry in box 1..7 is due.
inline constexpr int kIntervals[kTopBox + 1] = {0, 1, 2, 4, 7, 14, 30, 60};

struct EntryState {
    int box = kNewBox;
    int lastDay = 0;  // day of the last counted answer, or of the last miss
    int firstDay = 0; // day of the first counted answer
    friend bool operator==(const EntryState&, const EntryState&) = default;
};

int dueDay(const EntryState& state);
// The state as it stands on `today`: an answer dated later, by a clock that ran ahead, counts
// as given today, so that it never keeps the entry from coming due for longer than its box's
// interval.
inline EntryState asOf(EntryState state, int today)
{
    state.lastDay = state.lastDay < today ? state.lastDay : today;
    state.firstDay = state.firstDay < today ? state.firstDay : today;
    return state;
}
// New, or due on or before `day`.
bool counts(const EntryState& state, int day);

struct Outcome {
    EntryState state;
    bool counted = false;
};

// One answer given on `day`: right at the first try, or missed.
Outcome answer(const EntryState& state, bool right, int day);

// The store and the choice of questions.

enum class Direction : int { WordToMeaning = 0, MeaningToWord = 1 };

struct Entry {
    std::u16string word;
    std::u16string meaning;
};

inline constexpr int kNewPerDay = 20;

struct NextQuestion {
    int entry = -1; // the list's entry to ask, or -1 when nothing is due or new: practice
    // Set the first time a day runs out of due and new entries, for telling the learner once.
    bool ranOut = false;
    bool newTomorrow = false; // the day's new entries are used up, and more are left
    int dueTomorrow = 0;
    int nextDueDay = 0; // when none are due tomorrow: the day the next are, or 0 for none
};

inline constexpr int kDaysAhead = 14;
inline constexpr int kDaysBack = 14;

// Where the learner stands with the list in one direction.
struct Overview {
    int entries = 0;
    std::array<int, kTopBox + 1> perBox{}; // the list's entries: new, then in boxes 1 to 7
    // The entries that come due today (with the overdue), tomorrow and so on.
    std::array<int, kDaysAhead> duePerDay{};
    int answersToday = 0;
    int rightToday = 0; // of them right at the first try
    // The answers to the list's entries on each of the last days, oldest first and today
    // last, and of them the ones right at the first try.
    std::array<int, kDaysBack> answersPerPastDay{};
    std::array<int, kDaysBack> rightPerPastDay{};
};

struct MergeResult {
    // The names of the files that could not be read: half-synced, damaged, from another
    // version, or holding what this program never writes. They are passed over until they
    // change or the program is updated.
    std::vector<std::u16string> unreadable;
    // Another machine answers under this machine's id (a home folder copied to a second
    // machine, both drilling): the memory took a new device id, for the caller to keep.
    bool deviceChanged = false;
};

// Its members are virtual, so that a program that opens the memory from a module of its own
// calls them through the object and starts without linking SQLite.
class Memory {
public:
    // Opens the store in defaultFolder(). `create` false opens only a store that exists.
    // Returns null when there is none or it cannot be written; `message` then says why, for
    // the learner (empty when `create` is false and there was no store). A damaged store is
    // moved aside and a new one made, with `message` naming the file kept.
    static std::unique_ptr<Memory> open(const std::u16string& deviceId, bool create,
                                        std::u16string& message);
    // Writes what is still queued; what cannot be written at once, with another program
    // holding the store, is kept in a file beside the store, which the next process to open
    // the store writes to it first. A caller that would rather wait calls commitQueued().
    virtual ~Memory();
    Memory(const Memory&) = delete;
    Memory& operator=(const Memory&) = delete;

    // A fresh random device id, for a machine's first store.
    static std::u16string newDeviceId();
    // The data folder's "zantoli" folder, where the store is kept.
    static std::u16string defaultFolder();

    // The list that is drilled from now on, in its order.
    virtual void setList(const std::vector<Entry>& entries);
    // What another process committed since is taken in first.
    virtual NextQuestion next(Direction direction, std::int64_t now);
    // Adds the answer to the log and commits it, with any answers still queued before it.
    // False when it could not be committed now: it stays queued, and is written with the
    // next answer or when the memory closes. `message` says why, once, when the fault lasts
    // (no space, no folder, a file that cannot be written); a store busy with another
    // writer is no fault.
    virtual bool record(int entry, Direction direction, bool right, std::int64_t now,
                        std::u16string& message);
    // Marks every answer to the list's entries that this machine has seen as forgotten,
    // here and, through the progress folder, on the learner's other machines. Answers it
    // has not seen, on any machine, stay.
    virtual bool forgetList(std::int64_t now);

    virtual EntryState stateOf(int entry, Direction direction) const;
    virtual Overview overview(Direction direction, std::int64_t now) const;
    // The answers committed to the log, forgotten ones included.
    virtual std::int64_t answerCount() const;
    // Derives the state again from the log alone.
    virtual void rebuild();

    // The progress folder: a folder that the learner's file sync keeps the same on their
    // machines. Each machine writes only its own file there, "<device id>.sqlite".

    virtual std::u16string deviceId() const;
    // Commits the answers still queued, waiting up to `waitMs` for a store that another
    // program holds. True when none is left queued.
    virtual bool commitQueued(int waitMs);

    // Writes this machine's file into `folder` as one consistent snapshot, after taking in
    // what the file there holds that the store lacks: a copy of this home may have written
    // it, and then this machine goes on under a new device id. False when it could not be
    // written, with `reason` saying why.
    virtual bool writeSnapshot(const std::u16string& folder, std::u16string& reason);
    // Writes this machine's file as writeSnapshot() does when the file there is gone, is
    // another version than the one this machine wrote (a sync tool kept another), or lacks
    // an answer or forget this machine gave. True when nothing needed writing or it was.
    virtual bool keepSnapshot(const std::u16string& folder, std::u16string& reason);
    // Adds the answers and forgets in the other machines' files in `folder` (conflict
    // copies too) that the store lacks, and derives again the state of the entries they
    // touch. A file unchanged since it was last read is passed over. With
    // `largeInBackground`, files of a new machine or other large ones are merged on a
    // thread of their own while the learner goes on; finishedMerge() gives their result.
    virtual MergeResult merge(const std::u16string& folder, bool largeInBackground = false);
    // The result of the merge in the background once it is done, then nothing until the
    // next one.
    virtual std::optional<MergeResult> finishedMerge();

private:
    struct Impl;
    explicit Memory(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace progress
