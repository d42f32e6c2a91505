// BDialog: a dialog that paints a bitmap from the resources as its background.
#pragma once

#include "afxwin.h"

class BDialog : public CDialog {
public:
    // How the background bitmap covers the client area.
    enum { BKDRAW_TILE = 0, BKDRAW_CENTER = 1, BKDRAW_STRETCH = 2 };

    explicit BDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~BDialog() override;

    // Any other value than the three modes is ignored. Takes effect at the next erase.
    void SetBkDrawMode(int nMode);
    // 0 when the bitmap was loaded, 1 when it could not be. Takes effect at the next
    // erase.
    int SetBkBitmap(UINT nIDResource);

protected:
    CBitmap m_bmpBack;
    int m_nBkDrawMode = BKDRAW_TILE;

    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};
