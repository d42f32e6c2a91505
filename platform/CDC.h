// CDC: a device context, drawing into an image with QPainter.
#pragma once

#include "CPoint.h"
#include "CRect.h"
#include "wintypes.h"

#include <memory>

class CBitmap;
class CPen;
class QImage;
class QPaintDevice;
class QPainter;
class QPicture;

class CDC {
public:
    CDC();
    // A context that draws into `target` (a window's client backing image).
    explicit CDC(QImage* target);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Makes this a memory context that holds no bitmap yet. All images here share one
    // format, so any context is compatible with any other.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Puts a bitmap into a memory context and returns the one it held before. A fresh
    // memory context returns null here (the system's holds a 1 x 1 stock bitmap); null
    // selected back leaves the context empty. A window's context takes no bitmap.
    CBitmap* SelectObject(CBitmap* pBitmap);
    // Returns the pen used before; null stands for the default 1-pixel black pen and
    // selects it back.
    CPen* SelectObject(CPen* pPen);

    void FillSolidRect(LPCRECT rect, COLORREF colour);
    // Only SRCCOPY is done; another raster operation returns FALSE and draws nothing.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);
    // Both return the position they replace and draw with the selected pen.
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);

protected:
    // Draws into `target`, which is also what the context's bitmap reads from; null ends
    // the drawing.
    void AttachImage(QImage* target);
    // Records what is drawn, to be drawn onto an image later.
    void AttachPicture(QPicture* target);

private:
    // A picture draws with the context's painter.
    friend class CImage;

    void BeginPainting(QPaintDevice* target);
    const QImage* SourceImage() const;

    QImage* m_pImage = nullptr;
    std::unique_ptr<QPainter> m_pPainter;
    bool m_bMemory = false;
    CBitmap* m_pBitmap = nullptr;
    CPen* m_pPen = nullptr;
    CPoint m_ptCurrent;
};
