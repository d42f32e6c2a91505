#include "CImage.h"

#include "CDC.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace {

// Memory Qt may take for one decoded frame: a picture at the pixel limit, in 32 bits.
constexpr int kAllocationLimitMB = 256;

// The decoder for a file by its signature: a name or a decoder's own guess could hand the
// bytes to any of Qt's plugins (SVG, TIFF, ...).
QByteArray pictureFormat(QByteArrayView bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.sliced(8, 4) == "WEBP")
        return "webp";
    return {};
}

} // namespace

CImage::CImage() = default;

CImage::~CImage() = default;

UINT CImage::Load(const void* pData, DWORD nSize, int nMaxSide)
{
    Destroy();
    if (nSize > kMaxFileSize)
        return IMAGEERR_TOO_LARGE;
    // The bytes are read where they are, not copied.
    const QByteArray bytes =
        QByteArray::fromRawData(static_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    const QByteArray format = pictureFormat(bytes);
    if (format.isEmpty() || !QImageReader::supportedImageFormats().contains(format))
        return IMAGEERR_FORMAT;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    QImageReader::setAllocationLimit(kAllocationLimitMB);
    // The header's size decides before a pixel is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return IMAGEERR_DAMAGED;
    if (static_cast<long long>(size.width()) * size.height() > kMaxPixels)
        return IMAGEERR_TOO_LARGE;
    // JPEG decodes straight at the smaller size, the others are scaled after decoding.
    if (nMaxSide > 0 && std::max(size.width(), size.height()) > nMaxSide)
        reader.setScaledSize(size.scaled(nMaxSide, nMaxSide, Qt::KeepAspectRatio));
    auto pImage = std::make_unique<QImage>();
    if (!reader.read(pImage.get()) || pImage->isNull())
        return IMAGEERR_DAMAGED;
    m_pImage = std::move(pImage);
    return IMAGE_OK;
}

void CImage::Destroy()
{
    m_pImage.reset();
}

BOOL CImage::IsNull() const
{
    return !m_pImage;
}

int CImage::GetWidth() const
{
    return m_pImage ? m_pImage->width() : 0;
}

int CImage::GetHeight() const
{
    return m_pImage ? m_pImage->height() : 0;
}

BOOL CImage::Draw(CDC* pDC, const RECT& rectDest) const
{
    QPainter* pPainter = pDC ? pDC->m_pPainter.get() : nullptr;
    if (!m_pImage || !pPainter)
        return FALSE;
    pPainter->save();
    // A picture's transparent parts show what lies under them.
    pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    pPainter->setRenderHint(QPainter::SmoothPixmapTransform);
    pPainter->drawImage(QRect(rectDest.left, rectDest.top, rectDest.right - rectDest.left,
                              rectDest.bottom - rectDest.top),
                        *m_pImage);
    pPainter->restore();
    return TRUE;
}
