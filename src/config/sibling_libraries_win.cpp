#include "config/sibling_libraries_win.h"

#include <array>
#include <optional>
#include <vector>

#include "config/library_path.h"
#include "config/module_directory_win.h"
#include "config/setup_registry_win.h"
#include "config/unique_module_win.h"
#include "serial/critical_section.h"

namespace kova {
namespace {

// Resolved entry points of one module, by name.
template <size_t N>
class EntryTable {
 public:
  explicit EntryTable(const std::array<const char*, N>& names) : names_(names) {}

  // Resolves every empty slot; true when all are filled.
  bool ResolveMissing(HMODULE module) {
    bool all = true;
    for (size_t i = 0; i < N; ++i) {
      if (slots_[i] == nullptr) {
        slots_[i] = GetProcAddress(module, names_[i]);
      }
      all = all && slots_[i] != nullptr;
    }
    return all;
  }
  void Clear() { slots_.fill(nullptr); }

  template <typename Fn>
  Fn Get(size_t i) const {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(slots_[i]));
  }

 private:
  std::array<const char*, N> names_;
  std::array<FARPROC, N> slots_{};
};

// The loader shape shared by the language, XML and files libraries: the count goes up
// first and only the first load maps the module.
template <size_t N>
class CountedLibrary {
 public:
  struct Options {
    const char16_t* file_name;
    std::array<const char*, N> entries;
    bool locked;      // serialise Load and Unload
    bool limit_path;  // format "%s%s" into the loaders' path buffer
    bool accept_empty_directory;
  };

  explicit CountedLibrary(const Options& options) : options_(options), entries_(options.entries) {}

  bool Load(const char16_t* directory) {
    std::optional<CAutoTarnActiveLock> guard;
    if (options_.locked) {
      guard.emplace(lock_);
    }
    if (directory == nullptr || (!options_.accept_empty_directory && *directory == 0)) {
      return false;
    }
    if (InterlockedIncrement(&count_) >= 2) {
      return true;
    }
    const WideString path = options_.limit_path ? FormatLibraryPath(directory, options_.file_name)
                                                : WideString(directory) + options_.file_name;
    module_ = UniqueModule::Load(AsWin(path));
    if (!module_ || !entries_.ResolveMissing(module_.Get())) {
      InterlockedDecrement(&count_);
      entries_.Clear();
      module_.Reset();
      return false;
    }
    return true;
  }

  void Unload() {
    std::optional<CAutoTarnActiveLock> guard;
    if (options_.locked) {
      guard.emplace(lock_);
    }
    if (count_ == 0) {
      return;
    }
    if (InterlockedDecrement(&count_) == 0 && module_) {
      module_.Reset();
      entries_.Clear();
    }
  }

  template <typename Fn>
  Fn Entry(size_t i) const {
    return count_ > 0 ? entries_.template Get<Fn>(i) : nullptr;
  }
  LONG Count() const { return count_; }

 private:
  Options options_;
  CCriticalSection lock_;
  volatile LONG count_ = 0;
  UniqueModule module_;
  EntryTable<N> entries_;
};

CountedLibrary<2>& Lang() {
  static CountedLibrary<2> library({u"TREMLang.dll", {"_00001_", "_00002_"}, false, false, false});
  return library;
}

CountedLibrary<3>& Xml() {
  static CountedLibrary<3> library(
      {u"drTXml.dll",
       {"drTarnXml_InitLibrary", "drTarnXml_ReleaseLibrary", "drTarnXML_CreateXMLDocument"},
       true,
       true,
       true});
  return library;
}

CountedLibrary<3>& Files() {
  static CountedLibrary<3> library(
      {u"DORFiles.dll",
       {"dorFiles_InitLibrary", "dorFiles_ReleaseLibrary", "dorFiles_GetRepository"},
       true,
       true,
       true});
  return library;
}

// KOVAUtils.dll has its own shape: initialisation inside Load, and an
// uninitialisation that may refuse.
class CommonDefs {
 public:
  enum Entry : size_t { kInitialize, kUninitialize, kGetConfigStore, kGetConfigStringList };

  bool Load(const char16_t* directory, IHostContext* context) {
    if (!module_) {
      if (!LoadFirst(directory, context)) {
        entries_.Clear();
        module_.Reset();
        return false;
      }
    } else if (count_ <= 0) {
      entries_.Clear();
      module_.Reset();
      return false;
    }
    InterlockedIncrement(&count_);
    return true;
  }

  bool Unload() {
    if (count_ <= 0) {
      return false;  // nothing to undo
    }
    if (InterlockedDecrement(&count_) != 0) {
      return true;
    }
    if (auto uninitialize = entries_.Get<CommonDefsUninitializeFn>(kUninitialize)) {
      if (uninitialize() == 0) {
        return false;
      }
    }
    entries_.Clear();
    module_.Reset();
    return true;
  }

  IConfigStore* GetConfigStore() const {
    // Entries are cleared whenever the module is freed; a module whose uninitialisation
    // refused stays loaded with them.
    auto get = entries_.Get<CommonDefsGetConfigStoreFn>(kGetConfigStore);
    return get ? get() : nullptr;
  }
  LONG Count() const { return count_; }
  HMODULE Module() const { return module_.Get(); }

 private:
  static constexpr const char16_t* kFileName = u"KOVAUtils.dll";

  bool LoadFirst(const char16_t* directory, IHostContext* context) {
    for (const WideString& path : CandidatePaths(directory)) {
      module_ = UniqueModule::Load(AsWin(path));
      if (module_) {
        break;
      }
    }
    if (!module_ || !entries_.ResolveMissing(module_.Get())) {
      return false;
    }
    return entries_.Get<CommonDefsInitializeFn>(kInitialize)(context) == 1;
  }

  static std::vector<WideString> CandidatePaths(const char16_t* directory) {
    std::vector<WideString> paths;
    if (directory != nullptr) {
      paths.push_back(FormatLibraryPath(directory, kFileName));
      return paths;
    }
    for (WideString folder : {ModuleDirectory(ThisModule()) + u"\\", GetSetupPath()}) {
      if (IsAbsoluteWindowsPath(folder)) {
        if (folder.back() != u'\\') {
          folder += u'\\';
        }
        paths.push_back(FormatLibraryPath(folder, kFileName));
      }
    }
    return paths;
  }

  volatile LONG count_ = 0;
  UniqueModule module_;
  EntryTable<4> entries_{{"CommonDefs_Initialize", "CommonDefs_Uninitialize",
                          "CommonDefs_GetConfigStoreGeneric", "CommonDefs_GetConfigStringList"}};
};

CommonDefs& Utils() {
  static CommonDefs library;
  return library;
}

}  // namespace

bool CommonDefsLibrary::Load(const char16_t* directory, IHostContext* context) {
  return Utils().Load(directory, context);
}
bool CommonDefsLibrary::Unload() {
  return Utils().Unload();
}
IConfigStore* CommonDefsLibrary::GetConfigStore() {
  return Utils().GetConfigStore();
}
LONG CommonDefsLibrary::ReferenceCount() {
  return Utils().Count();
}
HMODULE CommonDefsLibrary::Module() {
  return Utils().Module();
}

bool LangLibrary::Load(const char16_t* directory) {
  return Lang().Load(directory);
}
void LangLibrary::Unload() {
  Lang().Unload();
}
LangCreateDictionaryFn LangLibrary::CreateDictionaryEntry() {
  return Lang().Entry<LangCreateDictionaryFn>(0);
}
LangReleaseFn LangLibrary::ReleaseEntry() {
  return Lang().Entry<LangReleaseFn>(1);
}
LONG LangLibrary::ReferenceCount() {
  return Lang().Count();
}

bool XmlLibrary::Load(const char16_t* directory) {
  return Xml().Load(directory);
}
void XmlLibrary::Unload() {
  Xml().Unload();
}
XmlInitLibraryFn XmlLibrary::InitLibraryEntry() {
  return Xml().Entry<XmlInitLibraryFn>(0);
}
XmlReleaseLibraryFn XmlLibrary::ReleaseLibraryEntry() {
  return Xml().Entry<XmlReleaseLibraryFn>(1);
}
XmlCreateDocumentFn XmlLibrary::CreateDocumentEntry() {
  return Xml().Entry<XmlCreateDocumentFn>(2);
}
LONG XmlLibrary::ReferenceCount() {
  return Xml().Count();
}

bool FilesLibrary::Load(const char16_t* directory) {
  return Files().Load(directory);
}
void FilesLibrary::Unload() {
  Files().Unload();
}
FilesInitLibraryFn FilesLibrary::InitLibraryEntry() {
  return Files().Entry<FilesInitLibraryFn>(0);
}
FilesReleaseLibraryFn FilesLibrary::ReleaseLibraryEntry() {
  return Files().Entry<FilesReleaseLibraryFn>(1);
}
FilesGetRepositoryFn FilesLibrary::GetRepositoryEntry() {
  return Files().Entry<FilesGetRepositoryFn>(2);
}
LONG FilesLibrary::ReferenceCount() {
  return Files().Count();
}

}  // namespace kova
