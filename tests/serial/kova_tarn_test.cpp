#include <gtest/gtest.h>

#include "json.h"
#include "samples.h"
#include "serial/factory.h"
#include "serial/value_io.h"
#include "serial/wire_names.h"
#include "tarn_json.h"
#include "test_bytes.h"

namespace kova {
namespace {

using testing::U32;
using testing::WireString;

TEST(KovaTarn, EveryRegisteredClassDecodesAndEncodesExactly) {
  std::size_t count = 0;
  const char16_t* const* names = TarnRegisteredClassNames(&count);
  for (std::size_t i = 0; i < count; ++i) {
    SCOPED_TRACE(WideToUtf8(names[i]));
    auto sample = testing::Sample(names[i]);
    const std::string bytes = TarnStoreToBytes(sample.get());
    tarn_json::Error error;
    const auto document = tarn_json::Decode(bytes, &error);
    ASSERT_TRUE(document) << error.offset << ": " << error.message;
    // Through the text form, as the tool's users do.
    const auto reparsed = json::Parse(json::Write(*document), nullptr);
    ASSERT_TRUE(reparsed);
    const auto encoded = tarn_json::Encode(*reparsed, &error);
    ASSERT_TRUE(encoded) << error.message;
    EXPECT_EQ(*encoded, bytes);
  }
}

TEST(KovaTarn, ReadableFieldsOfAMessage) {
  const std::string bytes = WireString(wire_name::kMessageBase) + U32(5) + std::string(8, '\0') +
                            U32(34) + WireString(u"class CSimpleSerializable<int>").substr(0, 30);
  // Payload size 34 but only 30 bytes follow: truncated at the payload.
  tarn_json::Error error;
  EXPECT_FALSE(tarn_json::Decode(bytes, &error));
  EXPECT_EQ(error.offset, 66u);

  const std::string text = json::Write(*tarn_json::Decode(bytes.substr(0, 62) + U32(0), nullptr));
  EXPECT_NE(text.find("\"class\": \"class CTarnMessageBase\""), std::string::npos) << text;
  EXPECT_NE(text.find("\"code\": 5"), std::string::npos) << text;
  EXPECT_NE(text.find("\"payload\": null"), std::string::npos) << text;
}

TEST(KovaTarn, ErrorsCarryTheOffsetWhereDecodingStopped) {
  const std::string list_head =
      WireString(wire_name::kObjectList) + U32(2) + WireString(wire_name::kInt) + U32(1);
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t offset;
    const char* message;
  } cases[] = {
      {"unknown class", list_head + WireString(u"class Nobody"), list_head.size(), "unknown class"},
      {"truncated value", WireString(wire_name::kInt) + "\x05", 66, "truncated"},
      {"trailing bytes", WireString(wire_name::kInt) + U32(5) + "xy", 70, "left after"},
      {"empty input", "", 0, "truncated"},
  };
  for (const Case& c : cases) {
    tarn_json::Error error;
    EXPECT_FALSE(tarn_json::Decode(c.bytes, &error)) << c.name;
    EXPECT_EQ(error.offset, c.offset) << c.name;
    EXPECT_NE(error.message.find(c.message), std::string::npos) << c.name << ": " << error.message;
  }
}

TEST(KovaTarn, UnreadablePayloadStaysRawAndEncodesBack) {
  const std::string payload = WireString(u"class Nobody") + U32(9);
  const std::string bytes = WireString(wire_name::kMessageBase) + U32(1) + std::string(8, '\0') +
                            U32(static_cast<std::uint32_t>(payload.size())) + payload;
  const auto document = tarn_json::Decode(bytes, nullptr);
  ASSERT_TRUE(document);
  ASSERT_NE(document->Find("payload_hex"), nullptr);
  EXPECT_EQ(*tarn_json::Encode(*document, nullptr), bytes);
}

TEST(KovaTarn, EncodeRefusesBadDocuments) {
  struct Case {
    const char* json;
    const char* message;
  } cases[] = {
      {R"({"class": "class Nobody"})", "unknown class"},
      {R"({"class": "class CSimpleSerializable<int>"})", "missing \"value\""},
      {R"({"class": "class CSimpleSerializable<int>", "value": 2147483648})", "out of range"},
      {R"({"class": "class CSimpleSerializable<unsigned char>", "value": 1.5})", "integer"},
      {R"({"class": "class CBasicSerializable", "data": "abc", "tag": 5})", "hex"},
      {R"({"class": "class CMsgConfig", "headers": [1], "settings": [], "objects": []})",
       "5 values"},
  };
  for (const Case& c : cases) {
    const auto document = json::Parse(c.json, nullptr);
    ASSERT_TRUE(document) << c.json;
    tarn_json::Error error;
    EXPECT_FALSE(tarn_json::Encode(*document, &error)) << c.json;
    EXPECT_NE(error.message.find(c.message), std::string::npos) << error.message;
  }
}

TEST(KovaTarnJson, StringsKeepEveryUnitAndMalformedTextIsRefused) {
  const auto value = json::Parse(R"(["a\u0000b\ud800", "caf\u00e9", "\u00e9t\u00e9"])", nullptr);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->items[0].text, WideString(u"a\0b", 3) + char16_t(0xD800));
  EXPECT_EQ(*json::Parse(json::Write(*value), nullptr)->items[0].text.rbegin(), char16_t(0xD800));

  for (const char* bad : {"", "[1,", "{\"a\" 1}", "\"open", "[01x]", "tru", "[1] 2"}) {
    json::ParseError error;
    EXPECT_FALSE(json::Parse(bad, &error)) << bad;
  }
  EXPECT_FALSE(json::Parse(std::string(1000, '[') + std::string(1000, ']'), nullptr));
}

TEST(KovaTarn, HexInputFiles) {
  EXPECT_EQ(tarn_json::BytesFromFile("01 0a\nFF"), std::string("\x01\x0a\xff", 3));
  EXPECT_EQ(tarn_json::BytesFromFile(std::string("\x01\x00", 2)), std::string("\x01\x00", 2));
  EXPECT_EQ(tarn_json::BytesFromFile("abc"), "abc");  // odd digit count: taken as bytes
}

}  // namespace
}  // namespace kova
