// --progress: the progress with a list, printed without a window.
#pragma once

#include "afxwin.h"

// Prints the numbers of the progress view for the list at `path`; returns the exit status.
int PrintListProgress(const CString& path);
