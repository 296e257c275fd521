#include "skin/apply/caption_buttons.h"

#include <gtest/gtest.h>

#include "image_rect_printing.h"

namespace kova {
namespace {

constexpr SkinBorderIcons kAllBoxes = SkinBorderIcons{
    SkinBorderIcon::kSystemMenu, SkinBorderIcon::kMinimize, SkinBorderIcon::kMaximize};

TEST(CaptionButtonsTest, VisibilityCodesOfBothKeys) {
  CaptionWindow normal;
  normal.icons = kAllBoxes;
  CaptionWindow maximized = normal;
  maximized.state = SkinWindowState::kMaximized;
  CaptionWindow inactive = normal;
  inactive.active = false;
  CaptionWindow boxes_without_menu;
  boxes_without_menu.icons = SkinBorderIcons{SkinBorderIcon::kMinimize};
  CaptionWindow help_only;
  help_only.icons = SkinBorderIcons{SkinBorderIcon::kHelp};
  CaptionWindow help_and_boxes;
  help_and_boxes.icons = SkinBorderIcons{SkinBorderIcon::kSystemMenu, SkinBorderIcon::kMinimize,
                                         SkinBorderIcon::kMaximize, SkinBorderIcon::kHelp};
  CaptionWindow dialog;
  dialog.border_style = SkinBorderStyle::kDialog;
  CaptionWindow message_box = dialog;
  message_box.message_box = true;
  CaptionWindow mdi_row;
  mdi_row.mdi_child_maximized_in_menu_row = true;
  CaptionWindow says_yes;
  says_yes.ask = [](int32_t, int32_t) { return 1; };
  CaptionWindow says_no;
  says_no.ask = [](int32_t, int32_t) { return 0; };

  struct Case {
    int32_t code;
    const CaptionWindow* window;
    bool first;
    bool second;
  };
  const Case cases[] = {
      {0, &normal, true, true},
      {1, &normal, false, false},
      {1, &maximized, true, true},
      {2, &maximized, false, false},
      {2, &normal, true, true},
      {3, &inactive, false, false},
      {4, &inactive, true, true},
      {6, &normal, true, true},
      {6, &boxes_without_menu, false, true},  // the first key also needs the system menu
      {8, &boxes_without_menu, false, true},
      {8, &help_only, false, false},
      {7, &normal, false, false},
      {7, &help_only, true, true},
      {9, &boxes_without_menu, false, false},
      {9, &help_only, true, true},
      {10, &help_only, true, true},
      {10, &help_and_boxes, false, true},
      {10, &normal, false, false},
      {100, &mdi_row, true, true},
      {100, &normal, false, false},
      {200, &dialog, true, true},
      {200, &message_box, false, false},
      {200, &normal, false, false},
      {201, &normal, true, true},
      {999, &normal, true, true},
      {1000, &says_yes, true, true},
      {2000, &says_no, false, true},
      {1500, &normal, false, true},  // nobody to ask
      {5, &normal, false, false},
      {-1, &normal, false, false},
      {2001, &normal, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VisibilityCodeHolds(c.code, VisibilityKey::kFirst, *c.window, 0), c.first) << c.code;
    EXPECT_EQ(VisibilityCodeHolds(c.code, VisibilityKey::kSecond, *c.window, 0), c.second)
        << c.code;
  }
}

TEST(CaptionButtonsTest, TheWindowIsAskedWithCodeAndAction) {
  CaptionWindow window;
  int32_t asked_code = 0;
  int32_t asked_action = 0;
  window.ask = [&](int32_t code, int32_t action) {
    asked_code = code;
    asked_action = action;
    return 2;
  };
  TDataSkinSysButton button("Custom");
  button.Visibility = 1234;
  button.Action = 50;
  EXPECT_TRUE(AvailabilityOf(button, window).visible);
  EXPECT_EQ(asked_code, 1234);
  EXPECT_EQ(asked_action, 50);
}

TEST(CaptionButtonsTest, ActionRulesHideOrDisableAfterBothCodes) {
  CaptionWindow full;
  full.icons = kAllBoxes;
  CaptionWindow no_max = full;
  no_max.icons = SkinBorderIcons{SkinBorderIcon::kSystemMenu, SkinBorderIcon::kMinimize};
  CaptionWindow no_menu;
  no_menu.icons = SkinBorderIcons{SkinBorderIcon::kMinimize, SkinBorderIcon::kMaximize};
  CaptionWindow dialog = full;
  dialog.border_style = SkinBorderStyle::kDialog;

  struct Case {
    int32_t action;
    int32_t visibility1;
    const CaptionWindow* window;
    bool visible;
    bool enabled;
  };
  const Case cases[] = {
      {0, 0, &full, true, true},      {0, 0, &no_menu, false, true},
      {1, 0, &full, true, true},      {1, 0, &no_max, true, false},
      {1, 0, &no_menu, true, false},  {2, 0, &no_max, true, true},
      {2, 0, &no_menu, true, false},  {3, 0, &full, true, true},
      {3, 0, &dialog, false, true},   {11, 0, &dialog, false, true},
      {12, 0, &dialog, false, true},  {50, 0, &dialog, true, true},
      {50, 200, &dialog, true, true}, {50, 200, &full, false, true},
      {1, 1, &no_max, false, false},  // hidden by its code, still disabled by its rule
  };
  for (const Case& c : cases) {
    TDataSkinSysButton button("Button");
    button.Action = c.action;
    button.Visibility1 = c.visibility1;
    const ButtonAvailability a = AvailabilityOf(button, *c.window);
    EXPECT_EQ(a.visible, c.visible) << c.action << "/" << c.visibility1;
    EXPECT_EQ(a.enabled, c.enabled) << c.action << "/" << c.visibility1;
  }
}

TEST(CaptionButtonsTest, PlacementByAlignment) {
  PlacementContext context;
  context.window_width = 400;
  context.caption_text = {100, 6, 180, 20};
  context.frame = {4, 26, 5, 6, 20};
  struct Case {
    int32_t align;
    int mdi_strip;
    std::optional<ImageRect> expected;
  };
  // A 3-state strip 48 x 14: buttons are 16 x 14; Xcoord 30, Ycoord 5.
  const Case cases[] = {
      {0, 0, ImageRect{30, 5, 46, 19}},
      {1, 0, ImageRect{370, 5, 386, 19}},
      {2, 0, ImageRect{54, 5, 70, 19}},
      {8, 0, ImageRect{54, 5, 70, 19}},
      {3, 0, ImageRect{210, 5, 226, 19}},
      {9, 0, ImageRect{210, 5, 226, 19}},
      {100, 0, ImageRect{365, 29, 381, 43}},
      {100, 40, ImageRect{325, 29, 341, 43}},
      {4, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    TDataSkinSysButton button("Button");
    button.Map.SetSize(48, 14);
    button.Frame = 3;
    button.Align = c.align;
    button.Xcoord = 30;
    button.Ycoord = 5;
    context.mdi_strip_width = c.mdi_strip;
    EXPECT_EQ(PlaceButton(button, context), c.expected) << c.align;
  }
  TDataSkinSysButton empty("Empty");
  EXPECT_EQ(PlaceButton(empty, context), std::nullopt);
}

TEST(CaptionButtonsTest, RightButtonsXIsTheLargestXcoordOfVisibleRightAlignedButtons) {
  TDataSkinSysButton close("Close"), max("Max"), left("Left"), hidden("Hidden");
  close.Align = max.Align = hidden.Align = 1;
  close.Xcoord = 24;
  max.Xcoord = 44;
  hidden.Xcoord = 90;
  left.Xcoord = 120;
  const TDataSkinSysButton* buttons[] = {&close, &max, &left, &hidden};
  const ButtonAvailability availability[] = {
      {true, true}, {true, false}, {true, true}, {false, true}};
  EXPECT_EQ(RightButtonsX(buttons, availability), 44);
  EXPECT_EQ(RightButtonsX({}, {}), 0);
}

TEST(CaptionButtonsTest, StateImages) {
  EXPECT_EQ(PaintFrame(4, true, true), 1);
  EXPECT_EQ(PaintFrame(4, false, true), 4);
  EXPECT_EQ(PaintFrame(4, true, false), 4);  // a disabled maximize button
  EXPECT_EQ(PaintFrame(3, false, false), 1);
  EXPECT_EQ(RedrawFrame(4, ButtonState::kNormal, true, false), 1);
  EXPECT_EQ(RedrawFrame(4, ButtonState::kPressed, true, false), 2);
  EXPECT_EQ(RedrawFrame(4, ButtonState::kHot, true, false), 3);
  EXPECT_EQ(RedrawFrame(4, ButtonState::kHot, true, true), 4);
  EXPECT_EQ(RedrawFrame(4, ButtonState::kPressed, true, true), 2);
  EXPECT_EQ(RedrawFrame(4, ButtonState::kHot, false, false), 4);
  EXPECT_EQ(RedrawFrame(2, ButtonState::kHot, false, false), 1);
}

TEST(CaptionButtonsTest, HintsAndClickEffects) {
  struct Case {
    int32_t action;
    std::string_view hint;
    ClickEffect effect;
  };
  const Case cases[] = {
      {0, "Close", ClickEffect::kClose},
      {1, "Maximize", ClickEffect::kToggleMaximize},
      {22, "Maximize", ClickEffect::kToggleMaximize},
      {2, "Minimize", ClickEffect::kToggleMinimize},
      {23, "Minimize", ClickEffect::kToggleMinimize},
      {3, "", ClickEffect::kSystemMenu},
      {11, "", ClickEffect::kSystemMenu},
      {12, "", ClickEffect::kSystemMenu},
      {4, "", ClickEffect::kContextHelp},
      {7, "Minimize", ClickEffect::kMdiChildMinimize},
      {60, "Minimize", ClickEffect::kMdiChildMinimize},
      {8, "Restore", ClickEffect::kMdiChildRestore},
      {61, "Restore", ClickEffect::kMdiChildRestore},
      {9, "Close", ClickEffect::kMdiChildClose},
      {62, "Close", ClickEffect::kMdiChildClose},
      {50, "", ClickEffect::kPostCustom},
      {5, "", ClickEffect::kPostCustom},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HintOf(c.action), c.hint) << c.action;
    EXPECT_EQ(EffectOf(c.action), c.effect) << c.action;
  }
  EXPECT_TRUE(IsIconAction(3));
  EXPECT_TRUE(IsIconAction(11));
  EXPECT_FALSE(IsIconAction(12));
}

std::vector<CaptionButton> ThreeButtons() {
  return {{{10, 4, 26, 18}, true, 3, ButtonState::kNormal},
          {{300, 4, 316, 18}, true, 1, ButtonState::kNormal},
          {{320, 4, 336, 18}, true, 0, ButtonState::kNormal}};
}

TEST(CaptionButtonsTest, FindButtonTakesTheFirstVisibleHittableButton) {
  std::vector<CaptionButton> buttons = ThreeButtons();
  buttons.push_back({{320, 4, 336, 18}, true, 50, ButtonState::kNormal});  // under close
  EXPECT_EQ(FindButton(buttons, {10, 4}), 0u);
  EXPECT_EQ(FindButton(buttons, {25, 17}), 0u);
  EXPECT_EQ(FindButton(buttons, {26, 10}), std::nullopt);  // right edge is outside
  EXPECT_EQ(FindButton(buttons, {330, 10}), 2u);
  buttons[2].visible = false;
  EXPECT_EQ(FindButton(buttons, {330, 10}), 3u);
  buttons[3].action = -1;
  EXPECT_EQ(FindButton(buttons, {330, 10}), std::nullopt);
  EXPECT_EQ(FindButton({}, {0, 0}), std::nullopt);
}

TEST(CaptionButtonsTest, MovingFromOneButtonToAnotherSwapsHotInOneStep) {
  CaptionButtonTracker tracker(ThreeButtons());
  EXPECT_EQ(tracker.MouseEnter(1), std::vector<std::size_t>{1});
  EXPECT_EQ(tracker.Buttons()[1].state, ButtonState::kHot);
  EXPECT_EQ(tracker.MouseEnter(1), std::vector<std::size_t>{});  // already hot
  EXPECT_EQ(tracker.MouseEnter(2), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(tracker.Buttons()[1].state, ButtonState::kNormal);
  EXPECT_EQ(tracker.Buttons()[2].state, ButtonState::kHot);
  EXPECT_EQ(tracker.Hot(), 2u);
}

TEST(CaptionButtonsTest, PressReleaseAndLeaveFollowTheStateCycle) {
  CaptionButtonTracker tracker(ThreeButtons());
  tracker.MouseEnter(0);
  EXPECT_EQ(tracker.MouseDown(0), std::vector<std::size_t>{0});
  EXPECT_EQ(tracker.Buttons()[0].state, ButtonState::kPressed);
  EXPECT_EQ(tracker.MouseUp(0), std::vector<std::size_t>{0});
  EXPECT_EQ(tracker.Buttons()[0].state, ButtonState::kHot);
  EXPECT_EQ(tracker.MouseLeave(), std::vector<std::size_t>{0});
  EXPECT_EQ(tracker.Buttons()[0].state, ButtonState::kNormal);
  EXPECT_EQ(tracker.Hot(), std::nullopt);
  EXPECT_EQ(tracker.MouseLeave(), std::vector<std::size_t>{});

  // Pressing another button releases the hot one first.
  tracker.MouseEnter(1);
  EXPECT_EQ(tracker.MouseDown(2), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(tracker.Buttons()[1].state, ButtonState::kNormal);
  EXPECT_EQ(tracker.Buttons()[2].state, ButtonState::kPressed);

  // A hidden button never becomes hot, and out-of-range indexes change nothing.
  std::vector<CaptionButton> buttons = ThreeButtons();
  buttons[1].visible = false;
  CaptionButtonTracker hidden(buttons);
  EXPECT_EQ(hidden.MouseEnter(1), std::vector<std::size_t>{});
  EXPECT_EQ(hidden.Hot(), std::nullopt);
  EXPECT_EQ(hidden.MouseDown(7), std::vector<std::size_t>{});
}

}  // namespace
}  // namespace kova
