// The folder of the sibling module that contains the caller, with a trailing
// backslash: where each module finds its own data.
#pragma once

#include <windows.h>

#include <string>

namespace kova::siblings {

inline std::wstring ThisModuleDirectory() {
  HMODULE self = nullptr;
  // Any address inside this module names it; this function's copy lives in it.
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModuleDirectory), &self);
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return std::wstring();
    }
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace kova::siblings
