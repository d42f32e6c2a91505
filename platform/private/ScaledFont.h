// A font at `factor` times its size, whether its size is given in points or in pixels.
#pragma once

#include <QFont>

inline QFont scaledFont(QFont font, qreal factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}
