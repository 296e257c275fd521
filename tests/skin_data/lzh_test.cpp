#include "skin/data/lzh.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace kova {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& data) {
  const std::vector<uint8_t> packed = CompressBytes(data);
  std::vector<uint8_t> unpacked;
  EXPECT_EQ(DecompressBytes(packed, unpacked), LzhStatus::kOk);
  return unpacked;
}

// Text that looks like an INI file mixed with binary pixels: compressible, with
// matches of every length and distances across the whole ring.
std::vector<uint8_t> SkinLikeData(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> data;
  while (data.size() < size) {
    switch (random() % 3) {
      case 0: {
        const std::string line = "Key" + std::to_string(random() % 50) + "=" +
                                 std::to_string(random() % 100000) + "\r\n";
        data.insert(data.end(), line.begin(), line.end());
        break;
      }
      case 1:
        data.insert(data.end(), 1 + random() % 200, static_cast<uint8_t>(random()));
        break;
      default:
        for (int i = random() % 64; i >= 0; --i) {
          data.push_back(static_cast<uint8_t>(random()));
        }
    }
  }
  data.resize(size);
  return data;
}

// Streams long enough for deep trees, tree rebuilds at the frequency limit and ties
// between equally long matches.
// Every draw is its own statement: the order in which a call's arguments are
// evaluated differs between compilers, and the pinned bytes must not.
std::vector<std::pair<std::string, std::vector<uint8_t>>> LongCases() {
  std::mt19937 random(21);
  auto draw = [&](unsigned range) { return static_cast<unsigned>(random() % range); };
  std::vector<std::pair<std::string, std::vector<uint8_t>>> cases;
  // INI lines, runs and pixel noise, as in a skin; long enough for tree rebuilds.
  std::vector<uint8_t> skin;
  while (skin.size() < 300000) {
    const unsigned kind = draw(3);
    if (kind == 0) {
      const unsigned key = draw(50);
      const unsigned value = draw(100000);
      const std::string line = "Key" + std::to_string(key) + "=" + std::to_string(value) + "\r\n";
      skin.insert(skin.end(), line.begin(), line.end());
    } else if (kind == 1) {
      const unsigned length = 1 + draw(200);
      skin.insert(skin.end(), length, static_cast<uint8_t>(draw(256)));
    } else {
      for (unsigned i = draw(64); i-- > 0;) {
        skin.push_back(static_cast<uint8_t>(draw(256)));
      }
    }
  }
  cases.emplace_back("skin-like text and pixels", skin);
  // Few byte values in short random runs: many equal frequencies, many matches of
  // the same length at different distances.
  std::vector<uint8_t> few_values;
  while (few_values.size() < 200000) {
    const unsigned length = 1 + draw(6);
    few_values.insert(few_values.end(), length, static_cast<uint8_t>(draw(4)));
  }
  cases.emplace_back("few values", few_values);
  std::vector<uint8_t> noise(100000);
  for (uint8_t& byte : noise) {
    byte = static_cast<uint8_t>(draw(256));
  }
  cases.emplace_back("noise", noise);
  return cases;
}

// FNV-1a, to pin a long stream without spelling it out.
uint64_t Digest(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 0xCBF29CE484222325u;
  for (const uint8_t byte : bytes) {
    hash = (hash ^ byte) * 0x100000001B3u;
  }
  return hash;
}

TEST(LzhTest, ThreeLiteralsGiveTheKnownStream) {
  EXPECT_EQ(CompressBytes(Bytes("abc")),
            (std::vector<uint8_t>{0x03, 0x00, 0x00, 0x00, 0xF6, 0xFB, 0xBD, 0xE0}));
}

TEST(LzhTest, EmptySourceCodesOneLiteralAndDecodesToNothing) {
  const std::vector<uint8_t> packed = CompressBytes({});
  // Size 0, then one literal code of the initial tree (at most 16 bits).
  ASSERT_GE(packed.size(), 5u);
  EXPECT_LE(packed.size(), 6u);
  EXPECT_EQ(std::vector<uint8_t>(packed.begin(), packed.begin() + 4),
            (std::vector<uint8_t>{0, 0, 0, 0}));
  std::vector<uint8_t> unpacked = {1, 2, 3};
  EXPECT_EQ(DecompressBytes(packed, unpacked), LzhStatus::kOk);
  EXPECT_TRUE(unpacked.empty());
}

TEST(LzhTest, RoundTripsGiveTheInputBack) {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> cases;
  cases.emplace_back("one byte", Bytes("x"));
  cases.emplace_back("all spaces", std::vector<uint8_t>(5000, ' '));
  std::vector<uint8_t> runs;
  for (int i = 0; i < 40; ++i) {
    runs.insert(runs.end(), 61 + i * 7, static_cast<uint8_t>('A' + i % 3));
    runs.push_back(static_cast<uint8_t>(i));
  }
  cases.emplace_back("runs longer than 60", runs);
  // Matches that overlap their own source by a few bytes, some across the ring's end.
  std::vector<uint8_t> periods;
  for (int period = 2; period <= 9; ++period) {
    for (int i = 0; i < 700; ++i) {
      periods.push_back(static_cast<uint8_t>('a' + (i % period) * period));
    }
  }
  cases.emplace_back("short periods", periods);
  std::vector<uint8_t> every_byte;
  for (int i = 0; i < 9000; ++i) {
    every_byte.push_back(static_cast<uint8_t>(i * 7919 % 256));
  }
  cases.emplace_back("every byte value over 4096", every_byte);
  // Enough symbols for the root frequency to reach 32768 several times, so the
  // tree is rebuilt in the middle of the stream.
  cases.emplace_back("tree rebuilds", SkinLikeData(300000, 7));

  for (const auto& [name, data] : cases) {
    EXPECT_EQ(RoundTrip(data), data) << name;
  }
}

// The packed bytes of long streams are pinned, so that faster coding keeps every
// choice of the match search and every step of the adaptive tree as they were.
TEST(LzhTest, LongStreamsKeepTheirExactBytes) {
  struct Expected {
    size_t size;
    uint64_t digest;
  };
  const Expected expected[] = {
      {96905, 0x056FC6AD4185E9CCu},
      {35789, 0x667EB38264B7A867u},
      {100181, 0x0AEE0123142018CBu},
  };
  const auto cases = LongCases();
  ASSERT_EQ(cases.size(), std::size(expected));
  for (size_t i = 0; i < cases.size(); ++i) {
    const auto& [name, data] = cases[i];
    SCOPED_TRACE(name);
    const std::vector<uint8_t> packed = CompressBytes(data);
    EXPECT_EQ(packed.size(), expected[i].size);
    EXPECT_EQ(Digest(packed), expected[i].digest);
    std::vector<uint8_t> unpacked;
    ASSERT_EQ(DecompressBytes(packed, unpacked), LzhStatus::kOk);
    EXPECT_EQ(unpacked, data);
  }
}

TEST(LzhTest, SpacesMatchThePrefilledRingFromTheFirstByte) {
  // 600 spaces are ten 60-byte matches; 600 distinct-ish bytes cannot be matched.
  const auto spaces = CompressBytes(std::vector<uint8_t>(600, ' '));
  std::mt19937 random(5);
  std::vector<uint8_t> letters(600);
  for (uint8_t& byte : letters) {
    byte = static_cast<uint8_t>(random());
  }
  EXPECT_LT(spaces.size(), 4u + 30u);
  EXPECT_GT(CompressBytes(letters).size(), 400u);
}

TEST(LzhTest, PackReportsTheBytesReadThroughCallbacks) {
  const std::vector<uint8_t> input = SkinLikeData(10000, 3);
  size_t offset = 0;
  std::vector<uint8_t> output;
  TLZH lzh;
  int32_t size = -1;
  lzh.LZHPack(
      size,
      [&](uint8_t* buffer, uint16_t count, uint16_t& got) {
        got = static_cast<uint16_t>(std::min<size_t>(count, input.size() - offset));
        std::memcpy(buffer, input.data() + offset, got);
        offset += got;
      },
      [&](const uint8_t* buffer, uint16_t count, uint16_t& put) {
        output.insert(output.end(), buffer, buffer + count);
        put = count;
      });
  EXPECT_EQ(size, 10000);
  EXPECT_EQ(lzh.codesize(), static_cast<int32_t>(output.size()));

  // Unpacking is told the size; no header is involved.
  std::vector<uint8_t> unpacked;
  offset = 0;
  lzh.LZHUnpack(
      10000,
      [&](uint8_t* buffer, uint16_t count, uint16_t& got) {
        got = static_cast<uint16_t>(std::min<size_t>(count, output.size() - offset));
        std::memcpy(buffer, output.data() + offset, got);
        offset += got;
      },
      [&](const uint8_t* buffer, uint16_t count, uint16_t& put) {
        unpacked.insert(unpacked.end(), buffer, buffer + count);
        put = count;
      });
  EXPECT_EQ(unpacked, input);
}

TEST(LzhTest, TruncatedStreamStillGivesTheStatedSize) {
  const std::vector<uint8_t> data = SkinLikeData(5000, 11);
  std::vector<uint8_t> packed = CompressBytes(data);
  packed.resize(packed.size() - 20);
  std::vector<uint8_t> unpacked;
  ASSERT_EQ(DecompressBytes(packed, unpacked), LzhStatus::kOk);
  ASSERT_EQ(unpacked.size(), data.size());
  // The part whose bits were all present is intact.
  EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, unpacked.begin()));
}

TEST(LzhTest, ImpossibleSizeHeadersAreRefused) {
  struct Case {
    const char* name;
    std::vector<uint8_t> packed;
    LzhStatus status;
  };
  const Case cases[] = {
      {"no header", {1, 0, 0}, LzhStatus::kMissingHeader},
      {"negative", {0xFF, 0xFF, 0xFF, 0xFF, 0x00}, LzhStatus::kNegativeSize},
      {"more than the bytes can hold",
       {0x10, 0x27, 0, 0, 0xF6, 0xFB, 0xBD},
       LzhStatus::kSizeTooLarge},
  };
  // 256 MiB + 1 with enough compressed bytes behind it to make that size possible.
  std::vector<uint8_t> big = {0x01, 0x00, 0x00, 0x10};
  big.resize(8 << 20, 0);
  for (const Case& c : cases) {
    std::vector<uint8_t> out = {9};
    EXPECT_EQ(DecompressBytes(c.packed, out), c.status) << c.name;
    EXPECT_TRUE(out.empty()) << c.name;
    EXPECT_STRNE(LzhStatusText(c.status), "") << c.name;
  }
  std::vector<uint8_t> out;
  EXPECT_EQ(DecompressBytes(big, out), LzhStatus::kSizeTooLarge);
}

TEST(LzhTest, CompressingIntoAUsedStreamLeavesNoStaleBytes) {
  TMemoryStream source(Bytes("abc"));
  TMemoryStream dest(std::vector<uint8_t>(100, 0xAA));
  CompressStream(source, dest);
  EXPECT_EQ(dest.Data(), CompressBytes(Bytes("abc")));
}

}  // namespace
}  // namespace kova
