// CSpeechVoice: the speech object. Like the handheld's, it speaks without waiting, and each
// Speak cuts off what was being said. It also plays a list's own recordings. The speech
// engine is loaded on the first call.
#pragma once

#include "CString.h"
#include "wintypes.h"

#include <functional>
#include <vector>

// Why Speak could not speak.
constexpr UINT SPEECH_OK = 0;
constexpr UINT SPEECHERR_NOT_INSTALLED = 1; // the program's speech module is missing
constexpr UINT SPEECHERR_NO_SERVER = 2;     // no speech server answers
constexpr UINT SPEECHERR_NO_VOICE = 3;      // no installed voice speaks the language
constexpr UINT SPEECHERR_NO_DEVICE = 4;     // there is no sound device
constexpr UINT SPEECHERR_NO_VOICE_MADE = 5; // nor do the voices of the most languages

class CSpeechVoice {
public:
    // Gets the speech server and its voices ready off the window's thread, so that the
    // first Speak speaks at once. Returns at once.
    void Prepare();
    // Starts speaking `lpszText` in the language `lpszLanguage`, a code such as "de" or
    // "en_US", and returns SPEECH_OK or why it cannot.
    UINT Speak(LPCTSTR lpszText, LPCTSTR lpszLanguage);
    // Starts playing the sound file image (WAV, mp3, Ogg, FLAC) of `cbSound` bytes at
    // `pSound`, cutting off what was being said or played. FALSE when there is no sound
    // device or no player; when the image holds nothing that plays, `unplayable` is called
    // once the window's messages are handled again.
    BOOL Play(const void* pSound, DWORD cbSound, std::function<void()> unplayable);
    // Stops the speech and the sound played. Loads nothing.
    void Stop();
    // The languages that the installed voices speak, as codes; empty with `nResult` set
    // when none can be spoken.
    std::vector<CString> GetLanguages(UINT& nResult);
};
