#include "skin/data/skin_reader.h"

#include <algorithm>

#include "forms/graphics/bmp_codec.h"
#include "skin/data/skin_message.h"

namespace kova {

namespace {

constexpr int64_t kHeaderSize = 16;

int32_t Int32At(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 |
                              static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

int SkinDescriptiveBlockSize(int32_t format_version) {
  switch (format_version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return -1;
  }
}

const char* SkinReadStatusText(SkinReadStatus status) {
  switch (status) {
    case SkinReadStatus::kOk:
      return "ok";
    case SkinReadStatus::kBadCompression:
      return "the compressed stream's size header cannot be right";
    case SkinReadStatus::kTruncatedHeader:
      return "the archive is shorter than its header";
    case SkinReadStatus::kUnknownVersion:
      return "unknown format version";
    case SkinReadStatus::kBadNameList:
      return "the name list's length is negative or runs past the end of the archive";
    case SkinReadStatus::kTooManyEntries:
      return "the name list has more than 1001 entries";
    case SkinReadStatus::kTruncatedSizes:
      return "the size table runs past the end of the archive";
    case SkinReadStatus::kNegativeSize:
      return "an entry has a negative size";
    case SkinReadStatus::kSizesPastEnd:
      return "the entries' sizes add up past the end of the archive";
  }
  return "unknown";
}

std::vector<std::string> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') {
      ++i;
    }
    lines.emplace_back(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') {
      ++i;
    }
    if (i < text.size() && text[i] == '\n') {
      ++i;
    }
  }
  return lines;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return lower;
}

void TSkinReader::Reset() {
  file_list_.clear();
  stored_names_.clear();
  sizes_.clear();
  offsets_.clear();
  header_ = {};
  archive_.Clear();
}

bool TSkinReader::Loadfromstream(TStream& source) {
  Reset();
  status_ = Load(source);
  if (status_ != SkinReadStatus::kOk) {
    Reset();
  }
  if (status_ == SkinReadStatus::kUnknownVersion) {
    ShowSkinMessage(kOlderSkinFileMessage);
  }
  return status_ == SkinReadStatus::kOk;
}

SkinReadStatus TSkinReader::Load(TStream& source) {
  TMemoryStream& archive = archive_;
  if (Decompress(source, archive) != LzhStatus::kOk) {
    return SkinReadStatus::kBadCompression;
  }
  const uint8_t* bytes = archive.Memory();
  const int64_t size = archive.Size();
  if (size < kHeaderSize) {
    return SkinReadStatus::kTruncatedHeader;
  }
  for (size_t i = 0; i < header_.size(); ++i) {
    header_[i] = Int32At(bytes + 4 * i);
  }
  const int block = SkinDescriptiveBlockSize(header_[0]);
  if (block < 0) {
    return SkinReadStatus::kUnknownVersion;
  }
  int64_t at = kHeaderSize + block;
  if (at > size) {
    return SkinReadStatus::kTruncatedHeader;
  }

  const int32_t names_size = header_[1];
  if (names_size < 0 || names_size > size - at) {
    return SkinReadStatus::kBadNameList;
  }
  const std::string_view names(reinterpret_cast<const char*>(bytes + at),
                               static_cast<size_t>(names_size));
  std::vector<std::string> stored = SplitLines(names);
  if (stored.size() > static_cast<size_t>(kMaxSkinEntries)) {
    return SkinReadStatus::kTooManyEntries;
  }
  at += names_size;

  const auto count = static_cast<int64_t>(stored.size());
  if (4 * count > size - at) {
    return SkinReadStatus::kTruncatedSizes;
  }
  const int64_t data_start = at + 4 * count;
  const int64_t data_size = size - data_start;
  int64_t offset = 0;
  for (int64_t i = 0; i < count; ++i) {
    const int32_t entry_size = Int32At(bytes + at + 4 * i);
    if (entry_size < 0) {
      return SkinReadStatus::kNegativeSize;
    }
    if (entry_size > data_size - offset) {
      return SkinReadStatus::kSizesPastEnd;
    }
    sizes_.push_back(entry_size);
    offsets_.push_back(data_start + offset);
    offset += entry_size;
  }

  for (const std::string& name : stored) {
    file_list_.push_back(AsciiLower(name));
  }
  stored_names_ = std::move(stored);
  return SkinReadStatus::kOk;
}

void TSkinReader::CopyEntry(size_t index, TMemoryStream& target) const {
  target.WriteBuffer(archive_.Memory() + offsets_[index], sizes_[index]);
  target.SetPosition(0);
}

std::span<const uint8_t> TSkinReader::FindEntry(std::string_view name) const {
  const std::string wanted = AsciiLower(name);
  const auto found = std::find(file_list_.begin(), file_list_.end(), wanted);
  if (found == file_list_.end()) {
    return {};
  }
  const auto index = static_cast<size_t>(found - file_list_.begin());
  return {archive_.Memory() + offsets_[index], static_cast<size_t>(sizes_[index])};
}

void TSkinReader::readfile(std::string_view name, TMemoryStream& target) const {
  target.Clear();
  const std::span<const uint8_t> entry = FindEntry(name);
  target.WriteBuffer(entry.data(), static_cast<int64_t>(entry.size()));
  target.SetPosition(0);
}

void TSkinReader::readIni(std::string_view part, TMemoryStream& target,
                          std::string& entry_name) const {
  target.Clear();
  for (size_t i = 0; i < file_list_.size(); ++i) {
    if (file_list_[i].find(part) != std::string::npos) {
      CopyEntry(i, target);
      entry_name = file_list_[i];
      return;
    }
  }
}

LzhStatus TSkinReader::Decompress(TStream& source, TStream& dest) {
  return DecompressStream(source, dest);
}

std::string ExtractFileName(std::string_view path) {
  const size_t cut = path.find_last_of("\\/:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ExtractFileExt(std::string_view path) {
  const std::string name = ExtractFileName(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string GetFileName(std::string_view name) {
  const size_t dot = name.find('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(0, dot));
}

bool ReadSkinBitmap(const TSkinReader& reader, std::string_view file_name, TBitmap& bitmap) {
  const std::string name = ExtractFileName(file_name);
  if (name.empty() || ExtractFileExt(name) != ".bmp") {
    bitmap.Clear();
    return false;
  }
  const std::span<const uint8_t> bytes = reader.FindEntry(name);
  if (bytes.empty()) {
    bitmap.Clear();
    return false;
  }
  return DecodeBmp(bytes, bitmap);  // straight from the archive, no copy
}

void WriteSkinStream(TStream& stream, const TMemoryStream& skin_file) {
  const int64_t size = skin_file.Data().size();
  if (size > INT32_MAX) {
    throw EStreamError("Skin file too large to store");
  }
  stream.WriteInt32(static_cast<int32_t>(size));
  stream.WriteBuffer(skin_file.Memory(), size);
}

bool ReadSkinStream(TStream& stream, TMemoryStream& skin_file) {
  const int32_t size = stream.ReadInt32();
  if (size > stream.Size() - stream.Position()) {
    throw EStreamError("Stream read error");  // the skin held so far stays
  }
  skin_file.Clear();
  if (size < 1) {
    return false;
  }
  skin_file.CopyFrom(stream, size);
  skin_file.SetPosition(0);
  return true;
}

}  // namespace kova
