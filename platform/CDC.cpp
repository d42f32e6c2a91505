#include "CDC.h"

#include "private/QtConvert.h"

#include <QImage>
#include <QPainter>

CDC::CDC() = default;

CDC::CDC(QImage* target)
{
    AttachImage(target);
}

CDC::~CDC() = default;

void CDC::AttachImage(QImage* target)
{
    m_pPainter.reset();
    m_pImage = target;
    if (m_pImage && !m_pImage->isNull())
        m_pPainter = std::make_unique<QPainter>(m_pImage);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour)
{
    if (m_pPainter)
        m_pPainter->fillRect(toQRect(*rect), toQColor(colour));
}
