#include "import_patch_win.h"

#include <cstring>

namespace kova::testing {
namespace {

void WriteSlot(void** slot, void* value) {
  DWORD old_protection = 0;
  if (VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old_protection)) {
    *slot = value;
    VirtualProtect(slot, sizeof(void*), old_protection, &old_protection);
  }
}

// The import address table slot of library!function in this program, or null.
void** FindImportSlot(const char* library, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) {
    return nullptr;
  }
  for (auto* entry =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), library) != 0) {
      continue;
    }
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
        continue;
      }
      const auto* by_name =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(by_name->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

}  // namespace

ScopedImportPatch::ScopedImportPatch(const char* library, const char* function, void* replacement)
    : slot_(FindImportSlot(library, function)) {
  if (slot_ != nullptr) {
    original_ = *slot_;
    WriteSlot(slot_, replacement);
  }
}

ScopedImportPatch::~ScopedImportPatch() {
  if (slot_ != nullptr) {
    WriteSlot(slot_, original_);
  }
}

}  // namespace kova::testing
