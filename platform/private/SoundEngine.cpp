#include "SoundEngine.h"

#include "libloaderapi.h"

#include <QCoreApplication>

namespace {

SoundEngine* g_engine = nullptr;
bool g_loadTried = false;

// Speech and players must end before the application does.
void destroyEngine()
{
    delete g_engine;
    g_engine = nullptr;
}

} // namespace

SoundEngine* SoundEngine::instance()
{
    if (g_loadTried)
        return g_engine;
    g_loadTried = true;
    const auto create = reinterpret_cast<CreateSoundEngine>(
        GetProcAddress(LoadLibraryA("zplatform-sound.so"), CREATE_SOUND_ENGINE));
    if (create) {
        g_engine = create();
        qAddPostRoutine(destroyEngine);
    }
    return g_engine;
}

SoundEngine* SoundEngine::loaded()
{
    return g_engine;
}
