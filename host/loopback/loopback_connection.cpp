#include "loopback/loopback_connection.h"

#include <string_view>

#include "base/text.h"
#include "loopback/loopback_service.h"

namespace kova::loopback {

namespace {

constexpr HostResult kNoInterface = static_cast<HostResult>(0x80004002u);
constexpr HostResult kInvalidArg = static_cast<HostResult>(0x80070057u);

std::string_view Bytes(const void* data, HostULong size) {
  return data != nullptr ? std::string_view(static_cast<const char*>(data), size)
                         : std::string_view();
}

}  // namespace

LoopbackConnection::LoopbackConnection(LogSink sink) : sink_(std::move(sink)) {}

LoopbackConnection::~LoopbackConnection() {
  WaitForReplies();
}

std::vector<std::string> LoopbackConnection::CallLog() const {
  std::lock_guard lock(mutex_);
  return log_;
}

std::u16string LoopbackConnection::ServerName() const {
  std::lock_guard lock(mutex_);
  return server_name_;
}

void LoopbackConnection::SetSendResult(HostResult result) {
  std::lock_guard lock(mutex_);
  send_result_ = result;
}

void LoopbackConnection::WaitForReplies() {
  std::vector<std::thread> replies;
  {
    std::lock_guard lock(mutex_);
    replies.swap(replies_);
  }
  for (std::thread& reply : replies)
    reply.join();
}

void LoopbackConnection::Record(std::string line) {
  LogSink sink;
  {
    std::lock_guard lock(mutex_);
    log_.push_back(line);
    sink = sink_;
  }
  if (sink)
    sink(line);
}

HostResult KOVA_HOSTCALL LoopbackConnection::QueryInterface(const HostGuid& /*iid*/,
                                                            void** object) {
  Record("slot 1 QueryInterface");
  if (object == nullptr)
    return kInvalidArg;
  *object = nullptr;
  return kNoInterface;
}

// The host owns the connection; references are only counted.
HostULong KOVA_HOSTCALL LoopbackConnection::AddRef() {
  Record("slot 2 AddRef");
  std::lock_guard lock(mutex_);
  return ++references_;
}

HostULong KOVA_HOSTCALL LoopbackConnection::Release() {
  Record("slot 3 Release");
  std::lock_guard lock(mutex_);
  return references_ > 0 ? --references_ : 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::Connect() {
  Record("slot 4 Connect");
  std::lock_guard lock(mutex_);
  connected_ = true;
  return 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::IsConnected() {
  Record("slot 5 IsConnected");
  std::lock_guard lock(mutex_);
  return connected_ ? 1 : 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::SetServerName(const char16_t* name) {
  const std::u16string text = name != nullptr ? std::u16string(name) : std::u16string();
  Record("slot 6 SetServerName " + WideToUtf8(text));
  std::lock_guard lock(mutex_);
  server_name_ = text;
  return 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::Disconnect() {
  Record("slot 7 Disconnect");
  std::lock_guard lock(mutex_);
  connected_ = false;
  return 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::Send(const void* data, HostULong size,
                                                  const void** reply, HostULong* reply_size) {
  Record("slot 8 Send " + std::to_string(size) + " bytes");
  return Answer(data, size, reply, reply_size);
}

HostResult KOVA_HOSTCALL LoopbackConnection::Post(const void* /*data*/, HostULong size) {
  Record("slot 9 Post " + std::to_string(size) + " bytes");
  return 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::SendAsync(const void* data, HostULong size,
                                                       IServerCallback* callback) {
  Record("slot 10 SendAsync " + std::to_string(size) + " bytes");
  HostResult result;
  {
    std::lock_guard lock(mutex_);
    result = last_result_ = send_result_;
  }
  // The request's bytes belong to the caller only for the duration of this call.
  std::string request(Bytes(data, size));
  if (callback == nullptr)
    return result;
  std::thread reply([request = std::move(request), callback] {
    const std::string answer = AnswerRequest(request);
    callback->OnResponse(answer.data(), static_cast<HostULong>(answer.size()));
  });
  std::lock_guard lock(mutex_);
  replies_.push_back(std::move(reply));
  return result;
}

HostResult KOVA_HOSTCALL LoopbackConnection::CancelAsync() {
  Record("slot 11 CancelAsync");
  return 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::GetLastResult() {
  Record("slot 12 GetLastResult");
  std::lock_guard lock(mutex_);
  return last_result_;
}

HostResult KOVA_HOSTCALL LoopbackConnection::SetDefaultTimeout(HostULong milliseconds) {
  Record("slot 13 SetDefaultTimeout " + std::to_string(milliseconds) + " ms");
  return 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::Shutdown() {
  Record("slot 14 Shutdown");
  WaitForReplies();
  return 0;
}

HostResult KOVA_HOSTCALL LoopbackConnection::SendWithTimeout(const void* data, HostULong size,
                                                             const void** reply,
                                                             HostULong* reply_size,
                                                             HostULong timeout_ms) {
  Record("slot 15 SendWithTimeout " + std::to_string(size) + " bytes " +
         std::to_string(timeout_ms) + " ms");
  return Answer(data, size, reply, reply_size);
}

HostResult LoopbackConnection::Answer(const void* data, HostULong size, const void** reply,
                                      HostULong* reply_size) {
  std::string answer = AnswerRequest(Bytes(data, size));
  std::lock_guard lock(mutex_);
  last_reply_ = std::move(answer);
  if (reply != nullptr)
    *reply = last_reply_.data();
  if (reply_size != nullptr)
    *reply_size = static_cast<HostULong>(last_reply_.size());
  last_result_ = send_result_;
  return send_result_;
}

}  // namespace kova::loopback
