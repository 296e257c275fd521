// Reading a skin's INI description into the model.
#include <algorithm>
#include <cstdio>

#include "skin/data/image_utils.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_reader.h"

namespace kova {

namespace {

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 32);
    }
  }
  return text;
}

// Skin objects not read from a section keep their text colours at the button text.
void InitColours(TDataSkinObject& object, TColor button_text) {
  object.NormalColour2 = object.MouseOverColour2 = object.PressedColour2 = button_text;
}

}  // namespace

WideString TSkinData::IniString(const char* section, const std::string& key,
                                const char* default_value) const {
  if (ini_ == nullptr) {
    return Latin1ToWide(default_value);
  }
  return ini_->ReadString(Latin1ToWide(section), Latin1ToWide(key), Latin1ToWide(default_value));
}

int32_t TSkinData::IniInt(const char* section, const std::string& key,
                          int32_t default_value) const {
  if (ini_ == nullptr) {
    return default_value;
  }
  return ini_->ReadInteger(Latin1ToWide(section), Latin1ToWide(key), default_value);
}

TColor TSkinData::GetColor(const WideString& text, TColor default_value) const {
  return text.empty() ? default_value : strcolor(WideToLatin1(text));
}

void TSkinData::ReadRGB(const char* section, const std::string& prefix, TColor& color) const {
  const int32_t r = IniInt(section, prefix + "R", -1);
  const int32_t g = IniInt(section, prefix + "G", -1);
  const int32_t b = IniInt(section, prefix + "B", -1);
  if (r >= 0 && g >= 0 && b >= 0) {
    color = RGBToColor(r, g, b);
  }
}

int TSkinData::GetSectionNum(const std::string& prefix, const std::string& key) const {
  int n = 0;
  for (;; ++n) {
    char section[300];
    std::snprintf(section, sizeof section, "%s%1d", prefix.c_str(), n);
    if (IniString(section, key).empty()) {
      return n;
    }
  }
}

void TSkinData::LoadFromIni(const std::string& ini_name) {
  (void)ini_name;  // the description is read from the INI already loaded
  sections_.clear();
  if (ini_ != nullptr) {
    TStringList names;
    ini_->ReadSections(&names);
    for (int i = 0; i < names.Count(); ++i) {
      sections_.push_back(names.Get(i));
    }
  }
  skin_name_ = WideToLatin1(IniString("TitlebarSkin", "SkinName"));

  ReadBord();
  ReadColor();
  ReadSysButton();
  ReadButton();

  ReadTitle("Personality");
  ReadProgress(Progress, "Progress");
  ReadObject(ProgressChunk, "Progress.Chunk");
  ReadMenuBar(MenuBar, "Personality");
  ReadObject(GroupBoxEdge, "GroupBoxEdge");
  ReadBoxLabel(GroupBox, "GroupBox");
  ReadObject2(Tabs, "Tabs", "Border");
  ReadObject(StatusBarEdges, "StatusBarEdges");
  ReadObject(TabPane, "Tab.Pane");
  if (TabPane) {
    for (int32_t* margin :
         {&TabPane->LeftWidth, &TabPane->TopHeight, &TabPane->RightWidth, &TabPane->BottomHeight}) {
      *margin = std::min(*margin, 4);
    }
  }

  ReadObject(ToolBars, "ToolBars");
  ReadObject2(ComboButton, "ComboButton", "****");
  ReadObject(SunkEdge, "SunkEdge");
  if (ComboButton && !ComboButton->Map.Empty()) {
    ComboButton->Map2 = ComboButton->Map;
    ComboButton->Map2.SetPixelFormat(PixelFormat::k24Bit);
    SpiegelnHorizontal(ComboButton->Map2);
  }

  ReadObject(ExtraImages, "ExtraImages");
  ReadObject(Headerbar, "Headerbar");
  ReadObject(MenuItem, "MenuItem");
  ReadObject(MenuBackground, "MenuBackground");
  ReadObject(Scrollbar, "Scrollbar");
  ReadObject(HorzScroll, "HorzScroll");
  ReadObject(VertScroll, "VertScroll");
  ReadObject(HorzScrollThumb, "HorzScrollThumb");
  ReadObject(VertScrollThumb, "VertScrollThumb");
  ReadObject(ThumbHorz, "Trackbar.ThumbHorz");
  ReadObject(ThumbVert, "Trackbar.ThumbVert");
  ReadObject(ThumbLeft, "Trackbar.ThumbLeft");
  ReadObject(ThumbRight, "Trackbar.ThumbRight");
  ReadObject(ThumbUp, "Trackbar.ThumbUp");
  ReadObject(ThumbDown, "Trackbar.ThumbDown");
  ReadObject2(UpDownHorz, "UpDown.Horz", "GlyphImage");
  ReadObject2(UpDownVert, "UpDown.Vert", "GlyphImage");
  ReadObject(Track, "Track");
  ReadObject(TrackVert, "TRACKVERT");
  if (!Track) {
    ReadTrack(Track, "TRACK");
  }
  if (!TrackVert) {
    ReadTrack(TrackVert, "TRACKVERT");
  }

  SetFrame();
  ReBuildCombobox();
  ReBuildComboxArrow();
  RebuildToolbar();
  Colors[static_cast<size_t>(TShemeColor::csCaption)] = GetCaptionColor();
  if (MinCaption) {
    CreateMinCaption();  // follows the new caption colour
  }

  CaptionBrushColor = Color(TShemeColor::csButtonFace);
  sections_.clear();
  loading_ = false;
  empty_ = false;
}

void TSkinData::ReadBord() {
  for (TDataSkinBorder* border : {Left.get(), Right.get(), Top.get(), Bottom.get()}) {
    const std::string& name = border->IDName;
    const bool along_x = border == Top.get() || border == Bottom.get();
    const int32_t first = IniInt("Personality", name + "TopHeight", 0);
    const int32_t second = IniInt("Personality", name + "BotHeight", 0);
    border->LeftWidth = along_x ? first : 0;
    border->RightWidth = along_x ? second : 0;
    border->TopHeight = along_x ? 0 : first;
    border->BottomHeight = along_x ? 0 : second;
    border->Frame = IniInt("Personality", name + "Frame", 1);
    border->Tile = std::min(IniInt("Personality", name + "Stretch", 1), 1);
    border->Trans = IniInt("Personality", name + "Trans", 1);
    Readbmp(border->Map, WideToLatin1(IniString("Personality", name)));
  }
}

void TSkinData::ReadColor2(TShemeColor index, const char* key, TColor default_value) {
  const WideString text = IniString("Colours", key);
  const auto i = static_cast<size_t>(index);
  ColorSet[i] = !text.empty();
  Colors[i] = text.empty() ? default_value : strcolor(WideToLatin1(text));
}

void TSkinData::ReadColor() {
  using enum TShemeColor;
  ReadColor2(csText, "WindowText", SystemColor(8));
  ReadColor2(csButtonFace, "ButtonFace", SystemColor(15));
  ReadColor2(csScrollbar, "Scrollbar", SystemColor(0));
  ReadColor2(csHilightText, "HilightText", SystemColor(14));
  ReadColor2(csHilight, "Hilight", SystemColor(13));
  ReadColor2(csMenuBar, "Menubar", Color(csButtonFace));
  ReadColor2(csMenubg, "Menu", SystemColor(4));
  ReadColor2(csMenuText, "MenuText", SystemColor(7));
  ReadColor2(csButtonText, "ButtonText", SystemColor(18));
  ReadColor2(csButtonHilight, "ButtonHilight", SystemColor(20));
  ReadColor2(csButtonlight, "Buttonlight", SystemColor(20));
  ReadColor2(csButtonShadow, "ButtonShadow", SystemColor(16));
  ReadColor2(csButtonDkshadow, "ButtonDkShadow", SystemColor(21));
  ReadColor2(csMenuBarText, "MenuBarText", SystemColor(7));
  ReadColor2(csTitleTextActive, "TitleTextActive", SystemColor(9));
  ReadColor2(csTitleTextNoActive, "TitleTextNoActive", SystemColor(19));

  PreColors.clear();
  for (const WideString& section : sections_) {
    const std::string upper = UpperAscii(WideToLatin1(section));
    if (upper.starts_with("COLOUR") && upper != "COLOURS") {
      const std::string name = WideToLatin1(section);
      PreColors.push_back(GetColor(IniString(name.c_str(), "color"), SystemColor(8)));
    }
  }
  for (size_t i = 0; i < CustomColors.size(); ++i) {
    CustomColors[i] = GetColor(IniString("Customcolors", "Color" + std::to_string(i)), 0xFFFFFF);
  }
}

void TSkinData::ReadSysButton() {
  SysButtons.clear();
  std::vector<std::string> kept;
  for (const WideString& section : sections_) {
    const std::string name = WideToLatin1(section);
    const std::string upper = UpperAscii(name);
    if (!upper.starts_with("BUTTON") || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
        upper == "BUTTON.CHECKBOX" || upper == "BUTTON") {
      continue;
    }
    if (IniInt(name.c_str(), "Action", 0) == -1 && IniInt(name.c_str(), "Visibility", -1) != 0) {
      continue;
    }
    kept.push_back(name);
  }

  bool shared_set = false;
  int32_t shared_x = 0;
  int32_t shared_y = 0;
  const TColor button_text = Color(TShemeColor::csButtonText);
  for (const std::string& name : kept) {
    const char* s = name.c_str();
    auto button = std::make_unique<TDataSkinSysButton>(UpperAscii(name));
    InitColours(*button, button_text);
    button->Action = IniInt(s, "Action", 0);
    button->Align = IniInt(s, "Align", 0);
    button->Xcoord = IniInt(s, "Xcoord", 0);
    button->Ycoord = IniInt(s, "Ycoord", 0);
    button->Visibility = IniInt(s, "Visibility", 0);
    button->Visibility1 = IniInt(s, "Visibility1", button->Action == -1 ? -1 : 0);
    button->CombineOp = IniInt(s, "CombineOp", -1);
    button->Frame = IniInt(s, "frame", 0);
    Readbmp(button->Map, WideToLatin1(IniString(s, "ButtonImage")));

    if (button->Action == 1 && button->Visibility == 2) {
      shared_set = true;
      shared_x = button->Xcoord;
      shared_y = button->Ycoord;
    } else if (button->Action == 4 && shared_set) {
      button->Xcoord = shared_x;
      button->Ycoord = shared_y;
    }

    if (button->Frame == 0) {
      button->Frame = 6;
      // Width / height <= 3.8, compared exactly: in floating point the 32-bit build's
      // wider intermediates put 76 x 20 on the other side.
      if (!button->Map.Empty() &&
          int64_t{button->Map.Width()} * 5 <= int64_t{button->Map.Height()} * 19) {
        button->Frame = 3;
      }
      if (button->Action < 0) {
        button->Frame = 6;
      }
      if (button->Action == 3 || button->Action == 11) {
        button->Map.Clear();
      }
    }
    SysButtons.push_back(std::move(button));
  }

  const std::string last_name = kept.empty() ? std::string() : UpperAscii(kept.back());
  for (int32_t action : {7, 8, 9}) {
    auto button = std::make_unique<TDataSkinSysButton>(last_name);
    InitColours(*button, button_text);
    button->Action = action;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->Frame = 4;
    SysButtons.push_back(std::move(button));
  }
  CreateMdibtn(static_cast<int>(kept.size()));
}

void TSkinData::ReadButton() {
  const char* s = "Buttons";
  TDataSkinButton& b = *Button;
  b.LeftWidth = IniInt(s, "LeftWidth", 0);
  b.RightWidth = IniInt(s, "RightWidth", 0);
  b.TopHeight = IniInt(s, "TopHeight", 0);
  b.BottomHeight = IniInt(s, "BottomHeight", 0);
  b.Trans = IniInt(s, "Trans", 0);
  Readbmp(b.Map, WideToLatin1(IniString(s, "Bitmap")));
  b.Tile = IniInt(s, "Tile", 0);
  Readbmp(b.CheckMap, WideToLatin1(IniString(s, "CheckButton")));
  Readbmp(b.RadioMap, WideToLatin1(IniString(s, "RadioButton")));
  b.NormalColour = IniInt(s, "NormalColour", -1);
  b.MouseOverColour = IniInt(s, "MouseOverColour", -1);
  b.PressedColour = IniInt(s, "PressedColour", -1);
  b.RadioButtonFrame = IniInt(s, "RadioButtonFrame", 0);
  b.CheckButtonFrame = IniInt(s, "CheckButtonFrame", 0);
  if (b.Tile > 1) {
    b.Tile = 0;
  }
  const WideString normal = IniString(s, "NormalColour2");
  const WideString over = IniString(s, "MouseOverColour2");
  const WideString pressed = IniString(s, "PressedColour2");
  b.HasNormalColour2 = !normal.empty();
  b.HasMouseOverColour2 = !over.empty();
  b.HasPressedColour2 = !pressed.empty();
  const TColor button_text = Color(TShemeColor::csButtonText);
  b.NormalColour2 = GetColor(normal, button_text);
  b.MouseOverColour2 = GetColor(over, button_text);
  b.PressedColour2 = GetColor(pressed, button_text);
}

void TSkinData::ReadTitle(const char* section) {
  TDataSkinTitle& t = *Title;
  Readbmp(t.Map, WideToLatin1(IniString(section, "TextBack")));
  t.TextShift() = IniInt(section, "TextShift", 0);
  t.TextShiftVert() = IniInt(section, "TextShiftVert", 0);
  t.TextRightClip() = IniInt(section, "TextRightClip", 0);
  t.BottomHeight = 0;
  t.TextAlignment = IniInt(section, "TextAlignment", 0);
  t.Textbackground = IniInt(section, "Textbackground", 0);
  t.FontHeight = IniInt("Fonts", "FontHeight", 14);
  t.TXTBackleft = IniInt(section, "TXTBackleft", 0);
  t.TXTBackRight = IniInt(section, "TXTBackRight", 0);
  t.ActiveText = kNoColor;
  t.InActiveText = kNoColor;
  ReadRGB(section, "ActiveText", t.ActiveText);
  ReadRGB(section, "InActiveText", t.InActiveText);
}

void TSkinData::ReadCommon(TDataSkinObject& o, const char* s, bool with_frame) {
  o.Style = IniInt(s, "Style", 0);
  o.LeftWidth = IniInt(s, "LeftWidth", 0);
  o.RightWidth = IniInt(s, "RightWidth", 0);
  o.TopHeight = IniInt(s, "TopHeight", 0);
  o.BottomHeight = IniInt(s, "BottomHeight", 0);
  if (with_frame) {
    o.Frame = IniInt(s, "Frame", 0);
  }
  o.Trans = IniInt(s, "Trans", 0);
  o.Tile = IniInt(s, "Tile", 0);
  o.NormalColour = IniInt(s, "NormalColour", -1);
  o.MouseOverColour = IniInt(s, "MouseOverColour", -1);
  o.PressedColour = IniInt(s, "PressedColour", -1);
  const TColor button_text = Color(TShemeColor::csButtonText);
  o.NormalColour2 = GetColor(IniString(s, "NormalColour2"), button_text);
  o.MouseOverColour2 = GetColor(IniString(s, "MouseOverColour2"), button_text);
  o.PressedColour2 = GetColor(IniString(s, "PressedColour2"), button_text);
  if (o.Tile > 1) {
    o.Tile = 0;
  }
}

template <class T>
void TSkinData::ReadObjectAs(std::unique_ptr<T>& object, const char* section, bool with_frame) {
  object.reset();
  const std::string image = WideToLatin1(IniString(section, "Image"));
  if (image.empty()) {
    return;
  }
  object = std::make_unique<T>(section);
  Readbmp(object->Map, image);
  ReadCommon(*object, section, with_frame);
}

void TSkinData::ReadObject(std::unique_ptr<TDataSkinObject>& object, const char* section) {
  ReadObjectAs(object, section, true);
}

void TSkinData::ReadObject2(std::unique_ptr<TDataSkinBorder>& object, const char* section,
                            const char* second_key) {
  ReadObjectAs(object, section, false);
  if (object) {
    const std::string second = WideToLatin1(IniString(section, second_key));
    if (!second.empty()) {
      Readbmp(object->Map2, second);
    }
  }
}

void TSkinData::ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& object, const char* section) {
  ReadObjectAs(object, section, false);
  if (object) {
    object->BackgroundAlignment = IniInt(section, "BackgroundAlignment", 0);
    object->BackgroundLeftShift = IniInt(section, "BackgroundLeftShift", 0);
    object->BackgroundRightShift = IniInt(section, "BackgroundRightShift", 0);
  }
}

void TSkinData::ReadProgress(std::unique_ptr<TDataSkinBorder>& object, const char* s) {
  object.reset();
  const std::string image = WideToLatin1(IniString(s, "Bitmap"));
  if (image.empty()) {
    return;
  }
  object = std::make_unique<TDataSkinBorder>(s);
  InitColours(*object, Color(TShemeColor::csButtonText));
  Readbmp(object->Map, image);
  object->Style = IniInt(s, "Style", 0);
  object->LeftWidth = IniInt(s, "LeftWidth", 0);
  object->RightWidth = IniInt(s, "RightWidth", 0);
  object->TopHeight = IniInt(s, "TopHeight", 0);
  object->BottomHeight = IniInt(s, "BottomHeight", 0);
  object->Trans = IniInt(s, "Trans", 0);
  object->Tile = std::min(IniInt(s, "Tile", 0), 1);
}

void TSkinData::ReadMenuBar(std::unique_ptr<TDataSkinObject>& object, const char* s) {
  object.reset();
  const std::string image = WideToLatin1(IniString(s, "menuBar"));
  if (image.empty()) {
    return;
  }
  object = std::make_unique<TDataSkinObject>(s);
  InitColours(*object, Color(TShemeColor::csButtonText));
  Readbmp(object->Map, image);
  object->TopHeight = object->BottomHeight = 0;
  object->Tile = std::min(IniInt(s, "TileMenu", 1), 1);
  object->LeftWidth = IniInt(s, "TileLeftMenu", 1);
  object->RightWidth = IniInt(s, "TileRightMenu", 1);
}

void TSkinData::ReadTrack(std::unique_ptr<TDataSkinObject>& object, const char* name) {
  object = std::make_unique<TDataSkinObject>(name);
  InitColours(*object, Color(TShemeColor::csButtonText));
  LoadSkinResourceBitmap(name, object->Map);
  object->LeftWidth = object->TopHeight = object->RightWidth = object->BottomHeight = 3;
  object->Tile = 0;
  object->Frame = 1;
}

}  // namespace kova
