// The manager's list of skinned windows. An entry has one owner: its framework form, or
// this registry for a plain window; the list itself only observes, and an entry leaves
// it from its own destructor (Forget), whoever frees it.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace kova {

class TWinSkinForm;

class SkinFormRegistry {
 public:
  SkinFormRegistry() = default;
  SkinFormRegistry(const SkinFormRegistry&) = delete;
  SkinFormRegistry& operator=(const SkinFormRegistry&) = delete;
  ~SkinFormRegistry();

  // Lists an entry that its form owns.
  void AddOwnedByForm(TWinSkinForm& entry);
  // Lists an entry of a plain window and keeps it.
  void AddPlain(std::unique_ptr<TWinSkinForm> entry);
  // Frees a listed entry through its owner; it leaves the list on the way.
  void Free(TWinSkinForm& entry);
  // The entry is going away (its destructor calls this).
  void Forget(const TWinSkinForm& entry);

  // First entry of the window, or null.
  TWinSkinForm* Find(HWND wnd) const;
  bool Contains(const TWinSkinForm* entry) const;
  const std::vector<TWinSkinForm*>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }
  size_t Size() const { return entries_.size(); }

 private:
  std::vector<TWinSkinForm*> entries_;                // registration order
  std::vector<std::unique_ptr<TWinSkinForm>> plain_;  // the entries without a form
};

}  // namespace kova
