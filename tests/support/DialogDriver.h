// Drives a dialog as a user would: clicks its buttons and reads its fields.
#pragma once

#include "afxwin.h"

#include <string>

class FixedClock;

// Clicks the push button with that id (its real widget).
void clickButton(CWnd& dialog, int id);
// The text a control (or, with no id, the dialog's caption) shows.
std::u16string windowText(CWnd& dialog, int id = 0);
// Sends a standard command (ID_VIEW_ZOOM_IN, ...) as the zoom keys or a menu would.
void sendCommand(CWnd& dialog, UINT id);
// Zooms the window out as far as it goes, to its own size, where its client image holds
// one pixel per client pixel (on a screen of pixel ratio 1).
void zoomToOwnSize(CWnd& dialog);
// Draws questions with START / NEXT until `word` is asked, setting the clock's second from 0
// up: the draw depends on it alone. FALSE when no second's draw asks the word.
bool drawUntil(CWnd& dialog, FixedClock& clock, const std::u16string& word);
