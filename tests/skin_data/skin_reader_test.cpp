#include "skin/data/skin_reader.h"

#include <gtest/gtest.h>

#include "skin/data/skin_message.h"
#include "skin/data/skin_writer.h"
#include "skin_test_files.h"

namespace kova {
namespace {

using testing::BmpBytes;
using testing::RawArchive;
using testing::TextBytes;

std::vector<WideString>& Messages() {
  static std::vector<WideString> messages;
  return messages;
}

void RecordMessage(const WideString& text) {
  Messages().push_back(text);
}

class SkinReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Messages().clear();
    previous_ = SetSkinMessageHook(&RecordMessage);
  }
  void TearDown() override { SetSkinMessageHook(previous_); }

  static TMemoryStream File(const std::vector<uint8_t>& archive) {
    TMemoryStream archive_stream(archive);
    TMemoryStream file;
    CompressStream(archive_stream, file);
    file.SetPosition(0);
    return file;
  }

  const std::vector<SkinEntry> entries_ = {
      {"Skin.INI", TextBytes("[Form]\r\nTitle=Title.bmp\r\n")},
      {"Title.BMP", BmpBytes(4, 2, 0x00FF00)},
      {"empty.bmp", {}},
      {"Title.bmp", TextBytes("second")},
  };
  SkinMessageHook previous_ = nullptr;
};

TEST_F(SkinReaderTest, ReadsEveryFormatVersionAlike) {
  for (const int32_t version : kSkinFormatVersions) {
    SCOPED_TRACE(version);
    TMemoryStream file(MakeSkinFile(entries_, version));
    TSkinReader reader;
    ASSERT_TRUE(reader.Loadfromstream(file));
    EXPECT_EQ(reader.FormatVersion(), version);
    EXPECT_EQ(reader.FileList(),
              (std::vector<std::string>{"skin.ini", "title.bmp", "empty.bmp", "title.bmp"}));
    EXPECT_EQ(reader.Size(1), static_cast<int32_t>(entries_[1].data.size()));

    TMemoryStream entry;
    reader.readfile("TITLE.bmp", entry);  // first of two equal names
    EXPECT_EQ(entry.Data(), entries_[1].data);
    EXPECT_EQ(entry.Position(), 0);
    reader.readfile("skin.ini", entry);
    EXPECT_EQ(entry.Data(), entries_[0].data);
    reader.readfile("missing.bmp", entry);
    EXPECT_EQ(entry.Size(), 0);
  }
  EXPECT_TRUE(Messages().empty());
}

// The descriptive block each version carries between the header and the names; the
// archives are laid out here byte by byte, not through the writer.
struct VersionBlock {
  int32_t version;
  int block;
};
constexpr VersionBlock kVersionBlocks[] = {
    {20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69},
};

TEST_F(SkinReaderTest, SkipsTheDescriptiveBlockOfEachVersion) {
  for (const VersionBlock& v : kVersionBlocks) {
    SCOPED_TRACE(v.version);
    TMemoryStream file =
        File(RawArchive(v.version, v.block, "a.ini\r\nB.bmp\r\n", {3, 2}, TextBytes("[x]yz")));
    TSkinReader reader;
    ASSERT_TRUE(reader.Loadfromstream(file));
    EXPECT_EQ(reader.FileList(), (std::vector<std::string>{"a.ini", "b.bmp"}));
    TMemoryStream entry;
    reader.readfile("b.bmp", entry);
    EXPECT_EQ(entry.Data(), TextBytes("yz"));
  }
}

TEST(SkinWriterTest, WritesTheDescriptiveBlockOfEachVersionAsZeros) {
  for (const VersionBlock& v : kVersionBlocks) {
    SCOPED_TRACE(v.version);
    std::vector<uint8_t> expected;
    testing::PutInt32(expected, v.version);
    testing::PutInt32(expected, 14);  // name list size
    expected.resize(16 + v.block, 0);
    const std::string names = "a.ini\r\nB.bmp\r\n";
    expected.insert(expected.end(), names.begin(), names.end());
    const std::vector<uint8_t> sizes_and_data = {3, 0, 0, 0, 2, 0, 0, 0, '[', 'x', ']', 'y', 'z'};
    expected.insert(expected.end(), sizes_and_data.begin(), sizes_and_data.end());
    EXPECT_EQ(
        BuildSkinArchive({{"a.ini", TextBytes("[x]")}, {"B.bmp", TextBytes("yz")}}, v.version),
        expected);
  }
}

TEST_F(SkinReaderTest, ReadIniTakesTheFirstNameContainingThePart) {
  TMemoryStream file(
      MakeSkinFile({{"Logo.INI.bmp", TextBytes("pixels")}, {"skin.ini", TextBytes("[a]")}}, 30000));
  TSkinReader reader;
  ASSERT_TRUE(reader.Loadfromstream(file));
  TMemoryStream ini;
  std::string name = "unchanged";
  reader.readIni(".ini", ini, name);
  EXPECT_EQ(name, "logo.ini.bmp");
  EXPECT_EQ(ini.Data(), TextBytes("pixels"));

  name = "unchanged";
  reader.readIni(".cfg", ini, name);
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(ini.Size(), 0);
}

TEST_F(SkinReaderTest, NameListLinesEndAtCrLfCrOrLf) {
  const std::string names = "A.ini\rB.bmp\nC.bmp\r\nD.bmp";
  TMemoryStream file = File(RawArchive(20000, 0, names, {1, 1, 1, 1}, TextBytes("abcd")));
  TSkinReader reader;
  ASSERT_TRUE(reader.Loadfromstream(file));
  EXPECT_EQ(reader.FileList(), (std::vector<std::string>{"a.ini", "b.bmp", "c.bmp", "d.bmp"}));
  TMemoryStream entry;
  reader.readfile("d.bmp", entry);
  EXPECT_EQ(entry.Data(), TextBytes("d"));
}

TEST_F(SkinReaderTest, UnknownVersionShowsTheMessageAndFails) {
  TMemoryStream file = File(RawArchive(10000, 0, "a.ini\r\n", {0}, {}));
  TSkinReader reader;
  EXPECT_FALSE(reader.Loadfromstream(file));
  EXPECT_EQ(reader.LastStatus(), SkinReadStatus::kUnknownVersion);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], u"This is Older Skin File\rPlease update to new version !");
}

TEST_F(SkinReaderTest, InconsistentArchivesAreRefused) {
  std::string many;
  for (int i = 0; i < 1002; ++i) {
    many += "e" + std::to_string(i) + ".bmp\r\n";
  }
  struct Case {
    const char* name;
    std::vector<uint8_t> archive;
    SkinReadStatus status;
  };
  const Case cases[] = {
      {"short header", {0x20, 0x4E, 0, 0, 5}, SkinReadStatus::kTruncatedHeader},
      {"block past the end", RawArchive(30000, 100, "", {}, {}), SkinReadStatus::kTruncatedHeader},
      {"negative name list", RawArchive(20000, 0, "a\r\n", {1}, {1}, -5),
       SkinReadStatus::kBadNameList},
      {"name list past the end", RawArchive(20000, 0, "a\r\n", {}, {}, 1000),
       SkinReadStatus::kBadNameList},
      {"1002 names", RawArchive(20000, 0, many, std::vector<int32_t>(1002, 0), {}),
       SkinReadStatus::kTooManyEntries},
      {"size table cut", RawArchive(20000, 0, "a\r\nb\r\n", {1}, {}),
       SkinReadStatus::kTruncatedSizes},
      {"negative size", RawArchive(20000, 0, "a\r\nb\r\n", {-1, 2}, {1, 2}),
       SkinReadStatus::kNegativeSize},
      {"sizes past the end", RawArchive(20000, 0, "a\r\nb\r\n", {2, 0x7FFFFFFF}, {1, 2, 3}),
       SkinReadStatus::kSizesPastEnd},
  };
  for (const Case& c : cases) {
    TMemoryStream file = File(c.archive);
    TSkinReader reader;
    EXPECT_FALSE(reader.Loadfromstream(file)) << c.name;
    EXPECT_EQ(reader.LastStatus(), c.status) << c.name;
    EXPECT_EQ(reader.EntryCount(), 0) << c.name;
  }

  TMemoryStream bad_header(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 1, 2});
  TSkinReader reader;
  EXPECT_FALSE(reader.Loadfromstream(bad_header));
  EXPECT_EQ(reader.LastStatus(), SkinReadStatus::kBadCompression);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SkinReaderTest, HoldsExactly1001Entries) {
  std::vector<SkinEntry> entries;
  for (int i = 0; i < kMaxSkinEntries; ++i) {
    entries.push_back({"e" + std::to_string(i) + ".bmp", {static_cast<uint8_t>(i)}});
  }
  TMemoryStream file(MakeSkinFile(entries, 50000));
  TSkinReader reader;
  ASSERT_TRUE(reader.Loadfromstream(file));
  TMemoryStream entry;
  reader.readfile("E1000.BMP", entry);
  EXPECT_EQ(entry.Data(), (std::vector<uint8_t>{static_cast<uint8_t>(1000)}));

  entries.push_back({"one-too-many.bmp", {}});
  EXPECT_THROW(MakeSkinFile(entries, 50000), std::invalid_argument);
}

TEST_F(SkinReaderTest, BitmapsLoadOnlyForLowerCaseBmpExtensions) {
  TMemoryStream file(MakeSkinFile({{"Title.bmp", BmpBytes(3, 2, 0x0000FF)},
                                   {"broken.bmp", TextBytes("BM not really")},
                                   {"logo.png", TextBytes("png")}},
                                  40000));
  TSkinReader reader;
  ASSERT_TRUE(reader.Loadfromstream(file));
  struct Case {
    const char* value;
    bool loads;
  };
  const Case cases[] = {
      {"TITLE.bmp", true},
      {"C:\\skins\\title.bmp", true},
      {"title.BMP", false},
      {"title", false},
      {"", false},
      {"broken.bmp", false},
      {"missing.bmp", false},
      {"logo.png", false},
  };
  for (const Case& c : cases) {
    TBitmap bitmap(1, 1);
    EXPECT_EQ(ReadSkinBitmap(reader, c.value, bitmap), c.loads) << c.value;
    EXPECT_EQ(bitmap.Empty(), !c.loads) << c.value;
    if (c.loads) {
      EXPECT_EQ(bitmap.Width(), 3);
      EXPECT_EQ(bitmap.Pixel(2, 1), 0x0000FF);
    }
  }
}

TEST(SkinNamesTest, GetFileNameIsTheTextBeforeTheFirstDot) {
  EXPECT_EQ(GetFileName("skin.ini"), "skin");
  EXPECT_EQ(GetFileName("a.b.c"), "a");
  EXPECT_EQ(GetFileName(".hidden"), "");
  EXPECT_EQ(GetFileName("nodot"), "");
}

TEST(SkinStreamTest, RoundTripAndEmptyLength) {
  TMemoryStream skin(TextBytes("skin file bytes"));
  TMemoryStream stored;
  WriteSkinStream(stored, skin);
  stored.WriteInt32(0);  // a second, empty property
  stored.WriteBytes(TextBytes("next"));

  stored.SetPosition(0);
  TMemoryStream read(TextBytes("old"));
  ASSERT_TRUE(ReadSkinStream(stored, read));
  EXPECT_EQ(read.Data(), skin.Data());
  EXPECT_FALSE(ReadSkinStream(stored, read));
  EXPECT_EQ(read.Size(), 0);
  EXPECT_EQ(stored.Remaining(), 4);  // nothing was read past the length
}

TEST(SkinStreamTest, LengthBeyondTheStreamIsRefused) {
  TMemoryStream stored;
  stored.WriteInt32(0x7FFFFFF0);
  stored.WriteBytes(TextBytes("abc"));
  stored.SetPosition(0);
  TMemoryStream read(TextBytes("held"));
  EXPECT_THROW(ReadSkinStream(stored, read), EStreamError);
  EXPECT_EQ(read.Data(), TextBytes("held"));
}

}  // namespace
}  // namespace kova
