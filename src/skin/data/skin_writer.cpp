#include "skin/data/skin_writer.h"

#include <limits>
#include <stdexcept>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"

namespace kova {

namespace {

void PutInt32(std::vector<uint8_t>& out, int64_t value) {
  if (value < 0 || value > std::numeric_limits<int32_t>::max()) {
    throw std::invalid_argument("skin archive: size beyond 32 bits");
  }
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
}

}  // namespace

std::vector<uint8_t> BuildSkinArchive(const std::vector<SkinEntry>& entries,
                                      int32_t format_version) {
  const int block = SkinDescriptiveBlockSize(format_version);
  if (block < 0) {
    throw std::invalid_argument("skin archive: unknown format version " +
                                std::to_string(format_version));
  }
  if (entries.size() > static_cast<size_t>(kMaxSkinEntries)) {
    throw std::invalid_argument("skin archive: more than 1001 entries");
  }
  std::string names;
  for (const SkinEntry& entry : entries) {
    if (entry.name.empty() ||
        entry.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      throw std::invalid_argument("skin archive: unusable entry name \"" + entry.name + "\"");
    }
    names += entry.name + "\r\n";
  }

  std::vector<uint8_t> out;
  PutInt32(out, format_version);
  PutInt32(out, static_cast<int64_t>(names.size()));
  PutInt32(out, 0);
  PutInt32(out, 0);
  out.insert(out.end(), static_cast<size_t>(block), 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const SkinEntry& entry : entries) {
    PutInt32(out, static_cast<int64_t>(entry.data.size()));
  }
  for (const SkinEntry& entry : entries) {
    out.insert(out.end(), entry.data.begin(), entry.data.end());
  }
  if (out.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    throw std::invalid_argument("skin archive: larger than 2 GiB");
  }
  return out;
}

void WriteSkinFile(const std::vector<SkinEntry>& entries, int32_t format_version, TStream& dest) {
  TMemoryStream archive(BuildSkinArchive(entries, format_version));
  CompressStream(archive, dest);
}

std::vector<uint8_t> MakeSkinFile(const std::vector<SkinEntry>& entries, int32_t format_version) {
  TMemoryStream file;
  WriteSkinFile(entries, format_version, file);
  return file.Data();
}

}  // namespace kova
