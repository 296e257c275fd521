#include "serial/archive_buffer.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace kova {

namespace {

// The byte count of a request, or 0 when it is empty or does not fit the 32-bit
// answer of Write and Read.
std::uint64_t RequestBytes(TarnULong size, TarnULong count) {
  const std::uint64_t bytes = std::uint64_t{size} * count;
  return bytes > std::numeric_limits<TarnULong>::max() ? 0 : bytes;
}

}  // namespace

void ArchiveBuffer::OpenForWrite() {
  Close();
  mode_ = Mode::kWriting;
}

void ArchiveBuffer::OpenForRead() {
  Close();
  mode_ = Mode::kReading;
}

void ArchiveBuffer::Close() {
  mode_ = Mode::kClosed;
  failed_ = false;
}

TarnULong ArchiveBuffer::Write(const void* data, TarnULong size, TarnULong count) {
  const std::uint64_t bytes = RequestBytes(size, count);
  if (mode_ != Mode::kWriting || failed_ || bytes == 0 || data == nullptr)
    return 0;
  try {
    bytes_.append(static_cast<const char*>(data), bytes);
  } catch (const std::bad_alloc&) {
    failed_ = true;
    return 0;
  } catch (const std::length_error&) {
    failed_ = true;
    return 0;
  }
  return static_cast<TarnULong>(bytes);
}

TarnULong ArchiveBuffer::Read(void* data, TarnULong size, TarnULong count) {
  if (mode_ != Mode::kReading || failed_)
    return 0;
  const std::uint64_t bytes = std::uint64_t{size} * count;
  if (bytes == 0)
    return 0;
  if (bytes > Remaining() || bytes > std::numeric_limits<TarnULong>::max() || data == nullptr) {
    FailRead();
    return 0;
  }
  std::memcpy(data, bytes_.data() + get_, bytes);
  get_ += bytes;
  return static_cast<TarnULong>(bytes);
}

bool ArchiveBuffer::CheckReadable(std::uint64_t bytes) {
  if (mode_ != Mode::kReading || failed_)
    return false;
  if (bytes > Remaining()) {
    FailRead();
    return false;
  }
  return true;
}

void ArchiveBuffer::Assign(std::string_view bytes) {
  bytes_.assign(bytes);
  get_ = 0;
}

void ArchiveBuffer::FailRead() {
  get_ = bytes_.size();
  failed_ = true;
}

}  // namespace kova
