#include "forms/graphics/bmp_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "forms/graphics/bitmap.h"

namespace kova {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

// Bounds-checked little-endian reads: out-of-range reads answer false.
class ByteView {
 public:
  explicit ByteView(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool Has(uint64_t offset, uint64_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  uint32_t U32(size_t offset) const {
    return static_cast<uint32_t>(bytes_[offset]) | static_cast<uint32_t>(bytes_[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes_[offset + 2]) << 16 |
           static_cast<uint32_t>(bytes_[offset + 3]) << 24;
  }
  uint16_t U16(size_t offset) const {
    return static_cast<uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  const uint8_t* At(size_t offset) const { return bytes_.data() + offset; }
  size_t Size() const { return bytes_.size(); }

 private:
  std::span<const uint8_t> bytes_;
};

// One colour channel described by a bit mask, scaled to 8 bits.
class Channel {
 public:
  explicit Channel(uint32_t mask)
      : mask_(mask),
        shift_(mask ? std::countr_zero(mask) : 0),
        max_(mask ? mask >> std::countr_zero(mask) : 0) {}

  uint8_t Extract(uint32_t value) const {
    if (max_ == 0) {
      return 0;
    }
    const uint64_t v = (value & mask_) >> shift_;
    return static_cast<uint8_t>((v * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_;
  uint64_t max_;
};

struct Layout {
  int64_t width = 0;
  int64_t height = 0;  // negative: top-down
  int bits = 0;
  uint32_t compression = kBiRgb;
  std::array<uint32_t, 4> masks{};              // red, green, blue, alpha
  std::vector<std::array<uint8_t, 3>> palette;  // blue, green, red
};

bool ReadLayout(const ByteView& file, Layout& layout) {
  if (!file.Has(0, kFileHeaderSize + 4) || file.At(0)[0] != 'B' || file.At(0)[1] != 'M') {
    return false;
  }
  const uint32_t header_size = file.U32(kFileHeaderSize);
  if (!file.Has(kFileHeaderSize, header_size)) {
    return false;
  }
  const size_t info = kFileHeaderSize;
  size_t palette_offset = info + header_size;
  size_t palette_entry = 4;
  uint32_t colors_used = 0;
  if (header_size == 12) {
    layout.width = file.U16(info + 4);
    layout.height = file.U16(info + 6);
    layout.bits = file.U16(info + 10);
    palette_entry = 3;
  } else if (header_size == 40 || header_size == 52 || header_size == 56 || header_size == 108 ||
             header_size == 124) {
    layout.width = static_cast<int32_t>(file.U32(info + 4));
    layout.height = static_cast<int32_t>(file.U32(info + 8));
    layout.bits = file.U16(info + 14);
    layout.compression = file.U32(info + 16);
    colors_used = file.U32(info + 32);
    if (layout.compression == kBiBitfields) {
      // Masks inside the larger headers, or three (four) words after a 40-byte one.
      size_t masks_at = info + 40;
      if (header_size == 40) {
        if (!file.Has(masks_at, 12)) {
          return false;
        }
        palette_offset += 12;
      }
      layout.masks = {file.U32(masks_at), file.U32(masks_at + 4), file.U32(masks_at + 8), 0};
      if (header_size >= 56) {
        layout.masks[3] = file.U32(masks_at + 12);
      }
    }
  } else {
    return false;
  }

  if (layout.width <= 0 || layout.height == 0) {
    return false;
  }
  switch (layout.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      if (layout.compression != kBiRgb) {
        return false;
      }
      break;
    case 16:
      if (layout.compression == kBiRgb) {
        layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
      } else if (layout.compression != kBiBitfields) {
        return false;
      }
      break;
    case 32:
      if (layout.compression != kBiRgb && layout.compression != kBiBitfields) {
        return false;
      }
      break;
    default:
      return false;
  }

  if (layout.bits <= 8) {
    const uint32_t full = 1u << layout.bits;
    const uint32_t count = colors_used == 0 ? full : std::min(colors_used, full);
    if (!file.Has(palette_offset, uint64_t{count} * palette_entry)) {
      return false;
    }
    layout.palette.resize(full, {0, 0, 0});
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* entry = file.At(palette_offset + i * palette_entry);
      layout.palette[i] = {entry[0], entry[1], entry[2]};
    }
  }
  return true;
}

void DecodeRow(const Layout& layout, const uint8_t* src, uint8_t* dst) {
  const auto width = static_cast<int>(layout.width);
  switch (layout.bits) {
    case 1:
    case 4:
    case 8: {
      const int per_byte = 8 / layout.bits;
      const int mask = (1 << layout.bits) - 1;
      for (int x = 0; x < width; ++x) {
        const int shift = 8 - layout.bits * (x % per_byte + 1);
        const int index = (src[x / per_byte] >> shift) & mask;
        std::memcpy(dst + x * 3, layout.palette[index].data(), 3);
      }
      break;
    }
    case 24:
      std::memcpy(dst, src, static_cast<size_t>(width) * 3);
      break;
    case 16: {
      const Channel r(layout.masks[0]), g(layout.masks[1]), b(layout.masks[2]);
      for (int x = 0; x < width; ++x) {
        const uint32_t v = static_cast<uint32_t>(src[x * 2] | src[x * 2 + 1] << 8);
        dst[x * 3] = b.Extract(v);
        dst[x * 3 + 1] = g.Extract(v);
        dst[x * 3 + 2] = r.Extract(v);
      }
      break;
    }
    case 32:
      if (layout.compression == kBiRgb) {
        std::memcpy(dst, src, static_cast<size_t>(width) * 4);
      } else {
        const Channel r(layout.masks[0]), g(layout.masks[1]), b(layout.masks[2]),
            a(layout.masks[3]);
        for (int x = 0; x < width; ++x) {
          const uint8_t* p = src + x * 4;
          const uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                             static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
          dst[x * 4] = b.Extract(v);
          dst[x * 4 + 1] = g.Extract(v);
          dst[x * 4 + 2] = r.Extract(v);
          dst[x * 4 + 3] = a.Extract(v);
        }
      }
      break;
  }
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
}

}  // namespace

bool DecodeBmp(std::span<const uint8_t> bytes, TBitmap& bitmap) {
  bitmap.Clear();
  const ByteView file(bytes);
  Layout layout;
  if (!ReadLayout(file, layout)) {
    return false;
  }
  const bool top_down = layout.height < 0;
  const int64_t height = top_down ? -layout.height : layout.height;
  const PixelFormat format = layout.bits == 32 ? PixelFormat::k32Bit : PixelFormat::k24Bit;
  if (height > TBitmap::kMaxDimension || layout.width > TBitmap::kMaxDimension ||
      !TBitmap::SizeAllowed(static_cast<int>(layout.width), static_cast<int>(height), format)) {
    return false;
  }
  // Every row must be present; the last row's padding may be missing.
  const uint64_t stride = ((static_cast<uint64_t>(layout.width) * layout.bits + 31) / 32) * 4;
  const uint64_t last_row = (static_cast<uint64_t>(layout.width) * layout.bits + 7) / 8;
  const uint32_t pixels = file.U32(10);
  if (!file.Has(pixels, stride * static_cast<uint64_t>(height - 1) + last_row)) {
    return false;
  }

  bitmap.SetPixelFormat(format);
  if (!bitmap.SetSize(static_cast<int>(layout.width), static_cast<int>(height))) {
    return false;
  }
  for (int64_t row = 0; row < height; ++row) {
    const int64_t y = top_down ? row : height - 1 - row;
    DecodeRow(layout, file.At(pixels + static_cast<size_t>(stride * row)),
              bitmap.ScanLine(static_cast<int>(y)));
  }
  return true;
}

std::vector<uint8_t> EncodeBmp(const TBitmap& bitmap) {
  std::vector<uint8_t> out;
  if (bitmap.Empty()) {
    return out;
  }
  const auto stride = static_cast<uint32_t>(bitmap.Stride());
  const auto height = static_cast<uint32_t>(bitmap.Height());
  const uint32_t image_size = stride * height;
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  out.reserve(offset + image_size);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offset + image_size);
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<uint32_t>(bitmap.Width()));
  PutU32(out, height);  // positive: bottom-up rows
  PutU16(out, 1);
  PutU16(out, static_cast<uint16_t>(bitmap.BitsPerPixel()));
  PutU32(out, kBiRgb);
  PutU32(out, image_size);
  PutU32(out, 2835);  // 72 dots per inch
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const uint8_t* row = bitmap.ScanLine(y);
    out.insert(out.end(), row, row + stride);
  }
  return out;
}

}  // namespace kova
