// What the skin engine records about the system at start-up, and the calls it makes
// through the optional system functions, against the real window system.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/win/handles_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_system_win.h"
#include "skin/data/skin_text_win.h"

namespace kova {
namespace {

UniqueWindow MakeWindow(DWORD style) {
  return UniqueWindow(CreateWindowExW(0, L"STATIC", L"", style, 20, 20, 120, 80, nullptr, nullptr,
                                      nullptr, nullptr));
}

TEST(SkinSystemTest, GlobalsDescribeTheRunningSystem) {
  const DWORD version = GetVersion();
  EXPECT_EQ(WinVersion, version);
  EXPECT_EQ(Win32PlatformIsUnicode, (version & 0x80000000u) == 0);
  EXPECT_EQ(IsVista, (version & 0xFF) >= 6);
  EXPECT_EQ(DefaultUserCodePage, GetACP());
  // The systems we run on offer all four.
  EXPECT_NE(pGetScrollBarInfo, nullptr);
  EXPECT_NE(pTrackMouseEvent, nullptr);
  EXPECT_NE(pGetComboBoxInfo, nullptr);
  EXPECT_NE(pDisableProcessWindowsGhosting, nullptr);
}

TEST(SkinSystemTest, ScrollBarInfoComesFromTheSystem) {
  TSkinData data(nullptr);
  const UniqueWindow with_bar = MakeWindow(WS_POPUP | WS_VSCROLL);
  ASSERT_TRUE(with_bar);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(data.GetScrollBarInfo(with_bar.Get(), OBJID_VSCROLL, info));
  EXPECT_GT(info.rcScrollBar.bottom - info.rcScrollBar.top, 0);
  EXPECT_EQ(info.rcScrollBar.right - info.rcScrollBar.left, GetSystemMetrics(SM_CXVSCROLL));

  // What the system refuses is refused: a record without its size, a window that is gone.
  SCROLLBARINFO unsized{};
  EXPECT_FALSE(data.GetScrollBarInfo(with_bar.Get(), OBJID_VSCROLL, unsized));
  UniqueWindow gone = MakeWindow(WS_POPUP | WS_VSCROLL);
  const HWND stale = gone.Get();
  gone.Reset();
  EXPECT_FALSE(data.GetScrollBarInfo(stale, OBJID_VSCROLL, info));
}

TEST(SkinSystemTest, TrackMouseAsksForTheLeaveNotification) {
  const UniqueWindow window = MakeWindow(WS_POPUP | WS_VISIBLE);
  ASSERT_TRUE(window);
  EXPECT_TRUE(DoTrackMouse(window.Get()));
  EXPECT_FALSE(DoTrackMouse(nullptr));

  // The request must carry the structure's own size: the 16 bytes of a 32-bit process
  // are refused by a 64-bit one.
  TRACKMOUSEEVENT short_request{};
  short_request.cbSize = 16;
  short_request.dwFlags = TME_LEAVE;
  short_request.hwndTrack = window.Get();
  EXPECT_EQ(TrackMouseEvent(&short_request) != FALSE, sizeof(TRACKMOUSEEVENT) == 16);
}

// Restores the recorded code page and platform flag a test changes.
class ScopedTextSystem {
 public:
  ScopedTextSystem(uint32_t code_page, bool unicode)
      : code_page_(DefaultUserCodePage), unicode_(Win32PlatformIsUnicode) {
    DefaultUserCodePage = code_page;
    Win32PlatformIsUnicode = unicode;
  }
  ~ScopedTextSystem() {
    DefaultUserCodePage = code_page_;
    Win32PlatformIsUnicode = unicode_;
  }

 private:
  uint32_t code_page_;
  bool unicode_;
};

TEST(SkinTextWinTest, EightBitTextGoesThroughTheRecordedCodePage) {
  const ScopedTextSystem western(1252, true);
  EXPECT_EQ(StrToWideStr("\xE9t\xE9 \x80"), WideString(u"\u00E9t\u00E9 \u20AC"));
  EXPECT_EQ(WideStringToStringEx(u"\u00E9t\u00E9 \u20AC"), std::string("\xE9t\xE9 \x80"));
  EXPECT_EQ(WideStringToStringEx(u"\u65E5"), "?");  // not in the code page
  EXPECT_EQ(StrToWideStr(""), WideString());
  EXPECT_EQ(WideStringToStringEx(u""), std::string());
  const ScopedTextSystem cyrillic(1251, true);
  EXPECT_EQ(StrToWideStr("\xC4\xE0"), WideString(u"\u0414\u0430"));
}

TEST(SkinTextWinTest, DrawTextMeasuresAlikeOnBothPlatformFamilies) {
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  ScopedSelectObject font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
  const WideString text = u"Uninstall KOVA Internet Security";
  RECT wide{0, 0, 0, 0};
  RECT narrow{0, 0, 0, 0};
  int wide_height = 0;
  {
    const ScopedTextSystem nt(1252, true);
    wide_height = Tnt_DrawTextW(dc.Get(), text, wide, DT_CALCRECT | DT_SINGLELINE);
  }
  {
    const ScopedTextSystem nine_x(1252, false);
    EXPECT_EQ(Tnt_DrawTextW(dc.Get(), text, narrow, DT_CALCRECT | DT_SINGLELINE), wide_height);
  }
  EXPECT_GT(wide_height, 0);
  EXPECT_GT(wide.right, 0);
  EXPECT_EQ(narrow.right, wide.right);
  EXPECT_EQ(narrow.bottom, wide.bottom);

  // Ellipsis written into the text's buffer stays inside it on both paths.
  for (const bool unicode : {true, false}) {
    const ScopedTextSystem system(1252, unicode);
    RECT small{0, 0, 30, 20};
    EXPECT_GT(
        Tnt_DrawTextW(dc.Get(), text, small, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING), 0);
  }
}

}  // namespace
}  // namespace kova
