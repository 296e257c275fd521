// TWinSkinForm: the skinning object of one registered window. It subclasses the
// window, answers the skinned-window query, finishes its set-up on the posted set-up
// message and follows the window's destruction (state 4, then 6) so the manager can
// purge it. Painting the frame builds on this life cycle.
#pragma once

#include <windows.h>

#include <cstdint>

#include "forms/classes/component.h"
#include "skin/data/skin_data.h"

namespace kova {

class TSkinManage;

enum class SkinFormState : int32_t {
  kNew = 0,
  kReady = 1,
  kChanging = 3,
  kRemoving = 4,
  kResizing = 5,
  kDeleted = 6,
};

class TWinSkinForm : public TComponent {
  KOVA_DECLARE_CLASS(TWinSkinForm)

 public:
  // `owner` is the framework form, or null for a plain window (the manager frees it).
  TWinSkinForm(TComponent* owner, TSkinManage* manager);
  ~TWinSkinForm() override;

  void SetHandle(HWND wnd) { handle_ = wnd; }
  HWND Handle() const { return handle_; }
  void SetModuleInstance(HINSTANCE instance) { module_instance_ = instance; }
  HINSTANCE ModuleInstance() const { return module_instance_; }
  void SetClassName(const WideString& name) { class_name_ = name; }
  const WideString& WindowClassName() const { return class_name_; }
  TComponent* Form() const { return Owner(); }
  TSkinData* SkinData() const { return skin_data_; }

  void InitTform(TSkinData* data, TComponent* form);
  void InitDlg(TSkinData* data);
  SkinFormState State() const { return state_; }
  void SetState(SkinFormState state) { state_ = state; }

  // Gives the window its own procedure back (idempotent).
  void UnSubclass();
  void UnSubclass3() { UnSubclass(); }
  void RePaint();
  void DeleteSysbtn() {}
  void InitSkinData() {}
  void SkinChange();

 private:
  static LRESULT CALLBACK WinWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);
  void Subclass();

  TSkinManage* manager_;
  HWND handle_ = nullptr;
  HINSTANCE module_instance_ = nullptr;
  WideString class_name_;
  TSkinData* skin_data_ = nullptr;
  WNDPROC prev_proc_ = nullptr;
  SkinFormState state_ = SkinFormState::kNew;
};

// TWinSkinPopMenu: the skinning object of one popup-menu window.
class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;
  ~TWinSkinPopMenu() { UnSubClass(); }

  void InitSkin(HWND wnd, TSkinData* data);
  void UnSubClass();
  HWND Handle() const { return handle_; }
  HMENU Menu() const { return menu_; }
  void SetMenu(HMENU menu) { menu_ = menu; }
  bool FrameworkPopup() const { return framework_popup_; }
  void SetFrameworkPopup(bool value) { framework_popup_ = value; }

 private:
  static LRESULT CALLBACK MenuWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
  HMENU menu_ = nullptr;
  TSkinData* skin_data_ = nullptr;
  WNDPROC prev_proc_ = nullptr;
  bool framework_popup_ = false;
};

}  // namespace kova
