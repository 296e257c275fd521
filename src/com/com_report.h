// How our COM wrappers report misuse and failed calls: a task-modal question box whose
// answer decides what happens next: Yes raises ComError, No goes on, and Cancel goes on
// after a misuse report or breaks into the debugger after a failed call.
#pragma once

#include <windows.h>

#include <stdexcept>

#include "base/text.h"

namespace kova {

// Raised when the user answers Yes ("terminate") to a report.
class ComError : public std::runtime_error {
 public:
  ComError(WideString text, HRESULT result);

  const WideString& text() const { return text_; }
  HRESULT result() const { return result_; }

 private:
  WideString text_;
  HRESULT result_;
};

inline constexpr wchar_t kAssertTitle[] = L"_ASSERTE: ";
inline constexpr wchar_t kResultCheckTitle[] = L"HRCHECK: ";

// The report for a failed condition of wrapper use. Returns when the user answers No
// or Cancel; raises ComError (E_FAIL) on Yes.
void ReportFailedAssertion(const char* condition, const char* file, int line);

// Returns `result` unchanged when it succeeded. A failure is reported: Yes raises
// ComError with the result, Cancel breaks into the debugger, No returns the result.
HRESULT CheckResult(HRESULT result, const char* call, const char* file, int line);

// The texts of the reports, as shown in the boxes.
WideString AssertionText(const char* condition, const char* file, int line);
WideString ResultText(HRESULT result, const char* call, const char* file, int line);
WideString WithAnswerHint(const WideString& text);

}  // namespace kova

#define KOVA_COM_ASSERT(condition)                                   \
  do {                                                               \
    if (!(condition)) {                                              \
      ::kova::ReportFailedAssertion(#condition, __FILE__, __LINE__); \
    }                                                                \
  } while (false)

#define KOVA_HRCHECK(call) ::kova::CheckResult((call), #call, __FILE__, __LINE__)
