#include "CBitmap.h"

#include "private/Resources.h"

#include <QImage>

CBitmap::CBitmap() = default;

CBitmap::~CBitmap() = default;

BOOL CBitmap::LoadBitmap(UINT id)
{
    QImage image(resourcePath(ResourceKind::Bitmap, id));
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
