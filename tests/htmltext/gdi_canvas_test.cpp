// The engine on a real GDI device context under Wine: the dialogs' texts paint, anchors
// hit-test, and every GDI object a call selects or creates is put back or deleted.
#include "htmltext/gdi_canvas.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "base/win/handles_win.h"
#include "htmltext/html_draw.h"

namespace kova {
namespace {

constexpr COLORREF kBackground = RGB(40, 40, 40);
constexpr Color kLinkColor = Rgb(59, 197, 255);

// The texts of the uninstall wizard and the firewall prompt, as the dialogs show them.
const char16_t kUninstallHeader[] =
    u"\u00BFEst\u00E1s seguro de que quieres desinstalar KOVA Internet Security y todos sus "
    u"componentes?";
const char16_t kUninstallChoice[] = u"S\u00ED, quiero desinstalarlo";
const char16_t kFirewallHeader[] =
    u"\u00BFDeseas <b>activar ahora la protecci\u00F3n firewall</b> de KOVA Internet "
    u"Security?<BR><a href=\"#\">M\u00E1s informaci\u00F3n</a>";

// A 32-bit top-down DIB section selected into a memory device context.
class Surface {
 public:
  Surface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_.Reset(CreateCompatibleDC(nullptr));
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS,
                                   reinterpret_cast<void**>(&bits_), nullptr, 0));
    selected_.emplace(dc_.Get(), bitmap_.Get());
    Clear();
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC dc() const { return dc_.Get(); }
  void Clear() {
    RECT all{0, 0, width_, height_};
    const UniqueBrush brush(CreateSolidBrush(kBackground));
    ::FillRect(dc_.Get(), &all, brush.Get());
    GdiFlush();
  }
  // 0x00BBGGRR like the rest of the engine.
  Color Pixel(int x, int y) const {
    const uint32_t p = bits_[y * width_ + x];
    return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int CountPixels(const Rect& area, bool (*match)(Color)) const {
    GdiFlush();
    int n = 0;
    for (int y = std::max(0, area.top); y < std::min(height_, area.bottom); ++y) {
      for (int x = std::max(0, area.left); x < std::min(width_, area.right); ++x) {
        n += match(Pixel(x, y)) ? 1 : 0;
      }
    }
    return n;
  }
  void SavePng(const std::filesystem::path& path) const {
    GdiFlush();
    std::filesystem::create_directories(path.parent_path());
    FILE* file = _wfopen(path.wstring().c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, width_, height_, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(width_) * 3);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const Color c = Pixel(x, y);
        row[x * 3] = static_cast<png_byte>(RedOf(c));
        row[x * 3 + 1] = static_cast<png_byte>(GreenOf(c));
        row[x * 3 + 2] = static_cast<png_byte>(BlueOf(c));
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(file);
  }

 private:
  int width_;
  int height_;
  UniqueMemoryDC dc_;
  UniqueBitmap bitmap_;
  std::optional<ScopedSelectObject> selected_;
  uint32_t* bits_ = nullptr;
};

Font DialogFont(const char16_t* name, int size, bool bold) {
  Font font;
  font.name = name;
  font.size = size;
  font.color = Rgb(255, 255, 255);
  font.style.Set(FontStyle::kBold, bold);
  return font;
}

HTMLDrawParams LabelParams(Rect rect) {
  HTMLDrawParams params;
  params.rect = rect;
  params.url_color = kLinkColor;
  return params;
}

bool IsLink(Color c) {
  return std::abs(RedOf(c) - 59) < 30 && std::abs(GreenOf(c) - 197) < 30 && BlueOf(c) > 220;
}
bool IsWhiteText(Color c) {
  return RedOf(c) > 200 && GreenOf(c) > 200 && BlueOf(c) > 200;
}

TEST(GdiCanvasTest, PaintsTheDialogTextsAndHitTestsTheirLink) {
  Surface surface(474, 200);
  HTMLDrawResult header, choice, prompt;
  {
    GdiCanvas canvas(surface.dc(), DialogFont(u"Verdana", 10, true));
    header = HTMLDraw(canvas, kUninstallHeader, LabelParams({20, 10, 454, 70}));
  }
  {
    GdiCanvas canvas(surface.dc(), DialogFont(u"Tahoma", 9, true));
    choice = HTMLDraw(canvas, kUninstallChoice, LabelParams({55, 80, 454, 100}));
  }
  {
    GdiCanvas canvas(surface.dc(), DialogFont(u"Verdana", 8, false));
    prompt = HTMLDraw(canvas, kFirewallHeader, LabelParams({10, 110, 399, 190}));
  }
  surface.SavePng(
      std::filesystem::path(std::getenv("KOVA_BINARY_DIR") ? std::getenv("KOVA_BINARY_DIR") : ".") /
      "screenshots" / "htmltext_dialog_texts.png");

  // The long question wraps inside 434 pixels; the short choice stays on one line.
  EXPECT_GT(header.size.cy, choice.size.cy);
  EXPECT_LE(header.size.cx, 434);
  EXPECT_GT(surface.CountPixels({20, 10, 454, 10 + header.size.cy}, IsWhiteText), 100);
  EXPECT_GT(surface.CountPixels({55, 80, 55 + choice.size.cx, 100}, IsWhiteText), 50);

  // The link is drawn in the URL colour on the prompt's second line.
  ASSERT_EQ(prompt.anchor_count, 1);
  const Rect below_break{10, 110 + prompt.size.cy / 2, 399, 110 + prompt.size.cy};
  EXPECT_GT(surface.CountPixels(below_break, IsLink), 20);
  EXPECT_EQ(surface.CountPixels({10, 110, 399, 110 + prompt.size.cy / 2}, IsLink), 0);

  // Hit test the link as a mouse move does: measure-only with the point on it.
  GdiCanvas canvas(surface.dc(), DialogFont(u"Verdana", 8, false));
  auto probe = LabelParams({10, 110, 399, 190});
  probe.measure_only = true;
  probe.test_point = Point{12, 110 + prompt.size.cy - 3};
  auto hit = HTMLDraw(canvas, kFirewallHeader, probe);
  ASSERT_TRUE(hit.on_anchor);
  EXPECT_EQ(hit.anchor_target, u"#");
  EXPECT_EQ(hit.anchor_index, 0);
  EXPECT_TRUE(hit.anchor_rect.Contains(*probe.test_point));
  probe.test_point = Point{12, 112};
  EXPECT_FALSE(HTMLDraw(canvas, kFirewallHeader, probe).on_anchor);
}

TEST(GdiCanvasTest, AmpersandIsDrawnAndMeasuredAsOneCharacter) {
  Surface surface(200, 40);
  GdiCanvas canvas(surface.dc(), DialogFont(u"Tahoma", 10, false));
  auto params = LabelParams({0, 0, 200, 40});
  params.measure_only = true;
  const int entity = HTMLDraw(canvas, u"R&amp;D", params).size.cx;
  const int ampersand = canvas.MeasureText(u"R&D").width;
  const int without = canvas.MeasureText(u"RD").width;
  EXPECT_EQ(entity, ampersand);
  EXPECT_GT(ampersand, without);
}

TEST(GdiCanvasTest, EveryObjectIsRestoredOrDeletedOverTenThousandCalls) {
  Surface surface(300, 120);
  HDC dc = surface.dc();
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  SetBkMode(dc, OPAQUE);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const int64_t live = LiveGdiObjects();

  // Many fonts (past the cache), colours, rules, a focus rectangle, error lines, an
  // image with transparency and a clip, with and without drawing.
  const WideString markup =
      u"<BODY BGCOLOR=clbtnface BGCOLORTO=clwhite><FONT FACE=Verdana SIZE=1>a</FONT>"
      u"<FONT SIZE=2>b</FONT><FONT SIZE=3>c</FONT><FONT SIZE=4>d</FONT><FONT SIZE=5>e</FONT>"
      u"<FONT SIZE=6>f</FONT><FONT SIZE=7>g</FONT><FONT SIZE=9>h</FONT><FONT SIZE=11>i</FONT>"
      u"<b>j<i>k<u>l<s>m</s></u></i></b><R a=90>n</R><SHAD>o</SHAD><E>p</E><HR>"
      u"<P align=center bgcolor=clred bgcolorto=clblue><A href=\"#\">q</A></P>"
      u"<IMG SRC=\"IDX:0\"><HI>r</HI><FONT SIZE=13>s</FONT><FONT SIZE=15>t</FONT>"
      u"<FONT SIZE=17>u</FONT><FONT SIZE=19>v</FONT><FONT SIZE=21>w</FONT><FONT SIZE=23>x";
  class HalfTransparent : public HTMLImageList {
   public:
    int Count() const override { return 1; }
    Size ImageSize() const override { return {8, 8}; }
    bool GetImage(int, PixelImage& out) const override {
      out = {8, 8, std::vector<uint32_t>(64, 0x80FF0000u)};
      return true;
    }
  } images;

  // The dialogs' texts on most calls, as painting and mouse moves do; the mark-up with
  // every kind of object on every 50th.
  const WideString texts[] = {kUninstallHeader, kUninstallChoice, kFirewallHeader};
  for (int i = 0; i < 10000; ++i) {
    {
      GdiCanvas canvas(dc, DialogFont(u"Tahoma", 8, false));
      auto params = LabelParams({0, 0, 300, 120});
      params.images = &images;
      params.focused_anchor = 0;
      params.hovered_anchor = i % 3 == 0 ? 0 : -1;
      params.measure_only = i % 2 == 1;
      params.test_point = Point{i % 300, i % 120};
      HTMLDraw(canvas, i % 50 == 0 ? markup : texts[i % 3], params);
      ASSERT_GT(LiveGdiObjects(), live);  // the call's fonts live until the canvas goes
    }
    ASSERT_EQ(LiveGdiObjects(), live) << "call " << i;
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  const UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetClipRgn(dc, clip.Get()), 0);  // no clip, as before
}

TEST(GdiCanvasTest, AnEnclosingClipIsKeptAndRestored) {
  Surface surface(100, 40);
  HDC dc = surface.dc();
  IntersectClipRect(dc, 0, 0, 50, 40);
  {
    GdiCanvas canvas(dc, DialogFont(u"Tahoma", 10, true));
    HTMLDraw(canvas, u"WWWWWWWWWWWWWWWWWWWW", LabelParams({0, 0, 100, 40}));
  }
  // Nothing is drawn right of the caller's clip, and the clip is still in place.
  EXPECT_EQ(surface.CountPixels({50, 0, 100, 40}, IsWhiteText), 0);
  EXPECT_GT(surface.CountPixels({0, 0, 50, 40}, IsWhiteText), 0);
  const UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetClipRgn(dc, clip.Get()), 1);
  RECT box;
  GetRgnBox(clip.Get(), &box);
  EXPECT_EQ(box.right, 50);
}

TEST(GdiCanvasTest, SystemColoursResolveThroughThePlatform) {
  Surface surface(10, 10);
  GdiCanvas canvas(surface.dc());
  EXPECT_EQ(canvas.Resolve(SysColor(15)), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(canvas.Resolve(Rgb(1, 2, 3)), Rgb(1, 2, 3));
}

}  // namespace
}  // namespace kova
