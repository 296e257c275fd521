// The uninstall wizard as the host meets it: KOVAMsg.dll loaded from a sample
// installation, KOVA_ShowForm(3) run on the test's thread while a thread timer plays
// the user. Runs that must start the setup program happen in a child process of this
// program, started with the host command line under test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "config/sibling_interfaces.h"
#include "base/win/handles_win.h"
#include "config/unique_module_win.h"
#include "dialog_user_win.h"
#include "skin/apply/skin_messages.h"
#include "../frame/host_library_win.h"
#include "../frame/test_installation_win.h"

namespace kova::testing {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kEnglishTitle[] = L"Uninstall KOVA Internet Security";
constexpr wchar_t kSpanishTitle[] = L"Desinstalación de KOVA Internet Security";

std::wstring EnvironmentValue(const wchar_t* name) {
  wchar_t buffer[2048] = {};
  const DWORD length = GetEnvironmentVariableW(name, buffer, 2048);
  return std::wstring(buffer, length < 2048 ? length : 0);
}

HWND FindWizard(const wchar_t* title = kEnglishTitle) {
  return FindWindowW(nullptr, title);
}

// Waits for the wizard to be revealed, then runs the action once.
UserScript::Step WhenShown(std::function<void(HWND)> action, const wchar_t* title = kEnglishTitle) {
  return kova::testing::WhenShown(title, std::move(action));
}

// The title-bar buttons: 24 x 15, close at the right end, minimise left of it.
HWND CaptionButton(HWND wizard, bool close) {
  HWND best = nullptr;
  LONG best_left = close ? -1 : LONG_MAX;
  for (HWND button : Children(wizard, L"TKOVAButton")) {
    const RECT r = PlaceInParent(button);
    if (r.right - r.left != 24 || r.bottom - r.top != 15) {
      continue;
    }
    if (close ? r.left > best_left : r.left < best_left) {
      best_left = r.left;
      best = button;
    }
  }
  return best;
}

class WizardInstallation : public ::testing::Test {
 protected:
  explicit WizardInstallation(const std::wstring& language = L"English")
      : installation_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    installation_.Register(key_, language);
  }

  fs::path SetupLog() const { return installation_.Directory() / "Setup.log"; }
  // One line per start of the setup program.
  fs::path SetupRuns() const { return installation_.Directory() / "Setup.runs"; }

  ScopedSetupKey key_;
  TestInstallation installation_;
};

// ---------------------------------------------------------------------------------
// In-process runs: nothing can be launched (this program's own command line is not
// the host's three-argument form), so these look at the wizard itself.

using UninstallWizardTest = WizardInstallation;

TEST_F(UninstallWizardTest, ShowFormReturnsOnlyAfterTheWizardClosedAndIsLaidOut) {
  HostLibrary library(installation_.Directory());
  ASSERT_TRUE(library.Loaded());
  ASSERT_EQ(library.Initialize(), 1);

  bool closed_by_script = false;
  std::wstring question;
  {
    UserScript script({WhenShown([&](HWND wizard) {
      RECT client{};
      GetClientRect(wizard, &client);
      EXPECT_EQ(client.right, 474);
      EXPECT_EQ(client.bottom, 416);
      EXPECT_EQ(GetWindowLongPtrW(wizard, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION),
                WS_SYSMENU | WS_MINIMIZEBOX);
      // Skinned by the library's skin manager: every skinned window answers 1.
      EXPECT_EQ(SendMessageW(wizard, kMsgIsSkinned, 0, 0), 1);

      const std::vector<HWND> pages = Children(wizard, L"TPage");
      ASSERT_EQ(pages.size(), 1u);
      const std::vector<HWND> radios = Children(wizard, L"TRadioButton");
      ASSERT_EQ(radios.size(), 1u);
      const RECT radio = PlaceInParent(radios[0]);
      EXPECT_EQ(radio.left, 33);
      EXPECT_EQ(radio.top, 3);
      EXPECT_EQ(radio.right - radio.left, 16);
      EXPECT_EQ(radio.bottom - radio.top, 25);
      EXPECT_EQ(SendMessageW(radios[0], BM_GETCHECK, 0, 0), BST_CHECKED);

      HWND next = ChildWithText(wizard, L"TKOVAButton", L"Next");
      HWND cancel = ChildWithText(wizard, L"TKOVAButton", L"Cancel");
      ASSERT_NE(next, nullptr);
      ASSERT_NE(cancel, nullptr);
      EXPECT_TRUE(IsWindowEnabled(next));
      const RECT next_rect = PlaceInParent(next);
      const RECT cancel_rect = PlaceInParent(cancel);
      // Placed at (266,9) and (369,9) of a 474-pixel footer and anchored to its right
      // end, which the drawn frame brings in by its thickness on each side.
      RECT footer{};
      GetClientRect(GetParent(next), &footer);
      EXPECT_EQ(footer.bottom, 41);
      EXPECT_EQ(footer.right, 474 - 2 * 2);
      EXPECT_EQ(PlaceInParent(GetParent(next)).bottom, 416 - 2);
      EXPECT_EQ(footer.right - next_rect.left, 474 - 266);
      EXPECT_EQ(next_rect.top, 9);
      EXPECT_EQ(next_rect.right - next_rect.left, 97);
      EXPECT_EQ(next_rect.bottom - next_rect.top, 24);
      EXPECT_EQ(footer.right - cancel_rect.left, 474 - 369);
      EXPECT_EQ(cancel_rect.top, 9);

      EXPECT_NE(CaptionButton(wizard, /*close=*/true), nullptr);
      EXPECT_NE(CaptionButton(wizard, /*close=*/false), CaptionButton(wizard, /*close=*/true));

      EXPECT_TRUE(
          SaveWindowShot(wizard, fs::current_path() / "screenshots" / "uninstall_wizard.png"));
      PressNamedButton(wizard, L"Cancel");
      closed_by_script = true;
    })});
    EXPECT_EQ(library.ShowForm(3), 0);
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_TRUE(closed_by_script);
  EXPECT_FALSE(IsWindowVisible(FindWizard()));
  EXPECT_EQ(library.Uninitialize(), 1);
}

// The setup program removes the product's files: once the host has let the library go,
// nothing of it may stay loaded.
TEST_F(UninstallWizardTest, AfterAWizardTheHostCanUnloadAndDeleteTheLibrary) {
  const fs::path dll = installation_.Directory() / "KOVAMsg.dll";
  {
    HostLibrary library(installation_.Directory());
    ASSERT_EQ(library.Initialize(), 1);
    UserScript script({WhenShown([](HWND wizard) { PressNamedButton(wizard, L"Cancel"); })});
    EXPECT_EQ(library.ShowForm(3), 0);
    EXPECT_EQ(library.Uninitialize(), 1);
  }
  EXPECT_EQ(GetModuleHandleW(dll.c_str()), nullptr);
  std::error_code error;
  EXPECT_TRUE(fs::remove(dll, error)) << error.message();
}

TEST_F(UninstallWizardTest, InvisibleUntilTheRevealTimerThenOpaque) {
  HostLibrary library(installation_.Directory());
  ASSERT_EQ(library.Initialize(), 1);
  Clock::duration revealed_after{};
  BYTE early_alpha = 255;
  {
    UserScript script({After(std::chrono::milliseconds(150),
                             [&] {
                               HWND wizard = FindWizard();
                               ASSERT_NE(wizard, nullptr);
                               early_alpha = WindowAlpha(wizard);
                             }),
                       [&](Clock::duration since_start) {
                         HWND wizard = FindWizard();
                         if (wizard == nullptr || WindowAlpha(wizard) != 255) {
                           return false;
                         }
                         revealed_after = since_start;
                         PressNamedButton(wizard, L"Cancel");
                         return true;
                       }});
    EXPECT_EQ(library.ShowForm(3), 0);
  }
  EXPECT_EQ(early_alpha, 0);
  EXPECT_GE(revealed_after, std::chrono::milliseconds(400));
  library.Uninitialize();
}

// The title bar (tag 99 panel under the frame's top edge) of a shown dialog.
HWND CaptionPanel(HWND dialog) {
  for (HWND panel : Children(dialog, L"TPanel")) {
    const RECT r = PlaceInParent(panel);
    if (GetParent(panel) == dialog && r.top <= 2 && r.bottom - r.top == 32) {
      return panel;
    }
  }
  return nullptr;
}

TEST_F(UninstallWizardTest, TitleBarDragsWhileItsButtonsStillClick) {
  HostLibrary library(installation_.Directory());
  ASSERT_EQ(library.Initialize(), 1);
  constexpr POINT kDrag{-60, 45};
  RECT before{};
  RECT after{};
  {
    UserScript script({WhenShown([&](HWND wizard) {
                         HWND caption = CaptionPanel(wizard);
                         ASSERT_NE(caption, nullptr);
                         SetForegroundWindow(wizard);
                         GetWindowRect(wizard, &before);
                         RECT bar{};
                         GetWindowRect(caption, &bar);
                         // Left of the title-bar buttons, below the title text.
                         const POINT from{bar.left + 200, bar.top + 20};
                         DragMouse(from, POINT{from.x + kDrag.x, from.y + kDrag.y});
                       }),
                       [&](Clock::duration since_start) {
                         HWND wizard = FindWizard();
                         GetWindowRect(wizard, &after);
                         if (after.left == before.left && since_start < std::chrono::seconds(8)) {
                           return false;
                         }
                         // The title bar's own buttons still click: the close button ends the
                         // dialog.
                         HWND close = CaptionButton(wizard, /*close=*/true);
                         EXPECT_NE(close, nullptr);
                         RECT button{};
                         GetWindowRect(close, &button);
                         EXPECT_EQ(SendMessageW(close, WM_NCHITTEST, 0,
                                                MAKELPARAM(button.left + 5, button.top + 5)),
                                   HTCLIENT);
                         ClickWindow(close);
                         return true;
                       }});
    EXPECT_EQ(library.ShowForm(3), 0);
  }
  EXPECT_EQ(after.left - before.left, kDrag.x);
  EXPECT_EQ(after.top - before.top, kDrag.y);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  library.Uninitialize();
}

// What the screen shows of a window, one COLORREF-like 0x00RRGGBB value per pixel.
struct Shot {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
  bool operator==(const Shot& other) const { return pixels == other.pixels; }
};

Shot TakeShot(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT rect{};
  GetWindowRect(window, &rect);
  Shot shot;
  shot.width = rect.right - rect.left;
  shot.height = rect.bottom - rect.top;
  ScopedGetDC screen(nullptr);
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const COLORREF c = GetPixel(screen.Get(), rect.left + x, rect.top + y);
      shot.pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  }
  return shot;
}

bool IsWhite(std::uint32_t pixel) {
  return (pixel & 0xF0F0F0) == 0xF0F0F0;
}

// Of the pixels the normal state draws white (its text), the share the other state also
// draws white, its text moved by `offset`.
double TextKeptWhite(const Shot& normal, const Shot& other, int offset) {
  int text = 0;
  int kept = 0;
  for (int y = 0; y + offset < normal.height; ++y) {
    for (int x = 0; x + offset < normal.width; ++x) {
      if (IsWhite(normal.At(x, y))) {
        ++text;
        kept += IsWhite(other.At(x + offset, y + offset)) ? 1 : 0;
      }
    }
  }
  return text == 0 ? 0.0 : static_cast<double>(kept) / text;
}

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MouseTo(POINT p, DWORD buttons = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
  SendInput(1, &input, sizeof(input));
}

// Real mouse input over the buttons: the title-bar close button shows its hover and
// pressed images, and the push buttons keep white text when hovered and pressed.
TEST_F(UninstallWizardTest, ButtonsShowTheirHoverAndPressedStates) {
  HostLibrary library(installation_.Directory());
  ASSERT_EQ(library.Initialize(), 1);
  HWND close = nullptr;
  HWND next = nullptr;
  HWND cancel = nullptr;
  Shot close_normal, close_hover, close_pressed, next_normal, next_hover, cancel_normal,
      cancel_pressed;
  Clock::duration last{};
  const auto later = [&](Clock::duration now) {
    if (now - last < std::chrono::milliseconds(500)) {
      return false;
    }
    last = now;
    return true;
  };
  {
    UserScript script(
        {WhenShown([&](HWND wizard) {
           SetForegroundWindow(wizard);
           close = CaptionButton(wizard, /*close=*/true);
           next = ChildWithText(wizard, L"TKOVAButton", L"Next");
           cancel = ChildWithText(wizard, L"TKOVAButton", L"Cancel");
           ASSERT_TRUE(close != nullptr && next != nullptr && cancel != nullptr);
           MouseTo(POINT{0, 0});
         }),
         [&](Clock::duration now) {
           if (!later(now))
             return false;
           close_normal = TakeShot(close);
           next_normal = TakeShot(next);
           cancel_normal = TakeShot(cancel);
           MouseTo(CentreOf(close));
           return true;
         },
         [&](Clock::duration now) {
           if (!later(now))
             return false;
           close_hover = TakeShot(close);
           MouseTo(CentreOf(close), MOUSEEVENTF_LEFTDOWN);
           return true;
         },
         [&](Clock::duration now) {
           if (!later(now))
             return false;
           close_pressed = TakeShot(close);
           // Released away from the button: no click.
           MouseTo(POINT{CentreOf(close).x - 150, CentreOf(close).y + 150});
           MouseTo(POINT{CentreOf(close).x - 150, CentreOf(close).y + 150}, MOUSEEVENTF_LEFTUP);
           MouseTo(CentreOf(next));
           return true;
         },
         [&](Clock::duration now) {
           if (!later(now))
             return false;
           next_hover = TakeShot(next);
           MouseTo(CentreOf(cancel));
           MouseTo(CentreOf(cancel), MOUSEEVENTF_LEFTDOWN);
           return true;
         },
         [&](Clock::duration now) {
           if (!later(now))
             return false;
           cancel_pressed = TakeShot(cancel);
           MouseTo(CentreOf(cancel), MOUSEEVENTF_LEFTUP);
           return true;
         },
         After(std::chrono::milliseconds(10000), [&] {
           if (HWND wizard = FindWizard(); IsWindowVisible(wizard)) {
             ADD_FAILURE() << "Cancel did not close the wizard";
             PressNamedButton(wizard, L"Cancel");
           }
         })});
    EXPECT_EQ(library.ShowForm(3), 0);
  }
  ASSERT_EQ(close_normal.width, 24);
  ASSERT_EQ(close_normal.height, 15);
  EXPECT_FALSE(close_hover == close_normal);
  EXPECT_FALSE(close_pressed == close_normal);
  EXPECT_FALSE(close_pressed == close_hover);

  EXPECT_FALSE(next_hover == next_normal);
  EXPECT_FALSE(cancel_pressed == cancel_normal);
  // The normal state has its text in white; hover keeps it in place, pressed moves it
  // one pixel down and right.
  EXPECT_GT(std::count_if(next_normal.pixels.begin(), next_normal.pixels.end(), IsWhite), 20);
  EXPECT_GT(TextKeptWhite(next_normal, next_hover, 0), 0.6);
  EXPECT_GT(TextKeptWhite(cancel_normal, cancel_pressed, 1), 0.6);
  library.Uninitialize();
}

TEST_F(UninstallWizardTest, ClickingTheChoiceTextChecksTheRadioButton) {
  HostLibrary library(installation_.Directory());
  ASSERT_EQ(library.Initialize(), 1);
  LRESULT check_after_click = BST_UNCHECKED;
  HWND radio = nullptr;
  {
    UserScript script({WhenShown([&](HWND wizard) {
                         const std::vector<HWND> radios = Children(wizard, L"TRadioButton");
                         ASSERT_EQ(radios.size(), 1u);
                         radio = radios[0];
                         SendMessageW(radio, BM_SETCHECK, BST_UNCHECKED, 0);
                         // The text is drawn on the choice panel, right of the radio button.
                         const LPARAM on_text = MAKELPARAM(55 + 10, 6 + 8);
                         PostMessageW(GetParent(radio), WM_LBUTTONDOWN, MK_LBUTTON, on_text);
                         PostMessageW(GetParent(radio), WM_LBUTTONUP, 0, on_text);
                       }),
                       After(std::chrono::milliseconds(1200), [&] {
                         check_after_click = SendMessageW(radio, BM_GETCHECK, 0, 0);
                         PressNamedButton(FindWizard(), L"Cancel");
                       })});
    EXPECT_EQ(library.ShowForm(3), 0);
  }
  EXPECT_EQ(check_after_click, BST_CHECKED);
  library.Uninitialize();
}

TEST_F(UninstallWizardTest, F4AloneDoesNothingAltF4ClosesAsTheCloseButton) {
  HostLibrary library(installation_.Directory());
  ASSERT_EQ(library.Initialize(), 1);
  bool open_after_f4 = false;
  {
    UserScript script({WhenShown([&](HWND wizard) {
                         SetForegroundWindow(wizard);
                         PressKeys({VK_F4});
                       }),
                       After(std::chrono::milliseconds(1500),
                             [&] {
                               open_after_f4 = IsWindowVisible(FindWizard());
                               PressKeys({VK_LMENU, VK_F4});
                             }),
                       After(std::chrono::milliseconds(6000), [&] {
                         // Still open: close it so the test ends.
                         if (HWND wizard = FindWizard(); IsWindowVisible(wizard)) {
                           ADD_FAILURE() << "Alt+F4 left the wizard open";
                           ClickWindow(CaptionButton(wizard, /*close=*/true));
                         }
                       })});
    EXPECT_EQ(library.ShowForm(3), 0);
  }
  EXPECT_TRUE(open_after_f4);
  library.Uninitialize();
}

class UntranslatedWizardTest : public WizardInstallation {
 protected:
  UntranslatedWizardTest() : WizardInstallation(L"Spanish") {}
};

TEST_F(UntranslatedWizardTest, WithoutADictionaryTheSourceTextsShowWithTheProductName) {
  HostLibrary library(installation_.Directory());
  ASSERT_EQ(library.Initialize(), 1);
  {
    UserScript script({WhenShown(
        [&](HWND wizard) {
          EXPECT_EQ(TextOf(wizard), kSpanishTitle);
          EXPECT_NE(ChildWithText(wizard, L"TKOVAButton", L"Siguiente"), nullptr);
          EXPECT_TRUE(SaveWindowShot(
              wizard, fs::current_path() / "screenshots" / "uninstall_wizard_es.png"));
          PressNamedButton(wizard, L"Cancelar");
        },
        kSpanishTitle)});
    EXPECT_EQ(library.ShowForm(3), 0);
  }
  library.Uninitialize();
}

// ---------------------------------------------------------------------------------
// Child runs: this program started again with a host command line; the child shows the
// wizard and plays one action, the parent reads what the setup program recorded.

TEST(WizardChild, PlaysTheActionGivenByTheParent) {
  const std::wstring action = EnvironmentValue(L"KOVA_WIZARD_ACTION");
  if (action.empty()) {
    GTEST_SKIP() << "runs only as a child of the launch tests";
  }
  HostLibrary library(EnvironmentValue(L"KOVA_WIZARD_DIR"));
  ASSERT_TRUE(library.Loaded());
  ASSERT_EQ(library.Initialize(), 1);
  {
    UserScript script({WhenShown([&](HWND wizard) {
      if (action == L"next") {
        PressNamedButton(wizard, L"Next");
      } else if (action == L"cancel") {
        PressNamedButton(wizard, L"Cancel");
      } else {
        ClickWindow(CaptionButton(wizard, /*close=*/true));
      }
    })});
    EXPECT_EQ(library.ShowForm(3), 0);
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(library.Uninitialize(), 1);
}

struct LaunchCase {
  const char* label;
  const wchar_t* action;
  const wchar_t* host_arguments;  // after the program name
  bool launches;
  std::vector<std::string> setup_arguments;  // after Setup.exe's own path
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
  *out << c.label;
}

class WizardLaunchTest : public WizardInstallation,
                         public ::testing::WithParamInterface<LaunchCase> {
 protected:
  // Runs this program as the host with the case's command line; waits for it.
  DWORD RunChild() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command_line = L"\"" + std::wstring(self) + L"\" " + GetParam().host_arguments;
    SetEnvironmentVariableW(L"KOVA_WIZARD_ACTION", GetParam().action);
    SetEnvironmentVariableW(L"KOVA_WIZARD_DIR", installation_.Directory().c_str());
    SetEnvironmentVariableW(L"GTEST_FILTER", L"WizardChild.*");
    // The child's results are its exit code; it must not overwrite this run's report.
    SetEnvironmentVariableW(L"GTEST_OUTPUT", nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const BOOL created = CreateProcessW(self, command_line.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(L"KOVA_WIZARD_ACTION", nullptr);
    SetEnvironmentVariableW(L"KOVA_WIZARD_DIR", nullptr);
    SetEnvironmentVariableW(L"GTEST_FILTER", nullptr);
    if (!created) {
      return 0xFFFFFFFF;
    }
    const UniqueProcessHandles started(process);
    WaitForSingleObject(started.process.Get(), 60000);
    DWORD exit_code = 0xFFFFFFFF;
    GetExitCodeProcess(started.process.Get(), &exit_code);
    return exit_code;
  }

  // The lines Setup.exe wrote, once it has (or an empty list after `wait`).
  std::vector<std::string> SetupLogLines(std::chrono::milliseconds wait) const {
    const auto deadline = Clock::now() + wait;
    while (!fs::exists(SetupLog()) && Clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::vector<std::string> lines;
    std::ifstream in(SetupLog());
    for (std::string line; std::getline(in, line);) {
      if (line.ends_with('\r')) {
        line.pop_back();
      }
      lines.push_back(line);
    }
    return lines;
  }
};

TEST_P(WizardLaunchTest, StartsTheSetupProgramOnlyOnNextWithTheHostsLastArgument) {
  const LaunchCase& c = GetParam();
  fs::remove(SetupLog());
  fs::remove(SetupRuns());
  ASSERT_EQ(RunChild(), 0u);
  const std::vector<std::string> lines =
      SetupLogLines(c.launches ? std::chrono::seconds(15) : std::chrono::seconds(2));
  if (!c.launches) {
    EXPECT_THAT(lines, ::testing::IsEmpty());
    EXPECT_FALSE(fs::exists(SetupRuns()));
    return;
  }
  // The wizard has closed; a second start would have begun before it did.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  std::ifstream runs(SetupRuns());
  const std::string all_runs{std::istreambuf_iterator<char>(runs), {}};
  EXPECT_EQ(all_runs, "started\n") << "the setup program must start exactly once";
  const std::string setup =
      fs::path(installation_.Directory() / "Setup.exe").make_preferred().string();
  std::vector<std::string> expected = {"argument 0: " + setup, "argument 1: " + setup};
  for (size_t i = 0; i < c.setup_arguments.size(); ++i) {
    expected.push_back("argument " + std::to_string(i + 2) + ": " + c.setup_arguments[i]);
  }
  std::vector<std::string> arguments;
  for (const std::string& line : lines) {
    if (line.starts_with("argument ")) {
      arguments.push_back(line);
    }
  }
  EXPECT_EQ(arguments, expected);
}

INSTANTIATE_TEST_SUITE_P(
    HostCommandLines, WizardLaunchTest,
    ::testing::Values(
        LaunchCase{"next_two_arguments", L"next", L"/x abc", true, {"/Confirmed", "abc"}},
        LaunchCase{
            "next_last_argument_with_space", L"next", L"/x \"a b\"", true, {"/Confirmed", "a b"}},
        LaunchCase{"next_last_argument_looks_like_a_switch",
                   L"next",
                   L"/x \"/quiet /all\"",
                   true,
                   {"/Confirmed", "/quiet /all"}},
        LaunchCase{"cancel", L"cancel", L"/x abc", false, {}},
        LaunchCase{"close_button", L"close", L"/x abc", false, {}},
        LaunchCase{"next_one_argument", L"next", L"abc", false, {}},
        LaunchCase{"next_three_arguments", L"next", L"/x abc def", false, {}}),
    [](const ::testing::TestParamInfo<LaunchCase>& info) { return info.param.label; });

}  // namespace
}  // namespace kova::testing
