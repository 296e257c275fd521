// The built-in scroll bars of scrolling controls, combo boxes, list views and headers
// painted from the skin on real windows, driven by real input where it is about the
// mouse, and read back from the windows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control_skin_fixture.h"
#include "forms/controls/forms.h"
#include "forms/controls/stdctrls.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_combo_box_win.h"
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_header_win.h"
#include "skin/apply/win_skin_list_view_win.h"
#include "skin/apply/win_skin_window_scrollbars_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::FrameColor;
using testing::Pump;

// Frame n of the thumbs in ThumbColor(n), of the combo box's edge and button in
// EdgeColor(n) and ButtonColor(n); every other strip in FrameColor(n).
TColor ThumbColor(int frame) {
  return 0x000050 + 0x100 * frame;
}
TColor EdgeColor(int frame) {
  return 0x200000 * frame + 0x10;
}
TColor ButtonColor(int frame) {
  return 0x002000 * frame + 0x20;
}

TBitmap Cells(int w, int h, int frames, TColor (*color)(int)) {
  TBitmap b(w * frames, h);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        b.SetPixel(f * w + x, y, color(f + 1));
      }
    }
  }
  return b;
}

testing::SkinSource ScrollFamiliesSkin() {
  testing::SkinSource source = testing::FrameColoredSkin();
  const size_t colours = source.ini.find("ButtonFace=");
  source.ini.insert(colours, "Scrollbar=10,20,30\n");
  source.ini +=
      "[VertScroll]\nImage=v.bmp\n[VertScrollThumb]\nImage=vt.bmp\n"
      "[ComboButton]\nImage=cb.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
      "Trans=1\n[SunkEdge]\nImage=se.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\n"
      "BottomHeight=2\n[Headerbar]\nImage=hb.bmp\n[Personality]\nTop=top.bmp\n";
  source.images["v.bmp"] = testing::Strip(16, 8, 4);
  source.images["vt.bmp"] = Cells(16, 8, 3, ThumbColor);
  source.images["t.bmp"] = Cells(8, 16, 3, ThumbColor);
  source.images["cb.bmp"] = Cells(17, 21, 4, ButtonColor);
  source.images["se.bmp"] = Cells(20, 21, 4, EdgeColor);
  source.images["hb.bmp"] = testing::Strip(10, 10, 5);
  source.images["top.bmp"] = testing::Solid(20, 20, 0);
  // The vertical grip (frame 18) see-through, so the thumb shows its own frame throughout.
  TBitmap& parts = source.images["s.bmp"];
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      parts.SetPixel(17 * 16 + x, y, 0xFF00FF);
    }
  }
  return source;
}

TColor PixelOf(HWND wnd, int x, int y) {
  const ScopedGetDC dc(wnd);
  return static_cast<TColor>(GetPixel(dc.Get(), x, y)) & 0xFFFFFF;
}

RECT ClientOf(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return r;
}

RECT VerticalBarOf(HWND wnd) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(wnd, OBJID_VSCROLL, &info);
  return info.rcScrollBar;
}

// What the window shows: its WM_PAINT drawn into a bitmap of its size.
TBitmap Painted(HWND wnd) {
  const RECT r = ClientOf(wnd);
  TDibBitmap dib(r.right, r.bottom);
  SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dib.Canvas().Handle()), 0);
  GdiFlush();
  return dib.ToPixels();
}

TColor At(const TBitmap& b, int x, int y) {
  return b.Pixel(x, y) & 0xFFFFFF;
}

void MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(INPUT));
}

// A press and release at one screen point, sent together: a held press would start the
// system's repeat.
void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  Pump(60);
  INPUT both[2] = {};
  both[0].type = both[1].type = INPUT_MOUSE;
  both[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  both[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, both, sizeof(INPUT));
  Pump(200);
}

class ScrollFamiliesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    testing::Load(skin_, ScrollFamiliesSkin());
    form_.SetBounds(40, 40, 460, 360);
    form_.SetVisible(true);
    SetForegroundWindow(form_.Handle());
    Pump(30);
  }
  void TearDown() override { form_.SetVisible(false); }

  HWND Native(const wchar_t* window_class, DWORD style, int x, int y, int w, int h,
              DWORD ex_style = 0) {
    return CreateWindowExW(ex_style, window_class, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           form_.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  TListBox* ListBox(int x, int y, int w, int h, int items) {
    auto* list = new TListBox(&form_);
    list->SetParent(&form_);
    list->SetBounds(x, y, w, h);
    AddLines(list, items);
    return list;
  }
  static void AddLines(TListBox* list, int count) {
    list->Items().BeginUpdate();
    for (int i = 0; i < count; ++i) {
      list->Items().Add(u"line " + Utf8ToWide(std::to_string(i)));
    }
    list->Items().EndUpdate();
  }
  // An object made outside the class rules, listed and initialised as the rules would.
  template <class T>
  T* Skin(TWinControl* control) {
    auto* object = static_cast<T*>(controls_.AddControlList(std::make_unique<T>(nullptr)));
    object->Init(&controls_, control, &skin_, nullptr, false);
    return object;
  }
  template <class T>
  T* Skin(HWND wnd) {
    auto* object = static_cast<T*>(controls_.AddControlList(std::make_unique<T>(nullptr)));
    object->Inithwnd(wnd, &skin_, nullptr, &controls_);
    return object;
  }

  TSkinData skin_{nullptr};
  TForm form_{nullptr};
  TSkinControls controls_{&skin_, nullptr};
};

// The overlay lies over the host's bar and shows the skin's arrows, track and thumb.
void ExpectSkinnedVerticalBar(HWND host, const TWScrollbar* bar) {
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(IsWindowVisible(bar->Handle()));
  RECT over{};
  GetWindowRect(bar->Handle(), &over);
  const RECT native = VerticalBarOf(host);
  EXPECT_TRUE(EqualRect(&over, &native));
  const int height = over.bottom - over.top;
  const ThumbSpan thumb = bar->Thumb();
  EXPECT_EQ(PixelOf(bar->Handle(), 8, 3), FrameColor(9));            // up arrow
  EXPECT_EQ(PixelOf(bar->Handle(), 8, height - 3), FrameColor(13));  // down arrow
  EXPECT_EQ(PixelOf(bar->Handle(), 2, thumb.start + 1), ThumbColor(1));
  EXPECT_EQ(PixelOf(bar->Handle(), 2, thumb.end + 1), FrameColor(1));  // track
}

TEST_F(ScrollFamiliesTest, ScrollingControlsGetASkinnedBarOnceTheirLinesOverflow) {
  TListBox* list = ListBox(10, 10, 150, 120, 3);
  HWND memo = Native(L"EDIT", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 200, 10, 150, 120);
  auto* list_object = Skin<TSkinScrollbar>(list);
  auto* memo_object = Skin<TSkinScrollbar>(memo);
  // Three lines fit: the list box shows no bar, so there is nothing to cover.
  EXPECT_EQ(list_object->Scrollbar(ScrollbarKind::kVertical), nullptr);
  EXPECT_EQ(list_object->Scrollbar(ScrollbarKind::kHorizontal), nullptr);

  AddLines(list, 37);
  std::wstring text;
  for (int i = 0; i < 40; ++i) {
    text += L"a line longer than the memo is wide\r\n";
  }
  SetWindowTextW(memo, text.c_str());
  Pump(50);
  HWND list_wnd = list->Handle();
  ExpectSkinnedVerticalBar(list_wnd, list_object->Scrollbar(ScrollbarKind::kVertical));
  ExpectSkinnedVerticalBar(memo, memo_object->Scrollbar(ScrollbarKind::kVertical));
  // With both bars the square between them is the skin's too.
  const TWScrollbar* across = memo_object->Scrollbar(ScrollbarKind::kHorizontal);
  ASSERT_NE(across, nullptr);
  EXPECT_TRUE(IsWindowVisible(across->Handle()));
  RECT across_rect{};
  GetWindowRect(across->Handle(), &across_rect);
  EXPECT_EQ(PixelOf(across->Handle(), 3, 8), FrameColor(1));  // left arrow
  EXPECT_EQ(PixelOf(across->Handle(), across_rect.right - across_rect.left - 3, 8),
            FrameColor(5));  // right arrow
  HWND corner = FindWindowExW(form_.Handle(), nullptr, L"KOVASkinScrollCorner", nullptr);
  ASSERT_NE(corner, nullptr);
  RECT square{};
  GetWindowRect(corner, &square);
  const RECT down = VerticalBarOf(memo);
  EXPECT_EQ(square.left, down.left);
  EXPECT_EQ(square.top, across_rect.top);
  EXPECT_EQ(PixelOf(corner, 2, 2), static_cast<TColor>(RGB(10, 20, 30)));

  // The overlay follows the control as it scrolls, moves and hides.
  const TWScrollbar* memo_bar = memo_object->Scrollbar(ScrollbarKind::kVertical);
  const int start = memo_bar->Thumb().start;
  SendMessageW(memo, EM_SCROLL, SB_PAGEDOWN, 0);
  Pump(30);
  EXPECT_GT(memo_bar->Thumb().start, start);
  EXPECT_EQ(PixelOf(memo_bar->Handle(), 2, start + 1), FrameColor(1));
  ExpectSkinnedVerticalBar(memo, memo_bar);
  SetWindowPos(memo, nullptr, 220, 30, 150, 150, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(30);
  ExpectSkinnedVerticalBar(memo, memo_bar);
  ShowWindow(memo, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(memo_bar->Handle()));
  EXPECT_FALSE(IsWindowVisible(corner));

  // Un-skinned, the overlays are gone and the native bars show again.
  controls_.DeleteControls();
  EXPECT_EQ(controls_.Count(), 0u);
  EXPECT_EQ(SendMessageW(list_wnd, kMsgIsSkinned, 0, 0), 0);
  EXPECT_EQ(FindWindowExW(form_.Handle(), nullptr, L"KOVASkinScrollbar", nullptr), nullptr);
  EXPECT_EQ(FindWindowExW(form_.Handle(), nullptr, L"KOVASkinScrollCorner", nullptr), nullptr);
}

TEST_F(ScrollFamiliesTest, ClickingTheSkinnedBarScrollsAsTheUnskinnedOneDoes) {
  TListBox* skinned = ListBox(10, 10, 150, 200, 100);
  TListBox* plain = ListBox(200, 10, 150, 200, 100);
  const TWScrollbar* bar = Skin<TSkinScrollbar>(skinned)->Scrollbar(ScrollbarKind::kVertical);
  ASSERT_NE(bar, nullptr);
  const RECT native = VerticalBarOf(plain->Handle());
  const RECT over = VerticalBarOf(skinned->Handle());
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  struct Case {
    const char* part;
    int from_bottom;  // pixels above the bar's bottom edge
  };
  const Case cases[] = {{"track below the thumb", (over.bottom - over.top) / 3},
                        {"down arrow", arrow / 2}};
  for (const Case& c : cases) {
    SendMessageW(skinned->Handle(), LB_SETTOPINDEX, 0, 0);
    SendMessageW(plain->Handle(), LB_SETTOPINDEX, 0, 0);
    Pump(30);
    ClickAt({(over.left + over.right) / 2, over.bottom - c.from_bottom});
    ClickAt({(native.left + native.right) / 2, native.bottom - c.from_bottom});
    const LRESULT moved = SendMessageW(plain->Handle(), LB_GETTOPINDEX, 0, 0);
    EXPECT_GT(moved, 0) << c.part;
    EXPECT_EQ(SendMessageW(skinned->Handle(), LB_GETTOPINDEX, 0, 0), moved) << c.part;
    EXPECT_FALSE(bar->Pressing()) << c.part;
  }
}

TEST_F(ScrollFamiliesTest, TheMouseOverTheBarShowsThePartUnderIt) {
  TListBox* list = ListBox(10, 10, 150, 200, 100);
  const TWScrollbar* bar = Skin<TSkinScrollbar>(list)->Scrollbar(ScrollbarKind::kVertical);
  ASSERT_NE(bar, nullptr);
  RECT over{};
  GetWindowRect(bar->Handle(), &over);
  const int height = over.bottom - over.top;
  const ThumbSpan thumb = bar->Thumb();
  struct Case {
    const char* part;
    int y;  // in the bar
    ScrollPart hot;
    int probe_y;
    TColor shown;
  };
  const Case cases[] = {
      {"up arrow", 4, ScrollPart::kFirstArrow, 3, FrameColor(12)},
      {"thumb", (thumb.start + thumb.end) / 2, ScrollPart::kThumb, thumb.start + 1, ThumbColor(3)},
      {"track", height / 2, ScrollPart::kPageForward, height / 2, FrameColor(1)},
      {"down arrow", height - 4, ScrollPart::kSecondArrow, height - 3, FrameColor(16)},
  };
  for (const Case& c : cases) {
    SetCursorPos((over.left + over.right) / 2, over.top + c.y);
    Pump(80);
    EXPECT_EQ(bar->HotPart(), c.hot) << c.part;
    EXPECT_EQ(PixelOf(bar->Handle(), 3, c.probe_y), c.shown) << c.part;
  }
  // Leaving the bar leaves no part hot.
  SetCursorPos(over.right + 100, over.top + 10);
  Pump(500);
  EXPECT_EQ(bar->HotPart(), ScrollPart::kNone);
  EXPECT_EQ(PixelOf(bar->Handle(), 3, height - 3), FrameColor(13));
}

// While the system tracks a dragged thumb, what the overlay shows is checked from a
// timer, which the system's tracking loop still runs; then the button is released.
struct DragProbe {
  const TWScrollbar* bar = nullptr;
  HWND host = nullptr;
  bool ran = false;
  bool pressing = false;
  LRESULT top_while_dragging = 0;
  int mouse_along = 0;
  ThumbSpan thumb;
  TColor at_thumb = 0;
};
DragProbe g_probe;

void CALLBACK ProbeDrag(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_probe.ran = true;
  g_probe.pressing = g_probe.bar->Pressing();
  g_probe.top_while_dragging = SendMessageW(g_probe.host, LB_GETTOPINDEX, 0, 0);
  POINT mouse{};
  GetCursorPos(&mouse);
  ScreenToClient(g_probe.bar->Handle(), &mouse);
  g_probe.mouse_along = mouse.y;
  g_probe.thumb = g_probe.bar->Thumb();
  g_probe.at_thumb = PixelOf(g_probe.bar->Handle(), 2, g_probe.thumb.start + 2);
  MouseButton(MOUSEEVENTF_LEFTUP);
}

TEST_F(ScrollFamiliesTest, DraggingTheThumbScrollsTheControlAndThePaintedThumbFollows) {
  TListBox* list = ListBox(10, 10, 150, 240, 200);
  HWND host = list->Handle();
  const TWScrollbar* bar = Skin<TSkinScrollbar>(list)->Scrollbar(ScrollbarKind::kVertical);
  ASSERT_NE(bar, nullptr);
  Pump(30);
  const ThumbSpan at_rest = bar->Thumb();
  RECT over{};
  GetWindowRect(bar->Handle(), &over);
  const POINT grab{(over.left + over.right) / 2, over.top + (at_rest.start + at_rest.end) / 2};
  const int drag = 60;
  SetCursorPos(grab.x, grab.y);
  Pump(60);

  g_probe = {};
  g_probe.bar = bar;
  g_probe.host = host;
  SetTimer(nullptr, 0, 300, ProbeDrag);
  // The press and the moves go in at once: the press starts the system's tracking loop,
  // which takes the moves; the probe releases the button.
  INPUT input[4] = {};
  for (INPUT& in : input) {
    in.type = INPUT_MOUSE;
  }
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  for (int i = 1; i < 4; ++i) {
    input[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[i].mi.dx = MulDiv(grab.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input[i].mi.dy = MulDiv(grab.y + drag * i / 3, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(4, input, sizeof(INPUT));
  Pump(800);

  ASSERT_TRUE(g_probe.ran);
  EXPECT_TRUE(g_probe.pressing);
  EXPECT_GT(g_probe.top_while_dragging, 0);  // the list scrolls while the thumb moves
  const int moved = g_probe.mouse_along - (grab.y - over.top);
  EXPECT_NEAR(moved, drag, 2);
  EXPECT_EQ(g_probe.thumb.start, at_rest.start + moved);
  EXPECT_EQ(g_probe.at_thumb, ThumbColor(2));  // the pressed thumb, where the mouse took it
  EXPECT_FALSE(bar->Pressing());
  EXPECT_GT(SendMessageW(host, LB_GETTOPINDEX, 0, 0), 0);
}

// A window's own bar of 168 pixels between arrows with a range of 100: a page of 10 gives
// a thumb of 168 * 9 / 100 = 15 pixels, a page of 2 gives 8, the least a window's thumb
// is; a stand-alone scroll bar control gives 2.
constexpr UINT kSetPage = WM_APP + 1;

TEST_F(ScrollFamiliesTest, ThumbSizesOfWindowBarsAndScrollBarControls) {
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  const int length = 168 + 2 * arrow;
  // A program's window that sets its scroll values while it handles a message of its own.
  static const bool registered = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
      if (m == kSetPage) {
        SCROLLINFO info{
            sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, static_cast<UINT>(wp), 0, 0};
        SetScrollInfo(w, SB_VERT, &info, TRUE);
        return 0;
      }
      return DefWindowProcW(w, m, wp, lp);
    };
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"KovaScrollingPlainWindow";
    return RegisterClassW(&cls) != 0;
  }();
  ASSERT_TRUE(registered);
  HWND window = Native(L"KovaScrollingPlainWindow", WS_VSCROLL, 10, 10, 100, length);
  HWND control = Native(L"SCROLLBAR", SBS_VERT, 200, 10, arrow, length);
  auto* control_object = dynamic_cast<TSkinScControl*>(controls_.AddControlh(control));
  ASSERT_NE(control_object, nullptr);
  ASSERT_NE(control_object->Overlay(), nullptr);
  auto* window_object = Skin<TSkinScrollbarH>(window);
  struct Case {
    UINT page;
    int window_thumb;
    int control_thumb;
  };
  for (const Case& c : {Case{10, 15, 15}, Case{2, 8, 2}}) {
    SendMessageW(window, kSetPage, c.page, 0);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, c.page, 0, 0};
    SetScrollInfo(control, SB_CTL, &info, TRUE);
    // The bar shows once it has a range; its overlay comes with it.
    const TWScrollbar* window_bar = window_object->Scrollbar(ScrollbarKind::kVertical);
    ASSERT_NE(window_bar, nullptr);
    const ThumbSpan in_window = window_bar->Thumb();
    const ThumbSpan in_control = control_object->Overlay()->Thumb();
    EXPECT_EQ(in_window.end - in_window.start, c.window_thumb) << c.page;
    EXPECT_EQ(in_control.end - in_control.start, c.control_thumb) << c.page;
    // Painted so: the thumb's last row and the track right after it.
    Pump(30);
    EXPECT_EQ(PixelOf(window_bar->Handle(), 2, arrow + c.window_thumb - 1), ThumbColor(1));
    EXPECT_EQ(PixelOf(window_bar->Handle(), 2, arrow + c.window_thumb), FrameColor(1));
  }
}

TEST_F(ScrollFamiliesTest, ComboBoxButtonFramesAndItsDropDownList) {
  HWND combo = Native(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 160, 200);
  for (int i = 0; i < 30; ++i) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
  }
  auto* object = dynamic_cast<TSkinComBox*>(controls_.AddControlh(combo));
  ASSERT_NE(object, nullptr);
  // The framework's combo box, through its message method.
  auto* framework = new TComboBox(&form_);
  framework->SetParent(&form_);
  framework->SetBounds(200, 10, 160, 21);
  framework->Items().Add(u"item");
  auto* framework_object = Skin<TSkinComBox>(framework);

  COMBOBOXINFO parts{};
  parts.cbSize = sizeof(parts);
  ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
  const int mid_y = (parts.rcButton.top + parts.rcButton.bottom) / 2;
  auto expect_frame = [&](const TSkinComBox* skinned, int frame, const char* state) {
    HWND wnd = skinned->Handle();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(wnd, &info));
    EXPECT_EQ(skinned->ButtonFrame(), frame) << state;
    const TBitmap shown = Painted(wnd);
    EXPECT_EQ(At(shown, 0, mid_y), EdgeColor(frame)) << state;
    EXPECT_EQ(At(shown, info.rcButton.left + 1, info.rcButton.bottom - 2), ButtonColor(frame))
        << state;
  };
  for (const TSkinComBox* skinned : {object, framework_object}) {
    HWND wnd = skinned->Handle();
    expect_frame(skinned, 1, "normal");
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, mid_y));
    expect_frame(skinned, 4, "hot");
    SendMessageW(wnd, WM_MOUSELEAVE, 0, 0);
    EnableWindow(wnd, FALSE);
    expect_frame(skinned, 3, "disabled");
    EnableWindow(wnd, TRUE);
    expect_frame(skinned, 1, "enabled again");
  }

  // A real click on the button opens the list, whose scroll bar is then the skin's.
  POINT button{(parts.rcButton.left + parts.rcButton.right) / 2, mid_y};
  ClientToScreen(combo, &button);
  ClickAt(button);
  ASSERT_NE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0);
  expect_frame(object, 2, "open");
  ASSERT_NE(object->DropList(), nullptr);
  EXPECT_EQ(SendMessageW(parts.hwndList, kMsgIsSkinned, 0, 0), 1);
  const TWScrollbar* bar = object->DropList()->Scrollbar(ScrollbarKind::kVertical);
  ExpectSkinnedVerticalBar(parts.hwndList, bar);

  // The open list holds the mouse: over its bar it shows the part under the mouse, and a
  // click on the bar's down arrow scrolls the list, which stays open.
  RECT list_bar{};
  GetWindowRect(bar->Handle(), &list_bar);
  const POINT down_arrow{(list_bar.left + list_bar.right) / 2, list_bar.bottom - 4};
  SetCursorPos(down_arrow.x, down_arrow.y);
  Pump(80);
  EXPECT_EQ(bar->HotPart(), ScrollPart::kSecondArrow);
  EXPECT_EQ(PixelOf(bar->Handle(), 3, list_bar.bottom - list_bar.top - 3), FrameColor(16));
  const LRESULT top = SendMessageW(parts.hwndList, LB_GETTOPINDEX, 0, 0);
  ClickAt(down_arrow);
  EXPECT_EQ(SendMessageW(parts.hwndList, LB_GETTOPINDEX, 0, 0), top + 1);
  EXPECT_NE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0);
  SetCursorPos(list_bar.right + 100, list_bar.top);
  Pump(80);
  EXPECT_EQ(bar->HotPart(), ScrollPart::kNone);

  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  Pump(30);
  EXPECT_FALSE(IsWindowVisible(bar->Handle()));
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump(30);
  EXPECT_EQ(object->DropList()->Scrollbar(ScrollbarKind::kVertical), bar);  // skinned once
  ExpectSkinnedVerticalBar(parts.hwndList, bar);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ScrollFamiliesTest, ListViewHeaderSectionsFromTheHeaderbar) {
  HWND view = Native(WC_LISTVIEWW, LVS_REPORT, 10, 10, 300, 160, WS_EX_CLIENTEDGE);
  const int widths[] = {60, 80, 70};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = widths[i];
    column.pszText = const_cast<wchar_t*>(L"Column");
    SendMessageW(view, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&column));
  }
  for (int i = 0; i < 50; ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<wchar_t*>(L"row");
    SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  auto* object = Skin<TSkinListView>(view);
  ASSERT_NE(object->Header(), nullptr);
  HWND header = object->Header()->Handle();
  ExpectSkinnedVerticalBar(view, object->Scrollbar(ScrollbarKind::kVertical));

  // Each section's left edge, clear of its text, and the strip after the last one.
  const int edges[] = {2, 62, 142, 250};
  auto expect_frames = [&](int first, int second, const char* state) {
    const TBitmap shown = Painted(header);
    const int bottom = shown.Height() - 2;
    EXPECT_EQ(At(shown, edges[0], bottom), FrameColor(first)) << state;
    EXPECT_EQ(At(shown, edges[1], bottom), FrameColor(second)) << state;
    EXPECT_EQ(At(shown, edges[2], bottom), FrameColor(1)) << state;
    EXPECT_EQ(At(shown, edges[3], bottom), FrameColor(1)) << state;
  };
  expect_frames(1, 1, "at rest");
  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(100, 5));
  expect_frames(1, 4, "hot");
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
  expect_frames(2, 4, "pressed");
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
  SendMessageW(header, WM_MOUSELEAVE, 0, 0);
  expect_frames(1, 1, "left");
}

// Re-creation through the skinned window's message: the control's scroll-bar object is
// replaced by a fresh one of the same family over the new window.
class ReCreationTest : public testing::SkinApplyTest {};

TEST_F(ReCreationTest, TheControlsScrollBarObjectIsReplaced) {
  TSkinData* data = Data(TSkinFormType::sfMainform);
  testing::Load(*data, ScrollFamiliesSkin());
  data->Loaded();
  TForm* form = MakeForm();
  form->SetBounds(40, 40, 400, 300);
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetBounds(10, 10, 150, 100);
  list->Items().BeginUpdate();
  for (int i = 0; i < 40; ++i) {
    list->Items().Add(u"line");
  }
  list->Items().EndUpdate();
  HWND view = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 200, 10,
                              150, 100, form->Handle(), nullptr, myinstance(), nullptr);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = 60;
  SendMessageW(view, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  form->SetVisible(true);
  Manager().AddForm(form->Handle());
  Pump(100);
  TWinSkinForm* entry = Manager().FindSkinForm(form->Handle());
  ASSERT_NE(entry, nullptr);
  TSkinControls& controls = *entry->Controls();
  controls.AddControlList(std::make_unique<TSkinScrollbar>(nullptr))
      ->Init(&controls, list, data, nullptr, false);
  controls.AddControlList(std::make_unique<TSkinListView>(nullptr))
      ->Inithwnd(view, data, nullptr, &controls);
  const size_t count = controls.Count();

  // The list box gets a new window; its old object saw the old one go.
  HWND old_window = list->Handle();
  list->DestroyHandle();
  HWND new_window = list->Handle();
  ASSERT_NE(new_window, old_window);
  EXPECT_EQ(SendMessageW(new_window, kMsgIsSkinned, 0, 0), 0);
  SendMessageW(form->Handle(), kMsgControlRecreated, reinterpret_cast<WPARAM>(new_window), 0);
  EXPECT_EQ(controls.Count(), count);
  auto* fresh = dynamic_cast<TSkinScrollbar*>(controls.Find(list));
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->Handle(), new_window);
  EXPECT_EQ(SendMessageW(new_window, kMsgIsSkinned, 0, 0), 1);
  ASSERT_NE(fresh->Scrollbar(ScrollbarKind::kVertical), nullptr);
  EXPECT_EQ(fresh->Scrollbar(ScrollbarKind::kVertical)->Host(), new_window);

  // A list view gets a list view's object again, header and all.
  SendMessageW(form->Handle(), kMsgControlRecreated, reinterpret_cast<WPARAM>(view), 0);
  EXPECT_EQ(controls.Count(), count);
  auto* again = dynamic_cast<TSkinListView*>(controls.Find(view));
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again->Header(), nullptr);
  EXPECT_EQ(SendMessageW(view, kMsgIsSkinned, 0, 0), 1);

  // A window without a scroll-bar object keeps what it has.
  SendMessageW(form->Handle(), kMsgControlRecreated, reinterpret_cast<WPARAM>(form->Handle()), 0);
  EXPECT_EQ(controls.Count(), count);
  entry->UnSubclass();
  form->SetVisible(false);
}

}  // namespace
}  // namespace kova
