#include "ListLibrary.h"

#include "libloaderapi.h"

#include <mutex>

const char16_t kNoListLibrary[] =
    u"the program's readers (zantoli-lists.so) cannot be loaded; reinstall the program";

const ListLibrary* GetListLibrary()
{
    static std::once_flag s_loaded;
    static const ListLibrary* s_pLibrary = nullptr;
    std::call_once(s_loaded, [] {
        const auto pfnGet = reinterpret_cast<GetListLibraryProc>(
            GetProcAddress(LoadLibraryA("zantoli-lists.so"), LIST_LIBRARY_ENTRY));
        if (pfnGet)
            s_pLibrary = pfnGet();
    });
    return s_pLibrary;
}
