// The IPC connection kova-host hands out: it logs every call the library makes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ipc/host_interfaces.h"

namespace kova::host {

class HostConnection {
 public:
  virtual ~HostConnection() = default;
  virtual ISendToIPCEx* get() = 0;
};

std::unique_ptr<HostConnection> MakeHostConnection(std::function<void(const std::string&)> log);

}  // namespace kova::host
