#include "ListLibrary.h"

#include "libloaderapi.h"

const char16_t kNoListLibrary[] = u"the program's readers (zantoli-lists.so and "
                                  u"zantoli-packages.so) cannot be loaded; reinstall the program";

namespace {

template <typename Functions>
const Functions* LoadModule(const char* pszModule, const char* pszEntry)
{
    using GetFunctionsProc = const Functions* (*)();
    const auto pfnGet =
        reinterpret_cast<GetFunctionsProc>(GetProcAddress(LoadLibraryA(pszModule), pszEntry));
    return pfnGet ? pfnGet() : nullptr;
}

} // namespace

const ListLibrary* GetListLibrary()
{
    static const ListLibrary* const s_pLibrary =
        LoadModule<ListLibrary>("zantoli-lists.so", LIST_LIBRARY_ENTRY);
    return s_pLibrary;
}

const ListReaders* GetListReaders(formats::FileKind kind)
{
    if (!formats::isPackage(kind)) {
        const ListLibrary* pLibrary = GetListLibrary();
        return pLibrary ? &pLibrary->textReaders : nullptr;
    }
    static const ListReaders* const s_pReaders =
        LoadModule<ListReaders>("zantoli-packages.so", PACKAGE_READERS_ENTRY);
    return s_pReaders;
}
