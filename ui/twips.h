#pragma once

#include <QRect>

// The layout is kept in twips, 1/1440 inch: 15 twips make one pixel at
// 96 dots per inch, that is one device-independent pixel, so Qt's high-DPI
// scaling keeps the window in proportion on any screen.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

// A box given in twips.
struct TwipBox {
  int left;
  int top;
  int width;
  int height;
};

constexpr QRect ToPixels(const TwipBox& box) {
  return QRect(TwipsToPixels(box.left), TwipsToPixels(box.top), TwipsToPixels(box.width),
               TwipsToPixels(box.height));
}
