// The readers' and the memory's texts, which are standard strings, as the program's.
#pragma once

#include "afxwin.h"

#include <string>

inline CString ToCString(const std::u16string& text)
{
    return CString(text.data(), static_cast<int>(text.size()));
}
