// CDC: a device context, drawing into an image with QPainter.
#pragma once

#include "CRect.h"
#include "wintypes.h"

#include <memory>

class QImage;
class QPainter;

class CDC
{
public:
    CDC();
    // A context that draws into `target` (a window's client backing image).
    explicit CDC(QImage* target);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void FillSolidRect(LPCRECT rect, COLORREF colour);

protected:
    void AttachImage(QImage* target);
    QPainter* Painter() const { return m_pPainter.get(); }

private:
    QImage* m_pImage = nullptr;
    std::unique_ptr<QPainter> m_pPainter;
};
