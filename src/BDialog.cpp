#include "BDialog.h"

BEGIN_MESSAGE_MAP(BDialog, CDialog)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BDialog::BDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

BDialog::~BDialog() = default;

void BDialog::SetBkDrawMode(int nMode)
{
    if (nMode == BKDRAW_TILE || nMode == BKDRAW_CENTER || nMode == BKDRAW_STRETCH)
        m_nBkDrawMode = nMode;
}

int BDialog::SetBkBitmap(UINT nIDResource)
{
    return m_bmpBack.LoadBitmap(nIDResource) ? 0 : 1;
}

BOOL BDialog::OnEraseBkgnd(CDC* pDC)
{
    // The plain erase runs first, also under a bitmap: whatever the bitmap leaves
    // uncovered shows the window colour.
    CDialog::OnEraseBkgnd(pDC);
    if (m_bmpBack.GetSafeHandle() == nullptr)
        return TRUE;

    CRect rect;
    GetClientRect(rect);
    const int nWidth = rect.Width();
    const int nHeight = rect.Height();

    CDC dcMem;
    dcMem.CreateCompatibleDC(pDC);
    CBitmap* pOldBitmap = dcMem.SelectObject(&m_bmpBack);
    BITMAP bm = {};
    m_bmpBack.GetBitmap(&bm);

    // Each copy spans the whole client area; the tiles after it paint over its excess.
    // An empty bitmap would never advance the loops.
    if (m_nBkDrawMode == BKDRAW_TILE && bm.bmWidth > 0 && bm.bmHeight > 0) {
        for (int y = 0; y < nHeight; y += bm.bmHeight) {
            for (int x = 0; x < nWidth; x += bm.bmWidth)
                pDC->BitBlt(x, y, nWidth, nHeight, &dcMem, 0, 0, SRCCOPY);
        }
    }
    // A bitmap as large as the client area or larger starts at its edge and is cut.
    if (m_nBkDrawMode == BKDRAW_CENTER) {
        const int x = bm.bmWidth < nWidth ? (nWidth - bm.bmWidth) / 2 : 0;
        const int y = bm.bmHeight < nHeight ? (nHeight - bm.bmHeight) / 2 : 0;
        pDC->BitBlt(x, y, nWidth, nHeight, &dcMem, 0, 0, SRCCOPY);
    }
    if (m_nBkDrawMode == BKDRAW_STRETCH)
        pDC->StretchBlt(0, 0, nWidth, nHeight, &dcMem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);

    dcMem.SelectObject(pOldBitmap);
    return TRUE;
}
