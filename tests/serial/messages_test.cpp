#include <gtest/gtest.h>

#include "serial/auto_ptr.h"
#include "serial/message_base.h"
#include "serial/messages/msg_config.h"
#include "serial/messages/msg_mod_av_system_actions.h"
#include "serial/simple_serializable.h"
#include "serial/value_io.h"
#include "serial/wire_names.h"
#include "test_bytes.h"

namespace kova {
namespace {

using testing::Hex;
using testing::U32;
using testing::WireString;

std::string Payload(ITarnSerializable* object) {
  return TarnStoreToBytes(object);
}

TEST(MessageBase, HeaderOnlyMessageIs66Bytes) {
  CAutoTarnPtr<CTarnMessageBase> message(new CTarnMessageBase(5, 7, nullptr));
  const std::string bytes = TarnStoreToBytes(message.get());
  ASSERT_EQ(bytes.size(), 66u);
  EXPECT_EQ(bytes, WireString(u"class CTarnMessageBase") + Hex("05 00 00 00") +
                       Hex("07 00 00 00 00 00 00 00") + Hex("00 00 00 00"));
  EXPECT_EQ(bytes.substr(0, 4), Hex("17 00 00 00"));
}

TEST(MessageBase, PayloadIsTheFlatObject) {
  CAutoTarnPtr<CSimpleInt> five(new CSimpleInt(5));
  CAutoTarnPtr<CTarnMessageBase> message(new CTarnMessageBase(1, 0, five.get()));
  const std::string payload = Payload(five.get());
  ASSERT_EQ(payload.size(), 70u);
  EXPECT_EQ(message->PayloadBytes(), payload);
  EXPECT_EQ(TarnStoreToBytes(message.get()), WireString(wire_name::kMessageBase) + U32(1) +
                                                 Hex("00 00 00 00 00 00 00 00") + U32(70) +
                                                 payload);
  // Flattening does not consume the message.
  EXPECT_EQ(TarnStoreToBytes(message.get()), TarnStoreToBytes(message.get()));
}

TEST(MessageBase, ReplyConstructorAndPayload) {
  CAutoTarnPtr<CSimpleString> text(new CSimpleString(u"hi"));
  CAutoTarnPtr<CTarnMessageBase> sent(new CTarnMessageBase(9, 4, text.get()));
  const std::string bytes = TarnStoreToBytes(sent.get());

  CAutoTarnPtr<CTarnMessageBase> reply(
      new CTarnMessageBase(bytes.data(), static_cast<TarnULong>(bytes.size())));
  EXPECT_EQ(reply->GetCode(), 9u);
  EXPECT_EQ(reply->GetParam(), 4u);
  for (int i = 0; i < 2; ++i) {  // each call reads from the payload's first byte
    CAutoTarnPtr<ITarnSerializable> payload(reply->GetPayload());
    auto* got = dynamic_cast<CSimpleString*>(payload.get());
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got->GetValue(), u"hi");
  }

  CAutoTarnPtr<CTarnMessageBase> copy(new CTarnMessageBase());
  copy->CopyFrom(reply.get());
  EXPECT_EQ(copy->GetCode(), 9u);
  EXPECT_EQ(copy->GetParam(), 4u);
  EXPECT_EQ(copy->GetPayload(), nullptr);  // the payload is not copied
}

TEST(MessageBase, UnusableRepliesGiveAnEmptyMessage) {
  const std::string valid =
      TarnStoreToBytes(CAutoTarnPtr<CTarnMessageBase>(new CTarnMessageBase(5, 7, nullptr)).get());
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"another class", WireString(wire_name::kInt) + U32(5) + U32(7) + U32(0) + U32(0)},
      {"truncated header", valid.substr(0, 55)},
      {"payload size 4 billion", valid.substr(0, 62) + U32(0xFFFFFFFF) + "abc"},
      {"nothing", ""},
  };
  for (const Case& c : cases) {
    CAutoTarnPtr<CTarnMessageBase> reply(
        new CTarnMessageBase(c.bytes.data(), static_cast<TarnULong>(c.bytes.size())));
    EXPECT_EQ(reply->GetCode(), 0u) << c.name;
    EXPECT_EQ(reply->GetParam(), 0u) << c.name;
    EXPECT_EQ(reply->GetPayload(), nullptr) << c.name;
  }
  CAutoTarnPtr<CTarnMessageBase> null_reply(new CTarnMessageBase(nullptr, 100));
  EXPECT_EQ(null_reply->GetCode(), 0u);
}

TEST(MessageBase, UnknownPayloadClassGivesNull) {
  CAutoTarnPtr<CTarnMessageBase> message(new CTarnMessageBase(1, 0, nullptr));
  message->OpenForWrite();
  TarnWriteString(*message, u"class Nobody");
  message->Close();
  EXPECT_EQ(message->GetPayload(), nullptr);
  EXPECT_EQ(message->QueryInterface(IID_ITarnSerializable, nullptr), TARN_E_FAIL);
}

TEST(MsgConfig, ExampleBytes) {
  CAutoTarnPtr<CMsgConfig> config(new CMsgConfig());
  config->Header1 = 1;
  config->Header2 = 2;
  config->Header3 = 3;
  config->Header4 = 4;
  config->Header5 = 5;
  config->SetSetting(7, 101, u"1");
  EXPECT_EQ(TarnStoreToBytes(config.get()),
            WireString(u"class CMsgConfig") + U32(1) + U32(2) + U32(3) + U32(4) + U32(5) +
                Hex("01 00 00 00 07 00 00 00 65 00 00 00 02 00 00 00 31 00 00 00 00 00 00 00"));
}

TEST(MsgConfig, ObjectsRoundTripAndNullObjectsAreSkipped) {
  CAutoTarnPtr<CMsgConfig> config(new CMsgConfig());
  CAutoTarnPtr<CSimpleInt> a(new CSimpleInt(10));
  CAutoTarnPtr<CSimpleString> b(new CSimpleString(u"b"));
  config->SetObject(2, 20, b.get());
  config->SetObject(1, 10, a.get());
  config->SetObject(3, 30, nullptr);
  const std::string bytes = TarnStoreToBytes(config.get());
  EXPECT_EQ(bytes, WireString(wire_name::kMsgConfig) + std::string(20, '\0') + U32(0) + U32(2) +
                       U32(1) + U32(10) + Payload(a.get()) + U32(2) + U32(20) + Payload(b.get()));

  CAutoTarnPtr<CMsgConfig> loaded(new CMsgConfig());
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  TarnLoadFromArchive(archive, loaded.get());
  ASSERT_EQ(loaded->Objects().size(), 2u);
  EXPECT_EQ(loaded->Objects().at(2).first, 20u);
  EXPECT_EQ(dynamic_cast<CSimpleString*>(loaded->Objects().at(2).second)->GetValue(), u"b");
}

TEST(MsgConfig, LoadingCountsOfZeroDuplicatesAndHugeCounts) {
  const std::string head =
      WireString(wire_name::kMsgConfig) + U32(9) + U32(8) + U32(7) + U32(6) + U32(5);
  struct Case {
    const char* name;
    std::string bytes;
    std::map<TarnULong, pairTypeValue> settings;
  } cases[] = {
      {"count 0 keeps settings", head + U32(0) + U32(0), {{1, {1, u"old"}}}},
      {"later duplicate wins",
       head + U32(2) + U32(4) + U32(1) + WireString(u"x") + U32(4) + U32(2) + WireString(u"y") +
           U32(0),
       {{4, {2, u"y"}}}},
      {"huge count fails unchanged",
       head + U32(0xFFFFFFFF) + U32(4) + U32(1) + WireString(u"x"),
       {{1, {1, u"old"}}}},
  };
  for (const Case& c : cases) {
    CAutoTarnPtr<CMsgConfig> config(new CMsgConfig());
    config->SetSetting(1, 1, u"old");
    CTarnArchiveStream archive(c.bytes.data(), static_cast<TarnULong>(c.bytes.size()));
    TarnLoadFromArchive(archive, config.get());
    EXPECT_EQ(config->Settings(), c.settings) << c.name;
    EXPECT_EQ(config->Header1, 9) << c.name;
  }
}

TEST(MsgConfig, CopyFromTakesHeaders124AndSettings) {
  CAutoTarnPtr<CMsgConfig> source(new CMsgConfig());
  source->Header1 = 1;
  source->Header2 = 2;
  source->Header3 = 3;
  source->Header4 = 4;
  source->Header5 = 5;
  source->SetSetting(1, 2, u"v");
  CAutoTarnPtr<CSimpleInt> object(new CSimpleInt(1));
  source->SetObject(1, 1, object.get());
  CAutoTarnPtr<CMsgConfig> target(new CMsgConfig());
  target->CopyFrom(source.get());
  EXPECT_EQ(target->Header1, 1);
  EXPECT_EQ(target->Header2, 2u);
  EXPECT_EQ(target->Header3, 0u);
  EXPECT_EQ(target->Header4, 4u);
  EXPECT_EQ(target->Header5, 0u);
  EXPECT_EQ(target->Settings(), source->Settings());
  EXPECT_TRUE(target->Objects().empty());
}

TEST(MsgModAvSystemActions, BytesAndFirstDuplicateWins) {
  CAutoTarnPtr<CMsgModAvSystemActions> empty(new CMsgModAvSystemActions());
  EXPECT_EQ(TarnStoreToBytes(empty.get()),
            WireString(wire_name::kMsgModAvSystemActions) + std::string(8, '\0'));

  const std::string bytes = WireString(wire_name::kMsgModAvSystemActions) + U32(3) + U32(2) +
                            WireString(u"k") + WireString(u"first") + WireString(u"k") +
                            WireString(u"second");
  CAutoTarnPtr<CMsgModAvSystemActions> loaded(new CMsgModAvSystemActions());
  CTarnArchiveStream archive(bytes.data(), static_cast<TarnULong>(bytes.size()));
  TarnLoadFromArchive(archive, loaded.get());
  EXPECT_EQ(loaded->Header, 3u);
  ASSERT_EQ(loaded->Actions.size(), 1u);
  EXPECT_EQ(loaded->Actions.at(u"k"), u"first");

  CAutoTarnPtr<CMsgModAvSystemActions> copy(new CMsgModAvSystemActions());
  copy->CopyFrom(loaded.get());
  EXPECT_EQ(copy->Header, 3u);
  EXPECT_TRUE(copy->Actions.empty());
}

}  // namespace
}  // namespace kova
