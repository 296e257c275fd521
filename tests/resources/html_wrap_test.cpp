#include "resources/html_wrap.h"

#include <gtest/gtest.h>

#include <string>

namespace kova {
namespace {

// Every visible character 6 pixels wide, 8 in bold.
class FixedWidthMeasure final : public TextMeasure {
 public:
  int Width(std::u16string_view text, bool bold) override {
    return static_cast<int>(text.size()) * (bold ? 8 : 6);
  }
};

WideString WithoutBreaks(WideString text) {
  for (size_t at; (at = text.find(u"<BR />")) != WideString::npos;) {
    text.erase(at, 6);
  }
  return text;
}

struct WrapCase {
  const char* name;
  int max_width;
  const char16_t* input;
  const char16_t* expected;
  int line_count;
};

class WrapHtmlTextTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapHtmlTextTest, InsertsBreaksWhereLinesOverflow) {
  const WrapCase& c = GetParam();
  FixedWidthMeasure measure;
  const HtmlWrap wrapped = WrapHtmlText(measure, c.max_width, 4, c.input);
  EXPECT_EQ(WideToUtf8(wrapped.text), WideToUtf8(c.expected));
  EXPECT_EQ(wrapped.line_count, c.line_count);
  EXPECT_EQ(WideToUtf8(WithoutBreaks(wrapped.text)), WideToUtf8(c.input))
      << "only breaks may be added";
}

// Widths with the 4-pixel margin: "aaaa " is 30, so two such words need 64.
const WrapCase kWrapCases[] = {
    {"fits_on_one_line", 200, u"Remove the product now?", u"Remove the product now?", 1},
    {"explicit_break", 200, u"one<br>two", u"one<br>two", 2},
    {"explicit_break_variants", 200, u"a<BR/>b<br />c", u"a<BR/>b<br />c", 3},
    {"wraps_before_overflowing_word", 70, u"aaaa bbbb cccc", u"aaaa bbbb <BR />cccc", 2},
    {"wraps_every_word", 40, u"aaaa bbbb cccc", u"aaaa <BR />bbbb <BR />cccc", 3},
    {"regular_phrase_fits", 70, u"<b></b>aaaa bbbb", u"<b></b>aaaa bbbb", 1},
    {"bold_phrase_wraps_earlier", 70, u"<b>aaaa bbbb</b>", u"<b>aaaa <BR />bbbb</b>", 2},
    {"tags_take_no_width", 70, u"<font color=\"#3BC5FF\">aaaa</font> bbbb",
     u"<font color=\"#3BC5FF\">aaaa</font> bbbb", 1},
    {"hidden_section_takes_no_width", 70, u"aaaa<z>hidden words here</z> bbbb",
     u"aaaa<z>hidden words here</z> bbbb", 1},
    {"long_word_broken_between_characters", 40, u"abcdefghijklmnop",
     u"abcdef<BR />ghijkl<BR />mnop", 3},
    {"lone_character_wider_than_line", 3, u"ab", u"a<BR />b<BR />", 3},
    {"empty_text", 100, u"", u"", 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, WrapHtmlTextTest, ::testing::ValuesIn(kWrapCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VisibleHtmlTextTest, DropsTagsAndHiddenSections) {
  EXPECT_EQ(WideToUtf8(VisibleHtmlText(u"<b>Bold</b> and <a href=\"x\">link</a>")),
            "Bold and link");
  EXPECT_EQ(WideToUtf8(VisibleHtmlText(u"shown<z>not <b>shown</b></z> again<Z>x</Z>")),
            "shown again");
  EXPECT_EQ(WideToUtf8(VisibleHtmlText(u"cut <unclosed tag")), "cut ");
  EXPECT_EQ(WideToUtf8(VisibleHtmlText(u"open<z>to the end")), "open");
}

}  // namespace
}  // namespace kova
