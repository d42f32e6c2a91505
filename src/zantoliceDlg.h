// CZantoliceDlg: the main quiz dialog, which holds the whole state of a drill.
#pragma once

#include "BDialog.h"
#include "ListReader.h"
#include "ProgressMemory.h"
#include "ThinkFirst.h"
#include "afxwin.h"
#include "resource.h"

#include <memory>
#include <vector>

class CPadPicture;
class CSpeaker;

constexpr int MIN_WORDS = 8;         // entries a dictionary needs to be usable
constexpr int REVIEW_MIN_WORDS = 31; // entries from which missed words come back
constexpr int REVIEW_RING_SIZE = 10;
constexpr int REVIEW_DUE = 9; // missed entries waiting when the oldest is asked again
constexpr int CHOICE_COUNT = 6;

// Drill counters, shared by loading, drawing and judging.
extern int g_nQuestionNo; // questions drawn since the last load
extern int g_nRight;      // questions answered right at the first try
extern int g_nWrong;      // questions with at least one wrong try
extern int g_nTries;      // wrong tries on the question on screen
extern int g_nSeed;       // the last seed given to the random generator
extern CString g_strDicPath;

// The last stylus point of the scribble pad, in client coordinates.
extern int g_nLastX;
extern int g_nLastY;

// The About box: the application's icon and name over a tiled background.
class CAboutDlg : public BDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    enum { IDD = IDD_ABOUTBOX };

protected:
    DECLARE_MESSAGE_MAP()
};

class CZantoliceDlg : public BDialog {
    DECLARE_TRANSLATION(CZantoliceDlg)

public:
    explicit CZantoliceDlg(CWnd* pParent = nullptr);
    ~CZantoliceDlg() override;

    enum { IDD = IDD_ZANTOLICE_DIALOG };

    CString GetFileTitleFromPath(CString path);

    // Quiz state. Integers are zero until the drill writes them.
    int m_nAnswer = 0;    // slot 1..6 of the right choice
    int m_nLastIndex = 0; // index of the last entry of the word table
    int m_bLoaded = 0;    // a list fit for drills is loaded
    CString m_strChoiceWord[6];
    CString m_strChoiceMeaning[6];
    int m_nChoiceIndex[6] = {};
    CString m_strWord[MAX_WORDS];
    CString m_strMeaning[MAX_WORDS];
    int m_nReviewRing[REVIEW_RING_SIZE] = {}; // missed entries waiting to be asked again
    int m_nReviewPending = 0;
    int m_nReviewWrite = 0;
    int m_nReviewRead = 0;
    int m_bReviewEligible = 0; // the list is long enough for the review ring
    int m_nQuestionIndex = 0;  // entry of the question's word
    int m_bAnswerable = 0;     // a question is on screen and taps are judged
    // Desktop additions: the question shows a meaning and the lines show words; and the
    // entries missed since the load, in the order first missed, each once.
    int m_bReverse = 0;
    std::vector<int> m_nMissedEntries;
    // Desktop addition: the learner keeps their progress over days (Remember progress).
    int m_bRemember = 0;

    // Display strings of the question line, the six choice lines and the score line.
    CString m_strChoiceText[6];
    CString m_strQuestion;
    CString m_strScore;

protected:
    HICON m_hIcon;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnAbout();
    void OnOpen();
    void OnStart();
    void OnChoice1();
    void OnChoice2();
    void OnChoice3();
    void OnChoice4();
    void OnChoice5();
    void OnChoice6();
    void OnClear();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    // Desktop additions: a dictionary dropped onto the window or named on the command
    // line opens as if it had been chosen with OPEN.
    void OnDropFiles(HDROP hDropInfo);
    void OnOpenCommandLine();
    // The desktop's context menu, and the two commands that only it and their keys send.
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDrillReverse();
    void OnCopyMissed();
    void OnRememberProgress();
    void OnForgetProgress();
    void OnProgressFolder();
    void OnProgressView();
    // Desktop addition: the question is spoken, or its recording played.
    void OnSpeak();
    void OnSpeakEachQuestion();
    void OnWordLanguage();
    void OnMeaningLanguage();
    // Desktop addition: the interface speaks the language the learner picks, at once.
    void OnInterfaceLanguage();
    // Desktop addition: the question's picture on the pad, under the strokes; and the
    // choices held back for a pause while "Think first" is on.
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnThinkFirst();
    void OnThinkFirstPause();

    void TakeReview();
    void RecordMiss();
    void RememberMiss();
    void UpdateScore();

    DECLARE_MESSAGE_MAP()

private:
    void LoadDictionary(const CString& path);
    void ClearMisses();
    void ShowStartPrompt();
    void DescribeDirection();
    // Shows the dialog's own fixed texts again, in the interface's language.
    void ShowTranslatedTexts();

    int DrawEntryIndex(int nSlotPos) const;
    void OnChoice(int nSlot);
    void RevealChoice(int nSlotPos);

    // The memory is told the first answer of each question.
    void RememberAnswer(BOOL bRight);

    int m_bCountedRight = 0;     // the question on screen has added to g_nRight
    int m_bAnswerRemembered = 0; // the memory has the question's first answer
    CProgressMemory m_memory;
    std::unique_ptr<CSpeaker> m_pSpeaker;
    CListReadAhead m_listReadAhead;
    std::unique_ptr<CPadPicture> m_pPicture;
    CThinkFirst m_thinkFirst;
};
