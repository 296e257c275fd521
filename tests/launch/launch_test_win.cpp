// Starts the setup program for real: a probe host in a fresh folder beside a copy of
// Setup.exe, which records how it was started.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/win/handles_win.h"
#include "import_patch_win.h"
#include "launch/command_line.h"
#include "launch/launch.h"

namespace kova {
namespace {

namespace fs = std::filesystem;

constexpr int kProbeCrashed = -1;

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[4096] = {};
  const DWORD length = GetEnvironmentVariableW(name, buffer, 4096);
  return length < 4096 ? std::wstring(buffer, length) : std::wstring();
}

// CTest hands paths over in their Unix form; Wine shows the Unix root as drive Z:.
fs::path WindowsPath(std::wstring path) {
  if (!path.empty() && path[0] == L'/') {
    for (auto& c : path) {
      if (c == L'/') {
        c = L'\\';
      }
    }
    path = L"Z:" + path;
  }
  return fs::path(path);
}

fs::path BuiltSetup() {
  return WindowsPath(Environment(L"KOVA_BINARY_DIR")) / "bin" / "Setup.exe";
}

fs::path OwnDirectory() {
  wchar_t buffer[4096] = {};
  GetModuleFileNameW(nullptr, buffer, 4096);
  return fs::path(buffer).parent_path();
}

std::string Utf8(const std::wstring& text) {
  return WideToUtf8(WideStringView(FromWin(text.c_str()), text.size()));
}

// What Setup.exe wrote about its start.
struct SetupLog {
  std::map<std::string, std::string> values;  // "command line", "module", ...
  std::vector<std::string> arguments;
};

SetupLog ParseLog(const std::string& text) {
  SetupLog log;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const size_t colon = line.find(": ");
    if (colon == std::string::npos) {
      continue;
    }
    const std::string key = line.substr(0, colon);
    const std::string value = line.substr(colon + 2);
    if (key.rfind("argument ", 0) == 0) {
      log.arguments.push_back(value);
    } else {
      log.values[key] = value;
    }
  }
  return log;
}

// Setup.exe renames its finished log into place; wait a bounded time for it.
std::optional<SetupLog> WaitForLog(const fs::path& directory,
                                   std::chrono::milliseconds limit = std::chrono::seconds(15)) {
  const fs::path path = directory / "Setup.log";
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (fs::exists(path)) {
      std::ifstream in(path, std::ios::binary);
      std::stringstream text;
      text << in.rdbuf();
      // Under Wine the renamed file can show up before it can be read; every complete
      // log names the module.
      SetupLog log = ParseLog(text.str());
      if (log.values.count("module") != 0) {
        return log;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return std::nullopt;
}

// Nothing was started by the time the starter returned, so a log cannot appear late;
// the short wait only covers a process that was started by mistake.
bool NoLogAppears(const fs::path& directory) {
  return !WaitForLog(directory, std::chrono::milliseconds(500)).has_value();
}

// A fresh folder (with a space in its path) holding the probe host and, unless
// told otherwise, the setup program.
fs::path CaseFolder(const std::string& name, bool with_setup = true) {
  const fs::path directory = OwnDirectory() / "launch cases" / name;
  fs::remove_all(directory);
  fs::create_directories(directory);
  fs::copy_file(OwnDirectory() / "launch-probe.exe", directory / "launch-probe.exe");
  if (with_setup) {
    fs::copy_file(BuiltSetup(), directory / "Setup.exe");
  }
  return directory;
}

// Runs the probe host with the given arguments and answers its exit code.
int RunProbe(const fs::path& directory, const std::wstring& host_arguments) {
  const std::wstring program = (directory / "launch-probe.exe").wstring();
  std::wstring command_line = L"\"" + program + L"\"";
  if (!host_arguments.empty()) {
    command_line += L" " + host_arguments;
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.c_str(), &startup, &process)) {
    return kProbeCrashed;
  }
  const UniqueProcessHandles started(process);
  DWORD exit_code = static_cast<DWORD>(kProbeCrashed);
  if (WaitForSingleObject(started.process.Get(), 30000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(started.process.Get(), &exit_code);
  }
  return static_cast<int>(exit_code);
}

int Code(SetupLaunchResult result) {
  return static_cast<int>(result);
}

TEST(LaunchSetupConfirmedTest, StartsTheSetupBesideTheModuleWithConfirmedAndTheLastArgument) {
  const fs::path directory = CaseFolder("two arguments");
  ASSERT_EQ(RunProbe(directory, L"/x abc"), Code(SetupLaunchResult::kStarted));

  const auto log = WaitForLog(directory);
  ASSERT_TRUE(log.has_value());
  const std::string setup = Utf8((directory / "Setup.exe").wstring());
  EXPECT_EQ(log->values.at("command line"), "\"" + setup + "\" \"" + setup + "\" /Confirmed abc");
  EXPECT_EQ(log->values.at("module"), setup);
  EXPECT_EQ(log->arguments, (std::vector<std::string>{setup, setup, "/Confirmed", "abc"}));
}

TEST(LaunchSetupConfirmedTest, TheLastHostArgumentArrivesAsExactlyOneArgument) {
  struct Case {
    const wchar_t* host_arguments;
    const char* last_argument;
  };
  const Case cases[] = {
      {L"/x \"a b\"", "a b"},
      {L"/x /Uninstall", "/Uninstall"},
      {L"/x \"a /Uninstall\"", "a /Uninstall"},
      {L"/x \"say \\\"hi\\\" \\\\\"", "say \"hi\" \\"},
      {L"/x \"\"", ""},
  };
  int index = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.last_argument);
    const fs::path directory = CaseFolder("last argument " + std::to_string(index++));
    ASSERT_EQ(RunProbe(directory, c.host_arguments), Code(SetupLaunchResult::kStarted));
    const auto log = WaitForLog(directory);
    ASSERT_TRUE(log.has_value());
    ASSERT_EQ(log->arguments.size(), 4u);
    EXPECT_EQ(log->arguments[2], "/Confirmed");
    EXPECT_EQ(log->arguments[3], c.last_argument);
  }
}

TEST(LaunchSetupConfirmedTest, StartsNothingUnlessTheHostHasExactlyTwoArguments) {
  const wchar_t* cases[] = {L"", L"abc", L"/x abc def", L"/x abc def ghi"};
  int index = 0;
  for (const wchar_t* host_arguments : cases) {
    SCOPED_TRACE(Utf8(host_arguments));
    const fs::path directory = CaseFolder("argument count " + std::to_string(index++));
    EXPECT_EQ(RunProbe(directory, host_arguments), Code(SetupLaunchResult::kWrongArgumentCount));
    EXPECT_TRUE(NoLogAppears(directory));
  }
}

TEST(LaunchSetupConfirmedTest, AMissingSetupProgramStartsNothingAndDoesNotCrash) {
  const fs::path directory = CaseFolder("no setup", /*with_setup=*/false);
  EXPECT_EQ(RunProbe(directory, L"/x abc"), Code(SetupLaunchResult::kStartFailed));
  EXPECT_FALSE(fs::exists(directory / "Setup.log"));
}

// Without our own directory the setup path would be "\Setup.exe" at the root of the
// current drive. A program planted there must not be started.
TEST(LaunchSetupConfirmedTest, AnUnknownModuleDirectoryStartsNothing) {
  wchar_t temp[MAX_PATH] = {};
  ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
  const fs::path drive_root = fs::path(temp).root_path();
  const fs::path planted = drive_root / "Setup.exe";
  // A run stopped half-way may have left them behind.
  fs::remove(drive_root / "Setup.log");
  fs::copy_file(BuiltSetup(), planted, fs::copy_options::overwrite_existing);
  const fs::path saved_directory = fs::current_path();
  fs::current_path(temp);

  const SetupLaunchResult result = LaunchSetupConfirmed(u"", u"host.exe /x abc");
  const bool nothing_started = NoLogAppears(drive_root);

  fs::current_path(saved_directory);
  fs::remove(planted);
  fs::remove(drive_root / "Setup.log");
  EXPECT_EQ(result, SetupLaunchResult::kNoModuleDirectory);
  EXPECT_TRUE(nothing_started);
}

// Every argument, written by QuoteArgument after a program name, is split back by the
// system's own parser into exactly that argument.
TEST(QuoteArgumentTest, TheSystemSplitsTheTokenBackIntoTheArgument) {
  const wchar_t* arguments[] = {
      L"",
      L"abc",
      L"a b",
      L"/Uninstall",
      L"a /Uninstall",
      L"\t",
      L"\"",
      L"\"\"",
      L"\\",
      L"a\\",
      L"a\\ b\\",
      L"a\\\"b",
      L"a\\\\\"b c",
      L"\\\\server\\share\\",
      L"\"/Confirmed\" x",
      L"x\" /Uninstall \"y",
      L"\u00e9t\u00e9 \u65e5\u672c",
  };
  for (const wchar_t* argument : arguments) {
    SCOPED_TRACE(Utf8(argument));
    const WideString line = u"prog.exe " + QuoteArgument(FromWin(argument));
    int count = 0;
    const UniqueLocalMemory<LPWSTR> split(CommandLineToArgvW(AsWin(line), &count));
    ASSERT_TRUE(split);
    EXPECT_EQ(count, 2);
    if (count == 2) {
      EXPECT_EQ(std::wstring(split.Get()[1]), argument);
    }
  }
}

TEST(GetModuleDirectoryTest, IsTheDirectoryOfThisProgram) {
  EXPECT_EQ(fs::path(AsWin(GetModuleDirectory())), OwnDirectory());
}

// Starts the setup program with an inheritable event open, and answers what the new
// process saw. (Wine starts every process with the default error mode, so the error
// mode flag has nothing to show here.)
SetupLog StartSetupAndRead(const std::string& name, bool through_launch_process) {
  const fs::path directory = CaseFolder(name);
  const std::wstring setup = (directory / "Setup.exe").wstring();

  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  const UniqueKernelHandle event(CreateEventW(&inheritable, TRUE, FALSE, nullptr));
  const std::wstring handle_value = std::to_wstring(reinterpret_cast<uintptr_t>(event.Get()));
  SetEnvironmentVariableW(L"KOVA_SETUP_CHECK_HANDLE", handle_value.c_str());

  bool started = false;
  if (through_launch_process) {
    started = LaunchProcess(u"one \"two three\"", FromWin(setup.c_str()));
  } else {
    // What a start that inherits everything looks like, to show the checks can tell.
    std::wstring command_line = L"\"" + setup + L"\" one \"two three\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    started = CreateProcessW(setup.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             nullptr, &startup, &process);
    const UniqueProcessHandles handles(process);
  }
  SetEnvironmentVariableW(L"KOVA_SETUP_CHECK_HANDLE", nullptr);
  EXPECT_TRUE(started);
  auto log = WaitForLog(directory);
  EXPECT_TRUE(log.has_value());
  return log.value_or(SetupLog{});
}

TEST(LaunchProcessTest, StartsTheProgramWithItsQuotedPathAndTheParameters) {
  const SetupLog inherited = StartSetupAndRead("process inheriting", false);
  const SetupLog launched = StartSetupAndRead("process launched", true);

  const fs::path directory = OwnDirectory() / "launch cases" / "process launched";
  const std::string setup = Utf8((directory / "Setup.exe").wstring());
  EXPECT_EQ(launched.values.at("module"), setup);
  EXPECT_EQ(launched.values.at("command line"), "\"" + setup + "\" one \"two three\"");
  EXPECT_EQ(launched.arguments, (std::vector<std::string>{setup, "one", "two three"}));

  // Handles are not inherited.
  const auto handle_line = [](const SetupLog& log) {
    for (const auto& [key, value] : log.values) {
      if (key.rfind("handle ", 0) == 0) {
        return value;
      }
    }
    return std::string();
  };
  EXPECT_EQ(handle_line(inherited), "inherited");
  EXPECT_EQ(handle_line(launched), "not inherited");
}

TEST(LaunchProcessTest, AMissingProgramIsReportedAsFalse) {
  const fs::path directory = CaseFolder("missing program", /*with_setup=*/false);
  EXPECT_FALSE(LaunchProcess(u"/Confirmed", FromWin((directory / "Setup.exe").c_str())));
}

// What LaunchProcess handed to the system, recorded on the way through.
struct CreateProcessCall {
  std::wstring application;
  std::wstring command_line;
  BOOL inherit_handles = TRUE;
  DWORD flags = 0;
  bool default_environment = false;
  bool default_directory = false;
  std::vector<BYTE> startup;  // the startup record's bytes, as many as it declares
};
CreateProcessCall g_create_process;
decltype(&CreateProcessW) g_real_create_process = nullptr;

BOOL WINAPI RecordCreateProcess(LPCWSTR application, LPWSTR command_line,
                                LPSECURITY_ATTRIBUTES process_attributes,
                                LPSECURITY_ATTRIBUTES thread_attributes, BOOL inherit_handles,
                                DWORD flags, LPVOID environment, LPCWSTR directory,
                                LPSTARTUPINFOW startup, LPPROCESS_INFORMATION information) {
  g_create_process.application = application != nullptr ? application : L"";
  g_create_process.command_line = command_line != nullptr ? command_line : L"";
  g_create_process.inherit_handles = inherit_handles;
  g_create_process.flags = flags;
  g_create_process.default_environment = environment == nullptr;
  g_create_process.default_directory = directory == nullptr;
  const auto* bytes = reinterpret_cast<const BYTE*>(startup);
  g_create_process.startup.assign(bytes, bytes + startup->cb);
  return g_real_create_process(application, command_line, process_attributes, thread_attributes,
                               inherit_handles, flags, environment, directory, startup,
                               information);
}

// The startup record is the system's own structure for the build: 68 bytes in a
// 32-bit process, 104 in a 64-bit one, all zero but its size.
TEST(LaunchProcessTest, HandsTheSystemAnEmptyStartupRecordOfTheBuildsSize) {
  testing::ScopedImportPatch patch("kernel32.dll", "CreateProcessW",
                                   reinterpret_cast<void*>(&RecordCreateProcess));
  ASSERT_TRUE(patch.Patched());
  g_real_create_process = reinterpret_cast<decltype(&CreateProcessW)>(patch.Original());
  g_create_process = CreateProcessCall{};

  const fs::path directory = CaseFolder("startup record", /*with_setup=*/false);
  const std::wstring program = (directory / "Setup.exe").wstring();
  EXPECT_FALSE(LaunchProcess(u"/Confirmed x", FromWin(program.c_str())));

  constexpr size_t kStartupRecordSize = sizeof(void*) == 4 ? 68 : 104;
  ASSERT_EQ(g_create_process.startup.size(), kStartupRecordSize);
  std::vector<BYTE> expected(kStartupRecordSize, 0);
  expected[0] = static_cast<BYTE>(kStartupRecordSize);
  EXPECT_EQ(g_create_process.startup, expected);
  EXPECT_EQ(g_create_process.application, program);
  EXPECT_EQ(g_create_process.command_line, L"\"" + program + L"\" /Confirmed x");
  EXPECT_FALSE(g_create_process.inherit_handles);
  EXPECT_EQ(g_create_process.flags, static_cast<DWORD>(CREATE_DEFAULT_ERROR_MODE));
  EXPECT_TRUE(g_create_process.default_environment);
  EXPECT_TRUE(g_create_process.default_directory);
}

}  // namespace
}  // namespace kova
