// The dictionary file "KOVADict.kvd": translations keyed by the exact source text.
//
// Layout (all integers unsigned 32-bit little-endian, text UTF-16LE):
//   header   magic "KVD\x1A", version, entry count, bucket count (a power of two),
//            offset of the bucket table, offset of the entry table, offset of the
//            text pool, text pool size in UTF-16 units
//   buckets  bucket count + 1 entry indexes: the entries of bucket b are
//            [buckets[b], buckets[b + 1])
//   entries  per entry: key hash, key offset, key length, value offset, value length
//            (offsets and lengths in UTF-16 units of the pool)
//   pool     the keys and values, without terminators
// A lookup hashes the key, picks its bucket and compares the few entries in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace kova {

inline constexpr std::uint32_t kDictionaryVersion = 1;
// Files above this size are refused before anything is allocated for them.
inline constexpr std::size_t kMaxDictionaryFileSize = 64u * 1024 * 1024;

struct DictionaryEntry {
  WideString key;
  WideString value;

  bool operator==(const DictionaryEntry&) const = default;
};

enum class DictionaryError {
  kNone,
  kTruncated,   // shorter than its header or its tables say
  kBadMagic,    // not a dictionary file
  kBadVersion,  // written by a newer tool
  kTooLarge,    // above kMaxDictionaryFileSize or counts beyond the file
  kBadLayout,   // tables overlap, are out of order or outside the file
  kBadEntry,    // an entry outside the pool, in the wrong bucket or holding a NUL
  kUnreadable,  // the file could not be read
};

std::string_view DictionaryErrorText(DictionaryError error);

// Hash of a key, shared by the writer and the reader.
std::uint32_t DictionaryKeyHash(WideStringView key);

// Serialises `entries`; on repeated keys the last one wins. Keys and values must not
// hold U+0000 (the reader refuses such files).
std::vector<std::uint8_t> WriteDictionary(const std::vector<DictionaryEntry>& entries);

// A validated dictionary held in memory.
class DictionaryFile {
 public:
  // Validates every table and entry; on failure answers nullopt and sets *error.
  static std::optional<DictionaryFile> Parse(std::span<const std::uint8_t> bytes,
                                             DictionaryError* error = nullptr);
  // Reads and parses a file (refusing files above kMaxDictionaryFileSize).
  static std::optional<DictionaryFile> Load(const WideString& path,
                                            DictionaryError* error = nullptr);

  // The translation of `key`, or nullopt. The view lives as long as this object.
  std::optional<WideStringView> Find(WideStringView key) const;

  std::size_t size() const { return entries_.size(); }
  // Entries in file order (grouped by bucket).
  std::vector<DictionaryEntry> Entries() const;

 private:
  struct Entry {
    std::uint32_t hash;
    std::uint32_t key_offset;
    std::uint32_t key_length;
    std::uint32_t value_offset;
    std::uint32_t value_length;
  };

  DictionaryFile() = default;

  WideStringView PoolText(std::uint32_t offset, std::uint32_t length) const {
    return WideStringView(pool_).substr(offset, length);
  }

  std::vector<std::uint32_t> buckets_;
  std::vector<Entry> entries_;
  WideString pool_;
};

}  // namespace kova
