// Entries of DORFiles.dll. The repository is the folder "Repository" beside this
// module; it exists between the first InitLibrary(1) and the matching last release.
#include <windows.h>

#include <memory>
#include <string>

#include "DORFiles/files_repository.h"
#include "module_directory_win.h"

namespace {

std::unique_ptr<kova::FilesRepository> g_repository;
long g_users = 0;

}  // namespace

extern "C" std::int32_t DorFilesInitLibrary(std::int32_t mode) {
  if (mode != 1) {
    return 0;
  }
  if (!g_repository) {
    g_repository = std::make_unique<kova::FilesRepository>(
        std::filesystem::path(kova::siblings::ThisModuleDirectory()) / L"Repository");
  }
  ++g_users;
  return 1;
}

extern "C" std::int32_t DorFilesReleaseLibrary() {
  if (g_users == 0) {
    return 0;
  }
  if (--g_users == 0) {
    g_repository.reset();
  }
  return 1;
}

extern "C" kova::IFilesRepository* DorFilesGetRepository() {
  return g_repository.get();
}
