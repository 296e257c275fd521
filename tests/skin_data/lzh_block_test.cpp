// The packer hands its output to the write callback in blocks; whatever length the
// stream ends at, on a block boundary or just after one, the bytes handed out are the
// stream and nothing more.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "skin/data/lzh.h"

namespace kova {
namespace {

TEST(LzhBlockTest, OutputOfEveryLengthAroundABlockIsExactlyTheStream) {
  // Noise packs to about its own size, so these inputs end their streams at every length
  // from before the first 4096-byte block is full to after it.
  std::mt19937 random(17);
  std::vector<uint8_t> noise(4200);
  for (uint8_t& byte : noise) {
    byte = static_cast<uint8_t>(random());
  }
  std::vector<int32_t> ends;
  for (size_t size = 3960; size <= noise.size(); ++size) {
    const std::vector<uint8_t> input(noise.begin(), noise.begin() + static_cast<ptrdiff_t>(size));
    size_t offset = 0;
    std::vector<uint8_t> output;
    TLZH lzh;
    int32_t read = 0;
    lzh.LZHPack(
        read,
        [&](uint8_t* buffer, uint16_t count, uint16_t& got) {
          got = static_cast<uint16_t>(std::min<size_t>(count, input.size() - offset));
          std::memcpy(buffer, input.data() + offset, got);
          offset += got;
        },
        [&](const uint8_t* buffer, uint16_t count, uint16_t& put) {
          output.insert(output.end(), buffer, buffer + count);
          put = count;
        });
    ASSERT_EQ(static_cast<int32_t>(output.size()), lzh.codesize()) << size;
    ends.push_back(lzh.codesize());

    std::vector<uint8_t> framed = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8), 0,
                                   0};
    framed.insert(framed.end(), output.begin(), output.end());
    EXPECT_EQ(CompressBytes(input), framed) << size;
    std::vector<uint8_t> unpacked;
    ASSERT_EQ(DecompressBytes(framed, unpacked), LzhStatus::kOk) << size;
    EXPECT_EQ(unpacked, input) << size;
  }
  // The sizes did reach the block's end and the lengths just past it.
  for (const int32_t end : {4095, 4096, 4097, 4098, 4099}) {
    EXPECT_NE(std::find(ends.begin(), ends.end(), end), ends.end()) << end;
  }
}

}  // namespace
}  // namespace kova
