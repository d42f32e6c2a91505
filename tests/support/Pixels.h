// Reading what a window painted: its client backing image, compared pixel by pixel.
#pragma once

#include "afxwin.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

// The pixels of bitmap resource `id`, decoded by Qt straight from the resources.
QImage bitmapResource(UINT id);
// The colour of the plain background erase.
QRgb windowColour();
// The backing image of a dialog's client area (its window must exist).
QImage& clientImage(CWnd& dialog);

// Every pixel of `actual` is `expected(x, y)`; on failure names the first pixel that is
// not and how many are not.
::testing::AssertionResult pixelsAre(const QImage& actual,
                                     const std::function<QRgb(int, int)>& expected);
// `bitmap` repeated from the top-left corner.
std::function<QRgb(int, int)> tiled(const QImage& bitmap);
