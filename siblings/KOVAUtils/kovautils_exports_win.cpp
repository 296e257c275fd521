// Entries of KOVAUtils.dll: common definitions shared by the product's modules and
// the configuration store, read from KOVAUtils.cfg beside this module.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "KOVAUtils/config_store.h"
#include "module_directory_win.h"

namespace {

// Test builds answer like a broken installation would.
#ifdef KOVA_UTILS_INIT_RESULT
constexpr std::int32_t kInitializeResult = KOVA_UTILS_INIT_RESULT;
#else
constexpr std::int32_t kInitializeResult = 1;
#endif
#ifdef KOVA_UTILS_UNINIT_RESULT
constexpr std::int32_t kUninitializeResult = KOVA_UTILS_UNINIT_RESULT;
#else
constexpr std::int32_t kUninitializeResult = 1;
#endif

constexpr std::streamsize kMaxConfigSize = 1024 * 1024;

std::unique_ptr<kova::ConfigStore> g_store;
kova::IHostContext* g_context = nullptr;
// An empty multi-string: the configured string lists of this installation.
constexpr char16_t kEmptyStringList[2] = {u'\0', u'\0'};

std::wstring ConfigPath() {
  const std::wstring directory = kova::siblings::ThisModuleDirectory();
  // Never a relative path: the current folder is not ours to read from.
  return directory.empty() ? std::wstring() : directory + L"KOVAUtils.cfg";
}

std::string ReadConfigText() {
  const std::wstring path = ConfigPath();
  if (path.empty()) {
    return std::string();
  }
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  std::string text;
  if (in) {
    char chunk[4096];
    while (text.size() < kMaxConfigSize && in.read(chunk, sizeof chunk).gcount() > 0) {
      text.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
  }
  return text;
}

}  // namespace

extern "C" std::int32_t KovaUtilsInitialize(kova::IHostContext* context) {
  g_context = context;  // kept for the product's other modules; not owned
  g_store = std::make_unique<kova::ConfigStore>(kova::ParseConfigText(ReadConfigText()));
  return kInitializeResult;
}

extern "C" std::int32_t KovaUtilsUninitialize() {
  if (kUninitializeResult == 0) {
    return 0;  // refuses: everything stays as it is
  }
  g_store.reset();
  g_context = nullptr;
  return kUninitializeResult;
}

extern "C" kova::IConfigStore* KovaUtilsGetConfigStore() {
  return g_store.get();
}

extern "C" const void* KovaUtilsGetConfigStringList() {
  return kEmptyStringList;
}
