#include "window_search_win.h"

#include <thread>

#include "screenshot_win.h"

namespace kova::demo {

HWND WaitForShownWindow(const std::wstring& title, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    HWND window = FindWindowW(nullptr, title.c_str());
    if (window != nullptr && IsWindowVisible(window) && testing::WindowAlpha(window) == 255) {
      return window;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  } while (std::chrono::steady_clock::now() < deadline);
  return nullptr;
}

std::optional<POINT> ChildCentre(HWND parent, const std::wstring& text) {
  struct Search {
    const std::wstring& text;
    HWND found = nullptr;
  } search{text};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t buffer[512] = {};
        GetWindowTextW(window, buffer, 512);
        if (IsWindowVisible(window) && s->text == buffer) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) {
    return std::nullopt;
  }
  RECT rect{};
  GetWindowRect(search.found, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace kova::demo
