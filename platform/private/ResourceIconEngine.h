// An icon from the resources that is decoded when it is first drawn, not when it is
// loaded: decoding an icon's transparency costs Qt a colour table it builds on first use,
// which the start-up need not wait for where the window system never asks for the icon.
#pragma once

#include "../wintypes.h"

#include <QIcon>
#include <QIconEngine>

class ResourceIconEngine : public QIconEngine {
public:
    explicit ResourceIconEngine(UINT id) : m_id(id) {}

    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    const QIcon& decoded();

    UINT m_id;
    QIcon m_icon;
};
