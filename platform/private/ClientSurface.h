// The client area of a dialog: controls sit on it, and it shows a backing image that
// the window's background erase and its device contexts draw into.
#pragma once

#include "../wintypes.h"

#include <QImage>
#include <QWidget>

class CWnd;

class ClientSurface : public QWidget {
    Q_OBJECT

public:
    ClientSurface(CWnd* owner, QWidget* parent);

    QImage& image() { return m_image; }
    // Sends WM_ERASEBKGND with a context on the backing image, then shows the result.
    void eraseBackground();
    // Schedules a repaint, erasing the background first when `erase`.
    void invalidate(bool erase);
    // Carries out a scheduled repaint at once.
    void updateNow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void sendMouse(UINT message, QMouseEvent* event);
    void sendEraseBackground();

    CWnd* m_owner;
    QImage m_image;
    bool m_erasePending = false;
};
