// The main dialog's context menu, which the desktop adds: each item sends the command of a
// button or key.
#pragma once

#include "afxwin.h"

class CSpeaker;
class CThinkFirst;

// Shows the menu at `point` on the screen, or over the window when the keyboard opened it
// (-1, -1), with the switches' marks, and sends the command chosen to `pOwner`.
void TrackContextMenu(CWnd* pOwner, CPoint point, BOOL bReverse, BOOL bRemember,
                      const CSpeaker& speaker, const CThinkFirst& thinkFirst);
