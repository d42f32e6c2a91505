#include "DicFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr size_t kBlockSize = 64 * 1024;
constexpr WCHAR kLF = 10;
constexpr WCHAR kCR = 13;

// The offset of the first LF unit (bytes 0A 00 at an even offset), or `size`.
size_t FindLineFeed(const BYTE* bytes, size_t size)
{
    size_t offset = 0;
    while (offset < size) {
        const void* hit = std::memchr(bytes + offset, 0x0A, size - offset);
        if (!hit)
            return size;
        const size_t at = static_cast<size_t>(static_cast<const BYTE*>(hit) - bytes);
        if (at % 2 == 0 && at + 1 < size && bytes[at + 1] == 0)
            return at;
        offset = at + 1;
    }
    return size;
}

void CopyUnits(WCHAR* target, const BYTE* bytes, size_t units)
{
    std::memcpy(target, bytes, units * sizeof(WCHAR));
    if constexpr (std::endian::native == std::endian::big) {
        for (size_t i = 0; i < units; ++i)
            target[i] = static_cast<WCHAR>((target[i] >> 8) | (target[i] << 8));
    }
}

} // namespace

DicFile::DicFile() : m_fileException(CFileException::none, -1, nullptr), m_buffer(kBlockSize) {}

DicFile::~DicFile() = default;

void DicFile::SetFileName(CString fileName)
{
    m_strFileName = fileName;
}

BOOL DicFile::OpenRead()
{
    if (!m_file.Open(m_strFileName, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary,
                     &m_fileException))
        return FALSE;
    m_nPos = 0;
    m_file.SeekToBegin();
    m_nBufferPos = m_nBufferEnd = 0;
    m_nLength = m_file.GetLength();
    return TRUE;
}

BOOL DicFile::FillBuffer()
{
    const size_t left = m_nBufferEnd - m_nBufferPos;
    if (left >= 2)
        return TRUE;
    // A lone byte left over is the low half of a unit whose high half is still to come.
    if (left == 1)
        m_buffer[0] = m_buffer[m_nBufferPos];
    m_nBufferPos = 0;
    m_nBufferEnd = left;
    const UINT got = m_file.Read(m_buffer.data() + left, static_cast<UINT>(kBlockSize - left));
    m_nBufferEnd += got;
    m_nLength = m_file.GetLength();
    return m_nBufferEnd >= 2;
}

int DicFile::ReadLine(WCHAR* buffer, int capacity)
{
    const size_t limit = capacity > 0 ? static_cast<size_t>(capacity - 1) : 0;
    size_t stored = 0;
    for (;;) {
        if (!FillBuffer()) {
            if (m_nBufferEnd - m_nBufferPos == 1) {
                // A file of odd length: its last byte is one more unit, and reading ends.
                const WCHAR unit = m_buffer[m_nBufferPos++];
                m_nPos += 1;
                if (stored < limit)
                    buffer[stored++] = unit;
                if (unit == kLF)
                    return static_cast<int>(stored);
                continue;
            }
            m_nPos = static_cast<LONGLONG>(m_nLength);
            return static_cast<int>(stored);
        }
        const BYTE* bytes = m_buffer.data() + m_nBufferPos;
        const size_t available = (m_nBufferEnd - m_nBufferPos) & ~size_t{1};
        const size_t lineFeed = FindLineFeed(bytes, available);
        const bool foundLineFeed = lineFeed < available;
        const size_t consumed = foundLineFeed ? lineFeed + 2 : available;
        const size_t units = std::min(consumed / 2, limit - stored);
        CopyUnits(buffer + stored, bytes, units);
        stored += units;
        m_nBufferPos += consumed;
        m_nPos += static_cast<LONGLONG>(consumed);
        if (foundLineFeed) {
            // Only a CR right before the LF goes; a line ended by a bare LF keeps its text.
            if (stored >= 2 && buffer[stored - 1] == kLF && buffer[stored - 2] == kCR)
                buffer[stored - 2] = kLF;
            return static_cast<int>(stored);
        }
    }
}

std::string_view DicFile::PeekFirstBlock()
{
    FillBuffer();
    return std::string_view(reinterpret_cast<const char*>(m_buffer.data()) + m_nBufferPos,
                            m_nBufferEnd - m_nBufferPos);
}

ULONGLONG DicFile::GetLength()
{
    return m_file.GetLength();
}

BOOL DicFile::IsEOF()
{
    return m_nPos >= static_cast<LONGLONG>(m_nLength);
}

BOOL DicFile::Close()
{
    m_file.Close();
    return TRUE;
}
