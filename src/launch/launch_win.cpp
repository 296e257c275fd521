#include "launch/launch.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "base/win/handles_win.h"
#include "launch/command_line.h"

namespace kova {

namespace {

constexpr DWORD kModulePathCapacity = 4096;

}  // namespace

WideString GetModuleDirectory() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&GetModuleDirectory), &self)) {
    return WideString();
  }
  std::vector<wchar_t> buffer(kModulePathCapacity, L'\0');
  const DWORD length = GetModuleFileNameW(self, buffer.data(), kModulePathCapacity);
  // A full buffer means a truncated path: its directory would be wrong.
  if (length == 0 || length >= kModulePathCapacity) {
    return WideString();
  }
  return DirectoryOfPath(WideStringView(FromWin(buffer.data()), length));
}

bool LaunchProcess(WideStringView parameters, WideStringView program) {
  const WideString application(program);
  // CreateProcessW may write into the command line buffer, so it gets its own copy.
  WideString command_line = ProcessCommandLine(program, parameters);

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  const BOOL created =
      CreateProcessW(AsWin(application), AsWin(command_line.data()), nullptr, nullptr, FALSE,
                     CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &process);
  if (!created) {
    return false;
  }
  // The process runs on its own; we never wait for it.
  UniqueKernelHandle process_handle(process.hProcess);
  UniqueKernelHandle thread_handle(process.hThread);
  return true;
}

SetupLaunchResult LaunchSetupConfirmed() {
  const wchar_t* command_line = GetCommandLineW();
  return LaunchSetupConfirmed(GetModuleDirectory(), WideFromWin(command_line));
}

SetupLaunchResult LaunchSetupConfirmed(WideStringView module_directory,
                                       WideStringView host_command_line) {
  const WideString line(host_command_line);
  int count = 0;
  UniqueLocalMemory<LPWSTR> arguments(CommandLineToArgvW(AsWin(line), &count));
  if (!arguments || count != 3) {
    return SetupLaunchResult::kWrongArgumentCount;
  }
  // Without our own directory the path would name "\Setup.exe" at the root of the
  // current drive, which may be any program.
  if (module_directory.empty()) {
    return SetupLaunchResult::kNoModuleDirectory;
  }
  const WideString setup_path = SetupProgramPath(module_directory);
  const WideString parameters =
      ConfirmedSetupParameters(setup_path, WideFromWin(arguments.Get()[count - 1]));
  return LaunchProcess(parameters, setup_path) ? SetupLaunchResult::kStarted
                                               : SetupLaunchResult::kStartFailed;
}

}  // namespace kova
