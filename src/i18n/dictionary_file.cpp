#include "i18n/dictionary_file.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <map>

namespace kova {

namespace {

constexpr std::uint8_t kMagic[4] = {'K', 'V', 'D', 0x1A};
constexpr std::size_t kHeaderSize = 4 + 7 * 4;
constexpr std::size_t kEntrySize = 5 * 4;
// Keeps the bucket table proportional to the entries even in a hostile file.
constexpr std::uint32_t kMaxBucketsPerEntry = 4;

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void AppendUnits(std::vector<std::uint8_t>& out, WideStringView text) {
  for (const char16_t unit : text) {
    out.push_back(static_cast<std::uint8_t>(unit));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
}

std::uint32_t BucketCountFor(std::size_t entries) {
  return std::bit_ceil(static_cast<std::uint32_t>(std::max<std::size_t>(entries, 1)));
}

DictionaryError Fail(DictionaryError* error, DictionaryError value) {
  if (error != nullptr) {
    *error = value;
  }
  return value;
}

}  // namespace

std::string_view DictionaryErrorText(DictionaryError error) {
  switch (error) {
    case DictionaryError::kNone:
      return "no error";
    case DictionaryError::kTruncated:
      return "the file is truncated";
    case DictionaryError::kBadMagic:
      return "not a dictionary file";
    case DictionaryError::kBadVersion:
      return "unsupported dictionary version";
    case DictionaryError::kTooLarge:
      return "the file is too large";
    case DictionaryError::kBadLayout:
      return "the file's tables are inconsistent";
    case DictionaryError::kBadEntry:
      return "an entry is damaged";
    case DictionaryError::kUnreadable:
      return "the file cannot be read";
  }
  return "unknown error";
}

std::uint32_t DictionaryKeyHash(WideStringView key) {
  // FNV-1a over the little-endian bytes of the UTF-16 units.
  std::uint32_t hash = 2166136261u;
  for (const char16_t unit : key) {
    hash = (hash ^ static_cast<std::uint8_t>(unit)) * 16777619u;
    hash = (hash ^ static_cast<std::uint8_t>(unit >> 8)) * 16777619u;
  }
  return hash;
}

std::vector<std::uint8_t> WriteDictionary(const std::vector<DictionaryEntry>& entries) {
  // Last value per key wins; a map also gives a stable order inside each bucket.
  std::map<WideString, const WideString*> unique;
  for (const DictionaryEntry& entry : entries) {
    unique[entry.key] = &entry.value;
  }
  const std::uint32_t bucket_count = BucketCountFor(unique.size());

  struct Placed {
    std::uint32_t hash;
    const WideString* key;
    const WideString* value;
  };
  std::vector<Placed> placed;
  placed.reserve(unique.size());
  for (const auto& [key, value] : unique) {
    placed.push_back({DictionaryKeyHash(key), &key, value});
  }
  std::stable_sort(placed.begin(), placed.end(), [&](const Placed& a, const Placed& b) {
    return (a.hash & (bucket_count - 1)) < (b.hash & (bucket_count - 1));
  });

  const auto entry_count = static_cast<std::uint32_t>(placed.size());
  const std::uint32_t buckets_offset = kHeaderSize;
  const std::uint32_t entries_offset = buckets_offset + (bucket_count + 1) * 4;
  const std::uint32_t pool_offset = entries_offset + entry_count * kEntrySize;

  std::vector<std::uint8_t> out(kMagic, kMagic + 4);
  AppendU32(out, kDictionaryVersion);
  AppendU32(out, entry_count);
  AppendU32(out, bucket_count);
  AppendU32(out, buckets_offset);
  AppendU32(out, entries_offset);
  AppendU32(out, pool_offset);
  std::size_t pool_size = 0;
  for (const Placed& p : placed) {
    pool_size += p.key->size() + p.value->size();
  }
  AppendU32(out, static_cast<std::uint32_t>(pool_size));

  std::uint32_t index = 0;
  for (std::uint32_t bucket = 0; bucket <= bucket_count; ++bucket) {
    while (index < entry_count && (placed[index].hash & (bucket_count - 1)) < bucket) {
      ++index;
    }
    AppendU32(out, index);
  }
  std::uint32_t offset = 0;
  for (const Placed& p : placed) {
    AppendU32(out, p.hash);
    AppendU32(out, offset);
    AppendU32(out, static_cast<std::uint32_t>(p.key->size()));
    offset += static_cast<std::uint32_t>(p.key->size());
    AppendU32(out, offset);
    AppendU32(out, static_cast<std::uint32_t>(p.value->size()));
    offset += static_cast<std::uint32_t>(p.value->size());
  }
  for (const Placed& p : placed) {
    AppendUnits(out, *p.key);
    AppendUnits(out, *p.value);
  }
  return out;
}

std::optional<DictionaryFile> DictionaryFile::Parse(std::span<const std::uint8_t> bytes,
                                                    DictionaryError* error) {
  if (error != nullptr) {
    *error = DictionaryError::kNone;
  }
  if (bytes.size() > kMaxDictionaryFileSize) {
    Fail(error, DictionaryError::kTooLarge);
    return std::nullopt;
  }
  if (bytes.size() < 4 || !std::equal(kMagic, kMagic + 4, bytes.begin())) {
    Fail(error, bytes.size() < 4 ? DictionaryError::kTruncated : DictionaryError::kBadMagic);
    return std::nullopt;
  }
  if (bytes.size() < kHeaderSize) {
    Fail(error, DictionaryError::kTruncated);
    return std::nullopt;
  }
  if (ReadU32(bytes, 4) != kDictionaryVersion) {
    Fail(error, DictionaryError::kBadVersion);
    return std::nullopt;
  }
  const std::uint32_t entry_count = ReadU32(bytes, 8);
  const std::uint32_t bucket_count = ReadU32(bytes, 12);
  const std::uint32_t buckets_offset = ReadU32(bytes, 16);
  const std::uint32_t entries_offset = ReadU32(bytes, 20);
  const std::uint32_t pool_offset = ReadU32(bytes, 24);
  const std::uint32_t pool_size = ReadU32(bytes, 28);

  // Every size is checked against the file before anything is allocated for it, in
  // 64-bit arithmetic so no product can wrap.
  const std::uint64_t file_size = bytes.size();
  const std::uint64_t buckets_bytes = (std::uint64_t{bucket_count} + 1) * 4;
  const std::uint64_t entries_bytes = std::uint64_t{entry_count} * kEntrySize;
  const std::uint64_t pool_bytes = std::uint64_t{pool_size} * 2;
  if (entries_bytes > file_size || pool_bytes > file_size || buckets_bytes > file_size) {
    Fail(error, DictionaryError::kTooLarge);
    return std::nullopt;
  }
  if (!std::has_single_bit(bucket_count) ||
      bucket_count > kMaxBucketsPerEntry * std::max<std::uint32_t>(entry_count, 1)) {
    Fail(error, DictionaryError::kBadLayout);
    return std::nullopt;
  }
  if (buckets_offset < kHeaderSize || entries_offset < buckets_offset + buckets_bytes ||
      pool_offset < entries_offset + entries_bytes) {
    Fail(error, DictionaryError::kBadLayout);
    return std::nullopt;
  }
  if (std::uint64_t{pool_offset} + pool_bytes > file_size) {
    Fail(error, DictionaryError::kTruncated);
    return std::nullopt;
  }

  DictionaryFile file;
  file.buckets_.resize(std::size_t{bucket_count} + 1);
  for (std::uint32_t b = 0; b <= bucket_count; ++b) {
    file.buckets_[b] = ReadU32(bytes, buckets_offset + std::size_t{b} * 4);
    if ((b == 0 && file.buckets_[b] != 0) || (b > 0 && file.buckets_[b] < file.buckets_[b - 1]) ||
        file.buckets_[b] > entry_count) {
      Fail(error, DictionaryError::kBadLayout);
      return std::nullopt;
    }
  }
  if (file.buckets_.back() != entry_count) {
    Fail(error, DictionaryError::kBadLayout);
    return std::nullopt;
  }

  file.pool_.resize(pool_size);
  for (std::uint32_t i = 0; i < pool_size; ++i) {
    const std::size_t at = pool_offset + std::size_t{i} * 2;
    file.pool_[i] = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
  }

  file.entries_.resize(entry_count);
  std::uint32_t bucket = 0;
  for (std::uint32_t i = 0; i < entry_count; ++i) {
    const std::size_t at = entries_offset + std::size_t{i} * kEntrySize;
    Entry& entry = file.entries_[i];
    entry = {ReadU32(bytes, at), ReadU32(bytes, at + 4), ReadU32(bytes, at + 8),
             ReadU32(bytes, at + 12), ReadU32(bytes, at + 16)};
    const bool in_pool = std::uint64_t{entry.key_offset} + entry.key_length <= pool_size &&
                         std::uint64_t{entry.value_offset} + entry.value_length <= pool_size;
    if (!in_pool) {
      Fail(error, DictionaryError::kBadEntry);
      return std::nullopt;
    }
    while (file.buckets_[bucket + 1] <= i) {
      ++bucket;
    }
    const WideStringView key = file.PoolText(entry.key_offset, entry.key_length);
    const WideStringView value = file.PoolText(entry.value_offset, entry.value_length);
    if (entry.hash != DictionaryKeyHash(key) || (entry.hash & (bucket_count - 1)) != bucket ||
        key.find(u'\0') != WideStringView::npos || value.find(u'\0') != WideStringView::npos) {
      Fail(error, DictionaryError::kBadEntry);
      return std::nullopt;
    }
  }
  return file;
}

std::optional<DictionaryFile> DictionaryFile::Load(const WideString& path, DictionaryError* error) {
  std::error_code ec;
  const std::filesystem::path file_path(path);
  const std::uintmax_t size = std::filesystem::file_size(file_path, ec);
  if (ec) {
    Fail(error, DictionaryError::kUnreadable);
    return std::nullopt;
  }
  if (size > kMaxDictionaryFileSize) {
    Fail(error, DictionaryError::kTooLarge);
    return std::nullopt;
  }
  std::ifstream in(file_path, std::ios::binary);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
    Fail(error, DictionaryError::kUnreadable);
    return std::nullopt;
  }
  return Parse(bytes, error);
}

std::optional<WideStringView> DictionaryFile::Find(WideStringView key) const {
  const std::uint32_t hash = DictionaryKeyHash(key);
  const std::size_t bucket = hash & (buckets_.size() - 2);
  for (std::uint32_t i = buckets_[bucket]; i < buckets_[bucket + 1]; ++i) {
    const Entry& entry = entries_[i];
    if (entry.hash == hash && PoolText(entry.key_offset, entry.key_length) == key) {
      return PoolText(entry.value_offset, entry.value_length);
    }
  }
  return std::nullopt;
}

std::vector<DictionaryEntry> DictionaryFile::Entries() const {
  std::vector<DictionaryEntry> result;
  result.reserve(entries_.size());
  for (const Entry& entry : entries_) {
    result.push_back({WideString(PoolText(entry.key_offset, entry.key_length)),
                      WideString(PoolText(entry.value_offset, entry.value_length))});
  }
  return result;
}

}  // namespace kova
