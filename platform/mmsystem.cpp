#include "mmsystem.h"

#include "private/SoundEngine.h"

BOOL PlaySound(const void* pszSound, DWORD cbSound, DWORD fdwSound)
{
    if (!pszSound) {
        if (SoundEngine* engine = SoundEngine::loaded())
            engine->stop();
        return TRUE;
    }
    if (!(fdwSound & SND_MEMORY))
        return FALSE;
    SoundEngine* engine = SoundEngine::instance();
    return engine && engine->play(QByteArray(static_cast<const char*>(pszSound),
                                             static_cast<qsizetype>(cbSound)));
}
