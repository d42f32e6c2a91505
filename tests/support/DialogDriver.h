// Drives a dialog as a user would: clicks its buttons and reads its fields.
#pragma once

#include "afxwin.h"

#include <string>

// Clicks the push button with that id (its real widget).
void clickButton(CWnd& dialog, int id);
// The text a control (or, with no id, the dialog's caption) shows.
std::u16string windowText(CWnd& dialog, int id = 0);
