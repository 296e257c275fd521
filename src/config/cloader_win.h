// Loads a product module for one user and frees it again (the resource library).
#pragma once

#include <windows.h>

#include <cstdint>

#include "config/unique_module_win.h"
#include "base/text.h"

namespace kova {

class CLoader {
 public:
  CLoader() = default;
  ~CLoader() { Unload(true); }
  CLoader(const CLoader&) = delete;
  CLoader& operator=(const CLoader&) = delete;

  // Loads the module by full path; with `call_initialize`, answers whether its
  // _KOVA_Initialize(argument) answered non-zero (the module stays loaded either way).
  bool Load(const char16_t* path, std::int32_t argument, bool call_initialize);
  // False when the module does not export _KOVA_Initialize or it answers 0.
  bool CallInitialize(std::int32_t argument);
  HMODULE GetHandle() const { return module_.Get(); }
  // Calls _KOVA_Uninitialize when asked and exported, then frees the module. Answers
  // what FreeLibrary answered, 0 when nothing was loaded.
  BOOL Unload(bool call_uninitialize);

 private:
  UniqueModule module_;
};

}  // namespace kova
