// Callback objects for SendAsync. Each is made for one request with new, turns the
// reply bytes into a message on the connection's thread and deletes itself once the
// connection has called it.
#pragma once

#include <functional>

#include "ipc/host_interfaces.h"
#include "serial/message_base.h"

namespace kova {

class CTarnReplyCallback : public ISendToIPCEx::IServerCallback {
 public:
  // Builds the reply and hands it to Deliver, then deletes this object.
  void KOVA_HOSTCALL OnResponse(const void* data, HostULong size) final;
  // The request ended without a reply: nothing is delivered; deletes this object.
  void KOVA_HOSTCALL OnCancelled() final;

 protected:
  virtual ~CTarnReplyCallback() = default;
  // Receives the reply with one reference that the receiver now owns.
  virtual void Deliver(CTarnMessageBase* reply) = 0;
};

// Hands the reply to a function; the function owns the reference it is given. Runs on
// the connection's thread.
class CTarnFunctionReplyCallback final : public CTarnReplyCallback {
 public:
  explicit CTarnFunctionReplyCallback(std::function<void(CTarnMessageBase*)> receiver)
      : receiver_(std::move(receiver)) {}

 private:
  void Deliver(CTarnMessageBase* reply) override;

  std::function<void(CTarnMessageBase*)> receiver_;
};

}  // namespace kova
