// Arbitrary bytes as the INI description of a skin that carries a few small images
// (margins, frame counts and names all come from the input), loaded into a model and
// composed into a frame and cut into the frame's window region.
#include <cstddef>
#include <cstdint>

#include "skin/apply/bitmap_region.h"
#include "skin/apply/frame_region.h"
#include "skin/apply/skin_preview.h"
#include "skin/data/frame_compose.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_writer.h"

namespace {

std::vector<uint8_t> Image(int width, int height, kova::TColor color) {
  kova::TBitmap bitmap(width, height);
  bitmap.Fill(color);
  bitmap.SetPixel(0, 0, 0xFF00FF);
  kova::TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Data();
}

struct CountingSink final : kova::RegionSink {
  void Unite(std::span<const kova::ImageRect> rects) override { count += rects.size(); }
  size_t count = 0;
};

void CutRegion(const kova::TSkinData& model, int width, int height) {
  const kova::FrameWidths frame = kova::FrameWidthsOf(model, kova::SkinBorderStyle::kSizable, 0);
  CountingSink sink;
  for (const kova::FrameRegionPart& part :
       kova::PlanFrameRegion(model, frame, kova::SkinBorderStyle::kSizable, width, height)) {
    const kova::TDataSkinObject* border =
        part.rendered ? kova::BorderObject(model, *part.rendered) : nullptr;
    if (border == nullptr) {
      continue;
    }
    const kova::TBitmap strip =
        kova::ComposeBorderStrip(*border, *part.rendered, part.rect.right - part.rect.left,
                                 part.rect.bottom - part.rect.top, true);
    kova::BitmapToRegionRuns(strip, part.rect.left, part.rect.top, kova::kTransparentKey,
                             kova::kFrameKeyTolerance, sink);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) {
    return 0;
  }
  static const std::vector<uint8_t> wide = Image(60, 20, 0x404040);
  static const std::vector<uint8_t> tall = Image(8, 40, 0x808080);
  static const std::vector<uint8_t> tiny = Image(1, 1, 0);
  const std::vector<kova::SkinEntry> entries = {
      {"skin.ini", std::vector<uint8_t>(data, data + size)},
      {"a.bmp", wide},
      {"b.bmp", tall},
      {"c.bmp", tiny}};
  kova::TMemoryStream file(kova::MakeSkinFile(entries, 70000));
  kova::TSkinData model(nullptr);
  model.LoadFromStream(file);
  kova::ComposeSkinPreview(model, {120, 80, true, "Fuzz"});
  kova::ComposeSkinPreview(model, {120, 80, false, ""});
  CutRegion(model, 120, 80);
  return 0;
}
