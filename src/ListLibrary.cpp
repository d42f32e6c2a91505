#include "ListLibrary.h"

#include "Translation.h"
#include "libloaderapi.h"

CString NoListLibraryMessage()
{
    return AfxTranslate("ListLibrary",
                        "the program's readers (zantoli-lists.so and "
                        "zantoli-packages.so) cannot be loaded; reinstall the program");
}

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
