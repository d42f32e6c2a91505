#include "libloaderapi.h"

#include "private/ModuleFolders.h"

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

// A module and the libraries it brings look up their symbols among themselves first: the
// program's own libraries are many, and libcrypto (which libzip brings) alone would search
// all of them for each of its thousands of symbols. Not when a library is put in front of
// the others (LD_PRELOAD, /etc/ld.so.preload) to replace some of their functions, such as
// an allocator or a tracer: a module's calls must reach it too. AddressSanitizer, which must
// see every allocation, refuses such modules (GCC tells it by a macro, clang by a feature).
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ADDRESS_SANITIZED
#endif
#endif
QLibrary::LoadHints ModuleLoadHints()
{
#if defined(__SANITIZE_ADDRESS__) || defined(ADDRESS_SANITIZED)
    return {};
#else
    const bool preloaded = !qEnvironmentVariableIsEmpty("LD_PRELOAD") ||
                           QFileInfo(QStringLiteral("/etc/ld.so.preload")).size() > 0;
    return preloaded ? QLibrary::LoadHints() : QLibrary::DeepBindHint;
#endif
}

} // namespace

HMODULE LoadLibraryA(const char* lpLibFileName)
{
    const QString name = QString::fromUtf8(lpLibFileName);
    for (const QString& folder : moduleFolders()) {
        // A folder without the module is passed over without asking dlopen: a failed dlopen
        // keeps its message in the calling thread, and a pool thread that ends with the
        // program leaves that message to the leak checker.
        const QString path = folder + u'/' + name;
        if (!QFileInfo::exists(path))
            continue;
        auto module = std::make_unique<QLibrary>(path);
        module->setLoadHints(ModuleLoadHints());
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
