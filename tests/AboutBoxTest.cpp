// The About box, opened from the main dialog's ABOUT button and closed with its OK.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "Pixels.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include "private/ClientSurface.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What one About box showed while it was up, and how it went.
struct ShownBox {
    bool isAboutBox = false;
    bool overMainDialog = false;
    QImage background;
    std::u16string caption;
    QStringList texts;
    QImage icon;
    bool closedByOk = false;
};

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
        zoomToOwnSize(*dlg);
        AfxGetApp()->m_pMainWnd = dlg.get();
        seam.onModal = [this](CDialog& box) { return look(box); };
    }

    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    // Records what the box shows, lets `whileUp` act on it, then taps its OK.
    INT_PTR look(CDialog& box)
    {
        ShownBox shown;
        shown.isAboutBox = dynamic_cast<CAboutDlg*>(&box) != nullptr;
        shown.overMainDialog = box.GetHandle()->parentWidget() == dlg->GetHandle();
        shown.background = clientImage(box).copy();
        shown.caption = windowText(box);
        auto* surface = box.GetHandle()->findChild<ClientSurface*>();
        for (QLabel* label : surface->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!label->pixmap().isNull())
                shown.icon = label->pixmap().toImage();
            else
                shown.texts << label->text();
        }
        if (whileUp)
            whileUp(box);
        box.GetHandle()->findChild<QPushButton*>(QStringLiteral("captionOk"))->click();
        shown.closedByOk = !box.GetHandle()->isVisible();
        boxes.push_back(shown);
        return static_cast<QDialog*>(box.GetHandle())->result();
    }

    ScriptedSeam seam;
    std::unique_ptr<CZantoliceDlg> dlg;
    std::function<void(CDialog&)> whileUp;
    std::vector<ShownBox> boxes;
};

TEST_F(AboutBox, ShowsIconAndNameOverATiledBackground)
{
    clickButton(*dlg, IDC_ABOUT);
    ASSERT_EQ(boxes.size(), 1u);
    const ShownBox& box = boxes[0];
    EXPECT_TRUE(box.isAboutBox);
    EXPECT_TRUE(box.overMainDialog);
    EXPECT_EQ(box.caption, u"");
    EXPECT_EQ(box.texts, QStringList{QStringLiteral("ZANTOLI 1.7 for CE")});
    EXPECT_EQ(box.icon.size(), QSize(32, 32));
    EXPECT_EQ(box.icon, QIcon(QStringLiteral(":/res/icon128.ico")).pixmap(32, 32).toImage());
    EXPECT_TRUE(pixelsAre(box.background, tiled(bitmapResource(IDB_ABOUT_BACK))));
    EXPECT_TRUE(box.closedByOk);
}

TEST_F(AboutBox, EveryPressBuildsAFreshBox)
{
    // Marks on the first box must not show in the second.
    whileUp = [](CDialog& box) {
        CClientDC dc(&box);
        CRect mark(0, 0, 40, 40);
        dc.FillSolidRect(mark, RGB(0, 0, 0));
    };
    clickButton(*dlg, IDC_ABOUT);
    whileUp = nullptr;
    clickButton(*dlg, IDC_ABOUT);
    ASSERT_EQ(boxes.size(), 2u);
    for (const ShownBox& box : boxes) {
        EXPECT_TRUE(box.isAboutBox);
        EXPECT_TRUE(pixelsAre(box.background, tiled(bitmapResource(IDB_ABOUT_BACK))));
        EXPECT_TRUE(box.closedByOk);
    }
}

TEST_F(AboutBox, LeavesTheQuizAsItWas)
{
    DictionaryWriter files;
    seam.answerOpenFile(files.writeEntries("words.dic", 40));
    clickButton(*dlg, IDC_OPEN);
    dlg->m_strQuestion = _T("word7");
    dlg->m_strChoiceText[2] = _T("meaning 7");
    dlg->m_strScore = _T("No.3, R=2, W=1, Score=66.67");
    dlg->m_nAnswer = 3;
    dlg->m_bAnswerable = TRUE;
    dlg->UpdateData(FALSE);
    g_nQuestionNo = 3;
    g_nRight = 2;
    g_nWrong = 1;
    g_nTries = 1;
    seam.messages.clear();

    auto fields = [this] {
        std::vector<std::u16string> texts{windowText(*dlg)};
        for (int id : {IDC_QUESTION, IDC_CHOICE_TEXT1, IDC_CHOICE_TEXT2, IDC_CHOICE_TEXT3,
                       IDC_CHOICE_TEXT4, IDC_CHOICE_TEXT5, IDC_CHOICE_TEXT6, IDC_SCORE, IDC_START})
            texts.push_back(windowText(*dlg, id));
        return texts;
    };
    const std::vector<std::u16string> before = fields();

    clickButton(*dlg, IDC_ABOUT);
    clickButton(*dlg, IDC_ABOUT);

    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(fields(), before);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(dlg->m_nLastIndex, 39);
    EXPECT_TRUE(dlg->m_bLoaded);
    EXPECT_EQ(std::u16string(dlg->m_strWord[39]), u"word39");
    EXPECT_EQ(dlg->m_nAnswer, 3);
    EXPECT_TRUE(dlg->m_bAnswerable);
    EXPECT_EQ(g_nQuestionNo, 3);
    EXPECT_EQ(g_nRight, 2);
    EXPECT_EQ(g_nWrong, 1);
    EXPECT_EQ(g_nTries, 1);
}

} // namespace
