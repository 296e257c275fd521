// The library as a host meets it: kova-host.exe loads the installed KOVAMsg.dll and
// drives its three exports.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_installation_win.h"

namespace kova::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;

// The host's lines without the first one (which names the loaded file).
std::vector<std::string> Calls(const HostRun& run) {
  EXPECT_EQ(run.exit_code, 0);
  if (run.lines.empty()) {
    return {};
  }
  return std::vector<std::string>(run.lines.begin() + 1, run.lines.end());
}

const std::string kGetConnection = "context: GetConnection -> 0";
const std::string kSetServerName = "connection: slot 6 SetServerName TREMMSrvcPpal";
const std::string kDisconnect = "connection: slot 7 Disconnect";
const std::string kShutdown = "connection: slot 14 Shutdown";

class HostSequenceTest : public ::testing::Test {
 protected:
  HostSequenceTest()
      : installation_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    installation_.Register(key_);
  }
  ScopedSetupKey key_;
  TestInstallation installation_;
};

TEST_F(HostSequenceTest, ExportsFollowTheHostContract) {
  struct Case {
    std::string options;
    std::vector<std::string> calls;
  } cases[] = {
      {"--steps=init,show:5,uninit",
       {"KOVA_Initialize -> 1", kGetConnection, kSetServerName, "KOVA_ShowForm(5) -> 1",
        kDisconnect, kShutdown, "KOVA_Uninitialize -> 1"}},
      // An identifier rejected as unsigned still refreshes the connection.
      {"--steps=init,show:-1,uninit",
       {"KOVA_Initialize -> 1", kGetConnection, kSetServerName, "KOVA_ShowForm(-1) -> 1",
        kDisconnect, kShutdown, "KOVA_Uninitialize -> 1"}},
      // Without a manager nothing is asked of the context.
      {"--steps=show:3,uninit,uninit",
       {"KOVA_ShowForm(3) -> 1", "KOVA_Uninitialize -> 1", "KOVA_Uninitialize -> 1"}},
      // The other product dialogs' identifiers show nothing here; each call still
      // refreshes the connection.
      {"--steps=init,show:0,show:1,show:2,show:4,uninit",
       {"KOVA_Initialize -> 1", kGetConnection, kSetServerName, "KOVA_ShowForm(0) -> 1",
        kGetConnection, kSetServerName, "KOVA_ShowForm(1) -> 1", kGetConnection, kSetServerName,
        "KOVA_ShowForm(2) -> 1", kGetConnection, kSetServerName, "KOVA_ShowForm(4) -> 1",
        kDisconnect, kShutdown, "KOVA_Uninitialize -> 1"}},
      {"--steps=init,uninit,show:0",
       {"KOVA_Initialize -> 1", "KOVA_Uninitialize -> 1", "KOVA_ShowForm(0) -> 1"}},
      // A refused connection leaves the manager without one: nothing to hand back.
      {"--context=refuse --steps=init,show:5,uninit",
       {"KOVA_Initialize -> 1", "context: GetConnection -> refused", "KOVA_ShowForm(5) -> 1",
        "KOVA_Uninitialize -> 1"}},
      {"--context=null --steps=init,show:5,uninit",
       {"KOVA_Initialize -> 1", "KOVA_ShowForm(5) -> 1", "KOVA_Uninitialize -> 1"}},
      // A second initialisation tears the first manager down before building anew.
      {"--steps=init,show:7,init,uninit",
       {"KOVA_Initialize -> 1", kGetConnection, kSetServerName, "KOVA_ShowForm(7) -> 1",
        kDisconnect, kShutdown, "KOVA_Initialize -> 1", "KOVA_Uninitialize -> 1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    EXPECT_THAT(Calls(RunHost(installation_, c.options)), ElementsAreArray(c.calls));
  }
}

TEST_F(HostSequenceTest, UnreadableCatalogFailsInitialisation) {
  installation_.RemoveFile("Repository/KOVAMainCat");
  EXPECT_THAT(Calls(RunHost(installation_, "--steps=init,show:3,uninit")),
              ElementsAreArray(
                  {"KOVA_Initialize -> 0", "KOVA_ShowForm(3) -> 1", "KOVA_Uninitialize -> 1"}));
}

TEST_F(HostSequenceTest, InitialisationReportsProductNameSkinAndTranslation) {
  const HostRun run = RunHost(installation_, "--steps=init,uninit", L"", /*trace=*/true);
  EXPECT_THAT(
      run.lines,
      Contains(HasSubstr("product name \"KOVA Internet Security\", skin file \"KOVASkin.skn\"")));
  EXPECT_THAT(run.lines,
              Contains(HasSubstr("\"Desinstalaci\xC3\xB3n de %s\" -> \"Uninstall %s\"")));
}

TEST_F(HostSequenceTest, SettingsDecideWhereTheDictionaryIs) {
  struct Case {
    std::wstring path;      // empty: value removed
    std::wstring language;  // empty: value removed
    std::string translation;
    std::string dictionary_suffix;
  } cases[] = {
      {installation_.SetupPath(), L"English", "\"Uninstall %s\"",
       "\\Lang\\English\\KOVADict.kvd\""},
      // Without the final backslash "Lang" is glued to the folder name.
      {installation_.Directory().wstring(), L"English", "\"Desinstalaci\xC3\xB3n de %s\"",
       installation_.Directory().filename().string() + "Lang\\English\\KOVADict.kvd\""},
      {installation_.SetupPath(), L"", "\"Desinstalaci\xC3\xB3n de %s\"",
       "\\Lang\\\\KOVADict.kvd\""},
      // An unreadable "Path" leaves a path relative to the current directory, which
      // is the installation folder here.
      {std::wstring(300, L'x'), L"English", "\"Uninstall %s\"",
       "dictionary \"Lang\\English\\KOVADict.kvd\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dictionary_suffix);
    key_.DeleteKey();
    key_.SetValue(L"Path", c.path);
    if (c.language.empty()) {
      key_.DeleteValue(L"Language");
    } else {
      key_.SetValue(L"Language", c.language);
    }
    const HostRun run = RunHost(installation_, "--steps=init,uninit", L"", true);
    EXPECT_THAT(run.lines, Contains(HasSubstr("-> " + c.translation)));
    EXPECT_THAT(run.lines, Contains(HasSubstr(c.dictionary_suffix)));
  }
}

TEST_F(HostSequenceTest, CommonDefinitionsLibraryIsNeverTakenFromTheSearchPath) {
  // Only this library's folder and the installation folder count; a copy in the
  // current directory is not loaded.
  TestInstallation planted("PlantedUtils");
  installation_.RemoveFile("KOVAUtils.dll");
  key_.SetValue(L"Path", planted.SetupPath() + L"missing\\");
  const HostRun without =
      RunHost(installation_, "--steps=init,uninit", L"", true, planted.Directory());
  EXPECT_THAT(without.lines, Contains(HasSubstr("product name \"\"")));

  key_.SetValue(L"Path", planted.SetupPath());
  const HostRun from_setup_path = RunHost(installation_, "--steps=init,uninit", L"", true);
  EXPECT_THAT(from_setup_path.lines,
              Contains(HasSubstr("product name \"KOVA Internet Security\"")));
}

TEST_F(HostSequenceTest, FailingConfigurationStoreLeavesTheProductNameEmpty) {
  installation_.UseModuleVariant("utils-init-fails", "KOVAUtils.dll");
  const HostRun run = RunHost(installation_, "--steps=init,uninit", L"", true);
  EXPECT_THAT(run.lines, Contains("KOVA_Initialize -> 1"));
  EXPECT_THAT(run.lines, Contains(HasSubstr("product name \"\"")));
}

}  // namespace
}  // namespace kova::testing
