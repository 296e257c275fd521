// Playing the person in front of a dialog: a script of steps run from a thread timer
// while the dialog's modal loop runs, and the window lookups, clicks, keys and
// screenshots the steps use.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "screenshot_win.h"

namespace kova::testing {

using Clock = std::chrono::steady_clock;

// Steps played by a thread timer while the modal loop runs; each step runs once, in
// order, and answers whether it is done (a step may wait for its moment).
class UserScript {
 public:
  using Step = std::function<bool(Clock::duration since_start)>;
  explicit UserScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    current_ = this;
    start_ = Clock::now();
    timer_ = SetTimer(nullptr, 0, 20, &UserScript::Tick);
  }
  ~UserScript() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Finished() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    UserScript* script = current_;
    if (script == nullptr || script->running_ || script->Finished()) {
      return;
    }
    // A step may pump messages (a click); never re-enter.
    script->running_ = true;
    if (script->steps_[script->next_](Clock::now() - script->start_)) {
      ++script->next_;
    }
    script->running_ = false;
  }

  static inline UserScript* current_ = nullptr;
  std::vector<Step> steps_;
  size_t next_ = 0;
  bool running_ = false;
  Clock::time_point start_;
  UINT_PTR timer_ = 0;
};

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
// Every descendant window of `parent` with that class.
std::vector<HWND> Children(HWND parent, const std::wstring& class_name);
HWND ChildWithText(HWND parent, const std::wstring& class_name, const std::wstring& text);
// The control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND window);
// A left click at (5,5) of the window, through its message queue.
void ClickWindow(HWND window);
// Presses the left button at `from` (screen coordinates), moves to `to` in a few steps
// and releases it there, as real input.
void DragMouse(POINT from, POINT to);
// Presses the keys in order and releases them in reverse, as real input.
void PressKeys(std::initializer_list<WORD> keys);

// Waits until the top-level window with that title is shown and opaque, then runs the
// action once on it.
UserScript::Step WhenShown(const wchar_t* title, std::function<void(HWND)> action);
// Runs the action once the script has run for `delay`.
UserScript::Step After(std::chrono::milliseconds delay, std::function<void()> action);
// Clicks the KOVA button that shows `text`; fails the test when there is none.
void PressNamedButton(HWND dialog, const wchar_t* text);

}  // namespace kova::testing
