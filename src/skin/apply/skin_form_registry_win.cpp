#include "skin/apply/skin_form_registry_win.h"

#include <algorithm>

#include "skin/apply/win_skin_form_win.h"

namespace kova {

SkinFormRegistry::~SkinFormRegistry() {
  // Plain entries die with the registry; those of forms stay with their forms.
  std::vector<std::unique_ptr<TWinSkinForm>> doomed = std::move(plain_);
  entries_.clear();
}

void SkinFormRegistry::AddOwnedByForm(TWinSkinForm& entry) {
  entries_.push_back(&entry);
}

void SkinFormRegistry::AddPlain(std::unique_ptr<TWinSkinForm> entry) {
  entries_.push_back(entry.get());
  plain_.push_back(std::move(entry));
}

void SkinFormRegistry::Free(TWinSkinForm& entry) {
  std::unique_ptr<TWinSkinForm> doomed;
  if (TComponent* form = entry.Owner()) {
    form->RemoveComponent(&entry);  // the form hands it over
    doomed.reset(&entry);
  } else {
    auto it = std::find_if(plain_.begin(), plain_.end(),
                           [&](const auto& owned) { return owned.get() == &entry; });
    if (it == plain_.end()) {
      return;
    }
    doomed = std::move(*it);
    plain_.erase(it);
  }
  // Its destructor takes it off the list.
}

void SkinFormRegistry::Forget(const TWinSkinForm& entry) {
  entries_.erase(std::remove(entries_.begin(), entries_.end(), &entry), entries_.end());
}

TWinSkinForm* SkinFormRegistry::Find(HWND wnd) const {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [wnd](const TWinSkinForm* entry) { return entry->Handle() == wnd; });
  return it != entries_.end() ? *it : nullptr;
}

bool SkinFormRegistry::Contains(const TWinSkinForm* entry) const {
  return std::find(entries_.begin(), entries_.end(), entry) != entries_.end();
}

}  // namespace kova
