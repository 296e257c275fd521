// The library's export table is the host contract: exactly three C entry names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/unique_module_win.h"
#include "test_installation_win.h"

namespace kova::testing {
namespace {

std::vector<std::string> ExportNames(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  std::vector<std::string> names;
  if (entry.Size == 0) {
    return names;
  }
  const auto* directory =
      reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  const auto* name_offsets = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
  for (DWORD i = 0; i < directory->NumberOfNames; ++i) {
    names.emplace_back(reinterpret_cast<const char*>(base + name_offsets[i]));
  }
  return names;
}

TEST(ExportsTest, LibraryExportsExactlyTheThreeHostEntries) {
  const std::wstring path = (BuildDirectory() / "bin" / "KOVAMsg.dll").wstring();
  const UniqueModule module(LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
  ASSERT_TRUE(module);
  EXPECT_THAT(
      ExportNames(module.Get()),
      ::testing::UnorderedElementsAre("_KOVA_Initialize", "_KOVA_ShowForm", "_KOVA_Uninitialize"));
}

}  // namespace
}  // namespace kova::testing
