// Track bars, up-down buttons, status bars and date-time pickers painted from the skin,
// on real windows with real input.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "family_window_fixture.h"
#include "skin/apply/win_skin_date_time_win.h"
#include "skin/apply/win_skin_status_bar_win.h"
#include "skin/apply/win_skin_track_bar_win.h"
#include "skin/apply/win_skin_up_down_win.h"

namespace kova {
namespace {

using testing::At;
using testing::FamilyObject;
using testing::MouseButton;
using testing::MoveTo;
using testing::ObjectColor;
using testing::OnScreen;
using testing::Painted;
using testing::Pump;
using testing::RealClick;

constexpr TColor kFormColour = 0xC80000;  // the skin's 0,0,200

POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

RECT ThumbRect(HWND bar) {
  RECT r{};
  SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

class SkinBarsTest : public testing::FamilyWindowTest {};

TEST_F(SkinBarsTest, TrackBarThumbFollowsThePositionInEitherOrientation) {
  struct Case {
    const char* name;
    DWORD style;
    int w, h;
    FamilyObject thumb, channel;
  };
  const Case cases[] = {
      {"horizontal", TBS_HORZ | TBS_NOTICKS, 240, 40, FamilyObject::kThumbHorz,
       FamilyObject::kTrack},
      {"vertical", TBS_VERT | TBS_NOTICKS, 40, 240, FamilyObject::kThumbVert,
       FamilyObject::kTrackVert},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UniqueWindow bar(Child(TRACKBAR_CLASSW, L"", c.style, 20, 20, c.w, c.h));
    SendMessageW(bar.Get(), TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    TSkinTrackBar skinned(nullptr);
    skinned.Inithwnd(bar.Get(), &skin_, nullptr, nullptr);
    const bool vertical = (c.style & TBS_VERT) != 0;
    int previous = -1;
    for (const int position : {0, 50, 100}) {
      SendMessageW(bar.Get(), TBM_SETPOS, TRUE, position);
      const POINT thumb = Centre(ThumbRect(bar.Get()));
      const int along = vertical ? thumb.y : thumb.x;
      EXPECT_GT(along, previous) << position;
      const TBitmap shown = Painted(bar.Get());
      EXPECT_EQ(At(shown, thumb.x, thumb.y), ObjectColor(c.thumb, 1)) << position;
      if (previous >= 0) {
        // Where the thumb was, the channel shows again.
        EXPECT_EQ(At(shown, vertical ? thumb.x : previous, vertical ? previous : thumb.y),
                  ObjectColor(c.channel, 1))
            << position;
      }
      previous = along;
    }
    // The repaint after a move reaches the screen.
    SendMessageW(bar.Get(), TBM_SETPOS, TRUE, 25);
    Pump(50);
    const POINT moved = Centre(ThumbRect(bar.Get()));
    EXPECT_EQ(OnScreen(bar.Get(), moved.x, moved.y), ObjectColor(c.thumb, 1));
    skinned.Unsubclass();
  }
}

TEST_F(SkinBarsTest, TrackBarThumbShowsPressedWhileDraggedAndHotUnderTheMouse) {
  HWND bar = Child(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS, 20, 20, 240, 40);
  SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  SendMessageW(bar, TBM_SETPOS, TRUE, 20);
  TSkinTrackBar skinned(nullptr);
  skinned.Inithwnd(bar, &skin_, nullptr, nullptr);
  const POINT thumb = Centre(ThumbRect(bar));
  MoveTo(bar, thumb);
  MoveTo(bar, {thumb.x + 1, thumb.y});
  EXPECT_TRUE(skinned.ThumbHot());
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  Pump(60);
  EXPECT_TRUE(skinned.ThumbPressed());
  const POINT held = Centre(ThumbRect(bar));
  EXPECT_EQ(OnScreen(bar, held.x, held.y), ObjectColor(FamilyObject::kThumbHorz, 2));
  // Dragged to the right: the control moves its position, the thumb follows.
  MoveTo(bar, {thumb.x + 80, thumb.y});
  MouseButton(MOUSEEVENTF_LEFTUP);
  Pump(80);
  EXPECT_FALSE(skinned.ThumbPressed());
  EXPECT_GT(SendMessageW(bar, TBM_GETPOS, 0, 0), 40);
  const POINT dropped = Centre(ThumbRect(bar));
  EXPECT_GT(dropped.x, thumb.x + 40);
  const TColor shown = OnScreen(bar, dropped.x, dropped.y);
  // Focused by the press; hot while the mouse stays on it.
  EXPECT_TRUE(shown == ObjectColor(FamilyObject::kThumbHorz, 4) ||
              shown == ObjectColor(FamilyObject::kThumbHorz, 5))
      << std::hex << shown;
  skinned.Unsubclass();
}

TEST_F(SkinBarsTest, UpDownShowsThePressedButtonAndStillChangesItsBuddy) {
  struct Case {
    const char* name;
    DWORD style;
    int w, h;
    FamilyObject object;
    bool press_first;                          // the button that counts up
    int first_x, first_y, second_x, second_y;  // clear of the glyphs
  };
  const Case cases[] = {
      {"upright", 0, 18, 40, FamilyObject::kUpDownVert, true, 1, 1, 1, 38},
      {"side by side", UDS_HORZ, 40, 18, FamilyObject::kUpDownHorz, false, 1, 1, 38, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UniqueWindow buddy(Child(L"EDIT", L"5", WS_BORDER, 20, 100, 60, 22));
    UniqueWindow spin(Child(UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | c.style, 100, 100, c.w, c.h));
    SendMessageW(spin.Get(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.Get()), 0);
    SendMessageW(spin.Get(), UDM_SETRANGE32, 0, 10);
    SendMessageW(spin.Get(), UDM_SETPOS32, 0, 5);
    TSkinUpDown skinned(nullptr);
    skinned.Inithwnd(spin.Get(), &skin_, nullptr, nullptr);
    const TBitmap resting = Painted(spin.Get());
    EXPECT_EQ(At(resting, c.first_x, c.first_y), ObjectColor(c.object, 1));
    EXPECT_EQ(At(resting, c.second_x, c.second_y), ObjectColor(c.object, 5));

    const POINT up =
        c.press_first ? POINT{c.first_x + 2, c.first_y + 2} : POINT{c.second_x - 2, c.second_y + 2};
    MoveTo(spin.Get(), up);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Pump(60);
    const int pressed_frame = c.press_first ? 2 : 6;
    const int other_frame = c.press_first ? 5 : 1;
    EXPECT_EQ(OnScreen(spin.Get(), c.press_first ? c.first_x : c.second_x,
                       c.press_first ? c.first_y : c.second_y),
              ObjectColor(c.object, pressed_frame));
    EXPECT_EQ(OnScreen(spin.Get(), c.press_first ? c.second_x : c.first_x,
                       c.press_first ? c.second_y : c.first_y),
              ObjectColor(c.object, other_frame));
    MouseButton(MOUSEEVENTF_LEFTUP);
    Pump(80);
    EXPECT_EQ(skinned.Pressed(), UpDownPart::kNone);
    EXPECT_EQ(SendMessageW(spin.Get(), UDM_GETPOS32, 0, 0), 6);
    wchar_t text[8] = {};
    GetWindowTextW(buddy.Get(), text, 8);
    EXPECT_EQ(std::wstring(text), L"6");
    // The mouse is still over the button: hot.
    EXPECT_EQ(OnScreen(spin.Get(), c.press_first ? c.first_x : c.second_x,
                       c.press_first ? c.first_y : c.second_y),
              ObjectColor(c.object, pressed_frame + 2));

    EnableWindow(spin.Get(), FALSE);
    const TBitmap disabled = Painted(spin.Get());
    EXPECT_EQ(At(disabled, c.first_x, c.first_y), ObjectColor(c.object, 3));
    EXPECT_EQ(At(disabled, c.second_x, c.second_y), ObjectColor(c.object, 7));
    skinned.Unsubclass();
    testing::MoveTo(parent_.Get(), {500, 380});
  }
}

TEST_F(SkinBarsTest, StatusBarPanelsFramedTheirTextsAndOwnerDrawnPanelsShown) {
  HWND bar = Child(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP | CCS_BOTTOM, 0, 0, 0, 0, 7);
  const int edges[] = {150, 300, 420, -1};
  SendMessageW(bar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
  SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
  SendMessageW(bar, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(L"\tMiddle"));
  SendMessageW(bar, SB_SETTEXTW, 2 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(L"Plain"));
  SendMessageW(bar, SB_SETTEXTW, 3 | SBT_OWNERDRAW, 0x5A);
  TSkinStatusBar skinned(nullptr);
  skinned.Inithwnd(bar, &skin_, nullptr, nullptr);
  const TBitmap shown = Painted(bar);
  RECT panel[4] = {};
  for (int i = 0; i < 4; ++i) {
    SendMessageW(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(&panel[i]));
  }
  EXPECT_EQ(At(shown, panel[0].left, panel[0].top), ObjectColor(FamilyObject::kStatusEdges, 1));
  EXPECT_EQ(At(shown, panel[0].right - 1, panel[0].bottom - 1),
            ObjectColor(FamilyObject::kStatusEdges, 1));
  EXPECT_EQ(At(shown, panel[1].left, panel[1].top), ObjectColor(FamilyObject::kStatusEdges, 2));
  EXPECT_EQ(At(shown, panel[2].left + 1, panel[2].top + 1), kFormColour);
  // Each text shows where the bar puts it: at the start, or centred after a tab.
  const auto inked = [&](const RECT& r, int from, int to) {
    int count = 0;
    for (int y = r.top + 3; y < r.bottom - 3; ++y) {
      for (int x = from; x < to; ++x) {
        const TColor c = At(shown, x, y);
        count += c != ObjectColor(FamilyObject::kStatusEdges, 1) &&
                 c != ObjectColor(FamilyObject::kStatusEdges, 2) && c != kFormColour;
      }
    }
    return count;
  };
  EXPECT_GT(inked(panel[0], panel[0].left, panel[0].left + 40), 0);
  EXPECT_EQ(inked(panel[0], panel[0].right - 40, panel[0].right), 0);
  EXPECT_EQ(inked(panel[1], panel[1].left, panel[1].left + 30), 0);
  EXPECT_GT(inked(panel[1], panel[1].left + 40, panel[1].right - 40), 0);
  // The owner-drawn panel was handed to the parent with its data, and shows its drawing.
  EXPECT_EQ(testing::OwnerDrawnData(), 0x5Au);
  EXPECT_EQ(At(shown, (panel[3].left + panel[3].right) / 2, (panel[3].top + panel[3].bottom) / 2),
            testing::kOwnerDrawnColor);

  // In simple mode one panel spans the bar with the simple text.
  SendMessageW(bar, SB_SIMPLE, TRUE, 0);
  SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"Scanning files"));
  const TBitmap simple = Painted(bar);
  RECT whole{};
  GetClientRect(bar, &whole);
  EXPECT_EQ(At(simple, panel[2].left + 1, panel[2].top + 1),
            ObjectColor(FamilyObject::kStatusEdges, 1));
  int ink = 0;
  for (int y = 4; y < whole.bottom - 4; ++y) {
    for (int x = 4; x < 120; ++x) {
      ink += At(simple, x, y) != ObjectColor(FamilyObject::kStatusEdges, 1);
    }
  }
  EXPECT_GT(ink, 0);
  skinned.Unsubclass();
}

TEST_F(SkinBarsTest, DateTimeArrowButtonOpensTheCalendar) {
  HWND picker = Child(DATETIMEPICK_CLASSW, L"", WS_BORDER, 20, 20, 180, 26, 9);
  HWND spinning = Child(DATETIMEPICK_CLASSW, L"", DTS_UPDOWN, 20, 80, 180, 26, 10);
  TSkinDateTime skinned(nullptr);
  skinned.Inithwnd(picker, &skin_, nullptr, nullptr);
  TSkinDateTime plain(nullptr);
  plain.Inithwnd(spinning, &skin_, nullptr, nullptr);
  EXPECT_EQ(plain.ArrowButton(), nullptr);  // an up-down picker has no drop-down button
  ASSERT_NE(skinned.ArrowButton(), nullptr);
  HWND arrow = skinned.ArrowButton()->Handle();
  ASSERT_NE(arrow, nullptr);

  // It lies over the picker's own button and shows "ComboxArrow" at rest.
  RECT over{};
  GetWindowRect(arrow, &over);
  MapWindowPoints(nullptr, picker, reinterpret_cast<POINT*>(&over), 2);
  const RECT button = DateTimeButtonRect(picker);
  EXPECT_TRUE(EqualRect(&over, &button));
  Pump(50);
  EXPECT_EQ(OnScreen(arrow, 3, 3), ObjectColor(FamilyObject::kComboButton, 1));

  RECT client{};
  GetClientRect(arrow, &client);
  RealClick(arrow, Centre(client));
  EXPECT_TRUE(Notified(picker, DTN_DROPDOWN));
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr);
  EXPECT_TRUE(IsWindowVisible(calendar));
  SendMessageW(picker, DTM_CLOSEMONTHCAL, 0, 0);
  Pump(50);
  skinned.Unsubclass();
  EXPECT_EQ(skinned.ArrowButton(), nullptr);
}

}  // namespace
}  // namespace kova
