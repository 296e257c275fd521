// Timers of the calling thread without a window: the tick runs from the thread's
// message loop (any loop that dispatches messages, the modal one included).
#pragma once

#include <windows.h>

#include <functional>

namespace kova {

// Answers the timer's id, 0 when the platform refused.
UINT_PTR StartThreadTimer(UINT interval_ms, std::function<void()> tick);
void StopThreadTimer(UINT_PTR id);

}  // namespace kova
