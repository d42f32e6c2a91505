#include "Speaker.h"

#include "Language.h"
#include "ListLibrary.h"
#include "ListSound.h"
#include "StandardText.h"
#include "resource.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

// Where "Speak each question" and the languages chosen for lists are kept.
constexpr LPCTSTR kSpeechSection = _T("Speech");
constexpr LPCTSTR kEachQuestionEntry = _T("EachQuestion");
constexpr LPCSTR kSpeakCaption = TRANSLATE_NOOP("CSpeaker", "Speak");
// Entries whose script is looked at: enough to outvote a few borrowed words.
constexpr int kScriptSample = 200;
// Commands of the language menu, which returns them rather than sending them.
constexpr UINT kAsTheListSays = 1;
constexpr UINT kFirstLanguage = 2;

CString CodeToCString(const std::string& code)
{
    return ToCString(std::u16string(code.begin(), code.end()));
}

std::string ToCode(const CString& code)
{
    const std::u16string text(code);
    return std::string(text.begin(), text.end());
}

// "German" for "de"; with the region, "English (United States)" for "en_US".
CString LanguageName(const CString& code, BOOL bRegion)
{
    std::string language = ToCode(code);
    if (!bRegion)
        language.resize(std::min(language.size(), language.find('_')));
    return ToCString(formats::languageName(language));
}

CString ScriptLanguage(const CString* pTexts, int nEntries)
{
    std::vector<std::u16string_view> texts;
    texts.reserve(static_cast<size_t>(std::min(nEntries, kScriptSample)));
    for (int i = 0; i < std::min(nEntries, kScriptSample); ++i)
        texts.emplace_back(static_cast<LPCTSTR>(pTexts[i]), pTexts[i].GetLength());
    return CodeToCString(formats::languageOfScript(texts));
}

// A list is known by its path; the key is a hash of it, as a settings key holds no "/".
CString PathKey(const CString& strPath)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (int i = 0; i < strPath.GetLength(); ++i)
        hash = (hash ^ strPath[i]) * 1099511628211ULL;
    WCHAR digits[17] = {};
    for (int i = 15; i >= 0; --i, hash >>= 4)
        digits[i] = static_cast<WCHAR>(_T("0123456789abcdef")[hash & 0xF]);
    return CString(digits);
}

} // namespace

CSpeaker::CSpeaker() : m_pSound(std::make_unique<ListSound>())
{
    m_bEachQuestion = AfxGetApp()->GetProfileInt(kSpeechSection, kEachQuestionEntry, 0) != 0;
}

// Closing the window silences it.
CSpeaker::~CSpeaker()
{
    m_voice.Stop();
}

void CSpeaker::SetList(const CString& strPath, ListSound&& sound, const CString* pWords,
                       const CString* pMeanings, int nEntries)
{
    m_voice.Stop();
    m_strPath = strPath;
    *m_pSound = std::move(sound);
    m_pTexts[0] = pWords;
    m_pTexts[1] = pMeanings;
    m_nEntries = nEntries;
    for (std::optional<CString>& strLanguage : m_strScriptLanguage)
        strLanguage.reset();
    for (BOOL bMeaning : {FALSE, TRUE})
        m_strChosenLanguage[bMeaning] =
            AfxGetApp()->GetProfileString(kSpeechSection, LanguageEntry(bMeaning), _T(""));
}

// The learner's choice first, then what the list names, then what its script tells; empty
// for Latin text with no hint, which the voice's own language then speaks.
CString CSpeaker::Language(BOOL bMeaning) const
{
    if (!m_strChosenLanguage[bMeaning].IsEmpty())
        return m_strChosenLanguage[bMeaning];
    const std::string& named = bMeaning ? m_pSound->meaningLanguage : m_pSound->wordLanguage;
    if (!named.empty())
        return CodeToCString(named);
    std::optional<CString>& strScript = m_strScriptLanguage[bMeaning];
    if (!strScript)
        strScript = ScriptLanguage(m_pTexts[bMeaning], m_nEntries);
    return *strScript;
}

CString CSpeaker::LanguageEntry(BOOL bMeaning) const
{
    return (bMeaning ? CString(_T("MeaningLanguage-")) : CString(_T("WordLanguage-"))) +
           PathKey(m_strPath);
}

void CSpeaker::Speak(CWnd* pOwner, int nEntry, BOOL bMeaning, const CString& strText)
{
    if (PlayRecording(pOwner, nEntry, bMeaning) || m_bSpeechTold)
        return;
    const CString strLanguage = Language(bMeaning);
    const UINT nResult = m_voice.Speak(strText, strLanguage);
    if (nResult != SPEECH_OK)
        TellOnce(pOwner, nResult, strLanguage);
}

// The recording is read only now: a deck may carry hundreds of megabytes of them.
BOOL CSpeaker::PlayRecording(CWnd* pOwner, int nEntry, BOOL bMeaning)
{
    if (nEntry < 0 || static_cast<size_t>(nEntry) >= m_pSound->recordings.size())
        return FALSE;
    const formats::EntryRecordings& recordings = m_pSound->recordings[nEntry];
    const std::u16string& strName = bMeaning ? recordings.meaning : recordings.word;
    if (strName.empty())
        return FALSE;
    std::string sound;
    const ListReaders* pReaders = GetListReaders(m_pSound->kind);
    const std::u16string strProblem =
        pReaders
            ? pReaders->readRecording(std::u16string(m_strPath), m_pSound->kind, strName, sound)
            : std::u16string(NoListLibraryMessage());
    if (strProblem.empty())
        return PlaySound(sound.data(), static_cast<DWORD>(sound.size()), SND_MEMORY | SND_ASYNC);
    if (!m_bRecordingTold) {
        m_bRecordingTold = TRUE;
        CString strMessage;
        strMessage.Format(tr("The recording \"%s\" cannot be played: %s. The word is spoken "
                             "instead."),
                          ToCString(strName), ToCString(strProblem));
        pOwner->MessageBox(strMessage, tr(kSpeakCaption), MB_ICONSTOP);
    }
    return FALSE;
}

void CSpeaker::TellOnce(CWnd* pOwner, UINT nResult, const CString& strLanguage)
{
    m_bSpeechTold = TRUE;
    CString strMessage;
    switch (nResult) {
    case SPEECHERR_NO_VOICE:
        strMessage.Format(tr("No installed voice speaks %s, so the words cannot be spoken. "
                             "Voices for about a hundred languages come with "
                             "\"apt install speech-dispatcher-espeak-ng\"."),
                          strLanguage.IsEmpty() ? tr("the desktop's language")
                                                : LanguageName(strLanguage, TRUE));
        break;
    case SPEECHERR_NO_SERVER:
        strMessage = tr("The words cannot be spoken: no speech server answers. Install "
                        "speech-dispatcher with its voices: "
                        "\"apt install speech-dispatcher-espeak-ng\".");
        break;
    case SPEECHERR_NO_DEVICE:
        strMessage = tr("The words cannot be spoken: there is no sound device. Connect one, or "
                        "start the desktop's sound server (\"apt install pulseaudio\").");
        break;
    default:
        strMessage = tr("The words cannot be spoken: the program's speech module is not "
                        "installed. Install the program again, and the voices with "
                        "\"apt install speech-dispatcher-espeak-ng\".");
        break;
    }
    pOwner->MessageBox(strMessage, tr(kSpeakCaption), MB_ICONSTOP);
}

void CSpeaker::QuestionDrawn(CWnd* pOwner, int nEntry, BOOL bMeaning, const CString& strText)
{
    m_voice.Stop();
    if (m_bEachQuestion)
        Speak(pOwner, nEntry, bMeaning, strText);
}

void CSpeaker::ToggleEachQuestion()
{
    m_bEachQuestion = !m_bEachQuestion;
    AfxGetApp()->WriteProfileInt(kSpeechSection, kEachQuestionEntry, m_bEachQuestion);
}

void CSpeaker::ChooseLanguage(CWnd* pOwner, BOOL bMeaning)
{
    UINT nResult = SPEECH_OK;
    std::vector<CString> languages = m_voice.GetLanguages(nResult);
    if (languages.empty()) {
        TellOnce(pOwner, nResult == SPEECH_OK ? SPEECHERR_NO_VOICE : nResult, CString());
        return;
    }
    std::vector<std::pair<CString, CString>> named; // name and code
    named.reserve(languages.size());
    for (const CString& code : languages)
        named.emplace_back(LanguageName(code, TRUE), code);
    std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
        return std::u16string(a.first) < std::u16string(b.first);
    });
    const CString& strChosen = m_strChosenLanguage[bMeaning];
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(strChosen.IsEmpty() ? MF_CHECKED : MF_STRING, kAsTheListSays,
                    tr("As the list says"));
    menu.AppendMenu(MF_SEPARATOR);
    for (size_t i = 0; i < named.size(); ++i)
        menu.AppendMenu(named[i].second == strChosen ? MF_CHECKED : MF_STRING, kFirstLanguage + i,
                        named[i].first);
    CRect rect;
    pOwner->GetClientRect(rect);
    CPoint point(rect.Width() / 2, rect.Height() / 2);
    pOwner->ClientToScreen(&point);
    const UINT nID = menu.TrackPopupMenu(TPM_RETURNCMD, point.x, point.y, pOwner);
    if (nID == 0)
        return;
    m_strChosenLanguage[bMeaning] =
        nID == kAsTheListSays ? CString() : named[nID - kFirstLanguage].second;
    AfxGetApp()->WriteProfileString(kSpeechSection, LanguageEntry(bMeaning),
                                    m_strChosenLanguage[bMeaning]);
    // The learner chose: speech is tried again.
    m_bSpeechTold = FALSE;
}

CString CSpeaker::Languages(BOOL bReverse) const
{
    const CString strWords = Language(FALSE);
    const CString strMeanings = Language(TRUE);
    if (strWords.IsEmpty() || strMeanings.IsEmpty())
        return _T("");
    CString strText;
    strText.Format(_T("%s → %s"), LanguageName(bReverse ? strMeanings : strWords, FALSE),
                   LanguageName(bReverse ? strWords : strMeanings, FALSE));
    return strText;
}

int CSpeaker::RecordedEntries() const
{
    return static_cast<int>(std::count_if(m_pSound->recordings.begin(), m_pSound->recordings.end(),
                                          [](const formats::EntryRecordings& entry) {
                                              return !entry.word.empty() || !entry.meaning.empty();
                                          }));
}

void CSpeaker::PrepareMenu(CMenu& menu, BOOL bReverse) const
{
    menu.CheckMenuItem(ID_SPEAK_EACH_QUESTION, m_bEachQuestion ? MF_CHECKED : MF_UNCHECKED);
    // The other way asks meanings and offers words.
    const CString strOtherWay = Languages(TRUE);
    if (strOtherWay.IsEmpty())
        return;
    CString strText;
    strText.Format(tr("&Drill the other way (%s)\tCtrl+R"), static_cast<LPCTSTR>(strOtherWay));
    menu.ModifyMenu(ID_DRILL_REVERSE, bReverse ? MF_CHECKED : MF_STRING, ID_DRILL_REVERSE, strText);
}
