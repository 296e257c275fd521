#include "config/module_directory_win.h"

#include <vector>

#include "config/library_path.h"

namespace kova {

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

WideString ModuleDirectory(HMODULE module) {
  // Long paths are legal; grow until the whole name fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return WideString();
    }
    if (length < buffer.size()) {
      return DirectoryPart(WideStringView(FromWin(buffer.data()), length));
    }
    if (buffer.size() >= 32768) {
      return WideString();
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace kova
