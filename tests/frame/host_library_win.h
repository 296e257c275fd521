// KOVAMsg.dll of an installation, loaded and called as a host does: by its three
// C entries.
#pragma once

#include <windows.h>

#include <filesystem>

#include "config/sibling_interfaces.h"
#include "config/unique_module_win.h"

namespace kova::testing {

class HostLibrary {
 public:
  explicit HostLibrary(const std::filesystem::path& directory)
      : module_(LoadLibraryExW((directory / "KOVAMsg.dll").c_str(), nullptr,
                               LOAD_WITH_ALTERED_SEARCH_PATH)) {}
  bool Loaded() const { return static_cast<bool>(module_); }
  int Initialize() { return Entry<KovaInitializeFn>("_KOVA_Initialize")(nullptr); }
  int ShowForm(int id) { return Entry<KovaShowFormFn>("_KOVA_ShowForm")(id); }
  int Uninitialize() { return Entry<KovaUninitializeFn>("_KOVA_Uninitialize")(); }

 private:
  template <class Fn>
  Fn Entry(const char* name) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_.Get(), name)));
  }
  UniqueModule module_;
};

}  // namespace kova::testing
