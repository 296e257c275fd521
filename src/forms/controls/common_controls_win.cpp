#include "forms/controls/common_controls.h"

#include <commctrl.h>

#include <atomic>

namespace kova {

void InitCommonControlClasses(DWORD classes) {
  static std::atomic<DWORD> registered{0};
  const DWORD missing = classes & ~registered.load();
  if (missing == 0) {
    return;
  }
  INITCOMMONCONTROLSEX init{sizeof(init), missing};
  if (InitCommonControlsEx(&init) != FALSE) {
    registered.fetch_or(missing);
  }
}

}  // namespace kova
