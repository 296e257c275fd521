// Writing skin files: the archive the reader expects, compressed as one LZH stream.
// Entry names are written as given; the descriptive block and the two reserved header
// words are zeros.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/streams.h"

namespace kova {

struct SkinEntry {
  std::string name;
  std::vector<uint8_t> data;
};

// The uncompressed archive. Raises std::invalid_argument for an unknown format
// version, more than 1001 entries, a name that is empty or holds a line break, or
// sizes beyond 32 bits.
std::vector<uint8_t> BuildSkinArchive(const std::vector<SkinEntry>& entries,
                                      int32_t format_version);

// The skin file: the archive behind the 4-byte size header, LZH compressed.
void WriteSkinFile(const std::vector<SkinEntry>& entries, int32_t format_version, TStream& dest);
std::vector<uint8_t> MakeSkinFile(const std::vector<SkinEntry>& entries, int32_t format_version);

}  // namespace kova
