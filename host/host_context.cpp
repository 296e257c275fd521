#include "host_context.h"

namespace kova::host {

namespace {
constexpr HostResult kNoInterface = static_cast<HostResult>(0x80004002);
constexpr HostResult kFail = static_cast<HostResult>(0x80004005);
}  // namespace

HostResult KOVA_HOSTCALL HostContext::QueryInterface(const HostGuid&, void** object) {
  if (object != nullptr) {
    *object = nullptr;
  }
  return kNoInterface;
}

HostResult KOVA_HOSTCALL HostContext::GetConnection(ISendToIPCEx** connection) {
  if (mode_ == ContextMode::kRefuseConnection || connection == nullptr) {
    log_("context: GetConnection -> refused");
    return kFail;
  }
  *connection = connection_;
  log_("context: GetConnection -> 0");
  return 0;
}

HostResult KOVA_HOSTCALL HostContext::GetApplicationContext(void** application_context,
                                                            std::int32_t) {
  const HostResult result = static_cast<HostResult>(
      kova::host::GetApplicationContext(app_context_, log_, application_context));
  log_(result == 0 ? "context: GetApplicationContext -> 0"
                   : "context: GetApplicationContext -> refused");
  return result;
}

}  // namespace kova::host
