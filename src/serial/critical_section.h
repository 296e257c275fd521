// A re-entrant lock and its scoped guard. On Windows it is a real critical section;
// elsewhere a recursive mutex gives the same semantics (the owning thread may enter
// again and must leave as often as it entered).
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <mutex>
#endif

namespace kova {

class CCriticalSection {
 public:
#ifdef _WIN32
  CCriticalSection() {
    InitializeCriticalSection(&section_);
  }
  ~CCriticalSection() {
    DeleteCriticalSection(&section_);
  }
  void Enter() {
    EnterCriticalSection(&section_);
  }
  void Leave() {
    LeaveCriticalSection(&section_);
  }
#else
  CCriticalSection() = default;
  ~CCriticalSection() = default;
  void Enter() {
    mutex_.lock();
  }
  void Leave() {
    mutex_.unlock();
  }
#endif

  CCriticalSection(const CCriticalSection&) = delete;
  CCriticalSection& operator=(const CCriticalSection&) = delete;

 private:
#ifdef _WIN32
  CRITICAL_SECTION section_;
#else
  std::recursive_mutex mutex_;
#endif
};

// Enters the section for the lifetime of the guard.
class CAutoTarnActiveLock {
 public:
  explicit CAutoTarnActiveLock(CCriticalSection& section) : section_(section) { section_.Enter(); }
  ~CAutoTarnActiveLock() { section_.Leave(); }

  CAutoTarnActiveLock(const CAutoTarnActiveLock&) = delete;
  CAutoTarnActiveLock& operator=(const CAutoTarnActiveLock&) = delete;

 private:
  CCriticalSection& section_;
};

}  // namespace kova
