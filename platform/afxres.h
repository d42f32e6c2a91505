// The framework's standard command ids: commands that every window understands without a
// handler of its own, whether they come from keys or, later, a menu.
#pragma once

#include "wintypes.h"

// The view's zoom: one step larger, one step smaller, back to the size it opened at.
constexpr UINT ID_VIEW_ZOOM_IN = 0xE170;
constexpr UINT ID_VIEW_ZOOM_OUT = 0xE171;
constexpr UINT ID_VIEW_ZOOM_RESET = 0xE172;
