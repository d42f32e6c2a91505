// Remember progress, through the dialog: the due words first over several days, a store that
// is damaged or cannot be written, forgetting a list, nothing written with the memory off, and
// no answer lost when the program is killed.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "Progress.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
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
        {7, range(0, 19), mondayMissed, u"Nothing more is due today. 2 words are due tomorrow."},
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
    }
}

} // namespace
