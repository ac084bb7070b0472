#include "platform/Color.h"

#include <array>

namespace vexa {
namespace {

// One fixed light desktop scheme, so that pictures are the same on every machine.
constexpr std::array<TColor, kSystemColorCount> kSystemPalette = {
    RGB(200, 200, 200),  // scroll bar
    RGB(0, 0, 0),        // desktop background
    RGB(153, 180, 209),  // active caption
    RGB(191, 205, 219),  // inactive caption
    RGB(240, 240, 240),  // menu
    RGB(255, 255, 255),  // window
    RGB(100, 100, 100),  // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(0, 0, 0),        // caption text
    RGB(180, 180, 180),  // active border
    RGB(244, 247, 252),  // inactive border
    RGB(171, 171, 171),  // application work space
    RGB(0, 120, 215),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(240, 240, 240),  // button face
    RGB(160, 160, 160),  // button shadow
    RGB(109, 109, 109),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(0, 0, 0),        // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(105, 105, 105),  // 3-D dark shadow
    RGB(227, 227, 227),  // 3-D light
    RGB(0, 0, 0),        // tool tip text
    RGB(255, 255, 225),  // tool tip background
};

}  // namespace

TColor ColorToRGB(TColor color) {
  const auto bits = static_cast<uint32_t>(color);
  if ((bits & 0xFF000000u) == 0xFF000000u) {
    const uint32_t index = bits & 0xFFu;
    return index < kSystemPalette.size() ? kSystemPalette[index] : clBlack;
  }
  if (color == clNone || color == clDefault) return clBlack;
  return static_cast<TColor>(bits & 0x00FFFFFFu);
}

uint32_t ColorToPixel(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return (uint32_t{GetRValue(rgb)} << 16) | (uint32_t{GetGValue(rgb)} << 8) | GetBValue(rgb);
}

TColor PixelToColor(uint32_t pixel) {
  return RGB(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel));
}

}  // namespace vexa
