#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "kova-resource-images/product_images.h"

namespace kova::images {
namespace {

TEST(FrameImagesTest, CommittedFilesMatchTheGenerator) {
  const char* source = std::getenv("KOVA_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const std::filesystem::path dir = std::filesystem::path(source) / "src/frame/resources";
  for (const ImageFile& file : FrameModuleImages()) {
    SCOPED_TRACE(file.name);
    std::ifstream in(dir / file.name, std::ios::binary);
    ASSERT_TRUE(in) << "regenerate with: kova-resource-images frame -o src/frame/resources";
    const Bytes committed{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(committed == file.bytes)
        << "stale; regenerate with: kova-resource-images frame -o src/frame/resources";
  }
}

}  // namespace
}  // namespace kova::images
