// CSpeechVoice: the speech object. Like the handheld's, it speaks without waiting, and each
// Speak cuts off what was being said. The speech engine is loaded on the first call.
#pragma once

#include "CString.h"
#include "wintypes.h"

#include <vector>

// Why Speak could not speak.
constexpr UINT SPEECH_OK = 0;
constexpr UINT SPEECHERR_NOT_INSTALLED = 1; // the program's speech module is missing
constexpr UINT SPEECHERR_NO_SERVER = 2;     // no speech server answers
constexpr UINT SPEECHERR_NO_VOICE = 3;      // no installed voice speaks the language
constexpr UINT SPEECHERR_NO_DEVICE = 4;     // there is no sound device

class CSpeechVoice {
public:
    // Starts speaking `lpszText` in the language `lpszLanguage`, a code such as "de" or
    // "en_US", and returns SPEECH_OK or why it cannot.
    UINT Speak(LPCTSTR lpszText, LPCTSTR lpszLanguage);
    // Stops the speech, and a sound that PlaySound plays. Loads nothing.
    void Stop();
    // The languages that the installed voices speak, as codes; empty with `nResult` set
    // when none can be spoken.
    std::vector<CString> GetLanguages(UINT& nResult);
};
