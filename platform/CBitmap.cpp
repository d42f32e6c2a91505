#include "CBitmap.h"

#include "private/Resources.h"

#include <QImage>
#include <QImageReader>

CBitmap::CBitmap() = default;

CBitmap::~CBitmap() = default;

BOOL CBitmap::LoadBitmap(UINT id)
{
    // Read as BMP and nothing else: left to guess, Qt would try every image plugin first.
    QImageReader reader(resourcePath(ResourceKind::Bitmap, id), "bmp");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return FALSE;
    // The system converts a loaded bitmap to the screen's format; a palette image could
    // not be painted on, nor selected as a drawing target, otherwise.
    m_pImage = std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32));
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    if (!m_pImage)
        return 0;
    pBitMap->bmWidth = m_pImage->width();
    pBitMap->bmHeight = m_pImage->height();
    return sizeof(BITMAP);
}
