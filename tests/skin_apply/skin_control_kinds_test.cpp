#include <gtest/gtest.h>

#include "skin/apply/skin_control_kinds.h"

namespace kova {
namespace {

using K = SkinControlKind;

TEST(SkinControlKindsTest, PlainWindowClassTable) {
  const TSkinControlTypes all = DefaultSkinControls();
  const struct {
    const char* name;
    uint32_t style;
    K kind;
  } cases[] = {
      {"Button", 0x00, K::kButton},
      {"BUTTON", 0x01, K::kButton},
      {"button", 0x10000, K::kButton},
      {"Button", 0x02, K::kCheckBox},
      {"Button", 0x03, K::kCheckBox},
      {"Button", 0x05, K::kCheckBox},
      {"Button", 0x06, K::kCheckBox},
      {"Button", 0x04, K::kRadioButton},
      {"Button", 0x09, K::kRadioButton},
      {"Button", 0x07, K::kNone},  // group box
      {"Button", 0x0B, K::kNone},  // owner-drawn
      {"Button", 0x80, K::kNone},  // bitmap
      {"ScrollBar", 0x10000, K::kScrollbar},
      {"ScrollBar", 0x01, K::kScrollbar},
      {"ScrollBar", 0x18, K::kSizer},
      {"ScrollBar", 0x08, K::kSizer},
      {"ComboBox", 0, K::kComboBox},
      {"ComboBoxEx32", 0, K::kComboBox},
      {"#32770", 0, K::kNestedDialog},
      {"#32770", 0x10000, K::kNone},
      {"SysTabControl32", 0, K::kTab},
      {"SysTabControl32", 0x2000, K::kNone},
      {"Edit", 0, K::kEdit},
      {"SysTreeView32", 0, K::kNone},
      {"TButton", 0, K::kButton},
      {"TCheckBox", 0, K::kCheckBox},
      {"ToolbarWindow32", 0, K::kToolbar},
      {"TProgressBar", 0, K::kProgress},
      {"TComboBox", 0, K::kComboBox},
      {"TPanel", 0, K::kFormColor},  // the framework control behind takes the form colour
      {"TTntPanel.UnicodeClass", 0, K::kFormColor},
      // Classes the table does not list stay unskinned, even when a family could paint them.
      {"msctls_progress32", 0, K::kFormColor},
      {"Static", 0, K::kFormColor},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlainControlKind(c.name, c.style, all), c.kind) << c.name << " " << c.style;
  }
}

TEST(SkinControlKindsTest, FamiliesGateTheirRules) {
  TSkinControlTypes no_buttons = DefaultSkinControls();
  no_buttons.Exclude(TSkinControlType::xcButton);
  EXPECT_EQ(PlainControlKind("Button", 0, no_buttons), K::kNone);
  EXPECT_EQ(PlainControlKind("Button", 0x03, no_buttons), K::kCheckBox);
  EXPECT_EQ(PlainControlKind("TButton", 0, no_buttons), K::kNone);

  const TSkinControlTypes none;
  EXPECT_EQ(PlainControlKind("ScrollBar", 0, none), K::kNone);
  EXPECT_EQ(PlainControlKind("Edit", 0, none), K::kNone);
  EXPECT_EQ(PlainControlKind("SysTabControl32", 0, none), K::kNone);
  // A size grip is skinned whatever the families say.
  EXPECT_EQ(PlainControlKind("ScrollBar", 0x10, none), K::kSizer);
}

}  // namespace
}  // namespace kova
