#include "skin/apply/skin_control_kinds.h"

#include <cctype>
#include <string>

namespace kova {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

// Values of the system's button and scroll bar styles.
constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kPushButton = 0x00;
constexpr uint32_t kDefPushButton = 0x01;
constexpr uint32_t kCheckBox = 0x02;
constexpr uint32_t kAutoCheckBox = 0x03;
constexpr uint32_t kRadioButton = 0x04;
constexpr uint32_t k3State = 0x05;
constexpr uint32_t kAuto3State = 0x06;
constexpr uint32_t kAutoRadioButton = 0x09;
constexpr uint32_t kButtonBitmap = 0x80;
constexpr uint32_t kButtonIcon = 0x40;
constexpr uint32_t kSizeBox = 0x08;  // with SBS_SIZEGRIP (0x10) set too on grips
constexpr uint32_t kSizeGrip = 0x10;
constexpr uint32_t kTabStop = 0x00010000;
constexpr uint32_t kTabOwnerDraw = 0x2000;

SkinControlKind Gate(const TSkinControlTypes& families, TSkinControlType family,
                     SkinControlKind kind) {
  return families.Has(family) ? kind : SkinControlKind::kNone;
}

SkinControlKind ButtonKind(uint32_t style, const TSkinControlTypes& families) {
  if ((style & (kButtonBitmap | kButtonIcon)) != 0) {
    return SkinControlKind::kNone;
  }
  switch (style & kButtonTypeMask) {
    case kPushButton:
    case kDefPushButton:
      return Gate(families, TSkinControlType::xcButton, SkinControlKind::kButton);
    case kRadioButton:
    case kAutoRadioButton:
      return Gate(families, TSkinControlType::xcRadioButton, SkinControlKind::kRadioButton);
    case kCheckBox:
    case kAutoCheckBox:
    case k3State:
    case kAuto3State:
      return Gate(families, TSkinControlType::xcCheckBox, SkinControlKind::kCheckBox);
    default:  // group boxes, owner-drawn and user buttons
      return SkinControlKind::kNone;
  }
}

}  // namespace

SkinControlKind PlainControlKind(std::string_view class_name, uint32_t style,
                                 const TSkinControlTypes& families) {
  using F = TSkinControlType;
  using K = SkinControlKind;
  const std::string name = Lower(class_name);
  if (name == "button") {
    return ButtonKind(style, families);
  }
  if (name == "combobox" || name == "comboboxex32" || name == "tcombobox") {
    return Gate(families, F::xcCombo, K::kComboBox);
  }
  if (name == "scrollbar") {
    // Size grips and boxes are told by their own style bits: a scroll bar left out of
    // the tab order is still a scroll bar.
    if ((style & (kSizeBox | kSizeGrip)) != 0) {
      return K::kSizer;
    }
    return Gate(families, F::xcScrollbar, K::kScrollbar);
  }
  if (name == "#32770") {
    return (style & kTabStop) == 0 ? K::kNestedDialog : K::kNone;
  }
  if (name == "tcheckbox") {
    return Gate(families, F::xcCheckBox, K::kCheckBox);
  }
  if (name == "tbutton") {
    return Gate(families, F::xcButton, K::kButton);
  }
  if (name == "tprogressbar") {
    return K::kProgress;
  }
  if (name == "systabcontrol32") {
    return families.Has(F::xcTab) && (style & kTabOwnerDraw) == 0 ? K::kTab : K::kNone;
  }
  if (name == "toolbarwindow32") {
    return K::kToolbar;
  }
  if (name == "edit") {
    return Gate(families, F::xcEdit, K::kEdit);
  }
  if (name == "systreeview32") {
    return K::kNone;
  }
  return K::kFormColor;
}

}  // namespace kova
