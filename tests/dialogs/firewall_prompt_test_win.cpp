// The firewall prompt as the library's dialogs open it at the end of their flows: the
// form manager is built in-process from inside the sample installation (this program
// lives there), against a host context whose application context and firewall object
// record every call.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialog_user_win.h"
#include "dialogs/dialog_frame_win.h"
#include "import_patch_win.h"
#include "skin/apply/skin_messages.h"
#include "frame/form_manager_win.h"
#include "host_context.h"
#include "../frame/test_installation_win.h"

namespace kova::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr wchar_t kEnglishTitle[] = L"Configure KOVA Internet Security";

fs::path ProgramDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

class FirewallPromptTest : public ::testing::Test {
 protected:
  FirewallPromptTest() {
    key_.SetValue(L"Path", ProgramDirectory().wstring() + L"\\");
    key_.SetValue(L"Language", L"English");
  }

  // Runs the prompt with the script playing the user; answers the firewall calls made.
  std::vector<std::string> RunPrompt(std::vector<UserScript::Step> steps,
                                     host::AppContextOptions options = {}) {
    std::vector<std::string> log;
    host::HostContext context(nullptr, host::ContextMode::kNormal, options,
                              [&log](const std::string& line) { log.push_back(line); });
    {
      CMsg manager(&context);
      UserScript script(std::move(steps));
      manager.ShowFirewallPrompt(nullptr);
      EXPECT_TRUE(script.Finished());
      EXPECT_EQ(FindWindowW(nullptr, kEnglishTitle), nullptr) << "the prompt is destroyed";
    }
    std::vector<std::string> firewall_calls;
    for (const std::string& line : log) {
      if (line.starts_with("firewall: Activate") || line.starts_with("firewall: KeepInactive")) {
        firewall_calls.push_back(line);
      }
    }
    log_ = log;
    return firewall_calls;
  }

  ScopedSetupKey key_;
  std::vector<std::string> log_;
};

HWND Choice(HWND prompt, const wchar_t* text) {
  return ChildWithText(prompt, L"TRadioButton", text);
}

TEST_F(FirewallPromptTest, LaidOutTranslatedAndAcceptTurnsTheFirewallOn) {
  const std::vector<std::string> calls = RunPrompt(
      {WhenShown(kEnglishTitle,
                 [](HWND prompt) {
                   RECT client{};
                   GetClientRect(prompt, &client);
                   EXPECT_EQ(client.right, 409);
                   EXPECT_EQ(client.bottom, 320);
                   EXPECT_EQ(GetWindowLongPtrW(prompt, GWL_STYLE) &
                                 (WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION),
                             WS_SYSMENU);
                   EXPECT_NE(GetWindowLongPtrW(prompt, GWL_EXSTYLE) & WS_EX_COMPOSITED, 0);

                   // The product skin named by the catalog, loaded from beside the library and
                   // active.
                   auto* dialog = dynamic_cast<TKovaDialog*>(FindControl(prompt));
                   ASSERT_NE(dialog, nullptr);
                   const TSkinData& skin = dialog->SkinManager();
                   EXPECT_TRUE(skin.SkinFile().ends_with(u"\\KOVASkin.skn"));
                   EXPECT_FALSE(skin.Empty());
                   EXPECT_TRUE(skin.Active());
                   EXPECT_EQ(skin.SkinFormtype(), TSkinFormType::sfOnlyThisForm);
                   EXPECT_EQ(skin.DisableTag(), 99);

                   HWND activate = Choice(prompt, L"Turn it on now");
                   HWND keep = Choice(prompt, L"Do not turn on the firewall");
                   ASSERT_NE(activate, nullptr);
                   ASSERT_NE(keep, nullptr);
                   EXPECT_EQ(SendMessageW(activate, BM_GETCHECK, 0, 0), BST_CHECKED);
                   EXPECT_EQ(SendMessageW(keep, BM_GETCHECK, 0, 0), BST_UNCHECKED);
                   const RECT place = PlaceInParent(activate);
                   EXPECT_EQ(place.left, 28);
                   EXPECT_EQ(place.top, 51);
                   EXPECT_EQ(place.right - place.left, 357);
                   EXPECT_EQ(PlaceInParent(keep).top, 137);

                   // No title-bar buttons: the only KOVA button is Accept, 115 x 24.
                   const std::vector<HWND> buttons = Children(prompt, L"TKOVAButton");
                   ASSERT_EQ(buttons.size(), 1u);
                   EXPECT_EQ(TextOf(buttons[0]), L"OK");
                   const RECT accept = PlaceInParent(buttons[0]);
                   EXPECT_EQ(accept.right - accept.left, 115);
                   EXPECT_EQ(accept.bottom - accept.top, 24);
                 }),
       After(std::chrono::milliseconds(1000), [] {
         HWND prompt = FindWindowW(nullptr, kEnglishTitle);
         // Switching the skin on runs from the skin manager's timer; since then the manager
         // has the prompt, and a skinned window says so when asked.
         EXPECT_EQ(SendMessageW(prompt, kMsgIsSkinned, 0, 0), 1);
         EXPECT_TRUE(
             SaveWindowShot(prompt, fs::current_path() / "screenshots" / "firewall_prompt.png"));
         PressNamedButton(prompt, L"OK");
       })});
  EXPECT_THAT(calls, ElementsAre("firewall: Activate(0) -> 0x00000000"));
  EXPECT_THAT(log_, Contains("application context: released"));
  EXPECT_THAT(log_, Contains("firewall: released"));
}

TEST_F(FirewallPromptTest, AcceptWithTheOtherChoiceKeepsTheFirewallOff) {
  const std::vector<std::string> calls =
      RunPrompt({WhenShown(kEnglishTitle,
                           [](HWND prompt) {
                             HWND keep = Choice(prompt, L"Do not turn on the firewall");
                             ASSERT_NE(keep, nullptr);
                             PostMessageW(keep, BM_CLICK, 0, 0);
                           }),
                 After(std::chrono::milliseconds(1500), [] {
                   HWND prompt = FindWindowW(nullptr, kEnglishTitle);
                   EXPECT_EQ(SendMessageW(Choice(prompt, L"Turn it on now"), BM_GETCHECK, 0, 0),
                             BST_UNCHECKED);
                   PressNamedButton(prompt, L"OK");
                 })});
  EXPECT_THAT(calls, ElementsAre("firewall: KeepInactive(0) -> 0x00000000"));
}

TEST_F(FirewallPromptTest, AltF4ClosesWithoutCallingTheComponent) {
  const std::vector<std::string> calls = RunPrompt({WhenShown(kEnglishTitle, [](HWND prompt) {
    SetForegroundWindow(prompt);
    PressKeys({VK_LMENU, VK_F4});
  })});
  EXPECT_THAT(calls, IsEmpty());
  EXPECT_THAT(log_, Not(Contains(HasSubstr("GetApplicationContext"))));
}

std::vector<FLASHWINFO> g_flashes;
BOOL WINAPI RecordFlash(PFLASHWINFO info) {
  g_flashes.push_back(*info);
  return TRUE;
}

TEST_F(FirewallPromptTest, TaskBarButtonFlashesTenTimesHalfASecondAfterCreation) {
  ScopedImportPatch patch("user32.dll", "FlashWindowEx", reinterpret_cast<void*>(&RecordFlash));
  ASSERT_TRUE(patch.Patched());
  g_flashes.clear();
  HWND shown = nullptr;
  size_t flashes_at_first_sight = 0;
  RunPrompt({WhenShown(kEnglishTitle,
                       [&](HWND prompt) {
                         shown = prompt;
                         flashes_at_first_sight = g_flashes.size();
                       }),
             After(std::chrono::milliseconds(1500),
                   [] { PressNamedButton(FindWindowW(nullptr, kEnglishTitle), L"OK"); })});
  EXPECT_EQ(flashes_at_first_sight, 0u);
  ASSERT_EQ(g_flashes.size(), 1u);
  const FLASHWINFO& flash = g_flashes[0];
  // The system's record for the build: 20 bytes in a 32-bit process, 32 in a 64-bit one.
  EXPECT_EQ(flash.cbSize, sizeof(void*) == 4 ? 20u : 32u);
  EXPECT_EQ(flash.hwnd, shown);
  EXPECT_EQ(flash.dwFlags, static_cast<DWORD>(FLASHW_TRAY | FLASHW_TIMER));
  EXPECT_EQ(flash.uCount, 10u);
  EXPECT_EQ(flash.dwTimeout, 300u);
}

// The component's failures end in the prompt closing all the same.
TEST_F(FirewallPromptTest, ClosesAfterAcceptWhateverTheComponentAnswered) {
  struct Case {
    const char* label;
    host::AppContextOptions options;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"refused context", {.refuse_context = true}, {}},
      {"failed CreateObject", {.fail_create_object = true}, {}},
      {"failed method", {.fail_firewall_method = true}, {"firewall: Activate(0) -> 0x80004005"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::vector<std::string> calls =
        RunPrompt({WhenShown(kEnglishTitle, [](HWND prompt) { PressNamedButton(prompt, L"OK"); })},
                  c.options);
    EXPECT_EQ(calls, c.calls);
  }
}

}  // namespace
}  // namespace kova::testing
