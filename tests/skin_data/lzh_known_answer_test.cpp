// Streams whose bits were worked out from the code tables alone (initial adaptive tree,
// one update per symbol, the fixed position code), so that any decoder of the same
// format reads what this codec writes and the other way round.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/lzh.h"

namespace kova {
namespace {

struct KnownStream {
  const char* name;
  std::string text;
  std::vector<uint8_t> packed;
};

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::vector<KnownStream> KnownStreams() {
  const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  return {
      // "a" (literal 111101101), then length 9 (code 262: 10010010) at distance 1
      // (position 0: prefix 000, low bits 000000): the copy overlaps what it writes.
      {"run", std::string(10, 'a'), {0x0A, 0x00, 0x00, 0x00, 0xF6, 0xC9, 0x00, 0x00}},
      // "b" (111101110); the update swaps leaf 98 with the last leaf of weight one,
      // code 313 (length 60), which therefore takes the old code of "b" (111101110),
      // then position 0 (000 000000).
      {"length 60", std::string(61, 'b'), {0x3D, 0x00, 0x00, 0x00, 0xF7, 0x7B, 0x80, 0x00}},
      // 62 literals fill ring positions 4036..4095 and then 0..1; the last 8 bytes
      // repeat ring 4090..4095, 0, 1: length 8 (111111101) at position 7 (000 000111),
      // so the copy reads across the end of the ring into its start.
      {"match across the ring start",
       alphabet + alphabet.substr(54, 8),
       {0x46, 0x00, 0x00, 0x00, 0xDE, 0x6F, 0x77, 0xDB, 0xFE, 0x07, 0x07, 0x85, 0xC3,
        0xE2, 0x71, 0x79, 0xBC, 0xEE, 0x7F, 0x43, 0xA3, 0xD2, 0xE9, 0xF5, 0x3A, 0xBD,
        0x6E, 0xBF, 0x63, 0xB3, 0xDA, 0xED, 0xF7, 0x3B, 0xBD, 0xEE, 0xFF, 0x83, 0xC3,
        0xE2, 0xF1, 0xF9, 0x3C, 0xBE, 0x6F, 0x6F, 0xBB, 0xDF, 0xF0, 0xF8, 0xFC, 0xBE,
        0x7F, 0x4F, 0xAF, 0xDB, 0xEF, 0xF8, 0xFC, 0xFE, 0xBF, 0x7F, 0xCF, 0xEF, 0xFB,
        0xFE, 0x00, 0x02, 0x04, 0x06, 0x08, 0x0A, 0x0D, 0xFD, 0x03, 0x80}},
  };
}

TEST(LzhKnownAnswer, DecodesStreamsDerivedFromTheCodeTables) {
  for (const KnownStream& known : KnownStreams()) {
    SCOPED_TRACE(known.name);
    std::vector<uint8_t> text;
    ASSERT_EQ(DecompressBytes(known.packed, text), LzhStatus::kOk);
    EXPECT_EQ(std::string(text.begin(), text.end()), known.text);
  }
}

// Each stream takes the only (or nearest) earlier occurrence at its longest length,
// which is what the packer chooses too.
TEST(LzhKnownAnswer, PackerWritesTheSameStreams) {
  for (const KnownStream& known : KnownStreams()) {
    SCOPED_TRACE(known.name);
    EXPECT_EQ(CompressBytes(Bytes(known.text)), known.packed);
  }
}

}  // namespace
}  // namespace kova
