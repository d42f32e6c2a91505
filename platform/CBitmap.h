// CBitmap: a bitmap loaded from the application's resources, held as an image.
#pragma once

#include "wintypes.h"

#include <memory>

class QImage;
using HBITMAP = QImage*;

// Only the fields the program reads.
struct BITMAP {
    LONG bmWidth;
    LONG bmHeight;
};

class CBitmap {
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Nonzero when the bitmap resource with that id was loaded; 0 when there is no such
    // bitmap, and then a bitmap held before stays.
    BOOL LoadBitmap(UINT id);
    // Fills the bitmap's size; 0 when none is held.
    int GetBitmap(BITMAP* pBitMap) const;
    // The image behind the bitmap; null while none is held.
    HBITMAP GetSafeHandle() const { return m_pImage.get(); }

private:
    std::unique_ptr<QImage> m_pImage;
};
