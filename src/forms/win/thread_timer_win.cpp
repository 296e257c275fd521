#include "forms/win/thread_timer_win.h"

#include <map>

#include "base/win/per_thread_win.h"
#include "forms/win/platform_boundary_win.h"

namespace kova {

namespace {

using Ticks = std::map<UINT_PTR, std::function<void()>>;

// Thread timers belong to the thread that made them, and so do their ticks. Never
// destroyed: objects freed during the module's static destruction (its skin manager,
// with the timers of its windows) still stop their timers then.
Ticks& ThreadTicks() {
  static PerThread<Ticks>& ticks = *new PerThread<Ticks>;
  return ticks.Get();
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  Ticks& ticks = ThreadTicks();
  const auto it = ticks.find(id);
  if (it != ticks.end()) {
    // Copy: the tick may stop (and erase) its own timer.
    std::function<void()> tick = it->second;
    RunAtPlatformBoundary(tick);
  }
}

}  // namespace

UINT_PTR StartThreadTimer(UINT interval_ms, std::function<void()> tick) {
  const UINT_PTR id = SetTimer(nullptr, 0, interval_ms, OnTimer);
  if (id != 0) {
    ThreadTicks()[id] = std::move(tick);
  }
  return id;
}

void StopThreadTimer(UINT_PTR id) {
  if (id != 0) {
    KillTimer(nullptr, id);
    ThreadTicks().erase(id);
  }
}

}  // namespace kova
