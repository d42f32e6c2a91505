// The progress folder under what learners meet: machines that answer at random, forget,
// copy their homes, leave conflict copies or lose a version to another, run clocks up to two
// days either side of the real date (one of them once in 1970 and once a year ahead), are
// killed in the middle of a merge and merge in any order all end with the state that
// replaying every answer in the order given gives, less what each forget saw.
#include "Progress.h"
#include "StoreIn.h"
#include "TestSeam.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
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
#include <tuple>
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
    std::u16string device;
    std::int64_t seq; // the number its machine gave it
    int day = progress::dayOf(time);
};

// One device's answers by their number, the devices' interleaved by the times of each
// device's next answer; none counts as given on a day after its device's next one.
std::vector<Given> inOrderGiven(std::vector<Given> answers)
{
    std::sort(answers.begin(), answers.end(), [](const Given& a, const Given& b) {
        return std::tie(a.device, a.seq, a.time) < std::tie(b.device, b.seq, b.time);
    });
    for (size_t i = answers.size(); i-- > 1;) {
        if (answers[i - 1].device == answers[i].device)
            answers[i - 1].day = std::min(answers[i - 1].day, answers[i].day);
    }
    std::map<std::u16string, std::vector<Given>> byDevice;
    for (const Given& given : answers)
        byDevice[given.device].push_back(given);
    std::vector<Given> order;
    std::map<std::u16string, size_t> next;
    while (order.size() < answers.size()) {
        const std::vector<Given>* first = nullptr;
        for (const auto& [device, given] : byDevice) {
            if (next[device] < given.size() &&
                (!first || given[next[device]].time < (*first)[next[first->front().device]].time))
                first = &given;
        }
        order.push_back((*first)[next[first->front().device]++]);
    }
    return order;
}

// What the file at `path` is on disk, to tell whether it was written.
std::pair<ino_t, std::int64_t> stampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {info.st_ino, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
}

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
    std::int64_t seq = 0;
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
    Convergence(unsigned seed, const QTemporaryDir& root) : m_random(seed), m_seed(seed)
    {
        // The steps end at the real time; with the machines' clocks, some answers lie in the
        // future of every other machine. No two machines share a time.
        m_base = QDateTime::currentSecsSinceEpoch() - kSteps * 100;
        m_wrongClockSteps = {static_cast<int>(pick(0, kSteps / 2)),
                             static_cast<int>(pick(kSteps / 2, kSteps - 1))};
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
            if (step == m_wrongClockSteps.first || step == m_wrongClockSteps.second)
                answer(m_machines[0], step == m_wrongClockSteps.first ? 1000 : m_base + 365 * kDay);
            else if (action < 45)
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
        // At the end every machine's file reaches every other, and each merges them all,
        // until no machine has a file to write again: one that lost its version of a file to
        // another, or took a new id, writes again after its merge.
        for (Machine& machine : m_machines)
            snapshot(machine);
        for (int round = 0; round < kMachines; ++round) {
            for (Machine& from : m_machines) {
                for (Machine& to : m_machines) {
                    if (&from != &to)
                        syncFolders(from, to, false);
                }
            }
            for (Machine& machine : m_machines)
                merge(machine, false);
        }
    }

    void check()
    {
        std::vector<Given> live;
        for (int i = 0; i < static_cast<int>(m_given.size()); ++i) {
            if (!m_covered.contains(i))
                live.push_back(m_given[i]);
        }
        // Each entry's answers in each direction are replayed in the order given.
        std::map<std::pair<int, int>, std::vector<Given>> answersOf;
        for (const Given& given : live)
            answersOf[{given.entry, given.direction}].push_back(given);
        std::map<std::pair<int, int>, progress::EntryState> expected;
        for (const auto& [entry, answers] : answersOf) {
            for (const Given& given : inOrderGiven(answers))
                expected[entry] = progress::answer(expected[entry], given.right, given.day).state;
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

    // An answer at the machine's clock, or at `clock` when it is wrong for once.
    void answer(Machine& machine, std::int64_t clock = 0)
    {
        const Given given{clock ? clock : m_base + m_step * 100 + machine.skew,
                          static_cast<int>(pick(0, kEntries - 1)),
                          static_cast<int>(pick(0, 1)),
                          pick(0, 3) != 0,
                          machine.device,
                          ++machine.seq};
        std::u16string message;
        ASSERT_TRUE(machine.memory->record(given.entry,
                                           static_cast<progress::Direction>(given.direction),
                                           given.right, given.time, message));
        machine.known.answers.insert(static_cast<int>(m_given.size()));
        m_given.push_back(given);
    }

    QString ownName(const Machine& machine) const
    {
        return QString::fromStdU16String(machine.device) + QStringLiteral(".sqlite");
    }

    // The machine writes its file, after reading what stands at its name; with `whenLacking`,
    // as after a merge, only when that file lacks what it gave or is another version.
    void snapshot(Machine& machine, bool whenLacking = false)
    {
        // What stands at its name is merged first: it is known from then on.
        const auto own = machine.files.find(ownName(machine));
        if (own != machine.files.end())
            machine.known.add(own->second);
        const auto before = stampOf(machine.sync + u'/' + ownName(machine));
        std::u16string reason;
        const std::u16string folder = machine.sync.toStdU16String();
        ASSERT_TRUE(whenLacking ? machine.memory->keepSnapshot(folder, reason)
                                : machine.memory->writeSnapshot(folder, reason));
        machine.device = machine.memory->deviceId();
        if (!whenLacking || stampOf(machine.sync + u'/' + ownName(machine)) != before)
            machine.files[ownName(machine)] = machine.known;
    }

    // Each file of one copy of the folder lands in the other, as sync tools copy them: a
    // newer version replaces an older one, and of two versions made apart (by a machine and
    // the copy of its home) both are kept, one as a conflict copy, or the last one written
    // wins. Some copies come as conflict copies anyway.
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
                if (asConflictCopies || (!held.includes(there->second) && pick(0, 1) == 0))
                    as = name.chopped(7) + QStringLiteral(".sync-conflict-%1-%2.sqlite")
                                               .arg(m_step)
                                               .arg(static_cast<int>(&from - m_machines));
            }
            copyFile(from, name, to, as);
        }
    }

    // A kill in the middle of a merge leaves the store as before the file being merged; the
    // machine starts again and merges again. After its merge, a machine writes its file
    // again when that lacks what it gave.
    void merge(Machine& machine, bool killed)
    {
        if (killed && m_seed % 10 == 0) {
            killChildInMerge(machine);
        } else if (killed) {
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
        snapshot(machine, true);
    }

    // A process of its own merges the machine's folder and is killed for real in the middle.
    void killChildInMerge(Machine& machine)
    {
        machine.memory.reset();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZANTOLI_TEST_KILLED_DATA"), machine.data);
        environment.insert(QStringLiteral("ZANTOLI_TEST_KILLED_SYNC"), machine.sync);
        environment.insert(QStringLiteral("ZANTOLI_TEST_KILLED_DEVICE"),
                           QString::fromStdU16String(machine.device));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=ProgressFolder.DISABLED_MergesUntilKilled"),
                     QStringLiteral("--gtest_also_run_disabled_tests")});
        ASSERT_TRUE(child.waitForFinished(30000));
        machine.reopen();
    }

    void forget(Machine& machine)
    {
        ASSERT_TRUE(machine.memory->forgetList(m_base + m_step * 100 + machine.skew));
        // It covers what the machine had seen, and travels as a forget of its own, written to
        // the machine's file at once.
        m_covered.insert(machine.known.answers.begin(), machine.known.answers.end());
        machine.known.forgets.insert(m_forgets++);
        snapshot(machine);
    }

    // A home copied to another machine, which then runs a clock ahead of the first.
    void copyHome(Machine& from, int to)
    {
        Machine& copy = m_machines[to];
        if (&from == &copy)
            return;
        // What the machine copied over had reached the other machines before.
        snapshot(copy);
        for (Machine& other : m_machines) {
            if (&other != &copy && &other != &from) {
                syncFolders(copy, other, false);
                merge(other, false);
            }
        }
        from.memory.reset();
        copy.memory.reset();
        const QString store = QStringLiteral("/zantoli/progress.sqlite");
        QFile::remove(copy.data + store);
        ASSERT_TRUE(QFile::copy(from.data + store, copy.data + store));
        copy.device = from.device;
        copy.seq = from.seq;
        copy.known = from.known;
        // Ahead of the first by whole steps, and still apart from every other machine's.
        const auto apart = [](std::int64_t skew) { return (skew % 100 + 100) % 100; };
        copy.skew = from.skew + pick(1, 36) * 100 + apart(copy.skew) - apart(from.skew);
        from.reopen();
        copy.reopen();
    }

    std::mt19937 m_random;
    unsigned m_seed;
    std::pair<int, int> m_wrongClockSteps;
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
