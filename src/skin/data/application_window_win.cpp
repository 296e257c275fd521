#include "skin/data/application_window_win.h"

namespace kova {

namespace {

ApplicationWindowSource& Source() {
  static ApplicationWindowSource source = nullptr;
  return source;
}

HICON AskIcon(HWND window, WPARAM kind) {
  DWORD_PTR icon = 0;
  // A hung window must not stall the caller; no answer counts as no icon.
  if (SendMessageTimeoutW(window, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 500, &icon) == 0) {
    return nullptr;
  }
  return reinterpret_cast<HICON>(icon);
}

}  // namespace

ApplicationWindowSource SetApplicationWindowSource(ApplicationWindowSource source) {
  const ApplicationWindowSource previous = Source();
  Source() = source;
  return previous;
}

HWND ApplicationWindow() {
  return Source() != nullptr ? Source()() : nullptr;
}

HICON WindowSmallOrBigIcon(HWND window) {
  if (window == nullptr || !IsWindow(window)) {
    return nullptr;
  }
  if (HICON icon = AskIcon(window, ICON_SMALL)) {
    return icon;
  }
  if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM))) {
    return icon;
  }
  if (HICON icon = AskIcon(window, ICON_BIG)) {
    return icon;
  }
  return reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
}

}  // namespace kova
