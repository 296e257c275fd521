// The control package under the real window system: button states from the image
// strip, keyboard activation, the drawn frame from resources, and a sample dialog
// built from a description, run modally and saved as a screenshot.
#include <gtest/gtest.h>

#include <filesystem>

#include "forms/controls/extctrls.h"
#include "forms/controls/form_description.h"
#include "forms/controls/timer.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/kovactrl/kova_border.h"
#include "forms/kovactrl/kova_button.h"
#include "forms/kovactrl/register.h"
#include "screenshot_win.h"
#include "image_fixtures.h"

namespace kova {
namespace {

std::unique_ptr<TPngImage> Png(const std::vector<uint8_t>& bytes) {
  TMemoryStream stream(bytes);
  auto png = std::make_unique<TPngImage>();
  EXPECT_TRUE(png->LoadFromStream(stream));
  return png;
}

TColor PixelOf(TWinControl& control, int x, int y) {
  TDibBitmap shot(control.Width(), control.Height());
  SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot.Canvas().Handle()),
               PRF_CLIENT);
  return shot.Canvas().Pixel(x, y);
}

// A copy of this program with PNG resources added, loaded as a resource module.
class ResourceModule {
 public:
  explicit ResourceModule(const std::vector<std::pair<int, std::vector<uint8_t>>>& pngs) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    path_ = std::filesystem::temp_directory_path() / "kovactrl_resources.dll";
    std::filesystem::copy_file(self, path_, std::filesystem::copy_options::overwrite_existing);
    HANDLE update = BeginUpdateResourceW(path_.c_str(), FALSE);
    for (const auto& [id, bytes] : pngs) {
      UpdateResourceW(update, L"PNG", MAKEINTRESOURCEW(id), 0, const_cast<uint8_t*>(bytes.data()),
                      static_cast<DWORD>(bytes.size()));
    }
    EndUpdateResourceW(update, FALSE);
    module_ = LoadLibraryExW(path_.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }
  ~ResourceModule() {
    if (module_ != nullptr) {
      FreeLibrary(module_);
    }
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  HMODULE Get() const { return module_; }

 private:
  std::filesystem::path path_;
  HMODULE module_ = nullptr;
};

class KOVAButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetBorderStyle(TFormBorderStyle::bsNone);
    button_ = new TKOVAButton(&form_);
    button_->SetParent(&form_);
    button_->SetBounds(10, 10, 60, 24);
    button_->SkinImages().SetWidth(60);
    button_->SkinImages().SetHeight(24);
    // normal red, hover green, pressed blue, disabled grey
    const uint8_t colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {128, 128, 128}};
    for (const auto& c : colours) {
      button_->SkinImages().Add(Png(testing::MakeSolidPng(20, 24, c[0], c[1], c[2])).get());
    }
    button_->SetOverSkinImageIndex(1);
    button_->SetDownSkinImageIndex(2);
    button_->SetDisabledSkinImageIndex(3);
    button_->SetStrechSkin(true);
    button_->SetStretchMargin(10);
    form_.Handle();
  }

  TForm form_{nullptr};
  TKOVAButton* button_ = nullptr;
};

TEST_F(KOVAButtonTest, DrawsTheImageOfEachState) {
  ASSERT_EQ(button_->SkinImages().Count(), 4);
  ASSERT_EQ(button_->SkinImages().GetGraphic(0)->Width(), 20);
  EXPECT_EQ(PixelOf(*button_, 30, 12), RGBColor(255, 0, 0));
  SendMessageW(button_->Handle(), CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(button_->CurrentState(), TKOVAButton::State::kOver);
  EXPECT_EQ(PixelOf(*button_, 30, 12), RGBColor(0, 255, 0));
  SendMessageW(button_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(button_->CurrentState(), TKOVAButton::State::kDown);
  EXPECT_EQ(PixelOf(*button_, 30, 12), RGBColor(0, 0, 255));
  SendMessageW(button_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  button_->SetEnabled(false);
  EXPECT_EQ(PixelOf(*button_, 30, 12), RGBColor(128, 128, 128));
}

TEST_F(KOVAButtonTest, MissingStateImageFallsBackToTheNormalOne) {
  button_->SetOverSkinImageIndex(7);
  EXPECT_EQ(button_->ImageIndexFor(TKOVAButton::State::kOver), 0);
  EXPECT_EQ(button_->ImageIndexFor(TKOVAButton::State::kDown), 2);
}

TEST_F(KOVAButtonTest, ClicksFromMouseAndKeyboard) {
  int clicks = 0;
  button_->OnClick = [&](TObject*) { ++clicks; };
  const HWND w = button_->Handle();
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // released outside: no click
  EXPECT_EQ(clicks, 1);
  SendMessageW(w, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(w, WM_KEYUP, VK_SPACE, 0);
  SendMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks, 3);
  button_->SetEnabled(false);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(button_->Cursor(), crHandPoint);
}

constexpr int kFrameIds[8] = {21014, 21016, 21015, 21017, 21018, 21010, 21011, 21013};

std::vector<std::pair<int, std::vector<uint8_t>>> FramePngs() {
  std::vector<std::pair<int, std::vector<uint8_t>>> out;
  for (int i = 0; i < 8; ++i) {
    out.emplace_back(kFrameIds[i], testing::MakeSolidPng(3, 3, 200, 200, 0));
  }
  out.emplace_back(20167, testing::MakeSolidPng(30, 24, 90, 90, 90));
  out.emplace_back(20168, testing::MakeSolidPng(30, 24, 120, 120, 120));
  out.emplace_back(20169, testing::MakeSolidPng(30, 24, 60, 60, 60));
  out.emplace_back(20190, testing::MakeSolidPng(30, 24, 40, 40, 40));
  out.emplace_back(20155, testing::MakeHalfTransparentPng(64, 32));
  return out;
}

TEST(KOVABorderTest, FrameFromResourcesInsetsTheControlsAndSetsOpacity) {
  ResourceModule resources(FramePngs());
  ASSERT_NE(resources.Get(), nullptr);
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(0, 0, 200, 100);
  form.SetColor(RGBColor(73, 72, 72));
  auto* top = new TPanel(&form);
  top->SetParent(&form);
  top->SetAlign(TAlign::alTop);
  auto* border = new TKOVABorder(&form);
  EXPECT_EQ(border->SetResources(resources.Get(), kFrameIds, L"PNG"), 8);
  EXPECT_EQ(border->Thickness(), 3);
  form.Handle();
  EXPECT_EQ(top->Left(), 3);
  EXPECT_EQ(top->Top(), 3);

  TDibBitmap shot(200, 100);
  SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot.Canvas().Handle()),
               PRF_CLIENT);
  EXPECT_EQ(shot.Canvas().Pixel(1, 50), RGBColor(200, 200, 0));
  EXPECT_EQ(shot.Canvas().Pixel(198, 98), RGBColor(200, 200, 0));

  form.SetAlphaBlend(true);
  border->SetAlphaBlendValue(255);
  BYTE alpha = 0;
  GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, nullptr);
  EXPECT_EQ(alpha, 255);

  const int missing[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(border->SetResources(resources.Get(), missing, L"PNG"), 0);
}

void AddStrip(TKOVAButton& button, HMODULE module, std::initializer_list<int> ids) {
  button.SkinImages().SetWidth(button.Width());
  button.SkinImages().SetHeight(button.Height());
  for (int id : ids) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    ASSERT_NE(found, nullptr) << id;
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
    TMemoryStream stream(std::vector<uint8_t>(bytes, bytes + SizeofResource(module, found)));
    TPngImage png;
    ASSERT_TRUE(png.LoadFromStream(stream));
    button.SkinImages().Add(&png);
  }
}

const ComponentDescription kDialog{
    "TForm",
    "SampleDialog",
    {{"BorderStyle", u"bsNone"},
     {"BorderIcons", u"[]"},
     {"ClientWidth", u"320"},
     {"ClientHeight", u"160"},
     {"Color", u"$00484849"},
     {"Position", u"poScreenCenter"}},
    {
        {"TPanel",
         "pnlCaption",
         {{"Align", u"alTop"},
          {"Height", u"32"},
          {"Tag", u"99"},
          {"BevelOuter", u"bvNone"},
          {"Color", u"$00484849"}},
         {{"TImage", "ImageHeader", {{"Align", u"alClient"}, {"Stretch", u"True"}}},
          {"TLabel",
           "lblCaption",
           {{"Left", u"8"},
            {"Top", u"6"},
            {"Caption", u"Sample"},
            {"Transparent", u"True"},
            {"Font.Name", u"Verdana"},
            {"Font.Height", u"-12"},
            {"Font.Color", u"clWhite"}}}}},
        {"TLabel",
         "lblBody",
         {{"Left", u"20"},
          {"Top", u"50"},
          {"Caption", u"Body text"},
          {"Transparent", u"True"},
          {"Font.Name", u"Verdana"},
          {"Font.Color", u"clWhite"}}},
        {"TKOVAButton",
         "KOVAButtonNext",
         {{"Left", u"110"},
          {"Top", u"110"},
          {"Width", u"97"},
          {"Height", u"24"},
          {"Caption", u"Next"},
          {"OverSkinImageIndex", u"1"},
          {"DownSkinImageIndex", u"2"},
          {"DisabledSkinImageIndex", u"3"},
          {"StrechSkin", u"True"},
          {"StretchMargin", u"10"},
          {"TextColorNormal", u"clWhite"},
          {"ModalResult", u"1"},
          {"Anchors", u"[akRight,akBottom]"}}},
        {"TKOVAButton",
         "KOVAButtonCancel",
         {{"Left", u"212"},
          {"Top", u"110"},
          {"Width", u"97"},
          {"Height", u"24"},
          {"Caption", u"Cancel"},
          {"Enabled", u"False"},
          {"DisabledSkinImageIndex", u"3"},
          {"StrechSkin", u"True"},
          {"StretchMargin", u"10"},
          {"TextColorDisabled", u"clSilver"}}},
        {"TKOVABorder", "wndBorder"},
        {"TTimer", "Timer1", {{"Interval", u"300"}, {"OnTimer", u"Timer1Timer"}}},
    }};

TEST(SampleDialogTest, DescribedDialogRunsModallyAndIsSavedAsScreenshot) {
  RegisterKOVACtrlClasses();
  ResourceModule resources(FramePngs());
  ASSERT_NE(resources.Get(), nullptr);
  TForm form(nullptr);
  std::filesystem::path shot_file =
      std::filesystem::current_path() / "screenshots" / "sample_dialog.png";
  TModalResult seen_result = mrNone;
  HandlerTable handlers{
      {"Timer1Timer", std::any(TNotifyEvent([&](TObject*) {
         auto* timer = static_cast<TTimer*>(form.FindComponent(u"Timer1"));
         timer->SetEnabled(false);
         EXPECT_TRUE(testing::SaveFormScreenshot(form, shot_file));
         // Clicking Next ends the dialog with its result.
         static_cast<TKOVAButton*>(form.FindComponent(u"KOVAButtonNext"))->Click();
         seen_result = form.ModalResult();
       }))}};
  LoadForm(form, kDialog, handlers);

  auto* header = static_cast<TImage*>(form.FindComponent(u"ImageHeader"));
  HRSRC found = FindResourceW(resources.Get(), MAKEINTRESOURCEW(20155), L"PNG");
  const auto* bytes =
      static_cast<const uint8_t*>(LockResource(LoadResource(resources.Get(), found)));
  TMemoryStream stream(std::vector<uint8_t>(bytes, bytes + SizeofResource(resources.Get(), found)));
  TPngImage png;
  ASSERT_TRUE(png.LoadFromStream(stream));
  header->Picture().SetGraphic(&png);
  for (const char16_t* name : {u"KOVAButtonNext", u"KOVAButtonCancel"}) {
    AddStrip(*static_cast<TKOVAButton*>(form.FindComponent(name)), resources.Get(),
             {20167, 20168, 20169, 20190});
  }
  static_cast<TKOVABorder*>(form.FindComponent(u"wndBorder"))
      ->SetResources(resources.Get(), kFrameIds, L"PNG");

  std::filesystem::remove(shot_file);
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(seen_result, mrOk);
  ASSERT_TRUE(std::filesystem::exists(shot_file));
  TDibBitmap saved;
  // The saved picture is the dialog: its size and the frame colour at the edge.
  TPngImage reread;
  TFileStream in(shot_file, FileMode::kOpenRead);
  ASSERT_TRUE(reread.LoadFromStream(in));
  EXPECT_EQ(reread.Width(), form.Width());
  EXPECT_EQ(reread.Pixels().Pixel(1, 80), RGBColor(200, 200, 0));
}

}  // namespace
}  // namespace kova
