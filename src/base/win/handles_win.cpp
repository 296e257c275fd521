#include "base/win/handles_win.h"

#include <array>
#include <atomic>

namespace kova {

namespace {

std::array<std::atomic<int64_t>, static_cast<size_t>(HandleKind::kCount)> g_live{};

int64_t Sum(std::initializer_list<HandleKind> kinds) {
  int64_t total = 0;
  for (HandleKind k : kinds) {
    total += LiveHandles(k);
  }
  return total;
}

}  // namespace

namespace detail {
void CountHandle(HandleKind kind, int delta) {
  g_live[static_cast<size_t>(kind)].fetch_add(delta, std::memory_order_relaxed);
}
}  // namespace detail

int64_t LiveHandles(HandleKind kind) {
  return g_live[static_cast<size_t>(kind)].load(std::memory_order_relaxed);
}

int64_t LiveGdiObjects() {
  return Sum({HandleKind::kBitmap, HandleKind::kFont, HandleKind::kBrush, HandleKind::kPen,
              HandleKind::kRegion, HandleKind::kMemoryDC, HandleKind::kWindowDC});
}

int64_t LiveUserObjects() {
  return Sum({HandleKind::kWindow, HandleKind::kMenu, HandleKind::kIcon, HandleKind::kImageList});
}

int64_t LiveHandlesOfAllKinds() {
  int64_t total = 0;
  for (size_t k = 0; k < static_cast<size_t>(HandleKind::kCount); ++k) {
    total += LiveHandles(static_cast<HandleKind>(k));
  }
  return total;
}

}  // namespace kova
