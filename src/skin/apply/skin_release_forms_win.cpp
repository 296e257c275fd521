// Taking windows off the manager's registry.
#include "skin/apply/skin_manage_win.h"

namespace kova {

bool TSkinManage::DeleteForm(HWND wnd) {
  if (IsShuttingDown()) {
    return false;
  }
  TWinSkinForm* entry = FindSkinForm(wnd);
  if (entry == nullptr || entry->Form() == nullptr) {
    return false;
  }
  entry->SetState(SkinFormState::kRemoving);
  entry->UnSubclass();
  FormRegistry().Free(*entry);
  return true;
}

void TSkinManage::DeleteForm2(HWND wnd) {
  if (TWinSkinForm* entry = FindSkinForm(wnd)) {
    FormRegistry().Forget(*entry);
  }
}

void TSkinManage::DeleteDeleted() {
  FreeDeletedEntries(/*this_module_only=*/true);
}

void TSkinManage::DeleteForm3() {
  FreeDeletedEntries(/*this_module_only=*/false);
}

void TSkinManage::FreeDeletedEntries(bool this_module_only) {
  if (IsShuttingDown()) {
    return;
  }
  // Entries leave the list in their destructor, so every listed entry is alive.
  const std::vector<TWinSkinForm*> entries = FormRegistry().Entries();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    TWinSkinForm* entry = *it;
    if (FormRegistry().Contains(entry) && entry->State() == SkinFormState::kDeleted &&
        (!this_module_only || entry->ModuleInstance() == FModuleInstance)) {
      FormRegistry().Free(*entry);
    }
  }
}

void TSkinManage::DeleteAllForms() {
  FActive = false;
  FreeEntriesOf(FModuleInstance);
}

void TSkinManage::FreeEntriesOf(HINSTANCE module_instance) {
  // From the last entry to the first; freeing one may take others with it.
  const std::vector<TWinSkinForm*> entries = FormRegistry().Entries();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    TWinSkinForm* entry = *it;
    if (FormRegistry().Contains(entry) && entry->ModuleInstance() == module_instance) {
      entry->UnSubclass3();
      FormRegistry().Free(*entry);
    }
  }
}

void TSkinManage::DeleteSubForm(HINSTANCE module_instance) {
  // That module is going away with its forms: freeing a form frees its entry.
  const std::vector<TWinSkinForm*> entries = FormRegistry().Entries();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    TWinSkinForm* entry = *it;
    if (!FormRegistry().Contains(entry) || entry->ModuleInstance() != module_instance) {
      continue;
    }
    if (TComponent* form = entry->Form()) {
      entry->UnSubclass3();
      delete form;  // what the framework's Free does; its components go with it
    } else {
      entry->UnSubclass3();
      FormRegistry().Free(*entry);
    }
  }
}

}  // namespace kova
