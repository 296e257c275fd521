// The host's context object handed to KOVA_Initialize.
#pragma once

#include <functional>
#include <string>

#include "app_context/app_context.h"
#include "ipc/host_interfaces.h"

namespace kova::host {

enum class ContextMode {
  kNormal,            // hands out the connection
  kRefuseConnection,  // GetConnection fails
};

class HostContext final : public IHostContext {
 public:
  using Log = std::function<void(const std::string&)>;

  HostContext(ISendToIPCEx* connection, ContextMode mode, AppContextOptions app_context, Log log)
      : connection_(connection), mode_(mode), app_context_(app_context), log_(std::move(log)) {}

  HostResult KOVA_HOSTCALL QueryInterface(const HostGuid& iid, void** object) override;
  HostULong KOVA_HOSTCALL AddRef() override { return 2; }  // lives as long as the host
  HostULong KOVA_HOSTCALL Release() override { return 1; }
  HostResult KOVA_HOSTCALL GetConnection(ISendToIPCEx** connection) override;
  HostResult KOVA_HOSTCALL GetApplicationContext(void** application_context,
                                                 std::int32_t reserved) override;

 private:
  ISendToIPCEx* connection_;
  ContextMode mode_;
  AppContextOptions app_context_;
  Log log_;
};

}  // namespace kova::host
