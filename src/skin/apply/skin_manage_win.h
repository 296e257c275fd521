// TSkinManage: the one object of the skin engine that knows every skinned window of the
// module. Thread CBT hooks tell it about window creation, activation and destruction;
// it decides which windows are skinned and with which skin data, keeps one skinning
// object per window and per popup menu, and carries out the skin data's requests
// (switch on, switch off, apply a changed skin, re-skin one window) from a timer.
//
// Its work is split by job: skin_hooks_win.cpp (thread hooks), skin_add_form_win.cpp
// (which windows are skinned), skin_release_forms_win.cpp, skin_menu_registry_win.cpp,
// skin_data_registry_win.cpp, skin_mdi_win.cpp, skin_actions_win.cpp (the action
// machine), skin_sub_managers_win.cpp and skin_unit_win.cpp (the module's manager).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/controls/forms.h"
#include "forms/controls/timer.h"
#include "skin/apply/skin_form_types.h"
#include "skin/apply/skin_registries_win.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manager_link.h"

namespace kova {

class TSkinManage : public SkinManagerLink {
 public:
  // A sub-manager shares the registries of the manager it joins (AssignData).
  explicit TSkinManage(bool is_sub_manager);
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // Thread hooks.
  void InstallHook() override;
  bool HookInstalled() const { return static_cast<bool>(cbt_hook_); }
  void InstallThread(uint32_t thread_id) override;
  void UnInstallThread(uint32_t thread_id) override;
  void DeleteAllThreads();

  // Form registry.
  bool AddForm(HWND wnd);
  // Registers a screen form that is visible and not nested in another window.
  void ActiveForm(TForm* form);
  bool DeleteForm(HWND wnd);
  void DeleteForm2(HWND wnd);
  void DeleteForm3();
  void DeleteDeleted();
  void DeleteAllForms();
  // Frees the form objects of that module's entries, and with them the entries.
  void DeleteSubForm(HINSTANCE module_instance);
  TWinSkinForm* FindSkinForm(HWND wnd) const;
  TComponent* FindTForm(HWND wnd) const;
  bool NestedForm(HWND wnd) const;
  bool OnBeforeSkin(HWND wnd, const WideString& class_name);
  TSkinData* FindSkindata(HWND wnd, const WideString& class_name) const;
  // The last skin data of kind sfOnlyThisForm whose owner is the window's form.
  TSkinData* FindOwnSkindata(HWND wnd) const;

  // Menu registry.
  void AddMenu(HWND wnd);
  bool DeleteMenu(HWND wnd);
  bool FindSkinMenu(HWND wnd) const;
  // Notes that the menu about to open is one of the screen's popup menus.
  void FindPopupMenu(HMENU menu);
  void SetPopMenu();
  void SetHMenu(HMENU menu);
  // The background of the skinned popup that shows the menu, or null.
  const TBitmap* GetMenuBg(HMENU menu) const;
  void DeleteAllMenus();
  void UpdateSkinMenu(HMENU) {}

  // MDI children: maximizing takes their regions away, restoring gives them back to the
  // children that are not minimized. SetMDIMax leaves them alone when the default skin
  // keeps the system's border on MDI children (xoMDIChildBorder); SetMDIMax2 does not.
  void SetMDIMax(bool max);
  void SetMDIMax2(bool max);
  // Gives every registered MDI child a caption.
  void SetCaption();
  int GetMDIChildNum() const;
  // An MDI frame's entry is going away: its client and form are no longer recorded.
  void ForgetMDIFrame(HWND client);

  // Joins the manager of another module (or leaves it, with null).
  void AssignData(TSkinManage* parent);
  const std::vector<TSkinManage*>& SubManagers() const { return FSubManagers; }

  // The action machine.
  void SetAction(SkinAction action, int interval) override;
  void OnTimer();

  // SkinManagerLink.
  void AddSkinData(TSkinData* data) override;
  void RemoveSkinData(TSkinData* data) override;
  void SetActionData(TSkinData* data) override { FActionData = data; }
  void SetActionWnd(SkinWindow wnd) override { FActionWnd = static_cast<HWND>(wnd); }
  int32_t State() const override { return FState; }
  void SetState(int32_t state) override { FState = state; }
  void SetActive(bool active) override { FActive = active; }
  bool AddForm(SkinWindow wnd) override { return AddForm(static_cast<HWND>(wnd)); }
  void AddOwnerForm(TSkinData* data) override;
  void SetAdding(bool adding) override { adding_ = adding; }
  void DeleteSysbtn() override;
  void SetMainMenuFlag(bool flag) override { main_menu_flag_ = flag; }
  void AddNestForm(SkinWindow, SkinWindow) override {}
  void UpdateSkinControl(SkinWindow, SkinWindow) override {}
  void UpdateMenu(SkinWindow) override {}
  void DeleteGraphicControl(SkinWindow, TComponent*) override {}

  // Registries (shared with sub-managers).
  const std::vector<TWinSkinForm*>& Forms() const { return registries_->forms.Entries(); }
  const std::vector<std::unique_ptr<TWinSkinPopMenu>>& Menus() const { return registries_->menus; }
  const std::vector<TSkinData*>& SkinDatas() const { return registries_->skin_datas; }
  size_t ThreadCount() const { return registries_->threads.size(); }
  // What entries use to tell the registry they go; it may outlive this manager.
  std::weak_ptr<SkinRegistries> Registries() const { return registries_; }
  // The action timer.
  const TTimer& Timer() const { return *FTimer; }
  bool IsRunning() const { return FState == static_cast<int32_t>(SkinManagerState::kRunning); }
  bool IsShuttingDown() const {
    return FState == static_cast<int32_t>(SkinManagerState::kShuttingDown);
  }

  bool FActive = false;
  bool FSweeping = false;
  // A SkinManagerState, or a higher count from modules that share this manager.
  int32_t FState = static_cast<int32_t>(SkinManagerState::kIdle);
  SkinMenuKind FMenuKind = SkinMenuKind::kPopup;
  bool FPopupPending = false;
  bool FMDIMax = false;
  HWND FMDIClientWnd = nullptr;
  TComponent* FMDIForm = nullptr;
  SkinAction FAction = SkinAction::kNone;
  TSkinData* FActionData = nullptr;
  TSkinData* FDefaultData = nullptr;
  HINSTANCE FModuleInstance = nullptr;
  HWND FActionWnd = nullptr;
  TSkinManage* FParent = nullptr;

 private:
  bool OwnsRegistries() const { return FModuleInstance == nullptr; }
  SkinFormRegistry& FormRegistry() const { return registries_->forms; }
  // Frees the entries whose windows are gone, of this module or of every module.
  void FreeDeletedEntries(bool this_module_only);
  // Un-subclasses and frees every entry of that module.
  void FreeEntriesOf(HINSTANCE module_instance);
  void VisitMDIChildren(bool max);
  void ActivateAll(TSkinData& data);
  void DeactivateAll(TSkinData& data);
  void ApplyChangedSkin(TSkinData& data);
  void PassOnToSubManagers(SkinAction action, TSkinData* data);

  std::shared_ptr<SkinRegistries> registries_;
  std::vector<TSkinManage*> FSubManagers;
  std::unique_ptr<TTimer> FTimer;
  UniqueHook cbt_hook_;
  bool adding_ = false;
  bool main_menu_flag_ = true;
};

// Makes the skin data components of this module report to this manager (created on
// first need). Idempotent; a module that skins its windows calls it before loading any.
void UseSkinManager();
// The module's manager, or null.
TSkinManage* SkinManager();
// Creates the module's manager when there is none (what the first skin data does).
TSkinManage* CreateSkinManager();
// Frees the module's manager (what unit finalization does); unhooks with it.
void FreeSkinManager();
// Makes this module's manager (a sub-manager when there is none yet) join the manager of
// another module of the process, hooks this thread and counts the join.
TSkinManage* SkinDll(TSkinManage* parent);

// This module's instance.
HINSTANCE myinstance();
// The framework control that owns a window, as the framework itself records it.
TComponent* FindControlx(HWND wnd);
// The window's class name (at most 100 characters).
WideString GetWindowClassname(HWND wnd);

}  // namespace kova
