#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "control_skin_fixture.h"
#include "forms/controls/forms.h"
#include "forms/controls/stdctrls.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/apply/win_skin_check_box_win.h"
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_skin_scrollbar_win.h"

namespace kova {
namespace {

using testing::FrameColor;

std::vector<WPARAM> g_commands;

// A plain dialog-like window: it records its buttons' commands and scrolls its scroll
// bars the way programs do on the system's scroll codes.
LRESULT CALLBACK ParentProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_COMMAND) {
    g_commands.push_back(wparam);
    return 0;
  }
  if (msg == WM_HSCROLL && lparam != 0) {
    HWND bar = reinterpret_cast<HWND>(lparam);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &info);
    int pos = info.nPos;
    switch (LOWORD(wparam)) {
      case SB_LINELEFT:
        pos -= 1;
        break;
      case SB_LINERIGHT:
        pos += 1;
        break;
      case SB_PAGELEFT:
        pos -= static_cast<int>(info.nPage);
        break;
      case SB_PAGERIGHT:
        pos += static_cast<int>(info.nPage);
        break;
      case SB_THUMBTRACK:
        pos = info.nTrackPos;
        break;
      default:
        break;
    }
    SetScrollPos(bar, SB_CTL, pos, TRUE);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() < end);
}

class SkinControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_commands.clear();
    static const bool registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = ParentProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"KOVAControlTestParent";
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      return RegisterClassW(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    testing::Load(skin_, testing::FrameColoredSkin());
    parent_.Reset(CreateWindowExW(0, L"KOVAControlTestParent", L"controls",
                                  WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50, 400, 300,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(parent_);
    SetForegroundWindow(parent_.Get());
    Pump(30);
  }

  HWND Child(const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y, int w,
             int h, int id) {
    return CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           parent_.Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
  }

  // What the window shows: its WM_PAINT drawn into a bitmap of its size.
  static TBitmap Painted(HWND wnd, UINT msg = WM_PAINT) {
    RECT r{};
    GetWindowRect(wnd, &r);
    TDibBitmap dib(r.right - r.left, r.bottom - r.top);
    SendMessageW(wnd, msg, reinterpret_cast<WPARAM>(dib.Canvas().Handle()),
                 msg == WM_PRINTCLIENT ? PRF_CLIENT : 0);
    GdiFlush();
    return dib.ToPixels();
  }
  static TColor At(const TBitmap& b, int x, int y) { return b.Pixel(x, y) & 0xFFFFFF; }

  static void RealClick(HWND wnd, POINT client_down, POINT client_up) {
    POINT down = client_down;
    POINT up = client_up;
    ClientToScreen(wnd, &down);
    ClientToScreen(wnd, &up);
    SetCursorPos(down.x, down.y);
    Pump(60);
    if (down.x == up.x && down.y == up.y) {
      // Both at once: a held press would start the system's repeat.
      INPUT both[2] = {};
      both[0].type = both[1].type = INPUT_MOUSE;
      both[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
      both[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
      SendInput(2, both, sizeof(INPUT));
      Pump(150);
      return;
    }
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &press, sizeof(INPUT));
    Pump(60);
    SetCursorPos(up.x, up.y);
    Pump(400);  // the system notices a tracked leave on its own timer
    INPUT release{};
    release.type = INPUT_MOUSE;
    release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &release, sizeof(INPUT));
    Pump(150);
  }

  TSkinData skin_{nullptr};
  UniqueWindow parent_;
};

TEST_F(SkinControlsTest, PlainDialogControlsGetTheirObjectsOnce) {
  HWND push = Child(L"BUTTON", L"OK", BS_PUSHBUTTON, 10, 10, 80, 24, 101);
  HWND check = Child(L"Button", L"Check", BS_AUTOCHECKBOX, 10, 40, 120, 20, 102);
  HWND radio = Child(L"button", L"Radio", BS_AUTORADIOBUTTON, 10, 70, 120, 20, 103);
  HWND group = Child(L"BUTTON", L"Group", BS_GROUPBOX, 200, 10, 150, 80, 104);
  HWND bar = Child(L"SCROLLBAR", L"", SBS_HORZ | WS_TABSTOP, 10, 100, 200, 17, 105);
  HWND text = Child(L"STATIC", L"text", 0, 10, 130, 80, 20, 106);
  TSkinControls controls(&skin_, nullptr);
  controls.InitHwndControls(parent_.Get());
  EXPECT_NE(dynamic_cast<TSkinButton*>(controls.Find(push)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinCheckBox*>(controls.Find(check)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinRadioButton*>(controls.Find(radio)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinScControl*>(controls.Find(bar)), nullptr);
  EXPECT_EQ(controls.Find(group), nullptr);
  EXPECT_EQ(controls.Find(text), nullptr);
  const size_t count = controls.Count();
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(SendMessageW(push, kMsgIsSkinned, 0, 0), 1);

  // A second pass, or a second list, gives no window a second object.
  controls.InitHwndControls(parent_.Get());
  EXPECT_EQ(controls.Count(), count);
  TSkinControls other(&skin_, nullptr);
  other.InitHwndControls(parent_.Get());
  EXPECT_EQ(other.Count(), 0u);

  // Un-skinning gives the windows their own procedures back.
  const LONG_PTR skinned_proc = GetWindowLongPtrW(push, GWLP_WNDPROC);
  controls.DeleteControls();
  EXPECT_EQ(controls.Count(), 0u);
  EXPECT_NE(GetWindowLongPtrW(push, GWLP_WNDPROC), skinned_proc);
  EXPECT_EQ(SendMessageW(push, kMsgIsSkinned, 0, 0), 0);
}

TEST_F(SkinControlsTest, ClearedButtonFamilyLeavesPushButtonsAlone) {
  TSkinControlTypes families = skin_.SkinControls();
  families.Exclude(TSkinControlType::xcButton);
  skin_.SetSkinControls(families);
  HWND push = Child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON, 10, 10, 80, 24, 101);
  HWND check = Child(L"BUTTON", L"Check", BS_AUTOCHECKBOX, 10, 40, 120, 20, 102);
  TSkinControls controls(&skin_, nullptr);
  controls.InitHwndControls(parent_.Get());
  EXPECT_EQ(controls.Find(push), nullptr);
  EXPECT_NE(controls.Find(check), nullptr);
}

TEST_F(SkinControlsTest, PushButtonFramesFromItsState) {
  HWND push = Child(L"BUTTON", L"OK", BS_PUSHBUTTON, 10, 10, 80, 24, 101);
  HWND def = Child(L"BUTTON", L"Go", BS_DEFPUSHBUTTON | WS_DISABLED, 100, 10, 80, 24, 102);
  TSkinControls controls(&skin_, nullptr);
  controls.InitHwndControls(parent_.Get());
  // Away from the caption, inside the stretched middle of the image.
  EXPECT_EQ(At(Painted(push), 5, 12), FrameColor(1));
  EXPECT_EQ(At(Painted(def), 5, 12), FrameColor(3));  // disabled default: 3, not 5
  SetFocus(push);
  EXPECT_EQ(At(Painted(push), 5, 12), FrameColor(5));

  SendMessageW(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(At(Painted(push), 5, 12), FrameColor(4));
  SendMessageW(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(At(Painted(push), 5, 12), FrameColor(2));
  // Losing the mouse while pressed returns to the resting frame and does not click.
  SendMessageW(push, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(At(Painted(push), 5, 12), FrameColor(5));
  SendMessageW(push, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump(30);
  EXPECT_TRUE(g_commands.empty());

  // Suspended, the native button paints itself; resumed, the skin paints again.
  SendMessageW(push, kMsgEnableControlSkin, 0, 0);
  EXPECT_NE(At(Painted(push), 5, 12), FrameColor(5));
  SendMessageW(push, kMsgEnableControlSkin, 1, 0);
  EXPECT_EQ(At(Painted(push), 5, 12), FrameColor(5));
}

TEST_F(SkinControlsTest, RealPressAndReleaseClicksOnlyInside) {
  HWND push = Child(L"BUTTON", L"OK", BS_PUSHBUTTON, 10, 10, 80, 24, 101);
  TSkinControls controls(&skin_, nullptr);
  controls.InitHwndControls(parent_.Get());
  RealClick(parent_.Get(), {50, 22}, {50, 22});
  ASSERT_EQ(g_commands.size(), 1u);
  EXPECT_EQ(LOWORD(g_commands[0]), 101);
  EXPECT_EQ(HIWORD(g_commands[0]), BN_CLICKED);

  // Pressed, dragged off the button and released outside: no click, resting frame.
  g_commands.clear();
  RealClick(parent_.Get(), {50, 22}, {300, 200});
  EXPECT_TRUE(g_commands.empty());
  auto* button = dynamic_cast<TSkinButton*>(controls.Find(push));
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->ButtonState().pressed);
  EXPECT_FALSE(button->ButtonState().hot);
  EXPECT_EQ(At(Painted(push), 5, 12), FrameColor(5));  // it kept the focus
}

TEST_F(SkinControlsTest, CheckBoxFramesFollowTheCheckState) {
  HWND check = Child(L"BUTTON", L"Check", BS_AUTO3STATE, 10, 40, 120, 21, 102);
  HWND right = Child(L"BUTTON", L"Left text", BS_AUTOCHECKBOX | BS_LEFTTEXT, 10, 70, 120, 21, 103);
  TSkinControls controls(&skin_, nullptr);
  controls.InitHwndControls(parent_.Get());
  const int box_x = 6;
  const int box_y = 10;
  EXPECT_EQ(At(Painted(check), box_x, box_y), FrameColor(1));
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(At(Painted(check), box_x, box_y), FrameColor(2));
  SendMessageW(check, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(At(Painted(check), box_x, box_y), FrameColor(4));
  SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
  EnableWindow(check, FALSE);
  EXPECT_EQ(At(Painted(check), box_x, box_y), FrameColor(3));
  // BS_LEFTTEXT puts the box at the right.
  EXPECT_EQ(At(Painted(right), 120 - box_x, box_y), FrameColor(1));
  EXPECT_NE(At(Painted(right), box_x, box_y), FrameColor(1));

  // A real click ticks it, as the native box does, and the skin shows it.
  HWND tick = Child(L"BUTTON", L"Tick", BS_AUTOCHECKBOX, 10, 100, 120, 21, 104);
  controls.AddControlh(tick);
  RealClick(parent_.Get(), {16, 110}, {16, 110});
  EXPECT_EQ(SendMessageW(tick, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(At(Painted(tick), box_x, box_y), FrameColor(2));
}

TEST_F(SkinControlsTest, ScrollbarOverlayPaintsAndTrackClickScrollsOnePage) {
  HWND skinned = Child(L"SCROLLBAR", L"", SBS_HORZ, 10, 100, 200, 17, 105);
  HWND plain = Child(L"SCROLLBAR", L"", SBS_HORZ, 10, 150, 200, 17, 106);
  for (HWND bar : {skinned, plain}) {
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
  }
  TSkinControls controls(&skin_, nullptr);
  auto* object = dynamic_cast<TSkinScControl*>(controls.AddControlh(skinned));
  ASSERT_NE(object, nullptr);
  ASSERT_NE(object->Overlay(), nullptr);
  HWND overlay = object->Overlay()->Handle();
  RECT over{}, host{};
  GetWindowRect(overlay, &over);
  GetWindowRect(skinned, &host);
  EXPECT_TRUE(EqualRect(&over, &host));

  const TBitmap painted = Painted(overlay, WM_PRINTCLIENT);
  EXPECT_EQ(At(painted, 3, 8), FrameColor(1));    // left arrow
  EXPECT_EQ(At(painted, 196, 8), FrameColor(5));  // right arrow
  EXPECT_EQ(At(painted, 150, 8), FrameColor(1));  // track
  Pump(30);

  // A click on the track right of the thumb, on each bar: both move by one page.
  RealClick(parent_.Get(), {160, 108}, {160, 108});
  RealClick(parent_.Get(), {160, 158}, {160, 158});
  EXPECT_EQ(GetScrollPos(plain, SB_CTL), 10);
  EXPECT_EQ(GetScrollPos(skinned, SB_CTL), GetScrollPos(plain, SB_CTL));
}

TEST_F(SkinControlsTest, FrameworkControlsAndTheDisableTag) {
  TForm form(nullptr);
  form.SetBounds(60, 60, 300, 200);
  form.SetVisible(true);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(10, 10, 80, 24);
  button->SetCaption(u"OK");
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  auto* check = new TCheckBox(&form);
  check->SetParent(&form);
  check->SetBounds(10, 40, 120, 21);
  auto* kept = new TCheckBox(&form);
  kept->SetParent(&form);
  kept->SetBounds(10, 70, 120, 21);
  kept->SetTag(skin_.DisableTag());
  auto* radio = new TRadioButton(&form);
  radio->SetParent(&form);
  radio->SetBounds(10, 100, 120, 21);
  Pump(30);

  TSkinControls controls(&skin_, nullptr);
  controls.InitChildCtrl(&form);
  EXPECT_NE(dynamic_cast<TSkinButton*>(controls.Find(button)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinCheckBox*>(controls.Find(check)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinRadioButton*>(controls.Find(radio)), nullptr);
  EXPECT_EQ(controls.Find(kept), nullptr);  // the disable tag keeps its own look
  const size_t count = controls.Count();
  controls.InitChildCtrl(&form);
  EXPECT_EQ(controls.Count(), count);

  // The press never reaches the native button; the release over it clicks once.
  HWND wnd = button->Handle();
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(At(Painted(wnd), 5, 12), FrameColor(2));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump(30);
  EXPECT_EQ(clicks, 1);

  check->SetChecked(true);
  EXPECT_TRUE(check->Checked());  // the control still does its own work
  EXPECT_EQ(At(Painted(check->Handle()), 6, 10), FrameColor(2));
  radio->SetChecked(false);
  EXPECT_EQ(At(Painted(radio->Handle()), 6, 10), FrameColor(1));

  // Un-skinned, the button works as the native one again.
  controls.DeleteControls();
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump(30);
  EXPECT_EQ(clicks, 2);
  EXPECT_NE(At(Painted(wnd), 5, 12), FrameColor(1));
}

TEST_F(SkinControlsTest, TheSkinsClassMapComesBeforeTheBuiltInRules) {
  TForm form(nullptr);
  form.SetBounds(60, 60, 300, 200);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(10, 10, 80, 24);
  auto* check = new TCheckBox(&form);
  check->SetParent(&form);
  check->SetBounds(10, 40, 120, 21);
  auto* radio = new TRadioButton(&form);
  radio->SetParent(&form);
  radio->SetBounds(10, 70, 120, 21);
  // Class names in any case; a kind in any case too.
  TStringList map;
  map.Add(u"TBUTTON=nil");
  map.Add(u"tcheckbox=Button");
  skin_.SetControlList(map);

  TSkinControls controls(&skin_, nullptr);
  controls.InitChildCtrl(&form);
  EXPECT_EQ(controls.Find(button), nullptr);
  EXPECT_NE(dynamic_cast<TSkinButton*>(controls.Find(check)), nullptr);
  EXPECT_NE(dynamic_cast<TSkinRadioButton*>(controls.Find(radio)), nullptr);  // no line
}

}  // namespace
}  // namespace kova
