#include "KOVAUtils/config_store.h"

#include <gtest/gtest.h>

namespace kova {
namespace {

TEST(ConfigTextTest, ReadsIdentifiersInHexAndDecimalAndSkipsTheRest) {
  const auto values = ParseConfigText(
      "\xEF\xBB\xBF# comment = 1\n"
      "0x4009004 = KOVA Internet Security\r\n"
      "  12 =value with = sign  \n"
      "0X1f = Latin \xC3\xB1\n"
      "\n"
      "no equals sign\n"
      "0xZZ = bad identifier\n"
      "99999999999 = out of range\n"
      " = no identifier\n"
      "12 = later line wins\n"
      "0x20 =");
  const std::map<std::uint32_t, WideString> expected = {
      {0x4009004, u"KOVA Internet Security"},
      {12, u"later line wins"},
      {0x1F, u"Latin ñ"},
      {0x20, u""},
  };
  EXPECT_EQ(values, expected);
}

TEST(ConfigStoreTest, StringsIntegersAndUnknownIdentifiers) {
  ConfigStore store(ParseConfigText("1 = 250\n2 = -7\n3 = 12abc\n4 = KOVA\n"));
  IConfigStore& generic = store;
  ASSERT_NE(generic.GetString(4, 0), nullptr);
  EXPECT_EQ(WideString(generic.GetString(4, 0)), u"KOVA");
  EXPECT_EQ(generic.GetString(5, 0), nullptr);
  EXPECT_EQ(generic.GetInteger(1, 0), 250);
  EXPECT_EQ(generic.GetInteger(2, 0), -7);
  EXPECT_EQ(generic.GetInteger(3, 42), 42);
  EXPECT_EQ(generic.GetInteger(5, 42), 42);
}

}  // namespace
}  // namespace kova
