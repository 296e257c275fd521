#include "forms/win/platform_boundary_win.h"

#include <windows.h>

#include <string>

#include "base/win/per_thread_win.h"

namespace kova {

namespace {

PlatformCallScope*& InnermostScope() {
  static PerThread<PlatformCallScope*> scopes;
  return scopes.Get();
}

void Report(const std::exception_ptr& failure) noexcept {
  std::string text = "KOVAMsg: a failure stopped at a platform callback";
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& e) {
    text += std::string(": ") + e.what();
  } catch (...) {
  }
  text += "\n";
  OutputDebugStringA(text.c_str());
}

}  // namespace

void KeepPlatformCallbackFailure(std::exception_ptr failure) noexcept {
  PlatformCallScope* scope = InnermostScope();
  if (scope != nullptr && scope->pending_ == nullptr) {
    scope->pending_ = std::move(failure);
    return;
  }
  Report(failure);
}

PlatformCallScope::PlatformCallScope() : outer_(InnermostScope()) {
  InnermostScope() = this;
}

PlatformCallScope::~PlatformCallScope() {
  InnermostScope() = outer_;
  if (pending_ != nullptr) {
    // Left by another exception before this one could be raised.
    Report(pending_);
  }
}

void PlatformCallScope::RethrowPending() {
  if (pending_ != nullptr) {
    std::rethrow_exception(std::exchange(pending_, nullptr));
  }
}

}  // namespace kova
