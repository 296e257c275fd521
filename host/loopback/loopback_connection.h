// LoopbackConnection: an IPC connection whose far end is the loop-back service in the
// same process. Every slot call is recorded in order, so a host can print what the
// library did with its connection.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ipc/host_interfaces.h"

namespace kova::loopback {

class LoopbackConnection final : public ISendToIPCEx {
 public:
  using LogSink = std::function<void(const std::string&)>;

  // `sink` (may be empty) also receives each call-log line as it is recorded.
  explicit LoopbackConnection(LogSink sink = {});
  // Waits for the replies of SendAsync that are still on their way.
  ~LoopbackConnection();

  LoopbackConnection(const LoopbackConnection&) = delete;
  LoopbackConnection& operator=(const LoopbackConnection&) = delete;

  // One line per slot call, in call order, e.g. "slot 8 Send 66 bytes".
  std::vector<std::string> CallLog() const;
  // The name given by SetServerName.
  std::u16string ServerName() const;
  // The result every send answers from now on (0 by default). A non-zero result still
  // comes with reply bytes, as a failing service may send them.
  void SetSendResult(HostResult result);
  // Blocks until every SendAsync reply has been handed to its callback.
  void WaitForReplies();

  HostResult KOVA_HOSTCALL QueryInterface(const HostGuid& iid, void** object) override;
  HostULong KOVA_HOSTCALL AddRef() override;
  HostULong KOVA_HOSTCALL Release() override;
  HostResult KOVA_HOSTCALL Connect() override;
  HostResult KOVA_HOSTCALL IsConnected() override;
  HostResult KOVA_HOSTCALL SetServerName(const char16_t* name) override;
  HostResult KOVA_HOSTCALL Disconnect() override;
  // The reply bytes stay valid until the next Send or SendWithTimeout.
  HostResult KOVA_HOSTCALL Send(const void* data, HostULong size, const void** reply,
                                HostULong* reply_size) override;
  HostResult KOVA_HOSTCALL Post(const void* data, HostULong size) override;
  // Answers on a thread of its own; the callback (may be null) gets the reply there.
  HostResult KOVA_HOSTCALL SendAsync(const void* data, HostULong size,
                                     IServerCallback* callback) override;
  HostResult KOVA_HOSTCALL CancelAsync() override;
  HostResult KOVA_HOSTCALL GetLastResult() override;
  HostResult KOVA_HOSTCALL SetDefaultTimeout(HostULong milliseconds) override;
  HostResult KOVA_HOSTCALL Shutdown() override;
  HostResult KOVA_HOSTCALL SendWithTimeout(const void* data, HostULong size, const void** reply,
                                           HostULong* reply_size, HostULong timeout_ms) override;

 private:
  void Record(std::string line);
  HostResult Answer(const void* data, HostULong size, const void** reply, HostULong* reply_size);

  LogSink sink_;
  mutable std::mutex mutex_;
  std::vector<std::string> log_;
  std::u16string server_name_;
  std::string last_reply_;
  HostResult send_result_ = 0;
  HostResult last_result_ = 0;
  HostULong references_ = 1;
  bool connected_ = false;
  std::vector<std::thread> replies_;
};

}  // namespace kova::loopback
