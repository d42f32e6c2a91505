// Remember progress, through the dialog: the due words first over several days, a store that
// is damaged or cannot be written, forgetting a list, nothing written with the memory off, and
// no answer lost when the program is killed.
#include "CommandLineOptions.h"
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "Progress.h"
#include "ProgressPrinter.h"
#include "ScriptedSeam.h"
#include "private/ClientSurface.h"
#include "private/Contrast.h"
#include "zantoliceDlg.h"

#include <QAbstractAxis>
#include <QAccessible>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QString>
#include <QStyle>
#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::array<int, 6> kChoiceButtons = {IDC_CHOICE1, IDC_CHOICE2, IDC_CHOICE3,
                                               IDC_CHOICE4, IDC_CHOICE5, IDC_CHOICE6};
constexpr const char* kKilledFolder = "ZANTOLI_TEST_KILLED_FOLDER";

// The user's settings and data folders, private to one test.
class UserFolders {
public:
    explicit UserFolders(const QString& path = {})
        : m_path(path.isEmpty() ? m_temporary.path() : path),
          m_savedConfig(qgetenv("XDG_CONFIG_HOME")), m_savedData(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data()));
    }
    ~UserFolders()
    {
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("XDG_DATA_HOME", m_savedData);
    }
    UserFolders(const UserFolders&) = delete;
    UserFolders& operator=(const UserFolders&) = delete;

    QString path() const { return m_path; }
    QString config() const { return m_path + QStringLiteral("/config"); }
    QString data() const { return m_path + QStringLiteral("/data"); }
    QString store() const { return data() + QStringLiteral("/zantoli/progress.sqlite"); }

private:
    QTemporaryDir m_temporary;
    QString m_path;
    QByteArray m_savedConfig;
    QByteArray m_savedData;
};

class Memory : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_nQuestionNo = g_nRight = g_nWrong = g_nTries = 0;
        startProgram();
    }

    void TearDown() override { CTime::SetClock(std::nullopt); }

    // A new run of the program on the same folders.
    void startProgram()
    {
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
    }

    void open(int entries)
    {
        seam.answerOpenFile(files.writeEntries("lesson.dic", entries));
        clickButton(*dlg, IDC_OPEN);
    }

    void setClock(int day, int hour) { CTime::SetClock(CTime(2026, 12, day, hour, 0, 0)); }

    // The entry whose word the question shows.
    int questionEntry() const
    {
        const QString question = QString::fromStdU16String(windowText(*dlg, IDC_QUESTION));
        return question.startsWith(QStringLiteral("word")) ? question.mid(4).toInt() : -1;
    }

    // Draws the next question and answers it: right, or on the line after the right one.
    int drawAndAnswer(bool right)
    {
        clickButton(*dlg, IDC_START);
        const int entry = questionEntry();
        const int slot = right ? dlg->m_nAnswer : dlg->m_nAnswer % 6 + 1;
        clickButton(*dlg, kChoiceButtons[slot - 1]);
        return entry;
    }

    // The line at the foot of the window while the drill is free practice.
    std::u16string practiceSign() const
    {
        const auto* line = dlg->GetHandle()->findChild<QLabel*>(QStringLiteral("statusLine"));
        return line && line->isVisible() ? line->text().toStdU16String() : std::u16string();
    }

    std::vector<std::u16string> messagesCaptioned(const std::u16string& caption) const
    {
        std::vector<std::u16string> texts;
        for (const RecordedMessage& message : seam.messages) {
            if (message.caption == caption)
                texts.push_back(message.text);
        }
        return texts;
    }

    UserFolders folders;
    ScriptedSeam seam;
    DictionaryWriter files;
    std::unique_ptr<CZantoliceDlg> dlg;
};

std::vector<int> range(int first, int last)
{
    std::vector<int> entries;
    for (int i = first; i <= last; ++i)
        entries.push_back(i);
    return entries;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A learner drills a 30-word lesson on four days running, one run of the program a day.
TEST_F(Memory, DueWordsComeFirstThenNewOnesDayByDay)
{
    struct Day {
        int date; // of December 2026; the 7th is a Monday
        std::vector<int> asked;
        std::vector<int> missed;
        const char16_t* wellDone;
    };
    const std::vector<int> mondayRight = join(join(range(0, 2), range(4, 6)), range(8, 19));
    const std::vector<int> mondayMissed = {3, 7};
    const Day days[] = {
        {7, range(0, 19), mondayMissed,
         u"Nothing more is due today. 2 words are due tomorrow. New words come tomorrow."},
        {8,
         join(mondayMissed, range(20, 29)),
         {},
         u"Nothing more is due today. 18 words are due tomorrow."},
        {9, mondayRight, {}, u"Nothing more is due today. 12 words are due tomorrow."},
        {10,
         join(mondayMissed, range(20, 29)),
         {},
         u"Nothing more is due today. The next are due on Sunday, 13 December."},
    };
    for (const Day& day : days) {
        SCOPED_TRACE(day.date);
        startProgram();
        // Past midnight the sitting still belongs to the day.
        setClock(day.date + 1, 2);
        open(30);
        if (day.date == 7)
            sendCommand(*dlg, ID_PROGRESS_REMEMBER);
        seam.messages.clear();
        std::vector<int> asked;
        for (const int expected : day.asked) {
            const bool miss =
                std::find(day.missed.begin(), day.missed.end(), expected) != day.missed.end();
            asked.push_back(drawAndAnswer(!miss));
        }
        EXPECT_EQ(asked, day.asked);
        EXPECT_TRUE(messagesCaptioned(u"Well done!").empty());
        // Left unanswered: a practice question could be one of tomorrow's new words.
        for (int practice = 0; practice < 3; ++practice) {
            clickButton(*dlg, IDC_START);
            EXPECT_GE(questionEntry(), 0);
        }
        EXPECT_EQ(messagesCaptioned(u"Well done!"), std::vector<std::u16string>{day.wellDone})
            << "once, then free practice";
        EXPECT_EQ(practiceSign(), u"Free practice: nothing more is due today.");
        // The next morning in the same run: the sign stays only while nothing is due.
        setClock(day.date + 1, 10);
        clickButton(*dlg, IDC_START);
        EXPECT_EQ(practiceSign().empty(), day.date < 10) << "words are due on the next day";
    }
}

// Whatever stands in the store's way, the learner hears of it once and the drill goes on.
TEST_F(Memory, AStoreThatCannotBeUsedIsToldOnceAndTheDrillGoesOn)
{
    struct Row {
        const char* what;
        std::function<void(const UserFolders&)> arrange;
        bool whenOn; // arranged once the memory is on, before the first answer
        const char16_t* messageStart;
        bool remembers; // the answers are kept after all
    };
    std::optional<SQLite::Database> otherProgram;
    const auto writeFile = [](const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const QByteArray notADatabase("word1\tmeaning 1\n", 16);
    const Row rows[] = {
        {"a file that is no database",
         [&](const UserFolders& user) { writeFile(user.store(), notADatabase); }, false,
         u"The progress file was damaged. It has been kept as \"", true},
        {"a file where the folder should be",
         [&](const UserFolders& user) { writeFile(user.data() + QStringLiteral("/zantoli"), {}); },
         false, u"Progress cannot be saved in \"", false},
        {"a folder that cannot be written",
         [](const UserFolders& user) {
             QDir().mkpath(user.data() + QStringLiteral("/zantoli"));
             QFile::setPermissions(user.data() + QStringLiteral("/zantoli"),
                                   QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         },
         false, u"Progress cannot be saved in \"", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const UserFolders user;
        if (!row.whenOn)
            row.arrange(user);
        const QFileInfo folder(user.data() + QStringLiteral("/zantoli"));
        if (::geteuid() == 0 && folder.isDir() &&
            !(folder.permissions() & QFileDevice::WriteOwner)) {
            std::printf("not checked as root, who may write anywhere: %s\n", row.what);
            continue;
        }
        startProgram();
        open(40);
        seam.messages.clear();
        sendCommand(*dlg, ID_PROGRESS_REMEMBER);
        if (row.whenOn)
            row.arrange(user);
        for (int i = 0; i < 3; ++i)
            drawAndAnswer(i != 1);
        otherProgram.reset();
        const std::vector<std::u16string> told = messagesCaptioned(u"Remember progress");
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].rfind(row.messageStart, 0), 0u)
            << QString::fromStdU16String(told[0]).toStdString();
        EXPECT_EQ(g_nQuestionNo, 3);
        if (row.remembers) {
            const QStringList kept = QDir(user.data() + QStringLiteral("/zantoli"))
                                         .entryList({QStringLiteral("progress.sqlite.damaged-*")});
            ASSERT_EQ(kept.size(), 1);
            EXPECT_NE(told[0].find(kept[0].toStdU16String()), std::u16string::npos) << "named";
            QFile keptFile(user.data() + QStringLiteral("/zantoli/") + kept[0]);
            ASSERT_TRUE(keptFile.open(QIODevice::ReadOnly));
            EXPECT_EQ(keptFile.readAll(), notADatabase) << "moved aside, never deleted";
            dlg.reset();
            std::u16string message;
            const auto memory = progress::Memory::open(u"", false, message);
            ASSERT_TRUE(memory);
            EXPECT_EQ(memory->answerCount(), 3);
        }
    }
}

// Another program holds the store's write lock for a second while three answers are given:
// all three are kept, and nothing is said.
TEST_F(Memory, AnswersGivenWhileAnotherProgramWritesAreAllKept)
{
    open(40);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    drawAndAnswer(true);
    seam.messages.clear();
    std::atomic<bool> locked = false;
    std::thread otherProgram([&] {
        SQLite::Database store(QFile::encodeName(folders.store()).toStdString(),
                               SQLite::OPEN_READWRITE);
        store.exec("BEGIN IMMEDIATE");
        locked = true;
        std::this_thread::sleep_for(std::chrono::seconds(1));
        store.exec("COMMIT");
    });
    while (!locked)
        std::this_thread::yield();
    for (int i = 0; i < 3; ++i)
        drawAndAnswer(i != 1);
    otherProgram.join();
    dlg.reset(); // quit
    EXPECT_TRUE(messagesCaptioned(u"Remember progress").empty());
    std::u16string message;
    const auto memory = progress::Memory::open(u"", false, message);
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->answerCount(), 4);
}

// The learner quits while another program holds the store for 30 s: the answers not yet saved
// are kept beside the store, and the next start saves them and writes them to the folder.
TEST_F(Memory, AQuitWhileAnotherProgramHoldsTheStoreLosesNoAnswer)
{
    const QTemporaryDir shared;
    open(40);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    seam.answerFolder(shared.path().toStdString());
    sendCommand(*dlg, ID_PROGRESS_FOLDER);
    drawAndAnswer(true);
    std::atomic<bool> locked = false;
    std::atomic<bool> quit = false;
    std::thread otherProgram([&] {
        SQLite::Database store(QFile::encodeName(folders.store()).toStdString(),
                               SQLite::OPEN_READWRITE);
        store.exec("BEGIN IMMEDIATE");
        locked = true;
        for (int tenth = 0; tenth < 300 && !quit; ++tenth)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        store.exec("COMMIT");
    });
    while (!locked)
        std::this_thread::yield();
    for (int i = 0; i < 4; ++i)
        drawAndAnswer(i != 2);
    dlg.reset(); // quit, within the other program's 30 s
    quit = true;
    otherProgram.join();

    startProgram();
    open(40);
    clickButton(*dlg, IDC_START);
    std::u16string message;
    const auto memory = progress::Memory::open(u"", false, message);
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->answerCount(), 5);
    const QString device = QString::fromStdU16String(
        std::u16string(AfxGetApp()->GetProfileString(_T("Progress"), _T("Device"))));
    SQLite::Database snapshot(
        QFile::encodeName(shared.filePath(device + QStringLiteral(".sqlite"))).toStdString());
    EXPECT_EQ(snapshot.execAndGet("SELECT count(*) FROM answers").getInt(), 5);
}

// What this machine did reaches its file in the folder without another answer: a forget at
// once, and at the next start the answers that a version put in its place by a sync tool
// lacks.
TEST_F(Memory, WhatThisMachineDidReachesItsFileWithoutAnotherAnswer)
{
    const QTemporaryDir shared;
    setClock(7, 10);
    open(30);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    seam.answerFolder(shared.path().toStdString());
    sendCommand(*dlg, ID_PROGRESS_FOLDER);
    for (int i = 0; i < 3; ++i)
        drawAndAnswer(true);
    dlg.reset();
    const QString file =
        shared.filePath(QString::fromStdU16String(std::u16string(
                            AfxGetApp()->GetProfileString(_T("Progress"), _T("Device")))) +
                        QStringLiteral(".sqlite"));
    const QString older = shared.filePath(QStringLiteral(".older"));
    ASSERT_TRUE(QFile::copy(file, older));
    const auto held = [&file](const char* table) {
        SQLite::Database snapshot(QFile::encodeName(file).toStdString());
        return snapshot.execAndGet(std::string("SELECT count(*) FROM ") + table).getInt();
    };

    startProgram();
    open(30);
    for (int i = 0; i < 4; ++i)
        drawAndAnswer(true);
    dlg.reset();
    ASSERT_EQ(held("answers"), 7);
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::rename(older, file));

    startProgram();
    open(30);
    clickButton(*dlg, IDC_START);
    EXPECT_EQ(held("answers"), 7) << "written again at the start";
    seam.answerMessage(IDOK);
    sendCommand(*dlg, ID_PROGRESS_FORGET);
    EXPECT_EQ(held("forgets"), 1) << "written when made";
}

// What fails is said once: a progress folder that cannot be written, once a run and naming
// the folder; a damaged store that a run without a window moved aside, at the next start.
// The files this machine writes are its user's alone, and a kill leaves nothing behind in
// the shared folder that the next write does not remove.
TEST_F(Memory, WhatFailsIsSaidOnceAndTheFilesAreTheUsersAlone)
{
    const QTemporaryDir shared;
    open(40);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    seam.answerFolder(shared.path().toStdString());
    sendCommand(*dlg, ID_PROGRESS_FOLDER);
    drawAndAnswer(true);
    const QString device = QString::fromStdU16String(
        std::u16string(AfxGetApp()->GetProfileString(_T("Progress"), _T("Device"))));
    // What a kill in the middle of a write leaves, and a store that others may read.
    for (const QString& left : {u'.' + device + QStringLiteral(".sqlite.tmp"),
                                u'.' + device + QStringLiteral(".sqlite.tmp-journal")}) {
        QFile file(shared.filePath(left));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    dlg.reset();
    QFile::setPermissions(folders.store(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadOther | QFileDevice::ReadGroup);
    startProgram();
    open(40);
    drawAndAnswer(true);
    dlg.reset(); // quit: the file is written
    EXPECT_EQ(QDir(shared.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList(device + QStringLiteral(".sqlite")));
    const QFileDevice::Permissions kNotUser(0x7077);
    for (const QString& file :
         {shared.filePath(device + QStringLiteral(".sqlite")), folders.store()})
        EXPECT_EQ(QFile::permissions(file) & kNotUser,
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            << file.toStdString();

    // The folder goes away: said once, naming it, however often the file is written.
    startProgram();
    seam.messages.clear();
    open(40);
    drawAndAnswer(true);
    ASSERT_TRUE(QDir(shared.path()).removeRecursively());
    open(40);
    open(40);
    const std::vector<std::u16string> told = messagesCaptioned(u"Remember progress");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(shared.path().toStdU16String()), std::u16string::npos);
    dlg.reset();

    // --progress moves a damaged store aside and says so; the next window says so too.
    AfxGetApp()->WriteProfileString(_T("Progress"), _T("Folder"), _T(""));
    QFile damaged(folders.store());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a database, not at all", 26);
    damaged.close();
    QFile::remove(folders.store() + QStringLiteral("-wal"));
    QFile::remove(folders.store() + QStringLiteral("-shm"));
    const QString list = QString::fromStdString(files.writeEntries("list.dic", 10));
    EXPECT_EQ(PrintListProgress(CString(reinterpret_cast<LPCTSTR>(list.utf16()))), EXIT_SUCCESS);
    seam.messages.clear();
    startProgram();
    const std::vector<std::u16string> atStart = messagesCaptioned(u"Remember progress");
    ASSERT_EQ(atStart.size(), 1u);
    EXPECT_NE(atStart[0].find(u"progress.sqlite.damaged-"), std::u16string::npos);
    seam.messages.clear();
    startProgram();
    EXPECT_TRUE(messagesCaptioned(u"Remember progress").empty()) << "said once";
}

// A last word without its meaning is the same entry for the window as for --progress: one
// with the meaning "", whatever the list loaded before left in its place.
TEST_F(Memory, AnUnpairedLastWordIsKnownWithoutAMeaning)
{
    setClock(7, 10);
    open(40);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    std::vector<std::u16string> lines;
    for (int i = 0; i < 8; ++i) {
        lines.push_back(u"word" + QString::number(i).toStdU16String());
        lines.push_back(u"meaning " + QString::number(i).toStdU16String());
    }
    lines.push_back(u"word8");
    seam.answerOpenFile(files.write("odd.dic", lines));
    clickButton(*dlg, IDC_OPEN);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(drawAndAnswer(true), i);
    dlg.reset();
    std::u16string message;
    const auto memory = progress::Memory::open(u"", false, message);
    ASSERT_TRUE(memory);
    memory->setList({{u"word8", u""}, {u"word8", u"meaning 8"}});
    EXPECT_EQ(memory->stateOf(0, progress::Direction::WordToMeaning).box, 2);
    EXPECT_EQ(memory->stateOf(1, progress::Direction::WordToMeaning).box, progress::kNewBox);
}

// With the memory off nothing is written, not even by Forget; with it on, Forget asks first.
TEST_F(Memory, ForgettingAsksAndNothingIsWrittenWithTheMemoryOff)
{
    open(40);
    setClock(7, 10);
    for (int i = 0; i < 3; ++i)
        drawAndAnswer(i == 0);
    seam.answerMessage(IDOK);
    sendCommand(*dlg, ID_PROGRESS_FORGET);
    EXPECT_FALSE(QFileInfo::exists(folders.config()));
    EXPECT_FALSE(QFileInfo::exists(folders.data()));

    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    EXPECT_EQ(drawAndAnswer(true), 0);
    EXPECT_EQ(drawAndAnswer(true), 1);
    // The settings and the store are the user's alone.
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    // Qt also reports the owner's bits as this user's.
    const QFileDevice::Permissions kNotUser(0x7077);
    EXPECT_EQ(QFile::permissions(folders.config() + QStringLiteral("/zantoli")) & kNotUser,
              owner | QFileDevice::ExeOwner);
    EXPECT_EQ(QFile::permissions(folders.config() + QStringLiteral("/zantoli/zantoli.conf")) &
                  kNotUser,
              owner);
    EXPECT_EQ(QFile::permissions(folders.data() + QStringLiteral("/zantoli")) & kNotUser,
              owner | QFileDevice::ExeOwner);
    EXPECT_EQ(QFile::permissions(folders.store()) & kNotUser, owner);
    struct Row {
        int answer;
        int nextQuestion;
    };
    const Row rows[] = {{IDCANCEL, 2}, {IDOK, 0}};
    for (const Row& row : rows) {
        seam.messages.clear();
        seam.answerMessage(row.answer);
        sendCommand(*dlg, ID_PROGRESS_FORGET);
        ASSERT_EQ(messagesCaptioned(u"Forget progress").size(), 1u);
        EXPECT_EQ(seam.messages[0].type, MB_OKCANCEL | MB_ICONQUESTION);
        clickButton(*dlg, IDC_START);
        EXPECT_EQ(questionEntry(), row.nextQuestion) << "answered " << row.answer;
    }
}

// The progress view over three days: its numbers as a screen reader reads them, and the
// charts' bars drawn from the same numbers.
TEST_F(Memory, TheProgressViewShowsTheBoxesAndTheNextTwoWeeks)
{
    struct Day {
        int date;
        std::vector<int> missed; // of the questions, by their place in the day
        int answers;
        std::vector<std::u16string> lines;
        std::vector<qreal> boxBars;
        // Parts of what a screen reader hears of the due chart and of the last 14 days.
        std::u16string due;
        std::u16string history;
    };
    const Day days[] = {
        {7,
         {3, 7},
         20,
         {u"New: 10", u"Box 1: 2", u"Box 2: 18", u"Box 3: 0", u"Known (boxes 5 to 7): 0%",
          u"Due today: 0", u"Due tomorrow: 2", u"Due Wednesday, 9 December: 18",
          u"Answers today: 20", u"Right at the first try today: 90%"},
         {10, 2, 18, 0, 0, 0, 0, 0},
         u"today 7: 0; Tue 8: 2; Wed 9: 18; Thu 10: 0",
         u"Tue 24: Answers 0, Right at the first try 0; Wed 25: Answers 0, Right at the first "
         u"try 0; Thu 26: Answers 0, Right at the first try 0"},
        {8,
         {},
         12,
         {u"New: 0", u"Box 1: 0", u"Box 2: 30", u"Due tomorrow: 18",
          u"Due Thursday, 10 December: 12", u"Answers today: 12",
          u"Right at the first try today: 100%"},
         {0, 0, 30, 0, 0, 0, 0, 0},
         u"today 8: 0; Wed 9: 18; Thu 10: 12; Fri 11: 0",
         u"Sun 6: Answers 0, Right at the first try 0; Mon 7: Answers 20, Right at the first try "
         u"18; today 8: Answers 12, Right at the first try 12"},
        {9,
         {},
         18,
         {u"Box 2: 12", u"Box 3: 18", u"Due today: 0", u"Due tomorrow: 12",
          u"Due Sunday, 13 December: 18", u"Answers today: 18", u"Answers in the last 14 days: 50",
          u"Right at the first try in them: 96%"},
         {0, 0, 12, 18, 0, 0, 0, 0},
         u"today 9: 0; Thu 10: 12; Fri 11: 0; Sat 12: 0; Sun 13: 18; Mon 14: 0",
         u"Thu 26: Answers 0, Right at the first try 0; Fri 27: Answers 0, Right at the first "
         u"try 0"},
    };
    std::u16string text;
    std::vector<qreal> bars;
    std::u16string due;
    std::u16string history;
    seam.onModal = [&](CDialog& view) -> INT_PTR {
        due = view.GetDlgItem(IDC_PROGRESS_DUE)
                  ->GetHandle()
                  ->accessibleDescription()
                  .toStdU16String();
        history = view.GetDlgItem(IDC_PROGRESS_HISTORY)
                      ->GetHandle()
                      ->accessibleDescription()
                      .toStdU16String();
        QWidget* numbers = view.GetDlgItem(IDC_PROGRESS_TEXT)->GetHandle();
        text = QAccessible::queryAccessibleInterface(numbers)
                   ->text(QAccessible::Value)
                   .toStdU16String();
        bars.clear();
        const auto* chart =
            view.GetDlgItem(IDC_PROGRESS_BOXES)->GetHandle()->findChild<QChartView*>();
        if (chart && !chart->chart()->series().isEmpty()) {
            const QBarSet* set = qobject_cast<QBarSeries*>(chart->chart()->series().constFirst())
                                     ->barSets()
                                     .constFirst();
            for (int i = 0; i < set->count(); ++i)
                bars.push_back(set->at(i));
        }
        return IDOK;
    };
    sendCommand(*dlg, ID_PROGRESS_VIEW);
    EXPECT_EQ(text.substr(0, 20), u"The memory is off, s");

    for (const Day& day : days) {
        SCOPED_TRACE(day.date);
        startProgram();
        setClock(day.date, 10);
        open(30);
        if (day.date == 7)
            sendCommand(*dlg, ID_PROGRESS_REMEMBER);
        for (int i = 0; i < day.answers; ++i)
            drawAndAnswer(std::find(day.missed.begin(), day.missed.end(), i) == day.missed.end());
        sendCommand(*dlg, ID_PROGRESS_VIEW);
        for (const std::u16string& line : day.lines)
            EXPECT_NE(text.find(line + u"\n"), std::u16string::npos)
                << QString::fromStdU16String(line).toStdString() << " in\n"
                << QString::fromStdU16String(text).toStdString();
        EXPECT_EQ(bars, day.boxBars);
        EXPECT_EQ(due.find(day.due), 0u) << QString::fromStdU16String(due).toStdString();
        EXPECT_NE(history.find(day.history), std::u16string::npos)
            << QString::fromStdU16String(history).toStdString();
    }
}

// The colours of a widget as drawn in `shot`: its most common one, taken for the background,
// and the contrast of the one that stands out most from it, taken for its text.
double textContrast(const QImage& shot, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    double highest = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        highest = std::max(highest, contrastRatio(QColor(it.key()), QColor(background)));
    return highest;
}

// A dialog's labels, lines and buttons as drawn: each text's contrast with its background.
std::vector<std::pair<QString, double>> textContrasts(CWnd& dialog)
{
    QWidget* surface = dialog.GetHandle()->findChild<ClientSurface*>();
    const QImage shot = surface->grab().toImage();
    std::vector<std::pair<QString, double>> contrasts;
    for (QWidget* widget : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString text =
            widget->property(widget->property("plainText").isValid() ? "plainText" : "text")
                .toString();
        if (widget->isVisible() && !text.trimmed().isEmpty())
            contrasts.emplace_back(text.left(20), textContrast(shot, widget->geometry()));
    }
    return contrasts;
}

// On a dark desktop the main window keeps its own dark text on its light bitmap, and the
// progress view follows the desktop: every label, field and button, and the charts' texts,
// read at 4.5:1 at least. A style that paints its own dark buttons is tried too.
class DarkDesktop : public Memory, public ::testing::WithParamInterface<const char*> {};

TEST_P(DarkDesktop, EveryTextReads)
{
    const QString style = QApplication::style()->name();
    const QPalette light = QApplication::palette();
    ASSERT_TRUE(QApplication::setStyle(QString::fromLatin1(GetParam())))
        << GetParam() << " is not installed";
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
    startProgram();
    open(30);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    drawAndAnswer(false);
    std::vector<std::pair<QString, double>> contrasts = textContrasts(*dlg);
    EXPECT_GE(contrasts.size(), 12u) << "the labels, lines and buttons";
    std::vector<double> charts;
    seam.onModal = [&](CDialog& view) -> INT_PTR {
        // The charts take their size from their places' layouts.
        QCoreApplication::processEvents();
        for (const auto& measured : textContrasts(view))
            contrasts.push_back(measured);
        for (auto* chartView : view.GetHandle()->findChildren<QChartView*>()) {
            const QImage shot = chartView->grab().toImage();
            // The chart's own background, inside its corner.
            const QColor background = shot.pixelColor(shot.width() - 12, 12);
            QChart* chart = chartView->chart();
            charts.push_back(contrastRatio(chart->titleBrush().color(), background));
            for (QAbstractAxis* axis : chart->axes())
                charts.push_back(contrastRatio(axis->labelsBrush().color(), background));
            for (QAbstractSeries* series : chart->series()) {
                for (QBarSet* set : qobject_cast<QBarSeries*>(series)->barSets())
                    charts.push_back(contrastRatio(set->labelColor(), background));
            }
        }
        return IDOK;
    };
    sendCommand(*dlg, ID_PROGRESS_VIEW);
    for (const auto& [text, contrast] : contrasts)
        EXPECT_GE(contrast, kReadableContrast) << text.toStdString();
    EXPECT_GE(charts.size(), 9u) << "titles, axes and bar numbers of three charts";
    for (const double contrast : charts)
        EXPECT_GE(contrast, kReadableContrast);
    QApplication::setPalette(light);
    QApplication::setStyle(style);
}

INSTANTIATE_TEST_SUITE_P(Styles, DarkDesktop, ::testing::Values("Fusion", "Adwaita-Dark"),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param).remove(u'-').toStdString();
                         });

// Monday on the laptop decides Tuesday on the desktop, through a folder that both share: one
// chosen in the menu and kept, the other named on the command line for one run.
TEST_F(Memory, MondayOnOneMachineDecidesTuesdayOnTheOther)
{
    const QTemporaryDir shared;
    setClock(7, 10);
    open(30);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    seam.answerFolder(shared.path().toStdString());
    sendCommand(*dlg, ID_PROGRESS_FOLDER);
    for (int i = 0; i < 20; ++i)
        drawAndAnswer(i != 3 && i != 7);
    dlg.reset(); // quit
    const CString device = AfxGetApp()->GetProfileString(_T("Progress"), _T("Device"));
    EXPECT_EQ(QDir(shared.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList(QString::fromStdU16String(std::u16string(device)) + ".sqlite"));

    {
        const UserFolders desktop;
        AfxGetApp()->m_commandLineValues[kProgressFolderOption] =
            CString(reinterpret_cast<LPCTSTR>(shared.path().utf16()));
        startProgram();
        setClock(8, 10);
        open(30);
        sendCommand(*dlg, ID_PROGRESS_REMEMBER);
        std::vector<int> asked;
        for (int i = 0; i < 12; ++i)
            asked.push_back(drawAndAnswer(true));
        EXPECT_EQ(asked, join({3, 7}, range(20, 29)));
        dlg.reset();
        AfxGetApp()->m_commandLineValues.clear();
        EXPECT_TRUE(AfxGetApp()->GetProfileString(_T("Progress"), _T("Folder"), _T("")).IsEmpty());
        EXPECT_EQ(QDir(shared.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
    startProgram();
}

// The child of the test below: a learner answering until the program is killed. Each answer is
// reported once its handler has run, that is after its reveal.
TEST_F(Memory, DISABLED_AnswersUntilKilled)
{
    const UserFolders user(QString::fromLocal8Bit(qgetenv(kKilledFolder)));
    startProgram();
    open(40);
    sendCommand(*dlg, ID_PROGRESS_REMEMBER);
    for (int answers = 1;; ++answers) {
        drawAndAnswer(answers % 3 != 0);
        std::printf("answered %d\n", answers);
        std::fflush(stdout);
    }
}

TEST(KilledMidDrill, EveryAnswerWhoseRevealWasShownIsFound)
{
    const QTemporaryDir folder;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kKilledFolder, folder.path());
    // What the child leaves in its temporary folder goes when this test's does.
    environment.insert(QStringLiteral("TMPDIR"), folder.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Memory.DISABLED_AnswersUntilKilled"),
                 QStringLiteral("--gtest_also_run_disabled_tests")});
    ASSERT_TRUE(child.waitForStarted(10000));
    int reported = 0;
    while (reported < 25 && child.waitForReadyRead(20000)) {
        while (child.canReadLine()) {
            const QByteArray line = child.readLine();
            if (line.startsWith("answered "))
                reported = line.mid(9).trimmed().toInt();
        }
    }
    child.kill(); // SIGKILL, in the middle of whatever answer comes next
    child.waitForFinished(10000);
    // The reports may come in a burst that goes past the 25th.
    ASSERT_GE(reported, 25);

    const UserFolders user(folder.path());
    std::u16string message;
    const auto memory = progress::Memory::open(u"", false, message);
    ASSERT_TRUE(memory) << QString::fromStdU16String(message).toStdString();
    EXPECT_TRUE(message.empty()) << "the store opens again as it was";
    EXPECT_GE(memory->answerCount(), reported);
}

} // namespace
