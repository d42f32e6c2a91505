// The client area of a dialog: controls sit on it, and it shows a backing image that
// the window's background erase and its device contexts draw into.
#pragma once

#include "../wintypes.h"

#include <QImage>
#include <QPicture>
#include <QWidget>
#include <vector>

class CWnd;

class ClientSurface : public QWidget {
    Q_OBJECT

public:
    ClientSurface(CWnd* owner, QWidget* parent);

    // The client area as the program sees it: its own size, in its own coordinates, however
    // large it is shown.
    QSize clientSize() const { return m_clientSize; }
    // Shows a client area of `clientSize` at `scale` times that size. The program's drawing
    // is scaled with it, and the mouse reaches it in client coordinates.
    void setClientSize(const QSize& clientSize, qreal scale);
    qreal scale() const { return m_scale; }

    // Device pixels: client coordinates times the scale and the screen's pixel ratio.
    QImage& image() { return m_image; }
    // Sends WM_ERASEBKGND with a context on the backing image, then shows the result.
    void eraseBackground();
    // Schedules a repaint, erasing the background first when `erase`.
    void invalidate(bool erase);
    // Carries out a scheduled repaint at once.
    void updateNow();
    // Puts what a client context drew onto the image. It is kept until the next erase, so
    // that it can be drawn again at another scale.
    void drawRecorded(const QPicture& drawing);
    // Erases the background again and draws what was kept over it, at once.
    void redrawBackground();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void sendMouse(UINT message, QMouseEvent* event);
    void sendEraseBackground();
    void paintBackground();
    void paintAgain();
    // The controls on the surface read on what the erase painted: where the window's
    // palette would not (light text on a light bitmap, on a dark desktop), they take a
    // palette of their own made for it.
    void fitPaletteToBackground();
    void keepRecorded(const QPicture& drawing);

    CWnd* m_owner;
    QSize m_clientSize;
    qreal m_scale = 1;
    QImage m_image;
    std::vector<QPicture> m_drawn;
    bool m_erasePending = false;
    // The style of the controls while they keep a palette of their own; a child made after
    // them, so that it outlives them.
    QStyle* m_ownStyle = nullptr;
};
