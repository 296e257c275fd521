#include "htmltext/markup_text.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

TEST(HTMLStripTest, RemovesTagsAndHiddenTextAndTurnsBreaksIntoCrLf) {
  struct Case {
    const char16_t* markup;
    const char16_t* plain;
  } cases[] = {
      {u"plain", u"plain"},
      {u"a<BR>b", u"a\r\nb"},
      {u"a<br>b<Hr>c", u"a\r\nb\r\nc"},
      {u"a<BR />b<br/>c", u"a\r\nb\r\nc"},  // as the label text wrapper writes them
      {u"<b>bold</b> and <A href=\"#\">link</A>", u"bold and link"},
      {u"x<Z>hidden <b>text</b></Z>y", u"xy"},
      {u"x<z>hidden</z>y", u"xy"},
      {u"x<Z>never closed", u"x"},
      {u"<BRANCH>a", u"a"},  // not a break tag
      {u"a<b", u"a"},        // unterminated tag
      {u"a&amp;b", u"a&amp;b"},
      {u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HTMLStrip(c.markup), c.plain) << WideToUtf8(c.markup);
  }
}

TEST(ConvertLineBreaksTest, CrBecomesBreakOnRequestAndLfIsDropped) {
  EXPECT_EQ(ConvertLineBreaks(u"a\r\nb\nc", true), u"a<BR>bc");
  EXPECT_EQ(ConvertLineBreaks(u"a\r\nb\nc", false), u"abc");
  EXPECT_EQ(ConvertLineBreaks(u"\r\r", true), u"<BR><BR>");
}

TEST(ReplaceEntitiesTest, KnownEntitiesBecomeTheirCharacters) {
  struct Case {
    const char16_t* run;
    const char16_t* text;
  } cases[] = {
      {u"a&nbsp;b", u"a b"},
      {u"&lt;tag&gt;", u"<tag>"},
      {u"R&amp;D", u"R&D"},
      {u"&quot;q&quot;", u"\"q\""},
      {u"&sect;&permil;&reg;&copy;&para;&trade;&euro;", u"§‰®©¶™€"},
      {u"&amp;amp;", u"&amp;"},  // one level only
      {u"a & b", u"a & b"},
      {u"&unknown;", u"&unknown;"},
      {u"&amp", u"&amp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceEntities(c.run), c.text) << WideToUtf8(c.run);
  }
}

TEST(TagAttributeTest, FindsValuesQuotedOrBare) {
  struct Case {
    const char16_t* tag;
    const char16_t* name;
    std::optional<WideString> value;
  } cases[] = {
      {u"<FONT FACE=\"Verdana\" SIZE=3>", u"FACE", u"Verdana"},
      {u"<font face='Tahoma'>", u"FACE", u"Tahoma"},
      {u"<FONT SIZE=3>", u"SIZE", u"3"},
      {u"<FONT SIZE = 4 >", u"size", u"4"},
      {u"<FONT BGCOLOR=\"#FF0000\">", u" COLOR", std::nullopt},
      {u"<FONT BGCOLOR=\"#FF0000\" COLOR=clred>", u" COLOR", u"clred"},
      {u"<BODY BGCOLORTO=clred BGCOLOR=clblue>", u"BGCOLOR", u"clblue"},
      {u"<FONT FACE=\"unterminated>", u"FACE", u"unterminated>"},
      {u"<P ALIGN>", u"ALIGN", std::nullopt},
      {u"<P>", u"ALIGN", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TagAttribute(c.tag, c.name), c.value) << WideToUtf8(c.tag);
  }
}

TEST(TagAttributeTest, NumbersAfterALetterAndQuotedTargets) {
  EXPECT_EQ(TagNumberAfter(u"<IND x=\"20\">", u'x'), 20);
  EXPECT_EQ(TagNumberAfter(u"<OFS X=15>", u'x'), 15);
  EXPECT_EQ(TagNumberAfter(u"<ROT a=90>", u'a'), 90);
  EXPECT_EQ(TagNumberAfter(u"<IND>", u'x'), 0);
  EXPECT_EQ(TagNumberAfter(u"<IND x=abc>", u'x'), 0);
  EXPECT_EQ(TagNumberAfter(u"<IND x=99999999999999>", u'x'), kMaxTagNumber);

  EXPECT_EQ(TagQuotedText(u"<A href=\"http://a.b/c\">"), u"http://a.b/c");
  EXPECT_EQ(TagQuotedText(u"<A href=\"#\" title=\"x\">"), u"#");
  EXPECT_EQ(TagQuotedText(u"<A href=#>"), u"");
  EXPECT_EQ(TagQuotedText(u"<A href=\"open>"), u"");
}

TEST(UpperCaseFindTest, IgnoresAsciiCase) {
  EXPECT_EQ(UpperCaseFind(u"<font Color=red>", u" COLOR"), 5u);
  EXPECT_EQ(UpperCaseFind(u"abc", u"ABCD"), WideStringView::npos);
  EXPECT_EQ(UpperCaseFind(u"abcabc", u"BC", 2), 4u);
}

}  // namespace
}  // namespace kova
