// CClientDC: a device context on a window's client area.
#pragma once

#include "CDC.h"

#include <memory>

class CWnd;
class ClientSurface;
class QPicture;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    // Releases the context and shows what was drawn.
    ~CClientDC() override;

private:
    ClientSurface* m_pSurface = nullptr;
    // What is drawn goes onto the client area when the context is released, and is kept
    // there to be drawn again when the window changes its scale.
    std::unique_ptr<QPicture> m_pDrawing;
};
