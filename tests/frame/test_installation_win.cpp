#include "test_installation_win.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/win/handles_win.h"

namespace kova::testing {
namespace fs = std::filesystem;

namespace {

constexpr wchar_t kSetupKey[] = L"SOFTWARE\\Orvane Software\\Setup";

// The product's 32-bit setup writes the 32-bit view of the registry; so do the tests,
// from either build.
constexpr REGSAM kSetupView = KEY_WOW64_32KEY;

// The setup key opened with the given access in the setup's view; null when missing.
HKEY OpenSetupKey(REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, access | kSetupView, &key) != ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

std::wstring Environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) {
    return std::wstring();
  }
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

// CTest hands paths over in their Unix form; Wine shows the Unix root as drive Z:.
fs::path WindowsPath(std::wstring path) {
  if (!path.empty() && path[0] == L'/') {
    for (auto& c : path) {
      if (c == L'/')
        c = L'\\';
    }
    path = L"Z:" + path;
  }
  return fs::path(path);
}

std::optional<std::wstring> ReadValue(const wchar_t* name) {
  const UniqueRegKey key(OpenSetupKey(KEY_QUERY_VALUE));
  if (!key) {
    return std::nullopt;
  }
  wchar_t buffer[2048] = {};
  DWORD size = sizeof(buffer) - sizeof(wchar_t);
  const LONG status = RegGetValueW(key.Get(), nullptr, name, RRF_RT_REG_SZ, nullptr, buffer, &size);
  if (status != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

std::string ReadFileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The runtime's copy_file refuses to overwrite here; the system's copy does not.
void CopyOver(const fs::path& from, const fs::path& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy " + from.string());
  }
}

}  // namespace

fs::path BuildDirectory() {
  return WindowsPath(Environment(L"KOVA_BINARY_DIR"));
}

ScopedSetupKey::ScopedSetupKey()
    : saved_path_(ReadValue(L"Path")), saved_language_(ReadValue(L"Language")) {}

ScopedSetupKey::~ScopedSetupKey() {
  DeleteKey();
  if (saved_path_)
    SetValue(L"Path", *saved_path_);
  if (saved_language_)
    SetValue(L"Language", *saved_language_);
}

void ScopedSetupKey::SetValue(const wchar_t* name, const std::wstring& value) {
  UniqueRegKey key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, nullptr, 0, KEY_WRITE | kSetupView, nullptr,
                      key.Receive(), nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create the setup key");
  }
  RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void ScopedSetupKey::DeleteValue(const wchar_t* name) {
  if (const UniqueRegKey key(OpenSetupKey(KEY_SET_VALUE)); key) {
    RegDeleteValueW(key.Get(), name);
  }
}

void ScopedSetupKey::DeleteKey() {
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, kSetupView, 0);
}

TestInstallation::TestInstallation(const std::string& name) {
  directory_ = fs::current_path() / "installations" / name;
  fs::remove_all(directory_);
  // File by file: the runtime's recursive copy refuses folders that already exist.
  const fs::path sample = BuildDirectory() / "install";
  fs::create_directories(directory_ / "Repository");
  for (const auto& entry : fs::recursive_directory_iterator(sample)) {
    const fs::path target = directory_ / fs::relative(entry.path(), sample);
    if (entry.is_directory()) {
      fs::create_directories(target);
    } else {
      CopyOver(entry.path(), target);
    }
  }
}

std::wstring TestInstallation::SetupPath() const {
  return directory_.wstring() + L"\\";
}

void TestInstallation::UseModuleVariant(const std::string& variant, const std::string& file) {
  CopyOver(BuildDirectory() / "test-modules" / variant / file, directory_ / file);
}

void TestInstallation::RemoveFile(const std::string& relative) {
  fs::remove(directory_ / relative);
}

void TestInstallation::WriteCatalog(const std::wstring& xml, bool byte_order_mark) {
  std::ofstream out(directory_ / "Repository" / "KOVAMainCat", std::ios::binary);
  if (byte_order_mark) {
    out.write("\xFF\xFE", 2);
  }
  for (wchar_t c : xml) {
    const char bytes[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    out.write(bytes, 2);
  }
}

void TestInstallation::WriteConfig(const std::string& text) {
  std::ofstream(directory_ / "KOVAUtils.cfg", std::ios::binary) << text;
}

void TestInstallation::Register(ScopedSetupKey& key, const std::wstring& language) const {
  key.SetValue(L"Path", SetupPath());
  key.SetValue(L"Language", language);
}

std::wstring SampleCatalog() {
  const std::string utf8 = ReadFileText(WindowsPath(Environment(L"KOVA_SOURCE_DIR")) / "host" /
                                        "sample-install" / "KOVAMainCat.xml");
  std::wstring text(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                      static_cast<int>(text.size()));
  return text;
}

std::wstring ReplaceOnce(std::wstring text, const std::wstring& from, const std::wstring& to) {
  const size_t at = text.find(from);
  if (at == std::wstring::npos) {
    throw std::runtime_error("sample catalog lacks the text to replace");
  }
  return text.replace(at, from.size(), to);
}

HostRun RunHost(const TestInstallation& installation, const std::string& options,
                const std::wstring& host_arguments, bool trace, const fs::path& working_directory) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  UniqueKernelHandle read_end;
  UniqueKernelHandle write_end;
  CreatePipe(read_end.Receive(), write_end.Receive(), &inherit, 0);
  SetHandleInformation(read_end.Get(), HANDLE_FLAG_INHERIT, 0);

  SetEnvironmentVariableW(L"KOVA_HOST_OPTIONS",
                          std::wstring(options.begin(), options.end()).c_str());
  SetEnvironmentVariableW(L"KOVA_TRACE", trace ? L"1" : nullptr);
  const std::wstring exe = (installation.Directory() / "kova-host.exe").wstring();
  std::wstring command = L"\"" + exe + L"\"";
  if (!host_arguments.empty()) {
    command += L" " + host_arguments;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end.Get();
  startup.hStdError = write_end.Get();
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  HostRun run;
  if (CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     (working_directory.empty() ? installation.Directory() : working_directory)
                         .wstring()
                         .c_str(),
                     &startup, &process)) {
    const UniqueKernelHandle process_handle(process.hProcess);
    const UniqueKernelHandle thread_handle(process.hThread);
    // Our copy of the write end goes, so reading ends when the host's copy does.
    write_end.Reset();
    // Read while the host runs and drain what is left once it has ended. Reading until
    // the pipe closes is not enough: a process the host's start brings up (the desktop
    // window's process, when none runs yet) can inherit the write end and outlive it.
    std::string output;
    const auto read_available = [&] {
      char buffer[4096];
      DWORD available = 0;
      DWORD got = 0;
      while (PeekNamedPipe(read_end.Get(), nullptr, 0, nullptr, &available, nullptr) &&
             available > 0 && ReadFile(read_end.Get(), buffer, sizeof(buffer), &got, nullptr) &&
             got > 0) {
        output.append(buffer, got);
      }
    };
    while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
      read_available();
    }
    read_available();
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.exit_code = static_cast<int>(code);
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      run.lines.push_back(line);
    }
  }
  SetEnvironmentVariableW(L"KOVA_HOST_OPTIONS", nullptr);
  SetEnvironmentVariableW(L"KOVA_TRACE", nullptr);
  return run;
}

}  // namespace kova::testing
