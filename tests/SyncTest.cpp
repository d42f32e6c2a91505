// The progress folder: two machines that answer on alternate days, their files copied between
// them as a file sync tool copies them, end where one machine that gave every answer ends.
#include "Progress.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kEntries = 30;

std::vector<progress::Entry> list()
{
    std::vector<progress::Entry> entries;
    for (int i = 0; i < kEntries; ++i) {
        const std::string n = std::to_string(i);
        entries.push_back({u"word" + std::u16string(n.begin(), n.end()), u"meaning"});
    }
    return entries;
}

// One machine: its own data folder and its own copy of the shared folder.
struct Machine {
    Machine(const QTemporaryDir& root, const char* name, const std::u16string& device)
        : data(root.filePath(QLatin1String(name) + QStringLiteral("/data"))),
          sync(root.filePath(QLatin1String(name) + QStringLiteral("/sync")))
    {
        QDir().mkpath(sync);
        open(device);
    }

    void open(const std::u16string& device)
    {
        memory.reset();
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        std::u16string message;
        memory = progress::Memory::open(device, true, message);
        qputenv("XDG_DATA_HOME", saved);
        ASSERT_TRUE(memory);
        memory->setList(list());
    }

    std::u16string folder() const { return sync.toStdU16String(); }
    bool snapshot() const
    {
        std::u16string reason;
        return memory->writeSnapshot(folder(), reason);
    }

    QString data;
    QString sync;
    std::unique_ptr<progress::Memory> memory;
};

// What a sync tool does: each file of one copy of the folder lands in the other under a
// temporary name, then renamed.
void copyFolder(const Machine& from, const Machine& to)
{
    for (const QString& name :
         QDir(from.sync).entryList({QStringLiteral("*.sqlite")}, QDir::Files)) {
        const QString temporary = to.sync + QStringLiteral("/.syncthing.") + name + ".tmp";
        QFile::remove(temporary);
        ASSERT_TRUE(QFile::copy(from.sync + u'/' + name, temporary));
        QFile::remove(to.sync + u'/' + name);
        ASSERT_TRUE(QFile::rename(temporary, to.sync + u'/' + name));
    }
}

std::vector<progress::EntryState> boxes(const progress::Memory& memory)
{
    std::vector<progress::EntryState> states;
    for (int entry = 0; entry < kEntries; ++entry) {
        for (auto direction :
             {progress::Direction::WordToMeaning, progress::Direction::MeaningToWord})
            states.push_back(memory.stateOf(entry, direction));
    }
    return states;
}

// On one of the last ten days: another machine's answers are never in the future.
std::int64_t at(int day, int minute)
{
    return QDateTime(QDate::currentDate().addDays(day - 10), QTime(10, 0).addSecs(minute * 60))
        .toSecsSinceEpoch();
}

TEST(ProgressFolder, TwoMachinesOnAlternateDaysEndAsOneThatGaveEveryAnswer)
{
    const QTemporaryDir root;
    Machine laptop(root, "laptop", u"laptop-id");
    Machine desktop(root, "desktop", u"desktop-id");
    Machine alone(root, "alone", u"alone-id");
    struct Day {
        Machine* machine;
        int answers;
        int missEvery; // every n-th answer is missed
    };
    const Day days[] = {
        {&laptop, 25, 4},  {&desktop, 25, 3}, {&laptop, 30, 5},
        {&desktop, 20, 2}, {&laptop, 30, 7},  {&desktop, 30, 4},
    };
    for (int day = 0; day < static_cast<int>(std::size(days)); ++day) {
        Machine& machine = *days[day].machine;
        Machine& other = &machine == &laptop ? desktop : laptop;
        EXPECT_TRUE(machine.memory->merge(machine.folder()).unreadable.empty());
        for (int n = 0; n < days[day].answers; ++n) {
            const progress::NextQuestion asked =
                machine.memory->next(progress::Direction::WordToMeaning, at(day, n));
            const progress::NextQuestion expected =
                alone.memory->next(progress::Direction::WordToMeaning, at(day, n));
            ASSERT_EQ(asked.entry, expected.entry) << "day " << day << ", question " << n;
            if (asked.entry < 0)
                break;
            const bool right = (n + 1) % days[day].missEvery != 0;
            std::u16string message;
            ASSERT_TRUE(machine.memory->record(asked.entry, progress::Direction::WordToMeaning,
                                               right, at(day, n), message));
            ASSERT_TRUE(alone.memory->record(asked.entry, progress::Direction::WordToMeaning, right,
                                             at(day, n), message));
        }
        ASSERT_TRUE(machine.snapshot());
        copyFolder(machine, other);
    }
    for (Machine* machine : {&laptop, &desktop}) {
        machine->memory->merge(machine->folder());
        EXPECT_EQ(boxes(*machine->memory), boxes(*alone.memory));
        EXPECT_EQ(machine->memory->answerCount(), alone.memory->answerCount());
    }

    // Read again although nothing is new: nothing changes.
    const QString desktopFile = laptop.sync + QStringLiteral("/desktop-id.sqlite");
    QFile touched(desktopFile);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    touched.close();
    EXPECT_TRUE(laptop.memory->merge(laptop.folder()).unreadable.empty());
    EXPECT_EQ(boxes(*laptop.memory), boxes(*alone.memory));
    EXPECT_EQ(laptop.memory->answerCount(), alone.memory->answerCount());

    // A copy cut short is passed over and named, each time until it changes.
    QFile whole(desktopFile);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(laptop.sync + QStringLiteral("/desktop-id.sync-conflict-20261213-101500-ABC.sqlite"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(whole.size() / 2));
    cut.close();
    for (int time = 0; time < 2; ++time) {
        const progress::MergeResult merged = laptop.memory->merge(laptop.folder());
        ASSERT_EQ(merged.unreadable.size(), 1u);
        EXPECT_EQ(merged.unreadable[0], u"desktop-id.sync-conflict-20261213-101500-ABC.sqlite");
        EXPECT_EQ(boxes(*laptop.memory), boxes(*alone.memory));
    }
    // Only the machines' own files are left there: no temporary, journal or log.
    EXPECT_EQ(
        QDir(desktop.sync).entryList(QDir::Files | QDir::Hidden),
        QStringList({QStringLiteral("desktop-id.sqlite"), QStringLiteral("laptop-id.sqlite")}));
}

// A home folder copied to a second machine brings the same device id along: the first to
// find answers it never made in the file under its name takes a new id.
TEST(ProgressFolder, AMachineCopiedFromAnotherTakesANewId)
{
    const QTemporaryDir root;
    Machine first(root, "first", u"same-id");
    std::u16string message;
    ASSERT_TRUE(
        first.memory->record(0, progress::Direction::WordToMeaning, true, at(0, 0), message));
    first.memory.reset(); // closed, so that its whole log is in the file copied
    const QString copied = root.filePath(QStringLiteral("copy/data/zantoli"));
    ASSERT_TRUE(QDir().mkpath(copied));
    ASSERT_TRUE(QFile::copy(first.data + QStringLiteral("/zantoli/progress.sqlite"),
                            copied + QStringLiteral("/progress.sqlite")));
    first.open(u"same-id");
    Machine copy(root, "copy", u"same-id");

    ASSERT_TRUE(
        first.memory->record(1, progress::Direction::WordToMeaning, true, at(0, 1), message));
    ASSERT_TRUE(first.snapshot());
    ASSERT_TRUE(
        copy.memory->record(2, progress::Direction::WordToMeaning, false, at(0, 2), message));
    copyFolder(first, copy);

    const progress::MergeResult merged = copy.memory->merge(copy.folder());
    EXPECT_TRUE(merged.deviceChanged);
    EXPECT_NE(copy.memory->deviceId(), u"same-id");
    EXPECT_EQ(copy.memory->answerCount(), 3) << "the shared answer once, and one of each";
    EXPECT_EQ(copy.memory->stateOf(1, progress::Direction::WordToMeaning).box, 2);
    EXPECT_EQ(copy.memory->stateOf(2, progress::Direction::WordToMeaning).box, 1);
    ASSERT_TRUE(copy.snapshot());
    copyFolder(copy, first);
    EXPECT_FALSE(first.memory->merge(first.folder()).deviceChanged);
    EXPECT_EQ(first.memory->answerCount(), 3);
    EXPECT_EQ(boxes(*first.memory), boxes(*copy.memory));
}

} // namespace
