// The reference count every concrete serializable class shares: a new object holds one
// reference owned by its creator, and the count changes only atomically, so references
// may be taken and dropped on any thread.
#pragma once

#include <atomic>

#include "serial/interfaces.h"

namespace kova {

template <typename... Interfaces>
class TarnRefCounted : public Interfaces... {
 public:
  TarnULong AddRef() override { return RefCount.fetch_add(1, std::memory_order_relaxed) + 1; }

  TarnULong Release() override {
    const TarnULong remaining = RefCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (remaining == 0)
      delete this;
    return remaining;
  }

 protected:
  TarnRefCounted() = default;
  virtual ~TarnRefCounted() = default;

 private:
  std::atomic<TarnULong> RefCount{1};
};

}  // namespace kova
