#include "frame/trace_win.h"

#include <windows.h>

namespace kova {

void Trace(const WideString& line) {
  if (GetEnvironmentVariableW(L"KOVA_TRACE", nullptr, 0) == 0) {
    return;
  }
  const std::string text = "KOVAMsg: " + WideToUtf8(line) + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

}  // namespace kova
