#include "ClientSurface.h"

#include "../CDC.h"
#include "../CWnd.h"
#include "Contrast.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

ClientSurface::ClientSurface(CWnd* owner, QWidget* parent) : QWidget(parent), m_owner(owner)
{
    // The stylus handlers see moves with the button up as well.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientSurface::setClientSize(const QSize& clientSize, qreal scale)
{
    m_clientSize = clientSize;
    m_scale = scale;
    setFixedSize(qRound(clientSize.width() * scale), qRound(clientSize.height() * scale));
}

void ClientSurface::paintBackground()
{
    CDC dc(&m_image);
    m_owner->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
    fitPaletteToBackground();
}

namespace {

// The mean colour of `image`, from a grid of its pixels.
QColor meanColour(const QImage& image)
{
    constexpr int kGrid = 32;
    double red = 0;
    double green = 0;
    double blue = 0;
    int count = 0;
    for (int row = 0; row < kGrid; ++row) {
        for (int column = 0; column < kGrid; ++column) {
            const QRgb pixel = image.pixel(column * (image.width() - 1) / (kGrid - 1),
                                           row * (image.height() - 1) / (kGrid - 1));
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    return QColor(qRound(red / count), qRound(green / count), qRound(blue / count));
}

} // namespace

void ClientSurface::fitPaletteToBackground()
{
    if (m_image.isNull() || !parentWidget())
        return;
    const QPalette window = parentWidget()->palette();
    const QColor background = meanColour(m_image);
    const bool readable =
        contrastRatio(window.color(QPalette::WindowText), background) >= kReadableContrast;
    if (readable == !testAttribute(Qt::WA_SetPalette))
        return;
    // Some styles paint buttons and frames in colours of their own whatever the palette
    // says (a dark style's dark faces under the palette's black labels); the controls then
    // take a style that paints with the palette.
    if (!readable && !m_ownStyle) {
        m_ownStyle = QStyleFactory::create(QStringLiteral("Fusion"));
        m_ownStyle->setParent(this);
    }
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setStyle(readable ? nullptr : m_ownStyle);
    if (readable) {
        setPalette(QPalette());
        return;
    }
    // A palette made from its button colour, the one the background is closest to: black or
    // white text, plain fields and buttons.
    const bool light = relativeLuminance(background) > 0.18;
    setPalette(QPalette(light ? QColor(0xEF, 0xEF, 0xEF) : QColor(0x35, 0x35, 0x35)));
}

void ClientSurface::sendEraseBackground()
{
    m_erasePending = false;
    m_drawn.clear();
    paintBackground();
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

void ClientSurface::drawRecorded(const QPicture& drawing)
{
    QPainter painter(&m_image);
    painter.drawPicture(0, 0, drawing);
    painter.end();
    update();
    keepRecorded(drawing);
}

// A recording on its own costs about a kilobyte, which a stroke of the pen pays for each
// of its segments; gathered in runs, a segment costs a few dozen bytes.
void ClientSurface::keepRecorded(const QPicture& drawing)
{
    constexpr uint kRunBytes = 4096;
    if (m_drawn.empty() || m_drawn.back().size() >= kRunBytes) {
        m_drawn.push_back(drawing);
        return;
    }
    QPicture run;
    QPainter painter(&run);
    painter.drawPicture(0, 0, m_drawn.back());
    painter.drawPicture(0, 0, drawing);
    painter.end();
    m_drawn.back() = run;
}

void ClientSurface::paintEvent(QPaintEvent* event)
{
    if (m_erasePending)
        sendEraseBackground();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // One image pixel to one device pixel: the image is as large as the widget.
    painter.drawImage(rect(), m_image, m_image.rect());
}

void ClientSurface::resizeEvent(QResizeEvent*)
{
    // Device pixels at the scale shown, so that strokes and bitmaps stay sharp on large
    // windows and high-density screens; drawing into it is in client coordinates all the
    // same.
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(size() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio * m_scale);
    m_image.fill(Qt::white);
    paintAgain();
}

// The desktop's colours changed: the window colour of a plain erase, and what reads on it.
void ClientSurface::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_image.isNull())
        paintAgain();
}

// What was drawn since the last erase stays, drawn again over a new erase.
void ClientSurface::paintAgain()
{
    paintBackground();
    QPainter painter(&m_image);
    for (const QPicture& drawing : m_drawn)
        painter.drawPicture(0, 0, drawing);
    painter.end();
    update();
}

void ClientSurface::redrawBackground()
{
    m_erasePending = false;
    paintAgain();
    repaint();
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
    // The client pixel under the pointer.
    const QPointF position = event->position() / m_scale;
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    const UINT flags = (event->buttons() & Qt::LeftButton) ? MK_LBUTTON : 0;
    m_owner->SendMessage(message, flags, MAKELPARAM(x, y));
}
