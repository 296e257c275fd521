// A read-only stream over bytes someone else owns, so that an archive entry can be
// decoded where it lies. Writing and resizing fail like writing to a read-only file.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>

#include "base/streams.h"

namespace kova {

class TByteViewStream : public TStream {
 public:
  explicit TByteViewStream(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  int64_t Read(void* buffer, int64_t count) override {
    const int64_t available = Size() - position_;
    const int64_t n = count < available ? count : available;
    if (n <= 0) {
      return 0;
    }
    std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
  }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, SeekOrigin origin) override {
    const int64_t base = origin == SeekOrigin::kBeginning ? 0
                         : origin == SeekOrigin::kCurrent ? position_
                                                          : Size();
    position_ = base + offset < 0 ? 0 : base + offset;
    return position_;
  }
  int64_t Size() override { return static_cast<int64_t>(bytes_.size()); }
  void SetSize(int64_t) override { throw EStreamError("Stream is read-only"); }

 private:
  std::span<const uint8_t> bytes_;
  int64_t position_ = 0;
};

}  // namespace kova
