// The library as a host meets it: kova-host.exe loads the installed KOVAMsg.dll and
// drives its three exports.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

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

constexpr wchar_t kInfoDialogTitle[] = L"About KOVA Internet Security";

// Plays the user in front of the host's dialogs: each time a window with the title is
// shown, a close is posted to it, as its close button would. Counts the windows closed
// and notes whether two of them were ever shown at once.
class DialogCloser {
 public:
  explicit DialogCloser(const wchar_t* title) : title_(title), thread_([this] { Run(); }) {}
  ~DialogCloser() {
    stop_ = true;
    thread_.join();
  }
  int Closed() const { return closed_; }
  bool SawTwoAtOnce() const { return two_at_once_; }

 private:
  void Run() {
    std::set<HWND> closed;
    while (!stop_) {
      int visible = 0;
      for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title_); window != nullptr;
           window = FindWindowExW(nullptr, window, nullptr, title_)) {
        if (!IsWindowVisible(window)) {
          continue;
        }
        ++visible;
        if (closed.insert(window).second) {
          PostMessageW(window, WM_CLOSE, 0, 0);
          ++closed_;
        }
      }
      two_at_once_ = two_at_once_ || visible > 1;
      Sleep(50);
    }
  }

  const wchar_t* title_;
  std::atomic<bool> stop_{false};
  std::atomic<int> closed_{0};
  std::atomic<bool> two_at_once_{false};
  std::thread thread_;
};

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
      {"--steps=init,uninit,show:0",
       {"KOVA_Initialize -> 1", "KOVA_Uninitialize -> 1", "KOVA_ShowForm(0) -> 1"}},
      // A refused connection leaves the manager without one: nothing to hand back.
      {"--context=refuse --steps=init,show:5,uninit",
       {"KOVA_Initialize -> 1", "context: GetConnection -> refused", "KOVA_ShowForm(5) -> 1",
        "KOVA_Uninitialize -> 1"}},
      {"--context=null --steps=init,show:5,uninit",
       {"KOVA_Initialize -> 1", "KOVA_ShowForm(5) -> 1", "KOVA_Uninitialize -> 1"}},
      // A second initialisation builds the new manager, then tears the first one down.
      {"--steps=init,show:7,init,uninit",
       {"KOVA_Initialize -> 1", kGetConnection, kSetServerName, "KOVA_ShowForm(7) -> 1",
        kDisconnect, kShutdown, "KOVA_Initialize -> 1", "KOVA_Uninitialize -> 1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    EXPECT_THAT(Calls(RunHost(installation_, c.options)), ElementsAreArray(c.calls));
  }
}

// The identifiers of the other product dialogs show the information dialog: each call
// refreshes the connection and answers 0 once its dialog has closed; a dialog shown
// before is gone when the next one shows.
TEST_F(HostSequenceTest, OtherFormIdentifiersRunADialogModallyAndAnswerZero) {
  DialogCloser closer(kInfoDialogTitle);
  EXPECT_THAT(Calls(RunHost(installation_, "--steps=init,show:0,show:1,show:2,show:4,uninit")),
              ElementsAreArray(std::vector<std::string>{
                  "KOVA_Initialize -> 1", kGetConnection, kSetServerName, "KOVA_ShowForm(0) -> 0",
                  kGetConnection, kSetServerName, "KOVA_ShowForm(1) -> 0", kGetConnection,
                  kSetServerName, "KOVA_ShowForm(2) -> 0", kGetConnection, kSetServerName,
                  "KOVA_ShowForm(4) -> 0", kDisconnect, kShutdown, "KOVA_Uninitialize -> 1"}));
  EXPECT_EQ(closer.Closed(), 4);
  EXPECT_FALSE(closer.SawTwoAtOnce());
}

// Tear-down hands the dictionary back to the language library and uninitialises the
// resource library, both inside KOVA_Uninitialize.
TEST_F(HostSequenceTest, UninitialisationReleasesTheSiblingModules) {
  const HostRun run = RunHost(installation_, "--steps=init,uninit", L"", /*trace=*/true);
  const auto at = [&](const std::string& line) {
    return std::find(run.lines.begin(), run.lines.end(), line) - run.lines.begin();
  };
  const auto initialized = at("KOVA_Initialize -> 1");
  const auto uninitialized = at("KOVA_Uninitialize -> 1");
  ASSERT_LT(uninitialized, static_cast<std::ptrdiff_t>(run.lines.size()));
  for (const char* release : {"TREMLang: _00002_", "KOVAResources: _KOVA_Uninitialize"}) {
    SCOPED_TRACE(release);
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), release), 1);
    EXPECT_GT(at(release), initialized);
    EXPECT_LT(at(release), uninitialized);
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
