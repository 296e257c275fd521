// A value per thread, kept in an ordinary static map rather than in thread_local
// storage: a thread_local with a destructor keeps its DLL loaded until the thread ends,
// so a host could never unload the library it loaded on its user-interface thread.
#pragma once

#include <windows.h>

#include <map>
#include <mutex>

namespace kova {

template <class T>
class PerThread {
 public:
  // The calling thread's value, made on first use. Map nodes never move, so the
  // reference stays valid until the value is erased or the map is destroyed.
  T& Get() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return values_[GetCurrentThreadId()];
  }

 private:
  std::mutex mutex_;
  std::map<DWORD, T> values_;
};

}  // namespace kova
