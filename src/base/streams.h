// Portable byte streams of the framework layer: the abstract TStream, an in-memory
// stream and a file stream. Positions and sizes are 64-bit; ReadBuffer/WriteBuffer
// raise EStreamError when fewer bytes than requested could be moved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace kova {

class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class SeekOrigin { kBeginning, kCurrent, kEnd };

class TStream {
 public:
  virtual ~TStream() = default;

  // Moves up to `count` bytes; the answer is the number actually moved.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Answers the new position. Seeking before the start is clamped to 0.
  virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

  virtual int64_t Size();
  virtual void SetSize(int64_t new_size) = 0;

  int64_t Position() { return Seek(0, SeekOrigin::kCurrent); }
  void SetPosition(int64_t position) { Seek(position, SeekOrigin::kBeginning); }
  int64_t Remaining() { return Size() - Position(); }

  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  void WriteBytes(std::span<const uint8_t> bytes) {
    WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  }

  // Copies `count` bytes from the current position of `source`; a count of 0 copies
  // the whole of `source` from its start. Answers the number of bytes copied.
  int64_t CopyFrom(TStream& source, int64_t count);

  // Little-endian fixed-width integers, raising on short reads.
  int32_t ReadInt32();
  void WriteInt32(int32_t value);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t new_size) override;

  uint8_t* Memory() { return data_.data(); }
  const uint8_t* Memory() const { return data_.data(); }
  std::span<const uint8_t> Bytes() const { return data_; }
  const std::vector<uint8_t>& Data() const { return data_; }

  void Clear();
  // Replaces the content with everything of `source` from its start; the position
  // becomes 0.
  void LoadFromStream(TStream& source);
  void LoadFromFile(const std::filesystem::path& file_name);
  // Writes the whole content to `target` at its current position.
  void SaveToStream(TStream& target) const;
  void SaveToFile(const std::filesystem::path& file_name) const;

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;
};

enum class FileMode {
  kCreate,     // create or truncate, read and write
  kOpenRead,   // existing file, read only
  kOpenWrite,  // existing file, write only
  kOpenReadWrite,
};

class TFileStream : public TStream {
 public:
  // Raises EStreamError when the file cannot be opened.
  TFileStream(const std::filesystem::path& file_name, FileMode mode);

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  void SetSize(int64_t new_size) override;

  const std::filesystem::path& FileName() const { return file_name_; }

 private:
  std::filesystem::path file_name_;
  std::fstream file_;
  bool readable_ = false;
  bool writable_ = false;
};

}  // namespace kova
