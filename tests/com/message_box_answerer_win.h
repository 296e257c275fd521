// Answers the message boxes this thread shows, as a person would: a thread CBT hook
// sees each box when it is activated; once the box runs its loop, its title, text and
// buttons are read and one button is clicked.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/handles_win.h"

namespace kova::testing {

struct ShownBox {
  std::wstring title;
  std::wstring text;
  bool has_yes_no_cancel = false;
};

class MessageBoxAnswerer {
 public:
  // `answer` is IDYES, IDNO or IDCANCEL.
  explicit MessageBoxAnswerer(int answer);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  const std::vector<ShownBox>& boxes() const { return boxes_; }

 private:
  static LRESULT CALLBACK HookProcedure(int code, WPARAM wparam, LPARAM lparam);
  static void CALLBACK TimerProcedure(HWND, UINT, UINT_PTR timer, DWORD);

  int answer_;
  UniqueHook hook_;
  HWND pending_ = nullptr;  // activated, not yet answered
  std::vector<ShownBox> boxes_;
};

}  // namespace kova::testing
