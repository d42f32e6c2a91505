// Opening dictionaries through the OPEN button, with the file dialog answered by script.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "ReadFault.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

const std::u16string kStartPrompt = u"Click \"START\" button to start !!";

std::u16string containsMessage(int count)
{
    return u"This dictionary contains " + std::u16string(QString::number(count).toStdU16String()) +
           u" words.";
}

std::u16string tooSmallMessage(int count)
{
    return u"Sorry. This dictionary is to small(" +
           std::u16string(QString::number(count).toStdU16String()) + u") to use.";
}

const std::u16string kTooLargeMessage =
    u"Too large dictionary. Words after 5200th will be ignored.";

class Loading : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
    }

    void open(const std::string& path)
    {
        seam.answerOpenFile(path);
        clickButton(*dlg, IDC_OPEN);
    }

    // Puts a drill in progress on screen by hand, as a draw and a wrong answer would.
    void fakeOpenQuestion()
    {
        dlg->m_bAnswerable = TRUE;
        dlg->m_nReviewPending = 3;
        dlg->m_nReviewWrite = 5;
        dlg->m_nReviewRead = 2;
        dlg->m_strQuestion = _T("word3");
        dlg->m_strScore = _T("No.4, R=2, W=1, Score=50.00");
        dlg->UpdateData(FALSE);
        dlg->GetDlgItem(IDC_START)->SetWindowText(_T("NEXT"));
        g_nQuestionNo = 4;
        g_nRight = 2;
        g_nWrong = 1;
    }

    std::u16string word(int i) const { return std::u16string(dlg->m_strWord[i]); }
    std::u16string meaning(int i) const { return std::u16string(dlg->m_strMeaning[i]); }

    ScriptedSeam seam;
    DictionaryWriter files;
    std::unique_ptr<CZantoliceDlg> dlg;
};

TEST_F(Loading, FileDialogOffersDictionariesFirst)
{
    seam.cancelOpenFile();
    clickButton(*dlg, IDC_OPEN);
    ASSERT_EQ(seam.filtersAsked.size(), 1u);
    EXPECT_EQ(seam.filtersAsked[0], u"Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||");
    EXPECT_EQ(seam.defaultExtsAsked[0], u"dic");
}

TEST_F(Loading, CommentsBlanksTrimmingAndPairing)
{
    open(files.write("example.dic",
                     {u"; a remark", u"", u"abandon  ", u"; another remark",
                      u"to give up completely", u"  ability", u" ;skill", u"capable"}));
    EXPECT_EQ(dlg->m_nLastIndex, 2);
    EXPECT_EQ(word(0), u"abandon");
    EXPECT_EQ(meaning(0), u"to give up completely");
    EXPECT_EQ(word(1), u"  ability");
    EXPECT_EQ(meaning(1), u" ;skill");
    EXPECT_EQ(word(2), u"capable");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, tooSmallMessage(3));
    EXPECT_EQ(seam.messages[0].caption, u"Errors in Dictionary.");
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    EXPECT_FALSE(dlg->m_bLoaded);
}

TEST_F(Loading, TrailingWhiteSpaceOfEveryKindIsTrimmed)
{
    open(files.write("spaces.dic",
                     {u"one\t \u3000", u"\t;first\u00A0 ", u" \t ", u"two", u"second\u2003"},
                     u"\r\n", false));
    EXPECT_EQ(word(0), u"one");
    EXPECT_EQ(meaning(0), u"\t;first");
    EXPECT_EQ(word(1), u"two");
    EXPECT_EQ(meaning(1), u"second");
    EXPECT_EQ(dlg->m_nLastIndex, 1);
}

struct SizeRow {
    int entries;
    std::vector<std::u16string> texts;
    BOOL loaded;
    BOOL reviewEligible;
    int lastIndex;
};

std::ostream& operator<<(std::ostream& os, const SizeRow& row)
{
    return os << row.entries << " entries";
}

class LoadingSizes : public Loading, public ::testing::WithParamInterface<SizeRow> {};

TEST_P(LoadingSizes, MessagesFlagsAndLastIndex)
{
    const SizeRow& row = GetParam();
    open(files.writeEntries("list.dic", row.entries));
    std::vector<std::u16string> texts;
    for (const RecordedMessage& message : seam.messages)
        texts.push_back(message.text);
    EXPECT_EQ(texts, row.texts);
    EXPECT_EQ(dlg->m_bLoaded, row.loaded);
    EXPECT_EQ(dlg->m_bReviewEligible, row.reviewEligible);
    EXPECT_EQ(dlg->m_nLastIndex, row.lastIndex);
    if (row.entries > 0) {
        const int last = std::min(row.entries, MAX_WORDS) - 1;
        EXPECT_EQ(word(last), QString("word%1").arg(last).toStdU16String());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loading, LoadingSizes,
    ::testing::Values(SizeRow{0, {tooSmallMessage(0)}, FALSE, FALSE, -1},
                      SizeRow{7, {tooSmallMessage(7)}, FALSE, FALSE, 6},
                      SizeRow{8, {containsMessage(8)}, TRUE, FALSE, 7},
                      SizeRow{30, {containsMessage(30)}, TRUE, FALSE, 29},
                      SizeRow{31, {containsMessage(31)}, TRUE, TRUE, 30},
                      SizeRow{5200, {containsMessage(5200)}, TRUE, TRUE, 5199},
                      SizeRow{5201, {kTooLargeMessage, containsMessage(5200)}, TRUE, TRUE, 5199}),
    [](const ::testing::TestParamInfo<SizeRow>& info) {
        return "Entries" + std::to_string(info.param.entries);
    });

TEST_F(Loading, OutcomeBoxesComeAfterTheCaptionAndBeforeTheReset)
{
    fakeOpenQuestion();
    std::vector<std::u16string> questionWhileShown;
    std::vector<std::u16string> captionWhileShown;
    seam.onMessage = [&](const RecordedMessage&) {
        questionWhileShown.push_back(windowText(*dlg, IDC_QUESTION));
        captionWhileShown.push_back(windowText(*dlg));
    };
    open(files.writeEntries("big-list.dic", 5201));
    EXPECT_EQ(captionWhileShown, (std::vector<std::u16string>{u"big-list.dic ", u"big-list.dic "}));
    EXPECT_EQ(questionWhileShown, (std::vector<std::u16string>{u"word3", u"word3"}));
    EXPECT_EQ(seam.messages[0].caption, u"Warning!");
    EXPECT_EQ(seam.messages[0].type, MB_OK);
    EXPECT_EQ(seam.messages[1].caption, u"Open succeeded!");
    EXPECT_EQ(seam.messages[1].type, MB_OK);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kStartPrompt);
}

TEST_F(Loading, CompletedLoadResetsTheDrill)
{
    fakeOpenQuestion();
    g_nTries = 2;
    open(files.writeEntries("words.dic", 40));
    EXPECT_FALSE(dlg->m_bAnswerable);
    EXPECT_EQ(dlg->m_nReviewPending, 0);
    EXPECT_EQ(dlg->m_nReviewWrite, 0);
    EXPECT_EQ(dlg->m_nReviewRead, 0);
    EXPECT_EQ(g_nQuestionNo, 0);
    EXPECT_EQ(g_nRight, 0);
    EXPECT_EQ(g_nWrong, 0);
    EXPECT_EQ(g_nTries, 2) << "a load leaves the tries of the last question alone";
    EXPECT_EQ(windowText(*dlg), u"words.dic ");
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kStartPrompt);
    for (int id = IDC_CHOICE_TEXT1; id <= IDC_CHOICE_TEXT6; ++id)
        EXPECT_EQ(windowText(*dlg, id), u" ") << id;
    EXPECT_EQ(windowText(*dlg, IDC_SCORE), u" ");
    EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
    EXPECT_EQ(std::u16string(g_strDicPath), std::u16string(frameworkPath(files.path("words.dic"))));
}

TEST_F(Loading, CancelChangesNothing)
{
    open(files.writeEntries("words.dic", 40));
    fakeOpenQuestion();
    seam.messages.clear();
    seam.cancelOpenFile();
    clickButton(*dlg, IDC_OPEN);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_TRUE(dlg->m_bAnswerable);
    EXPECT_EQ(dlg->m_nReviewPending, 3);
    EXPECT_EQ(g_nQuestionNo, 4);
    EXPECT_EQ(dlg->m_nLastIndex, 39);
    EXPECT_EQ(windowText(*dlg), u"words.dic ");
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), u"word3");
    EXPECT_EQ(windowText(*dlg, IDC_START), u"NEXT");
}

TEST_F(Loading, UnpairedLastWordKeepsTheEarlierMeaning)
{
    open(files.writeEntries("first.dic", 10));
    open(files.write("second.dic", {u"alpha", u"one", u"beta", u"two", u"gamma"}));
    EXPECT_EQ(dlg->m_nLastIndex, 2);
    EXPECT_EQ(word(2), u"gamma");
    EXPECT_EQ(meaning(2), u"meaning 2");
    EXPECT_EQ(word(3), u"word3") << "entries beyond the new list are left as they were";
}

TEST_F(Loading, CaptionIsTheFileNameAfterTheLastSeparator)
{
    EXPECT_EQ(std::u16string(dlg->GetFileTitleFromPath(_T("/home/me/words.dic"))), u"words.dic");
    EXPECT_EQ(std::u16string(dlg->GetFileTitleFromPath(_T("\\Storage\\My Documents\\a.dic"))),
              u"a.dic");
    EXPECT_EQ(std::u16string(dlg->GetFileTitleFromPath(_T("words.dic"))), u"words.dic");
    EXPECT_EQ(std::u16string(dlg->GetFileTitleFromPath(_T("/home/me/"))), u"");
}

class BadInput : public Loading {
protected:
    // Loads a good list first, opens a question on it, then tries `path`.
    void openAfterGoodList(const std::string& path)
    {
        open(files.writeEntries("good.dic", 40));
        fakeOpenQuestion();
        seam.messages.clear();
        open(path);
    }

    void expectGoodListUntouched()
    {
        EXPECT_TRUE(dlg->m_bLoaded);
        EXPECT_EQ(dlg->m_nLastIndex, 39);
        EXPECT_EQ(word(39), u"word39");
        EXPECT_EQ(meaning(39), u"meaning 39");
        EXPECT_EQ(windowText(*dlg), u"good.dic ");
    }
};

TEST_F(BadInput, MissingFileLeavesEverythingAsItWas)
{
    openAfterGoodList(files.path("missing.dic"));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    EXPECT_NE(seam.messages[0].text.find(u"missing.dic"), std::u16string::npos);
    EXPECT_NE(seam.messages[0].text.find(u"Cannot open"), std::u16string::npos);
    expectGoodListUntouched();
    EXPECT_TRUE(dlg->m_bAnswerable);
    EXPECT_EQ(dlg->m_nReviewPending, 3);
    EXPECT_EQ(g_nQuestionNo, 4);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), u"word3");
}

TEST_F(BadInput, FolderIsRefusedLikeAMissingFile)
{
    openAfterGoodList(files.path(""));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    EXPECT_NE(seam.messages[0].text.find(u"Cannot open"), std::u16string::npos);
    expectGoodListUntouched();
    EXPECT_TRUE(dlg->m_bAnswerable);
}

TEST_F(BadInput, UnreadableFileIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    const std::string path = files.writeEntries("locked.dic", 10);
    QFile::setPermissions(QString::fromStdString(path), QFileDevice::WriteOwner);
    openAfterGoodList(path);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    expectGoodListUntouched();
}

TEST_F(BadInput, ReadErrorKeepsTheLoadedListAndClosesTheQuestion)
{
    const std::string path = files.writeEntries("failing.dic", 9000);
    armReadFault("failing.dic", 100000);
    openAfterGoodList(path);
    disarmReadFault();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP);
    EXPECT_NE(seam.messages[0].text.find(u"Cannot read"), std::u16string::npos);
    expectGoodListUntouched();
    EXPECT_FALSE(dlg->m_bAnswerable);
    EXPECT_EQ(windowText(*dlg, IDC_QUESTION), kStartPrompt);
    EXPECT_EQ(windowText(*dlg, IDC_START), u"START");
}

TEST_F(BadInput, EightBitTextIsRefusedWithAClearMessage)
{
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"utf8.dic", "cat\r\na small animal\r\ndog\r\na loyal animal\r\n"},
        {"utf8-mark.dic", "\xEF\xBB\xBF"
                          "cat"},
        {"big-endian.dic", std::string("\xFE\xFF\0c\0a\0t", 8)},
    };
    for (const Row& row : rows) {
        openAfterGoodList(files.writeBytes(row.name, row.bytes));
        ASSERT_EQ(seam.messages.size(), 1u) << row.name;
        EXPECT_EQ(seam.messages[0].type, MB_ICONSTOP) << row.name;
        EXPECT_EQ(seam.messages[0].text, QString("\"%1\" is not a dictionary: dictionaries are "
                                                 "UTF-16LE text.")
                                             .arg(row.name)
                                             .toStdU16String());
        expectGoodListUntouched();
        EXPECT_TRUE(dlg->m_bAnswerable) << row.name;
    }
}

TEST_F(BadInput, OverlongLinesAreCutAndLaterLinesPairAsBefore)
{
    const std::u16string huge(5000, u'x');
    const std::u16string exact(997, u'y');
    open(files.write("long.dic", {u"first", huge, exact, u"third meaning"}));
    EXPECT_EQ(dlg->m_nLastIndex, 1);
    EXPECT_EQ(meaning(0), huge.substr(0, 999));
    EXPECT_EQ(word(1), exact) << "a line of 997 characters and CR LF is read whole";
    EXPECT_EQ(meaning(1), u"third meaning");
}

TEST_F(BadInput, UnixLineEndsLoadWhole)
{
    open(files.write("unix.dic", {u"cat", u"a small animal", u"dog", u"a loyal animal"}, u"\n"));
    EXPECT_EQ(word(0), u"cat");
    EXPECT_EQ(meaning(0), u"a small animal");
    EXPECT_EQ(word(1), u"dog");
    EXPECT_EQ(meaning(1), u"a loyal animal");
}

TEST_F(BadInput, ByteOrderMarkIsDropped)
{
    open(files.write("bom.dic", {u"\uFEFF; comment", u"cat", u"a small animal"}));
    EXPECT_EQ(dlg->m_nLastIndex, 0);
    EXPECT_EQ(word(0), u"cat");
    EXPECT_EQ(meaning(0), u"a small animal");
}

TEST_F(BadInput, OddLengthFileLoads)
{
    open(files.writeBytes("odd.dic", utf16le(u"cat\r\nanimal\r\n") + "Z"));
    EXPECT_EQ(word(0), u"cat");
    EXPECT_EQ(meaning(0), u"animal");
    EXPECT_EQ(word(1), u"Z");
    EXPECT_EQ(dlg->m_nLastIndex, 1);
}

} // namespace
