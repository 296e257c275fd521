#include "htmltext/color.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

TEST(ColorTest, NamesResolvePlainColoursFirstThenSystemColours) {
  struct Case {
    const char16_t* name;
    Color expected;
  } cases[] = {
      {u"clred", Rgb(255, 0, 0)},
      {u"clgreen", Rgb(0, 128, 0)},
      {u"clmaroon", Rgb(128, 0, 0)},
      {u"clblack", 0},
      {u"clbackground", SysColor(1)},
      {u"clhighlight", SysColor(13)},
      {u"clbtnface", SysColor(15)},
      {u"clinfobk", SysColor(24)},
      {u"clRed", 0},  // names are compared exactly
      {u"nosuchcolour", 0},
      {u"", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorFromName(c.name), c.expected) << WideToUtf8(c.name);
  }
}

TEST(ColorTest, HexDigitsReadAsRedGreenBlue) {
  struct Case {
    const char16_t* text;
    Color expected;
  } cases[] = {
      {u"#FF0000", Rgb(255, 0, 0)},
      {u"#00FF00", Rgb(0, 255, 0)},
      {u"#0000FF", Rgb(0, 0, 255)},
      {u"#3BC5FF", Rgb(59, 197, 255)},
      {u"#123456", 0x563412},
      {u"#FF", Rgb(255, 0, 0)},  // missing digits count as 0
      {u"#", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorFromHex(c.text), c.expected) << WideToUtf8(c.text);
  }
}

TEST(ColorTest, LowerCaseHexIsNotReadAsHexadecimal) {
  EXPECT_NE(ColorFromHex(u"#ff0000"), Rgb(255, 0, 0));
  // 'f' reads as 47, so the red pair is 799 and spills into green.
  EXPECT_EQ(ColorFromHex(u"#ff0000"), Color{799});
}

TEST(ColorTest, StrayCharactersNeverProduceSystemColoursOrNone) {
  for (const char16_t* text :
       {u"#zzzzzz", u"#~~~~~~", u"#\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF", u"#      "}) {
    const Color c = ColorFromHex(text);
    EXPECT_FALSE(IsSystemColor(c)) << WideToUtf8(text);
    EXPECT_NE(c, kColorNone);
    EXPECT_EQ(c & 0xFF000000u, 0u);
  }
}

TEST(ColorTest, ParseColorTakesHexOrName) {
  EXPECT_EQ(ParseColor(u"#00FF00"), Rgb(0, 255, 0));
  EXPECT_EQ(ParseColor(u"clblue"), Rgb(0, 0, 255));
  EXPECT_EQ(ParseColor(u"clwindowtext"), SysColor(8));
  EXPECT_EQ(ParseColor(u"00FF00"), 0u);
}

}  // namespace
}  // namespace kova
