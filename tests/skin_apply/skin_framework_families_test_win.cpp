// The families painted for framework containers and buttons, read back from the painted
// windows: boxes and group boxes in the skin's colours, bit buttons with their glyph,
// windowless speed buttons, menu buttons, other vendors' check boxes, and the push
// button's transparency and single mode.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "control_skin_fixture.h"
#include "foreign_controls_win.h"
#include "forms/controls/buttons.h"
#include "forms/controls/extctrls.h"
#include "forms/controls/forms.h"
#include "forms/controls/groupbox.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/win_skin_bit_button_win.h"
#include "skin/apply/win_skin_box_win.h"
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_skin_group_box_win.h"
#include "skin/data/system_colors.h"

namespace kova {
namespace {

using testing::FrameColor;

constexpr TColor kGlyphColor = 0x0000FF;
constexpr TColor kKey = 0xFF00FF;

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() < end);
}

// An 8 x 8 glyph: a red square inside a see-through border (its bottom-left colour).
std::unique_ptr<TDibBitmap> Glyph() {
  TBitmap pixels(8, 8);
  pixels.Fill(kKey);
  for (int y = 2; y < 6; ++y) {
    for (int x = 2; x < 6; ++x) {
      pixels.SetPixel(x, y, kGlyphColor);
    }
  }
  auto glyph = std::make_unique<TDibBitmap>();
  glyph->AssignPixels(pixels);
  return glyph;
}

class SkinFrameworkFamiliesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::SkinSource source = testing::FrameColoredSkin();
    // The button image's corners are see-through.
    TBitmap buttons = testing::Strip(10, 10, 5);
    for (int f = 0; f < 5; ++f) {
      buttons.SetPixel(f * 10, 0, kKey);
      buttons.SetPixel(f * 10 + 1, 0, kKey);
      buttons.SetPixel(f * 10, 1, kKey);
      buttons.SetPixel(f * 10 + 1, 1, kKey);
    }
    source.images["b.bmp"] = buttons;
    source.ini.replace(source.ini.find("Bitmap=b.bmp"), 12, "Bitmap=b.bmp\nTrans=1");
    testing::Load(skin_, source);
    form_.SetBounds(60, 60, 400, 300);
    form_.SetVisible(true);
  }
  void TearDown() override { form_.SetVisible(false); }

  template <class T>
  T* Add(TWinControl* parent, int x, int y, int w, int h) {
    auto* control = new T(&form_);
    control->SetParent(parent);
    control->SetBounds(x, y, w, h);
    return control;
  }
  // What a window shows: its WM_PAINT drawn into a bitmap of its size.
  static TBitmap Painted(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    TDibBitmap dib(r.right - r.left, r.bottom - r.top);
    SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dib.Canvas().Handle()), 0);
    GdiFlush();
    return dib.ToPixels();
  }
  static TColor At(const TBitmap& b, int x, int y) { return b.Pixel(x, y) & 0xFFFFFF; }
  TColor Scheme(TShemeColor index) const { return ResolveColor(skin_.Color(index)); }

  TSkinData skin_{nullptr};
  TForm form_{nullptr};
};

TEST_F(SkinFrameworkFamiliesTest, PanelsAndGroupBoxesTakeTheSkinsColours) {
  auto* panel = Add<TPanel>(&form_, 10, 10, 120, 60);
  panel->SetBevelOuter(TBevelCut::bvNone);
  auto* group = Add<TGroupBox>(&form_, 150, 10, 160, 100);
  group->SetCaption(u"Group");
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  const TColor face = Scheme(TShemeColor::csButtonFace);
  EXPECT_EQ(At(Painted(panel->Handle()), 60, 30), face);

  const TBitmap box = Painted(group->Handle());
  EXPECT_EQ(At(box, 80, 60), face);
  // The etched frame: the shadow line and the highlight inside it, on the left side.
  EXPECT_EQ(At(box, 0, 60), Scheme(TShemeColor::csButtonShadow));
  EXPECT_EQ(At(box, 1, 60), Scheme(TShemeColor::csButtonHilight));
  // The caption covers the frame's top line where it sits.
  bool caption_ink = false;
  for (int x = TSkinGroupBox::kCaptionIndent; x < 60; ++x) {
    for (int y = 0; y < 12; ++y) {
      caption_ink = caption_ink || At(box, x, y) == Scheme(TShemeColor::csText);
    }
  }
  EXPECT_TRUE(caption_ink);

  controls.DeleteControls();
  EXPECT_NE(At(Painted(panel->Handle()), 60, 30), face);
}

TEST_F(SkinFrameworkFamiliesTest, BitButtonDrawsItsGlyphGreyedWhenDisabled) {
  auto* button = Add<TBitBtn>(&form_, 10, 10, 60, 30);
  button->SetGlyph(Glyph().get());
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  ASSERT_NE(dynamic_cast<TSkinBitButton*>(controls.Find(button)), nullptr);
  // Without a caption the glyph is centred: its red square at (28..31, 13..16).
  const TBitmap enabled = Painted(button->Handle());
  EXPECT_EQ(At(enabled, 29, 14), kGlyphColor);
  EXPECT_EQ(At(enabled, 27, 12), FrameColor(1));  // the see-through border of the glyph
  EXPECT_EQ(At(enabled, 5, 5), FrameColor(1));

  button->SetEnabled(false);
  const TBitmap disabled = Painted(button->Handle());
  EXPECT_EQ(At(disabled, 5, 5), FrameColor(3));
  const TColor grey = At(disabled, 29, 14);
  EXPECT_NE(grey, kGlyphColor);
  EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);  // a grey
  EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
}

TEST_F(SkinFrameworkFamiliesTest, SpeedButtonIsPaintedThroughItsParent) {
  auto* first = Add<TSpeedButton>(&form_, 10, 10, 40, 30);
  auto* second = Add<TSpeedButton>(&form_, 60, 10, 40, 30);
  for (TSpeedButton* b : {first, second}) {
    b->SetGroupIndex(1);
  }
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  HWND wnd = form_.Handle();
  const auto form_at = [&](int x, int y) {
    RECT client{};
    GetClientRect(wnd, &client);
    TDibBitmap dib(client.right, client.bottom);
    SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Canvas().Handle()), PRF_CLIENT);
    GdiFlush();
    return dib.ToPixels().Pixel(x, y) & 0xFFFFFF;
  };
  EXPECT_EQ(form_at(15, 20), FrameColor(1));
  first->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(form_at(15, 20), FrameColor(4));
  first->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(form_at(15, 20), FrameColor(1));

  // A click through the form puts the first one down, then the second takes over.
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(form_at(15, 20), FrameColor(2));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(first->Down());
  EXPECT_EQ(form_at(15, 20), FrameColor(2));
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 20));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(70, 20));
  EXPECT_FALSE(first->Down());
  EXPECT_TRUE(second->Down());
  EXPECT_EQ(form_at(15, 20), FrameColor(1));
  EXPECT_EQ(form_at(65, 20), FrameColor(2));

  first->SetEnabled(false);
  EXPECT_EQ(form_at(15, 20), FrameColor(3));
  // Un-skinned, the button paints itself again.
  controls.DeleteControls();
  EXPECT_NE(form_at(15, 20), FrameColor(3));
}

TEST_F(SkinFrameworkFamiliesTest, MenuButtonShowsItsDropDownPart) {
  auto* button = Add<TButton>(&form_, 10, 10, 80, 30);
  TStringList map;
  map.Add(u"TButton=menubtn");
  skin_.SetControlList(map);
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  ASSERT_NE(dynamic_cast<TSkinMenuButton*>(controls.Find(button)), nullptr);
  const TBitmap painted = Painted(button->Handle());
  const TColor text = Scheme(TShemeColor::csButtonText);
  const int separator = 80 - TSkinMenuButton::kDropDownWidth;
  EXPECT_EQ(At(painted, separator, 15), text);
  EXPECT_EQ(At(painted, separator + 8, 14), text);  // the arrow
  EXPECT_EQ(At(painted, separator - 10, 15), FrameColor(1));
}

TEST_F(SkinFrameworkFamiliesTest, ForeignCheckBoxShowsItsPublishedState) {
  auto* box = Add<testing::TRzCheckBox>(&form_, 10, 10, 120, 21);
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  ASSERT_NE(controls.Find(box), nullptr);
  const int box_x = 6;
  const int box_y = 10;
  EXPECT_EQ(At(Painted(box->Handle()), box_x, box_y), FrameColor(1));
  box->SetChecked(true);
  EXPECT_EQ(At(Painted(box->Handle()), box_x, box_y), FrameColor(2));
  // A click is the control's own: it toggles, and the skin shows it.
  SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 10));
  SendMessageW(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 10));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(At(Painted(box->Handle()), box_x, box_y), FrameColor(1));
}

TEST_F(SkinFrameworkFamiliesTest, TransparentButtonsShowTheirParentsImage) {
  // A green label under the buttons' corners: the parent's image, not just its colour.
  // Windowless speed buttons see it the same way.
  constexpr TColor kBehind = 0x00C000;
  auto* label = Add<TLabel>(&form_, 0, 0, 400, 60);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 400, 60);
  label->SetColor(kBehind);
  struct Case {
    int tag;
    bool option;
    bool see_through;
  };
  const Case cases[] = {{0, false, false}, {5555, false, true}, {0, true, true}};
  int x = 10;
  for (const Case& c : cases) {
    TSkinOptions options = skin_.Options();
    c.option ? options.Include(TSkinOption::xoTransparent)
             : options.Exclude(TSkinOption::xoTransparent);
    skin_.SetOptions(options);
    auto* button = Add<TButton>(&form_, x, 10, 60, 30);
    button->SetTag(c.tag);
    x += 70;
    TSkinControls controls(&skin_, nullptr);
    auto* skin = dynamic_cast<TSkinButton*>(controls.AddComp(button));
    ASSERT_NE(skin, nullptr) << c.tag;
    EXPECT_EQ(skin->Transparent(), c.see_through) << c.tag;
    const TBitmap painted = Painted(button->Handle());
    EXPECT_EQ(At(painted, 0, 0) == kBehind, c.see_through) << c.tag;
    EXPECT_EQ(At(painted, 30, 15), FrameColor(1)) << c.tag;

    auto* speed = Add<TSpeedButton>(&form_, x - 70, 45, 40, 10);
    speed->SetTag(c.tag);
    ASSERT_NE(controls.AddComp(speed), nullptr);
    RECT client{};
    GetClientRect(form_.Handle(), &client);
    TDibBitmap whole(client.right, client.bottom);
    SendMessageW(form_.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(whole.Canvas().Handle()),
                 PRF_CLIENT);
    GdiFlush();
    EXPECT_EQ(At(whole.ToPixels(), x - 70, 45) == kBehind, c.see_through) << c.tag;
  }
}

TEST_F(SkinFrameworkFamiliesTest, SingleModeButtonsKeepPressesToThemselves) {
  auto* plain = Add<TButton>(&form_, 10, 10, 60, 30);
  auto* single = Add<testing::TRzButton>(&form_, 80, 10, 60, 30);
  int presses = 0;
  int clicks = 0;
  for (TButton* b : {plain, static_cast<TButton*>(single)}) {
    b->OnMouseDown = [&presses](TObject*, int, int) { ++presses; };
    b->OnClick = [&clicks](TObject*) { ++clicks; };
  }
  TSkinControls controls(&skin_, nullptr);
  controls.InitControls(&form_);
  EXPECT_EQ(controls.Find(plain)->Mode(), 0);
  EXPECT_EQ(controls.Find(single)->Mode(), 1);
  for (TButton* b : {plain, static_cast<TButton*>(single)}) {
    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  Pump(20);
  EXPECT_EQ(presses, 1);  // the framework button heard of its press, the other did not
  EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace kova
