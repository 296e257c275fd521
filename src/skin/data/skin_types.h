// The enumerations of the skin model: which control families are skinned, the
// behaviour options, how a skin component attaches to forms, and the colour scheme.
#pragma once

#include "forms/classes/object.h"

namespace kova {

enum class TSkinControlType {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};
using TSkinControlTypes = EnumSet<TSkinControlType>;

enum class TSkinOption {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar,
};
using TSkinOptions = EnumSet<TSkinOption>;

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

enum class TShemeColor {
  csText,
  csTitleTextActive,
  csTitleTextNoActive,
  csButtonFace,
  csButtonText,
  csButtonHilight,
  csButtonlight,
  csButtonShadow,
  csButtonDkshadow,
  csSelectText,
  csSelectBg,
  csHilightText,
  csHilight,
  csMenuBar,
  csMenuBarText,
  csMenuText,
  csMenubg,
  csCaption,
  csScrollbar,
  csTextDisable,
};
inline constexpr int kShemeColorCount = static_cast<int>(TShemeColor::csTextDisable) + 1;

extern const EnumTypeInfo kSkinControlTypeInfo;
extern const EnumTypeInfo kSkinOptionInfo;
extern const EnumTypeInfo kSkinFormTypeInfo;

// Every family except single menu items and report designer windows.
TSkinControlTypes DefaultSkinControls();
TSkinOptions DefaultSkinOptions();

}  // namespace kova
