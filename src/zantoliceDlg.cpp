#include "zantoliceDlg.h"

#include "ContextMenu.h"
#include "MissedWords.h"
#include "PadPicture.h"
#include "ProgressDlg.h"
#include "Speaker.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

int g_nQuestionNo = 0;
int g_nRight = 0;
int g_nWrong = 0;
int g_nTries = 0;
int g_nSeed = 1234;
CString g_strDicPath;
int g_nLastX = 0;
int g_nLastY = 0;

BEGIN_MESSAGE_MAP(CAboutDlg, BDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : BDialog(CAboutDlg::IDD, nullptr)
{
    SetBkDrawMode(BKDRAW_TILE);
    SetBkBitmap(IDB_ABOUT_BACK);
}

CAboutDlg::~CAboutDlg() = default;

BEGIN_MESSAGE_MAP(CZantoliceDlg, BDialog)
ON_BN_CLICKED(IDC_ABOUT, CZantoliceDlg::OnAbout)
ON_BN_CLICKED(IDC_OPEN, CZantoliceDlg::OnOpen)
ON_BN_CLICKED(IDC_START, CZantoliceDlg::OnStart)
ON_BN_CLICKED(IDC_CHOICE5, CZantoliceDlg::OnChoice5)
ON_BN_CLICKED(IDC_CHOICE1, CZantoliceDlg::OnChoice1)
ON_BN_CLICKED(IDC_CHOICE2, CZantoliceDlg::OnChoice2)
ON_BN_CLICKED(IDC_CHOICE3, CZantoliceDlg::OnChoice3)
ON_BN_CLICKED(IDC_CHOICE4, CZantoliceDlg::OnChoice4)
ON_BN_CLICKED(IDC_CHOICE6, CZantoliceDlg::OnChoice6)
ON_BN_CLICKED(IDC_CLEAR, CZantoliceDlg::OnClear)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_DROPFILES()
ON_COMMAND(ID_FILE_OPEN_COMMAND_LINE, CZantoliceDlg::OnOpenCommandLine)
ON_WM_CONTEXTMENU()
ON_COMMAND(ID_DRILL_REVERSE, CZantoliceDlg::OnDrillReverse)
ON_COMMAND(ID_EDIT_COPY_MISSED, CZantoliceDlg::OnCopyMissed)
ON_COMMAND(ID_PROGRESS_REMEMBER, CZantoliceDlg::OnRememberProgress)
ON_COMMAND(ID_PROGRESS_FORGET, CZantoliceDlg::OnForgetProgress)
ON_COMMAND(ID_PROGRESS_FOLDER, CZantoliceDlg::OnProgressFolder)
ON_COMMAND(ID_PROGRESS_VIEW, CZantoliceDlg::OnProgressView)
ON_COMMAND(ID_SPEAK, CZantoliceDlg::OnSpeak)
ON_COMMAND(ID_SPEAK_EACH_QUESTION, CZantoliceDlg::OnSpeakEachQuestion)
ON_COMMAND(ID_SPEAK_WORD_LANGUAGE, CZantoliceDlg::OnWordLanguage)
ON_COMMAND(ID_SPEAK_MEANING_LANGUAGE, CZantoliceDlg::OnMeaningLanguage)
ON_COMMAND(ID_INTERFACE_LANGUAGE, CZantoliceDlg::OnInterfaceLanguage)
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_COMMAND(ID_THINK_FIRST, CZantoliceDlg::OnThinkFirst)
ON_COMMAND(ID_THINK_FIRST_PAUSE, CZantoliceDlg::OnThinkFirstPause)
END_MESSAGE_MAP()

CZantoliceDlg::CZantoliceDlg(CWnd* pParent)
    : BDialog(CZantoliceDlg::IDD, pParent), m_memory(*this),
      m_pSpeaker(std::make_unique<CSpeaker>()), m_pPicture(std::make_unique<CPadPicture>()),
      m_thinkFirst(*this, m_strChoiceText)
{
    for (CString& text : m_strChoiceText)
        text = _T("");
    m_strQuestion = _T("");
    m_strScore = _T("");
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    if (!AfxGetApp()->m_lpCmdLine.IsEmpty())
        m_listReadAhead.Start(AfxGetApp()->m_lpCmdLine);
}

CZantoliceDlg::~CZantoliceDlg() = default;

void CZantoliceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHOICE_TEXT1, m_strChoiceText[0]);
    DDX_Text(pDX, IDC_CHOICE_TEXT2, m_strChoiceText[1]);
    DDX_Text(pDX, IDC_CHOICE_TEXT3, m_strChoiceText[2]);
    DDX_Text(pDX, IDC_CHOICE_TEXT4, m_strChoiceText[3]);
    DDX_Text(pDX, IDC_CHOICE_TEXT5, m_strChoiceText[4]);
    DDX_Text(pDX, IDC_CHOICE_TEXT6, m_strChoiceText[5]);
    DDX_Text(pDX, IDC_QUESTION, m_strQuestion);
    DDX_Text(pDX, IDC_SCORE, m_strScore);
}

// The last answers are saved while the window still shows why that may take a moment.
void CZantoliceDlg::OnOK()
{
    m_memory.SaveBeforeQuit();
    CDialog::OnOK();
}

BOOL CZantoliceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetBkDrawMode(BKDRAW_TILE);
    SetBkBitmap(IDB_MAIN_BACK);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_bAnswerable = FALSE;
    m_bLoaded = FALSE;
    CenterWindow(GetDesktopWindow());

    DragAcceptFiles();
    DescribeDirection();
    m_bRemember = m_memory.Start();
    // The window is shown before the named dictionary loads, so its messages have an owner
    // on screen.
    if (!AfxGetApp()->m_lpCmdLine.IsEmpty())
        PostMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_OPEN_COMMAND_LINE, BN_CLICKED), 0);
    return TRUE;
}

void CZantoliceDlg::OnClear()
{
    InvalidateRect(nullptr, TRUE);
    UpdateWindow();
}

void CZantoliceDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    g_nLastX = point.x;
    g_nLastY = point.y;
    CWnd::OnLButtonDown(nFlags, point);
}

void CZantoliceDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    if (nFlags & MK_LBUTTON) {
        CClientDC dc(this);
        CPen pen;
        pen.CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
        CPen* pOldPen = dc.SelectObject(&pen);
        dc.MoveTo(g_nLastX, g_nLastY);
        dc.LineTo(point.x, point.y);
        g_nLastX = point.x;
        g_nLastY = point.y;
        dc.SelectObject(pOldPen);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CZantoliceDlg::OnDropFiles(HDROP hDropInfo)
{
    const UINT nLength = DragQueryFile(hDropInfo, 0, nullptr, 0);
    std::vector<WCHAR> path(nLength + 1);
    DragQueryFile(hDropInfo, 0, path.data(), nLength + 1);
    DragFinish(hDropInfo);
    UpdateData(TRUE);
    LoadDictionary(path.data());
}

void CZantoliceDlg::OnOpenCommandLine()
{
    UpdateData(TRUE);
    LoadDictionary(AfxGetApp()->m_lpCmdLine);
}

void CZantoliceDlg::OnContextMenu(CWnd*, CPoint point)
{
    TrackContextMenu(this, point, m_bReverse, m_bRemember, *m_pSpeaker, m_thinkFirst);
}

// The direction holds across loads, and a switch restarts the drill on the loaded list
// without reading it again.
void CZantoliceDlg::OnDrillReverse()
{
    m_bReverse = !m_bReverse;
    DescribeDirection();
    // With no usable list there is no drill to restart.
    if (m_bLoaded) {
        ClearMisses();
        ShowStartPrompt();
    }
}

void CZantoliceDlg::DescribeDirection()
{
    GetDlgItem(IDC_QUESTION)
        ->SetAccessibleDescription(
            m_bReverse ? tr("Meaning to word: the question is a meaning, the lines offer words.")
                       : tr("Word to meaning: the question is a word, the lines offer meanings."));
}

// The review ring and the list of misses start empty; the ring's slots keep their values.
void CZantoliceDlg::ClearMisses()
{
    m_nReviewPending = 0;
    m_nReviewWrite = 0;
    m_nReviewRead = 0;
    m_nMissedEntries.clear();
}

// No question is on screen, the START button asks for the first, and the counters are zero:
// the drill starts afresh on the loaded list.
void CZantoliceDlg::ShowStartPrompt()
{
    m_strQuestion = tr("Click \"START\" button to start !!");
    for (CString& text : m_strChoiceText)
        text = _T(" ");
    m_strScore = _T(" ");
    SetStatusText(_T(""));
    GetDlgItem(IDC_START)->SetWindowText(tr("START"));
    m_thinkFirst.Cancel();
    UpdateData(FALSE);
    m_pPicture->Clear(this);

    g_nQuestionNo = 0;
    g_nRight = 0;
    g_nWrong = 0;
    m_bAnswerable = FALSE;
}

// The missed entries as tab-separated "word<TAB>meaning" lines, which other trainers import.
void CZantoliceDlg::OnCopyMissed()
{
    CopyMissedWords(this, m_strWord, m_strMeaning, m_nMissedEntries);
}

CString CZantoliceDlg::GetFileTitleFromPath(CString path)
{
    // Paths here use "/"; the handheld's used backslashes, and both still appear.
    const int separator = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return path.Right(path.GetLength() - separator - 1);
}

// A fresh box each time: it loads its background anew and frees it when it closes.
void CZantoliceDlg::OnAbout()
{
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}

void CZantoliceDlg::OnOpen()
{
    UpdateData(TRUE);
    CFileDialog dlgFile(TRUE, _T("dic"), nullptr, 0,
                        tr("Word lists (*.dic *.txt *.tsv *.csv *.kvtml *.apkg *.xlsx *.ods)|"
                           "*.dic;*.txt;*.tsv;*.csv;*.kvtml;*.apkg;*.xlsx;*.ods|"
                           "Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||"),
                        nullptr);
    if (dlgFile.DoModal() == IDCANCEL)
        return;
    LoadDictionary(dlgFile.GetPathName());
}

void CZantoliceDlg::LoadDictionary(const CString& path)
{
    g_strDicPath = path;
    BeginWaitCursor();
    ListReadAside list = m_listReadAhead.Read(g_strDicPath);
    EndWaitCursor();
    if (list.read == ListRead::NotOpened) {
        // Nothing has changed yet: the loaded list and the drill stay as they were.
        CString strMessage;
        strMessage.Format(tr("Cannot open the file \"%s\"."), g_strDicPath);
        MessageBox(strMessage, tr("Open failed!"), MB_ICONSTOP);
        return;
    }
    if (!list.strProblem.IsEmpty()) {
        // A file that is no word list leaves the loaded list and the drill as they were.
        CString strMessage;
        strMessage.Format(tr("Cannot open \"%s\": %s"), GetFileTitleFromPath(g_strDicPath),
                          list.strProblem);
        MessageBox(strMessage, tr("Open failed!"), MB_ICONSTOP);
        return;
    }
    const BOOL bReadWhole = list.read == ListRead::Whole;

    WCHAR szMessage[100];
    int nMeanings = 0;
    if (bReadWhole) {
        // Entries are read aside first, so a failed read leaves the loaded list whole.
        // An unpaired last word keeps the meaning its slot held before.
        nMeanings = static_cast<int>(list.meanings.size());
        for (size_t i = 0; i < list.words.size(); ++i)
            m_strWord[i] = std::move(list.words[i]);
        for (size_t i = 0; i < list.meanings.size(); ++i)
            m_strMeaning[i] = std::move(list.meanings[i]);
        m_nLastIndex = static_cast<int>(list.words.size()) - 1;
        m_bLoaded = TRUE;
        m_pPicture->SetList(g_strDicPath, list.sound.kind, std::move(list.pictures));
        m_pSpeaker->SetList(g_strDicPath, std::move(list.sound), m_strWord, m_strMeaning,
                            m_nLastIndex + 1);

        SetWindowText(GetFileTitleFromPath(g_strDicPath) + _T(" "));
        if (list.bTooLarge) {
            wsprintf(szMessage, tr("Too large dictionary. Words after %dth will be ignored."),
                     MAX_WORDS);
            MessageBox(szMessage, tr("Warning!"), MB_OK);
        }
    } else {
        // The previous list stays loaded; the drill restarts on it.
        CString strMessage;
        strMessage.Format(tr("Cannot read the file \"%s\"."), g_strDicPath);
        MessageBox(strMessage, tr("Open failed!"), MB_ICONSTOP);
    }

    m_bReviewEligible = m_nLastIndex >= REVIEW_MIN_WORDS - 1;
    ClearMisses();

    if (bReadWhole) {
        m_memory.SetList(m_strWord, m_strMeaning, m_nLastIndex + 1, nMeanings);
        if (m_nLastIndex >= MIN_WORDS - 1) {
            wsprintf(szMessage, tr("This dictionary contains %d words.", nullptr, m_nLastIndex + 1),
                     m_nLastIndex + 1);
            MessageBox(szMessage, tr("Open succeeded!"), MB_OK);
        } else {
            wsprintf(szMessage, tr("Sorry. This dictionary is to small(%d) to use."),
                     m_nLastIndex + 1);
            MessageBox(szMessage, tr("Errors in Dictionary."), MB_ICONSTOP);
            m_bLoaded = FALSE;
        }
    }

    ShowStartPrompt();
}

void CZantoliceDlg::OnStart()
{
    for (int k = 0; k < CHOICE_COUNT; ++k) {
        m_strChoiceMeaning[k] = _T(" ");
        m_strChoiceWord[k] = _T(" ");
    }
    if (!m_bLoaded) {
        m_strQuestion = tr("Open a dictionary first.");
        UpdateData(FALSE);
        return;
    }

    m_bAnswerable = TRUE;
    m_bCountedRight = FALSE;
    m_bAnswerRemembered = FALSE;
    g_nQuestionNo++;
    g_nTries = 0;

    // Only the second of the minute seeds the generator, as on the handheld: draws at
    // the same second give the same question.
    g_nSeed = CTime::GetCurrentTime().GetSecond();
    srand(g_nSeed);

    int nFirstDrawn = 0;
    if (m_nReviewPending == REVIEW_DUE && m_bReviewEligible) {
        m_nChoiceIndex[0] = m_nReviewRing[m_nReviewRead];
        TakeReview();
        nFirstDrawn = 1;
    } else if (const int nEntry = m_memory.DrawEntry(m_bReverse); nEntry >= 0) {
        // The memory chooses the question; the other slots are drawn as ever.
        m_nChoiceIndex[0] = nEntry;
        nFirstDrawn = 1;
    }
    for (int k = nFirstDrawn; k < CHOICE_COUNT; ++k)
        m_nChoiceIndex[k] = DrawEntryIndex(k);

    BeginWaitCursor();
    for (int k = 0; k < CHOICE_COUNT; ++k) {
        m_strChoiceWord[k] = m_strWord[m_nChoiceIndex[k]];
        m_strChoiceMeaning[k] = m_strMeaning[m_nChoiceIndex[k]];
    }
    EndWaitCursor();

    // The entry drawn first is the right one; it moves to a slot that also depends on
    // the right answers so far.
    const long long nSum = static_cast<long long>(rand()) + rand() + rand() + g_nRight;
    const int nAnswerPos = static_cast<int>(nSum % CHOICE_COUNT);
    std::swap(m_strChoiceWord[0], m_strChoiceWord[nAnswerPos]);
    std::swap(m_strChoiceMeaning[0], m_strChoiceMeaning[nAnswerPos]);
    std::swap(m_nChoiceIndex[0], m_nChoiceIndex[nAnswerPos]);
    m_nAnswer = nAnswerPos + 1;
    m_nQuestionIndex = m_nChoiceIndex[nAnswerPos];

    // The other way round the question is a meaning and the lines offer words.
    const CString* pAsked = m_bReverse ? m_strChoiceMeaning : m_strChoiceWord;
    const CString* pOffered = m_bReverse ? m_strChoiceWord : m_strChoiceMeaning;
    m_strQuestion.Format(_T("%s"), pAsked[nAnswerPos]);
    for (int k = 0; k < CHOICE_COUNT; ++k)
        m_strChoiceText[k] = pOffered[k];
    GetDlgItem(IDC_START)->SetWindowText(tr("NEXT"));
    m_thinkFirst.Hold();
    UpdateData(FALSE);
    m_pPicture->QuestionDrawn(this, m_nQuestionIndex, m_bReverse);
    m_pSpeaker->QuestionDrawn(this, m_nQuestionIndex, m_bReverse, m_strQuestion);
}

// An entry index for slot position nSlotPos that differs from every earlier slot.
int CZantoliceDlg::DrawEntryIndex(int nSlotPos) const
{
    const int nCount = m_nLastIndex + 1;
    for (;;) {
        long long nSum = 0;
        for (int i = 0; i < 5; ++i)
            nSum += rand();
        const int nIndex = static_cast<int>(nSum % nCount);
        if (std::find(m_nChoiceIndex, m_nChoiceIndex + nSlotPos, nIndex) ==
            m_nChoiceIndex + nSlotPos)
            return nIndex;
    }
}

void CZantoliceDlg::TakeReview()
{
    if (!m_bReviewEligible)
        return;
    m_nReviewPending--;
    m_nReviewRead = (m_nReviewRead + 1) % REVIEW_RING_SIZE;
}

void CZantoliceDlg::OnChoice1()
{
    OnChoice(1);
}

void CZantoliceDlg::OnChoice2()
{
    OnChoice(2);
}

void CZantoliceDlg::OnChoice3()
{
    OnChoice(3);
}

void CZantoliceDlg::OnChoice4()
{
    OnChoice(4);
}

void CZantoliceDlg::OnChoice5()
{
    OnChoice(5);
}

void CZantoliceDlg::OnChoice6()
{
    OnChoice(6);
}

void CZantoliceDlg::OnChoice(int nSlot)
{
    // While the choices are held back, a choice only shows them.
    if (m_thinkFirst.Release() || !m_bAnswerable)
        return;
    RememberAnswer(nSlot == m_nAnswer);
    if (nSlot == m_nAnswer) {
        if (g_nTries == 0 && !m_bCountedRight) {
            g_nRight++;
            m_bCountedRight = TRUE;
        }
        for (int k = 0; k < CHOICE_COUNT; ++k)
            RevealChoice(k);
        // The revealed lines are on screen while the message is up.
        UpdateData(FALSE);
        MessageBox(tr("OK~ RIGHT!"), tr("Right!"), MB_OK);
        UpdateScore();
    } else {
        g_nTries++;
        if (g_nTries < 2) {
            g_nWrong++;
            RecordMiss();
            RememberMiss();
        }
        RevealChoice(nSlot - 1);
        UpdateData(FALSE);
    }
}

void CZantoliceDlg::RevealChoice(int nSlotPos)
{
    m_strChoiceText[nSlotPos].Format(_T("%s=%s"), m_strChoiceWord[nSlotPos],
                                     m_strChoiceMeaning[nSlotPos]);
}

void CZantoliceDlg::RecordMiss()
{
    if (!m_bReviewEligible)
        return;
    m_nReviewPending++;
    m_nReviewRing[m_nReviewWrite] = m_nQuestionIndex;
    m_nReviewWrite = (m_nReviewWrite + 1) % REVIEW_RING_SIZE;
}

// Kept apart from the review ring: every list has it, and an entry missed again, when it
// comes back or is drawn anew, stays where it was first missed.
void CZantoliceDlg::RememberMiss()
{
    if (std::find(m_nMissedEntries.begin(), m_nMissedEntries.end(), m_nQuestionIndex) ==
        m_nMissedEntries.end())
        m_nMissedEntries.push_back(m_nQuestionIndex);
}

void CZantoliceDlg::UpdateScore()
{
    // Single precision, as the handheld computed it.
    const float fScore = static_cast<float>(g_nRight) * 100.0f / static_cast<float>(g_nQuestionNo);
    m_strScore.Format(tr("No.%d, R=%d, W=%d, Score=%5.2f"), g_nQuestionNo, g_nRight, g_nWrong,
                      static_cast<double>(fScore));
    UpdateData(FALSE);
}

void CZantoliceDlg::OnRememberProgress()
{
    m_bRemember = !m_bRemember;
    m_memory.Switch(m_bRemember);
}

void CZantoliceDlg::OnForgetProgress()
{
    if (!m_bLoaded) {
        MessageBox(tr("Open a dictionary first."), tr("Forget progress"), MB_OK);
        return;
    }
    CString strQuestion;
    strQuestion.Format(
        tr("Forget what was learned of every word in \"%s\"? This cannot be undone."),
        GetFileTitleFromPath(g_strDicPath));
    if (MessageBox(strQuestion, tr("Forget progress"), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    m_memory.ForgetList();
}

void CZantoliceDlg::OnProgressView()
{
    m_memory.ShowView(m_bReverse, m_bLoaded, m_pSpeaker->Languages(m_bReverse),
                      m_bLoaded ? DescribeMedia(m_nLastIndex + 1, m_pPicture->PicturedEntries(),
                                                m_pSpeaker->RecordedEntries())
                                : CString());
}

void CZantoliceDlg::OnProgressFolder()
{
    m_memory.ChooseFolder();
}

// The first answer of a question is the one that counts, right at the first try or missed.
void CZantoliceDlg::RememberAnswer(BOOL bRight)
{
    if (m_bAnswerRemembered)
        return;
    m_bAnswerRemembered = TRUE;
    m_memory.RecordAnswer(m_nQuestionIndex, m_bReverse, bRight);
}

// Only a question on screen is spoken.
void CZantoliceDlg::OnSpeak()
{
    if (m_bAnswerable)
        m_pSpeaker->Speak(this, m_nQuestionIndex, m_bReverse, m_strQuestion);
}

void CZantoliceDlg::OnSpeakEachQuestion()
{
    m_pSpeaker->ToggleEachQuestion();
}

void CZantoliceDlg::OnWordLanguage()
{
    m_pSpeaker->ChooseLanguage(this, FALSE);
}

void CZantoliceDlg::OnMeaningLanguage()
{
    m_pSpeaker->ChooseLanguage(this, TRUE);
}

BOOL CZantoliceDlg::OnEraseBkgnd(CDC* pDC)
{
    BDialog::OnEraseBkgnd(pDC);
    m_pPicture->Draw(this, pDC);
    return TRUE;
}

void CZantoliceDlg::OnTimer(UINT_PTR nIDEvent)
{
    m_thinkFirst.OnTimer(nIDEvent);
}

void CZantoliceDlg::OnThinkFirst()
{
    m_thinkFirst.Toggle();
}

void CZantoliceDlg::OnThinkFirstPause()
{
    m_thinkFirst.ChoosePause();
}
