// Opening dictionaries through the OPEN button, with the file dialog answered by script.
#include "LoadingFixture.h"

#include <QString>

namespace {

TEST_F(Loading, FileDialogOffersWordListsFirstThenDictionaries)
{
    seam.cancelOpenFile();
    clickButton(*dlg, IDC_OPEN);
    ASSERT_EQ(seam.filtersAsked.size(), 1u);
    EXPECT_EQ(seam.filtersAsked[0],
              u"Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|"
              u"*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|"
              u"Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||");
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

} // namespace
