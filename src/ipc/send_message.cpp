#include "ipc/send_message.h"

#include <vector>

#include "serial/value_io.h"

namespace kova {

namespace {

// The flat form with one spare byte after it that is never written, as the service's
// own senders lay it out.
std::vector<std::uint8_t> Flatten(CTarnMessageBase* message, HostULong* size) {
  *size = 0;
  TarnStoreToBuffer(message, nullptr, size);
  std::vector<std::uint8_t> buffer(std::size_t{*size} + 1, 0);
  TarnStoreToBuffer(message, buffer.data(), size);
  return buffer;
}

}  // namespace

HostResult TarnPostMessage(ISendToIPCEx* connection, CTarnMessageBase* message,
                           ISendToIPCEx::IServerCallback* callback) {
  if (message == nullptr)
    return 0;
  if (connection == nullptr)
    return static_cast<HostResult>(TARN_E_FAIL);
  HostULong size = 0;
  const std::vector<std::uint8_t> buffer = Flatten(message, &size);
  return connection->SendAsync(buffer.data(), size, callback);
}

CTarnMessageBase* TarnSendMessage(ISendToIPCEx* connection, CTarnMessageBase* message,
                                  HostULong timeout_ms, HostULong* result) {
  if (message == nullptr)
    return nullptr;
  HostResult outcome = static_cast<HostResult>(TARN_E_FAIL);
  const void* reply_data = nullptr;
  HostULong reply_size = 0;
  if (connection != nullptr) {
    HostULong size = 0;
    const std::vector<std::uint8_t> buffer = Flatten(message, &size);
    outcome = timeout_ms == 0 ? connection->Send(buffer.data(), size, &reply_data, &reply_size)
                              : connection->SendWithTimeout(buffer.data(), size, &reply_data,
                                                            &reply_size, timeout_ms);
  }
  if (result != nullptr)
    *result = static_cast<HostULong>(outcome);
  if (outcome != 0)
    return nullptr;
  return new CTarnMessageBase(reply_data, reply_data != nullptr ? reply_size : 0);
}

}  // namespace kova
