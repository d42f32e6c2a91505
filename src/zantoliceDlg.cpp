#include "zantoliceDlg.h"

#include "DicFile.h"

#include <algorithm>
#include <cstring>

int g_nQuestionNo = 0;
int g_nRight = 0;
int g_nWrong = 0;
int g_nTries = 0;
int g_nSeed = 1234;
CString g_strDicPath;

namespace {

constexpr WCHAR kByteOrderMark = 0xFEFF;

// Reads one line and trims its trailing white space. A byte-order mark at the very start
// of the file is dropped, so a file saved with one pairs like the same file without.
CString ReadTrimmedLine(DicFile& dicFile, WCHAR (&buffer)[LINE_BUFFER_SIZE])
{
    const bool atStart = dicFile.m_nPos == 0;
    std::memset(buffer, 0, sizeof buffer);
    dicFile.ReadLine(buffer, LINE_BUFFER_SIZE);
    CString line(atStart && buffer[0] == kByteOrderMark ? buffer + 1 : buffer);
    line.TrimRight();
    return line;
}

bool IsContentLine(const CString& line)
{
    return !line.IsEmpty() && line[0] != ';';
}

} // namespace

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
END_MESSAGE_MAP()

CZantoliceDlg::CZantoliceDlg(CWnd* pParent) : BDialog(CZantoliceDlg::IDD, pParent)
{
    for (CString& text : m_strChoiceText)
        text = _T("");
    m_strQuestion = _T("");
    m_strScore = _T("");
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

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
                        _T("Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||"), nullptr);
    if (dlgFile.DoModal() == IDCANCEL)
        return;
    LoadDictionary(dlgFile.GetPathName());
}

BOOL CZantoliceDlg::ReadEntries(DicFile& dicFile, std::vector<CString>& words,
                                std::vector<CString>& meanings)
{
    WCHAR szWordLine[LINE_BUFFER_SIZE];
    WCHAR szMeaningLine[LINE_BUFFER_SIZE];
    do {
        const CString word = ReadTrimmedLine(dicFile, szWordLine);
        if (!IsContentLine(word))
            continue;
        if (static_cast<int>(words.size()) == MAX_WORDS)
            return TRUE;
        words.push_back(word);
        // Blank and comment lines may stand between a word and its meaning.
        for (;;) {
            const CString meaning = ReadTrimmedLine(dicFile, szMeaningLine);
            if (IsContentLine(meaning)) {
                meanings.push_back(meaning);
                break;
            }
            if (dicFile.IsEOF())
                break;
        }
    } while (!dicFile.IsEOF());
    return FALSE;
}

void CZantoliceDlg::LoadDictionary(const CString& path)
{
    g_strDicPath = path;
    DicFile dicFile;
    dicFile.SetFileName(g_strDicPath);
    if (!dicFile.OpenRead()) {
        // Nothing has changed yet: the loaded list and the drill stay as they were.
        CString strMessage;
        strMessage.Format(_T("Cannot open the file \"%s\"."), g_strDicPath);
        MessageBox(strMessage, _T("Open failed!"), MB_ICONSTOP);
        return;
    }
    BeginWaitCursor();
    std::vector<CString> words;
    std::vector<CString> meanings;
    BOOL bTooLarge = FALSE;
    BOOL bReadWhole = TRUE;
    try {
        bTooLarge = ReadEntries(dicFile, words, meanings);
    } catch (CFileException* e) {
        e->Delete();
        bReadWhole = FALSE;
    }
    dicFile.Close();
    EndWaitCursor();

    WCHAR szMessage[100];
    if (bReadWhole) {
        // Entries are read aside first, so a failed read leaves the loaded list whole.
        // An unpaired last word keeps the meaning its slot held before.
        for (size_t i = 0; i < words.size(); ++i)
            m_strWord[i] = words[i];
        for (size_t i = 0; i < meanings.size(); ++i)
            m_strMeaning[i] = meanings[i];
        m_nLastIndex = static_cast<int>(words.size()) - 1;
        m_bLoaded = TRUE;

        SetWindowText(GetFileTitleFromPath(g_strDicPath) + _T(" "));
        if (bTooLarge) {
            wsprintf(szMessage, _T("Too large dictionary. Words after %dth will be ignored."),
                     MAX_WORDS);
            MessageBox(szMessage, _T("Warning!"), MB_OK);
        }
    } else {
        // The previous list stays loaded; the drill restarts on it.
        CString strMessage;
        strMessage.Format(_T("Cannot read the file \"%s\"."), g_strDicPath);
        MessageBox(strMessage, _T("Open failed!"), MB_ICONSTOP);
    }

    m_bReviewEligible = m_nLastIndex >= REVIEW_MIN_WORDS - 1;
    m_nReviewPending = 0;
    m_nReviewWrite = 0;
    m_nReviewRead = 0;

    if (bReadWhole) {
        if (m_nLastIndex >= MIN_WORDS - 1) {
            wsprintf(szMessage, _T("This dictionary contains %d words."), m_nLastIndex + 1);
            MessageBox(szMessage, _T("Open succeeded!"), MB_OK);
        } else {
            wsprintf(szMessage, _T("Sorry. This dictionary is to small(%d) to use."),
                     m_nLastIndex + 1);
            MessageBox(szMessage, _T("Errors in Dictionary."), MB_ICONSTOP);
            m_bLoaded = FALSE;
        }
    }

    m_strQuestion = _T("Click \"START\" button to start !!");
    for (CString& text : m_strChoiceText)
        text = _T(" ");
    m_strScore = _T(" ");
    GetDlgItem(IDC_START)->SetWindowText(_T("START"));
    UpdateData(FALSE);

    g_nQuestionNo = 0;
    g_nRight = 0;
    g_nWrong = 0;
    m_bAnswerable = FALSE;
}
