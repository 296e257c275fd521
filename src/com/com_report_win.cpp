#include "com/com_report.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "base/win/handles_win.h"

namespace kova {

namespace {

WideString Narrow(const char* text) {
  return text != nullptr ? Utf8ToWide(text) : WideString();
}

WideString Number(int value) {
  return Utf8ToWide(std::to_string(value));
}

// The system's own text for a result, in the user's language; empty when it has none.
WideString SystemMessage(HRESULT result) {
  // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument receives the allocation.
  UniqueLocalMemory<wchar_t> buffer;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
      reinterpret_cast<wchar_t*>(static_cast<wchar_t**>(buffer.Receive())), 0, nullptr);
  WideString message;
  if (length != 0 && buffer) {
    message.assign(FromWin(buffer.Get()), length);
  }
  // System messages end in a line break, which would split the report's line.
  while (!message.empty() &&
         (message.back() == u'\r' || message.back() == u'\n' || message.back() == u' ')) {
    message.pop_back();
  }
  return message;
}

int Ask(const WideString& text, const wchar_t* title) {
  return MessageBoxW(nullptr, AsWin(WithAnswerHint(text)), title,
                     MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL);
}

}  // namespace

ComError::ComError(WideString text, HRESULT result)
    : std::runtime_error(WideToUtf8(text)), text_(std::move(text)), result_(result) {}

WideString AssertionText(const char* condition, const char* file, int line) {
  return Narrow(condition) + u" @ " + Narrow(file) + u"/" + Number(line);
}

WideString ResultText(HRESULT result, const char* call, const char* file, int line) {
  const WideString message = SystemMessage(result);
  if (!message.empty()) {
    return u"'" + Narrow(call) + u"': " + message + u" @ " + Narrow(file) + u"/" + Number(line);
  }
  char code[64];
  std::snprintf(code, sizeof(code), "%lX (%ld)",
                static_cast<unsigned long>(static_cast<std::uint32_t>(result)),
                static_cast<long>(result));
  return u"(" + Narrow(call) + u") Error: " + Utf8ToWide(code) + u" @ " + Narrow(file) + u"/" +
         Number(line);
}

WideString WithAnswerHint(const WideString& text) {
  return text + u"\nPress [Y]es to terminate,[N]o to continue and [C]ancel to Debug";
}

void ReportFailedAssertion(const char* condition, const char* file, int line) {
  if (Ask(AssertionText(condition, file, line), kAssertTitle) == IDYES) {
    throw ComError(Narrow(condition) + u" failed - " + Narrow(file) + u"/" + Number(line), E_FAIL);
  }
}

HRESULT CheckResult(HRESULT result, const char* call, const char* file, int line) {
  if (SUCCEEDED(result)) {
    return result;
  }
  const WideString text = ResultText(result, call, file, line);
  switch (Ask(text, kResultCheckTitle)) {
    case IDYES:
      throw ComError(text, result);
    case IDCANCEL:
      DebugBreak();
      break;
    default:
      break;
  }
  return result;
}

}  // namespace kova
