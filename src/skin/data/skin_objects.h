// The objects of a skin model: an image holding `Frame` equal state images, the
// margins that stay unscaled when it is drawn, and the extra data of borders, the title,
// push buttons, caption buttons and group-box labels. Fields are named after the INI
// keys they are read from.
#pragma once

#include <cstdint>
#include <string>

#include "forms/classes/strings.h"
#include "forms/graphics/bitmap.h"

namespace kova {

inline constexpr TColor kNoColor = 0x1FFFFFFF;

class TDataSkinObject {
 public:
  TDataSkinObject() = default;
  explicit TDataSkinObject(std::string id_name) : IDName(std::move(id_name)) {}
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  virtual ~TDataSkinObject() = default;

  int32_t LeftWidth = 0;
  int32_t TopHeight = 0;
  int32_t RightWidth = 0;
  int32_t BottomHeight = 0;
  TBitmap Map;
  int32_t Trans = 0;
  int32_t Tile = 0;
  std::string IDName;
  int32_t Frame = 0;
  int32_t Style = 0;
  int32_t NormalColour = -1;
  int32_t MouseOverColour = -1;
  int32_t PressedColour = -1;
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap Map2;
};

// The caption strip's text settings. The first three margins hold TextShift,
// TextShiftVert and TextRightClip.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t& TextShift() { return LeftWidth; }
  int32_t& TextShiftVert() { return TopHeight; }
  int32_t& TextRightClip() { return RightWidth; }

  int32_t TextAlignment = 0;
  int32_t Textbackground = 0;
  int32_t FontHeight = 14;
  int32_t TXTBackleft = 0;
  int32_t TXTBackRight = 0;
  TColor ActiveText = kNoColor;
  TColor InActiveText = kNoColor;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap CheckMap;
  TBitmap RadioMap;
  int32_t RadioButtonFrame = 0;
  int32_t CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Action = 0;
  int32_t Align = 0;
  int32_t Xcoord = 0;
  int32_t Ycoord = 0;
  int32_t CombineOp = -1;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t BackgroundLeftShift = 0;
  int32_t BackgroundRightShift = 0;
  int32_t BackgroundAlignment = 0;
};

// Class lists of edits, check boxes, radio buttons and combo boxes that a program may
// set; the skin loader leaves them empty.
class TSkinControlList {
 public:
  void SetEdit(const TStrings& list) { edit_.Assign(&list); }
  void SetCheckbox(const TStrings& list) { checkbox_.Assign(&list); }
  void SetRadiobutton(const TStrings& list) { radiobutton_.Assign(&list); }
  void Setcombobox(const TStrings& list) { combobox_.Assign(&list); }
  const TStringList& Edit() const { return edit_; }
  const TStringList& Checkbox() const { return checkbox_; }
  const TStringList& Radiobutton() const { return radiobutton_; }
  const TStringList& Combobox() const { return combobox_; }

 private:
  TStringList edit_, checkbox_, radiobutton_, combobox_;
};

}  // namespace kova
