#include "config/setup_registry_win.h"

#include <windows.h>

#include <array>

#include "base/win/handles_win.h"

namespace kova {
namespace {

// The product's setup is a 32-bit program and records its key in the 32-bit view of
// the registry. A 32-bit process sees that view by default; the 64-bit build asks
// for it so that both builds find the same installation.
#if defined(_WIN64)
constexpr REGSAM kSetupKeyAccess = KEY_READ | KEY_WOW64_32KEY;
#else
constexpr REGSAM kSetupKeyAccess = KEY_READ;
#endif

// A value read into a zero-filled buffer of 260 characters; the text is taken up to
// its first NUL and never beyond the buffer. A value that does not fit leaves the
// buffer empty.
WideString ReadSetupValue(const char16_t* name) {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, AsWin(kSetupKey), 0, kSetupKeyAccess, key.Receive()) !=
      ERROR_SUCCESS) {
    return WideString();
  }
  std::array<wchar_t, 260> buffer{};
  DWORD type = REG_SZ;
  DWORD size = sizeof(buffer);
  const LONG status = RegQueryValueExW(key.Get(), AsWin(name), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &size);
  if (status != ERROR_SUCCESS) {
    buffer.fill(0);
  }
  size_t length = 0;
  while (length < buffer.size() && buffer[length] != 0) {
    ++length;
  }
  return WideString(FromWin(buffer.data()), length);
}

}  // namespace

WideString GetSetupPath() {
  return ReadSetupValue(u"Path");
}
WideString GetSetupLanguage() {
  return ReadSetupValue(u"Language");
}

}  // namespace kova
