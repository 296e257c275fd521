// Process-wide loaders of the product's sibling modules. Each loader counts its
// successful loads; its entry points are valid while the count is above 0. Loaders
// never raise: failures answer false and leave the count as it was.
#pragma once

#include <windows.h>

#include "config/sibling_interfaces.h"
#include "base/text.h"

namespace kova {

class IHostContext;

// KOVAUtils.dll: the configuration store.
class CommonDefsLibrary {
 public:
  // Loads from `directory` (with a trailing backslash). Without a directory the module
  // is looked for in this library's directory, then in the installation folder,
  // always by full path: a copy planted on the search path must never be loaded.
  // Calls CommonDefs_Initialize(context); success when it answers 1.
  static bool Load(const char16_t* directory, IHostContext* context);
  // Calls CommonDefs_Uninitialize when the last load is undone; false when it refuses.
  static bool Unload();
  static IConfigStore* GetConfigStore();
  static LONG ReferenceCount();
  static HMODULE Module();
};

// TREMLang.dll: the dictionary object (_00001_, _00002_).
class LangLibrary {
 public:
  static bool Load(const char16_t* directory);
  static void Unload();
  static LangCreateDictionaryFn CreateDictionaryEntry();  // null when not resolved
  static LangReleaseFn ReleaseEntry();                    // null when not resolved
  static LONG ReferenceCount();
};

// drTXml.dll: XML documents with XPath.
class XmlLibrary {
 public:
  static bool Load(const char16_t* directory);
  static void Unload();
  static XmlInitLibraryFn InitLibraryEntry();
  static XmlReleaseLibraryFn ReleaseLibraryEntry();
  static XmlCreateDocumentFn CreateDocumentEntry();
  static LONG ReferenceCount();
};

// DORFiles.dll: the files repository.
class FilesLibrary {
 public:
  static bool Load(const char16_t* directory);
  static void Unload();
  static FilesInitLibraryFn InitLibraryEntry();
  static FilesReleaseLibraryFn ReleaseLibraryEntry();
  static FilesGetRepositoryFn GetRepositoryEntry();
  static LONG ReferenceCount();
};

}  // namespace kova
