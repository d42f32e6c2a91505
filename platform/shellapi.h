// Reading the files of a drop (WM_DROPFILES).
#pragma once

#include "wintypes.h"

// With index 0xFFFFFFFF: the number of files. Otherwise copies the path of file `index`
// into `buffer` (cut to fit, with its zero) and returns its length in units; with a null
// buffer it only returns the length.
UINT DragQueryFile(HDROP drop, UINT index, LPTSTR buffer, UINT bufferSize);
// Ends the use of the drop's files; the platform owns them, so nothing is freed here.
void DragFinish(HDROP drop);
