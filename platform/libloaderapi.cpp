#include "libloaderapi.h"

#include <QFileInfo>
#include <QLibrary>

HMODULE LoadLibraryA(const char* lpLibFileName)
{
    // The program's own folder, also when it runs without a window and Qt's application
    // object, as for --progress.
    const QString programFolder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    const QString name = QString::fromUtf8(lpLibFileName);
    for (const QString& folder : {programFolder, programFolder + QStringLiteral("/.."),
                                  programFolder + QStringLiteral("/../" ZANTOLI_PLUGIN_FOLDER)}) {
        // Never unloaded: the module's objects may live until the program ends.
        auto* module = new QLibrary(folder + u'/' + name);
        if (module->load())
            return reinterpret_cast<HMODULE>(module);
        delete module;
    }
    return nullptr;
}

FARPROC GetProcAddress(HMODULE hModule, const char* lpProcName)
{
    return hModule ? reinterpret_cast<QLibrary*>(hModule)->resolve(lpProcName) : nullptr;
}
