#include "config/interface_catalog.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace kova {
namespace {

// A catalog held as XPath -> text and (XPath, attribute) -> value, recording the order
// in which values are asked for.
class MapCatalog : public ICatalogSource {
 public:
  std::map<WideString, WideString> texts;
  std::map<std::pair<WideString, WideString>, WideString> attributes;
  std::vector<WideString> asked;

  WideString GetNodeText(const WideString& xpath) override {
    asked.push_back(xpath);
    auto it = texts.find(xpath);
    return it == texts.end() ? WideString() : it->second;
  }
  WideString GetAttribute(const WideString& xpath, const WideString& name) override {
    asked.push_back(xpath + u"@" + name);
    auto it = attributes.find({xpath, name});
    return it == attributes.end() ? WideString() : it->second;
  }
};

constexpr char16_t kGlobal[] = u"/InterfaceGlobalCatalog/GlobalConfig";

TEST(InterfaceCatalogTest, DefaultsBeforeReading) {
  CInterfaceGlobalCatalog catalog;
  EXPECT_EQ(catalog.process_extension_list, u"EXE|COM|MSI|");
  EXPECT_EQ(catalog.service_name, u"TarnServiceMain");
  EXPECT_EQ(catalog.list_separator, u"|");
  EXPECT_EQ(catalog.skin_file_name, u"KOVASkin.skn");
  EXPECT_EQ(catalog.status_activity_update_interval, 5000);
  EXPECT_EQ(catalog.green_range_min, 66);
  EXPECT_TRUE(catalog.open_console_visible);
  EXPECT_EQ(catalog.malware_info_max_id, 10);
}

TEST(InterfaceCatalogTest, MissingValuesReplaceDefaultsWithEmptyZeroOrFalse) {
  MapCatalog source;
  CInterfaceGlobalCatalog catalog;
  catalog.ReadFrom(source);
  EXPECT_EQ(catalog.skin_file_name, u"");
  EXPECT_EQ(catalog.service_name, u"");
  EXPECT_EQ(catalog.service_check_interval, 0);
  EXPECT_EQ(catalog.status_activity_update_interval, 1000);  // 0 is corrected
  EXPECT_FALSE(catalog.open_console_visible);
  EXPECT_FALSE(catalog.undo_action_layer_visible);
  EXPECT_EQ(source.asked.size(), 32u);
}

TEST(InterfaceCatalogTest, ReadsEveryKindOfValue) {
  MapCatalog source;
  source.texts[WideString(kGlobal) + u"/SkinFileName"] = u"Other.skn";
  source.texts[WideString(kGlobal) + u"/StatusActivityTimeUpdate"] = u"250";
  source.texts[u"/InterfaceGlobalCatalog/Urls/Home"] = u"https://kova.example/";
  source.attributes[{WideString(kGlobal) + u"/GetMalwareInfo", u"try"}] = u"3x";
  source.attributes[{WideString(kGlobal) + u"/StringListSeparator", u"charSeparator"}] = u";";
  source.attributes[{u"/InterfaceGlobalCatalog/AutoDiagCfg/ColorIntervals/Color[@name='Yellow']",
                     u"maxRangeValue"}] = u"  -70";
  source
      .attributes[{u"/InterfaceGlobalCatalog/Features/Profile[@name='Normal']/"
                   u"Feature[@name='OpenConsole']",
                   u"visible"}] = u"true";
  CInterfaceGlobalCatalog catalog;
  catalog.ReadFrom(source);
  EXPECT_EQ(catalog.skin_file_name, u"Other.skn");
  EXPECT_EQ(catalog.status_activity_update_interval, 250);
  EXPECT_EQ(catalog.home_url, u"https://kova.example/");
  EXPECT_EQ(catalog.malware_info_tries, 3);
  EXPECT_EQ(catalog.list_separator, u";");
  EXPECT_EQ(catalog.yellow_range_max, -70);
  EXPECT_TRUE(catalog.open_console_visible);
}

TEST(InterfaceCatalogTest, ValuesAreAskedForInTheCatalogOrder) {
  MapCatalog source;
  CInterfaceGlobalCatalog catalog;
  catalog.ReadFrom(source);
  const WideString g = kGlobal;
  const WideString colors = u"/InterfaceGlobalCatalog/AutoDiagCfg/ColorIntervals/Color[@name=";
  const WideString urls = u"/InterfaceGlobalCatalog/Urls/";
  const std::vector<WideString> expected = {
      g + u"/ProcessExtensionList",
      g + u"/TarnServiceName",
      g + u"/TarnServiceCheckTTL",
      g + u"/TarnServiceCheckTTL_OnError",
      g + u"/StringListSeparator@charSeparator",
      g + u"/SkinFileName",
      g + u"/ConsoleOpeningTimeout",
      g + u"/StartServiceConfig@timeout",
      g + u"/StartServiceConfig@checkinterval",
      g + u"/UndoActionLayer@timeout",
      g + u"/UndoActionLayer@visible",
      g + u"/GetMalwareInfo@try",
      g + u"/GetMalwareInfo@maxID",
      g + u"/StatusActivityTimeUpdate",
      u"/InterfaceGlobalCatalog/Features/Profile[@name='Normal']/Feature[@name='OpenConsole']"
      u"@visible",
      colors + u"'Red']@maxRangeValue",
      colors + u"'Red']@minRangeValue",
      colors + u"'Yellow']@maxRangeValue",
      colors + u"'Yellow']@minRangeValue",
      colors + u"'Green']@maxRangeValue",
      colors + u"'Green']@minRangeValue",
      u"/InterfaceGlobalCatalog/AutoDiagCfg/WaitForRequestAutoDiag@timeout",
      urls + u"Download",
      urls + u"CI",
      urls + u"NewFeatures",
      urls + u"WebHelp",
      urls + u"Home",
      urls + u"YourOpinion",
      urls + u"Forum",
      urls + u"TechSupport",
      urls + u"Shop",
      urls + u"MyShop",
  };
  ASSERT_EQ(expected.size(), 32u);
  EXPECT_EQ(source.asked, expected);
}

TEST(InterfaceCatalogTest, IntegerAndBooleanConversions) {
  struct IntCase {
    WideString text;
    std::int32_t value;
  } ints[] = {{u"", 0},
              {u"x1", 0},
              {u" \t42", 42},
              {u"+7", 7},
              {u"-12ab", -12},
              {u"3x", 3},
              {u"99999999999", 2147483647},
              {u"-99999999999", -2147483647 - 1}};
  for (const auto& c : ints) {
    EXPECT_EQ(CatalogInteger(c.text), c.value);
  }
  EXPECT_TRUE(CatalogBoolean(u"true"));
  for (const WideString text : {u"True", u"true ", u"TRUE", u"1", u""}) {
    EXPECT_FALSE(CatalogBoolean(text));
  }
}

}  // namespace
}  // namespace kova
