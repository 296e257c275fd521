// The skinned frame on real windows: its region, client area, painted pixels, caption
// buttons and their mouse handling, the system menu, message boxes and un-skinning.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/controls/forms.h"
#include "product_skin.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

constexpr TColor kKey = 0xFF00FF;
constexpr TColor kTopActive = 0xA03010;
constexpr TColor kTopInactive = 0x406080;
constexpr TColor kLeftActive = 0x20C020;
constexpr TColor kLeftInactive = 0x108010;
constexpr TColor kBottomActive = 0x3040F0;
constexpr TColor kBottomInactive = 0x202080;
constexpr TColor kButtonFrames[4] = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080};
constexpr TColor kCaptionText = 0xFFFFFF;

constexpr int kBorder = 4;
constexpr int kCaption = 24;
constexpr int kCorner = 3;  // key-coloured square in each outer corner

// A strip of `frames` state images, stacked or side by side, each one colour, with the
// outer top corners key-coloured when `cut`.
TBitmap Strip(int width, int height, int frames, bool stacked, const TColor* colors, bool cut,
              bool cut_left, bool cut_right) {
  TBitmap bitmap(stacked ? width : width * frames, stacked ? height * frames : height);
  for (int f = 0; f < frames; ++f) {
    const int ox = stacked ? 0 : f * width;
    const int oy = stacked ? f * height : 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const bool corner = cut && y < kCorner &&
                            ((cut_left && x < kCorner) || (cut_right && x >= width - kCorner));
        bitmap.SetPixel(ox + x, oy + y, corner ? kKey : colors[f]);
      }
    }
  }
  return bitmap;
}

TBitmap ButtonImage() {
  return Strip(16, 16, 4, false, kButtonFrames, false, false, false);
}

// A skin with a 4-pixel border, a 24-pixel caption, caption buttons for close, maximize,
// minimize, a custom action, a dialog-only button and the window icon.
testing::SkinSource FrameSkin(bool trans) {
  const std::string t = trans ? "1" : "0";
  std::string ini =
      "[Personality]\n"
      "Top=top.bmp\nTopFrame=2\nTopTopHeight=8\nTopBotHeight=8\nTopStretch=1\nTopTrans=" +
      t +
      "\n"
      "Left=left.bmp\nLeftFrame=2\nLeftTopHeight=8\nLeftBotHeight=0\nLeftStretch=1\nLeftTrans=" +
      t +
      "\n"
      "Right=right.bmp\nRightFrame=2\nRightTopHeight=8\nRightBotHeight=0\nRightStretch=1\n"
      "RightTrans=" +
      t +
      "\n"
      "Bottom=bottom.bmp\nBottomFrame=2\nBottomStretch=1\nBottomTrans=" +
      t +
      "\n"
      "TextShift=30\nTextShiftVert=0\nTextRightClip=90\nTextAlignment=0\n"
      "ActiveTextR=255\nActiveTextG=255\nActiveTextB=255\n"
      "InActiveTextR=200\nInActiveTextG=200\nInActiveTextB=200\n"
      "[ButtonClose]\nButtonImage=b.bmp\nframe=4\nAction=0\nAlign=1\nXcoord=24\nYcoord=4\n"
      "[ButtonMaximize]\nButtonImage=b.bmp\nframe=4\nAction=1\nAlign=1\nXcoord=44\nYcoord=4\n"
      "[ButtonMinimize]\nButtonImage=b.bmp\nframe=4\nAction=2\nAlign=1\nXcoord=64\nYcoord=4\n"
      "[ButtonCustom]\nButtonImage=b.bmp\nframe=4\nAction=50\nAlign=1\nXcoord=84\nYcoord=4\n"
      "[ButtonDialogOnly]\nButtonImage=b.bmp\nframe=4\nAction=51\nAlign=1\nXcoord=104\n"
      "Ycoord=4\nVisibility1=200\n"
      "[ButtonIcon]\nAction=3\nAlign=0\nXcoord=6\nYcoord=4\n";
  const TColor top[2] = {kTopActive, kTopInactive};
  const TColor left[2] = {kLeftActive, kLeftInactive};
  const TColor bottom[2] = {kBottomActive, kBottomInactive};
  return {ini,
          {{"top.bmp", Strip(40, kCaption, 2, true, top, trans, true, true)},
           {"left.bmp", Strip(kBorder, 20, 2, false, left, trans, true, false)},
           {"right.bmp", Strip(kBorder, 20, 2, false, left, trans, false, true)},
           {"bottom.bmp", Strip(20, kBorder, 2, true, bottom, false, false, false)},
           {"b.bmp", ButtonImage()}}};
}

constexpr wchar_t kRecordClass[] = L"KovaFrameRecord";
WPARAM g_custom_action = 0;
int g_custom_action_count = 0;
// System commands the window's own procedure received.
std::vector<WPARAM> g_commands;

void RegisterRecordClass() {
  static bool done = false;
  if (done) {
    return;
  }
  done = true;
  WNDCLASSW cls{};
  cls.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
    if (m == kMsgCaptionButtonAction) {
      g_custom_action = wp;
      ++g_custom_action_count;
      return 0;
    }
    if (m == WM_SYSCOMMAND) {
      g_commands.push_back(wp & 0xFFF0);
    }
    return DefWindowProcW(w, m, wp, lp);
  };
  cls.hInstance = myinstance();
  cls.lpszClassName = kRecordClass;
  cls.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  cls.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  RegisterClassW(&cls);
}

TColor PixelAt(HWND wnd, int x, int y) {
  const UniqueWindowDC dc = TakeWindowDC(wnd);
  return static_cast<TColor>(GetPixel(dc.Get(), x, y)) & 0xFFFFFF;
}

POINT Center(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class FormFrameTest : public testing::SkinApplyTest {
 protected:
  void SetUp() override {
    testing::SkinApplyTest::SetUp();
    RegisterRecordClass();
    g_custom_action = 0;
    g_custom_action_count = 0;
    g_commands.clear();
  }

  TSkinData* FrameData(bool trans, TSkinFormType type = TSkinFormType::sfMainform) {
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFormtype(type);
    testing::Load(*data, FrameSkin(trans));
    data->Loaded();
    datas_.push_back(std::move(data));
    return datas_.back().get();
  }

  // A shown, active window of the recording class, registered and set up.
  HWND Skinned(DWORD style = WS_OVERLAPPEDWINDOW, DWORD ex_style = 0, int w = 320, int h = 200) {
    HWND wnd = Keep(CreateWindowExW(ex_style, kRecordClass, L"Frame", style, 40, 40, w, h, nullptr,
                                    nullptr, myinstance(), nullptr));
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    SetActiveWindow(wnd);
    Pump(30);
    Manager().AddForm(wnd);  // unless its activation registered it already
    Pump(80);
    return wnd;
  }

  TWinSkinForm& Entry(HWND wnd) {
    TWinSkinForm* entry = Manager().FindSkinForm(wnd);
    EXPECT_NE(entry, nullptr);
    return *entry;
  }

  TWinSysButton* Button(HWND wnd, int32_t action) {
    TWinSkinForm* entry = Manager().FindSkinForm(wnd);
    if (entry == nullptr) {
      ADD_FAILURE() << "window not skinned";
      return nullptr;
    }
    for (const auto& button : entry->SysButtons()) {
      if (button->Action() == action) {
        return button.get();
      }
    }
    ADD_FAILURE() << "no button with action " << action;
    return nullptr;
  }

  // A point of the window (window coordinates) on the screen.
  static POINT OnScreen(HWND wnd, POINT p) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return {r.left + p.x, r.top + p.y};
  }
  static LPARAM ScreenParam(POINT p) { return MAKELPARAM(p.x, p.y); }

  static void Click(HWND wnd, POINT window_point) {
    const LPARAM at = ScreenParam(OnScreen(wnd, window_point));
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, at);
  }
  // Takes the system command a click posted off the queue; 0 for none. The window
  // manager-less X server of the tests takes a maximized state back at its next
  // configuration event, so what the buttons ask for is checked, not the outcome.
  static WPARAM PostedCommand(HWND wnd) {
    MSG msg;
    return PeekMessageW(&msg, wnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE) ? msg.wParam : 0;
  }
};

TEST_F(FormFrameTest, RegionIsTheWindowRectangleUnlessBordersAreSeeThrough) {
  struct Case {
    bool trans;
    POINT point;  // window coordinates
    bool inside;
  };
  const int w = 320;
  const int h = 200;
  const Case cases[] = {
      {false, {0, 0}, true},           {false, {w - 1, 0}, true},
      {false, {w / 2, 1}, true},       {true, {0, 0}, false},
      {true, {kCorner - 1, 1}, false}, {true, {w - 1, 0}, false},
      {true, {w - kCorner, 2}, false}, {true, {kCorner, 0}, true},
      {true, {w / 2, 0}, true},        {true, {0, h / 2}, true},
      {true, {w - 1, h - 2}, true},    {true, {w / 2, h / 2}, true},
  };
  for (bool trans : {false, true}) {
    FrameData(trans);
    HWND wnd = Skinned(WS_OVERLAPPEDWINDOW, 0, w, h);
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(wnd, region.Get()), ERROR) << trans;
    RECT window{};
    GetWindowRect(wnd, &window);
    ASSERT_EQ(window.right - window.left, w);
    RECT box{};
    GetRgnBox(region.Get(), &box);
    EXPECT_EQ(box.right - box.left, w);
    EXPECT_EQ(box.bottom - box.top, window.bottom - window.top);
    for (const Case& c : cases) {
      if (c.trans == trans) {
        EXPECT_EQ(PtInRegion(region.Get(), c.point.x, c.point.y) != FALSE, c.inside)
            << "trans " << trans << " at " << c.point.x << "," << c.point.y;
      }
    }
    DestroyWindow(wnd);
    FreeSkinManager();
    datas_.clear();
  }
}

TEST_F(FormFrameTest, ClientAreaIsInsideTheSkinsFrameAndKeepsItsSize) {
  FrameData(false);
  HWND wnd = Keep(CreateWindowExW(0, kRecordClass, L"Frame", WS_OVERLAPPEDWINDOW, 40, 40, 320, 200,
                                  nullptr, nullptr, myinstance(), nullptr));
  ShowWindow(wnd, SW_SHOW);
  RECT before{};
  GetClientRect(wnd, &before);
  ASSERT_TRUE(Manager().AddForm(wnd));
  Pump(80);
  RECT client{};
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, before.right);
  EXPECT_EQ(client.bottom, before.bottom);
  RECT window{};
  GetWindowRect(wnd, &window);
  EXPECT_EQ(window.right - window.left, before.right + 2 * kBorder);
  EXPECT_EQ(window.bottom - window.top, before.bottom + kCaption + kBorder);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  EXPECT_EQ(origin.x - window.left, kBorder);
  EXPECT_EQ(origin.y - window.top, kCaption);
}

TEST_F(FormFrameTest, NcCalcSizeWithoutValidRectsAnswersZeroAndLeavesTheRectangle) {
  FrameData(false);
  HWND wnd = Skinned();
  RECT r{10, 20, 330, 220};
  EXPECT_EQ(SendMessageW(wnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r)), 0);
  // The system's own calculation of the client area stands.
  RECT system = {10, 20, 330, 220};
  CallWindowProcW(DefWindowProcW, wnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&system));
  EXPECT_TRUE(EqualRect(&r, &system));
}

TEST_F(FormFrameTest, PaintedFrameShowsTheSkinsStateImagesAndCaptionColour) {
  FrameData(false);
  HWND wnd = Skinned();
  TWinSkinForm& entry = Entry(wnd);
  ASSERT_TRUE(entry.Active());
  RECT window{};
  GetWindowRect(wnd, &window);
  const int w = window.right - window.left;
  const int h = window.bottom - window.top;
  SendMessageW(wnd, kMsgRepaintFrame, 0, 0);
  EXPECT_EQ(PixelAt(wnd, w / 2, kCaption / 2), kTopActive);
  EXPECT_EQ(PixelAt(wnd, 1, h / 2), kLeftActive);
  EXPECT_EQ(PixelAt(wnd, w - 2, h / 2), kLeftActive);
  EXPECT_EQ(PixelAt(wnd, w / 2, h - 2), kBottomActive);
  const TWinSysButton* close = Button(wnd, 0);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(PixelAt(wnd, Center(close->Rect()).x, Center(close->Rect()).y), kButtonFrames[0]);
  // Some pixel of the caption text has the skin's active text colour.
  const RECT text = entry.CaptionRect();
  ASSERT_GT(text.right, text.left);
  bool text_coloured = false;
  for (int y = text.top; y < text.bottom && !text_coloured; ++y) {
    for (int x = text.left; x < text.right && !text_coloured; ++x) {
      text_coloured = PixelAt(wnd, x, y) == kCaptionText;
    }
  }
  EXPECT_TRUE(text_coloured);

  SendMessageW(wnd, WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(entry.Active());
  EXPECT_EQ(PixelAt(wnd, w / 2, kCaption / 2), kTopInactive);
  EXPECT_EQ(PixelAt(wnd, 1, h / 2), kLeftInactive);
  EXPECT_EQ(PixelAt(wnd, w / 2, h - 2), kBottomInactive);
  EXPECT_EQ(PixelAt(wnd, Center(close->Rect()).x, Center(close->Rect()).y), kButtonFrames[3]);
}

TEST_F(FormFrameTest, CaptionButtonsSitByAlignmentAndTheCaptionIsHitAsCaption) {
  FrameData(false);
  HWND wnd = Skinned();
  RECT window{};
  GetWindowRect(wnd, &window);
  const int w = window.right - window.left;
  const TWinSysButton* close = Button(wnd, 0);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->Rect().left, w - 24);
  EXPECT_EQ(close->Rect().top, 4);
  EXPECT_EQ(close->Rect().right - close->Rect().left, 16);
  const POINT caption = OnScreen(wnd, {w / 2, kCaption / 2});
  EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, ScreenParam(caption)), HTCAPTION);
  const POINT on_close = OnScreen(wnd, Center(close->Rect()));
  EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, ScreenParam(on_close)), HTCAPTION);
  const POINT client = OnScreen(wnd, {w / 2, kCaption + 40});
  EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, ScreenParam(client)), HTCLIENT);
}

TEST_F(FormFrameTest, MovingBetweenButtonsMakesTheFirstNormalAndTheSecondHotInOneMessage) {
  FrameData(false);
  HWND wnd = Skinned();
  TWinSkinForm& entry = Entry(wnd);
  TWinSysButton* close = Button(wnd, 0);
  TWinSysButton* minimize = Button(wnd, 2);
  ASSERT_TRUE(close && minimize);
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, ScreenParam(OnScreen(wnd, Center(close->Rect()))));
  EXPECT_EQ(close->State(), NCObjectState::kHot);
  EXPECT_EQ(entry.HotObject(), close);
  EXPECT_EQ(PixelAt(wnd, Center(close->Rect()).x, Center(close->Rect()).y), kButtonFrames[2]);
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION,
               ScreenParam(OnScreen(wnd, Center(minimize->Rect()))));
  EXPECT_EQ(close->State(), NCObjectState::kNormal);
  EXPECT_EQ(minimize->State(), NCObjectState::kHot);
  EXPECT_EQ(entry.HotObject(), minimize);
  EXPECT_EQ(PixelAt(wnd, Center(close->Rect()).x, Center(close->Rect()).y), kButtonFrames[0]);
  EXPECT_EQ(PixelAt(wnd, Center(minimize->Rect()).x, Center(minimize->Rect()).y), kButtonFrames[2]);
  // Off the buttons nothing stays hot.
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, ScreenParam(OnScreen(wnd, {150, 12})));
  EXPECT_EQ(minimize->State(), NCObjectState::kNormal);
  EXPECT_EQ(entry.HotObject(), nullptr);
}

TEST_F(FormFrameTest, DisabledMaximizeButtonStaysVisibleDrawsFrameFourAndDoesNothing) {
  FrameData(false);
  HWND wnd = Skinned(WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX);
  TWinSysButton* maximize = Button(wnd, 1);
  ASSERT_NE(maximize, nullptr);
  SendMessageW(wnd, kMsgRepaintFrame, 0, 0);
  EXPECT_TRUE(maximize->Visible());
  EXPECT_FALSE(maximize->Enabled());
  const POINT c = Center(maximize->Rect());
  EXPECT_EQ(PixelAt(wnd, c.x, c.y), kButtonFrames[3]);
  // Hovering and pressing it keep frame four.
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, ScreenParam(OnScreen(wnd, c)));
  EXPECT_EQ(PixelAt(wnd, c.x, c.y), kButtonFrames[3]);
  Click(wnd, c);
  Pump(100);
  EXPECT_FALSE(IsZoomed(wnd));
}

TEST_F(FormFrameTest, ButtonActionsMaximizeRestoreMinimizeCloseAndPostCustomActions) {
  FrameData(false);
  HWND wnd = Skinned();
  TWinSysButton* custom = Button(wnd, 50);
  ASSERT_NE(custom, nullptr);
  Click(wnd, Center(custom->Rect()));
  Pump(50);
  EXPECT_EQ(g_custom_action_count, 1);
  EXPECT_EQ(g_custom_action, 50u);

  const POINT maximize = Center(Button(wnd, 1)->Rect());
  Click(wnd, maximize);
  EXPECT_EQ(PostedCommand(wnd), static_cast<WPARAM>(SC_MAXIMIZE));
  EXPECT_EQ(Entry(wnd).WindowState(), SkinWindowState::kMaximized);
  // On a maximized window the same button restores.
  SendMessageW(wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ASSERT_TRUE(IsZoomed(wnd));
  SendMessageW(wnd, kMsgRepaintFrame, 0, 0);  // places the buttons on the wider strip
  Click(wnd, Center(Button(wnd, 1)->Rect()));
  EXPECT_EQ(PostedCommand(wnd), static_cast<WPARAM>(SC_RESTORE));
  EXPECT_EQ(Entry(wnd).WindowState(), SkinWindowState::kNormal);
  SendMessageW(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  SendMessageW(wnd, kMsgRepaintFrame, 0, 0);
  Click(wnd, Center(Button(wnd, 2)->Rect()));
  EXPECT_EQ(PostedCommand(wnd), static_cast<WPARAM>(SC_MINIMIZE));
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU);

  Click(wnd, Center(Button(wnd, 0)->Rect()));
  Pump(150);
  EXPECT_FALSE(IsWindow(wnd));
}

TEST_F(FormFrameTest, DialogOnlyButtonShowsOnDialogStyleWindowsThatAreNotMessageBoxes) {
  struct Case {
    const char* what;
    DWORD style;
    DWORD ex_style;
    bool message_box;
    bool visible;
  };
  const Case cases[] = {
      {"sizable", WS_OVERLAPPEDWINDOW, 0, false, false},
      {"single", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, false, false},
      {"dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false, true},
      {"message box", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, true, false},
  };
  for (const Case& c : cases) {
    FrameData(false);
    FrameData(false, TSkinFormType::sfDialog);
    HWND wnd = nullptr;
    if (c.message_box) {
      struct {
        DLGTEMPLATE t;
        WORD menu, cls, title;
      } tpl{};
      tpl.t.style = c.style;
      tpl.t.cx = 200;
      tpl.t.cy = 80;
      wnd = Keep(CreateDialogIndirectParamW(
          myinstance(), &tpl.t, nullptr,
          [](HWND, UINT, WPARAM, LPARAM) CALLBACK -> INT_PTR { return FALSE; }, 0));
      ShowWindow(wnd, SW_SHOW);
      Manager().AddForm(wnd);  // unless its activation registered it already
      Pump(80);
    } else {
      wnd = Skinned(c.style, c.ex_style);
    }
    TWinSysButton* dialog_only = Button(wnd, 51);
    ASSERT_NE(dialog_only, nullptr) << c.what;
    SendMessageW(wnd, kMsgRepaintFrame, 0, 0);
    EXPECT_EQ(dialog_only->Visible(), c.visible) << c.what;
    EXPECT_EQ(Entry(wnd).MessageBox(), c.message_box) << c.what;
    DestroyWindow(wnd);
    FreeSkinManager();
    datas_.clear();
  }
}

TEST_F(FormFrameTest, IconButtonOpensTheSystemMenuAndASecondClickSoonAfterCloses) {
  FrameData(false);
  HWND wnd = Skinned();
  TWinSysButton* icon = Button(wnd, 3);
  ASSERT_NE(icon, nullptr);
  ASSERT_TRUE(icon->Visible());
  static bool menu_seen;
  menu_seen = false;
  // While the menu runs its own loop, a timer of this thread looks for it and ends it.
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
      menu_seen = true;
      EndMenu();
    }
  });
  Click(wnd, Center(icon->Rect()));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(menu_seen);
  ASSERT_TRUE(IsWindow(wnd));
  Click(wnd, Center(icon->Rect()));
  Pump(150);
  EXPECT_FALSE(IsWindow(wnd));
}

TEST_F(FormFrameTest, MessageBoxWiderCaptionWidensItAndMovesItsControlsByHalf) {
  FrameData(false);
  FrameData(false, TSkinFormType::sfDialog);
  struct {
    DLGTEMPLATE t;
    WORD menu, cls;
    wchar_t title[80];
  } tpl{};
  tpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  tpl.t.cx = 40;
  tpl.t.cy = 40;
  wcscpy(tpl.title, L"A message box caption much wider than its small client area");
  HWND box = Keep(CreateDialogIndirectParamW(
      myinstance(), &tpl.t, nullptr,
      [](HWND, UINT, WPARAM, LPARAM) CALLBACK -> INT_PTR { return FALSE; }, 0));
  ASSERT_NE(box, nullptr);
  HWND child = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 30, 20, box,
                               nullptr, myinstance(), nullptr);
  ShowWindow(box, SW_SHOW);
  RECT client{};
  GetClientRect(box, &client);
  Manager().AddForm(box);  // unless its activation registered it already
  Pump(80);
  RECT window{};
  GetWindowRect(box, &window);
  const int unwidened = client.right + 2 * kBorder;
  const int width = window.right - window.left;
  EXPECT_GT(width, unwidened);
  RECT moved{};
  GetWindowRect(child, &moved);
  POINT at{moved.left, moved.top};
  ScreenToClient(box, &at);
  EXPECT_NEAR(at.x, 10 + (width - unwidened) / 2, 1);
  EXPECT_EQ(at.y, 10);
}

TEST_F(FormFrameTest, UnskinningGivesBackSizeRegionStyleAndProcedure) {
  FrameData(true);
  HWND wnd = Keep(CreateWindowExW(0, kRecordClass, L"Frame", WS_OVERLAPPEDWINDOW, 40, 40, 320, 200,
                                  nullptr, nullptr, myinstance(), nullptr));
  ShowWindow(wnd, SW_SHOW);
  const LONG_PTR proc = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  RECT before{};
  GetWindowRect(wnd, &before);
  ASSERT_TRUE(Manager().AddForm(wnd));
  Pump(80);
  SendMessageW(wnd, kMsgRepaintFrame, 0, 0);
  ASSERT_TRUE(testing::HasRegion(wnd));
  ASSERT_NE(GetWindowLongPtrW(wnd, GWLP_WNDPROC), proc);
  Entry(wnd).UnSubclass();
  RECT after{};
  GetWindowRect(wnd, &after);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  EXPECT_FALSE(testing::HasRegion(wnd));
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), proc);
}

// Real input through the system: the pointer moves to maximize and clicks, then to close.
TEST_F(FormFrameTest, RealClicksOnMaximizeAndCloseRunTheirCommands) {
  FrameData(false);
  HWND wnd = Skinned();
  auto click_at = [&](POINT window_point) {
    const POINT p = OnScreen(wnd, window_point);
    SetCursorPos(p.x, p.y);
    Pump(50);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    Pump(250);
  };
  click_at(Center(Button(wnd, 1)->Rect()));
  ASSERT_FALSE(g_commands.empty());
  EXPECT_EQ(g_commands.front(), static_cast<WPARAM>(SC_MAXIMIZE));
  ShowWindow(wnd, SW_RESTORE);
  Pump(50);
  click_at(Center(Button(wnd, 0)->Rect()));
  EXPECT_FALSE(IsWindow(wnd));
}

// A sizable framework form with a caption, skinned with the product's skin, is cut to
// the rounded corners of its side borders, at the top and at the bottom.
TEST_F(FormFrameTest, ProductSkinRoundsTheCornersOfASizableForm) {
  const testing::SkinSource source = testing::ProductSkin();
  ASSERT_FALSE(source.ini.empty()) << "KOVASkin.ini not found";
  auto owned = std::make_unique<TSkinData>(nullptr);
  TSkinData* data = owned.get();
  datas_.push_back(std::move(owned));
  data->SetSkinFormtype(TSkinFormType::sfMainform);
  testing::Load(*data, source);
  data->Loaded();

  TForm* form = MakeForm();
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBorderIcons(
      {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
  form->SetBounds(40, 40, 360, 240);
  form->SetVisible(true);
  HWND wnd = form->Handle();
  ASSERT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION);
  SetForegroundWindow(wnd);
  SetActiveWindow(wnd);
  Pump(30);
  Manager().AddForm(wnd);
  Pump(80);
  ASSERT_NE(Manager().FindSkinForm(wnd), nullptr);

  const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(wnd, region.Get()), ERROR);
  RECT window{};
  GetWindowRect(wnd, &window);
  const int w = window.right - window.left;
  const int h = window.bottom - window.top;
  const struct {
    POINT point;  // window coordinates
    bool inside;
  } cases[] = {
      {{0, 0}, false},     {{2, 0}, false},        {{0, 1}, false},         {{w - 1, 0}, false},
      {{w - 3, 0}, false}, {{w - 1, 1}, false},    {{3, 0}, true},          {{1, 1}, true},
      {{w / 2, 0}, true},  {{0, h / 2}, true},     {{w / 2, h / 2}, true},  {{0, h - 1}, false},
      {{2, h - 1}, false}, {{0, h - 2}, false},    {{w - 1, h - 1}, false}, {{3, h - 1}, true},
      {{1, h - 2}, true},  {{w / 2, h - 1}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PtInRegion(region.Get(), c.point.x, c.point.y) != FALSE, c.inside)
        << "at " << c.point.x << "," << c.point.y << " of " << w << "x" << h;
  }
}

}  // namespace
}  // namespace kova
