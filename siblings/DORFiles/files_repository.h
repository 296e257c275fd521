// The product's files repository: named items stored as UTF-16LE files (with a
// byte-order mark) in one folder, read through streams of UTF-16 units.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "config/sibling_interfaces.h"
#include "base/text.h"

namespace kova {

// Items above this size are refused rather than read into memory.
inline constexpr std::uintmax_t kMaxItemBytes = 64u * 1024 * 1024;

// Result codes of the repository's operations.
inline constexpr std::int32_t kFilesOk = 0;
inline constexpr std::int32_t kFilesInvalidArgument = 1;
inline constexpr std::int32_t kFilesNotFound = 2;
inline constexpr std::int32_t kFilesUnreadable = 3;

// One open reading of an item; Close frees it.
class FilesStream final : public IFilesStream {
 public:
  explicit FilesStream(std::vector<char16_t> units) : units_(std::move(units)) {}

  std::uint32_t GetLength() override { return static_cast<std::uint32_t>(units_.size()); }
  std::int32_t Read(char16_t* buffer, std::uint32_t* length) override;
  std::int32_t Close(std::int32_t flags) override;

 private:
  ~FilesStream() = default;  // only through Close

  std::vector<char16_t> units_;
  std::size_t position_ = 0;
};

class FilesItem final : public IFilesItem {
 public:
  explicit FilesItem(std::filesystem::path file) : file_(std::move(file)) {}
  ~FilesItem() = default;

  // Reads the whole item; the stream starts at its first unit (the byte-order mark).
  std::int32_t OpenStream(std::int32_t mode, IFilesStream** stream, std::int32_t share) override;

 private:
  std::filesystem::path file_;
};

class FilesRepository final : public IFilesRepository {
 public:
  explicit FilesRepository(std::filesystem::path folder) : folder_(std::move(folder)) {}
  ~FilesRepository() = default;
  FilesRepository(const FilesRepository&) = delete;
  FilesRepository& operator=(const FilesRepository&) = delete;

  // Item names are plain file names inside the folder: anything that could reach
  // outside it (separators, drive letters, "." and "..") is refused.
  std::int32_t OpenItem(const char16_t* name, IFilesItem** item) override;

 private:
  std::filesystem::path folder_;
  std::map<WideString, std::unique_ptr<FilesItem>> items_;
};

bool IsPlainItemName(WideStringView name);

}  // namespace kova
