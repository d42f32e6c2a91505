#include "libloaderapi.h"

#include <QFileInfo>
#include <QLibrary>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// The modules opened. They are never unloaded, as what a module made may live until the
// program ends, and stay reachable from here for the leak checkers.
std::mutex g_modulesLock;
std::vector<QLibrary*>* g_pModules = new std::vector<QLibrary*>;

} // namespace

HMODULE LoadLibraryA(const char* lpLibFileName)
{
    // The program's own folder, also when it runs without a window and Qt's application
    // object, as for --progress.
    const QString programFolder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    const QString name = QString::fromUtf8(lpLibFileName);
    for (const QString& folder : {programFolder, programFolder + QStringLiteral("/.."),
                                  programFolder + QStringLiteral("/../" ZANTOLI_PLUGIN_FOLDER)}) {
        auto module = std::make_unique<QLibrary>(folder + u'/' + name);
        if (!module->load())
            continue;
        const std::lock_guard lock(g_modulesLock);
        g_pModules->push_back(module.release());
        return reinterpret_cast<HMODULE>(g_pModules->back());
    }
    return nullptr;
}

FARPROC GetProcAddress(HMODULE hModule, const char* lpProcName)
{
    return hModule ? reinterpret_cast<QLibrary*>(hModule)->resolve(lpProcName) : nullptr;
}
