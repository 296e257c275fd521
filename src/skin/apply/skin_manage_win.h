// TSkinManage: the one object of the skin engine that knows every skinned window of the
// module. Thread CBT hooks tell it about window creation, activation and destruction;
// it decides which windows are skinned and with which skin data, keeps one skinning
// object per window and per popup menu, and carries out the skin data's requests
// (switch on, switch off, apply a changed skin, re-skin one window) from a timer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/controls/forms.h"
#include "forms/controls/timer.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manager_link.h"

namespace kova {

struct TSkinThread {
  HHOOK FHook = nullptr;
  DWORD FThreadID = 0;
};

class TSkinManage : public SkinManagerLink {
 public:
  explicit TSkinManage(bool is_sub_manager);
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void InstallHook() override;
  void InstallThread(uint32_t thread_id) override;
  void UnInstallThread(uint32_t thread_id) override;
  void DeleteAllThreads();

  bool AddForm(HWND wnd);
  // Registers a screen form that is visible and not nested in another window.
  void ActiveForm(TForm* form);
  bool DeleteForm(HWND wnd);
  void DeleteForm2(HWND wnd);
  void DeleteForm3();
  void DeleteDeleted();
  void DeleteAllForms();
  void DeleteSubForm(HINSTANCE module_instance);
  TWinSkinForm* FindSkinForm(HWND wnd) const;
  TComponent* FindTForm(HWND wnd) const;
  bool NestedForm(HWND wnd) const;
  bool OnBeforeSkin(HWND wnd, const WideString& class_name);
  TSkinData* FindSkindata(HWND wnd, const WideString& class_name) const;
  // The last skin data of kind sfOnlyThisForm whose owner is the window's form.
  TSkinData* FindOwnSkindata(HWND wnd) const;

  void AddMenu(HWND wnd);
  bool DeleteMenu(HWND wnd);
  bool FindSkinMenu(HWND wnd) const;
  // Notes that the menu about to open is one of the screen's popup menus.
  void FindPopupMenu(HMENU menu);
  void SetPopMenu();
  void SetHMenu(HMENU menu);
  void DeleteAllMenus();

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

  void AssignData(TSkinManage* parent);
  void SetAction(int action, int interval) override;
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
  const std::vector<TWinSkinForm*>& Forms() const { return *FForms; }
  const std::vector<std::unique_ptr<TWinSkinPopMenu>>& Menus() const { return *FMenus; }
  const std::vector<TSkinData*>& SkinDatas() const { return *FSkinDatas; }
  size_t ThreadCount() const { return FThreads ? FThreads->size() : 0; }
  // The action timer.
  const TTimer& Timer() const { return *FTimer; }

  bool FActive = false;
  bool FSweeping = false;
  int32_t FState = 0;
  int32_t FMenuKind = 0;
  bool FPopupPending = false;
  bool FMDIMax = false;
  HWND FMDIClientWnd = nullptr;
  TComponent* FMDIForm = nullptr;
  int32_t FAction = 0;
  TSkinData* FActionData = nullptr;
  TSkinData* FDefaultData = nullptr;
  HINSTANCE FModuleInstance = nullptr;
  HWND FActionWnd = nullptr;
  TSkinManage* FParent = nullptr;

 private:
  void FreeEntry(TWinSkinForm* entry);
  // Un-subclasses and frees every entry of that module.
  void FreeEntriesOf(HINSTANCE module_instance);
  void VisitMDIChildren(bool max);
  void RemoveEntry(TWinSkinForm* entry);

  // Owned by a manager that owns its registries, shared by its sub-managers.
  std::shared_ptr<std::vector<TWinSkinForm*>> FForms;
  std::shared_ptr<std::vector<std::unique_ptr<TWinSkinPopMenu>>> FMenus;
  std::shared_ptr<std::vector<TSkinData*>> FSkinDatas;
  std::shared_ptr<std::vector<TSkinThread>> FThreads;
  std::vector<TSkinManage*> FSubManagers;
  std::unique_ptr<TTimer> FTimer;
  bool adding_ = false;
  bool main_menu_flag_ = true;
  bool hook_installed_ = false;
};

// Makes the skin data components of this module report to this manager (created on
// first need). Idempotent; a module that skins its windows calls it before loading any.
void UseSkinManager();
// The module's manager, or null.
TSkinManage* SkinManager();
// Creates the module's manager when there is none (what the first skin data does).
TSkinManage* CreateSkinManager();
// Frees the module's manager (what unit finalization does).
void FreeSkinManager();

// Unit state: the window property and message name, this module's instance and the
// property atom.
const WideString& PropName();
UINT RM_GetObjectInstance();
HINSTANCE myinstance();
ATOM ControlAtom();
// The framework control that owns a window, as the framework itself records it.
TComponent* FindControlx(HWND wnd);
WideString GetWindowClassname(HWND wnd);

}  // namespace kova
