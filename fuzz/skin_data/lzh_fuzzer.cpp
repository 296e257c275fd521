// Decodes arbitrary bytes as a compressed stream, and checks that compressing them
// gives them back.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  std::vector<uint8_t> unpacked;
  if (kova::DecompressBytes(input, unpacked) == kova::LzhStatus::kOk) {
    // The header was accepted, so the output is exactly the stated size.
    const auto stated = static_cast<size_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                            static_cast<uint32_t>(data[3]) << 24);
    if (unpacked.size() != stated) {
      std::abort();
    }
  }
  std::vector<uint8_t> again;
  if (kova::DecompressBytes(kova::CompressBytes(input), again) != kova::LzhStatus::kOk ||
      again != std::vector<uint8_t>(input.begin(), input.end())) {
    std::abort();
  }
  return 0;
}
