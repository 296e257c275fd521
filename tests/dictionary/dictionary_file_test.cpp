#include "i18n/dictionary_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kova {
namespace {

std::vector<DictionaryEntry> SampleEntries() {
  return {
      {u"Desinstalación de %s", u"Uninstall %s"},
      {u"¿Deseas <b>activar ahora la protección firewall</b> de %s?",
       u"Do you want to <b>turn on the firewall protection</b> of %s now?"},
      {u"Cancelar", u"Cancel"},
      {u"Línea\r\ncon saltos", u"Line\r\nwith breaks"},
      {u"\U0001F600 emoji", u"\U0001F600 smile"},
  };
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

TEST(DictionaryFileTest, RoundTripFindsEveryKeyExactly) {
  const auto entries = SampleEntries();
  const auto bytes = WriteDictionary(entries);
  DictionaryError error = DictionaryError::kTruncated;
  const auto file = DictionaryFile::Parse(bytes, &error);
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(error, DictionaryError::kNone);
  EXPECT_EQ(file->size(), entries.size());
  for (const auto& entry : entries) {
    const auto found = file->Find(entry.key);
    ASSERT_TRUE(found.has_value()) << WideToUtf8(entry.key);
    EXPECT_EQ(*found, entry.value);
  }
  // Keys are exact: no case folding, trimming or partial matches.
  for (const WideString& miss :
       {WideString(u"cancelar"), WideString(u"Cancelar "), WideString(u"Cancela"),
        WideString(u"Desinstalación de "), WideString()}) {
    EXPECT_FALSE(file->Find(miss).has_value()) << WideToUtf8(miss);
  }
}

TEST(DictionaryFileTest, ManyEntriesAndEmptyDictionary) {
  std::vector<DictionaryEntry> entries;
  for (int i = 0; i < 5000; ++i) {
    entries.push_back(
        {Utf8ToWide("clave " + std::to_string(i)), Utf8ToWide("value " + std::to_string(i * 7))});
  }
  const auto file = DictionaryFile::Parse(WriteDictionary(entries));
  ASSERT_TRUE(file.has_value());
  for (int i = 0; i < 5000; i += 37) {
    EXPECT_EQ(*file->Find(entries[i].key), entries[i].value);
  }
  EXPECT_FALSE(file->Find(u"clave 5000").has_value());

  const auto empty = DictionaryFile::Parse(WriteDictionary({}));
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(empty->size(), 0u);
  EXPECT_FALSE(empty->Find(u"Cancelar").has_value());
}

TEST(DictionaryFileTest, RepeatedKeyKeepsTheLastValue) {
  const auto file =
      DictionaryFile::Parse(WriteDictionary({{u"Aceptar", u"Accept"}, {u"Aceptar", u"OK"}}));
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->size(), 1u);
  EXPECT_EQ(*file->Find(u"Aceptar"), u"OK");
}

TEST(DictionaryFileTest, TranslationOfTwoThousandCharacters) {
  const WideString long_value(2000, u'x');
  const auto file = DictionaryFile::Parse(WriteDictionary({{u"largo", long_value}}));
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(*file->Find(u"largo"), long_value);
}

// Header fields: magic 0, version 4, entries 8, buckets 12, bucket table 16, entry
// table 20, pool 24, pool size 28.
struct Damage {
  const char* name;
  void (*apply)(std::vector<std::uint8_t>&);
  DictionaryError expected;
};

TEST(DictionaryFileTest, RefusesDamagedFiles) {
  const auto good = WriteDictionary(SampleEntries());
  const Damage cases[] = {
      {"empty", [](auto& b) { b.clear(); }, DictionaryError::kTruncated},
      {"header cut", [](auto& b) { b.resize(20); }, DictionaryError::kTruncated},
      {"pool cut", [](auto& b) { b.resize(b.size() - 2); }, DictionaryError::kTruncated},
      {"magic", [](auto& b) { b[0] = 'X'; }, DictionaryError::kBadMagic},
      {"version", [](auto& b) { PutU32(b, 4, 2); }, DictionaryError::kBadVersion},
      {"huge entry count", [](auto& b) { PutU32(b, 8, 0xFFFFFFFF); }, DictionaryError::kTooLarge},
      {"huge bucket count", [](auto& b) { PutU32(b, 12, 0x80000000); }, DictionaryError::kTooLarge},
      {"huge pool", [](auto& b) { PutU32(b, 28, 0x7FFFFFFF); }, DictionaryError::kTooLarge},
      {"buckets not a power of two", [](auto& b) { PutU32(b, 12, 3); },
       DictionaryError::kBadLayout},
      {"tables overlap", [](auto& b) { PutU32(b, 20, 32); }, DictionaryError::kBadLayout},
      {"bucket index past entries", [](auto& b) { PutU32(b, 32 + 4, 99); },
       DictionaryError::kBadLayout},
      {"first bucket not at 0", [](auto& b) { PutU32(b, 32, 1); }, DictionaryError::kBadLayout},
      {"key outside pool",
       [](auto& b) {
         const std::uint32_t entries = b[20] | (b[21] << 8);
         PutU32(b, entries + 4, 0x10000);
       },
       DictionaryError::kBadEntry},
      {"wrong hash",
       [](auto& b) {
         const std::uint32_t entries = b[20] | (b[21] << 8);
         b[entries] ^= 0x55;
       },
       DictionaryError::kBadEntry},
      {"NUL inside a text",
       [](auto& b) {
         const std::uint32_t pool = b[24] | (b[25] << 8);
         const std::uint32_t entries = b[20] | (b[21] << 8);
         const std::uint32_t value_offset = b[entries + 12] | (b[entries + 13] << 8);
         b[pool + 2 * value_offset] = 0;
         b[pool + 2 * value_offset + 1] = 0;
       },
       DictionaryError::kBadEntry},
  };
  for (const Damage& damage : cases) {
    auto bytes = good;
    damage.apply(bytes);
    DictionaryError error = DictionaryError::kNone;
    EXPECT_FALSE(DictionaryFile::Parse(bytes, &error).has_value()) << damage.name;
    EXPECT_EQ(error, damage.expected) << damage.name;
  }
}

TEST(DictionaryFileTest, LoadReadsFilesAndRefusesMissingOnes) {
  const std::string path = ::testing::TempDir() + "kova_dictionary_test.kvd";
  const auto bytes = WriteDictionary(SampleEntries());
  {
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
  }
  const auto file = DictionaryFile::Load(Utf8ToWide(path));
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(*file->Find(u"Cancelar"), u"Cancel");
  std::remove(path.c_str());

  DictionaryError error = DictionaryError::kNone;
  EXPECT_FALSE(DictionaryFile::Load(Utf8ToWide(path), &error).has_value());
  EXPECT_EQ(error, DictionaryError::kUnreadable);
}

}  // namespace
}  // namespace kova
