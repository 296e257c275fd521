// The SendAsync callback of the dialogs: the reply arrives on a thread of the
// connection, where no window may be touched, so it is only posted to a window of the
// user-interface thread. That window receives `message` with the reply in lParam and
// owns it from then on (it must Release it).
#pragma once

#include <windows.h>

#include "ipc/reply_callback.h"

namespace kova {

class CTarnPostedReplyCallback final : public CTarnReplyCallback {
 public:
  CTarnPostedReplyCallback(HWND window, UINT message) : window_(window), message_(message) {}

 private:
  // A reply that cannot be posted (the window is gone) is released here.
  void Deliver(CTarnMessageBase* reply) override;

  HWND window_;
  UINT message_;
};

}  // namespace kova
