// The memory: the schedule as one table, and the store's log replayed into the same boxes.
#include "Progress.h"
#include "AnswerLog.h"
#include "StoreIn.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>
#include <SQLiteCpp/SQLiteCpp.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A time zone with daylight saving, for as long as it lives.
class TimeZone {
public:
    explicit TimeZone(const char* zone) : m_saved(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        ::tzset();
    }
    ~TimeZone()
    {
        qputenv("TZ", m_saved);
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    QByteArray m_saved;
};

int day(const char* date)
{
    return static_cast<int>(
        QDate::fromString(QString::fromLatin1(date), Qt::ISODate).toJulianDay());
}

std::int64_t localTime(const char* dateTime)
{
    return QDateTime::fromString(QString::fromLatin1(dateTime), QStringLiteral("yyyy-MM-dd HH:mm"))
        .toSecsSinceEpoch();
}

TEST(Schedule, OneAnswerMovesTheBoxAndTheDueDay)
{
    const TimeZone berlin("Europe/Berlin");
    struct Row {
        const char* what;
        int box;
        const char* lastDay; // of the last counted answer; "" when new
        const char* answeredAt;
        bool right;
        int boxAfter;
        const char* dueAfter;
        bool counted;
    };
    const Row rows[] = {
        {"new, right", 0, "", "2026-12-07 10:00", true, 2, "2026-12-09", true},
        {"new, missed", 0, "", "2026-12-07 10:00", false, 1, "2026-12-08", true},
        {"due, right", 1, "2026-12-07", "2026-12-08 10:00", true, 2, "2026-12-10", true},
        {"before 04:00 is the evening before", 1, "2026-12-07", "2026-12-08 03:59", true, 1,
         "2026-12-08", false},
        {"from 04:00 the new day", 1, "2026-12-07", "2026-12-08 04:00", true, 2, "2026-12-10",
         true},
        {"top box stays", 7, "2026-10-01", "2026-11-30 10:00", true, 7, "2027-01-29", true},
        {"box 6, right", 6, "2026-10-01", "2026-10-31 10:00", true, 7, "2026-12-30", true},
        {"overdue, missed", 3, "2026-12-01", "2026-12-09 10:00", false, 1, "2026-12-10", true},
        {"practice, right", 4, "2026-12-05", "2026-12-08 10:00", true, 4, "2026-12-12", false},
        {"practice, missed", 4, "2026-12-05", "2026-12-08 10:00", false, 1, "2026-12-09", false},
        {"spring night, 03:30 after the jump", 1, "2026-03-28", "2026-03-29 03:30", true, 1,
         "2026-03-29", false},
        {"spring morning", 1, "2026-03-28", "2026-03-29 04:00", true, 2, "2026-03-31", true},
        {"autumn night, 02:30 twice", 1, "2026-10-24", "2026-10-25 02:30", true, 1, "2026-10-25",
         false},
        {"clock back, right", 2, "2026-12-10", "2026-12-08 10:00", true, 2, "2026-12-12", false},
        {"clock back, missed", 2, "2026-12-10", "2026-12-08 10:00", false, 1, "2026-12-11", false},
        {"clock back before a new entry's answer", 0, "", "2026-12-01 10:00", true, 2, "2026-12-03",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const progress::EntryState before{row.box, *row.lastDay ? day(row.lastDay) : 0,
                                          *row.lastDay ? day(row.lastDay) : 0};
        const progress::Outcome outcome =
            progress::answer(before, row.right, progress::dayOf(localTime(row.answeredAt)));
        EXPECT_EQ(outcome.state.box, row.boxAfter);
        EXPECT_EQ(QDate::fromJulianDay(progress::dueDay(outcome.state)),
                  QDate::fromString(QString::fromLatin1(row.dueAfter), Qt::ISODate));
        EXPECT_EQ(outcome.counted, row.counted);
    }
}

// A private data folder for the store, for as long as it lives.
class DataFolder {
public:
    DataFolder() : m_saved(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder.path()));
    }
    ~DataFolder() { qputenv("XDG_DATA_HOME", m_saved); }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

private:
    QTemporaryDir m_folder;
    QByteArray m_saved;
};

TEST(ProgressStore, TheLogReplayedGivesTheSameBoxes)
{
    const DataFolder folder;
    std::u16string message;
    auto memory = progress::Memory::open(u"device-a", true, message);
    ASSERT_TRUE(memory) << QString::fromStdU16String(message).toStdString();
    const std::vector<progress::Entry> list = {
        {u"Haus", u"house"}, {u"Baum", u"tree"}, {u"Hund", u"dog"}, {u"Haus", u"house"}};
    memory->setList(list);
    struct Answer {
        int entry;
        progress::Direction direction;
        bool right;
        const char* at;
    };
    const Answer answers[] = {
        {0, progress::Direction::WordToMeaning, true, "2026-12-07 10:00"},
        {1, progress::Direction::WordToMeaning, false, "2026-12-07 10:01"},
        {1, progress::Direction::MeaningToWord, true, "2026-12-07 10:02"},
        {1, progress::Direction::WordToMeaning, true, "2026-12-08 10:00"},
        // The clock set back: the answer before counts as given no later than this one, so
        // the word comes due again and no box is raised twice.
        {1, progress::Direction::WordToMeaning, true, "2026-12-07 11:00"},
        {2, progress::Direction::WordToMeaning, false, "2026-12-07 11:01"},
        {3, progress::Direction::WordToMeaning, false, "2026-12-09 10:00"},
    };
    for (const Answer& answer : answers)
        ASSERT_TRUE(memory->record(answer.entry, answer.direction, answer.right,
                                   localTime(answer.at), message));
    const auto boxes = [&memory] {
        std::vector<progress::EntryState> states;
        for (int entry = 0; entry < 4; ++entry) {
            for (auto direction :
                 {progress::Direction::WordToMeaning, progress::Direction::MeaningToWord})
                states.push_back(memory->stateOf(entry, direction));
        }
        return states;
    };
    const std::vector<progress::EntryState> recorded = boxes();
    EXPECT_EQ(recorded[0].box, 1) << "the same entry twice in a list shares one record";
    EXPECT_EQ(recorded[2], (progress::EntryState{1, recorded[2].firstDay, recorded[2].firstDay}))
        << "due again the day after, although the clock went back";
    EXPECT_EQ(recorded[3].box, 2) << "each direction has its own box";
    memory->rebuild();
    EXPECT_EQ(boxes(), recorded);

    // Opened again, with the same words in another order and form.
    memory.reset();
    memory = progress::Memory::open(u"device-a", true, message);
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->answerCount(), 7);
    memory->setList({{u"Hund", u"dog"}, {u"Baum", u"tree"}});
    EXPECT_EQ(memory->stateOf(1, progress::Direction::WordToMeaning), recorded[2]);
}

// The store as the version before answers had ids kept it: opened by this version, it
// keeps every answer and its boxes, and two machines that both held an answer then still
// hold it once after they merge.
TEST(ProgressStore, AStoreOfThePreviousVersionKeepsItsAnswers)
{
    const QTemporaryDir root;
    const std::vector<progress::Entry> list = {{u"Haus", u"house"}, {u"Baum", u"tree"}};
    const QString data = root.filePath(QStringLiteral("laptop"));
    {
        QDir().mkpath(data + QStringLiteral("/zantoli"));
        SQLite::Database old(
            QFile::encodeName(data + QStringLiteral("/zantoli/progress.sqlite")).toStdString(),
            SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        old.exec(R"sql(
CREATE TABLE answers (device TEXT NOT NULL, seq INTEGER NOT NULL, entry INTEGER NOT NULL,
    direction INTEGER NOT NULL, time INTEGER NOT NULL, day INTEGER NOT NULL,
    right INTEGER NOT NULL, counted INTEGER NOT NULL, PRIMARY KEY (device, seq)) WITHOUT ROWID;
CREATE TABLE state (entry INTEGER NOT NULL, direction INTEGER NOT NULL, box INTEGER NOT NULL,
    last_day INTEGER NOT NULL, first_day INTEGER NOT NULL, PRIMARY KEY (entry, direction))
    WITHOUT ROWID;
CREATE TABLE sequence (device TEXT PRIMARY KEY, last INTEGER NOT NULL) WITHOUT ROWID;
CREATE TABLE forgets (entry INTEGER PRIMARY KEY, time INTEGER NOT NULL);
CREATE TABLE peers (path TEXT PRIMARY KEY, size INTEGER NOT NULL, mtime INTEGER NOT NULL,
    readable INTEGER NOT NULL) WITHOUT ROWID;
PRAGMA user_version = 2;
)sql");
        SQLite::Statement answer(old,
                                 "INSERT INTO answers VALUES ('laptop-id', ?, ?, 0, ?, ?, ?, 1)");
        const std::int64_t yesterday = QDateTime::currentSecsSinceEpoch() - 86400;
        const int answers[][2] = {{0, 1}, {1, 0}, {1, 1}};
        for (int i = 0; i < 3; ++i) {
            const std::int64_t time = yesterday + i * 60;
            answer.bind(1, i + 1);
            answer.bind(2, progress::keyOf(list[answers[i][0]]));
            answer.bind(3, time);
            answer.bind(4, progress::dayOf(time));
            answer.bind(5, answers[i][1]);
            answer.exec();
            answer.reset();
        }
        old.exec("INSERT INTO sequence VALUES ('laptop-id', 3)");
    }
    // A second machine held the same answers, merged from the first.
    const QString desktop = root.filePath(QStringLiteral("desktop"));
    QDir().mkpath(desktop + QStringLiteral("/zantoli"));
    ASSERT_TRUE(QFile::copy(data + QStringLiteral("/zantoli/progress.sqlite"),
                            desktop + QStringLiteral("/zantoli/progress.sqlite")));

    auto laptop = openStoreIn(data, u"laptop-id");
    ASSERT_TRUE(laptop);
    laptop->setList(list);
    EXPECT_EQ(laptop->answerCount(), 3);
    const progress::EntryState replayed = laptop->stateOf(1, progress::Direction::WordToMeaning);
    EXPECT_EQ(replayed.box, 1) << "missed, then right the same day: practice after the miss";
    laptop->rebuild();
    EXPECT_EQ(laptop->stateOf(1, progress::Direction::WordToMeaning), replayed);
    EXPECT_EQ(laptop->stateOf(0, progress::Direction::WordToMeaning).box, 2);

    const QString shared = root.filePath(QStringLiteral("shared"));
    QDir().mkpath(shared);
    std::u16string reason;
    ASSERT_TRUE(laptop->writeSnapshot(shared.toStdU16String(), reason));
    auto other = openStoreIn(desktop, u"desktop-id");
    ASSERT_TRUE(other);
    other->setList(list);
    EXPECT_TRUE(other->merge(shared.toStdU16String()).unreadable.empty());
    EXPECT_EQ(other->answerCount(), 3) << "the same answers, once";
}

// The store removed, or another put in its place, while the program runs: the answers given
// before and after are all kept at the path, with those of the newcomer.
TEST(ProgressStore, AStoreRemovedOrReplacedUnderTheProgramLosesNothing)
{
    const std::vector<progress::Entry> list = {{u"Haus", u"house"}, {u"Baum", u"tree"}};
    struct Row {
        const char* what;
        // Changes what is at the path; returns the answers the newcomer brings.
        std::function<int(const QString& path, const QString& newcomer)> change;
    };
    const auto moveIn = [](const QString& path, const QString& newcomer) {
        return std::rename(QFile::encodeName(newcomer).constData(),
                           QFile::encodeName(path).constData()) == 0
                   ? 2
                   : -1;
    };
    const Row rows[] = {
        {"removed",
         [](const QString& path, const QString&) { return QFile::remove(path) ? 0 : -1; }},
        {"replaced by a rename", moveIn},
        {"removed, then another copied there",
         [](const QString& path, const QString& newcomer) {
             return QFile::remove(path) && QFile::copy(newcomer, path) ? 2 : -1;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("data"));
        const QString path = data + QStringLiteral("/zantoli/progress.sqlite");
        const QString newcomer = root.filePath(QStringLiteral("other/zantoli/progress.sqlite"));
        const std::int64_t now = QDateTime::currentSecsSinceEpoch();
        std::u16string message;
        {
            auto other = openStoreIn(root.filePath(QStringLiteral("other")), u"other-id");
            ASSERT_TRUE(other);
            other->setList(list);
            for (int i = 0; i < 2; ++i)
                ASSERT_TRUE(
                    other->record(i, progress::Direction::MeaningToWord, true, now - 600, message));
        }
        auto memory = openStoreIn(data, u"this-id");
        ASSERT_TRUE(memory);
        memory->setList(list);
        ASSERT_TRUE(memory->record(0, progress::Direction::WordToMeaning, true, now - 60, message));
        ASSERT_TRUE(
            memory->record(1, progress::Direction::WordToMeaning, false, now - 50, message));
        const int brought = row.change(path, newcomer);
        ASSERT_GE(brought, 0);
        EXPECT_TRUE(memory->record(1, progress::Direction::WordToMeaning, true, now, message));
        EXPECT_TRUE(message.empty());
        EXPECT_EQ(memory->stateOf(0, progress::Direction::WordToMeaning).box, 2);
        memory.reset();
        memory = openStoreIn(data, u"this-id");
        ASSERT_TRUE(memory);
        memory->setList(list);
        EXPECT_EQ(memory->answerCount(), 3 + brought);
        EXPECT_EQ(memory->stateOf(0, progress::Direction::WordToMeaning).box, 2);
        EXPECT_EQ(memory->stateOf(1, progress::Direction::MeaningToWord).box, brought ? 2 : 0);
    }
}

// Two programs on one store (the window, and --progress merging another machine's file):
// each takes in what the other committed before it chooses or records, so that the state it
// writes is always what replaying the log gives.
TEST(ProgressStore, WhatAnotherProgramCommittedIsTakenInBeforeChoosingOrRecording)
{
    const DataFolder folder;
    const std::vector<progress::Entry> list = {{u"Haus", u"house"}, {u"Baum", u"tree"}};
    std::u16string message;
    auto window = progress::Memory::open(u"this-id", true, message);
    auto other = progress::Memory::open(u"this-id", true, message);
    ASSERT_TRUE(window && other);
    window->setList(list);
    other->setList(list);
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    const std::int64_t yesterday = now - 86400;
    ASSERT_TRUE(window->record(0, progress::Direction::WordToMeaning, true, yesterday - 2 * 86400,
                               message));
    ASSERT_TRUE(other->record(0, progress::Direction::WordToMeaning, true, yesterday, message));
    EXPECT_EQ(window->stateOf(0, progress::Direction::WordToMeaning).box, 3);
    EXPECT_EQ(window->next(progress::Direction::WordToMeaning, now).entry, 1)
        << "entry 0 is not due again for four days";
    ASSERT_TRUE(window->record(0, progress::Direction::WordToMeaning, false, now, message));
    const progress::EntryState recorded = window->stateOf(0, progress::Direction::WordToMeaning);
    EXPECT_EQ(recorded.box, 1);
    window->rebuild();
    EXPECT_EQ(window->stateOf(0, progress::Direction::WordToMeaning), recorded);
    EXPECT_EQ(other->stateOf(0, progress::Direction::WordToMeaning), recorded);
}

} // namespace
