// Records how the setup program was started to "Setup.log" beside it (UTF-8):
//   command line: <GetCommandLineW>
//   argument N: <each argument as CommandLineToArgvW splits it>
//   module: <the file this process runs>
// and, when KOVA_SETUP_CHECK_HANDLE names a handle value of the starting process,
//   handle <value>: inherited | not inherited
// The log is written under a temporary name and renamed, so a reader never sees half
// of it. Every start also appends one line to "Setup.runs", so a caller can count starts.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/win/handles_win.h"

namespace {

using kova::FromWin;
using kova::WideToUtf8;

std::wstring ModulePath() {
  std::vector<wchar_t> buffer(4096, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), 4096);
  return std::wstring(buffer.data(), length);
}

std::string Utf8(const std::wstring& text) {
  return WideToUtf8(kova::WideStringView(FromWin(text.c_str()), text.size()));
}

std::string HandleLine() {
  wchar_t value[64] = {};
  if (GetEnvironmentVariableW(L"KOVA_SETUP_CHECK_HANDLE", value, 64) == 0) {
    return std::string();
  }
  const auto handle = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(wcstoull(value, nullptr, 0)));
  DWORD flags = 0;
  const bool open = GetHandleInformation(handle, &flags) != 0;
  return "handle " + Utf8(value) + ": " + (open ? "inherited" : "not inherited") + "\n";
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
  const kova::UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    return false;
  }
  DWORD written = 0;
  return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool AppendLine(const std::wstring& path, const std::string& line) {
  const kova::UniqueFileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    return false;
  }
  DWORD written = 0;
  return WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
         written == line.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const wchar_t* command_line = GetCommandLineW();

  std::string log = "command line: " + Utf8(command_line) + "\n";
  int count = 0;
  const kova::UniqueLocalMemory<LPWSTR> arguments(CommandLineToArgvW(command_line, &count));
  for (int i = 0; arguments && i < count; ++i) {
    log += "argument " + std::to_string(i) + ": " + Utf8(arguments.Get()[i]) + "\n";
  }
  const std::wstring module = ModulePath();
  log += "module: " + Utf8(module) + "\n";
  log += HandleLine();

  const std::wstring directory = module.substr(0, module.rfind(L'\\') + 1);
  if (!AppendLine(directory + L"Setup.runs", "started\n")) {
    return 1;
  }
  const std::wstring final_path = directory + L"Setup.log";
  const std::wstring temporary_path = directory + L"Setup.log.tmp";
  if (!WriteWhole(temporary_path, log) ||
      !MoveFileExW(temporary_path.c_str(), final_path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    return 1;
  }
  return 0;
}
