#include "shellapi.h"

#include "private/DropFiles.h"

#include <algorithm>
#include <cstring>

UINT DragQueryFile(HDROP drop, UINT index, LPTSTR buffer, UINT bufferSize)
{
    if (index == 0xFFFFFFFF)
        return static_cast<UINT>(drop->paths.size());
    if (index >= static_cast<UINT>(drop->paths.size()))
        return 0;
    const QString& path = drop->paths[index];
    if (!buffer)
        return static_cast<UINT>(path.size());
    if (bufferSize == 0)
        return 0;
    const UINT count = std::min(static_cast<UINT>(path.size()), bufferSize - 1);
    std::memcpy(buffer, path.utf16(), count * sizeof(WCHAR));
    buffer[count] = 0;
    return count;
}

void DragFinish(HDROP) {}
