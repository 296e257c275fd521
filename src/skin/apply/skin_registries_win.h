// What a manager shares with the managers of other modules of the process that joined
// it: the skinned windows, the skinned popup menus, the skin data objects and the
// hooked threads. Always there; a detached manager gets an empty set of its own.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "base/win/handles_win.h"
#include "skin/apply/skin_form_registry_win.h"
#include "skin/apply/win_skin_pop_menu_win.h"

namespace kova {

class TSkinData;

// A thread other than the manager's whose window events are hooked.
struct TSkinThread {
  UniqueHook FHook;
  DWORD FThreadID = 0;
};

struct SkinRegistries {
  SkinFormRegistry forms;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> menus;
  std::vector<TSkinData*> skin_datas;  // observed: their owners free them
  std::vector<TSkinThread> threads;
};

}  // namespace kova
