// CClientDC: a device context on a window's client area, drawing at once.
#pragma once

#include "CDC.h"

class CWnd;
class ClientSurface;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    // Releases the context and shows what was drawn.
    ~CClientDC() override;

private:
    ClientSurface* m_pSurface = nullptr;
};
