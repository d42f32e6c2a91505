// The progress folder under what learners meet: machines that answer at random, forget,
// copy their homes, leave conflict copies, run clocks up to two days apart, are killed in
// the middle of a merge and merge in any order all end with the state that replaying every
// answer gives, less what each forget saw. Files from other machines that are not what this
// program writes are passed over whole and named.
#include "Progress.h"
#include "StoreIn.h"
#include "TestSeam.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kEntries = 8;
constexpr int kMachines = 4;
constexpr std::int64_t kDay = 86400;

std::vector<progress::Entry> list()
{
    std::vector<progress::Entry> entries;
    for (int i = 0; i < kEntries; ++i)
        entries.push_back({u"word" + QString::number(i).toStdU16String(), u"meaning"});
    return entries;
}

std::unique_ptr<progress::Memory> openIn(const QString& data, const std::u16string& device)
{
    auto memory = openStoreIn(data, device);
    if (memory)
        memory->setList(list());
    return memory;
}

// An answer as the test knows it: by the order it was given.
struct Given {
    std::int64_t time;
    int entry;
    int direction;
    bool right;
};

// What a store or a file holds, as the test knows it: the answers and the forgets, by the
// order they were given.
struct Held {
    std::set<int> answers;
    std::set<int> forgets;

    bool includes(const Held& other) const
    {
        return std::includes(answers.begin(), answers.end(), other.answers.begin(),
                             other.answers.end()) &&
               std::includes(forgets.begin(), forgets.end(), other.forgets.begin(),
                             other.forgets.end());
    }
    void add(const Held& other)
    {
        answers.insert(other.answers.begin(), other.answers.end());
        forgets.insert(other.forgets.begin(), other.forgets.end());
    }
    friend bool operator==(const Held&, const Held&) = default;
};

// A machine, and what the test knows of it: what its store holds, and the files of its
// copy of the shared folder with what each holds.
struct Machine {
    QString data;
    QString sync;
    std::u16string device;
    std::int64_t skew = 0;
    std::int64_t lastTime = 0;
    std::unique_ptr<progress::Memory> memory;
    Held known;
    std::map<QString, Held> files;

    void reopen()
    {
        memory.reset();
        memory = openIn(data, device);
        ASSERT_TRUE(memory);
    }
};

// What a sync tool does: the file lands under a temporary name, then is renamed.
void copyFile(const Machine& from, const QString& name, Machine& to, const QString& as)
{
    const QString temporary = to.sync + QStringLiteral("/.syncing.tmp");
    QFile::remove(temporary);
    ASSERT_TRUE(QFile::copy(from.sync + u'/' + name, temporary));
    QFile::remove(to.sync + u'/' + as);
    ASSERT_TRUE(QFile::rename(temporary, to.sync + u'/' + as));
    to.files[as] = from.files.at(name);
}

struct KilledInMerge : std::runtime_error {
    KilledInMerge() : std::runtime_error("killed") {}
};

class Convergence {
public:
    Convergence(unsigned seed, const QTemporaryDir& root) : m_random(seed)
    {
        // Every time is in the past of the checks' "now", and no two machines share one.
        m_base = QDateTime::currentSecsSinceEpoch() - 4 * kDay - kSteps * 100;
        for (int i = 0; i < kMachines; ++i) {
            Machine& machine = m_machines[i];
            machine.data = root.filePath(QStringLiteral("m%1/data").arg(i));
            machine.sync = root.filePath(QStringLiteral("m%1/sync").arg(i));
            QDir().mkpath(machine.sync);
            machine.device = QStringLiteral("device-%1").arg(i).toStdU16String();
            machine.skew = (pick(-2 * kDay, 2 * kDay) / 100) * 100 + i;
            machine.reopen();
        }
    }

    static constexpr int kSteps = 40;

    void run()
    {
        for (int step = 0; step < kSteps; ++step) {
            m_step = step;
            const int action = pick(0, 99);
            Machine& machine = m_machines[pick(0, kMachines - 1)];
            if (action < 45)
                answer(machine);
            else if (action < 60)
                snapshot(machine);
            else if (action < 75)
                syncFolders(machine, m_machines[pick(0, kMachines - 1)], action % 2 == 0);
            else if (action < 90)
                merge(machine, pick(0, 3) == 0);
            else if (action < 95)
                forget(machine);
            else
                copyHome(machine, pick(0, kMachines - 1));
            if (::testing::Test::HasFatalFailure())
                return;
        }
        // At the end every machine's file reaches every other, and each merges them all.
        for (Machine& machine : m_machines)
            snapshot(machine);
        for (Machine& from : m_machines) {
            for (Machine& to : m_machines) {
                if (&from != &to)
                    syncFolders(from, to, false);
            }
        }
        for (Machine& machine : m_machines)
            merge(machine, false);
    }

    void check()
    {
        std::vector<Given> live;
        for (int i = 0; i < static_cast<int>(m_given.size()); ++i) {
            if (!m_covered.contains(i))
                live.push_back(m_given[i]);
        }
        std::sort(live.begin(), live.end(),
                  [](const Given& a, const Given& b) { return a.time < b.time; });
        std::map<std::pair<int, int>, progress::EntryState> expected;
        for (const Given& given : live) {
            progress::EntryState& state = expected[{given.entry, given.direction}];
            state = progress::answer(state, given.right, progress::dayOf(given.time)).state;
        }
        for (Machine& machine : m_machines) {
            const std::string which = QString::fromStdU16String(machine.device).toStdString();
            EXPECT_EQ(machine.memory->answerCount(), static_cast<std::int64_t>(m_given.size()))
                << which << ": every answer once";
            for (int entry = 0; entry < kEntries; ++entry) {
                for (int direction = 0; direction < 2; ++direction) {
                    const progress::EntryState state =
                        machine.memory->stateOf(entry, static_cast<progress::Direction>(direction));
                    EXPECT_EQ(state, (expected[{entry, direction}]))
                        << which << ", entry " << entry << ", direction " << direction;
                }
            }
            // What is stored is what the log replays to, after a restart as before.
            machine.reopen();
            std::vector<progress::EntryState> before;
            for (int entry = 0; entry < kEntries; ++entry)
                before.push_back(
                    machine.memory->stateOf(entry, progress::Direction::MeaningToWord));
            machine.memory->rebuild();
            for (int entry = 0; entry < kEntries; ++entry)
                EXPECT_EQ(machine.memory->stateOf(entry, progress::Direction::MeaningToWord),
                          before[entry])
                    << which << ", entry " << entry;
        }
    }

private:
    std::int64_t pick(std::int64_t low, std::int64_t high)
    {
        return std::uniform_int_distribution<std::int64_t>(low, high)(m_random);
    }

    void answer(Machine& machine)
    {
        const Given given{std::max(m_base + m_step * 100 + machine.skew, machine.lastTime),
                          static_cast<int>(pick(0, kEntries - 1)), static_cast<int>(pick(0, 1)),
                          pick(0, 3) != 0};
        std::u16string message;
        ASSERT_TRUE(machine.memory->record(given.entry,
                                           static_cast<progress::Direction>(given.direction),
                                           given.right, given.time, message));
        machine.lastTime = given.time;
        machine.known.answers.insert(static_cast<int>(m_given.size()));
        m_given.push_back(given);
    }

    void snapshot(Machine& machine)
    {
        std::u16string reason;
        ASSERT_TRUE(machine.memory->writeSnapshot(machine.sync.toStdU16String(), reason));
        machine.files[QString::fromStdU16String(machine.device) + QStringLiteral(".sqlite")] =
            machine.known;
    }

    // Each file of one copy of the folder lands in the other, as sync tools copy them: a
    // newer version replaces an older one, and two versions made apart (by a machine and
    // the copy of its home) are both kept, one as a conflict copy. Some copies come as
    // conflict copies anyway.
    void syncFolders(Machine& from, Machine& to, bool asConflictCopies)
    {
        if (&from == &to)
            return;
        const std::map<QString, Held> files = from.files;
        for (const auto& [name, held] : files) {
            QString as = name;
            const auto there = to.files.find(name);
            if (there != to.files.end()) {
                if (there->second.includes(held))
                    continue;
                if (asConflictCopies || !held.includes(there->second))
                    as = name.chopped(7) + QStringLiteral(".sync-conflict-%1-%2.sqlite")
                                               .arg(m_step)
                                               .arg(static_cast<int>(&from - m_machines));
            }
            copyFile(from, name, to, as);
        }
    }

    // A kill in the middle of a merge leaves the store as before the file being merged; the
    // machine starts again and merges again.
    void merge(Machine& machine, bool killed)
    {
        if (killed) {
            progress::seam::beforeMergedState = [] { throw KilledInMerge(); };
            try {
                machine.memory->merge(machine.sync.toStdU16String());
            } catch (const KilledInMerge&) {
            }
            progress::seam::beforeMergedState = nullptr;
            machine.reopen();
        }
        const progress::MergeResult result = machine.memory->merge(machine.sync.toStdU16String());
        EXPECT_TRUE(result.unreadable.empty());
        if (result.deviceChanged)
            machine.device = machine.memory->deviceId();
        for (const auto& [name, held] : machine.files)
            machine.known.add(held);
    }

    void forget(Machine& machine)
    {
        ASSERT_TRUE(machine.memory->forgetList(m_base + m_step * 100 + machine.skew));
        // It covers what the machine had seen, and travels as a forget of its own.
        m_covered.insert(machine.known.answers.begin(), machine.known.answers.end());
        machine.known.forgets.insert(m_forgets++);
    }

    // A home copied to another machine, which then runs a clock ahead of the first.
    void copyHome(Machine& from, int to)
    {
        Machine& copy = m_machines[to];
        if (&from == &copy)
            return;
        // What the machine copied over had reached the other machines before.
        snapshot(copy);
        for (Machine& other : m_machines)
            syncFolders(copy, other, false);
        from.memory.reset();
        copy.memory.reset();
        const QString store = QStringLiteral("/zantoli/progress.sqlite");
        QFile::remove(copy.data + store);
        ASSERT_TRUE(QFile::copy(from.data + store, copy.data + store));
        copy.device = from.device;
        copy.lastTime = from.lastTime;
        copy.known = from.known;
        // Ahead of the first by whole steps, and still apart from every other machine's.
        const auto apart = [](std::int64_t skew) { return (skew % 100 + 100) % 100; };
        copy.skew = from.skew + pick(1, 36) * 100 + apart(copy.skew) - apart(from.skew);
        from.reopen();
        copy.reopen();
    }

    std::mt19937 m_random;
    std::int64_t m_base = 0;
    int m_step = 0;
    Machine m_machines[kMachines];
    std::vector<Given> m_given;
    std::set<int> m_covered;
    int m_forgets = 0;
};

TEST(ProgressFolder, MachinesConvergeWhateverTheOrderClocksCopiesAndKills)
{
    for (unsigned seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        // In memory where there is such a folder: the runs write many small files.
        const QTemporaryDir root(QDir(QStringLiteral("/dev/shm")).exists()
                                     ? QStringLiteral("/dev/shm/convergence-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/convergence-XXXXXX"));
        Convergence run(seed, root);
        run.run();
        if (::testing::Test::HasFatalFailure())
            return;
        run.check();
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace
