#include <gtest/gtest.h>

#include <vector>

#include "skin/apply/push_button_state.h"

namespace kova {
namespace {

using E = PushButtonEvent;

struct Road {
  const char* name;
  std::vector<E> events;
  bool hot;
  bool pressed;
  int clicks;
};

TEST(PushButtonLookTest, MouseAndKeyboardRoads) {
  const Road roads[] = {
      {"press and release clicks once", {E::kMouseMove, E::kLeftDown, E::kLeftUp}, true, false, 1},
      {"leaving while pressed clears both",
       {E::kMouseMove, E::kLeftDown, E::kMouseLeave},
       false,
       false,
       0},
      {"release outside after leaving does not click",
       {E::kMouseMove, E::kLeftDown, E::kMouseLeave, E::kLeftUp},
       false,
       false,
       0},
      {"release without press does not click", {E::kMouseMove, E::kLeftUp}, true, false, 0},
      {"space press shows pressed", {E::kSpaceDown}, false, true, 0},
      {"space release clears pressed", {E::kSpaceDown, E::kSpaceUp}, false, false, 0},
      {"double click is a press",
       {E::kLeftDown, E::kLeftUp, E::kLeftDown, E::kLeftUp},
       false,
       false,
       2},
  };
  for (const Road& road : roads) {
    PushButtonState state;
    int clicks = 0;
    for (E event : road.events) {
      clicks += ApplyPushButtonEvent(state, event, true).click ? 1 : 0;
    }
    EXPECT_EQ(state.hot, road.hot) << road.name;
    EXPECT_EQ(state.pressed, road.pressed) << road.name;
    EXPECT_EQ(clicks, road.clicks) << road.name;
  }
}

TEST(PushButtonLookTest, MovingOverADisabledButtonTracksButStaysCold) {
  PushButtonState state;
  const PushButtonReaction reaction = ApplyPushButtonEvent(state, E::kMouseMove, false);
  EXPECT_FALSE(state.hot);
  EXPECT_FALSE(reaction.repaint);
  EXPECT_TRUE(reaction.track_leave);
  // A second move over a hot button has nothing to repaint.
  ApplyPushButtonEvent(state, E::kMouseMove, true);
  EXPECT_FALSE(ApplyPushButtonEvent(state, E::kMouseMove, true).repaint);
}

TEST(PushButtonLookTest, FrameFromStateAndLook) {
  struct Case {
    bool hot, pressed, enabled, focused, is_default;
    int frame;
  } cases[] = {
      {false, false, true, false, false, kButtonFrameNormal},
      {false, false, true, true, false, kButtonFrameFocused},
      {false, false, true, false, true, kButtonFrameFocused},
      {true, false, true, true, false, kButtonFrameHot},
      {true, true, true, false, false, kButtonFramePressed},
      {false, true, true, true, true, kButtonFramePressed},
      {false, false, false, false, true, kButtonFrameDisabled},  // disabled default: 3, not 5
      {true, true, false, true, true, kButtonFrameDisabled},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PushButtonFrame({c.hot, c.pressed}, {c.enabled, c.focused, c.is_default}), c.frame)
        << c.hot << c.pressed << c.enabled << c.focused << c.is_default;
  }
}

TEST(PushButtonLookTest, TextColourPerFrameOnlyWhereTheSkinSetsOne) {
  constexpr TColor kText = 0x111111, kDisabled = 0x222222;
  TDataSkinButton none;
  TDataSkinButton rgb;
  rgb.HasNormalColour2 = rgb.HasPressedColour2 = true;
  rgb.NormalColour2 = 0x0000AA;
  rgb.PressedColour2 = 0x00AA00;
  TDataSkinButton number;
  number.MouseOverColour = 0xAA0000;
  struct Case {
    const TDataSkinButton* button;
    int frame;
    TColor color;
  } cases[] = {
      {&none, kButtonFrameNormal, kText},       {&none, kButtonFramePressed, kText},
      {&none, kButtonFrameDisabled, kDisabled}, {&rgb, kButtonFrameNormal, 0x0000AA},
      {&rgb, kButtonFrameHot, 0x0000AA},        {&rgb, kButtonFramePressed, 0x00AA00},
      {&rgb, kButtonFrameDisabled, kDisabled},  {&number, kButtonFrameHot, 0xAA0000},
      {&number, kButtonFrameFocused, kText},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PushButtonTextColor(*c.button, c.frame, kText, kDisabled), c.color) << c.frame;
  }
}

TEST(PushButtonLookTest, TransparencyAndSingleMode) {
  TSkinOptions none;
  TSkinOptions transparent;
  transparent.Include(TSkinOption::xoTransparent);
  EXPECT_TRUE(PushButtonTransparent(5555, none));
  EXPECT_FALSE(PushButtonTransparent(5554, none));
  EXPECT_TRUE(PushButtonTransparent(0, transparent));

  for (const char* name : {"TRzButton", "trzbitbtn", "TElPopupButton", "TELBUTTON"}) {
    EXPECT_TRUE(PushButtonSingleMode(name)) << name;
  }
  for (const char* name : {"TButton", "Button", "tr", "", "TBitBtn", "TERzButton"}) {
    EXPECT_FALSE(PushButtonSingleMode(name)) << name;
  }
}

}  // namespace
}  // namespace kova
