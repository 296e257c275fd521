#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace kova::bench {
namespace {

// Each block carries its size in front, so that delete knows what it gives back.
constexpr size_t kHeader = alignof(std::max_align_t);

std::atomic<size_t> held{0};
std::atomic<size_t> peak{0};
std::atomic<size_t> baseline{0};

void* Allocate(size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) {
    return nullptr;
  }
  *static_cast<size_t*>(block) = size;
  const size_t now = held.fetch_add(size, std::memory_order_relaxed) + size;
  size_t seen = peak.load(std::memory_order_relaxed);
  while (now > seen && !peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) {
  if (pointer == nullptr) {
    return;
  }
  void* block = static_cast<char*>(pointer) - kHeader;
  held.fetch_sub(*static_cast<size_t*>(block), std::memory_order_relaxed);
  std::free(block);
}

void* AllocateOrThrow(size_t size) {
  void* pointer = Allocate(size);
  if (pointer == nullptr) {
    throw std::bad_alloc();
  }
  return pointer;
}

}  // namespace

void ResetPeakAllocation() {
  const size_t now = held.load(std::memory_order_relaxed);
  baseline.store(now, std::memory_order_relaxed);
  peak.store(now, std::memory_order_relaxed);
}

size_t PeakAllocation() {
  return peak.load(std::memory_order_relaxed) - baseline.load(std::memory_order_relaxed);
}

}  // namespace kova::bench

void* operator new(size_t size) {
  return kova::bench::AllocateOrThrow(size);
}
void* operator new[](size_t size) {
  return kova::bench::AllocateOrThrow(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return kova::bench::Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  return kova::bench::Allocate(size);
}
void operator delete(void* pointer) noexcept {
  kova::bench::Release(pointer);
}
void operator delete[](void* pointer) noexcept {
  kova::bench::Release(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
  kova::bench::Release(pointer);
}
void operator delete[](void* pointer, size_t) noexcept {
  kova::bench::Release(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  kova::bench::Release(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  kova::bench::Release(pointer);
}
