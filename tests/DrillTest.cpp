// Drills through the dialog's buttons: drawing questions with START/NEXT, judging taps on
// the six number buttons, the review ring and the score line; the drill the other way
// and the missed words copied out. The clock is fixed, so every draw is known in advance.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "FixedClock.h"
#include "QuizInvariants.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

constexpr std::array<int, 6> kChoiceButtons = {IDC_CHOICE1, IDC_CHOICE2, IDC_CHOICE3,
                                               IDC_CHOICE4, IDC_CHOICE5, IDC_CHOICE6};
constexpr std::array<int, 6> kChoiceLines = {IDC_CHOICE_TEXT1, IDC_CHOICE_TEXT2, IDC_CHOICE_TEXT3,
                                             IDC_CHOICE_TEXT4, IDC_CHOICE_TEXT5, IDC_CHOICE_TEXT6};
const std::u16string kOpenFirst = u"Open a dictionary first.";

// The texts of the list DictionaryWriter::writeEntries writes.
std::u16string word(int i)
{
    return QString("word%1").arg(i).toStdU16String();
}

std::u16string meaning(int i)
{
    return QString("meaning %1").arg(i).toStdU16String();
}

std::u16string revealed(int i)
{
    return word(i) + u"=" + meaning(i);
}

class Drill : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The counters are process globals; each test starts as a fresh run would.
        g_nQuestionNo = g_nRight = g_nWrong = g_nTries = 0;
        g_nSeed = 1234;
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
    }

    void open(int entries)
    {
        seam.answerOpenFile(files.writeEntries("list" + std::to_string(entries) + ".dic", entries));
        clickButton(*dlg, IDC_OPEN);
        seam.messages.clear();
    }

    void next(int second, int minute = 41)
    {
        clock.set(second, minute);
        clickButton(*dlg, IDC_START);
    }

    void tap(int slot) { clickButton(*dlg, kChoiceButtons[slot - 1]); }

    std::u16string line(int slot) { return windowText(*dlg, kChoiceLines[slot - 1]); }

    std::vector<std::u16string> lines()
    {
        std::vector<std::u16string> texts;
        for (int slot = 1; slot <= 6; ++slot)
            texts.push_back(line(slot));
        return texts;
    }

    // The entry whose word the question line shows.
    int questionEntry()
    {
        const QString question = QString::fromStdU16String(windowText(*dlg, IDC_QUESTION));
        EXPECT_TRUE(question.startsWith("word")) << question.toStdString();
        return question.mid(4).toInt();
    }

    // The slot whose line shows the meaning of the question's word, as a user would find it.
    int rightSlot()
    {
        const int entry = questionEntry();
        for (int slot = 1; slot <= 6; ++slot)
            if (line(slot) == meaning(entry) || line(slot) == revealed(entry))
                return slot;
        ADD_FAILURE() << "no line holds the meaning of word" << entry;
        return 1;
    }

    int wrongSlot(int nth = 1) { return (rightSlot() + nth - 1) % 6 + 1; }

    std::u16string score() { return windowText(*dlg, IDC_SCORE); }

    FixedClock clock;
    ScriptedSeam seam;
    DictionaryWriter files;
    std::unique_ptr<CZantoliceDlg> dlg;
};

TEST_F(Drill, StartWithoutAUsableListOnlyAsksForOne)
{
    next(5);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kOpenFirst);
    EXPECT_EQ(lines(), std::vector<std::u16string>(6, u""));
    EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    EXPECT_EQ(g_nQuestionNo, 0);
    EXPECT_EQ(g_nSeed, 1234) << "no draw, no seed";
    EXPECT_TRUE(seam.messages.empty());

    open(7);
    next(5);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kOpenFirst);
    EXPECT_EQ(lines(), std::vector<std::u16string>(6, u" "));
    EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    EXPECT_EQ(g_nQuestionNo, 0);
    EXPECT_FALSE(dlg->m_bAnswerable);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(Drill, TapsWithNoQuestionOpenDoNothing)
{
    for (int slot = 1; slot <= 6; ++slot)
        tap(slot);
    EXPECT_EQ(lines(), std::vector<std::u16string>(6, u""));

    open(40);
    for (int slot = 1; slot <= 6; ++slot)
        tap(slot);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(lines(), std::vector<std::u16string>(6, u" "));
    EXPECT_EQ(score(), u" ");
    EXPECT_EQ(g_nRight, 0);
    EXPECT_EQ(g_nWrong, 0);
    EXPECT_EQ(dlg->m_nReviewPending, 0);
}

// Draws worked out by hand from the generator's sequence for the seed.
struct DrawRow {
    int entries;
    int rightBefore; // questions answered right before this draw
    int second;
    std::array<int, 6> lineEntries;
    int answerSlot;
    const char* name;
};

std::ostream& operator<<(std::ostream& os, const DrawRow& row)
{
    return os << row.name;
}

class Draws : public Drill, public ::testing::WithParamInterface<DrawRow> {};

TEST_P(Draws, QuestionAndChoicesFollowTheSeed)
{
    const DrawRow& row = GetParam();
    open(row.entries);
    for (int i = 0; i < row.rightBefore; ++i) {
        next(0);
        tap(rightSlot());
    }
    ASSERT_EQ(g_nRight, row.rightBefore);
    next(row.second);

    EXPECT_EQ(g_nSeed, row.second);
    EXPECT_EQ(g_nQuestionNo, row.rightBefore + 1);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), word(row.lineEntries[row.answerSlot - 1]));
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(line(slot), meaning(row.lineEntries[slot - 1])) << "line " << slot;
    EXPECT_EQ(dlg->m_nAnswer, row.answerSlot);
    EXPECT_EQ(windowText(*dlg, IDC_START), u"NEXT");
    EXPECT_TRUE(quizInvariantsHold(*dlg));
}

const DrawRow kDrawRows[] = {
    {40, 0, 17, {15, 16, 13, 22, 35, 4}, 3, "FirstEntryMovesToSlot3"},
    {40, 1, 17, {22, 16, 15, 13, 35, 4}, 4, "OneRightAnswerMovesIt"},
    {40, 2, 17, {35, 16, 15, 22, 13, 4}, 5, "TwoRightAnswersMoveIt"},
    {40, 0, 14, {31, 28, 14, 12, 26, 39}, 1, "AnswerInSlot1"},
    {40, 0, 23, {8, 4, 38, 2, 12, 24}, 3, "TwoRepeatsRedrawn"},
    {8, 0, 45, {2, 0, 5, 3, 4, 7}, 3, "FourteenRepeatsRedrawn"},
    {8, 0, 7, {3, 5, 0, 7, 2, 4}, 1, "EightEntriesAnswerInSlot1"},
};

INSTANTIATE_TEST_SUITE_P(Drill, Draws, ::testing::ValuesIn(kDrawRows),
                         [](const ::testing::TestParamInfo<DrawRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Drill, SameSecondGivesTheSameQuestion)
{
    open(40);
    next(33, 10);
    const std::u16string question = windowText(*dlg, IDC_QUESTION);
    const std::vector<std::u16string> choices = lines();
    tap(wrongSlot());

    next(33, 12);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), question);
    EXPECT_EQ(lines(), choices);
    EXPECT_EQ(g_nQuestionNo, 2);

    next(34, 12);
    EXPECT_NE(lines(), choices);
}

TEST_F(Drill, EveryDrawHoldsSixDistinctEntries)
{
    for (int entries : {8, 9, 40}) {
        open(entries);
        for (int second = 0; second < 60; ++second) {
            next(second);
            ASSERT_TRUE(quizInvariantsHold(*dlg)) << entries << " entries, second " << second;
            const std::vector<std::u16string> choices = lines();
            EXPECT_EQ(std::set<std::u16string>(choices.begin(), choices.end()).size(), 6u)
                << entries << " entries, second " << second;
            EXPECT_EQ(std::count(choices.begin(), choices.end(), meaning(questionEntry())), 1)
                << "the right meaning stands once; " << entries << " entries, second " << second;
        }
    }
}

TEST_F(Drill, EveryButtonJudgesItsOwnLine)
{
    open(40);
    std::set<int> rightSlotsSeen;
    for (int second = 0; second < 60 && rightSlotsSeen.size() < 6; ++second) {
        next(second);
        const int right = rightSlot();
        const int entry = questionEntry();
        rightSlotsSeen.insert(right);
        std::vector<std::u16string> expected = lines();
        for (int slot = 1; slot <= 6; ++slot) {
            if (slot == right)
                continue;
            const QString shown = QString::fromStdU16String(line(slot));
            expected[slot - 1] = revealed(shown.mid(shown.indexOf(' ') + 1).toInt());
            tap(slot);
            ASSERT_EQ(lines(), expected) << "button " << slot << ", second " << second;
        }
        EXPECT_TRUE(seam.messages.empty());
        tap(right);
        ASSERT_EQ(seam.messages.size(), 1u) << "button " << right;
        EXPECT_EQ(line(right), revealed(entry));
        seam.messages.clear();
    }
    EXPECT_EQ(rightSlotsSeen.size(), 6u);
}

TEST_F(Drill, RightTapRevealsEveryLineBeforeTheMessage)
{
    open(40);
    next(17);
    std::vector<std::u16string> linesWhileShown;
    std::u16string scoreWhileShown;
    seam.onMessage = [&](const RecordedMessage&) {
        linesWhileShown = lines();
        scoreWhileShown = score();
    };
    tap(3);

    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, u"OK~ RIGHT!");
    EXPECT_EQ(seam.messages[0].caption, u"Right!");
    EXPECT_EQ(seam.messages[0].type, MB_OK);
    const std::vector<std::u16string> all = {revealed(15), revealed(16), revealed(13),
                                             revealed(22), revealed(35), revealed(4)};
    EXPECT_EQ(linesWhileShown, all);
    EXPECT_EQ(scoreWhileShown, u" ") << "the score follows the message";
    EXPECT_EQ(lines(), all);
    EXPECT_EQ(score(), u"No.1, R=1, W=0, Score=100.00");
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), word(13));
}

TEST_F(Drill, WrongTapsRevealTheirLinesAndTheFirstRecordsTheMiss)
{
    open(40);
    next(17);
    tap(5);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(lines(), (std::vector<std::u16string>{meaning(15), meaning(16), meaning(13),
                                                    meaning(22), revealed(35), meaning(4)}));
    EXPECT_EQ(score(), u" ") << "a wrong tap leaves the score line";
    EXPECT_EQ(g_nWrong, 1);
    EXPECT_EQ(g_nTries, 1);
    EXPECT_EQ(dlg->m_nReviewPending, 1);
    EXPECT_EQ(dlg->m_nReviewRing[0], 13) << "the question's entry, not the tapped one";
    EXPECT_TRUE(quizInvariantsHold(*dlg));

    tap(1);
    EXPECT_EQ(lines(), (std::vector<std::u16string>{revealed(15), meaning(16), meaning(13),
                                                    meaning(22), revealed(35), meaning(4)}));
    EXPECT_EQ(g_nTries, 2);
    EXPECT_EQ(g_nWrong, 1) << "only the first wrong try counts";
    EXPECT_EQ(dlg->m_nReviewPending, 1);
}

// Taps on each question in turn: 'R' the right button, 'W' a wrong one, 'w' another wrong one.
struct ScoreRow {
    const char* name;
    std::vector<std::string> questions;
    std::u16string score;
    int right;
    int wrong;
    int tries;
    int pending;
    int messages;
};

std::ostream& operator<<(std::ostream& os, const ScoreRow& row)
{
    return os << row.name;
}

class Scores : public Drill, public ::testing::WithParamInterface<ScoreRow> {};

TEST_P(Scores, CountersAndScoreLine)
{
    const ScoreRow& row = GetParam();
    open(40);
    int second = 0;
    for (const std::string& taps : row.questions) {
        next(second);
        second += 7;
        for (char t : taps) {
            tap(t == 'R' ? rightSlot() : wrongSlot(t == 'W' ? 1 : 2));
            ASSERT_TRUE(quizInvariantsHold(*dlg)) << "after " << t;
        }
    }
    EXPECT_EQ(score(), row.score);
    EXPECT_EQ(g_nRight, row.right);
    EXPECT_EQ(g_nWrong, row.wrong);
    EXPECT_EQ(g_nTries, row.tries);
    EXPECT_EQ(dlg->m_nReviewPending, row.pending);
    EXPECT_EQ(static_cast<int>(seam.messages.size()), row.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Drill, Scores,
    ::testing::Values(
        ScoreRow{"FirstRight", {"R"}, u"No.1, R=1, W=0, Score=100.00", 1, 0, 0, 0, 1},
        ScoreRow{"WrongThenRight", {"WR"}, u"No.1, R=0, W=1, Score= 0.00", 0, 1, 1, 1, 1},
        ScoreRow{"ThreeQuestions", {"R", "WR", "R"}, u"No.3, R=2, W=1, Score=66.67", 2, 1, 0, 1, 3},
        ScoreRow{"RightTwice", {"RR"}, u"No.1, R=1, W=0, Score=100.00", 1, 0, 0, 0, 2},
        ScoreRow{"TwoWrongButtons", {"Ww"}, u" ", 0, 1, 2, 1, 0},
        ScoreRow{"SameWrongButtonTwice", {"WW"}, u" ", 0, 1, 2, 1, 0},
        ScoreRow{"WrongAfterRight", {"RW"}, u"No.1, R=1, W=0, Score=100.00", 1, 1, 1, 1, 1},
        ScoreRow{"UnansweredQuestionCounts",
                 {"R", "", "R"},
                 u"No.3, R=2, W=0, Score=66.67",
                 2,
                 0,
                 0,
                 0,
                 2},
        ScoreRow{"RightAfterTwoWrongTries",
                 {"WwR", "R"},
                 u"No.2, R=1, W=1, Score=50.00",
                 1,
                 1,
                 0,
                 1,
                 2}),
    [](const ::testing::TestParamInfo<ScoreRow>& info) { return std::string(info.param.name); });

struct RingRow {
    int entries;
    bool usesRing;
};

std::ostream& operator<<(std::ostream& os, const RingRow& row)
{
    return os << row.entries << " entries";
}

class ReviewRing : public Drill, public ::testing::WithParamInterface<RingRow> {};

// Every question is missed at the first tap, so the ring fills and then hands back the
// oldest miss at every draw.
TEST_P(ReviewRing, MissedWordsComeBackAfterNineMisses)
{
    const RingRow& row = GetParam();
    open(row.entries);
    std::vector<int> asked;
    for (int q = 0; q < 19; ++q) {
        const int readBefore = dlg->m_nReviewRead;
        const int pendingBefore = dlg->m_nReviewPending;
        next(q * 13 % 60);
        ASSERT_TRUE(quizInvariantsHold(*dlg)) << "draw " << q + 1;
        asked.push_back(questionEntry());
        if (!row.usesRing) {
            EXPECT_EQ(dlg->m_nReviewPending, 0);
        } else if (q >= 9) {
            EXPECT_EQ(asked[q], asked[q - 9]) << "question " << q + 1;
            EXPECT_EQ(pendingBefore, 9);
            EXPECT_EQ(dlg->m_nReviewPending, 8);
            EXPECT_EQ(dlg->m_nReviewRead, (readBefore + 1) % 10);
        } else {
            EXPECT_EQ(dlg->m_nReviewPending, q) << "no review below nine waiting";
        }
        if (q == 18 && row.usesRing) {
            EXPECT_EQ(readBefore, 9) << "the read position wraps";
        }

        tap(wrongSlot());
        ASSERT_TRUE(quizInvariantsHold(*dlg)) << "miss " << q + 1;
        if (q == 9 && row.usesRing) {
            EXPECT_EQ(dlg->m_nReviewRing[9], asked[q]);
            EXPECT_EQ(dlg->m_nReviewWrite, 0) << "the tenth miss wraps the write position";
        }
    }
    EXPECT_EQ(g_nWrong, 19);
    EXPECT_EQ(dlg->m_nReviewPending, row.usesRing ? 9 : 0);
    EXPECT_EQ(dlg->m_nReviewWrite, row.usesRing ? 9 : 0);
    EXPECT_EQ(dlg->m_nReviewRead, 0);
}

INSTANTIATE_TEST_SUITE_P(Drill, ReviewRing,
                         ::testing::Values(RingRow{30, false}, RingRow{31, true}),
                         [](const ::testing::TestParamInfo<RingRow>& info) {
                             return "Entries" + std::to_string(info.param.entries);
                         });

// A whole drill: twenty questions answered in five ways in turn, every rule checked after
// every tap.
TEST_F(Drill, TwentyQuestionsKeepEveryRule)
{
    const std::array<std::string, 5> answers = {"R", "WR", "WwR", "RW", ""};
    open(40);
    ASSERT_TRUE(quizInvariantsHold(*dlg));
    std::u16string scoreAfterQuestion19;
    for (int q = 0; q < 20; ++q) {
        next(q * 13 % 60);
        ASSERT_TRUE(quizInvariantsHold(*dlg)) << "draw " << q + 1;
        for (char t : answers[q % 5]) {
            tap(t == 'R' ? rightSlot() : wrongSlot(t == 'W' ? 1 : 2));
            ASSERT_TRUE(quizInvariantsHold(*dlg)) << "question " << q + 1 << ", tap " << t;
        }
        if (q == 18)
            scoreAfterQuestion19 = score();
    }
    EXPECT_EQ(scoreAfterQuestion19, u"No.19, R=8, W=11, Score=42.11");
    EXPECT_EQ(score(), scoreAfterQuestion19) << "no right answer since";
    EXPECT_EQ(g_nQuestionNo, 20);
    EXPECT_EQ(g_nRight, 8);
    EXPECT_EQ(g_nWrong, 12);
    EXPECT_EQ(seam.messages.size(), 16u);

    open(40);
    EXPECT_TRUE(quizInvariantsHold(*dlg));
    EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    tap(1);
    EXPECT_EQ(g_nWrong, 0) << "a load closes the question";
}

// The desktop's commands, sent as their keys and menu items send them.
class BothWays : public Drill {
protected:
    void command(UINT id) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    // The slot whose line answers the question, either way round, found by the texts.
    int answerSlot()
    {
        const QString question = QString::fromStdU16String(windowText(*dlg, IDC_QUESTION));
        const bool wordAsked = question.startsWith("word");
        const int entry = question.mid(wordAsked ? 4 : 8).toInt();
        for (int slot = 1; slot <= 6; ++slot)
            if (line(slot) == (wordAsked ? meaning(entry) : word(entry)) ||
                line(slot) == revealed(entry))
                return slot;
        ADD_FAILURE() << "no line answers " << question.toStdString();
        return 1;
    }

    std::u16string description()
    {
        return dlg->GetDlgItem(IDC_QUESTION)->GetHandle()->accessibleDescription().toStdU16String();
    }

    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
};

class OtherWayDraws : public BothWays, public ::testing::WithParamInterface<DrawRow> {};

// The same draw as word to meaning: only what the question and the lines show changes.
TEST_P(OtherWayDraws, QuestionShowsTheMeaningAndTheLinesTheWords)
{
    const DrawRow& row = GetParam();
    open(row.entries);
    command(ID_DRILL_REVERSE);
    for (int i = 0; i < row.rightBefore; ++i) {
        next(0);
        tap(answerSlot());
    }
    seam.messages.clear();
    next(row.second);

    const int answer = row.lineEntries[row.answerSlot - 1];
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), meaning(answer));
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(line(slot), word(row.lineEntries[slot - 1])) << "line " << slot;
    EXPECT_TRUE(quizInvariantsHold(*dlg));

    const int wrong = row.answerSlot % 6 + 1;
    tap(wrong);
    EXPECT_EQ(line(wrong), revealed(row.lineEntries[wrong - 1])) << "the reveal reads word=meaning";
    EXPECT_EQ(g_nWrong, 1);
    tap(row.answerSlot);
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(line(slot), revealed(row.lineEntries[slot - 1])) << "line " << slot;
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, u"OK~ RIGHT!");
    EXPECT_EQ(score(), QString("No.%1, R=%2, W=1, Score=%3")
                           .arg(row.rightBefore + 1)
                           .arg(row.rightBefore)
                           .arg(100.0 * row.rightBefore / (row.rightBefore + 1), 5, 'f', 2)
                           .toStdU16String());
}

INSTANTIATE_TEST_SUITE_P(Drill, OtherWayDraws, ::testing::ValuesIn(kDrawRows),
                         [](const ::testing::TestParamInfo<DrawRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BothWays, SwitchingRestartsTheDrillOnTheLoadedList)
{
    EXPECT_EQ(description(), u"Word to meaning: the question is a word, the lines offer meanings.");
    command(ID_DRILL_REVERSE);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), u"") << "no list, no drill to restart";
    EXPECT_EQ(description(), u"Meaning to word: the question is a meaning, the lines offer words.");
    command(ID_DRILL_REVERSE);

    const std::string path = files.writeEntries("list.dic", 40);
    seam.answerOpenFile(path);
    clickButton(*dlg, IDC_OPEN);
    seam.messages.clear();
    next(17);
    tap(5);
    tap(3);
    ASSERT_EQ(score(), u"No.1, R=0, W=1, Score= 0.00");
    ASSERT_EQ(dlg->m_nReviewPending, 1);
    seam.messages.clear();

    // Gone from the disk: a switch that read the list again would fail.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    command(ID_DRILL_REVERSE);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), u"Click \"START\" button to start !!");
    EXPECT_EQ(lines(), std::vector<std::u16string>(6, u" "));
    EXPECT_EQ(score(), u" ");
    EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    EXPECT_EQ(g_nQuestionNo, 0);
    EXPECT_EQ(g_nRight, 0);
    EXPECT_EQ(g_nWrong, 0);
    EXPECT_EQ(dlg->m_nReviewPending, 0);
    EXPECT_TRUE(quizInvariantsHold(*dlg));
    tap(3);
    EXPECT_EQ(g_nWrong + g_nRight, 0) << "no question is open";
    command(ID_EDIT_COPY_MISSED);
    ASSERT_EQ(seam.messages.size(), 1u) << "the switch forgets the misses";
    EXPECT_EQ(seam.messages[0].text, u"No word has been missed since the list was loaded.");
    EXPECT_EQ(description(), u"Meaning to word: the question is a meaning, the lines offer words.");

    next(17);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), meaning(13));
    EXPECT_EQ(g_nQuestionNo, 1);

    open(40);
    next(17);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), meaning(13)) << "the direction holds across loads";
    command(ID_DRILL_REVERSE);
    next(17);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), word(13));
}

// Questions in turn, each drawn at its second and answered with taps: 'R' the right line,
// 'W' a wrong one.
struct MissRow {
    const char* name;
    int entries;
    bool otherWay;
    std::vector<std::pair<int, std::string>> questions;
    std::vector<int> missed; // entries in the order first missed
};

std::ostream& operator<<(std::ostream& os, const MissRow& row)
{
    return os << row.name;
}

class CopyMisses : public BothWays, public ::testing::WithParamInterface<MissRow> {};

TEST_P(CopyMisses, EveryEntryMissedSinceTheLoadOnceInTheOrderFirstMissed)
{
    const MissRow& row = GetParam();
    open(row.entries);
    if (row.otherWay)
        command(ID_DRILL_REVERSE);
    for (const auto& [second, taps] : row.questions) {
        next(second);
        for (char t : taps)
            tap(t == 'R' ? answerSlot() : answerSlot() % 6 + 1);
    }
    QGuiApplication::clipboard()->setText("held before");
    seam.messages.clear();
    command(ID_EDIT_COPY_MISSED);

    QString expected;
    for (int entry : row.missed)
        expected += QString::fromStdU16String(word(entry) + u"\t" + meaning(entry)) + "\n";
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(clipboardText().toStdString(), expected.toStdString());

    // A load, completed with the same list, forgets the misses; the clipboard keeps its text.
    open(row.entries);
    command(ID_EDIT_COPY_MISSED);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, u"No word has been missed since the list was loaded.");
    EXPECT_EQ(seam.messages[0].type, MB_OK);
    EXPECT_EQ(clipboardText().toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Drill, CopyMisses,
    ::testing::Values(
        MissRow{"MissedAgainAtTheSameSecond",
                40,
                false,
                {{17, "W"}, {14, "R"}, {23, "WR"}, {17, "W"}},
                {13, 38}},
        MissRow{"WrongAfterRight", 40, false, {{14, "RW"}}, {31}},
        MissRow{"OtherWayStillWordTabMeaning",
                40,
                true,
                {{17, "W"}, {14, "R"}, {23, "WR"}, {17, "W"}},
                {13, 38}},
        MissRow{"ShortListWithoutReviewRing", 8, false, {{45, "W"}, {7, "WW"}, {45, "W"}}, {5, 3}},
        MissRow{"ReviewedEntriesMissedAgain",
                40,
                false,
                {{0, "W"},
                 {13, "W"},
                 {26, "W"},
                 {39, "W"},
                 {52, "W"},
                 {5, "W"},
                 {18, "W"},
                 {31, "W"},
                 {44, "W"},
                 {57, "W"},
                 {10, "W"}},
                {7, 13, 12, 10, 9, 31, 21, 20, 18}}),
    [](const ::testing::TestParamInfo<MissRow>& info) { return std::string(info.param.name); });

// Other programs read the clipboard's text as UTF-8, and the trainer opens it again as a
// tab-separated list that gives back the missed entry as it was, whatever its text.
struct CopiedEntryRow {
    const char* name;
    std::u16string word;
    std::u16string meaning;
    QByteArray copied;
    bool fromCsv = false; // a dictionary holds no line that starts with ";"
};

std::ostream& operator<<(std::ostream& os, const CopiedEntryRow& row)
{
    return os << row.name;
}

class CopiedEntry : public BothWays, public ::testing::WithParamInterface<CopiedEntryRow> {};

TEST_P(CopiedEntry, IsUtf8AndOpensAgainAsTheSameEntry)
{
    const CopiedEntryRow& row = GetParam();
    std::vector<std::u16string> entries = {u"null",  u"нуль", u"one",   u"ένα",    u"two",  u"二",
                                           u"three", u"drei", u"four",  u"четыре", u"five", u"五つ",
                                           u"six",   u"ستة",  u"seven", u"sieben"};
    entries[10] = row.word;
    entries[11] = row.meaning;
    QByteArray csv;
    for (size_t i = 0; i < entries.size(); i += 2)
        csv += QString::fromStdU16String(entries[i] + u"," + entries[i + 1] + u"\n").toUtf8();
    seam.answerOpenFile(row.fromCsv ? files.writeBytes("scripts.csv", csv.toStdString())
                                    : files.write("scripts.dic", entries));
    clickButton(*dlg, IDC_OPEN);
    next(45); // entries 2, 0, 5, 3, 4, 7; the answer on line 3
    tap(1);
    command(ID_EDIT_COPY_MISSED);
    const QByteArray copied = QGuiApplication::clipboard()->mimeData()->data("text/plain");
    EXPECT_EQ(copied, row.copied);

    seam.answerOpenFile(files.writeBytes("missed.txt", copied.toStdString()));
    clickButton(*dlg, IDC_OPEN);
    EXPECT_EQ(dlg->m_nLastIndex, 0);
    EXPECT_EQ(std::u16string(dlg->m_strWord[0]), row.word);
    EXPECT_EQ(std::u16string(dlg->m_strMeaning[0]), row.meaning);
}

INSTANTIATE_TEST_SUITE_P(
    Drill, CopiedEntry,
    ::testing::Values(
        CopiedEntryRow{"Plain", u"five", u"五つ", "five\t\xe4\xba\x94\xe3\x81\xa4\n"},
        CopiedEntryRow{"QuoteFirst", u"\"wow\" she said", u"a \"quote\"",
                       "\"\"\"wow\"\" she said\"\ta \"quote\"\n"},
        CopiedEntryRow{"TabInside", u"five", u"5\tfünf", "five\t\"5\tf\xc3\xbcnf\"\n"},
        CopiedEntryRow{"HeaderLike", u"#deck", u"a pack of cards", "\"#deck\"\ta pack of cards\n"},
        CopiedEntryRow{"RemarkLike", u";-)", u"a wink", "\";-)\"\ta wink\n", true}),
    [](const ::testing::TestParamInfo<CopiedEntryRow>& info) {
        return std::string(info.param.name);
    });

// Think first: the choices of a drawn question stay hidden for the pause, and then are the
// very choices the same draw shows without it; Space or a number key shows them at once and
// answers nothing, and only the next tap is judged.
enum class ShowChoices { PauseEnds, Space, NumberKey, NumberButton };

struct ThinkFirstRow {
    const char* name;
    ShowChoices by;
};

void PrintTo(const ThinkFirstRow& row, std::ostream* os)
{
    *os << row.name;
}

class ThinkFirst : public Drill, public ::testing::WithParamInterface<ThinkFirstRow> {
protected:
    void TearDown() override
    {
        // The switch is kept in the settings, which the tests of a run share.
        if (thinkingFirst)
            command(ID_THINK_FIRST);
    }

    void command(UINT nID) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }

    void turnOn()
    {
        command(ID_THINK_FIRST);
        thinkingFirst = true;
    }

    bool thinkingFirst = false;
};

TEST_P(ThinkFirst, HoldsTheChoicesBackAndAnswersNothingUntilTheyShow)
{
    dlg->GetHandle()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg->GetHandle()));
    open(40);
    next(7);
    const std::vector<std::u16string> choices = lines();
    const std::u16string question = windowText(*dlg, IDC_QUESTION);

    turnOn();
    // The shortest pause, so that the one row that waits for it waits little.
    seam.chooseMenuItem(u"1 s");
    command(ID_THINK_FIRST_PAUSE);
    next(7);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), question);
    EXPECT_EQ(lines(), std::vector<std::u16string>(6, u"")) << "the choices came at once";

    switch (GetParam().by) {
    case ShowChoices::PauseEnds:
        EXPECT_TRUE(QTest::qWaitFor([&] { return !line(1).empty(); }, 10000));
        break;
    case ShowChoices::Space:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        break;
    case ShowChoices::NumberKey:
        QTest::keyClick(dlg->GetHandle(), Qt::Key_3);
        break;
    case ShowChoices::NumberButton:
        tap(5);
        break;
    }
    EXPECT_EQ(lines(), choices);
    EXPECT_EQ(g_nRight + g_nWrong, 0) << "showing the choices answered";
    EXPECT_EQ(score(), u" ");
    EXPECT_TRUE(seam.messages.empty());

    tap(rightSlot());
    EXPECT_EQ(g_nRight, 1) << "the tap after the choices is judged as ever";
    EXPECT_EQ(score(), u"No.2, R=1, W=0, Score=50.00");
}

INSTANTIATE_TEST_SUITE_P(Drill, ThinkFirst,
                         ::testing::Values(ThinkFirstRow{"PauseEnds", ShowChoices::PauseEnds},
                                           ThinkFirstRow{"Space", ShowChoices::Space},
                                           ThinkFirstRow{"NumberKey", ShowChoices::NumberKey},
                                           ThinkFirstRow{"NumberButton",
                                                         ShowChoices::NumberButton}),
                         [](const ::testing::TestParamInfo<ThinkFirstRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
