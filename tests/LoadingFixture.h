// What the loading tests share: a main dialog whose file dialog is answered by script,
// dictionaries written on the fly, and the texts of the load's message boxes.
#pragma once

#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

inline const std::u16string kStartPrompt = u"Click \"START\" button to start !!";
inline const std::u16string kTooLargeMessage =
    u"Too large dictionary. Words after 5200th will be ignored.";

std::u16string containsMessage(int count);
std::u16string tooSmallMessage(int count);

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
