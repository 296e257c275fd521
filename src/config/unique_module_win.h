// Owns one reference to a loaded module.
#pragma once

#include <windows.h>

#include <utility>

namespace kova {

class UniqueModule {
 public:
  UniqueModule() = default;
  explicit UniqueModule(HMODULE module) : module_(module) {}
  ~UniqueModule() { Reset(); }
  UniqueModule(UniqueModule&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
  UniqueModule& operator=(UniqueModule&& other) noexcept {
    if (this != &other) {
      Reset(std::exchange(other.module_, nullptr));
    }
    return *this;
  }
  UniqueModule(const UniqueModule&) = delete;
  UniqueModule& operator=(const UniqueModule&) = delete;

  HMODULE Get() const { return module_; }
  explicit operator bool() const { return module_ != nullptr; }

  // Frees the module held so far; answers what FreeLibrary answered (0 when empty).
  BOOL Reset(HMODULE module = nullptr) {
    BOOL freed = FALSE;
    if (module_ != nullptr) {
      freed = FreeLibrary(module_);
    }
    module_ = module;
    return freed;
  }

  // Loads by full path the way every product module is loaded.
  static UniqueModule Load(const wchar_t* path) {
    return UniqueModule(LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace kova
