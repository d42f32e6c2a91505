#include "CSpeechVoice.h"

#include "private/QtConvert.h"
#include "private/SoundEngine.h"

#include <utility>

namespace {

UINT ResultOf(SoundEngine::Problem problem)
{
    switch (problem) {
    case SoundEngine::Problem::None:
        return SPEECH_OK;
    case SoundEngine::Problem::NoModule:
        return SPEECHERR_NOT_INSTALLED;
    case SoundEngine::Problem::NoServer:
        return SPEECHERR_NO_SERVER;
    case SoundEngine::Problem::NoVoice:
        return SPEECHERR_NO_VOICE;
    case SoundEngine::Problem::NoVoiceOffered:
        return SPEECHERR_NO_VOICE_MADE;
    case SoundEngine::Problem::NoDevice:
        return SPEECHERR_NO_DEVICE;
    }
    return SPEECHERR_NOT_INSTALLED;
}

} // namespace

void CSpeechVoice::Prepare()
{
    SoundEngine::prepareAside();
}

UINT CSpeechVoice::Speak(LPCTSTR lpszText, LPCTSTR lpszLanguage)
{
    SoundEngine* engine = SoundEngine::instance();
    if (!engine)
        return SPEECHERR_NOT_INSTALLED;
    return ResultOf(engine->speak(toQString(lpszText), toQString(lpszLanguage)));
}

BOOL CSpeechVoice::Play(const void* pSound, DWORD cbSound, std::function<void()> unplayable)
{
    SoundEngine* engine = SoundEngine::instance();
    return engine && engine->play(QByteArray(static_cast<const char*>(pSound),
                                             static_cast<qsizetype>(cbSound)),
                                  std::move(unplayable));
}

void CSpeechVoice::Stop()
{
    if (SoundEngine* engine = SoundEngine::loaded())
        engine->stop();
}

std::vector<CString> CSpeechVoice::GetLanguages(UINT& nResult)
{
    std::vector<CString> languages;
    SoundEngine* engine = SoundEngine::instance();
    if (!engine) {
        nResult = SPEECHERR_NOT_INSTALLED;
        return languages;
    }
    SoundEngine::Problem problem = SoundEngine::Problem::None;
    for (const QString& language : engine->languages(problem))
        languages.push_back(toCString(language));
    nResult = ResultOf(problem);
    return languages;
}
