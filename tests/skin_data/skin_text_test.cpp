// The skin engine's text helpers that need no window system.
#include "skin/data/skin_text.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

TEST(SkinTextTest, WStrTakesAtMostTheRequestedCharactersUpToTheTerminator) {
  const char16_t buffer[] = u"caption\0hidden";
  const struct {
    const char16_t* chars;
    int length;
    const char16_t* expected;
  } cases[] = {
      {buffer, -1, u"caption"}, {buffer, 3, u"cap"}, {buffer, 0, u""},  {buffer, 7, u"caption"},
      {buffer, 12, u"caption"},  // never past the terminator
      {buffer, -2, u""},        {nullptr, -1, u""},  {nullptr, 4, u""}, {u"", -1, u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(_WStr(c.chars, c.length), WideString(c.expected)) << c.length;
  }
}

}  // namespace
}  // namespace kova
