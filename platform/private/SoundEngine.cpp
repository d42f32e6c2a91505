#include "SoundEngine.h"

#include <QCoreApplication>
#include <QLibrary>

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
    // Beside the program (the build), one folder up (the tests), and where it is installed.
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programFolder, programFolder + QStringLiteral("/.."),
                                  programFolder + QStringLiteral("/../" ZANTOLI_PLUGIN_FOLDER)}) {
        QLibrary module(folder + QStringLiteral("/zantoli-sound.so"));
        const auto create =
            reinterpret_cast<CreateSoundEngine>(module.resolve(ZANTOLI_CREATE_SOUND_ENGINE));
        if (!create)
            continue;
        g_engine = create();
        qAddPostRoutine(destroyEngine);
        break;
    }
    return g_engine;
}

SoundEngine* SoundEngine::loaded()
{
    return g_engine;
}
