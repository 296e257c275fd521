#include <gtest/gtest.h>

#include "skin/apply/check_box_look.h"

namespace kova {
namespace {

using S = CheckState;

CheckProperties WithState(const char* state) {
  CheckProperties p;
  p.state = state;
  return p;
}
CheckProperties WithChecked(const char* checked) {
  CheckProperties p;
  p.checked = checked;
  return p;
}

TEST(CheckBoxLookTest, FrameOfAFourStateImage) {
  CheckProperties data;
  data.data_aware = true;
  data.data_state = 3;
  CheckProperties binding = WithState("cbChecked");
  binding.data_binding = true;
  struct Case {
    const char* name;
    S check;
    CheckProperties properties;
    bool disabled;
    int frame;
  } cases[] = {
      {"plain unchecked", S::kUnchecked, {}, false, 1},
      {"plain checked", S::kChecked, {}, false, 2},
      {"disabled unchecked", S::kUnchecked, {}, true, 3},
      {"disabled checked", S::kChecked, {}, true, 4},
      {"indeterminate", S::kIndeterminate, {}, false, 4},
      {"indeterminate disabled", S::kIndeterminate, {}, true, 4},
      {"State unchecked wins over the window", S::kChecked, WithState("cbUnchecked"), false, 1},
      {"State checked", S::kUnchecked, WithState("cbChecked"), false, 2},
      {"State grayed", S::kUnchecked, WithState("cbGrayed"), false, 4},
      {"State checked, disabled", S::kUnchecked, WithState("cbChecked"), true, 4},
      {"Checked true", S::kUnchecked, WithChecked("True"), false, 2},
      {"Checked false is unchecked", S::kChecked, WithChecked("False"), false, 1},
      {"Checked false, disabled", S::kUnchecked, WithChecked("False"), true, 3},
      {"data-aware state 3 draws 4", S::kUnchecked, data, false, 4},
      {"data binding is always unchecked", S::kChecked, binding, false, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckBoxFrame(c.check, c.properties, c.disabled, 4), c.frame) << c.name;
  }
}

TEST(CheckBoxLookTest, TwelveStateImageIsRemapped) {
  struct Case {
    S check;
    bool disabled;
    int frame;
  } cases[] = {
      {S::kUnchecked, false, 1}, {S::kChecked, false, 5},       {S::kUnchecked, true, 4},
      {S::kChecked, true, 8},    {S::kIndeterminate, false, 9}, {S::kIndeterminate, true, 12},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckBoxFrame(c.check, {}, c.disabled, 12), c.frame)
        << static_cast<int>(c.check) << c.disabled;
  }
}

TEST(CheckBoxLookTest, BoxAndTextPlacement) {
  using namespace check_style;
  const ImageRect client{0, 0, 100, 30};
  struct Case {
    const char* name;
    uint32_t style;
    ImageRect box;
    ImageRect text;
  } cases[] = {
      {"left, centred", 0, {0, 8, 13, 21}, {15, 10, 100, 20}},
      {"text left of the box", kLeftText, {87, 8, 100, 21}, {0, 10, 85, 20}},
      {"top", kTop, {0, 0, 13, 13}, {15, 0, 100, 10}},
      {"bottom", kBottom, {0, 17, 13, 30}, {15, 20, 100, 30}},
      {"both bits centre", kVCenter, {0, 8, 13, 21}, {15, 10, 100, 20}},
      {"left text at the bottom", kLeftText | kBottom, {87, 17, 100, 30}, {0, 20, 85, 30}},
  };
  for (const Case& c : cases) {
    const CheckBoxLayout layout = PlaceCheckBox(client, 13, 13, c.style, false, 10);
    EXPECT_EQ(layout.box.left, c.box.left) << c.name;
    EXPECT_EQ(layout.box.top, c.box.top) << c.name;
    EXPECT_EQ(layout.box.right, c.box.right) << c.name;
    EXPECT_EQ(layout.box.bottom, c.box.bottom) << c.name;
    EXPECT_EQ(layout.text.left, c.text.left) << c.name;
    EXPECT_EQ(layout.text.top, c.text.top) << c.name;
    EXPECT_EQ(layout.text.right, c.text.right) << c.name;
    EXPECT_EQ(layout.text.bottom, c.text.bottom) << c.name;
    EXPECT_FALSE(layout.right_aligned);
  }
  EXPECT_TRUE(PlaceCheckBox(client, 13, 13, 0, true, 10).right_aligned);
  // A control narrower than its box keeps an empty, not inverted, text rectangle.
  const CheckBoxLayout narrow = PlaceCheckBox({0, 0, 10, 30}, 13, 13, 0, false, 50);
  EXPECT_GE(narrow.text.right, narrow.text.left);
  EXPECT_EQ(narrow.text.bottom - narrow.text.top, 30);
}

}  // namespace
}  // namespace kova
