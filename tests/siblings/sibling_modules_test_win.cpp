// The real sibling modules, each copied into a folder of its own and loaded by full
// path, driven through their exported entries as the product's library drives them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/sibling_interfaces.h"
#include "i18n/dictionary_file.h"

namespace kova {
namespace {

namespace fs = std::filesystem;

fs::path BuildDirectory() {
  const char* unix_path = std::getenv("KOVA_BINARY_DIR");
  std::string path = unix_path ? unix_path : "";
  for (char& c : path) {
    c = c == '/' ? '\\' : c;
  }
  return fs::path("Z:" + path);
}

class Module {
 public:
  explicit Module(const fs::path& file)
      : handle_(LoadLibraryExW(file.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {}
  ~Module() {
    if (handle_ != nullptr) {
      FreeLibrary(handle_);
    }
  }
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  HMODULE handle() const { return handle_; }
  template <typename Fn>
  Fn Entry(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(handle_, name)));
  }

 private:
  HMODULE handle_;
};

// A fresh folder with one module copied from the build (or from a test variant).
class Installation {
 public:
  Installation(const std::string& name, const std::string& module,
               const std::string& variant = "") {
    directory_ = fs::current_path() / ("install-" + name);
    fs::remove_all(directory_);
    fs::create_directories(directory_ / "Repository");
    const fs::path source = variant.empty() ? BuildDirectory() / "bin" / module
                                            : BuildDirectory() / "test-modules" / variant / module;
    fs::copy_file(source, directory_ / module);
    module_file_ = directory_ / module;
  }
  ~Installation() {
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
  }

  const fs::path& ModuleFile() const { return module_file_; }
  void WriteBytes(const fs::path& relative, const std::string& bytes) const {
    std::ofstream(directory_ / relative, std::ios::binary) << bytes;
  }
  void WriteUtf16(const fs::path& relative, const WideString& text) const {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
      bytes.push_back(static_cast<char>(unit & 0xFF));
      bytes.push_back(static_cast<char>(unit >> 8));
    }
    WriteBytes(relative, bytes);
  }

 private:
  fs::path directory_;
  fs::path module_file_;
};

// --- KOVAUtils.dll ------------------------------------------------------------------

struct UtilsEntries {
  explicit UtilsEntries(const Module& module)
      : initialize(module.Entry<CommonDefsInitializeFn>("CommonDefs_Initialize")),
        uninitialize(module.Entry<CommonDefsUninitializeFn>("CommonDefs_Uninitialize")),
        store(module.Entry<CommonDefsGetConfigStoreFn>("CommonDefs_GetConfigStoreGeneric")),
        string_list(
            module.Entry<CommonDefsGetConfigStringListFn>("CommonDefs_GetConfigStringList")) {}
  bool complete() const { return initialize && uninitialize && store && string_list; }

  CommonDefsInitializeFn initialize;
  CommonDefsUninitializeFn uninitialize;
  CommonDefsGetConfigStoreFn store;
  CommonDefsGetConfigStringListFn string_list;
};

TEST(KovaUtilsTest, ConfigStoreAnswersTheInstallationsValues) {
  Installation install("utils", "KOVAUtils.dll");
  install.WriteBytes("KOVAUtils.cfg",
                     "# product settings\n"
                     "0x4009004 = KOVA Internet Security\n"
                     "0x4009010=  Seguridad \xC3\xA1gil  \r\n"
                     "77 = 250\n");
  Module module(install.ModuleFile());
  ASSERT_NE(module.handle(), nullptr);
  const UtilsEntries entries(module);
  ASSERT_TRUE(entries.complete());

  EXPECT_EQ(entries.store(), nullptr) << "no store before initialisation";
  ASSERT_EQ(entries.initialize(nullptr), 1);
  IConfigStore* store = entries.store();
  ASSERT_NE(store, nullptr);
  ASSERT_NE(store->GetString(kConfigProductName, 0), nullptr);
  EXPECT_EQ(WideString(store->GetString(kConfigProductName, 0)), u"KOVA Internet Security");
  EXPECT_EQ(WideString(store->GetString(0x4009010, 0)), u"Seguridad ágil");
  EXPECT_EQ(store->GetString(0x4009005, 0), nullptr);
  EXPECT_EQ(store->GetInteger(77, -1), 250);
  EXPECT_EQ(store->GetInteger(0x4009004, -1), -1);
  EXPECT_EQ(store->GetInteger(78, -1), -1);
  EXPECT_NE(entries.string_list(), nullptr);

  EXPECT_NE(entries.uninitialize(), 0);
  EXPECT_EQ(entries.store(), nullptr);
}

TEST(KovaUtilsTest, MissingConfigurationLeavesEveryIdentifierUnknown) {
  Installation install("utils-no-config", "KOVAUtils.dll");
  Module module(install.ModuleFile());
  const UtilsEntries entries(module);
  ASSERT_TRUE(entries.complete());
  ASSERT_EQ(entries.initialize(nullptr), 1);
  ASSERT_NE(entries.store(), nullptr);
  EXPECT_EQ(entries.store()->GetString(kConfigProductName, 0), nullptr);
  EXPECT_NE(entries.uninitialize(), 0);
}

TEST(KovaUtilsTest, TestVariantsAnswerAsBrokenInstallations) {
  struct Case {
    const char* variant;
    std::int32_t initialize_answer;
    std::int32_t uninitialize_answer;
  };
  for (const Case& c : {Case{"utils-init-fails", 2, 1}, Case{"utils-uninit-refuses", 1, 0}}) {
    Installation install(c.variant, "KOVAUtils.dll", c.variant);
    install.WriteBytes("KOVAUtils.cfg", "0x4009004 = KOVA Internet Security\n");
    Module module(install.ModuleFile());
    const UtilsEntries entries(module);
    ASSERT_TRUE(entries.complete()) << c.variant;
    EXPECT_EQ(entries.initialize(nullptr), c.initialize_answer) << c.variant;
    EXPECT_EQ(entries.uninitialize(), c.uninitialize_answer) << c.variant;
    if (c.uninitialize_answer == 0) {
      ASSERT_NE(entries.store(), nullptr) << "a refused uninitialisation keeps the store";
      EXPECT_EQ(WideString(entries.store()->GetString(kConfigProductName, 0)),
                u"KOVA Internet Security");
    }
  }
}

// --- DORFiles.dll -------------------------------------------------------------------

struct FilesEntries {
  explicit FilesEntries(const Module& module)
      : init(module.Entry<FilesInitLibraryFn>("dorFiles_InitLibrary")),
        release(module.Entry<FilesReleaseLibraryFn>("dorFiles_ReleaseLibrary")),
        repository(module.Entry<FilesGetRepositoryFn>("dorFiles_GetRepository")) {}
  FilesInitLibraryFn init;
  FilesReleaseLibraryFn release;
  FilesGetRepositoryFn repository;
};

TEST(DorFilesTest, ReadsAnItemAsUtf16UnitsWithItsByteOrderMark) {
  Installation install("files", "DORFiles.dll");
  const WideString catalog = u"<InterfaceGlobalCatalog>ñ€\U0001F600</InterfaceGlobalCatalog>";
  install.WriteUtf16("Repository/KOVAMainCat", catalog);
  Module module(install.ModuleFile());
  const FilesEntries entries(module);
  ASSERT_TRUE(entries.init && entries.release && entries.repository);

  EXPECT_EQ(entries.init(0), 0);
  EXPECT_EQ(entries.repository(), nullptr);
  ASSERT_EQ(entries.init(1), 1);
  IFilesRepository* repository = entries.repository();
  ASSERT_NE(repository, nullptr);

  IFilesItem* item = nullptr;
  ASSERT_EQ(repository->OpenItem(u"KOVAMainCat", &item), 0);
  ASSERT_NE(item, nullptr);
  IFilesStream* stream = nullptr;
  ASSERT_EQ(item->OpenStream(1, &stream, 3), 0);
  ASSERT_NE(stream, nullptr);
  const std::uint32_t length = stream->GetLength();
  ASSERT_EQ(length, catalog.size() + 1);

  // Read in two parts, as a caller with a small buffer would, then past the end.
  std::vector<char16_t> text(length + 1, u'\0');
  std::uint32_t first = 10;
  ASSERT_EQ(stream->Read(text.data(), &first), 0);
  EXPECT_EQ(first, 10u);
  std::uint32_t rest = length;  // more than remains
  ASSERT_EQ(stream->Read(text.data() + first, &rest), 0);
  EXPECT_EQ(rest, length - 10);
  std::uint32_t after_end = 5;
  ASSERT_EQ(stream->Read(text.data(), &after_end), 0);
  EXPECT_EQ(after_end, 0u);
  EXPECT_EQ(stream->Close(0), 0);

  EXPECT_EQ(text[0], u'\xFEFF');
  EXPECT_EQ(WideString(text.data() + 1), catalog);
  EXPECT_EQ(entries.release(), 1);
  EXPECT_EQ(entries.repository(), nullptr);
}

TEST(DorFilesTest, RefusesMissingItemsAndNamesOutsideTheRepository) {
  Installation install("files-refuse", "DORFiles.dll");
  install.WriteUtf16("secret", u"outside");
  Module module(install.ModuleFile());
  const FilesEntries entries(module);
  ASSERT_EQ(entries.init(1), 1);
  IFilesRepository* repository = entries.repository();
  ASSERT_NE(repository, nullptr);
  for (const char16_t* name :
       {u"KOVAMainCat", u"..\\secret", u"../secret", u"..", u"", u"C:\\windows\\win.ini"}) {
    IFilesItem* item = reinterpret_cast<IFilesItem*>(1);
    EXPECT_NE(repository->OpenItem(name, &item), 0) << WideToUtf8(name);
    EXPECT_EQ(item, nullptr) << WideToUtf8(name);
  }
  EXPECT_NE(repository->OpenItem(nullptr, nullptr), 0);
  EXPECT_EQ(entries.release(), 1);
  EXPECT_EQ(entries.release(), 0) << "more releases than initialisations";
}

// --- drTXml.dll ---------------------------------------------------------------------

class DrTXmlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(module_.handle(), nullptr);
    init_ = module_.Entry<XmlInitLibraryFn>("drTarnXml_InitLibrary");
    release_ = module_.Entry<XmlReleaseLibraryFn>("drTarnXml_ReleaseLibrary");
    create_ = module_.Entry<XmlCreateDocumentFn>("drTarnXML_CreateXMLDocument");
    ASSERT_TRUE(init_ && release_ && create_);
    ASSERT_EQ(init_(1), 1);
    document_ = create_();
    ASSERT_NE(document_, nullptr);
  }
  void TearDown() override {
    if (document_ != nullptr) {
      document_->Release();
    }
    if (release_) {
      EXPECT_EQ(release_(), 1);
    }
  }

  // The node's text or attribute, or nullopt when the module answers non-zero.
  std::optional<WideString> Text(const char16_t* xpath, const char16_t* attribute = nullptr) {
    IXmlNode* node = nullptr;
    if (document_->GetRoot()->GetQuery()->SelectSingleNode(xpath, &node) != 0) {
      EXPECT_EQ(node, nullptr);
      return std::nullopt;
    }
    ITarnString* value = nullptr;
    const std::int32_t answer =
        attribute ? node->GetAttribute(attribute, &value) : node->GetText(&value);
    node->Release();
    if (answer != 0) {
      return std::nullopt;
    }
    WideString text(value->GetChars());
    EXPECT_EQ(value->IsEmpty(), text.empty());
    value->Release();
    return text;
  }

  Installation install_{"xml", "drTXml.dll"};
  Module module_{install_.ModuleFile()};
  XmlInitLibraryFn init_ = nullptr;
  XmlReleaseLibraryFn release_ = nullptr;
  XmlCreateDocumentFn create_ = nullptr;
  IXmlDocument* document_ = nullptr;
};

constexpr char16_t kCatalog[] =
    u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
    u"<InterfaceGlobalCatalog>\n"
    u"  <GlobalConfig>\n"
    u"    <SkinFileName>KOVASkin.skn</SkinFileName>\n"
    u"    <Empty></Empty>\n"
    u"    <GetMalwareInfo try=\"3x\" maxID=\"10\"/>\n"
    u"  </GlobalConfig>\n"
    u"  <AutoDiagCfg><ColorIntervals>\n"
    u"    <Color name=\"Red\" minRangeValue=\"0\" maxRangeValue=\"32\"/>\n"
    u"    <Color name=\"Yellow\" minRangeValue=\"33\" maxRangeValue=\"65\"/>\n"
    u"  </ColorIntervals></AutoDiagCfg>\n"
    u"  <Features><Profile name=\"Normal\">\n"
    u"    <Feature name=\"Other\" visible=\"false\"/>\n"
    u"    <Feature name=\"OpenConsole\" visible=\"true\"/>\n"
    u"  </Profile></Features>\n"
    u"  <Texts><Title>Desinstalación de %s</Title></Texts>\n"
    u"</InterfaceGlobalCatalog>\n";

TEST_F(DrTXmlTest, SelectsNodesAndAttributesWithXPathPredicates) {
  EXPECT_EQ(document_->GetRoot(), nullptr) << "no root before a load";
  ASSERT_TRUE(document_->LoadFromText(kCatalog));
  ASSERT_NE(document_->GetRoot(), nullptr);
  ASSERT_NE(document_->GetRoot()->GetQuery(), nullptr);

  struct Case {
    const char16_t* xpath;
    const char16_t* attribute;
    std::optional<WideString> expected;
  };
  const Case cases[] = {
      {u"/InterfaceGlobalCatalog/GlobalConfig/SkinFileName", nullptr, u"KOVASkin.skn"},
      {u"/InterfaceGlobalCatalog/GlobalConfig/Empty", nullptr, u""},
      {u"/InterfaceGlobalCatalog/GlobalConfig/GetMalwareInfo", u"try", u"3x"},
      {u"/InterfaceGlobalCatalog/AutoDiagCfg/ColorIntervals/Color[@name='Yellow']",
       u"maxRangeValue", u"65"},
      {u"/InterfaceGlobalCatalog/AutoDiagCfg/ColorIntervals/Color[@name='Red']", u"minRangeValue",
       u"0"},
      {u"/InterfaceGlobalCatalog/Features/Profile[@name='Normal']/Feature[@name='OpenConsole']",
       u"visible", u"true"},
      {u"/InterfaceGlobalCatalog/Texts/Title", nullptr, u"Desinstalación de %s"},
      // Missing node, missing attribute, predicate without a match, invalid XPath.
      {u"/InterfaceGlobalCatalog/GlobalConfig/StatusActivityTimeUpdate", nullptr, std::nullopt},
      {u"/InterfaceGlobalCatalog/GlobalConfig/GetMalwareInfo", u"timeout", std::nullopt},
      {u"/InterfaceGlobalCatalog/AutoDiagCfg/ColorIntervals/Color[@name='Green']", u"maxRangeValue",
       std::nullopt},
      {u"/InterfaceGlobalCatalog/[", nullptr, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Text(c.xpath, c.attribute), c.expected) << WideToUtf8(c.xpath);
  }
}

TEST_F(DrTXmlTest, MalformedTextIsRefusedAndLeavesNoRoot) {
  for (const char16_t* text :
       {u"", u"<InterfaceGlobalCatalog>", u"not xml at all",
        u"<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"}) {
    EXPECT_FALSE(document_->LoadFromText(text)) << WideToUtf8(text);
    EXPECT_EQ(document_->GetRoot(), nullptr) << WideToUtf8(text);
  }
  EXPECT_FALSE(document_->LoadFromText(nullptr));
}

TEST(DrTXmlLifetimeTest, NoDocumentBeforeInitialisation) {
  Installation install("xml-uninit", "drTXml.dll");
  Module module(install.ModuleFile());
  const auto init = module.Entry<XmlInitLibraryFn>("drTarnXml_InitLibrary");
  const auto release = module.Entry<XmlReleaseLibraryFn>("drTarnXml_ReleaseLibrary");
  const auto create = module.Entry<XmlCreateDocumentFn>("drTarnXML_CreateXMLDocument");
  ASSERT_TRUE(init && release && create);
  EXPECT_EQ(create(), nullptr);
  EXPECT_EQ(init(2), 0);
  EXPECT_EQ(release(), 0);
}

// --- TREMLang.dll -------------------------------------------------------------------

TEST(TremLangTest, LooksUpTheShippedDictionaryAndNegotiatesLongTranslations) {
  Installation install("lang", "TREMLang.dll");
  const WideString long_text(2000, u'T');
  const auto bytes = WriteDictionary({{u"Cancelar", u"Cancel"}, {u"texto largo", long_text}});
  // A language folder whose name is not ASCII: the path must reach the file intact.
  fs::create_directories(install.ModuleFile().parent_path() / L"Espa\u00F1ol");
  install.WriteBytes(fs::path(L"Espa\u00F1ol") / "long.kvd",
                     std::string(bytes.begin(), bytes.end()));

  Module module(install.ModuleFile());
  const auto create = module.Entry<LangCreateDictionaryFn>("_00001_");
  const auto release = module.Entry<LangReleaseFn>("_00002_");
  ASSERT_TRUE(create && release);
  ILangDictionary* dictionary = nullptr;
  ASSERT_NE(create(&dictionary), 0);
  ASSERT_NE(dictionary, nullptr);

  // The English dictionary compiled by the build from the translators' file.
  const fs::path english = BuildDirectory() / "lang" / "English" / "KOVADict.kvd";
  std::int32_t english_handle = 0;
  ASSERT_NE(dictionary->Load(FromWin(english.c_str()), &english_handle), 0);
  ASSERT_NE(english_handle, 0);
  std::vector<char16_t> buffer(1024);
  std::uint32_t size = 1024;
  ASSERT_NE(dictionary->Lookup(&english_handle, u"Desinstalación de %s", buffer.data(), &size), 0);
  EXPECT_EQ(WideString(buffer.data()), u"Uninstall %s");

  // 2000 characters do not fit 1024: the first call reports the size, the second
  // call with that size gets the text.
  const fs::path long_path = install.ModuleFile().parent_path() / L"Espa\u00F1ol" / "long.kvd";
  std::int32_t handle = 0;
  ASSERT_NE(dictionary->Load(FromWin(long_path.c_str()), &handle), 0);
  std::vector<char16_t> guarded(1024 + 8, u'#');
  size = 1024;
  EXPECT_EQ(dictionary->Lookup(&handle, u"texto largo", guarded.data(), &size), 0);
  EXPECT_EQ(size, 2001u);
  EXPECT_EQ(guarded[1024], u'#');
  std::vector<char16_t> second(size + 1);
  EXPECT_NE(dictionary->Lookup(&handle, u"texto largo", second.data(), &size), 0);
  EXPECT_EQ(WideString(second.data()), long_text);

  std::int32_t missing = 5;
  EXPECT_EQ(dictionary->Load(u"Z:\\no\\such\\KOVADict.kvd", &missing), 0);
  EXPECT_EQ(missing, 0);
  dictionary->Unload(&handle);
  size = 1024;
  EXPECT_EQ(dictionary->Lookup(&handle, u"Cancelar", buffer.data(), &size), 0);
  dictionary->Unload(&english_handle);
  release();
}

TEST(TremLangTest, VariantWithoutReleaseEntry) {
  Installation install("lang-variant", "TREMLang.dll", "lang-without-release");
  Module module(install.ModuleFile());
  EXPECT_NE(module.Entry<LangCreateDictionaryFn>("_00001_"), nullptr);
  EXPECT_EQ(module.Entry<LangReleaseFn>("_00002_"), nullptr);
}

// --- KOVAResources.dll --------------------------------------------------------------

TEST(KovaResourcesTest, RealModuleAndVariantWithoutInitialisation) {
  Installation real("resources", "KOVAResources.dll");
  Installation variant("resources-variant", "KOVAResources.dll", "resources-without-init");
  Module real_module(real.ModuleFile());
  Module variant_module(variant.ModuleFile());
  ASSERT_NE(real_module.handle(), nullptr);
  ASSERT_NE(variant_module.handle(), nullptr);

  const auto initialize = real_module.Entry<KovaInitializeFn>("_KOVA_Initialize");
  const auto uninitialize = real_module.Entry<KovaUninitializeFn>("_KOVA_Uninitialize");
  ASSERT_TRUE(initialize && uninitialize);
  EXPECT_NE(initialize(nullptr), 0);
  EXPECT_NE(uninitialize(), 0);
  EXPECT_NE(FindResourceW(real_module.handle(), MAKEINTRESOURCEW(1), RT_VERSION), nullptr);

  EXPECT_EQ(variant_module.Entry<KovaInitializeFn>("_KOVA_Initialize"), nullptr);
  EXPECT_NE(variant_module.Entry<KovaUninitializeFn>("_KOVA_Uninitialize"), nullptr);
}

}  // namespace
}  // namespace kova
