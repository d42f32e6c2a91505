// Where the application's resources live: compiled in by Qt's resource system, found by
// kind and numeric id, as the handheld found them in the executable.
#pragma once

#include "../wintypes.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QString>

enum class ResourceKind { Dialog, Bitmap, Icon, Accelerators };

// The files are named after their kind and id, with the suffix of their format, so that
// Qt knows the format from the name and need not try its image plugins one by one.
inline QString resourcePath(ResourceKind kind, UINT id)
{
    static const char* const names[] = {"dialog%1.json", "bitmap%1.bmp", "icon%1.ico",
                                        "accelerators%1.json"};
    return QStringLiteral(":/res/") + QString::fromLatin1(names[static_cast<int>(kind)]).arg(id);
}

// Every image of icon resource `id`; a null icon when there is none. Read with the icon
// format named, so that Qt loads that one image plugin only.
inline QIcon iconResource(UINT id)
{
    QIcon icon;
    QImageReader reader(resourcePath(ResourceKind::Icon, id), "ico");
    reader.setAutoDetectImageFormat(false);
    const int count = reader.imageCount();
    for (int index = 0; index < count && reader.jumpToImage(index); ++index)
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    return icon;
}
