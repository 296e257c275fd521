// A product installation laid out for one test: modules copied from the build,
// catalog, configuration and dictionaries written as the test wants them, and the
// setup key pointing at it for as long as the object lives.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kova::testing {

// The build tree (KOVA_BINARY_DIR) as a Windows path.
std::filesystem::path BuildDirectory();

// Saves the setup key's values and puts them back when destroyed.
class ScopedSetupKey {
 public:
  ScopedSetupKey();
  ~ScopedSetupKey();
  ScopedSetupKey(const ScopedSetupKey&) = delete;
  ScopedSetupKey& operator=(const ScopedSetupKey&) = delete;

  void SetValue(const wchar_t* name, const std::wstring& value);
  void DeleteValue(const wchar_t* name);
  void DeleteKey();

 private:
  std::optional<std::wstring> saved_path_;
  std::optional<std::wstring> saved_language_;
};

class TestInstallation {
 public:
  // A fresh folder under the test's build folder, filled with the real modules.
  explicit TestInstallation(const std::string& name);

  const std::filesystem::path& Directory() const { return directory_; }
  // Directory with a trailing backslash, as the setup records it.
  std::wstring SetupPath() const;

  // Replaces a module with a variant built for tests (test-modules/<variant>/<file>).
  void UseModuleVariant(const std::string& variant, const std::string& file);
  void RemoveFile(const std::string& relative);
  // Writes the catalog item, UTF-16LE, with or without a byte-order mark.
  void WriteCatalog(const std::wstring& xml, bool byte_order_mark = true);
  void WriteConfig(const std::string& text);

  // Points the setup key at this installation with the given language.
  void Register(ScopedSetupKey& key, const std::wstring& language = L"English") const;

 private:
  std::filesystem::path directory_;
};

// The sample catalog with one element or attribute text replaced.
std::wstring SampleCatalog();
std::wstring ReplaceOnce(std::wstring text, const std::wstring& from, const std::wstring& to);

struct HostRun {
  int exit_code = -1;
  std::vector<std::string> lines;  // standard output and standard error, in order
};

// Runs the installation's kova-host.exe with KOVA_HOST_OPTIONS = options and the
// given host arguments; waits for it to end.
// The working directory is the installation's unless one is given.
HostRun RunHost(const TestInstallation& installation, const std::string& options,
                const std::wstring& host_arguments = L"", bool trace = false,
                const std::filesystem::path& working_directory = {});

}  // namespace kova::testing
