#include "base/streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace kova {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(TMemoryStreamTest, ReadsWhatWasWrittenAndReportsShortReads) {
  TMemoryStream stream;
  stream.WriteBytes(Bytes("hello"));
  EXPECT_EQ(stream.Size(), 5);
  EXPECT_EQ(stream.Position(), 5);

  stream.SetPosition(1);
  char buffer[8] = {};
  EXPECT_EQ(stream.Read(buffer, 8), 4);
  EXPECT_EQ(std::string(buffer, 4), "ello");
  EXPECT_EQ(stream.Read(buffer, 8), 0);

  stream.SetPosition(3);
  EXPECT_THROW(stream.ReadBuffer(buffer, 3), EStreamError);
}

TEST(TMemoryStreamTest, SeekOriginsAndWritingPastTheEndFillsWithZeros) {
  TMemoryStream stream(Bytes("abc"));
  EXPECT_EQ(stream.Seek(-1, SeekOrigin::kEnd), 2);
  EXPECT_EQ(stream.Seek(-5, SeekOrigin::kCurrent), 0);  // clamped at the start
  stream.Seek(5, SeekOrigin::kBeginning);
  stream.WriteBytes(Bytes("z"));
  EXPECT_EQ(stream.Data(), (std::vector<uint8_t>{'a', 'b', 'c', 0, 0, 'z'}));
}

TEST(TMemoryStreamTest, SetSizeKeepsPositionInsideAndClearEmpties) {
  TMemoryStream stream(Bytes("abcdef"));
  stream.SetPosition(6);
  stream.SetSize(2);
  EXPECT_EQ(stream.Position(), 2);
  EXPECT_EQ(stream.Data(), Bytes("ab"));
  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Position(), 0);
}

TEST(TMemoryStreamTest, Int32IsLittleEndian) {
  TMemoryStream stream;
  stream.WriteInt32(-2);
  stream.WriteInt32(0x01020304);
  EXPECT_EQ(stream.Data(), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1}));
  stream.SetPosition(0);
  EXPECT_EQ(stream.ReadInt32(), -2);
  EXPECT_EQ(stream.ReadInt32(), 0x01020304);
  EXPECT_THROW(stream.ReadInt32(), EStreamError);
}

TEST(TMemoryStreamTest, CopyFromWithZeroCountCopiesTheWholeSource) {
  TMemoryStream source(Bytes("0123456789"));
  source.SetPosition(7);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(source, 0), 10);
  EXPECT_EQ(target.Data(), Bytes("0123456789"));

  source.SetPosition(2);
  TMemoryStream part;
  EXPECT_EQ(part.CopyFrom(source, 3), 3);
  EXPECT_EQ(part.Data(), Bytes("234"));
  EXPECT_THROW(part.CopyFrom(source, 100), EStreamError);
}

TEST(TMemoryStreamTest, LoadFromStreamTakesEverythingFromTheStart) {
  TMemoryStream source(Bytes("data"));
  source.SetPosition(3);
  TMemoryStream copy(Bytes("old content"));
  copy.LoadFromStream(source);
  EXPECT_EQ(copy.Data(), Bytes("data"));
  EXPECT_EQ(copy.Position(), 0);
}

class TFileStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() /
            ("kova_streams_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove(path_);
  }
  void TearDown() override { std::filesystem::remove(path_); }
  std::filesystem::path path_;
};

TEST_F(TFileStreamTest, CreateWriteThenReadBack) {
  {
    TFileStream file(path_, FileMode::kCreate);
    file.WriteBytes(Bytes("abcdef"));
    EXPECT_EQ(file.Size(), 6);
    file.SetPosition(2);
    char two[2];
    file.ReadBuffer(two, 2);
    EXPECT_EQ(std::string(two, 2), "cd");
  }
  TMemoryStream memory;
  memory.LoadFromFile(path_);
  EXPECT_EQ(memory.Data(), Bytes("abcdef"));
}

TEST_F(TFileStreamTest, ReadModeRefusesWritesAndMissingFilesRaise) {
  EXPECT_THROW(TFileStream(path_, FileMode::kOpenRead), EStreamError);
  EXPECT_THROW(TFileStream(path_, FileMode::kOpenWrite), EStreamError);
  TMemoryStream(Bytes("xyz")).SaveToFile(path_);
  TFileStream file(path_, FileMode::kOpenRead);
  EXPECT_EQ(file.Write("q", 1), 0);
  EXPECT_THROW(file.WriteBuffer("q", 1), EStreamError);
  EXPECT_EQ(file.Size(), 3);
}

TEST_F(TFileStreamTest, OpenWriteKeepsContentAndSetSizeTruncates) {
  TMemoryStream(Bytes("123456")).SaveToFile(path_);
  {
    TFileStream file(path_, FileMode::kOpenWrite);
    file.SetPosition(1);
    file.WriteBytes(Bytes("ab"));
    file.SetSize(4);
  }
  TMemoryStream memory;
  memory.LoadFromFile(path_);
  EXPECT_EQ(memory.Data(), Bytes("1ab4"));
}

}  // namespace
}  // namespace kova
