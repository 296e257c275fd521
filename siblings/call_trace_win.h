// A line on standard error for each entry a sibling module was called through, when
// KOVA_TRACE is set: how a host run shows that the library handed everything back.
#pragma once

#include <windows.h>

#include <string_view>

namespace kova::siblings {

inline void TraceCall(std::string_view line) {
  if (GetEnvironmentVariableW(L"KOVA_TRACE", nullptr, 0) == 0) {
    return;
  }
  DWORD written = 0;
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  WriteFile(error, "\n", 1, &written, nullptr);
}

}  // namespace kova::siblings
