// BMP file reading and writing for TBitmap. Reads what paint programs write: 1, 4 and
// 8 bits with a palette, 16 bits (5-5-5 or bit fields), 24 bits, 32 bits (plain or
// bit fields), rows bottom-up or top-down, with the 12, 40, 52, 56, 108 and 124-byte
// info headers. Writes 24 or 32 bits, bottom-up, uncompressed.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kova {

class TBitmap;

// Answers false and leaves `bitmap` empty for anything it cannot read (truncated or
// inconsistent headers, compressed variants, sizes beyond the bitmap's limits).
// 32-bit files give 32-bit bitmaps; everything else gives 24 bits per pixel.
bool DecodeBmp(std::span<const uint8_t> file, TBitmap& bitmap);

// An empty bitmap encodes as nothing.
std::vector<uint8_t> EncodeBmp(const TBitmap& bitmap);

}  // namespace kova
