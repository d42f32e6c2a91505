// The memory: the schedule as one table, and the store's log replayed into the same boxes.
#include "Progress.h"

#include <QDate>
#include <QDateTime>
#include <QTemporaryDir>
#include <QTime>
#include <cstdlib>
#include <ctime>
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
        // The clock set back: practice, and no box is raised twice.
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
    EXPECT_EQ(recorded[2].box, 2) << "raised once although the clock went back";
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

} // namespace
