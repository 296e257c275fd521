#include "ipc/reply_callback.h"

namespace kova {

void KOVA_HOSTCALL CTarnReplyCallback::OnResponse(const void* data, HostULong size) {
  Deliver(new CTarnMessageBase(data, data != nullptr ? size : 0));
  delete this;
}

void KOVA_HOSTCALL CTarnReplyCallback::OnCancelled() {
  delete this;
}

void CTarnFunctionReplyCallback::Deliver(CTarnMessageBase* reply) {
  if (receiver_) {
    receiver_(reply);
  } else {
    reply->Release();
  }
}

}  // namespace kova
