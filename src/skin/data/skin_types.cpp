#include "skin/data/skin_types.h"

namespace kova {

const EnumTypeInfo kSkinControlTypeInfo{
    "TSkinControlType",
    {"xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",   "xcControlbar", "xcCombo",
     "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar", "xcEdit",       "xcButton",
     "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",     "xcGroupBox",   "xcStatusBar",
     "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport"}};

const EnumTypeInfo kSkinOptionInfo{
    "TSkinOption",
    {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround",
     "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG",
     "xoCaptionButtonHint", "xoFormScrollbar"}};

const EnumTypeInfo kSkinFormTypeInfo{"TSkinFormType",
                                     {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};

TSkinControlTypes DefaultSkinControls() {
  TSkinControlTypes all = TSkinControlTypes::FromMask(
      (1u << (static_cast<unsigned>(TSkinControlType::xcFastReport) + 1)) - 1);
  all.Exclude(TSkinControlType::xcMenuItem);
  all.Exclude(TSkinControlType::xcFastReport);
  return all;
}

TSkinOptions DefaultSkinOptions() {
  return {TSkinOption::xoPreview, TSkinOption::xoToolbarBK, TSkinOption::xoCaptionButtonHint};
}

}  // namespace kova
