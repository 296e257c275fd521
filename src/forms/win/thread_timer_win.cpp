#include "forms/win/thread_timer_win.h"

#include <map>

namespace kova {

namespace {

thread_local std::map<UINT_PTR, std::function<void()>> t_ticks;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto it = t_ticks.find(id);
  if (it != t_ticks.end()) {
    // Copy: the tick may stop (and erase) its own timer.
    std::function<void()> tick = it->second;
    tick();
  }
}

}  // namespace

UINT_PTR StartThreadTimer(UINT interval_ms, std::function<void()> tick) {
  const UINT_PTR id = SetTimer(nullptr, 0, interval_ms, OnTimer);
  if (id != 0) {
    t_ticks[id] = std::move(tick);
  }
  return id;
}

void StopThreadTimer(UINT_PTR id) {
  if (id != 0) {
    KillTimer(nullptr, id);
    t_ticks.erase(id);
  }
}

}  // namespace kova
