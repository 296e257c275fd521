// Replaces, for as long as the object lives, the address this program calls for one
// function it imports from a system library, so a test can see how the code under
// test calls the system.
#pragma once

#include <windows.h>

namespace kova::testing {

class ScopedImportPatch {
 public:
  ScopedImportPatch(const char* library, const char* function, void* replacement);
  ~ScopedImportPatch();
  ScopedImportPatch(const ScopedImportPatch&) = delete;
  ScopedImportPatch& operator=(const ScopedImportPatch&) = delete;

  bool Patched() const { return slot_ != nullptr; }
  // What the slot held before: the system's own function.
  void* Original() const { return original_; }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

}  // namespace kova::testing
