#include "CDC.h"

#include "CBitmap.h"
#include "CPen.h"
#include "private/QtConvert.h"

#include <QImage>
#include <QPainter>
#include <QPicture>

CDC::CDC() = default;

CDC::CDC(QImage* target)
{
    AttachImage(target);
}

CDC::~CDC() = default;

void CDC::AttachImage(QImage* target)
{
    m_pImage = target;
    BeginPainting(target && !target->isNull() ? target : nullptr);
}

void CDC::AttachPicture(QPicture* target)
{
    m_pImage = nullptr;
    BeginPainting(target);
}

void CDC::BeginPainting(QPaintDevice* target)
{
    m_pPainter.reset();
    if (!target)
        return;
    m_pPainter = std::make_unique<QPainter>(target);
    // Drawing replaces pixels, as on the handheld's screen.
    m_pPainter->setCompositionMode(QPainter::CompositionMode_Source);
    if (m_pPen && m_pPen->GetSafeHandle())
        m_pPainter->setPen(*m_pPen->GetSafeHandle());
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    AttachImage(nullptr);
    m_bMemory = true;
    m_pBitmap = nullptr;
    return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (!m_bMemory)
        return nullptr;
    CBitmap* previous = m_pBitmap;
    m_pBitmap = pBitmap;
    AttachImage(pBitmap ? pBitmap->GetSafeHandle() : nullptr);
    return previous;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (pPen && !pPen->GetSafeHandle())
        return nullptr;
    CPen* previous = m_pPen;
    m_pPen = pPen;
    if (m_pPainter)
        m_pPainter->setPen(pPen ? *pPen->GetSafeHandle() : QPen());
    return previous;
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour)
{
    if (m_pPainter)
        m_pPainter->fillRect(toQRect(*rect), toQColor(colour));
}

const QImage* CDC::SourceImage() const
{
    return m_pImage && !m_pImage->isNull() ? m_pImage : nullptr;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop)
{
    const QImage* source = pSrcDC ? pSrcDC->SourceImage() : nullptr;
    if (dwRop != SRCCOPY || !m_pPainter || !source)
        return FALSE;
    // Only the part of the source that exists is copied; where the extent reaches beyond
    // the bitmap, the destination keeps what it had (the system copies undefined pixels).
    const QRect copied = QRect(xSrc, ySrc, nWidth, nHeight).intersected(source->rect());
    m_pPainter->drawImage(QPoint(x + copied.x() - xSrc, y + copied.y() - ySrc), *source, copied);
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    const QImage* source = pSrcDC ? pSrcDC->SourceImage() : nullptr;
    if (dwRop != SRCCOPY || !m_pPainter || !source)
        return FALSE;
    // No smoothing: every pixel is a copy of one source pixel, as on the handheld.
    m_pPainter->drawImage(QRect(x, y, nWidth, nHeight), *source,
                          QRect(xSrc, ySrc, nSrcWidth, nSrcHeight));
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint previous = m_ptCurrent;
    m_ptCurrent = CPoint(x, y);
    return previous;
}

BOOL CDC::LineTo(int x, int y)
{
    if (!m_pPainter)
        return FALSE;
    // Qt also draws the end point, which the system leaves out; the next segment starts
    // there anyway.
    m_pPainter->drawLine(m_ptCurrent.x, m_ptCurrent.y, x, y);
    m_ptCurrent = CPoint(x, y);
    return TRUE;
}
