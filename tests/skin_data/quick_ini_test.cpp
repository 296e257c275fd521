#include "skin/data/quick_ini.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/assertion.h"
#include "skin/data/lzh.h"

namespace kova {
namespace {

constexpr char kText[] =
    "top=ignored\r\n"
    "; a comment\r\n"
    "  [Form]  \r\n"
    "  Width = 5 ;px\r\n"
    "Key = a = b\n"
    "Empty=\r"
    "EMPTY=second\r\n"
    "Green=0x00FF00\r\n"
    "Hex=$FF\r\n"
    "Bad=12abc\r\n"
    "Neg=-42\r\n"
    "noequals\r\n"
    "\r\n"
    "[ Form ]\r\n"
    "inner=spaces\r\n"
    "[form]\r\n"
    "width=99\r\n"
    "[Last]\r\n"
    "x=1\r\n";

TQuickIni Load(std::string_view text) {
  TMemoryStream stream(std::vector<uint8_t>(text.begin(), text.end()));
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  return ini;
}

WideString W(const char* text) {
  return Latin1ToWide(text);
}

TEST(QuickIniTest, ReadStringFollowsTheLookupRules) {
  const TQuickIni ini = Load(kText);
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"Form", "width", "5 ;px"},     // comments are whole lines only
      {"FORM", "WIDTH", "5 ;px"},     // section and key ignore case
      {"Form", "key", "a = b"},       // later '=' belong to the value
      {"Form", "empty", "default"},   // first occurrence wins, even when empty
      {" Form ", "inner", "spaces"},  // spaces inside brackets are part of the name
      {"Form", "inner", "default"},  {"Form", "noequals", "default"}, {"Last", "x", "1"},
      {"Missing", "x", "default"},   {"", "top", "default"},  // lines before the first section are
                                                              // never found
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini.ReadString(W(c.section), W(c.key), u"default"), W(c.expected))
        << c.section << "/" << c.key;
  }
}

TEST(QuickIniTest, ReadIntegerAcceptsDecimalAndHexadecimal) {
  const TQuickIni ini = Load(kText);
  struct Case {
    const char* key;
    int32_t expected;
  };
  const Case cases[] = {{"green", 65280}, {"hex", 255},  {"bad", -1}, {"neg", -42},
                        {"width", -1},    {"empty", -1}, {"none", -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(ini.ReadInteger(u"Form", W(c.key), -1), c.expected) << c.key;
  }
  EXPECT_TRUE(ini.ReadBool(u"Last", u"x", false));
  EXPECT_TRUE(ini.ReadBool(u"Last", u"missing", true));
  EXPECT_FALSE(ini.ReadBool(u"Last", u"missing", false));
}

TEST(QuickIniTest, IntegerConversionTable) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"+7", true, 7},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"0x", false, 0},
      {"0X1f", true, 31},
      {"$FFFFFFFF", true, -1},
      {"$100000000", false, 0},
      {"-$10", true, -16},
      {"$", false, 0},
      {"", false, 0},
      {"1 2", false, 0},
      {"0x-1", false, 0},
  };
  for (const Case& c : cases) {
    int32_t value = 0;
    EXPECT_EQ(ParseIniInteger(W(c.text), value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(QuickIniTest, SectionListsAndTheirAssertion) {
  const TQuickIni ini = Load(kText);
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.Text(), u"Form\r\nForm\r\nform\r\nLast\r\n");
  ini.ReadSection(u"form", &list);
  EXPECT_EQ(list.Text(), u"width\r\nkey\r\nempty\r\nempty\r\ngreen\r\nhex\r\nbad\r\nneg\r\n");
  ini.ReadSectionValues(u"Last", &list);
  EXPECT_EQ(list.Text(), u"x=1\r\n");
  ini.ReadSection(u"Missing", &list);
  EXPECT_EQ(list.Count(), 0);

  for (auto call : {+[](const TQuickIni& i) { i.ReadSections(nullptr); },
                    +[](const TQuickIni& i) { i.ReadSection(u"Form", nullptr); },
                    +[](const TQuickIni& i) { i.ReadSectionValues(u"Form", nullptr); }}) {
    try {
      call(ini);
      ADD_FAILURE() << "no assertion";
    } catch (const EAssertionFailed& e) {
      EXPECT_STREQ(e.what(), "The parameter Strings is unassigned!");
    }
  }
}

TEST(QuickIniTest, ZeroByteEndsTheText) {
  const std::string text("[A]\r\nx=1\r\n\0y=2\r\n", 17);
  const TQuickIni ini = Load(text);
  EXPECT_EQ(ini.ReadString(u"A", u"x", u""), u"1");
  EXPECT_EQ(ini.ReadString(u"A", u"y", u"none"), u"none");
}

TEST(QuickIniTest, LoadingReplacesAndReadsFromThePosition) {
  TQuickIni ini = Load("[A]\r\nx=1\r\n");
  TMemoryStream stream(std::vector<uint8_t>{'[', 'A', ']', '\n', 'x', '=', '2'});
  stream.SetPosition(4);  // only "x=2", outside any section
  ini.LoadFromStream(&stream);
  EXPECT_EQ(ini.ReadString(u"A", u"x", u"none"), u"none");
  EXPECT_EQ(ini.Lines(), std::vector<WideString>{u"x=2"});
  ini.LoadFromStream(nullptr);  // does nothing
  EXPECT_EQ(ini.Lines().size(), 1u);
}

TEST(QuickIniTest, SaveWritesTheSignificantLinesAndZipRoundTrips) {
  const TQuickIni ini = Load("; comment\n [A] \n x = 1 \n\n");
  TMemoryStream saved;
  ini.SaveToStream(saved);
  EXPECT_EQ(std::string(saved.Data().begin(), saved.Data().end()), "[A]\r\nx = 1\r\n");

  const auto path = std::filesystem::temp_directory_path() / "kova_quick_ini_test.zini";
  ini.SavetoZip(path);
  TMemoryStream packed;
  packed.LoadFromFile(path);
  TMemoryStream unpacked;
  ASSERT_EQ(DecompressStream(packed, unpacked), LzhStatus::kOk);
  EXPECT_EQ(unpacked.Data(), saved.Data());

  TQuickIni loaded;
  loaded.LoadFromZip(path);
  EXPECT_EQ(loaded.ReadInteger(u"a", u"X", 0), 1);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace kova
