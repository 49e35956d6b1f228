#pragma once

// What a person sees in a picture of the window: contrast, changes and lines.

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace quorvane::testing {

// WCAG's contrast ratio of two colours, from 1 (the same) to 21.
inline double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& colour) {
    const auto linear = [](double channel) {
      return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
  };
  const double lighter = std::max(luminance(a), luminance(b));
  const double darker = std::min(luminance(a), luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

// The pixels of the area that differ between the two pictures by 3:1 or more,
// the least a person is sure to see (WCAG 1.4.11).
inline int VisiblyChangedPixels(const QImage& before, const QImage& after, const QRect& area) {
  int changed = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (Contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3.0) ++changed;
    }
  }
  return changed;
}

// The lines of dark text in a picture, counted as bands of rows that hold
// any nearly black pixel.
inline int TextLines(const QImage& picture) {
  int lines = 0;
  bool inLine = false;
  for (int y = 0; y < picture.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < picture.width() && !ink; ++x) ink = qGray(picture.pixel(x, y)) < 96;
    lines += ink && !inLine ? 1 : 0;
    inLine = ink;
  }
  return lines;
}

}  // namespace quorvane::testing
