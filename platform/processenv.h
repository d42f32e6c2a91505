// Finding a program on the search path, as the system library does.
#pragma once

#include "wintypes.h"

// Looks for the program `lpFileName` in the folders of the PATH variable (or in `lpPath`,
// folders separated by ':', when it is given). Copies its full path into `lpBuffer` (cut
// to fit, with its zero) and returns the path's length in units; 0 when none is found.
// `lpExtension` is for the system library's sake: programs here have no extension.
DWORD SearchPath(LPCTSTR lpPath, LPCTSTR lpFileName, LPCTSTR lpExtension, DWORD nBufferLength,
                 LPTSTR lpBuffer, LPTSTR* lpFilePart);
