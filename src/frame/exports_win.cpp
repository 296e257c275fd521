// The library's three exports. The host calls them on its user-interface thread and
// never overlaps them, so the current manager needs no lock.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "frame/form_manager_win.h"
#include "skin/apply/skin_manage_win.h"

namespace kova {
namespace {

std::unique_ptr<CMsg>& CurrentManager() {
  static std::unique_ptr<CMsg> manager;
  return manager;
}

}  // namespace
}  // namespace kova

// Exported under the names of KOVAMsg.def only.
extern "C" {

std::int32_t __cdecl KOVA_Initialize(kova::IHostContext* context) {
  std::unique_ptr<kova::CMsg> manager;
  try {
    manager = std::make_unique<kova::CMsg>(context);
  } catch (...) {
    // The manager that was current stays current.
    return 0;
  }
  // A second initialisation replaces the first manager; left alive it could never be
  // reached or released again.
  kova::CurrentManager() = std::move(manager);
  return 1;
}

std::int32_t __cdecl KOVA_ShowForm(std::int32_t form_id) {
  auto& current = kova::CurrentManager();
  if (!current) {
    return 1;
  }
  if (current->ShowForm(static_cast<std::uint32_t>(form_id)) != 0) {
    return 1;
  }
  current->GetCurrentDialog()->ShowModal();
  return 0;
}

std::int32_t __cdecl KOVA_Uninitialize() {
  kova::CurrentManager().reset();
  // The dialogs are gone: the skin manager's hooks and timer go now, on the host's
  // thread, rather than while the library is being unloaded.
  kova::FreeSkinManager();
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  return TRUE;
}

}  // extern "C"
