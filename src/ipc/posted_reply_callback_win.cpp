#include "ipc/posted_reply_callback_win.h"

namespace kova {

void CTarnPostedReplyCallback::Deliver(CTarnMessageBase* reply) {
  if (!PostMessageW(window_, message_, 0, reinterpret_cast<LPARAM>(reply)))
    reply->Release();
}

}  // namespace kova
