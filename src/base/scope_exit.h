// Runs a piece of clean-up when a scope is left, by its end or by an exception.
#pragma once

#include <utility>

namespace kova {

template <class F>
class ScopeExit {
 public:
  explicit ScopeExit(F action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  F action_;
};

}  // namespace kova
