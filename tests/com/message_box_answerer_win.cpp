#include "message_box_answerer_win.h"

#include <utility>

namespace kova::testing {

namespace {

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

thread_local MessageBoxAnswerer* current_answerer = nullptr;

std::wstring WindowText(HWND window) {
  wchar_t buffer[4096] = {};
  GetWindowTextW(window, buffer, 4096);
  return buffer;
}

bool IsDialog(HWND window) {
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  return std::wstring(class_name) == L"#32770";
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(int answer)
    : answer_(answer),
      hook_(SetWindowsHookExW(WH_CBT, &HookProcedure, nullptr, GetCurrentThreadId())) {
  current_answerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  current_answerer = nullptr;
}

// The box is activated while it is still being set up (its text comes later), so it
// is read and answered from the box's own message loop, once that runs.
void CALLBACK MessageBoxAnswerer::TimerProcedure(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  MessageBoxAnswerer* self = current_answerer;
  if (self == nullptr || self->pending_ == nullptr) {
    return;
  }
  const HWND window = std::exchange(self->pending_, nullptr);
  ShownBox box;
  box.title = WindowText(window);
  box.text = WindowText(GetDlgItem(window, kMessageTextId));
  box.has_yes_no_cancel = IsWindowVisible(GetDlgItem(window, IDYES)) &&
                          IsWindowVisible(GetDlgItem(window, IDNO)) &&
                          IsWindowVisible(GetDlgItem(window, IDCANCEL));
  self->boxes_.push_back(box);
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(self->answer_, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, self->answer_)));
}

LRESULT CALLBACK MessageBoxAnswerer::HookProcedure(int code, WPARAM wparam, LPARAM lparam) {
  MessageBoxAnswerer* self = current_answerer;
  if (code == HCBT_ACTIVATE && self != nullptr) {
    const HWND window = reinterpret_cast<HWND>(wparam);
    if (IsDialog(window) && self->pending_ == nullptr) {
      self->pending_ = window;
      SetTimer(nullptr, 0, 0, &TimerProcedure);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace kova::testing
