// Stored binary properties: the filer runs a component's writer and reader, and form
// descriptions carry the bytes as hexadecimal text.
#include "forms/classes/filer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/classes/component.h"

namespace kova {

// Holds any bytes ("Blob") and one 32-bit number ("Count", stored only when non-zero).
class TBlobHolder : public TComponent {
  KOVA_DECLARE_CLASS(TBlobHolder)

 public:
  using TComponent::TComponent;
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Blob",
        [this](TStream& s) {
          blob.resize(static_cast<size_t>(s.Size()));
          s.ReadBuffer(blob.data(), s.Size());
        },
        [this](TStream& s) { s.WriteBytes(blob); }, !blob.empty());
    filer.DefineBinaryProperty(
        "Count", [this](TStream& s) { count = s.ReadInt32(); },
        [this](TStream& s) { s.WriteInt32(count); }, count != 0);
  }

  std::vector<uint8_t> blob;
  int32_t count = 0;
};

const ClassInfo& TBlobHolder::StaticClass() {
  static const ClassInfo info("TBlobHolder", &TComponent::StaticClass(), {});
  return info;
}

namespace {

using Bytes = std::vector<uint8_t>;

TEST(FilerTest, HexTextDecodesWithBracesAndLineBreaks) {
  const struct {
    std::u16string text;
    Bytes bytes;
  } cases[] = {
      {u"", {}},
      {u"{}", {}},
      {u"00FFa0", {0x00, 0xFF, 0xA0}},
      {u"  {0A 1b\r\n  2C}\n", {0x0A, 0x1B, 0x2C}},
      {u"{\n  0102\n  03\n}", {0x01, 0x02, 0x03}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HexToBinary(c.text), c.bytes) << WideToUtf8(WideString(c.text));
  }
}

TEST(FilerTest, MalformedHexTextIsRefused) {
  const std::u16string cases[] = {u"0",  u"0G",   u"{00", u"00}", u"{0 0}",
                                  u"zz", u"00 1", u"{",   u"0x00"};
  for (const auto& text : cases) {
    EXPECT_THROW(HexToBinary(text), EFilerError) << WideToUtf8(WideString(text));
  }
}

TEST(FilerTest, EveryByteSurvivesHexText) {
  Bytes all(256);
  for (size_t i = 0; i < all.size(); ++i) {
    all[i] = static_cast<uint8_t>(i);
  }
  const std::u16string text = BinaryToHex(all);
  EXPECT_EQ(text.substr(0, 8), u"00010203");
  EXPECT_EQ(text.substr(text.size() - 4), u"FEFF");
  EXPECT_EQ(HexToBinary(text), all);
}

TEST(FilerTest, OnlyPropertiesWithDataAreWrittenAndTheyReadBack) {
  TBlobHolder empty(nullptr);
  EXPECT_TRUE(WriteBinaryProperties(empty).empty());

  TBlobHolder source(nullptr);
  source.blob = {1, 2, 3};
  source.count = 0x01020304;
  const std::vector<StoredBinaryProperty> stored = WriteBinaryProperties(source);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].name, "Blob");
  EXPECT_EQ(stored[0].data, (Bytes{1, 2, 3}));
  EXPECT_EQ(stored[1].name, "Count");
  EXPECT_EQ(stored[1].data, (Bytes{4, 3, 2, 1}));

  TBlobHolder target(nullptr);
  EXPECT_TRUE(DefinesBinaryProperty(target, "blob"));
  EXPECT_FALSE(DefinesBinaryProperty(target, "Tag"));
  EXPECT_TRUE(ReadBinaryProperty(target, "BLOB", stored[0].data));  // names ignore case
  EXPECT_TRUE(ReadBinaryProperty(target, stored[1].name, stored[1].data));
  EXPECT_EQ(target.blob, source.blob);
  EXPECT_EQ(target.count, source.count);
  EXPECT_FALSE(ReadBinaryProperty(target, "Other", stored[0].data));
}

TEST(FilerTest, ReaderThatFailsOrLeavesBytesRaisesNamingTheProperty) {
  const struct {
    Bytes data;
    std::string says;
  } cases[] = {
      {{1, 2}, "TBlobHolder.Count"},                            // too short for the number
      {{1, 2, 3, 4, 5, 6}, "2 stored bytes were left unread"},  // longer than it
  };
  for (const auto& c : cases) {
    TBlobHolder target(nullptr);
    try {
      ReadBinaryProperty(target, "Count", c.data);
      ADD_FAILURE() << "no error for " << c.data.size() << " bytes";
    } catch (const EFilerError& error) {
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find("TBlobHolder.Count"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace kova
