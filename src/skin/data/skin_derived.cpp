// Completing a loaded model: state counts, the images a skin file does not carry
// (combo box face and arrow, toolbar background, MDI caption buttons, minimized
// caption), the caption colour and the caption font.
#include <algorithm>

#include "skin/data/frame_compose.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

// State count of a radio or check image given without one.
int32_t GlyphFrames(const TBitmap& map) {
  const int32_t per_state = map.Height() < 16 ? 13 : 16;
  return std::max(map.Width() / per_state, 4);
}

void SetCount(TDataSkinObject* object, int32_t frames) {
  if (object != nullptr) {
    object->Frame = frames;
  }
}

// The pixels of `rect` of `source` as a new bitmap.
TBitmap Cut(const TBitmap& source, const ImageRect& rect) {
  TBitmap out(rect.right - rect.left, rect.bottom - rect.top);
  StretchCopy(out, {0, 0, out.Width(), out.Height()}, source, rect);
  return out;
}

}  // namespace

void TSkinData::SetFrame() {
  Button->Frame = 5;
  if (Button->RadioButtonFrame == 0) {
    Button->RadioButtonFrame = GlyphFrames(Button->RadioMap);
  }
  if (Button->CheckButtonFrame == 0) {
    Button->CheckButtonFrame = GlyphFrames(Button->CheckMap);
  }
  Title->Frame = 2;
  SetCount(MenuBar.get(), 2);
  if (Progress) {
    Progress->Frame = Progress->Style != 0 ? 1 : 2;
  }
  SetCount(GroupBoxEdge.get(), 2);
  SetCount(GroupBox.get(), 1);
  SetCount(Tabs.get(), 5);
  SetCount(StatusBarEdges.get(), 3);
  SetCount(TabPane.get(), 1);
  SetCount(ToolBars.get(), 5);
  SetCount(ComboButton.get(), 4);
  SetCount(SunkEdge.get(), 4);
  SetCount(ExtraImages.get(), 5);
  if (Headerbar && Headerbar->Frame == 0) {
    Headerbar->Frame = 5;
  }
  SetCount(MenuItem.get(), 5);
  SetCount(MenuBackground.get(), 1);
  SetCount(Scrollbar.get(), 23);
  SetCount(HorzScroll.get(), 4);
  SetCount(VertScroll.get(), 4);
  SetCount(HorzScrollThumb.get(), IniInt("HorzScrollThumb", "FrameCount", 3));
  SetCount(VertScrollThumb.get(), IniInt("VertScrollThumb", "FrameCount", 3));
  for (TDataSkinObject* thumb : {ThumbHorz.get(), ThumbVert.get(), ThumbLeft.get(),
                                 ThumbRight.get(), ThumbUp.get(), ThumbDown.get()}) {
    SetCount(thumb, 5);
  }
  SetCount(UpDownHorz.get(), 8);
  SetCount(UpDownVert.get(), 8);
  SetCount(Toolbar.get(), 1);
}

TColor TSkinData::GetCaptionColor() const {
  if (Top->Map.Empty()) {
    return Color(TShemeColor::csButtonFace);
  }
  // A count of 0 or less would divide by nothing; the image is then one state.
  const int frames = std::max(Top->Frame, 1);
  return Top->Map.Pixel(Top->Map.Width() / 3, (Top->Map.Height() / frames) / 3);
}

void TSkinData::ReBuildCombobox() {
  if (!SunkEdge || !ComboButton) {
    return;
  }
  constexpr int kCellWidth = 50;
  constexpr int kCellHeight = 21;
  const int b = SkinVerticalScrollBarWidth() + 2;
  const int frames = std::max(SunkEdge->Frame, 1);
  TBitmap composite(kCellWidth * frames, kCellHeight);
  composite.Fill(kTransparentKey);
  for (int i = 1; i <= frames; ++i) {
    TBitmap cell(kCellWidth, kCellHeight);
    const ImageRect whole{0, 0, kCellWidth, kCellHeight};
    const ImageRect button_part{kCellWidth - b, 0, kCellWidth, kCellHeight};
    DrawRect2(cell, whole, SunkEdge->Map, MarginsOf(*SunkEdge), SunkEdge->Trans != 0, frames, i);
    DrawRect2(cell, button_part, ComboButton->Map, MarginsOf(*ComboButton), true,
              ComboButton->Frame, i);
    if (ExtraImages) {
      DrawRect3(cell, button_part, ExtraImages->Map, true, ExtraImages->Frame, i);
    }
    for (int y = 2; y < 18; ++y) {
      for (int x = 2; x < 49 - b; ++x) {
        cell.SetPixel(x, y, kTransparentKey);
      }
    }
    StretchCopy(composite, {(i - 1) * kCellWidth, 0, i * kCellWidth, kCellHeight}, cell, whole);
  }
  ComboButton->Style = 2;
  ComboButton->LeftWidth = 2;
  ComboButton->TopHeight = SunkEdge->TopHeight;
  ComboButton->BottomHeight = SunkEdge->BottomHeight;
  ComboButton->RightWidth = b + 2;
  ComboButton->Map = composite;
  SpiegelnHorizontal(composite);
  SunkEdge->Map = std::move(composite);
  SunkEdge->LeftWidth = b + 2;
  SunkEdge->RightWidth = 2;
}

void TSkinData::ReBuildComboxArrow() {
  // Made afresh on every load so that nothing of an earlier skin survives.
  ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  if (SunkEdge && ComboButton && ComboButton->Style == 2) {
    const int frames = std::max(SunkEdge->Frame, 1);
    const int c = ComboButton->Map.Width() / frames;
    TBitmap arrows(17 * frames, 17);
    for (int i = 1; i <= frames; ++i) {
      StretchCopy(arrows, {17 * (i - 1), 0, 17 * i, 17}, ComboButton->Map,
                  {i * c - 19, 2, i * c - 2, 19});
    }
    ComboxArrow->Map = std::move(arrows);
    ComboxArrow->Frame = SunkEdge->Frame;
  } else if (!SunkEdge && ComboButton) {
    ComboxArrow->Map = ComboButton->Map;
    if (!ComboxArrow->Map.Empty()) {
      ChangeTrans(ComboxArrow->Map, Color(TShemeColor::csButtonFace));
    }
    ComboxArrow->Frame = ComboButton->Frame;
  }
}

void TSkinData::RebuildToolbar() {
  const TColor c = GetCaptionColor();
  const TColor top = Blend(Color(TShemeColor::csButtonFace), kWhite, 150);
  TColor bottom = Blend(0x808080, c, 150);
  const int32_t h = GetHSV(c);
  if (h > 110) {
    bottom = Blend(c, kWhite, ((225 - h) * 25) / 140 + 50);
  }
  TBitmap gradient(10, 40);
  GradFill(gradient, {0, 0, 10, 40}, top, true, bottom);
  if (!Toolbar) {
    Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  }
  Toolbar->Map = std::move(gradient);
  Toolbar->Frame = 1;
}

void TSkinData::CreateMdibtn(int first) {
  TBitmap source;
  Readbmp(source, WideToLatin1(IniString("MDICONTROLS", "Image")));
  if (source.Empty()) {
    return;
  }
  const int w = source.Width() / 12;
  const int h = source.Height();
  for (int i = 0; i < 3; ++i) {
    const size_t index = static_cast<size_t>(first + i);
    if (index >= SysButtons.size() || w <= 0) {
      return;
    }
    TDataSkinSysButton& button = *SysButtons[index];
    button.Map = Cut(source, {4 * w * i, 0, 4 * w * (i + 1), h});
    button.Xcoord = (3 - i) * (w + 4);
  }
}

void TSkinData::CreateMinCaption() {
  if (!MinCaption) {
    MinCaption = std::make_unique<TDataSkinObject>("MinCaption");
  }
  const TColor c = GetCaptionColor();
  const TColor outline = Blend(kBlack, c, 50);
  TBitmap face(80, 29);
  face.Fill(c);
  for (int x = 0; x < 80; ++x) {
    face.SetPixel(x, 0, outline);
    face.SetPixel(x, 28, outline);
  }
  for (int y = 0; y < 29; ++y) {
    face.SetPixel(0, y, outline);
    face.SetPixel(79, y, outline);
  }
  MinCaption->Map = std::move(face);
  MinCaption->Frame = 1;
  MinCaption->LeftWidth = MinCaption->TopHeight = MinCaption->RightWidth =
      MinCaption->BottomHeight = 3;
}

void TSkinData::CreateCaptionFont() {
  CaptionFont = SkinSystemCaptionFont();
}

}  // namespace kova
