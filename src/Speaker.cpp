#include "Speaker.h"

#include "Language.h"
#include "LanguageChoice.h"
#include "ListLibrary.h"
#include "ListSound.h"
#include "StandardText.h"
#include "resource.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

BOOL IsInstalled(LPCTSTR lpszProgram)
{
    return SearchPath(nullptr, lpszProgram, nullptr, 0, nullptr, nullptr) != 0;
}

// Where "Speak each question" and the languages chosen for lists are kept.
constexpr LPCTSTR kSpeechSection = _T("Speech");
constexpr LPCTSTR kEachQuestionEntry = _T("EachQuestion");
constexpr LPCSTR kSpeakCaption = TRANSLATE_NOOP("CSpeaker", "Speak");
// Entries whose script is looked at: enough to outvote a few borrowed words.
constexpr int kScriptSample = 200;

CString CodeToCString(const std::string& code)
{
    return ToCString(std::u16string(code.begin(), code.end()));
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
    // The speech server is started and its voices learnt while the learner reads.
    if (nEntries > 0)
        m_voice.Prepare();
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
    if (!PlayRecording(pOwner, nEntry, bMeaning, strText))
        SpeakText(pOwner, bMeaning, strText);
}

void CSpeaker::SpeakText(CWnd* pOwner, BOOL bMeaning, const CString& strText)
{
    if (m_bSpeechTold)
        return;
    const CString strLanguage = Language(bMeaning);
    const UINT nResult = m_voice.Speak(strText, strLanguage);
    if (nResult != SPEECH_OK)
        TellOnce(pOwner, nResult, strLanguage);
}

// The recording is read only now: a deck may carry hundreds of megabytes of them. One that
// cannot be had or played is told once, and the word is spoken instead, before the message.
BOOL CSpeaker::PlayRecording(CWnd* pOwner, int nEntry, BOOL bMeaning, const CString& strText)
{
    if (nEntry < 0 || static_cast<size_t>(nEntry) >= m_pSound->recordings.size())
        return FALSE;
    const formats::EntryRecordings& recordings = m_pSound->recordings[nEntry];
    const std::u16string& strName = bMeaning ? recordings.meaning : recordings.word;
    if (strName.empty())
        return FALSE;
    std::string sound;
    const ListReaders* pReaders = GetListReaders(m_pSound->kind);
    std::u16string strProblem = pReaders ? pReaders->readRecording(std::u16string(m_strPath),
                                                                   m_pSound->kind, strName, sound)
                                         : std::u16string(NoListLibraryMessage());
    const auto unplayable = [this, pOwner, bMeaning, strText, strName] {
        SpeakText(pOwner, bMeaning, strText);
        TellRecordingOnce(pOwner, ToCString(strName), tr("it holds no sound that plays"));
    };
    if (strProblem.empty() && sound.empty())
        strProblem = std::u16string(tr("it is empty"));
    if (strProblem.empty())
        return m_voice.Play(sound.data(), static_cast<DWORD>(sound.size()), unplayable);
    SpeakText(pOwner, bMeaning, strText);
    TellRecordingOnce(pOwner, ToCString(strName), ToCString(strProblem));
    return TRUE;
}

void CSpeaker::TellRecordingOnce(CWnd* pOwner, const CString& strName, const CString& strProblem)
{
    if (m_bRecordingTold)
        return;
    m_bRecordingTold = TRUE;
    CString strMessage;
    strMessage.Format(tr("The recording \"%s\" cannot be played: %s. The word is spoken "
                         "instead."),
                      static_cast<LPCTSTR>(strName), static_cast<LPCTSTR>(strProblem));
    pOwner->MessageBox(strMessage, tr(kSpeakCaption), MB_ICONSTOP);
}

void CSpeaker::TellOnce(CWnd* pOwner, UINT nResult, const CString& strLanguage)
{
    m_bSpeechTold = TRUE;
    const CString strLanguageName =
        strLanguage.IsEmpty() ? tr("the desktop's language") : LanguageName(strLanguage, TRUE);
    CString strMessage;
    switch (nResult) {
    case SPEECHERR_NO_VOICE:
        strMessage.Format(tr("No installed voice speaks %s, so the words cannot be spoken. "
                             "Voices for about a hundred languages come with "
                             "\"apt install speech-dispatcher-espeak-ng\"."),
                          static_cast<LPCTSTR>(strLanguageName));
        break;
    case SPEECHERR_NO_VOICE_MADE:
        strMessage.Format(tr("No installed voice speaks %s, and none of the voices that Debian "
                             "offers does, so the words cannot be spoken. A voice of another "
                             "maker can be set up for speech-dispatcher with \"spd-conf\"."),
                          static_cast<LPCTSTR>(strLanguageName));
        break;
    case SPEECHERR_NO_SERVER:
        // Advice to install what is there already helps nobody.
        if (IsInstalled(_T("speech-dispatcher")))
            strMessage = tr("The words cannot be spoken: the speech server, speech-dispatcher, "
                            "is installed but does not start. \"spd-say hello\" in a terminal "
                            "tells why.");
        else
            strMessage = tr("The words cannot be spoken: no speech server answers. Install "
                            "speech-dispatcher with its voices: "
                            "\"apt install speech-dispatcher-espeak-ng\".");
        break;
    case SPEECHERR_NO_DEVICE:
        if (IsInstalled(_T("pulseaudio")) || IsInstalled(_T("pipewire-pulse")))
            strMessage = tr("The words cannot be spoken: there is no sound device. Connect one, "
                            "or start the desktop's sound server.");
        else
            strMessage = tr("The words cannot be spoken: there is no sound device. Connect one, "
                            "or start the desktop's sound server (\"apt install pulseaudio\").");
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
    const std::vector<CString> languages = m_voice.GetLanguages(nResult);
    if (languages.empty()) {
        TellOnce(pOwner, nResult == SPEECH_OK ? SPEECHERR_NO_VOICE : nResult, CString());
        return;
    }
    // Likely: what the list and its script say of either side, the learner's choices and
    // the language the learner reads the program in.
    std::vector<CString> likely;
    for (BOOL bSide : {FALSE, TRUE})
        likely.insert(likely.end(), {Language(bSide), m_strChosenLanguage[bSide]});
    WCHAR interfaceLanguage[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetUserDefaultLocaleName(interfaceLanguage, LOCALE_NAME_MAX_LENGTH))
        likely.emplace_back(interfaceLanguage);
    CString strChosen = m_strChosenLanguage[bMeaning];
    if (!::ChooseLanguage(pOwner,
                          bMeaning ? tr("Language of the meanings") : tr("Language of the words"),
                          tr("As the list says"), languages, likely, strChosen))
        return;
    m_strChosenLanguage[bMeaning] = strChosen;
    AfxGetApp()->WriteProfileString(kSpeechSection, LanguageEntry(bMeaning), strChosen);
    // The learner chose: speech is tried again.
    m_bSpeechTold = FALSE;
}

CString CSpeaker::Languages(BOOL bReverse) const
{
    const CString strWords = Language(FALSE);
    const CString strMeanings = Language(TRUE);
    if (strWords.IsEmpty() && strMeanings.IsEmpty())
        return _T("");
    // A side of Latin text that nothing names is read in the desktop's language: that is a
    // guess, not the list's word.
    const auto name = [](const CString& code) {
        return code.IsEmpty() ? CString(_T("?")) : LanguageName(code, FALSE);
    };
    CString strText;
    strText.Format(_T("%s → %s"), static_cast<LPCTSTR>(name(bReverse ? strMeanings : strWords)),
                   static_cast<LPCTSTR>(name(bReverse ? strWords : strMeanings)));
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
    // Named by the direction drilled now, which the item turns round.
    const CString strNow = Languages(bReverse);
    if (strNow.IsEmpty())
        return;
    CString strText;
    strText.Format(tr("&Drill the other way: now %s\tCtrl+R"), static_cast<LPCTSTR>(strNow));
    menu.ModifyMenu(ID_DRILL_REVERSE, bReverse ? MF_CHECKED : MF_STRING, ID_DRILL_REVERSE, strText);
}
