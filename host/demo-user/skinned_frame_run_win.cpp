#include "skinned_frame_run_win.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "forms/controls/forms.h"
#include "demo_pump_win.h"
#include "screenshot_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_preview.h"
#include "skin/data/skin_data.h"
#include "skin/data/system_colors.h"
#include "window_search_win.h"

namespace kova::demo {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr wchar_t kCaption[] = L"KOVA Internet Security";
constexpr wchar_t kBoxText[] = L"KOVA Internet Security protects this computer.";
constexpr wchar_t kOtherCaption[] = L"Another window";
constexpr POINT kFormPosition{60, 60};
// The size of the skin's preview in the documentation, so the two compare directly.
constexpr SIZE kFormSize{480, 300};
// Long enough for the manager's delayed set-up and the first non-client paint.
constexpr milliseconds kSettle = 600ms;
constexpr milliseconds kClickWait = 10s;

enum class CaptionAction { kClose = 0, kMaximizeOrRestore = 1 };

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

bool Skinned(HWND window) {
  const TSkinManage* manager = SkinManager();
  return manager != nullptr && manager->FindSkinForm(window) != nullptr;
}

// What the window itself says about its state.
std::string DescribeWindow(HWND window) {
  if (!IsWindow(window)) {
    return "destroyed";
  }
  if (!IsWindowVisible(window)) {
    return "hidden";
  }
  RECT rect{};
  GetWindowRect(window, &rect);
  const char* state = IsZoomed(window) ? "maximized" : IsIconic(window) ? "minimized" : "normal";
  char text[160];
  std::snprintf(text, sizeof text, "%s, %ldx%ld at (%ld, %ld), %s", state, rect.right - rect.left,
                rect.bottom - rect.top, rect.left, rect.top,
                Skinned(window) ? "skinned" : "NOT skinned");
  return text;
}

// The screen position of the middle of the visible caption button with that action.
std::optional<POINT> CaptionButtonCentre(HWND window, CaptionAction action) {
  const TSkinManage* manager = SkinManager();
  const TWinSkinForm* entry = manager != nullptr ? manager->FindSkinForm(window) : nullptr;
  if (entry == nullptr) {
    return std::nullopt;
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  for (const auto& button : entry->SysButtons()) {
    if (button->Visible() && button->Action() == static_cast<int32_t>(action)) {
      const RECT r = button->Rect();
      return POINT{frame.left + (r.left + r.right) / 2, frame.top + (r.top + r.bottom) / 2};
    }
  }
  return std::nullopt;
}

// Asks for a real click on `at` and waits until `happened` holds.
bool ClickAndWait(const std::string& name, POINT at, const std::function<bool()>& happened) {
  char line[96];
  std::snprintf(line, sizeof line, "click %s %ld %ld", name.c_str(), at.x, at.y);
  Print(line);
  return PumpUntil(happened, kClickWait);
}

std::unique_ptr<TSkinData> LoadSkin(TSkinFormType type, const std::filesystem::path& file) {
  auto data = std::make_unique<TSkinData>(nullptr);
  data->SetSkinFormtype(type);
  data->Loaded();
  const std::wstring name = file.wstring();
  data->LoadFromFile(WideString(name.begin(), name.end()));
  data->SetActive(true);
  return data;
}

std::unique_ptr<TForm> MakeForm(const TSkinData& skin) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBorderIcons(
      {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
  const std::wstring caption = kCaption;
  form->SetCaption(WideString(caption.begin(), caption.end()));
  form->SetColor(ResolveColor(skin.Color(TShemeColor::csButtonFace)));
  form->SetLeft(kFormPosition.x);
  form->SetTop(kFormPosition.y);
  // The skinned frame keeps the client area and puts the skin's borders around it.
  const SkinFrameMetrics frame = FrameMetrics(skin);
  form->SetClientWidth(kFormSize.cx - frame.left - frame.right);
  form->SetClientHeight(kFormSize.cy - frame.caption - frame.bottom);
  return form;
}

bool Activate(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return PumpUntil([window] { return GetForegroundWindow() == window; }, 2s);
}

bool Save(HWND window, const std::filesystem::path& file) {
  if (!testing::SaveWindowShot(window, file)) {
    Print("cannot write " + file.string());
    return false;
  }
  Print("saved " + file.filename().string());
  return true;
}

// Plays the user of the message box from its own modal loop: saves it once it is
// skinned and painted and asks for a real click on OK.
struct MessageBoxUser {
  std::filesystem::path shot;
  HWND box = nullptr;
  std::chrono::steady_clock::time_point skinned_at{};
  std::chrono::steady_clock::time_point asked_at{};
  bool saved = false;
  bool asked = false;
  bool gave_up = false;
};
MessageBoxUser* g_box_user = nullptr;

HWND FindMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
          *reinterpret_cast<HWND*>(data) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK PlayMessageBoxUser(HWND, UINT, UINT_PTR, DWORD) {
  MessageBoxUser& user = *g_box_user;
  const auto now = std::chrono::steady_clock::now();
  if (user.asked) {
    if (!user.gave_up && now - user.asked_at > kClickWait && IsWindow(user.box)) {
      user.gave_up = true;
      PostMessageW(user.box, WM_COMMAND, IDCANCEL, 0);
    }
    return;
  }
  if (user.box == nullptr) {
    user.box = FindMessageBox();
    if (user.box == nullptr || !Skinned(user.box)) {
      user.box = nullptr;
      return;
    }
    user.skinned_at = now;
    return;
  }
  if (now - user.skinned_at < kSettle) {
    return;
  }
  user.saved = Save(user.box, user.shot);
  user.asked = true;
  user.asked_at = now;
  if (const auto ok = ChildCentre(user.box, L"OK")) {
    char line[64];
    std::snprintf(line, sizeof line, "click OK %ld %ld", ok->x, ok->y);
    Print(line);
  } else {
    Print("the message box shows no OK button");
    user.gave_up = true;
    PostMessageW(user.box, WM_COMMAND, IDCANCEL, 0);
  }
}

// Shows the message box over `owner`; answers whether it was saved and closed by the
// click on OK.
bool RunMessageBox(HWND owner, const std::filesystem::path& shot) {
  MessageBoxUser user{shot};
  g_box_user = &user;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PlayMessageBoxUser);
  const int answer = MessageBoxW(owner, kBoxText, kCaption, MB_OK | MB_ICONINFORMATION);
  KillTimer(nullptr, timer);
  g_box_user = nullptr;
  Print(std::string("message box: ") + (user.box != nullptr ? "skinned" : "NOT skinned") +
        ", closed with " + (answer == IDOK && !user.gave_up ? "OK" : "no click on OK"));
  return user.saved && answer == IDOK && !user.gave_up;
}

// A plain window elsewhere on the screen, to take the activation from the form.
HWND MakeOtherWindow() {
  return CreateWindowExW(0, L"STATIC", kOtherCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 620, 60,
                         260, 140, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Clicks a caption button of the form and reports the state the window answers.
bool ClickCaptionButton(HWND window, const std::string& name, CaptionAction action,
                        const std::function<bool()>& happened) {
  const auto at = CaptionButtonCentre(window, action);
  if (!at) {
    Print("the form shows no " + name + " button; it is " + DescribeWindow(window));
    return false;
  }
  const bool done = ClickAndWait(name, *at, happened);
  PumpFor(kSettle);  // let the frame repaint before the state is read back
  Print("after " + name + ": " + DescribeWindow(window));
  return done;
}

}  // namespace

int RunSkinnedFrame(const std::filesystem::path& skin_file, const std::filesystem::path& shots) {
  UseSkinManager();
  bool ok = true;
  {
    const std::unique_ptr<TSkinData> forms = LoadSkin(TSkinFormType::sfMainform, skin_file);
    const std::unique_ptr<TSkinData> dialogs = LoadSkin(TSkinFormType::sfDialog, skin_file);
    if (forms->Empty()) {
      Print("cannot read the skin " + skin_file.string());
      return 1;
    }
    const std::unique_ptr<TForm> form = MakeForm(*forms);
    form->SetVisible(true);
    HWND window = form->Handle();
    Activate(window);
    if (!PumpUntil([window] { return Skinned(window); }, 5s)) {
      Print("the form was not skinned");
      return 1;
    }
    PumpFor(kSettle);
    Print("form \"" + Narrow(kCaption) + "\": " + DescribeWindow(window));
    ok &= Save(window, shots / "skinned-form.png");

    HWND other = MakeOtherWindow();
    const bool other_active = Activate(other);
    PumpFor(kSettle);
    Print(std::string("activated \"") + Narrow(kOtherCaption) +
          "\": " + (other_active ? "the form is inactive" : "the form is STILL active"));
    ok &= other_active && Save(window, shots / "skinned-form-inactive.png");
    DestroyWindow(other);

    Activate(window);
    ok &= RunMessageBox(window, shots / "skinned-message-box.png");

    if (!Activate(window)) {
      Print("the form could not be activated again");
    }
    PumpFor(kSettle);
    ok &= ClickCaptionButton(window, "maximize", CaptionAction::kMaximizeOrRestore,
                             [window] { return IsZoomed(window) != FALSE; });
    ok &= ClickCaptionButton(window, "restore", CaptionAction::kMaximizeOrRestore,
                             [window] { return IsZoomed(window) == FALSE; });
    ok &= ClickCaptionButton(window, "close", CaptionAction::kClose,
                             [window] { return !IsWindow(window) || !IsWindowVisible(window); });
  }
  FreeSkinManager();
  return ok ? 0 : 1;
}

}  // namespace kova::demo
