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

// Writes `text` and a line end to a console stream, in UTF-8, as the C library's _putts
// does for standard output. Returns 0, or EOF when it could not be written.
int WriteConsoleLine(LPCTSTR text, std::FILE* stream = stdout);

// The code of the language that the user reads the program in, as "en-US", in `name` of
// `capacity` units with its terminating zero. Returns the units written with the zero, 0
// when it does not fit.
constexpr int LOCALE_NAME_MAX_LENGTH = 85;
int GetUserDefaultLocaleName(LPWSTR name, int capacity);

// Formats into a fixed buffer; unlike the original, the text is cut to fit the buffer
// (with its terminating zero), so no call can write past it. Returns the units written.
int wsprintfV(LPWSTR buffer, int capacity, LPCWSTR format, ...);
template <int N, typename... Args>
int wsprintf(WCHAR (&buffer)[N], LPCWSTR format, const Args&... args)
{
    return wsprintfV(buffer, N, format, CString::Vararg(args)...);
}
