#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "forms/controls/extctrls.h"
#include "forms/controls/forms.h"
#include "forms/graphics/image_list.h"
#include "resources/resource_ids.h"
#include "resources/resource_images_win.h"
#include "resources/text_helpers_win.h"

namespace kova {
namespace {

namespace fs = std::filesystem;

fs::path ModulePath(const char* name) {
  const char* unix_path = std::getenv("KOVA_BINARY_DIR");
  std::string path = std::string(unix_path ? unix_path : "") + "/bin/" + name;
  for (char& c : path) {
    c = c == '/' ? '\\' : c;
  }
  return fs::path("Z:" + path);
}

class LoadedModule {
 public:
  LoadedModule(const char* name, DWORD flags)
      : handle_(LoadLibraryExW(ModulePath(name).c_str(), nullptr, flags)) {}
  ~LoadedModule() {
    if (handle_ != nullptr) {
      FreeLibrary(handle_);
    }
  }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;
  HMODULE get() const { return handle_; }

 private:
  HMODULE handle_;
};

class ResourceLibraryTest : public ::testing::Test {
 protected:
  LoadedModule library_{"KOVAResources.dll", LOAD_WITH_ALTERED_SEARCH_PATH};
  void SetUp() override { ASSERT_NE(library_.get(), nullptr) << ModulePath("KOVAResources.dll"); }
};

struct PngCase {
  int id;
  int width;  // 0: any
  int height;
};

TEST_F(ResourceLibraryTest, EveryDialogImageDecodes) {
  using namespace resource_id;
  const PngCase cases[] = {
      {kHeader, 0, 32},          {kFooter, 0, 0},          {kButtonNormal, 0, 24},
      {kButtonHover, 0, 24},     {kButtonPressed, 0, 24},  {kButtonDisabled, 0, 24},
      {kCloseNormal, 24, 15},    {kCloseHover, 24, 15},    {kClosePressed, 24, 15},
      {kMinimizeNormal, 24, 15}, {kMinimizeHover, 24, 15}, {kMinimizePressed, 24, 15},
      {kFrameTopLeft, 2, 2},     {kFrameTopRight, 2, 2},   {kFrameBottomLeft, 2, 2},
      {kFrameBottomRight, 2, 2}, {kFrameTop, 0, 2},        {kFrameBottom, 0, 2},
      {kFrameLeft, 2, 0},        {kFrameRight, 2, 0},
  };
  for (const PngCase& c : cases) {
    SCOPED_TRACE(c.id);
    const auto png = LoadPngResource(library_.get(), c.id, u"PNG");
    ASSERT_NE(png, nullptr);
    EXPECT_FALSE(png->Empty());
    if (c.width != 0) {
      EXPECT_EQ(png->Width(), c.width);
    }
    if (c.height != 0) {
      EXPECT_EQ(png->Height(), c.height);
    }
  }
}

TEST_F(ResourceLibraryTest, ButtonImageKeepsItsAlpha) {
  const auto png = LoadPngResource(library_.get(), resource_id::kButtonNormal, u"PNG");
  ASSERT_TRUE(png->HasAlpha());
  const TBitmap& pixels = png->Pixels();
  ASSERT_EQ(pixels.GetPixelFormat(), PixelFormat::k32Bit);
  EXPECT_EQ(pixels.ScanLine(0)[3], 0) << "rounded corner is transparent";
  EXPECT_EQ(pixels.ScanLine(pixels.Height() / 2)[4 * (pixels.Width() / 2) + 3], 255);
}

TEST_F(ResourceLibraryTest, SetImagePngShowsACopyOfTheResource) {
  TImage image(nullptr);
  EXPECT_EQ(SetImagePng(image, library_.get(), resource_id::kHeader), 1);
  auto* shown = dynamic_cast<TPngImage*>(image.Picture().Graphic());
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Height(), 32);
}

TEST_F(ResourceLibraryTest, MissingIdentifierRaises) {
  TImage image(nullptr);
  EXPECT_THROW(SetImagePng(image, library_.get(), 20001), EResourceNotFound);
  EXPECT_THROW(SetImageGif(image, library_.get(), resource_id::kHeader, false), EResourceNotFound)
      << "a PNG identifier is no GIF resource";
  EXPECT_EQ(image.Picture().Graphic(), nullptr);
}

TEST_F(ResourceLibraryTest, AnimatedGifLoadsAndAnimates) {
  const auto gif = LoadGifResource(library_.get(), resource_id::kBusyAnimation, u"GIF");
  EXPECT_EQ(gif->Frames().size(), 8u);
  EXPECT_EQ(gif->Width(), 16);

  TImage image(nullptr);
  EXPECT_EQ(SetImageGif(image, library_.get(), resource_id::kBusyAnimation, true), 1);
  auto* shown = dynamic_cast<TGIFImage*>(image.Picture().Graphic());
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->Animate());

  EXPECT_EQ(SetImageGif(image, library_.get(), resource_id::kBusyAnimation, false), 1);
  EXPECT_FALSE(dynamic_cast<TGIFImage*>(image.Picture().Graphic())->Animate());
}

TEST_F(ResourceLibraryTest, StripKeepsItsSlotsWhenAnImageIsMissing) {
  TImageList list;
  list.SetWidth(24);
  list.SetHeight(15);
  ImageListStrip strip(list);
  AddPngToStrip(strip, library_.get(), resource_id::kCloseNormal);
  AddPngToStrip(strip, library_.get(), 20001);
  AddPngToStrip(strip, library_.get(), resource_id::kClosePressed);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_NE(dynamic_cast<const TPngImage*>(list.GetGraphic(0)), nullptr);
  const TGraphic* blank = list.GetGraphic(1);
  EXPECT_EQ(dynamic_cast<const TPngImage*>(blank), nullptr);
  EXPECT_EQ(blank->Width(), 24);
  EXPECT_EQ(blank->Height(), 15);
  EXPECT_NE(dynamic_cast<const TPngImage*>(list.GetGraphic(2)), nullptr);
}

TEST(FrameModuleResourcesTest, IconGlyphsAndTrackBitmapsArePresent) {
  LoadedModule frame("KOVAMsg.dll", LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(frame.get(), nullptr);
  EXPECT_NE(FindResourceW(frame.get(), MAKEINTRESOURCEW(resource_id::kWindowIcon), RT_GROUP_ICON),
            nullptr);
  struct NamedBitmap {
    const wchar_t* name;
    int width;
    int height;
  };
  for (const NamedBitmap& b : {NamedBitmap{L"KESTRELMENU", 32, 16}, NamedBitmap{L"TRACK", 32, 8},
                               NamedBitmap{L"TRACKVERT", 8, 32}}) {
    SCOPED_TRACE(testing::Message() << b.name);
    HRSRC info = FindResourceW(frame.get(), b.name, RT_BITMAP);
    ASSERT_NE(info, nullptr);
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(frame.get(), info)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, b.width);
    EXPECT_EQ(std::abs(header->biHeight), b.height);
  }
}

void UseVerdana(TFont& font) {
  font.SetName(u"Verdana");
  font.SetHeight(-11);
}

TEST(TextWidthTest, MeasuresThePrefixOfTheText) {
  TFont font;
  UseVerdana(font);
  EXPECT_EQ(TextWidth(font, u"", 0), 0);
  const int one = TextWidth(font, u"WWWW", 2);
  EXPECT_GT(one, 0);
  EXPECT_EQ(TextWidth(font, u"WWWW", 4), 2 * one);
  EXPECT_EQ(TextWidth(font, u"WWWW", 400), 2 * one) << "a length past the text is cut";
}

TEST(WrapHtmlTest, TextThatFitsStaysOnOneLine) {
  TFont font;
  UseVerdana(font);
  int lines = -1;
  EXPECT_EQ(WrapHtml(font, 400, u"Remove the product?", lines), u"Remove the product?");
  EXPECT_EQ(lines, 1);
  EXPECT_EQ(WrapHtml(font, 400, u"one<br>two", lines), u"one<br>two");
  EXPECT_EQ(lines, 2);
}

TEST(WrapHtmlTest, BoldPhraseWrapsEarlierThanRegular) {
  TFont font;
  UseVerdana(font);
  const WideString phrase = u"Uninstall the protection";
  TFont bold;
  UseVerdana(bold);
  bold.SetStyle(TFontStyles{TFontStyle::fsBold});
  const int regular_width = TextWidth(font, phrase, static_cast<int>(phrase.size()));
  ASSERT_LT(regular_width, TextWidth(bold, phrase, static_cast<int>(phrase.size())));
  const int max_width = regular_width + 4 * GetSystemMetrics(SM_CXBORDER) + 1;

  int lines = 0;
  EXPECT_EQ(WrapHtml(font, max_width, phrase, lines), phrase);
  EXPECT_EQ(lines, 1);
  const WideString wrapped = WrapHtml(font, max_width, u"<b>" + phrase + u"</b>", lines);
  EXPECT_NE(wrapped.find(u"<BR />"), WideString::npos) << WideToUtf8(wrapped);
  EXPECT_EQ(lines, 2);
  EXPECT_TRUE(font.Style().Empty()) << "the font's style comes back";
}

TEST(SetClearTypeFontsTest, OnlyFontsOfNinePointsOrMoreSwitch) {
  TForm form(nullptr);
  auto* small = new TLabel(&form);
  auto* large = new TLabel(&form);
  small->Font().SetSize(8);
  large->Font().SetSize(9);
  large->Font().SetName(u"Verdana");

  SetClearTypeFonts(form);

  EXPECT_EQ(small->Font().Quality(), TFontQuality::fqDefault);
  EXPECT_EQ(large->Font().Quality(), TFontQuality::fqClearType);
  EXPECT_EQ(large->Font().Size(), 9);
  EXPECT_EQ(large->Font().Name(), u"Verdana");
  LOGFONTW description{};
  ASSERT_EQ(GetObjectW(large->Font().Handle(), sizeof description, &description),
            static_cast<int>(sizeof description));
  EXPECT_EQ(description.lfQuality, CLEARTYPE_QUALITY);
}

}  // namespace
}  // namespace kova
