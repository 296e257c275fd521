// kova-host.exe: a product host process. Loads KOVAMsg.dll, hands it a context with an
// IPC connection to a loop-back service, and drives the three exports.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "config/sibling_interfaces.h"
#include "base/text.h"
#include "base/win/handles_win.h"
#include "loopback/loopback_connection.h"
#include "host_context.h"
#include "host_options.h"

namespace {

using kova::host::HostOptions;
using kova::host::Step;

void PrintLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::wstring HostDirectory() {
  std::vector<wchar_t> buffer(32768);
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  std::wstring path(buffer.data(), length);
  return path.substr(0, path.rfind(L'\\') + 1);
}

std::vector<std::wstring> OptionArguments() {
  if (const DWORD size = GetEnvironmentVariableW(L"KOVA_HOST_OPTIONS", nullptr, 0); size > 0) {
    std::wstring text(size, L'\0');
    text.resize(GetEnvironmentVariableW(L"KOVA_HOST_OPTIONS", text.data(), size));
    return kova::host::SplitOptionText(text);
  }
  int count = 0;
  const kova::UniqueLocalMemory<LPWSTR> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::wstring> arguments;
  for (int i = 1; argv && i < count; ++i) {
    arguments.emplace_back(argv.Get()[i]);
  }
  return arguments;
}

struct ModuleDeleter {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};

}  // namespace

int main() {
  HostOptions options;
  if (auto error = kova::host::ParseHostOptions(OptionArguments(), options)) {
    std::fprintf(stderr, "kova-host: %s\n%s", error->c_str(), kova::host::kHostUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kova::host::kHostUsage, stdout);
    return 0;
  }
  const std::wstring dll =
      options.dll_path.empty() ? HostDirectory() + L"KOVAMsg.dll" : options.dll_path;
  const std::string dll_text = kova::WideToUtf8(kova::FromWin(dll.c_str()));

  std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter> library(
      LoadLibraryExW(dll.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!library) {
    std::fprintf(stderr, "kova-host: cannot load %s (error %lu)\n", dll_text.c_str(),
                 GetLastError());
    return 2;
  }
  auto initialize = reinterpret_cast<std::int32_t (*)(kova::IHostContext*)>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "_KOVA_Initialize")));
  auto show_form = reinterpret_cast<kova::KovaShowFormFn>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "_KOVA_ShowForm")));
  auto uninitialize = reinterpret_cast<kova::KovaUninitializeFn>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "_KOVA_Uninitialize")));
  if (!initialize || !show_form || !uninitialize) {
    std::fprintf(stderr, "kova-host: %s lacks one of the three exports\n", dll_text.c_str());
    return 2;
  }
  PrintLine("kova-host: loaded " + dll_text);

  kova::loopback::LoopbackConnection connection(
      [](const std::string& line) { PrintLine("connection: " + line); });
  const auto mode = options.context == "refuse" ? kova::host::ContextMode::kRefuseConnection
                                                : kova::host::ContextMode::kNormal;
  kova::host::HostContext context(&connection, mode, options.app_context, PrintLine);
  kova::IHostContext* context_argument = options.context == "null" ? nullptr : &context;

  for (const Step& step : options.steps) {
    switch (step.kind) {
      case Step::Kind::kInitialize:
        PrintLine("KOVA_Initialize -> " + std::to_string(initialize(context_argument)));
        break;
      case Step::Kind::kShowForm:
        PrintLine("KOVA_ShowForm(" + std::to_string(step.form_id) + ") -> " +
                  std::to_string(show_form(step.form_id)));
        break;
      case Step::Kind::kUninitialize:
        PrintLine("KOVA_Uninitialize -> " + std::to_string(uninitialize()));
        break;
    }
  }
  return 0;
}
