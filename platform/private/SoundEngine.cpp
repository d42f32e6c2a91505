#include "SoundEngine.h"

#include "libloaderapi.h"

#include <QCoreApplication>
#include <QThreadPool>

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

void SoundEngine::prepareAside()
{
    if (g_loadTried) {
        if (g_engine)
            g_engine->prepare();
        return;
    }
    QThreadPool::globalInstance()->start([] {
        // Loaded once more by instance(), the module is then in memory already.
        LoadLibraryA("zplatform-sound.so");
        if (QCoreApplication* application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application,
                [] {
                    if (SoundEngine* engine = instance())
                        engine->prepare();
                },
                Qt::QueuedConnection);
    });
}
