#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "control_skin_fixture.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/win_skin_box_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_skin_edit_win.h"
#include "skin/apply/win_skin_progress_win.h"
#include "skin/apply/win_skin_sizer_win.h"
#include "skin/data/system_colors.h"

namespace kova {
namespace {

using testing::FrameColor;

constexpr TColor kChunk = 0x00A0C0;
constexpr const wchar_t* kProgressClass = L"TProgressBar";

// The frame-coloured skin with a progress frame (2 frames, margins of 2) and a chunk of
// one plain colour.
testing::SkinSource FamiliesSkin() {
  testing::SkinSource source = testing::FrameColoredSkin();
  source.ini +=
      "[Progress]\nBitmap=p.bmp\nStyle=0\nLeftWidth=2\nRightWidth=2\nTopHeight=2\n"
      "BottomHeight=2\n[Progress.Chunk]\nImage=k.bmp\nFrame=1\n";
  source.images["p.bmp"] = testing::Strip(10, 10, 2);
  TBitmap chunk(4, 4);
  chunk.Fill(kChunk);
  source.images["k.bmp"] = chunk;
  return source;
}

class SkinFamiliesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    testing::Load(skin_, FamiliesSkin());
    // A framework progress bar: a window of the platform's class under the framework's
    // class name, which is the name the class table knows.
    static const bool registered = [] {
      WNDCLASSW cls{};
      GetClassInfoW(nullptr, PROGRESS_CLASSW, &cls);
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = kProgressClass;
      return RegisterClassW(&cls) != 0;
    }();
    ASSERT_TRUE(registered);
    parent_.Reset(CreateWindowExW(0, L"STATIC", L"families", WS_POPUP | WS_VISIBLE, 50, 50, 400,
                                  300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(parent_);
  }

  HWND Child(const wchar_t* window_class, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           parent_.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }

  // What the window shows: its WM_PAINT drawn into a bitmap of its size.
  static TBitmap Painted(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    TDibBitmap dib(r.right - r.left, r.bottom - r.top);
    SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dib.Canvas().Handle()), 0);
    GdiFlush();
    return dib.ToPixels();
  }
  static TColor At(const TBitmap& b, int x, int y) { return b.Pixel(x, y) & 0xFFFFFF; }

  TSkinData skin_{nullptr};
  UniqueWindow parent_;
};

TEST_F(SkinFamiliesTest, ProgressFillsItsChunkInProportionToThePosition) {
  // 104 wide: 100 pixels inside the frame's margins, one per step of 0..100.
  HWND bar = Child(kProgressClass, 0, 10, 10, 104, 20);
  HWND upright = Child(kProgressClass, PBS_VERTICAL, 150, 10, 20, 104);
  TSkinControls controls(&skin_, nullptr);
  ASSERT_NE(dynamic_cast<TSkinProgress*>(controls.AddControlh(bar)), nullptr);
  ASSERT_NE(dynamic_cast<TSkinProgress*>(controls.AddControlh(upright)), nullptr);

  struct Case {
    int low, high, pos;
    int filled;  // pixels inside the margins
  };
  const Case cases[] = {
      {0, 100, 0, 0}, {0, 100, 30, 30}, {0, 100, 100, 100}, {50, 150, 75, 25}, {0, 4, 1, 25},
  };
  for (const Case& c : cases) {
    SendMessageW(bar, PBM_SETRANGE32, c.low, c.high);
    SendMessageW(bar, PBM_SETPOS, c.pos, 0);
    SendMessageW(upright, PBM_SETRANGE32, c.low, c.high);
    SendMessageW(upright, PBM_SETPOS, c.pos, 0);
    const TBitmap h = Painted(bar);
    const TBitmap v = Painted(upright);
    // The frame's corner shows frame 1 horizontally, frame 2 upright.
    EXPECT_EQ(At(h, 0, 0), FrameColor(1));
    EXPECT_EQ(At(v, 0, 0), FrameColor(2));
    if (c.filled > 0) {
      EXPECT_EQ(At(h, 2, 10), kChunk) << c.pos;
      EXPECT_EQ(At(h, 2 + c.filled - 1, 10), kChunk) << c.pos;
      EXPECT_EQ(At(v, 10, 101), kChunk) << c.pos;
      EXPECT_EQ(At(v, 10, 102 - c.filled), kChunk) << c.pos;
    }
    if (c.filled < 100) {
      EXPECT_NE(At(h, 2 + c.filled, 10), kChunk) << c.pos;
      EXPECT_NE(At(v, 10, 101 - c.filled), kChunk) << c.pos;
    }
  }
}

TEST_F(SkinFamiliesTest, ProgressRepaintsTheScreenWhenItMoves) {
  HWND bar = Child(kProgressClass, 0, 10, 50, 104, 20);
  TSkinControls controls(&skin_, nullptr);
  controls.AddControlh(bar);
  SendMessageW(bar, PBM_SETPOS, 50, 0);
  // Read back from the window on screen, not from a paint into a bitmap.
  HDC dc = GetDC(bar);
  const COLORREF inside = GetPixel(dc, 40, 10);
  const COLORREF beyond = GetPixel(dc, 60, 10);
  ReleaseDC(bar, dc);
  EXPECT_EQ(static_cast<TColor>(inside) & 0xFFFFFF, kChunk);
  EXPECT_NE(static_cast<TColor>(beyond) & 0xFFFFFF, kChunk);
}

TEST_F(SkinFamiliesTest, NestedDialogPageTakesTheFormColour) {
  HWND page = Child(L"#32770", 0, 10, 100, 80, 60);
  HWND stop = Child(L"#32770", WS_TABSTOP, 100, 100, 80, 60);
  TSkinControls controls(&skin_, nullptr);
  ASSERT_NE(dynamic_cast<TSkinBoxH*>(controls.AddControlh(page)), nullptr);
  // One in the tab order is a control of its own, not a page.
  EXPECT_EQ(controls.AddControlh(stop), nullptr);
  TDibBitmap dib(80, 60);
  dib.Canvas().Handle();
  SendMessageW(page, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dib.Canvas().Handle()), 0);
  GdiFlush();
  // The skin's form colour is 0,0,200 (blue 200).
  EXPECT_EQ(At(dib.ToPixels(), 40, 30), static_cast<TColor>(RGB(0, 0, 200)));
}

TEST_F(SkinFamiliesTest, SizeGripShowsTheFormColourUnderItsGrip) {
  HWND grip = Child(L"SCROLLBAR", SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 300, 200, 20, 20);
  TSkinControls controls(&skin_, nullptr);
  ASSERT_NE(dynamic_cast<TSkinSizer*>(controls.AddControlh(grip)), nullptr);
  const TBitmap shown = Painted(grip);
  const TColor form = static_cast<TColor>(RGB(0, 0, 200));
  // The top left stays clear of the grip's lines; the bottom right corner carries them.
  EXPECT_EQ(At(shown, 1, 1), form);
  bool lines = false;
  for (int i = 10; i < 19; ++i) {
    lines = lines || At(shown, i, 18) != form;
  }
  EXPECT_TRUE(lines);
}

TEST_F(SkinFamiliesTest, EditBorderInTheSkinColourAlsoOnTheEngineMessage) {
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"text", WS_CHILD | WS_VISIBLE, 10, 200,
                              100, 24, parent_.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  TSkinControls controls(&skin_, nullptr);
  ASSERT_NE(dynamic_cast<TSkinEdit*>(controls.AddControlh(edit)), nullptr);
  TDibBitmap dib(100, 24);
  dib.Canvas().Handle();
  const COLORREF before = GetPixel(dib.Canvas().Handle(), 0, 12);
  EXPECT_EQ(SendMessageW(edit, kMsgPaintEditInto, reinterpret_cast<WPARAM>(dib.Canvas().Handle()),
                         kSkinMarker),
            kSkinMarker);
  GdiFlush();
  const TBitmap shown = dib.ToPixels();
  const TColor shadow = ResolveColor(skin_.Color(TShemeColor::csButtonShadow));
  EXPECT_NE(static_cast<TColor>(before) & 0xFFFFFF, shadow);
  EXPECT_EQ(At(shown, 0, 12), shadow);
  EXPECT_EQ(At(shown, 99, 0), shadow);
  EXPECT_NE(At(shown, 50, 12), shadow);  // the text area is the edit's own
}

}  // namespace
}  // namespace kova
