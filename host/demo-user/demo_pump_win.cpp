#include "demo_pump_win.h"

#include <windows.h>

#include <cstdio>
#include <thread>

namespace kova::demo {

void Print(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

namespace {

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    PumpMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

void PumpFor(std::chrono::milliseconds duration) {
  PumpUntil([] { return false; }, duration);
}

}  // namespace kova::demo
