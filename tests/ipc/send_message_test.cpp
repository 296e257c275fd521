#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ipc/reply_callback.h"
#include "ipc/send_message.h"
#include "loopback/loopback_connection.h"
#include "loopback/loopback_service.h"
#include "serial/auto_ptr.h"
#include "serial/simple_serializable.h"
#include "serial/value_io.h"

namespace kova {
namespace {

using loopback::LoopbackConnection;

CAutoTarnPtr<CTarnMessageBase> Request(TarnULong code, TarnULong param, const char16_t* text) {
  CAutoTarnPtr<CSimpleString> payload(new CSimpleString(text));
  return CAutoTarnPtr<CTarnMessageBase>(new CTarnMessageBase(code, param, payload.get()));
}

WideString PayloadText(CTarnMessageBase* message) {
  CAutoTarnPtr<ITarnSerializable> payload(message->GetPayload());
  auto* text = dynamic_cast<CSimpleString*>(payload.get());
  return text ? text->GetValue() : u"<none>";
}

TEST(SendMessage, TimeoutChoosesTheSlotAndTheReplyEchoesThePayload) {
  struct Case {
    HostULong timeout;
    const char* logged;
  } cases[] = {{0, "slot 8 Send"}, {2500, "slot 15 SendWithTimeout"}};
  for (const Case& c : cases) {
    LoopbackConnection connection;
    auto request = Request(42, 7, u"ping \u00e9");
    const std::string flat = TarnStoreToBytes(request.get());
    HostULong result = 99;
    CAutoTarnPtr<CTarnMessageBase> reply(
        TarnSendMessage(&connection, request.get(), c.timeout, &result));
    ASSERT_NE(reply.get(), nullptr) << c.logged;
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(reply->GetCode(), 42u);
    EXPECT_EQ(reply->GetParam(), 0u);
    EXPECT_EQ(PayloadText(reply.get()), u"ping \u00e9");

    const auto log = connection.CallLog();
    ASSERT_EQ(log.size(), 1u);
    std::string expected = std::string(c.logged) + " " + std::to_string(flat.size()) + " bytes";
    if (c.timeout != 0)
      expected += " 2500 ms";
    EXPECT_EQ(log[0], expected);
  }
}

TEST(SendMessage, NullMessageSendsNothingAndLeavesTheResult) {
  LoopbackConnection connection;
  HostULong result = 1234;
  EXPECT_EQ(TarnSendMessage(&connection, nullptr, 0, &result), nullptr);
  EXPECT_EQ(result, 1234u);
  EXPECT_EQ(TarnPostMessage(&connection, nullptr, nullptr), 0);
  EXPECT_TRUE(connection.CallLog().empty());
}

TEST(SendMessage, FailedSendGivesNoReplyEvenWithReplyBytes) {
  LoopbackConnection connection;
  connection.SetSendResult(5);
  auto request = Request(1, 0, u"x");
  HostULong result = 0;
  EXPECT_EQ(TarnSendMessage(&connection, request.get(), 0, &result), nullptr);
  EXPECT_EQ(result, 5u);
  EXPECT_EQ(TarnSendMessage(nullptr, request.get(), 0, &result), nullptr);
  EXPECT_NE(result, 0u);
}

TEST(PostMessage, ReplyArrivesOnTheConnectionsThread) {
  LoopbackConnection connection;
  connection.SetServerName(u"TREMMSrvcPpal");
  auto request = Request(77, 1, u"async");
  std::atomic<bool> delivered = false;
  std::thread::id reply_thread;
  TarnULong code = 0, param = 1;
  WideString text;
  auto* callback = new CTarnFunctionReplyCallback([&](CTarnMessageBase* reply) {
    reply_thread = std::this_thread::get_id();
    code = reply->GetCode();
    param = reply->GetParam();
    text = PayloadText(reply);
    reply->Release();
    delivered = true;
  });
  EXPECT_EQ(TarnPostMessage(&connection, request.get(), callback), 0);
  connection.WaitForReplies();
  ASSERT_TRUE(delivered);
  EXPECT_NE(reply_thread, std::this_thread::get_id());
  EXPECT_EQ(code, 77u);
  EXPECT_EQ(param, 0u);
  EXPECT_EQ(text, u"async");

  const auto log = connection.CallLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "slot 6 SetServerName TREMMSrvcPpal");
  EXPECT_EQ(log[1].rfind("slot 10 SendAsync ", 0), 0u);
  EXPECT_EQ(connection.ServerName(), u"TREMMSrvcPpal");
}

TEST(LoopbackService, RequestThatIsNotAMessageGetsAFailedReply) {
  CAutoTarnPtr<CSimpleInt> not_a_message(new CSimpleInt(3));
  const std::string answer = loopback::AnswerRequest(TarnStoreToBytes(not_a_message.get()));
  CAutoTarnPtr<CTarnMessageBase> reply(
      new CTarnMessageBase(answer.data(), static_cast<TarnULong>(answer.size())));
  EXPECT_EQ(reply->GetParam(), TARN_E_FAIL);
  EXPECT_EQ(reply->GetPayload(), nullptr);
}

}  // namespace
}  // namespace kova
