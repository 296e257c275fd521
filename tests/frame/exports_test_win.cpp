// The export tables are the contracts with the host and between the product's modules:
// exactly the C entry names each caller looks up, in modules built for the same
// machine as the process that loads them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "config/unique_module_win.h"
#include "test_installation_win.h"

namespace kova::testing {
namespace {

// The machine this test program was built for; every module it loads must match.
#if defined(_WIN64)
constexpr WORD kOwnMachine = IMAGE_FILE_MACHINE_AMD64;
#else
constexpr WORD kOwnMachine = IMAGE_FILE_MACHINE_I386;
#endif

// The machine field of a PE file's header, read from the file itself; 0 when the file
// is not a PE image.
WORD FileMachine(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  IMAGE_DOS_HEADER dos{};
  if (!in.read(reinterpret_cast<char*>(&dos), sizeof(dos)) || dos.e_magic != IMAGE_DOS_SIGNATURE) {
    return 0;
  }
  DWORD signature = 0;
  IMAGE_FILE_HEADER header{};
  in.seekg(dos.e_lfanew);
  if (!in.read(reinterpret_cast<char*>(&signature), sizeof(signature)) ||
      signature != IMAGE_NT_SIGNATURE ||
      !in.read(reinterpret_cast<char*>(&header), sizeof(header))) {
    return 0;
  }
  return header.Machine;
}

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

struct ModuleExports {
  const char* file;
  std::vector<std::string> names;
};

// What the hosts and the library's loaders look up, and nothing else: a decorated
// name (a trailing "@4", a doubled underscore) is a name no caller finds.
const ModuleExports kModules[] = {
    {"KOVAMsg.dll", {"_KOVA_Initialize", "_KOVA_ShowForm", "_KOVA_Uninitialize"}},
    {"KOVAUtils.dll",
     {"CommonDefs_Initialize", "CommonDefs_Uninitialize", "CommonDefs_GetConfigStoreGeneric",
      "CommonDefs_GetConfigStringList"}},
    {"TREMLang.dll", {"_00001_", "_00002_"}},
    {"drTXml.dll",
     {"drTarnXml_InitLibrary", "drTarnXml_ReleaseLibrary", "drTarnXML_CreateXMLDocument"}},
    {"DORFiles.dll", {"dorFiles_InitLibrary", "dorFiles_ReleaseLibrary", "dorFiles_GetRepository"}},
    {"KOVAResources.dll", {"_KOVA_Initialize", "_KOVA_Uninitialize"}},
};

TEST(ExportsTest, EachModuleExportsExactlyTheNamesItsCallersLookUp) {
  for (const ModuleExports& expected : kModules) {
    SCOPED_TRACE(expected.file);
    const std::filesystem::path path = BuildDirectory() / "bin" / expected.file;
    EXPECT_EQ(FileMachine(path), kOwnMachine);
    const UniqueModule module(
        LoadLibraryExW(path.wstring().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
    ASSERT_TRUE(module);
    EXPECT_THAT(ExportNames(module.Get()), ::testing::UnorderedElementsAreArray(expected.names));
  }
}

// The programs of the installation run in the same kind of process as its modules.
TEST(ExportsTest, ProgramsAreBuiltForTheSameMachine) {
  for (const char* file : {"kova-host.exe", "Setup.exe"}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(FileMachine(BuildDirectory() / "bin" / file), kOwnMachine);
  }
}

// A host context laid out as the host's compiler lays out a COM object: a table of
// functions that take the object as their first stack argument and clean the stack up
// themselves. It refuses the connection, so a dialog identifier above 4 shows nothing.
struct ComHostContext {
  struct Table {
    HRESULT(STDMETHODCALLTYPE* query_interface)(ComHostContext*, const GUID*, void**);
    ULONG(STDMETHODCALLTYPE* add_ref)(ComHostContext*);
    ULONG(STDMETHODCALLTYPE* release)(ComHostContext*);
    HRESULT(STDMETHODCALLTYPE* get_connection)(ComHostContext*, void** connection);
    HRESULT(STDMETHODCALLTYPE* get_application_context)(ComHostContext*, void**, LONG);
  };
  const Table* table = nullptr;
  int connection_requests = 0;
  bool connection_out_pointer_given = false;
};

HRESULT STDMETHODCALLTYPE NoInterface(ComHostContext*, const GUID*, void** object) {
  *object = nullptr;
  return E_NOINTERFACE;
}
ULONG STDMETHODCALLTYPE FixedCount(ComHostContext*) {
  return 1;
}
HRESULT STDMETHODCALLTYPE RefuseConnection(ComHostContext* self, void** connection) {
  ++self->connection_requests;
  self->connection_out_pointer_given = connection != nullptr;
  if (connection != nullptr) {
    *connection = nullptr;
  }
  return E_FAIL;
}
HRESULT STDMETHODCALLTYPE NoApplicationContext(ComHostContext*, void** context, LONG) {
  *context = nullptr;
  return E_FAIL;
}

constexpr ComHostContext::Table kRefusingContextTable = {NoInterface, FixedCount, FixedCount,
                                                         RefuseConnection, NoApplicationContext};

// KOVAMsg.dll of an installation, loaded into this process, with its three entries.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const TestInstallation& installation)
      : module_(LoadLibraryExW((installation.Directory() / "KOVAMsg.dll").wstring().c_str(),
                               nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {
    initialize = reinterpret_cast<InitializeFn>(Entry("_KOVA_Initialize"));
    show_form = reinterpret_cast<ShowFormFn>(Entry("_KOVA_ShowForm"));
    uninitialize = reinterpret_cast<UninitializeFn>(Entry("_KOVA_Uninitialize"));
  }
  bool Complete() const {
    return module_ && initialize != nullptr && show_form != nullptr && uninitialize != nullptr;
  }

  using InitializeFn = std::int32_t(__cdecl*)(void*);
  using ShowFormFn = std::int32_t(__cdecl*)(std::int32_t);
  using UninitializeFn = std::int32_t(__cdecl*)();
  InitializeFn initialize = nullptr;
  ShowFormFn show_form = nullptr;
  UninitializeFn uninitialize = nullptr;

 private:
  void* Entry(const char* name) const {
    return module_ ? reinterpret_cast<void*>(GetProcAddress(module_.Get(), name)) : nullptr;
  }
  UniqueModule module_;
};

TEST(ExportsTest, TheLibraryCallsTheHostContextAsACOMObject) {
  const TestInstallation installation("com host context");
  LoadedLibrary library(installation);
  ASSERT_TRUE(library.Complete());
  const auto initialize = library.initialize;
  const auto show_form = library.show_form;
  const auto uninitialize = library.uninitialize;

  ComHostContext context;
  context.table = &kRefusingContextTable;
  ASSERT_EQ(initialize(&context), 1);
  EXPECT_EQ(show_form(5), 1);
  EXPECT_EQ(context.connection_requests, 1);
  EXPECT_TRUE(context.connection_out_pointer_given);
  EXPECT_EQ(uninitialize(), 1);
}

// A failed initialisation leaves the manager that was current in place: the next
// dialog call still reaches the first host context, never the second.
TEST(ExportsTest, AFailedSecondInitialisationKeepsTheCurrentManager) {
  TestInstallation installation("failed second initialisation");
  LoadedLibrary library(installation);
  ASSERT_TRUE(library.Complete());
  ComHostContext first;
  first.table = &kRefusingContextTable;
  ComHostContext second;
  second.table = &kRefusingContextTable;

  ASSERT_EQ(library.initialize(&first), 1);
  installation.RemoveFile("Repository/KOVAMainCat");
  EXPECT_EQ(library.initialize(&second), 0);
  EXPECT_EQ(library.show_form(5), 1);
  EXPECT_EQ(first.connection_requests, 1);
  EXPECT_EQ(second.connection_requests, 0);

  EXPECT_EQ(library.uninitialize(), 1);
  EXPECT_EQ(library.show_form(5), 1);
  EXPECT_EQ(first.connection_requests, 1);
}

// The language and resource libraries stay loaded for the manager's life and go with
// it, while KOVAMsg.dll itself is still loaded.
TEST(ExportsTest, UninitialisationUnloadsTheLanguageAndResourceLibraries) {
  const TestInstallation installation("unloads siblings");
  LoadedLibrary library(installation);
  ASSERT_TRUE(library.Complete());
  const std::wstring siblings[] = {(installation.Directory() / "TREMLang.dll").wstring(),
                                   (installation.Directory() / "KOVAResources.dll").wstring()};
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_EQ(library.initialize(nullptr), 1);
    for (const std::wstring& sibling : siblings) {
      EXPECT_NE(GetModuleHandleW(sibling.c_str()), nullptr);
    }
    EXPECT_EQ(library.uninitialize(), 1);
    for (const std::wstring& sibling : siblings) {
      EXPECT_EQ(GetModuleHandleW(sibling.c_str()), nullptr);
    }
  }
}

}  // namespace
}  // namespace kova::testing
