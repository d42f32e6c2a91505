// The handheld's C runtime calls that the program uses.
#pragma once

#include "CString.h"
#include "wintypes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

// rand and srand replace the C library's: the handheld's generator is the classic
// linear congruential one, so that a seed gives the same questions it gave there.
extern "C" {
int rand(void) noexcept;
void srand(unsigned int seed) noexcept;
}
constexpr int HANDHELD_RAND_MAX = 0x7FFF;

// Unicode white space: space, tab, CR, LF, VT, FF and the other space separators.
int iswspace(WCHAR ch);

// The C library's console output for wide text, in UTF-8: _fputts writes `text` to
// `stream`, _putts writes it and a line end to standard output.
int _fputts(LPCTSTR text, std::FILE* stream);
int _putts(LPCTSTR text);

// Formats into a fixed buffer; unlike the original, the text is cut to fit the buffer
// (with its terminating zero), so no call can write past it. Returns the units written.
int wsprintfV(LPWSTR buffer, int capacity, LPCWSTR format, ...);
template <int N, typename... Args>
int wsprintf(WCHAR (&buffer)[N], LPCWSTR format, const Args&... args)
{
    return wsprintfV(buffer, N, format, CString::Vararg(args)...);
}
