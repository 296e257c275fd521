// Small questions the manager asks of windows.
#pragma once

#include <windows.h>

#include "base/text.h"

namespace kova {

class TForm;

WideString LowerAscii(WideString text);
inline LONG_PTR WindowStyle(HWND wnd) {
  return GetWindowLongPtrW(wnd, GWL_STYLE);
}
inline LONG_PTR WindowExStyle(HWND wnd) {
  return GetWindowLongPtrW(wnd, GWL_EXSTYLE);
}
// The screen's form whose window is `wnd`, or null.
TForm* ScreenForm(HWND wnd);

}  // namespace kova
