#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#include "ipc/posted_reply_callback_win.h"
#include "ipc/send_message.h"
#include "loopback/loopback_connection.h"
#include "serial/auto_ptr.h"
#include "serial/simple_serializable.h"

// Every object this program allocates is counted while it lives, so a reply that is
// never released shows.
namespace {
std::atomic<std::ptrdiff_t> g_live_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  ++g_live_allocations;
  return block;
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* block) noexcept {
  if (block != nullptr) {
    --g_live_allocations;
    std::free(block);
  }
}
void operator delete[](void* block) noexcept {
  operator delete(block);
}
void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  operator delete(block);
}

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

// A window of this thread that was destroyed again.
HWND DestroyedWindow() {
  Received unused;
  const ReplyWindow window(&unused);
  return window.get();
}

// Sends `count` requests through a loopback connection, each with the callback that
// make_callback returns, and waits for every reply; answers how many more objects of
// this program are alive afterwards.
template <class MakeCallback>
std::ptrdiff_t ObjectsKeptBySending(int count, MakeCallback make_callback) {
  const std::ptrdiff_t before = g_live_allocations.load();
  {
    loopback::LoopbackConnection connection;
    for (int i = 0; i < count; ++i) {
      CAutoTarnPtr<CSimpleInt> payload(new CSimpleInt(i));
      CAutoTarnPtr<CTarnMessageBase> request(new CTarnMessageBase(7, 0, payload.get()));
      EXPECT_EQ(TarnPostMessage(&connection, request.get(), make_callback()), 0);
    }
    connection.WaitForReplies();
  }
  return g_live_allocations.load() - before;
}

TEST(PostedReply, ReplyToAVanishedWindowIsReleased) {
  // The window is gone, so posting fails on the connection's thread and the callback
  // must release the reply itself: nothing arrives, and no more objects stay alive than
  // when the receiver releases each reply.
  const HWND gone = DestroyedWindow();
  ASSERT_NE(gone, nullptr);
  ASSERT_FALSE(IsWindow(gone));
  const auto to_gone_window = [gone] { return new CTarnPostedReplyCallback(gone, kReplyMessage); };
  const auto released_at_once = [] {
    return new CTarnFunctionReplyCallback([](CTarnMessageBase* reply) { reply->Release(); });
  };
  // The first round pays for what is allocated once.
  ObjectsKeptBySending(20, to_gone_window);
  ObjectsKeptBySending(20, released_at_once);

  constexpr int kReplies = 400;
  const std::ptrdiff_t baseline = ObjectsKeptBySending(kReplies, released_at_once);
  const std::ptrdiff_t kept = ObjectsKeptBySending(kReplies, to_gone_window);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, kReplyMessage, kReplyMessage, PM_REMOVE));
  EXPECT_LT(kept - baseline, kReplies / 2)
      << "kept " << kept << " objects, " << baseline << " when released at once";
}

}  // namespace
}  // namespace kova
