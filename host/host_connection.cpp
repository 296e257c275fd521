#include "host_connection.h"

#include "forms/classes/text.h"

namespace kova::host {
namespace {

constexpr HostResult kNotConnected = static_cast<HostResult>(0x80004005);

// Logs each slot call; requests get no answer until a service is attached.
class LoggingConnection final : public ISendToIPCEx, public HostConnection {
 public:
  explicit LoggingConnection(std::function<void(const std::string&)> log) : log_(std::move(log)) {}
  ISendToIPCEx* get() override { return this; }

  HostResult QueryInterface(const HostGuid&, void** object) override {
    *object = nullptr;
    return kNotConnected;
  }
  HostULong AddRef() override { return 2; }
  HostULong Release() override { return 1; }
  HostResult Connect() override { return Log(4, "Connect"); }
  HostResult IsConnected() override { return Log(5, "IsConnected"); }
  HostResult SetServerName(const char16_t* name) override {
    return Log(6, "SetServerName(\"" + WideToUtf8(name ? name : u"") + "\")");
  }
  HostResult Disconnect() override { return Log(7, "Disconnect"); }
  HostResult Send(const void*, HostULong size, const void**, HostULong*) override {
    Log(8, "Send(" + std::to_string(size) + " bytes)");
    return kNotConnected;
  }
  HostResult Post(const void*, HostULong size) override {
    Log(9, "Post(" + std::to_string(size) + " bytes)");
    return kNotConnected;
  }
  HostResult SendAsync(const void*, HostULong size, IServerCallback*) override {
    Log(10, "SendAsync(" + std::to_string(size) + " bytes)");
    return kNotConnected;
  }
  HostResult CancelAsync() override { return Log(11, "CancelAsync"); }
  HostResult GetLastResult() override { return Log(12, "GetLastResult"); }
  HostResult SetDefaultTimeout(HostULong ms) override {
    return Log(13, "SetDefaultTimeout(" + std::to_string(ms) + ")");
  }
  HostResult Shutdown() override { return Log(14, "Shutdown"); }
  HostResult SendWithTimeout(const void*, HostULong size, const void**, HostULong*,
                             HostULong timeout_ms) override {
    Log(15, "SendWithTimeout(" + std::to_string(size) + " bytes, " + std::to_string(timeout_ms) +
                " ms)");
    return kNotConnected;
  }

 private:
  HostResult Log(int slot, const std::string& call) {
    log_("connection: slot " + std::to_string(slot) + " " + call);
    return 0;
  }
  std::function<void(const std::string&)> log_;
};

}  // namespace

std::unique_ptr<HostConnection> MakeHostConnection(std::function<void(const std::string&)> log) {
  return std::make_unique<LoggingConnection>(std::move(log));
}

}  // namespace kova::host
