#include "ClientSurface.h"

#include "../CDC.h"
#include "../CWnd.h"

#include <QMouseEvent>
#include <QPainter>

ClientSurface::ClientSurface(CWnd* owner, QWidget* parent) : QWidget(parent), m_owner(owner)
{
    // The stylus handlers see moves with the button up as well.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientSurface::sendEraseBackground()
{
    m_erasePending = false;
    CDC dc(&m_image);
    m_owner->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
}

void ClientSurface::eraseBackground()
{
    sendEraseBackground();
    update();
}

void ClientSurface::invalidate(bool erase)
{
    m_erasePending = m_erasePending || erase;
    update();
}

void ClientSurface::updateNow()
{
    if (m_erasePending)
        sendEraseBackground();
    repaint();
}

void ClientSurface::paintEvent(QPaintEvent* event)
{
    if (m_erasePending)
        sendEraseBackground();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_image);
}

void ClientSurface::resizeEvent(QResizeEvent*)
{
    // Device pixels, so that strokes and bitmaps stay sharp on high-density screens;
    // drawing into it is in client coordinates all the same.
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(size() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::white);
    eraseBackground();
}

void ClientSurface::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        sendMouse(WM_LBUTTONDOWN, event);
}

void ClientSurface::mouseMoveEvent(QMouseEvent* event)
{
    sendMouse(WM_MOUSEMOVE, event);
}

void ClientSurface::sendMouse(UINT message, QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const UINT flags = (event->buttons() & Qt::LeftButton) ? MK_LBUTTON : 0;
    m_owner->SendMessage(message, flags, MAKELPARAM(point.x(), point.y()));
}
