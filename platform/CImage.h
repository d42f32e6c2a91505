// CImage: a picture decoded from the bytes of an image file, drawn stretched into a
// rectangle. The bytes are untrusted: only PNG, JPEG, GIF (its first frame) and WebP are
// decoded, within limits of file size, pixels and memory that no picture meant for a
// word passes.
#pragma once

#include "CRect.h"
#include "wintypes.h"

#include <memory>

class CDC;
class QImage;

// Why Load refused a picture.
constexpr UINT IMAGE_OK = 0;
constexpr UINT IMAGEERR_FORMAT = 1;    // not a PNG, JPEG, GIF or WebP file (or no decoder)
constexpr UINT IMAGEERR_TOO_LARGE = 2; // over the size or pixel limits
constexpr UINT IMAGEERR_DAMAGED = 3;   // the file's data cannot be decoded

class CImage {
public:
    // The largest file and picture decoded.
    static constexpr DWORD kMaxFileSize = 32 * 1024 * 1024;
    static constexpr long long kMaxPixels = 64LL * 1000 * 1000;

    CImage();
    ~CImage();
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // Decodes the picture in `nSize` bytes at `pData`, scaled down to at most `nMaxSide`
    // pixels on its longer side; IMAGE_OK, or why not, and then no picture is held.
    UINT Load(const void* pData, DWORD nSize, int nMaxSide);
    void Destroy();
    BOOL IsNull() const;
    int GetWidth() const;
    int GetHeight() const;
    // Draws the picture smoothly stretched into `rectDest`, over what is there.
    BOOL Draw(CDC* pDC, const RECT& rectDest) const;

private:
    std::unique_ptr<QImage> m_pImage;
};
