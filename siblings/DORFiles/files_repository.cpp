#include "DORFiles/files_repository.h"

#include <algorithm>
#include <fstream>

namespace kova {

bool IsPlainItemName(WideStringView name) {
  if (name.empty() || name == u"." || name == u"..") {
    return false;
  }
  return std::none_of(name.begin(), name.end(),
                      [](char16_t c) { return c == u'\\' || c == u'/' || c == u':' || c < 0x20; });
}

std::int32_t FilesStream::Read(char16_t* buffer, std::uint32_t* length) {
  if (buffer == nullptr || length == nullptr) {
    return kFilesInvalidArgument;
  }
  const std::size_t count = std::min<std::size_t>(*length, units_.size() - position_);
  std::copy_n(units_.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer);
  position_ += count;
  *length = static_cast<std::uint32_t>(count);
  return kFilesOk;
}

std::int32_t FilesStream::Close(std::int32_t /*flags*/) {
  delete this;
  return kFilesOk;
}

std::int32_t FilesItem::OpenStream(std::int32_t /*mode*/, IFilesStream** stream,
                                   std::int32_t /*share*/) {
  if (stream == nullptr) {
    return kFilesInvalidArgument;
  }
  *stream = nullptr;
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file_, ec);
  if (ec) {
    return kFilesNotFound;
  }
  if (size > kMaxItemBytes) {
    return kFilesUnreadable;
  }
  std::ifstream in(file_, std::ios::binary);
  std::vector<char> bytes(static_cast<std::size_t>(size));
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    return kFilesUnreadable;
  }
  // UTF-16LE; an odd trailing byte is not a unit and is left out.
  std::vector<char16_t> units(bytes.size() / 2);
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  *stream = new FilesStream(std::move(units));
  return kFilesOk;
}

std::int32_t FilesRepository::OpenItem(const char16_t* name, IFilesItem** item) {
  if (item == nullptr) {
    return kFilesInvalidArgument;
  }
  *item = nullptr;
  if (name == nullptr || !IsPlainItemName(name)) {
    return kFilesInvalidArgument;
  }
  const std::filesystem::path file = folder_ / std::filesystem::path(WideString(name));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    return kFilesNotFound;
  }
  auto& slot = items_[name];
  if (!slot) {
    slot = std::make_unique<FilesItem>(file);
  }
  *item = slot.get();
  return kFilesOk;
}

}  // namespace kova
