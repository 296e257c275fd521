// Module loaders, setup settings and the interface catalog against real product modules
// copied into a test installation.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "config/cloader_win.h"
#include "config/interface_catalog.h"
#include "config/setup_registry_win.h"
#include "config/sibling_libraries_win.h"
#include "config/unique_module_win.h"
#include "test_installation_win.h"

namespace kova::testing {
namespace {

WideString Wide(const std::wstring& text) {
  return WideString(FromWin(text.c_str()), text.size());
}

std::string TestName() {
  return std::string(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

class LoaderTest : public ::testing::Test {
 protected:
  LoaderTest() : installation_(TestName()), directory_(Wide(installation_.SetupPath())) {}
  ~LoaderTest() override {
    // Leave no module behind for the next test, whatever this one did.
    while (CommonDefsLibrary::ReferenceCount() > 0)
      CommonDefsLibrary::Unload();
    while (LangLibrary::ReferenceCount() > 0)
      LangLibrary::Unload();
  }

  std::wstring Module(const char* file) const {
    return (installation_.Directory() / file).wstring();
  }

  TestInstallation installation_;
  WideString directory_;
};

bool IsLoaded(const std::wstring& path) {
  return GetModuleHandleW(path.c_str()) != nullptr;
}

std::string ProductName() {
  IConfigStore* store = CommonDefsLibrary::GetConfigStore();
  if (store == nullptr)
    return "<no store>";
  const char16_t* name = store->GetString(kConfigProductName, 0);
  return name == nullptr ? "<null>" : WideToUtf8(name);
}

TEST_F(LoaderTest, CommonDefinitionsAreSharedUntilTheLastUnload) {
  ASSERT_TRUE(CommonDefsLibrary::Load(directory_.c_str(), nullptr));
  ASSERT_TRUE(CommonDefsLibrary::Load(directory_.c_str(), nullptr));
  EXPECT_EQ(CommonDefsLibrary::ReferenceCount(), 2);
  EXPECT_TRUE(CommonDefsLibrary::Unload());
  EXPECT_TRUE(IsLoaded(Module("KOVAUtils.dll")));
  EXPECT_EQ(ProductName(), "KOVA Internet Security");
  EXPECT_TRUE(CommonDefsLibrary::Unload());
  EXPECT_FALSE(IsLoaded(Module("KOVAUtils.dll")));
  EXPECT_EQ(CommonDefsLibrary::GetConfigStore(), nullptr);
  // An unmatched unload neither succeeds nor drives the count below zero.
  EXPECT_FALSE(CommonDefsLibrary::Unload());
  EXPECT_EQ(CommonDefsLibrary::ReferenceCount(), 0);
}

TEST_F(LoaderTest, RefusedInitialisationFreesTheModuleAndALaterLoadStartsAgain) {
  installation_.UseModuleVariant("utils-init-fails", "KOVAUtils.dll");
  EXPECT_FALSE(CommonDefsLibrary::Load(directory_.c_str(), nullptr));
  EXPECT_EQ(CommonDefsLibrary::ReferenceCount(), 0);
  EXPECT_FALSE(IsLoaded(Module("KOVAUtils.dll")));

  TestInstallation working(TestName() + "_working");
  EXPECT_TRUE(CommonDefsLibrary::Load(Wide(working.SetupPath()).c_str(), nullptr));
  EXPECT_EQ(ProductName(), "KOVA Internet Security");
  EXPECT_TRUE(CommonDefsLibrary::Unload());
}

TEST_F(LoaderTest, RefusedUninitialisationKeepsTheModuleAndItsEntries) {
  installation_.UseModuleVariant("utils-uninit-refuses", "KOVAUtils.dll");
  ASSERT_TRUE(CommonDefsLibrary::Load(directory_.c_str(), nullptr));
  EXPECT_FALSE(CommonDefsLibrary::Unload());
  EXPECT_TRUE(IsLoaded(Module("KOVAUtils.dll")));
  EXPECT_EQ(ProductName(), "KOVA Internet Security");
}

TEST_F(LoaderTest, MissingCommonDefinitionsModuleIsAFailureWithoutCounting) {
  installation_.RemoveFile("KOVAUtils.dll");
  EXPECT_FALSE(CommonDefsLibrary::Load(directory_.c_str(), nullptr));
  EXPECT_EQ(CommonDefsLibrary::ReferenceCount(), 0);
}

TEST_F(LoaderTest, LanguageLibraryNeedsADirectoryAndBothEntries) {
  EXPECT_FALSE(LangLibrary::Load(u""));
  EXPECT_FALSE(LangLibrary::Load(nullptr));
  EXPECT_EQ(LangLibrary::ReferenceCount(), 0);

  ASSERT_TRUE(LangLibrary::Load(directory_.c_str()));
  EXPECT_NE(LangLibrary::CreateDictionaryEntry(), nullptr);
  EXPECT_NE(LangLibrary::ReleaseEntry(), nullptr);
  LangLibrary::Unload();
  EXPECT_EQ(LangLibrary::ReferenceCount(), 0);
  EXPECT_EQ(LangLibrary::CreateDictionaryEntry(), nullptr);

  installation_.UseModuleVariant("lang-without-release", "TREMLang.dll");
  EXPECT_FALSE(LangLibrary::Load(directory_.c_str()));
  EXPECT_EQ(LangLibrary::ReferenceCount(), 0);
  EXPECT_FALSE(IsLoaded(Module("TREMLang.dll")));
}

TEST_F(LoaderTest, ResourceModuleWithoutInitialisationStaysLoaded) {
  installation_.UseModuleVariant("resources-without-init", "KOVAResources.dll");
  const std::wstring path = Module("KOVAResources.dll");
  CLoader loader;
  EXPECT_FALSE(loader.Load(FromWin(path.c_str()), 0, true));
  EXPECT_NE(loader.GetHandle(), nullptr);
  EXPECT_TRUE(IsLoaded(path));
  EXPECT_NE(loader.Unload(true), FALSE);
  EXPECT_EQ(loader.GetHandle(), nullptr);
  EXPECT_FALSE(IsLoaded(path));
  EXPECT_EQ(loader.Unload(true), FALSE);
}

TEST_F(LoaderTest, ResourceModuleIsInitialisedOnRequest) {
  CLoader loader;
  EXPECT_TRUE(loader.Load(FromWin(Module("KOVAResources.dll").c_str()), 0, true));
  EXPECT_FALSE(loader.Load(FromWin(Module("missing.dll").c_str()), 0, false));
}

class SetupSettingsTest : public ::testing::Test {
 protected:
  ScopedSetupKey key_;
};

TEST_F(SetupSettingsTest, ValuesAreReadAsStoredOrEmpty) {
  struct Case {
    const char* what;
    std::function<void(ScopedSetupKey&)> prepare;
    std::string path;
    std::string language;
  } cases[] = {
      {"missing key", [](ScopedSetupKey& key) { key.DeleteKey(); }, "", ""},
      {"both values",
       [](ScopedSetupKey& key) {
         key.SetValue(L"Path", L"C:\\Program Files\\KOVA\\");
         key.SetValue(L"Language", L"English");
       },
       "C:\\Program Files\\KOVA\\", "English"},
      {"missing language",
       [](ScopedSetupKey& key) {
         key.SetValue(L"Path", L"C:\\KOVA");
         key.DeleteValue(L"Language");
       },
       "C:\\KOVA", ""},
      // A value that does not fit the 260-character buffer reads as empty.
      {"300-character path",
       [](ScopedSetupKey& key) {
         key.SetValue(L"Path", std::wstring(300, L'x'));
         key.SetValue(L"Language", L"English");
       },
       "", "English"},
      {"259-character path",
       [](ScopedSetupKey& key) { key.SetValue(L"Path", std::wstring(259, L'y')); },
       std::string(259, 'y'), "English"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.prepare(key_);
    EXPECT_EQ(WideToUtf8(GetSetupPath()), c.path);
    EXPECT_EQ(WideToUtf8(GetSetupLanguage()), c.language);
  }
}

// The setup key as a 64-bit program would write it without asking for the 32-bit
// view; removed again when the object goes.
class ScopedKeyIn64BitView {
 public:
  explicit ScopedKeyIn64BitView(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSetupKeyName, 0, nullptr, 0,
                        KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key, nullptr) == ERROR_SUCCESS) {
      RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                     static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
      RegCloseKey(key);
      created_ = true;
    }
  }
  ~ScopedKeyIn64BitView() {
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kSetupKeyName, KEY_WOW64_64KEY, 0);
  }
  ScopedKeyIn64BitView(const ScopedKeyIn64BitView&) = delete;
  ScopedKeyIn64BitView& operator=(const ScopedKeyIn64BitView&) = delete;
  bool Created() const { return created_; }

 private:
  static constexpr wchar_t kSetupKeyName[] = L"SOFTWARE\\Orvane Software\\Setup";
  bool created_ = false;
};

// The product's setup is a 32-bit program: both builds read what it wrote in the
// 32-bit view and never a key of the same name in the 64-bit view.
TEST_F(SetupSettingsTest, OnlyThe32BitViewCounts) {
  const ScopedKeyIn64BitView other_view(L"C:\\64-bit view\\");
  ASSERT_TRUE(other_view.Created());

  key_.DeleteKey();
  EXPECT_EQ(WideToUtf8(GetSetupPath()), "");

  key_.SetValue(L"Path", L"C:\\32-bit view\\");
  EXPECT_EQ(WideToUtf8(GetSetupPath()), "C:\\32-bit view\\");
}

class CatalogTest : public ::testing::Test {
 protected:
  CatalogTest() : installation_(TestName()) {}

  // Reads the catalog the way the manager does, through the modules beside the
  // installation's resource library.
  CInterfaceGlobalCatalog Read(const std::wstring& xml, bool byte_order_mark = true) {
    installation_.WriteCatalog(xml, byte_order_mark);
    const UniqueModule module =
        UniqueModule::Load((installation_.Directory() / "KOVAResources.dll").wstring().c_str());
    EXPECT_TRUE(module);
    return CInterfaceGlobalCatalog(module.Get());
  }

  TestInstallation installation_;
};

TEST_F(CatalogTest, SampleCatalogGivesItsValues) {
  const CInterfaceGlobalCatalog catalog = Read(SampleCatalog());
  EXPECT_EQ(WideToUtf8(catalog.skin_file_name), "KOVASkin.skn");
  EXPECT_EQ(WideToUtf8(catalog.process_extension_list), "EXE|COM|MSI|SCR|");
  EXPECT_EQ(WideToUtf8(catalog.list_separator), "|");
  EXPECT_EQ(WideToUtf8(catalog.my_shop_url), "https://shop.orvane.example/kova/account");
  EXPECT_EQ(catalog.yellow_range_min, 33);
  EXPECT_EQ(catalog.green_range_max, 100);
  EXPECT_EQ(catalog.status_activity_update_interval, 5000);
  EXPECT_TRUE(catalog.open_console_visible);
  EXPECT_TRUE(catalog.undo_action_layer_visible);
}

TEST_F(CatalogTest, EditedCatalogValues) {
  struct Case {
    std::wstring from;
    std::wstring to;
    std::function<std::string(const CInterfaceGlobalCatalog&)> field;
    std::string expected;
  } cases[] = {
      {L"<SkinFileName>KOVASkin.skn</SkinFileName>", L"",
       [](const auto& c) { return WideToUtf8(c.skin_file_name); }, ""},
      {L"<StatusActivityTimeUpdate>5000</StatusActivityTimeUpdate>", L"",
       [](const auto& c) { return std::to_string(c.status_activity_update_interval); }, "1000"},
      {L">5000</StatusActivityTimeUpdate>", L">0</StatusActivityTimeUpdate>",
       [](const auto& c) { return std::to_string(c.status_activity_update_interval); }, "1000"},
      {L">5000</StatusActivityTimeUpdate>", L">250</StatusActivityTimeUpdate>",
       [](const auto& c) { return std::to_string(c.status_activity_update_interval); }, "250"},
      {L"name=\"OpenConsole\" visible=\"true\"", L"name=\"OpenConsole\" visible=\"True\"",
       [](const auto& c) { return std::to_string(c.open_console_visible); }, "0"},
      {L"timeout=\"3000\" visible=\"true\"", L"timeout=\"3000\" visible=\"true \"",
       [](const auto& c) { return std::to_string(c.undo_action_layer_visible); }, "0"},
      {L"try=\"1\"", L"try=\"3x\"",
       [](const auto& c) { return std::to_string(c.malware_info_tries); }, "3"},
      {L"<Color name=\"Red\" minRangeValue=\"0\" maxRangeValue=\"32\"/>", L"",
       [](const auto& c) { return std::to_string(c.red_range_max); }, "0"},
  };
  const std::wstring sample = SampleCatalog();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from.begin(), c.from.end()));
    EXPECT_EQ(c.field(Read(ReplaceOnce(sample, c.from, c.to))), c.expected);
  }
}

TEST_F(CatalogTest, TextWithoutByteOrderMarkIsReadWhole) {
  const CInterfaceGlobalCatalog catalog = Read(SampleCatalog(), /*byte_order_mark=*/false);
  EXPECT_EQ(WideToUtf8(catalog.skin_file_name), "KOVASkin.skn");
  EXPECT_EQ(catalog.service_start_timeout, 30000);
}

TEST_F(CatalogTest, UnopenableCatalogRaises) {
  struct Case {
    const char* what;
    std::function<void(TestInstallation&)> damage;
  } cases[] = {
      {"missing item", [](TestInstallation& i) { i.RemoveFile("Repository/KOVAMainCat"); }},
      {"missing XML library", [](TestInstallation& i) { i.RemoveFile("drTXml.dll"); }},
      {"missing files library", [](TestInstallation& i) { i.RemoveFile("DORFiles.dll"); }},
      {"not XML", [](TestInstallation& i) { i.WriteCatalog(L"<InterfaceGlobalCatalog>"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestInstallation damaged(TestName() + "_damaged");
    c.damage(damaged);
    const UniqueModule module =
        UniqueModule::Load((damaged.Directory() / "KOVAResources.dll").wstring().c_str());
    ASSERT_TRUE(module);
    EXPECT_THROW(CInterfaceGlobalCatalog{module.Get()}, CatalogUnreadable);
    EXPECT_EQ(XmlLibrary::ReferenceCount(), 0);
    EXPECT_EQ(FilesLibrary::ReferenceCount(), 0);
  }
}

}  // namespace
}  // namespace kova::testing
