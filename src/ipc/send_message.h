// Sending messages to the service over the host's connection. A message travels in its
// flat form (class name, Code, Param, payload); replies are copied out of the
// connection's bytes, which stay the connection's own.
#pragma once

#include "ipc/host_interfaces.h"
#include "serial/message_base.h"

namespace kova {

// Sends without waiting; `callback` (may be null) receives the reply on a thread of
// the connection. Answers the connection's result; 0 without sending for a null
// message, TARN_E_FAIL without sending when there is no connection.
HostResult TarnPostMessage(ISendToIPCEx* connection, CTarnMessageBase* message,
                           ISendToIPCEx::IServerCallback* callback);

// Sends and waits for the reply: through Send when `timeout_ms` is 0, otherwise
// through SendWithTimeout. Stores the connection's result in *result (when not null)
// and answers the reply (one reference owned by the caller) when that result is 0;
// null otherwise. A null message answers null and leaves *result untouched.
CTarnMessageBase* TarnSendMessage(ISendToIPCEx* connection, CTarnMessageBase* message,
                                  HostULong timeout_ms, HostULong* result);

}  // namespace kova
