#include "dialog_user_win.h"

#include <gtest/gtest.h>

#include "screenshot_win.h"

namespace kova::testing {

namespace fs = std::filesystem;

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

std::vector<HWND> Children(HWND parent, const std::wstring& class_name) {
  struct Search {
    std::wstring class_name;
    std::vector<HWND> found;
  } search{class_name, {}};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (ClassOf(window) == s->class_name) {
          s->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildWithText(HWND parent, const std::wstring& class_name, const std::wstring& text) {
  for (HWND window : Children(parent, class_name)) {
    if (TextOf(window) == text) {
      return window;
    }
  }
  return nullptr;
}

// The control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ClickWindow(HWND window) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

void DragMouse(POINT from, POINT to) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const auto at = [&](POINT p, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute positions are in 1/65536 of the screen.
    input.mi.dx = MulDiv(p.x, 65536, width) + 1;
    input.mi.dy = MulDiv(p.y, 65536, height) + 1;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    return input;
  };
  std::vector<INPUT> inputs{at(from, 0), at(from, MOUSEEVENTF_LEFTDOWN)};
  constexpr int kSteps = 8;
  for (int i = 1; i <= kSteps; ++i) {
    inputs.push_back(
        at(POINT{from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps}, 0));
  }
  inputs.push_back(at(to, MOUSEEVENTF_LEFTUP));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

UserScript::Step WhenShown(const wchar_t* title, std::function<void(HWND)> action) {
  return [action, title](Clock::duration) {
    HWND dialog = FindWindowW(nullptr, title);
    if (dialog == nullptr || !IsWindowVisible(dialog) || WindowAlpha(dialog) != 255) {
      return false;
    }
    action(dialog);
    return true;
  };
}

UserScript::Step After(std::chrono::milliseconds delay, std::function<void()> action) {
  return [delay, action](Clock::duration since_start) {
    if (since_start < delay) {
      return false;
    }
    action();
    return true;
  };
}

void PressNamedButton(HWND dialog, const wchar_t* text) {
  HWND button = ChildWithText(dialog, L"TKOVAButton", text);
  ASSERT_NE(button, nullptr) << "no button " << ::testing::PrintToString(std::wstring(text));
  ClickWindow(button);
}

}  // namespace kova::testing
