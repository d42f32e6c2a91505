// How well one colour reads on another, as the Web Content Accessibility Guidelines measure
// it: text needs at least 4.5:1 against its background.
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

inline constexpr double kReadableContrast = 4.5;

inline double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// From 1 (the same lightness) to 21 (black on white), whichever of the two is lighter.
inline double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
