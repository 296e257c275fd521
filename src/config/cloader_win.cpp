#include "config/cloader_win.h"

#include "config/sibling_interfaces.h"

namespace kova {

bool CLoader::Load(const char16_t* path, std::int32_t argument, bool call_initialize) {
  module_ = UniqueModule::Load(AsWin(path));
  if (!module_) {
    return false;
  }
  return call_initialize ? CallInitialize(argument) : true;
}

bool CLoader::CallInitialize(std::int32_t argument) {
  if (!module_) {
    return false;
  }
  auto initialize = reinterpret_cast<KovaInitializeFn>(
      reinterpret_cast<void*>(GetProcAddress(module_.Get(), "_KOVA_Initialize")));
  if (initialize == nullptr) {
    return false;
  }
  return initialize(reinterpret_cast<void*>(static_cast<intptr_t>(argument))) != 0;
}

BOOL CLoader::Unload(bool call_uninitialize) {
  if (!module_) {
    return FALSE;
  }
  if (call_uninitialize) {
    auto uninitialize = reinterpret_cast<KovaUninitializeFn>(
        reinterpret_cast<void*>(GetProcAddress(module_.Get(), "_KOVA_Uninitialize")));
    if (uninitialize != nullptr) {
      uninitialize();
    }
  }
  return module_.Reset();
}

}  // namespace kova
