#include "base/text.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

TEST(TextTest, Utf8RoundTripKeepsEveryPlane) {
  const std::string samples[] = {"", "Cancelar", "Sí, quiero desinstalarlo", "€ 𝄞 日本"};
  for (const auto& s : samples) {
    EXPECT_EQ(WideToUtf8(Utf8ToWide(s)), s) << s;
  }
  EXPECT_EQ(Utf8ToWide("𝄞").size(), 2u);  // surrogate pair
}

TEST(TextTest, MalformedUtf8BecomesReplacementCharacters) {
  struct Case {
    std::string in;
    WideString out;
  } cases[] = {
      {"\xC3", u"\uFFFD"},  // truncated sequence
      {"a\xFF"
       "b",
       u"a\uFFFDb"},                // invalid lead byte
      {"\xC0\x80", u"\uFFFD"},      // overlong NUL
      {"\xED\xA0\x80", u"\uFFFD"},  // encoded surrogate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToWide(c.in), c.out);
  }
}

TEST(TextTest, Latin1MapsBytesOneToOne) {
  EXPECT_EQ(Latin1ToWide("\xE1"
                         "b"),
            u"\u00E1b");
  EXPECT_EQ(WideToLatin1(u"\u00E1\u20AC"), "\xE1?");
}

}  // namespace
}  // namespace kova
