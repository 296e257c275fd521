#include "skinned_menus_run_win.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "demo_pump_win.h"
#include "forms/controls/forms.h"
#include "forms/controls/menus.h"
#include "screenshot_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_preview.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/system_colors.h"

namespace kova::demo {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kCaption[] = L"KOVA Internet Security";
constexpr POINT kFormPosition{60, 60};
constexpr SIZE kFormSize{480, 300};
constexpr milliseconds kSettle = 600ms;
constexpr milliseconds kStepWait = 10s;

std::string Narrow(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) {
    if (c != u'&') {
      out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
  }
  return out;
}

// The open popup-menu window of this thread and the menu it shows, if any.
HMENU OpenMenu(HWND* window = nullptr) {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM data) CALLBACK -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(wnd, name, 16);
        if (std::wstring(name) == L"#32768" && IsWindowVisible(wnd)) {
          *reinterpret_cast<HWND*>(data) = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  if (window != nullptr) {
    *window = found;
  }
  return found != nullptr ? reinterpret_cast<HMENU>(SendMessageW(found, MN_GETHMENU, 0, 0))
                          : nullptr;
}

// Saves what the screen shows of the form and the open menu together.
bool SaveFormWithMenu(HWND form, HWND menu, const std::filesystem::path& file) {
  RECT area{};
  GetWindowRect(form, &area);
  if (menu != nullptr) {
    RECT popup{};
    GetWindowRect(menu, &popup);
    UnionRect(&area, &area, &popup);
  }
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  TDibBitmap shot(w, h);
  {
    const ScopedGetDC screen(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, w, h, screen.Get(), area.left, area.top, SRCCOPY);
  }
  std::filesystem::create_directories(file.parent_path());
  return testing::SavePng(shot, file);
}

TMenuItem* Add(TComponent* owner, TMenuItem* parent, const char16_t* caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// One thing the user does: the request printed for the script, what must then hold,
// and what follows once it has held for `settle`.
struct Step {
  std::function<void()> request;
  std::function<bool()> happened;
  std::function<void()> then;
  milliseconds settle = 0ms;
};

// Plays the steps from a timer of this thread, so they go on inside the menus' own
// message loops.
struct Player {
  std::vector<Step> steps;
  size_t current = 0;
  bool requested = false;
  bool failed = false;
  Clock::time_point asked_at{};
  Clock::time_point held_since{};
  bool holding = false;

  bool Finished() const { return failed || current >= steps.size(); }

  void Tick() {
    if (Finished()) {
      return;
    }
    Step& step = steps[current];
    const auto now = Clock::now();
    if (!requested) {
      requested = true;
      asked_at = now;
      holding = false;
      step.request();
      return;
    }
    if (!step.happened()) {
      holding = false;
      if (now - asked_at > kStepWait) {
        Print("step " + std::to_string(current + 1) + " did not happen");
        failed = true;
        EndMenu();
      }
      return;
    }
    if (!holding) {
      holding = true;
      held_since = now;
    }
    if (now - held_since < step.settle) {
      return;
    }
    if (step.then) {
      step.then();
    }
    ++current;
    requested = false;
  }
};
Player* g_player = nullptr;

void CALLBACK PlayStep(HWND, UINT, UINT_PTR, DWORD) {
  if (g_player != nullptr) {
    g_player->Tick();
  }
}

void Ask(const std::string& what, const std::string& name, POINT at) {
  char line[128];
  std::snprintf(line, sizeof line, "%s %s %ld %ld", what.c_str(), name.c_str(), at.x, at.y);
  Print(line);
}

}  // namespace

int RunSkinnedMenus(const std::filesystem::path& skin_file, const std::filesystem::path& shots) {
  UseSkinManager();
  bool ok = true;
  {
    auto skin = std::make_unique<TSkinData>(nullptr);
    skin->SetSkinFormtype(TSkinFormType::sfMainform);
    skin->Loaded();
    const std::wstring name = skin_file.wstring();
    skin->LoadFromFile(WideString(name.begin(), name.end()));
    skin->SetActive(true);
    if (skin->Empty()) {
      Print("cannot read the skin " + skin_file.string());
      return 1;
    }

    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    const std::wstring caption = kCaption;
    form->SetCaption(WideString(caption.begin(), caption.end()));
    form->SetColor(ResolveColor(skin->Color(TShemeColor::csButtonFace)));
    form->SetLeft(kFormPosition.x);
    form->SetTop(kFormPosition.y);
    const SkinFrameMetrics frame = FrameMetrics(*skin);
    form->SetClientWidth(kFormSize.cx - frame.left - frame.right);
    form->SetClientHeight(kFormSize.cy - frame.caption - frame.bottom -
                          GetSystemMetrics(SM_CYMENU));

    // File: a shortcut, a submenu, a separator; Edit: a disabled item; View: a checked one.
    auto* menu = new TMainMenu(form.get());
    TMenuItem* file = Add(menu, menu->Items(), u"&File");
    Add(menu, file, u"&Open report...")->SetShortCut(ShortCut('O', scCtrl));
    TMenuItem* recent = Add(menu, file, u"&Recent scans");
    Add(menu, recent, u"&Today");
    Add(menu, recent, u"&Yesterday");
    Add(menu, file, u"-");
    TMenuItem* exit = Add(menu, file, u"E&xit");
    TMenuItem* edit = Add(menu, menu->Items(), u"&Edit");
    Add(menu, edit, u"&Undo")->SetEnabled(false);
    Add(menu, edit, u"&Copy report")->SetShortCut(ShortCut('C', scCtrl));
    Add(menu, edit, u"Select &all");
    TMenuItem* view = Add(menu, menu->Items(), u"&View");
    Add(menu, view, u"&Status bar")->SetChecked(true);
    Add(menu, view, u"&Details");
    Add(menu, view, u"&Large icons");
    form->SetMenu(menu);

    auto* popup = new TPopupMenu(form.get());
    Add(popup, popup->Items(), u"&Scan now");
    Add(popup, popup->Items(), u"&Quarantine");
    Add(popup, popup->Items(), u"-");
    Add(popup, popup->Items(), u"S&ettings");

    std::vector<std::string> chosen;
    auto report = [&chosen](TObject* sender) {
      auto* item = static_cast<TMenuItem*>(sender);
      std::string path = Narrow(item->Caption());
      for (TMenuItem* up = item->Parent(); up != nullptr && up->Parent() != nullptr;
           up = up->Parent()) {
        path = Narrow(up->Caption()) + " > " + path;
      }
      chosen.push_back(path);
      Print("chosen: " + path + " (command " + std::to_string(item->Command()) + ")");
    };
    std::function<void(TMenuItem*)> hook_up = [&](TMenuItem* item) {
      for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* sub = item->GetItem(i);
        if (sub->Count() > 0) {
          hook_up(sub);
        } else if (!sub->IsLine()) {
          sub->OnClick = report;
        }
      }
    };
    hook_up(menu->Items());
    hook_up(popup->Items());
    TForm* shown_form = form.get();
    exit->OnClick = [report, shown_form](TObject* sender) {
      report(sender);
      shown_form->Close();
    };
    // A right click in the form opens the popup menu where the mouse is.
    const TWndMethod old_method = form->WindowProc;
    form->WindowProc = [old_method, popup, shown_form](TMessage& message) {
      if (message.Msg == WM_CONTEXTMENU) {
        POINT at{};
        GetCursorPos(&at);
        popup->Popup(at.x, at.y, shown_form->Handle());
        return;
      }
      if (old_method) {
        old_method(message);
      } else {
        shown_form->WndProc(message);
      }
    };

    form->SetVisible(true);
    HWND window = form->Handle();
    SetForegroundWindow(window);
    SetActiveWindow(window);
    const TSkinManage* manager = SkinManager();
    if (!PumpUntil([&] { return manager != nullptr && manager->FindSkinForm(window) != nullptr; },
                   5s)) {
      Print("the form was not skinned");
      return 1;
    }
    PumpFor(kSettle);
    const TWinSkinForm* entry = manager->FindSkinForm(window);
    if (entry == nullptr || entry->MenuBar() == nullptr || entry->MenuBar()->Buttons().empty()) {
      Print("the form shows no skinned menu bar");
      return 1;
    }
    std::string bar;
    for (const auto& button : entry->MenuBar()->Buttons()) {
      bar += (bar.empty() ? "" : ", ") + Narrow(button->caption);
    }
    Print("form \"KOVA Internet Security\" with the menu bar in its skinned frame: " + bar +
          (GetMenu(window) == nullptr ? "; the system draws no menu bar" : ""));

    RECT frame_rect{};
    GetWindowRect(window, &frame_rect);
    const RECT file_button = entry->MenuBar()->Buttons().front()->Rect();
    const POINT file_at{frame_rect.left + (file_button.left + file_button.right) / 2,
                        frame_rect.top + (file_button.top + file_button.bottom) / 2};
    RECT client{};
    GetClientRect(window, &client);
    POINT client_at{client.right / 2, client.bottom / 2};
    ClientToScreen(window, &client_at);

    auto opened = [](TMenuItem* item) { return [item] { return OpenMenu() == item->Handle(); }; };
    auto closed = [] { return OpenMenu() == nullptr; };
    auto picked = [&chosen](size_t count) {
      return [&chosen, count] { return chosen.size() >= count; };
    };
    // The popup menu's native menu is built when it is first shown.
    auto popup_opened = [popup] {
      return popup->CurrentHandle() != nullptr && OpenMenu() == popup->CurrentHandle();
    };
    Player player;
    player.steps = {
        {[&] { Ask("click", "File", file_at); }, opened(file),
         [&] {
           HWND menu_window = nullptr;
           OpenMenu(&menu_window);
           const bool saved = SaveFormWithMenu(window, menu_window, shots / "skinned-menus.png");
           ok &= saved;
           Print(std::string("menu open: File, by a click on its menu-bar button; ") +
                 (saved ? "saved skinned-menus.png" : "the screenshot could not be written"));
         },
         kSettle},
        {[] { Print("key Escape"); }, closed, [] { Print("menu closed with Escape"); }},
        {[] { Print("key alt+v"); }, opened(view), [] { Print("menu open: View, by Alt+V"); },
         300ms},
        {[] { Print("key Down Return"); }, picked(1), nullptr},
        {[&] { Ask("rclick", "form", client_at); }, popup_opened,
         [] { Print("popup menu open, by a right click in the form"); }, 300ms},
        {[] { Print("key Down Down Return"); }, picked(2), nullptr},
        {[] { Print("key alt+f"); }, opened(file), [] { Print("menu open: File, by Alt+F"); },
         300ms},
        {[] { Print("key Up Return"); }, [window] { return !IsWindowVisible(window); },
         [] { Print("the form is closed"); }},
    };
    g_player = &player;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PlayStep);
    PumpUntil([&player] { return player.Finished(); }, 120s);
    KillTimer(nullptr, timer);
    g_player = nullptr;
    ok &= player.Finished() && !player.failed;
    if (IsWindowVisible(window)) {
      form->SetVisible(false);
    }
  }
  FreeSkinManager();
  return ok ? 0 : 1;
}

}  // namespace kova::demo
