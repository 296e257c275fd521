#include "htmltext/color.h"

#include <array>
#include <utility>

namespace kova {

namespace {

struct NamedColor {
  const char16_t* name;
  Color color;
};

constexpr NamedColor kPlainColors[] = {
    {u"clred", Rgb(255, 0, 0)},       {u"clblack", Rgb(0, 0, 0)},
    {u"clblue", Rgb(0, 0, 255)},      {u"clgreen", Rgb(0, 128, 0)},
    {u"claqua", Rgb(0, 255, 255)},    {u"clyellow", Rgb(255, 255, 0)},
    {u"clfuchsia", Rgb(255, 0, 255)}, {u"clwhite", Rgb(255, 255, 255)},
    {u"cllime", Rgb(0, 255, 0)},      {u"clsilver", Rgb(192, 192, 192)},
    {u"clgray", Rgb(128, 128, 128)},  {u"clolive", Rgb(128, 128, 0)},
    {u"clnavy", Rgb(0, 0, 128)},      {u"clpurple", Rgb(128, 0, 128)},
    {u"clteal", Rgb(0, 128, 128)},    {u"clmaroon", Rgb(128, 0, 0)},
};

// Index i of this table is system colour i + 1.
constexpr const char16_t* kSystemColorNames[] = {
    u"clbackground",
    u"clactivecaption",
    u"clinactivecaption",
    u"clmenu",
    u"clwindow",
    u"clwindowframe",
    u"clmenutext",
    u"clwindowtext",
    u"clcaptiontext",
    u"clactiveborder",
    u"clinactiveborder",
    u"clappworkspace",
    u"clhighlight",
    u"clhighlighttext",
    u"clbtnface",
    u"clbtnshadow",
    u"clgraytext",
    u"clbtntext",
    u"clinactivecaptiontext",
    u"clbtnhighlight",
    u"cl3ddkshadow",
    u"cl3dlight",
    u"clinfotext",
    u"clinfobk",
};

int HexDigit(WideStringView text, size_t i) {
  if (i >= text.size())
    return 0;
  int c = text[i];
  return c < 'A' ? c - '0' : c - 55;
}

}  // namespace

Color ColorFromName(WideStringView name) {
  Color result = 0;
  for (const auto& entry : kPlainColors) {
    if (name == entry.name) {
      result = entry.color;
      break;
    }
  }
  if (result != 0)
    return result;
  for (size_t i = 0; i < std::size(kSystemColorNames); ++i) {
    if (name == kSystemColorNames[i])
      return SysColor(static_cast<int>(i) + 1);
  }
  return 0;
}

Color ColorFromHex(WideStringView text) {
  size_t start = !text.empty() && text[0] == u'#' ? 1 : 0;
  auto pair = [&](size_t at) {
    return HexDigit(text, start + at) * 16 + HexDigit(text, start + at + 1);
  };
  long long value = pair(0) + pair(2) * 256LL + pair(4) * 65536LL;
  return static_cast<Color>(static_cast<unsigned long long>(value) & 0xFFFFFF);
}

Color ParseColor(WideStringView value) {
  if (!value.empty() && value[0] == u'#')
    return ColorFromHex(value);
  return ColorFromName(value);
}

Color DefaultSystemColor(int index) {
  static constexpr std::array<Color, 31> kTable = {
      Rgb(212, 208, 200),  // 0 scroll bar
      Rgb(58, 110, 165),   // 1 desktop
      Rgb(10, 36, 106),    // 2 active caption
      Rgb(128, 128, 128),  // 3 inactive caption
      Rgb(212, 208, 200),  // 4 menu
      Rgb(255, 255, 255),  // 5 window
      Rgb(0, 0, 0),        // 6 window frame
      Rgb(0, 0, 0),        // 7 menu text
      Rgb(0, 0, 0),        // 8 window text
      Rgb(255, 255, 255),  // 9 caption text
      Rgb(212, 208, 200),  // 10 active border
      Rgb(212, 208, 200),  // 11 inactive border
      Rgb(128, 128, 128),  // 12 application workspace
      Rgb(10, 36, 106),    // 13 highlight
      Rgb(255, 255, 255),  // 14 highlight text
      Rgb(212, 208, 200),  // 15 button face
      Rgb(128, 128, 128),  // 16 button shadow
      Rgb(128, 128, 128),  // 17 grey text
      Rgb(0, 0, 0),        // 18 button text
      Rgb(212, 208, 200),  // 19 inactive caption text
      Rgb(255, 255, 255),  // 20 button highlight
      Rgb(64, 64, 64),     // 21 3-D dark shadow
      Rgb(212, 208, 200),  // 22 3-D light
      Rgb(0, 0, 0),        // 23 info text
      Rgb(255, 255, 225),  // 24 info background
      Rgb(181, 181, 181),  // 25 (unused)
      Rgb(0, 0, 128),      // 26 hot light
      Rgb(166, 202, 240),  // 27 gradient active caption
      Rgb(192, 192, 192),  // 28 gradient inactive caption
      Rgb(49, 106, 197),   // 29 menu highlight
      Rgb(236, 233, 216),  // 30 menu bar
  };
  if (index < 0 || index >= static_cast<int>(kTable.size()))
    return 0;
  return kTable[static_cast<size_t>(index)];
}

}  // namespace kova
