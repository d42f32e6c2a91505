// Where the application's resources live: compiled in by Qt's resource system, found by
// kind and numeric id, as the handheld found them in the executable.
#pragma once

#include "../wintypes.h"

#include <QString>

enum class ResourceKind { Dialog, Bitmap, Icon, Accelerators };

inline QString resourcePath(ResourceKind kind, UINT id)
{
    static const char* const folders[] = {"dialog", "bitmap", "icon", "accelerators"};
    return QStringLiteral(":/res/%1/%2")
        .arg(QLatin1String(folders[static_cast<int>(kind)]))
        .arg(id);
}
