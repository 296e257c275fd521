#include "base/streams.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace kova {

// --- TStream ----------------------------------------------------------------

int64_t TStream::Size() {
  const int64_t here = Position();
  const int64_t end = Seek(0, SeekOrigin::kEnd);
  Seek(here, SeekOrigin::kBeginning);
  return end;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) {
    throw EStreamError("Stream read error");
  }
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) {
    throw EStreamError("Stream write error");
  }
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  constexpr int64_t kChunk = 64 * 1024;
  std::vector<uint8_t> chunk(static_cast<size_t>(std::min(count, kChunk)));
  int64_t copied = 0;
  while (copied < count) {
    const int64_t n = std::min(count - copied, kChunk);
    source.ReadBuffer(chunk.data(), n);
    WriteBuffer(chunk.data(), n);
    copied += n;
  }
  return copied;
}

int32_t TStream::ReadInt32() {
  uint8_t bytes[4];
  ReadBuffer(bytes, 4);
  return static_cast<int32_t>(
      static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
      static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

void TStream::WriteInt32(int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  const uint8_t bytes[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                            static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
  WriteBuffer(bytes, 4);
}

// --- TMemoryStream ----------------------------------------------------------

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t available = Size() - position_;
  const int64_t n = std::clamp<int64_t>(count, 0, std::max<int64_t>(available, 0));
  if (n > 0) {
    std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
    position_ += n;
  }
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) {
    return 0;
  }
  const int64_t end = position_ + count;
  if (end > Size()) {
    data_.resize(static_cast<size_t>(end));
  }
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
  int64_t base = 0;
  switch (origin) {
    case SeekOrigin::kBeginning:
      break;
    case SeekOrigin::kCurrent:
      base = position_;
      break;
    case SeekOrigin::kEnd:
      base = Size();
      break;
  }
  // A position past the end is allowed; the next write fills the gap with zeros.
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

void TMemoryStream::SetSize(int64_t new_size) {
  data_.resize(static_cast<size_t>(std::max<int64_t>(new_size, 0)));
  position_ = std::min(position_, Size());
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const int64_t size = source.Size();
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  source.ReadBuffer(bytes.data(), size);
  data_ = std::move(bytes);
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::filesystem::path& file_name) {
  TFileStream file(file_name, FileMode::kOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& target) const {
  target.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TMemoryStream::SaveToFile(const std::filesystem::path& file_name) const {
  TFileStream file(file_name, FileMode::kCreate);
  SaveToStream(file);
}

// --- TFileStream ------------------------------------------------------------

TFileStream::TFileStream(const std::filesystem::path& file_name, FileMode mode)
    : file_name_(file_name) {
  std::ios::openmode open_mode = std::ios::binary;
  switch (mode) {
    case FileMode::kCreate:
      open_mode |= std::ios::in | std::ios::out | std::ios::trunc;
      readable_ = writable_ = true;
      break;
    case FileMode::kOpenRead:
      open_mode |= std::ios::in;
      readable_ = true;
      break;
    case FileMode::kOpenWrite:
      // in|out opens an existing file without truncating it.
      open_mode |= std::ios::in | std::ios::out;
      writable_ = true;
      break;
    case FileMode::kOpenReadWrite:
      open_mode |= std::ios::in | std::ios::out;
      readable_ = writable_ = true;
      break;
  }
  if (!std::filesystem::is_directory(file_name)) {
    file_.open(file_name, open_mode);
  }
  if (!file_.is_open()) {
    throw EStreamError("Cannot open file \"" + file_name.string() + "\"");
  }
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (!readable_ || count <= 0) {
    return 0;
  }
  file_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
  const auto got = static_cast<int64_t>(file_.gcount());
  file_.clear();  // a short read sets eof/fail; the stream stays usable
  return got;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (!writable_ || count <= 0) {
    return 0;
  }
  const int64_t before = Position();
  file_.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(count));
  if (!file_) {
    file_.clear();
    return std::max<int64_t>(0, Position() - before);
  }
  return count;
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) {
  std::ios::seekdir dir = std::ios::beg;
  if (origin == SeekOrigin::kCurrent) {
    dir = std::ios::cur;
  } else if (origin == SeekOrigin::kEnd) {
    dir = std::ios::end;
  }
  // One file buffer serves both directions, so seekg moves the write position too.
  file_.seekg(static_cast<std::streamoff>(offset), dir);
  if (!file_) {
    file_.clear();
    file_.seekg(0, std::ios::beg);
  }
  return static_cast<int64_t>(file_.tellg());
}

void TFileStream::SetSize(int64_t new_size) {
  const int64_t here = Position();
  file_.flush();
  std::error_code error;
  std::filesystem::resize_file(file_name_, static_cast<uintmax_t>(std::max<int64_t>(new_size, 0)),
                               error);
  if (error) {
    throw EStreamError("Cannot set the size of \"" + file_name_.string() + "\"");
  }
  file_.seekg(std::min(here, new_size), std::ios::beg);
}

}  // namespace kova
