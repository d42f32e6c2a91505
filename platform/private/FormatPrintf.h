// printf-style formatting of UTF-16 texts, shared by CString::Format and wsprintf.
#pragma once

#include "../wintypes.h"

#include <QString>
#include <cstdarg>

// %s takes a zero-terminated UTF-16 string; %d, %f and the other printf conversions are
// as in C, and "%L" before a number writes it with the decimal sign of the interface's
// language. The formatting itself is Qt's.
QString formatPrintf(LPCWSTR format, va_list args);
