// Exceptions never unwind through the platform's own frames. Window procedures, timer
// callbacks and hook procedures run their work through RunAtPlatformBoundary: an
// exception stops there and goes to the framework call that handed control to the
// platform (a modal loop, a window creation), which raises it again once the platform
// has returned. Raised where no such call is waiting, it is reported to the debugger and
// dropped, and the platform gets the callback's default answer.
#pragma once

#include <exception>
#include <utility>

namespace kova {

// Keeps |failure| for the innermost PlatformCallScope of this thread; the first one
// kept wins. Without a scope it is reported and dropped.
void KeepPlatformCallbackFailure(std::exception_ptr failure) noexcept;

// Runs |body|; answers false when it raised (the failure is kept as above).
template <class F>
bool RunAtPlatformBoundary(F&& body) noexcept {
  try {
    std::forward<F>(body)();
    return true;
  } catch (...) {
    KeepPlatformCallbackFailure(std::current_exception());
    return false;
  }
}

// Marks a framework call into the platform (a message loop, CreateWindowEx) on this
// thread. Callbacks that fail while it is the innermost one leave their failure here.
class PlatformCallScope {
 public:
  PlatformCallScope();
  ~PlatformCallScope();
  PlatformCallScope(const PlatformCallScope&) = delete;
  PlatformCallScope& operator=(const PlatformCallScope&) = delete;

  // Raises the first failure kept since the scope began (or since the last call).
  void RethrowPending();

 private:
  PlatformCallScope* outer_;
  std::exception_ptr pending_;

  friend void KeepPlatformCallbackFailure(std::exception_ptr failure) noexcept;
};

}  // namespace kova
