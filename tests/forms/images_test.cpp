// PNG and GIF pictures decoded from streams by the installed libraries.
#include <gtest/gtest.h>

#include "base/streams.h"
#include "forms/graphics/gif_image.h"
#include "forms/graphics/png_image.h"
#include "forms/graphics/picture.h"
#include "image_fixtures.h"

namespace kova {
namespace {

TEST(PngImageTest, DecodesStraightAlphaFromStream) {
  TMemoryStream stream(testing::MakeHalfTransparentPng(8, 4));
  TPngImage png;
  ASSERT_TRUE(png.LoadFromStream(stream));
  EXPECT_EQ(png.Width(), 8);
  EXPECT_EQ(png.Height(), 4);
  EXPECT_TRUE(png.HasAlpha());
  const uint8_t* row = png.Pixels().ScanLine(2);
  EXPECT_EQ(row[2], 255);        // red, blue-green-red-alpha order
  EXPECT_EQ(row[3], 255);        // opaque
  EXPECT_EQ(row[7 * 4 + 3], 0);  // transparent half
}

TEST(PngImageTest, RefusesDamagedAndTruncatedFiles) {
  std::vector<uint8_t> bytes = testing::MakeHalfTransparentPng(8, 4);
  const std::vector<std::vector<uint8_t>> cases = {
      {},
      {0x89, 'P', 'N', 'G'},
      std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2)),
      std::vector<uint8_t>(100, 0xAB),
  };
  for (const auto& input : cases) {
    TMemoryStream stream(input);
    TPngImage png;
    EXPECT_FALSE(png.LoadFromStream(stream)) << input.size();
    EXPECT_TRUE(png.Empty());
  }
}

TEST(GifImageTest, DecodesEveryFrameWithItsDelay) {
  TMemoryStream stream(testing::MakeAnimatedGif(6, 3, 7));
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(stream));
  ASSERT_EQ(gif.Frames().size(), 3u);
  EXPECT_EQ(gif.Width(), 6);
  EXPECT_EQ(gif.Frames()[0].delay_ms, 70);
  // Frame colours: red, green, blue (blue-green-red-alpha bytes).
  EXPECT_EQ(gif.Frames()[0].pixels.Pixel(3, 3), 0x0000FF);
  EXPECT_EQ(gif.Frames()[1].pixels.Pixel(3, 3), 0x00FF00);
  EXPECT_EQ(gif.Frames()[2].pixels.Pixel(3, 3), 0xFF0000);
  int changes = 0;
  gif.OnChange = [&](TObject*) { ++changes; };
  gif.NextFrame();
  gif.NextFrame();
  gif.NextFrame();
  EXPECT_EQ(gif.CurrentFrame(), 0);  // wraps
  EXPECT_EQ(changes, 3);
}

TEST(GifImageTest, RefusesNonGifBytes) {
  TMemoryStream stream(std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a', 1});
  TGIFImage gif;
  EXPECT_FALSE(gif.LoadFromStream(stream));
  EXPECT_TRUE(gif.Frames().empty());
}

TEST(PictureTest, KeepsACopyOfTheAssignedGraphic) {
  TMemoryStream stream(testing::MakeHalfTransparentPng(4, 2));
  TPngImage png;
  ASSERT_TRUE(png.LoadFromStream(stream));
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.SetGraphic(&png);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_NE(picture.Graphic(), &png);
  EXPECT_EQ(picture.Graphic()->ClassName(), "TPngImage");
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace kova
