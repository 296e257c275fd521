#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>

#include "serial/archive.h"
#include "serial/value_io.h"
#include "test_bytes.h"

namespace kova {
namespace {

using testing::Hex;
using testing::U32;
using testing::WireString;

std::string Written(void (*write)(CTarnArchiveStream&)) {
  CTarnArchiveStream archive;
  archive.OpenForWrite();
  write(archive);
  archive.Close();
  return std::string(archive.Contents());
}

TEST(ArchiveValues, FixedSizeKindsAreLittleEndianOfTheirWireWidth) {
  struct Case {
    const char* name;
    void (*write)(CTarnArchiveStream&);
    std::string bytes;
  } cases[] = {
      {"byte", [](CTarnArchiveStream& a) { TarnWriteByte(a, 0xAB); }, Hex("AB")},
      {"bool", [](CTarnArchiveStream& a) { TarnWriteBool(a, true); }, Hex("01")},
      {"int", [](CTarnArchiveStream& a) { TarnWriteInt(a, -2); }, Hex("FE FF FF FF")},
      {"ulong", [](CTarnArchiveStream& a) { TarnWriteULong(a, 0x01020304); }, Hex("04 03 02 01")},
      {"uint64", [](CTarnArchiveStream& a) { TarnWriteUInt64(a, 0x0102030405060708ull); },
       Hex("08 07 06 05 04 03 02 01")},
      {"double", [](CTarnArchiveStream& a) { TarnWriteDouble(a, 1.0); },
       Hex("00 00 00 00 00 00 F0 3F")},
      {"empty string", [](CTarnArchiveStream& a) { TarnWriteString(a, u""); },
       Hex("01 00 00 00 00 00")},
      {"string", [](CTarnArchiveStream& a) { TarnWriteString(a, u"A\u00e9"); },
       Hex("03 00 00 00 41 00 E9 00 00 00")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Written(c.write), c.bytes) << c.name;
}

TEST(ArchiveValues, ValuesReadBackExactly) {
  CTarnArchiveStream archive;
  archive.OpenForWrite();
  const double tricky = std::bit_cast<double>(0x7FF8000000000123ull);  // a NaN payload
  TarnWriteBool(archive, true);
  TarnWriteDouble(archive, tricky);
  TarnWriteInt(archive, std::numeric_limits<std::int32_t>::min());
  TarnWriteUInt64(archive, ~0ull);
  TarnWriteString(archive, u"");
  TarnWriteString(archive, u"h\u00e9llo");
  archive.OpenForRead();

  bool flag = false;
  std::uint8_t flag_byte = 0;
  double d = 0;
  std::int32_t i = 0;
  std::uint64_t u = 0;
  WideString empty = u"x", text;
  EXPECT_TRUE(TarnReadBool(archive, flag));
  EXPECT_TRUE(flag);
  std::memcpy(&flag_byte, &flag, 1);
  EXPECT_EQ(flag_byte, 1);
  EXPECT_TRUE(TarnReadDouble(archive, d));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(d), 0x7FF8000000000123ull);
  EXPECT_TRUE(TarnReadInt(archive, i));
  EXPECT_EQ(i, std::numeric_limits<std::int32_t>::min());
  EXPECT_TRUE(TarnReadUInt64(archive, u));
  EXPECT_EQ(u, ~0ull);
  EXPECT_TRUE(TarnReadString(archive, empty));
  EXPECT_EQ(empty, u"");
  EXPECT_TRUE(TarnReadString(archive, text));
  EXPECT_EQ(text, u"h\u00e9llo");
  EXPECT_EQ(archive.Status, TARN_S_OK);

  // Past the end: every read fails and keeps its target.
  std::uint32_t kept = 77;
  EXPECT_FALSE(TarnReadULong(archive, kept));
  EXPECT_EQ(kept, 77u);
  EXPECT_EQ(archive.Status, TARN_E_FAIL);
  char byte;
  EXPECT_EQ(archive.Read(&byte, 1, 1), 0u);
}

TEST(ArchiveValues, HostileStringsFailAndKeepTheTarget) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"count 0", U32(0) + Hex("41 00")},
      {"count beyond the data", U32(3) + Hex("41 00 00 00")},
      {"4 billion units", U32(0xFFFFFFFF) + Hex("41 00")},
      {"truncated count", Hex("05 00")},
      {"nothing", ""},
  };
  for (const Case& c : cases) {
    CTarnArchiveStream archive(c.bytes.data(), static_cast<TarnULong>(c.bytes.size()));
    archive.OpenForRead();
    WideString text = u"kept";
    EXPECT_FALSE(TarnReadString(archive, text)) << c.name;
    EXPECT_EQ(text, u"kept") << c.name;
    EXPECT_EQ(archive.Status, TARN_E_FAIL) << c.name;
  }
}

TEST(ArchiveValues, StringEndsAtTheFirstZeroUnit) {
  const std::string bytes = U32(4) + Hex("61 00 00 00 62 00 00 00");
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  archive.OpenForRead();
  WideString text;
  EXPECT_TRUE(TarnReadString(archive, text));
  EXPECT_EQ(text, u"a");
}

TEST(ArchiveStream, OneGetAndOnePutPositionForItsLife) {
  CTarnArchiveStream archive;
  archive.OpenForWrite();
  TarnWriteULong(archive, 1);
  archive.Close();
  archive.OpenForWrite();
  TarnWriteULong(archive, 2);
  archive.Close();
  EXPECT_EQ(archive.Contents(), U32(1) + U32(2));

  archive.OpenForRead();
  std::uint32_t v = 0;
  EXPECT_TRUE(TarnReadULong(archive, v));
  EXPECT_EQ(v, 1u);
  archive.OpenForRead();  // continues where the last reading stopped
  EXPECT_TRUE(TarnReadULong(archive, v));
  EXPECT_EQ(v, 2u);
  EXPECT_EQ(archive.Contents(), U32(1) + U32(2));  // reading removes nothing
}

TEST(ArchiveStream, ClosedOrWrongWayOpenAndEmptyRequestsFail) {
  CTarnArchiveStream archive;
  const std::uint32_t v = 5;
  EXPECT_EQ(archive.Write(&v, 4, 1), 0u);  // closed
  archive.OpenForWrite();
  EXPECT_EQ(archive.Write(&v, 4, 0), 0u);  // empty
  EXPECT_EQ(archive.Write(&v, 2, 2), 4u);
  std::uint32_t out;
  EXPECT_EQ(archive.Read(&out, 4, 1), 0u);  // open for writing
  archive.OpenForRead();
  EXPECT_EQ(archive.Write(&v, 4, 1), 0u);  // open for reading
  EXPECT_EQ(archive.Read(&out, 4, 1), 4u);
  EXPECT_EQ(out, 5u);
}

}  // namespace
}  // namespace kova
