// Framework colours: 0x00BBGGRR, or a system colour (high byte 0xFF, index in the low
// byte), or one of the two markers clNone and clDefault.
#pragma once

#include <cstdint>

namespace kova {

using TColor = int32_t;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | index);
}
constexpr TColor RGBColor(int r, int g, int b) {
  return r | (g << 8) | (b << 16);
}

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clGrayText = SystemColor(17);

constexpr bool IsSystemColor(TColor color) {
  return (static_cast<uint32_t>(color) >> 24) == 0xFF;
}

}  // namespace kova
