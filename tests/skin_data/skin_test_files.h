// Small skin files for the tests, built byte by byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/graphics/bitmap.h"
#include "skin/data/lzh.h"

namespace kova::testing {

inline void PutInt32(std::vector<uint8_t>& out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
}

// An uncompressed archive with whatever header, name text and size table it is given.
inline std::vector<uint8_t> RawArchive(int32_t version, int block, const std::string& names,
                                       const std::vector<int32_t>& sizes,
                                       const std::vector<uint8_t>& data, int32_t names_size = -1) {
  std::vector<uint8_t> out;
  PutInt32(out, version);
  PutInt32(out,
           names_size >= 0 || names_size < -1 ? names_size : static_cast<int32_t>(names.size()));
  PutInt32(out, 0);
  PutInt32(out, 0);
  out.insert(out.end(), static_cast<size_t>(block), 0xEE);
  out.insert(out.end(), names.begin(), names.end());
  for (int32_t size : sizes) {
    PutInt32(out, size);
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

inline std::vector<uint8_t> BmpBytes(int width, int height, TColor color) {
  TBitmap bitmap(width, height);
  bitmap.Fill(color);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Data();
}

inline std::vector<uint8_t> TextBytes(const std::string& text) {
  return {text.begin(), text.end()};
}

}  // namespace kova::testing
