// CSpeaker: speaks the question on screen, with the list's own recording where the entry has
// one and else with a voice in the language of the question's side. It tells once a run
// when speech is missing or a recording cannot be played, and the drill goes on.
#pragma once

#include "afxwin.h"

#include <memory>
#include <optional>
#include <vector>

// What a list says of its sound: its kind, the languages of its sides and the recordings
// of its entries, as its reader found them.
struct ListSound;

class CSpeaker {
    DECLARE_TRANSLATION(CSpeaker)

public:
    CSpeaker();
    ~CSpeaker();

    // A list was loaded from `strPath`: what it says of its sound, and its words and
    // meanings, whose script tells a language the list does not name. The caller keeps
    // them until the next list.
    void SetList(const CString& strPath, ListSound&& sound, const CString* pWords,
                 const CString* pMeanings, int nEntries);
    // Speaks the word of entry `nEntry`, or its meaning, shown as `strText`.
    void Speak(CWnd* pOwner, int nEntry, BOOL bMeaning, const CString& strText);
    // A question was drawn: spoken while "Speak each question" is on; what was being said
    // of the last one stops in any case.
    void QuestionDrawn(CWnd* pOwner, int nEntry, BOOL bMeaning, const CString& strText);
    // "Speak each question", kept in the settings.
    void ToggleEachQuestion();
    // Asks for the language of the words, or of the meanings, among the voices' languages;
    // the choice is kept in the settings for this list.
    void ChooseLanguage(CWnd* pOwner, BOOL bMeaning);
    // The languages of the question and of the choices in the direction given, as
    // "German → English", with "?" for a side whose language is unknown; empty while both
    // are.
    CString Languages(BOOL bReverse) const;
    // The list's entries that have a recording.
    int RecordedEntries() const;
    // Checks the menu's speech items and names the languages in the direction item.
    void PrepareMenu(CMenu& menu, BOOL bReverse) const;

private:
    CString Language(BOOL bMeaning) const;
    CString LanguageEntry(BOOL bMeaning) const;
    BOOL PlayRecording(CWnd* pOwner, int nEntry, BOOL bMeaning, const CString& strText);
    void SpeakText(CWnd* pOwner, BOOL bMeaning, const CString& strText);
    void TellRecordingOnce(CWnd* pOwner, const CString& strName, const CString& strProblem);
    void TellOnce(CWnd* pOwner, UINT nResult, const CString& strLanguage);

    CSpeechVoice m_voice;
    CString m_strPath;
    std::unique_ptr<ListSound> m_pSound;
    // The words and the meanings, which the dialog keeps; their script is read when a
    // language is first needed.
    const CString* m_pTexts[2] = {};
    int m_nEntries = 0;
    mutable std::optional<CString> m_strScriptLanguage[2];
    CString m_strChosenLanguage[2]; // by the learner, for this list
    BOOL m_bEachQuestion = FALSE;
    BOOL m_bSpeechTold = FALSE;    // speech failed and said so: it is not tried again
    BOOL m_bRecordingTold = FALSE; // a recording failed and said so
};
