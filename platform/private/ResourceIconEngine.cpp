#include "ResourceIconEngine.h"

#include "Resources.h"

const QIcon& ResourceIconEngine::decoded()
{
    if (m_icon.isNull())
        m_icon = iconResource(m_id);
    return m_icon;
}

void ResourceIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                               QIcon::State state)
{
    decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap ResourceIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return decoded().pixmap(size, mode, state);
}

QSize ResourceIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return decoded().actualSize(size, mode, state);
}

QList<QSize> ResourceIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return decoded().availableSizes(mode, state);
}
