// CThinkFirst: "Think first" holds a drawn question's six choices back for a pause, so that
// the learner recalls the answer before recognising it. Space or a number key shows them at
// once and never answers; the drill is otherwise the same. The switch and the pause are
// kept in the settings.
#pragma once

#include "afxwin.h"

class CThinkFirst {
public:
    // `choiceTexts` are the dialog's six choice lines, which `owner` shows.
    CThinkFirst(CDialog& owner, CString (&choiceTexts)[6]);

    // The lines hold a new question's choices: while Think first is on, they are put aside
    // and the lines stay empty until the pause ends. The caller shows the lines.
    void Hold();
    // Shows the choices held back, at once; FALSE when none are.
    BOOL Release();
    // The pause's timer went off.
    void OnTimer(UINT_PTR nIDEvent);
    // No question is on screen any more: nothing is held.
    void Cancel();
    void Toggle();
    // Asks for the pause among a few lengths.
    void ChoosePause();
    // Checks the menu's item while Think first is on, and names the pause in the other.
    void PrepareMenu(CMenu& menu) const;

private:
    CDialog& m_owner;
    CString (&m_strChoiceText)[6];
    CString m_strHeld[6];
    BOOL m_bOn = FALSE;
    int m_nPauseSeconds;
    BOOL m_bHolding = FALSE;
};
