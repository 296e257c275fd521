// What a skin component asks of the process-wide skin manager. The manager lives in the
// skin application layer, which registers a factory here at start-up; without one (the
// portable build, tools) the component works on its own and its forwarding requests do
// nothing.
#pragma once

#include <cstdint>

namespace kova {

class TSkinData;
class TComponent;

using SkinWindow = void*;  // a window handle

// What a skin component asks the manager to do, after a delay, from its timer.
enum class SkinAction : int32_t {
  kNone = 0,
  kActivate = 1,      // skin every form of the screen
  kDeactivate = 2,    // give every window its own look back
  kSkinChanged = 3,   // re-read the changed skin and apply it
  kPurge = 6,         // free the entries of windows that are gone
  kReskinWindow = 7,  // skin one window afresh
};

class SkinManagerLink {
 public:
  virtual ~SkinManagerLink() = default;

  virtual void AddSkinData(TSkinData* data) = 0;
  virtual void RemoveSkinData(TSkinData* data) = 0;
  virtual void InstallHook() = 0;
  virtual void SetAction(SkinAction action, int interval) = 0;
  virtual void SetActionData(TSkinData* data) = 0;
  virtual void SetActionWnd(SkinWindow wnd) = 0;
  virtual int32_t State() const = 0;
  virtual void SetState(int32_t state) = 0;
  virtual void SetActive(bool active) = 0;  // the enable flag
  virtual bool AddForm(SkinWindow wnd) = 0;
  // Skins the window of the form that owns `data`, when its owner is a form.
  virtual void AddOwnerForm(TSkinData* data) = 0;
  virtual void SetAdding(bool adding) = 0;
  virtual void DeleteSysbtn() = 0;
  virtual void InstallThread(uint32_t thread_id) = 0;
  virtual void UnInstallThread(uint32_t thread_id) = 0;
  virtual void SetMainMenuFlag(bool flag) = 0;
  // Work on one skinned window that the form skinning carries out; a manager whose
  // windows cannot do it yet ignores the request.
  virtual void AddNestForm(SkinWindow parent, SkinWindow child) = 0;
  virtual void UpdateSkinControl(SkinWindow form, SkinWindow control) = 0;
  virtual void UpdateMenu(SkinWindow form) = 0;
  virtual void DeleteGraphicControl(SkinWindow form, TComponent* control) = 0;
};

using SkinManagerFactory = SkinManagerLink* (*)();

// The manager, or null when none has been made.
SkinManagerLink* CurrentSkinManager();
// The manager, made through the registered factory when there is none yet; null when
// no factory is registered.
SkinManagerLink* EnsureSkinManager();
void SetSkinManagerFactory(SkinManagerFactory factory, SkinManagerLink* (*current)());

}  // namespace kova
