// The byte store behind both archive implementations: one growing buffer with one put
// position (always the end) and one get position that both live as long as the buffer,
// plus the open state of its writer or reader. A reader that asks for more bytes than
// remain fails as an input stream does: the rest is consumed and every further read of
// that opening fails.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "serial/result.h"

namespace kova {

class ArchiveBuffer {
 public:
  ArchiveBuffer() = default;
  explicit ArchiveBuffer(std::string_view bytes) : bytes_(bytes) {}

  void OpenForWrite();
  void OpenForRead();
  void Close();

  bool IsOpenForWrite() const { return mode_ == Mode::kWriting; }
  bool IsOpenForRead() const { return mode_ == Mode::kReading; }

  // Both answer size * count, or 0 on failure (a zero-sized request included).
  TarnULong Write(const void* data, TarnULong size, TarnULong count);
  TarnULong Read(void* data, TarnULong size, TarnULong count);

  // True when `bytes` more bytes can still be read; otherwise fails the reader exactly
  // as a read of that many bytes would, without anyone allocating room for them.
  bool CheckReadable(std::uint64_t bytes);

  // Every byte written so far, from the first to the last; reading removes nothing.
  std::string_view bytes() const { return bytes_; }

  // Replaces the contents and starts reading again at the first byte.
  void Assign(std::string_view bytes);
  void RewindRead() { get_ = 0; }

 private:
  enum class Mode { kClosed, kWriting, kReading };

  std::uint64_t Remaining() const { return bytes_.size() - get_; }
  void FailRead();

  std::string bytes_;
  std::size_t get_ = 0;
  Mode mode_ = Mode::kClosed;
  bool failed_ = false;  // state of the current writer or reader
};

}  // namespace kova
