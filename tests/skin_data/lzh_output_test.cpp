// The decoder writes from its ring in pieces: whenever the ring wraps and at the end of
// the output. Whatever size it is told, ending inside a match or on either side of a
// wrap, it hands out exactly that many bytes of the stream's text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "skin/data/lzh.h"

namespace kova {
namespace {

// Noise with copies of what came before, so that matches (of up to 60 bytes) run
// across the places where the ring wraps: after 60 bytes, then every 4096.
std::vector<uint8_t> NoiseWithCopies(size_t size) {
  std::mt19937 random(29);
  std::vector<uint8_t> data;
  while (data.size() < size) {
    if (data.size() < 40 || random() % 2 == 0) {
      for (int i = 0; i < 20; ++i) {
        data.push_back(static_cast<uint8_t>(random()));
      }
    } else {
      const size_t from = data.size() - 1 - random() % std::min<size_t>(data.size(), 3000);
      const size_t length = 3 + random() % 58;
      for (size_t i = 0; i < length; ++i) {
        data.push_back(data[from + i]);
      }
    }
  }
  data.resize(size);
  return data;
}

TEST(LzhOutputTest, EverySizeAroundTheRingsWrapsIsHandedOutExactly) {
  const std::vector<uint8_t> data = NoiseWithCopies(8400);
  std::vector<uint8_t> packed = CompressBytes(data);
  packed.erase(packed.begin(), packed.begin() + 4);  // LZHUnpack is told the size
  std::vector<int32_t> sizes;
  for (int32_t size = 0; size <= 130; ++size) {
    sizes.push_back(size);
  }
  for (const int32_t wrap : {60 + 4096, 60 + 2 * 4096}) {
    for (int32_t size = wrap - 70; size <= wrap + 70; ++size) {
      sizes.push_back(size);
    }
  }
  for (const int32_t size : sizes) {
    SCOPED_TRACE(size);
    size_t offset = 0;
    std::vector<uint8_t> output;
    size_t largest_piece = 0;
    TLZH lzh;
    lzh.LZHUnpack(
        size,
        [&](uint8_t* buffer, uint16_t count, uint16_t& got) {
          got = static_cast<uint16_t>(std::min<size_t>(count, packed.size() - offset));
          std::memcpy(buffer, packed.data() + offset, got);
          offset += got;
        },
        [&](const uint8_t* buffer, uint16_t count, uint16_t& put) {
          output.insert(output.end(), buffer, buffer + count);
          largest_piece = std::max<size_t>(largest_piece, count);
          put = count;
        });
    ASSERT_EQ(output.size(), static_cast<size_t>(size));
    EXPECT_TRUE(std::equal(output.begin(), output.end(), data.begin()));
    EXPECT_LE(largest_piece, 4096u);
  }
}

}  // namespace
}  // namespace kova
