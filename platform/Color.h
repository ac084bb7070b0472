#pragma once
// Colours as the component library stores them: $00BBGGRR, or $FF0000nn for system colour nn.
#include <cstdint>

namespace vexa {

using TColor = int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr int kSystemColorCount = 25;

// $00BBGGRR with system colours looked up in the palette; clNone and clDefault give black.
TColor ColorToRGB(TColor color);

// The pixel value a bitmap stores for a colour: 0x00RRGGBB.
uint32_t ColorToPixel(TColor color);
// The colour ($00BBGGRR) of a stored pixel value.
TColor PixelToColor(uint32_t pixel);

constexpr uint8_t GetRValue(TColor c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GetGValue(TColor c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(TColor c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
constexpr TColor RGB(uint8_t r, uint8_t g, uint8_t b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

}  // namespace vexa
