#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>

#include "ipc/posted_reply_callback_win.h"
#include "ipc/send_message.h"
#include "loopback/loopback_connection.h"
#include "serial/auto_ptr.h"
#include "serial/simple_serializable.h"

namespace kova {
namespace {

constexpr UINT kReplyMessage = WM_APP + 17;

struct Received {
  DWORD thread = 0;
  TarnULong code = 0;
  TarnULong param = 1;
  bool arrived = false;
};

LRESULT CALLBACK ReplyWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kReplyMessage) {
    auto* received = reinterpret_cast<Received*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    CAutoTarnPtr<CTarnMessageBase> reply(reinterpret_cast<CTarnMessageBase*>(lparam));
    received->thread = GetCurrentThreadId();
    received->code = reply->GetCode();
    received->param = reply->GetParam();
    received->arrived = true;
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// A message-only window of this thread with its class, destroyed with the test.
class ReplyWindow {
 public:
  explicit ReplyWindow(Received* received) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = ReplyWindowProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"KovaReplyWindow";
    RegisterClassW(&window_class);
    window_ = CreateWindowExW(0, L"KovaReplyWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              window_class.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(received));
  }
  ~ReplyWindow() {
    if (window_)
      DestroyWindow(window_);
    UnregisterClassW(L"KovaReplyWindow", GetModuleHandleW(nullptr));
  }
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

TEST(PostedReply, ReplyIsPostedToTheUiThreadsWindow) {
  Received received;
  ReplyWindow window(&received);
  ASSERT_NE(window.get(), nullptr);

  loopback::LoopbackConnection connection;
  CAutoTarnPtr<CSimpleInt> payload(new CSimpleInt(5));
  CAutoTarnPtr<CTarnMessageBase> request(new CTarnMessageBase(31, 2, payload.get()));
  ASSERT_EQ(TarnPostMessage(&connection, request.get(),
                            new CTarnPostedReplyCallback(window.get(), kReplyMessage)),
            0);

  // The message loop of the UI thread, bounded by a timer.
  const UINT_PTR timer = SetTimer(window.get(), 1, 5000, nullptr);
  MSG msg;
  while (!received.arrived && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.wParam == timer)
      break;
    DispatchMessageW(&msg);
  }
  KillTimer(window.get(), timer);
  connection.WaitForReplies();

  ASSERT_TRUE(received.arrived);
  EXPECT_EQ(received.thread, GetCurrentThreadId());
  EXPECT_EQ(received.code, 31u);
  EXPECT_EQ(received.param, 0u);
}

// Bytes in use on every heap of the process.
std::size_t HeapBytesInUse() {
  HANDLE heaps[256];
  const DWORD count = GetProcessHeaps(256, heaps);
  std::size_t total = 0;
  for (DWORD i = 0; i < count && i < 256; ++i) {
    if (!HeapLock(heaps[i])) {
      continue;
    }
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
        total += entry.cbData;
      }
    }
    HeapUnlock(heaps[i]);
  }
  return total;
}

// Posts `count` requests whose replies go to a window that was destroyed before they
// were sent; answers whether any reply message reached this thread.
bool PostRepliesToADestroyedWindow(int count) {
  HWND gone = nullptr;
  {
    Received unused;
    ReplyWindow window(&unused);
    gone = window.get();
  }
  EXPECT_FALSE(IsWindow(gone));
  {
    loopback::LoopbackConnection connection;
    for (int i = 0; i < count; ++i) {
      CAutoTarnPtr<CSimpleInt> payload(new CSimpleInt(i));
      CAutoTarnPtr<CTarnMessageBase> request(new CTarnMessageBase(7, 0, payload.get()));
      EXPECT_EQ(TarnPostMessage(&connection, request.get(),
                                new CTarnPostedReplyCallback(gone, kReplyMessage)),
                0);
    }
    connection.WaitForReplies();
  }
  MSG msg;
  return PeekMessageW(&msg, nullptr, kReplyMessage, kReplyMessage, PM_REMOVE) != 0;
}

TEST(PostedReply, ReplyToAVanishedWindowIsReleased) {
  // The window is gone, so posting fails on the connection's thread and the callback
  // must release the reply itself: nothing arrives, and nothing stays allocated.
  EXPECT_FALSE(PostRepliesToADestroyedWindow(1));
  constexpr int kReplies = 400;
  const std::size_t before = HeapBytesInUse();
  EXPECT_FALSE(PostRepliesToADestroyedWindow(kReplies));
  const std::size_t after = HeapBytesInUse();
  const std::size_t kept = after > before ? after - before : 0;
  EXPECT_LT(kept, kReplies * sizeof(CTarnMessageBase) / 2)
      << "about " << kept / kReplies << " bytes kept per reply";
}

}  // namespace
}  // namespace kova
