// TWinSkinForm: the skinning object of one registered window. It subclasses the
// window, answers the skinned-window query, finishes its set-up on the posted set-up
// message and follows the window's destruction (state 4, then 6) so the manager can
// purge it. It knows the window's place in an MDI application (frame, child or
// neither), follows its window state and cuts it to a window region. Painting the
// frame builds on this life cycle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "forms/classes/component.h"
#include "skin/apply/skin_form_types.h"
#include "skin/data/skin_data.h"

namespace kova {

class TSkinManage;
struct SkinRegistries;

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

  SkinFormStyle FormStyle() const { return form_style_; }
  SkinBorderStyle BorderStyle() const { return border_style_; }
  SkinWindowState WindowState() const { return window_state_; }
  SkinBorderIcons BorderIcons() const { return border_icons_; }
  void SetWindowState(SkinWindowState state) { window_state_ = state; }
  // The frame is skinned at all (MDI children may keep the system's border).
  bool SkinFrame() const { return skin_frame_; }
  // The MDI client window of an MDI frame, or null.
  HWND MDIClient() const { return mdi_client_; }

  // Cuts the window to the skin's outline (for now the window's rectangle); nothing for
  // a zero-size window, an MDI child that is not in its normal state, or an unskinned
  // frame.
  void Cropwindow();
  // Takes the window region away again.
  void Uncropwindow();
  bool Cropped() const { return cropped_; }
  // Makes the system recompute and repaint the window's frame.
  void Refresh();

  // Gives the window its own procedure back and takes the region away (idempotent).
  void UnSubclass();
  // The same while the window is being destroyed: the system frees the region itself.
  void UnSubclass3();
  void RePaint();
  void DeleteSysbtn() {}
  void InitSkinData() {}
  void SkinChange();
  // The window got no skin after all: its own procedure back, nothing more to do.
  void GiveUp();

 private:
  static LRESULT CALLBACK WinWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);
  // Hands the message to the window's own procedure.
  LRESULT Forward(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT FrameMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void InitSkin(TSkinData* data);
  void FinishSetup();
  void ReadWindowState();
  void Subclass();
  void RestoreWindowProc();
  // The manager while it is the module's one; null once it has gone.
  TSkinManage* Manager() const;

  // Whether the message being handled already reached the window's own procedure.
  struct ForwardFrame {
    bool forwarded = false;
    LRESULT result = 0;
  };
  ForwardFrame forward_;
  TSkinManage* manager_;
  // The registry that lists this entry; told when the entry goes.
  std::weak_ptr<SkinRegistries> registries_;
  HWND handle_ = nullptr;
  HINSTANCE module_instance_ = nullptr;
  WideString class_name_;
  TSkinData* skin_data_ = nullptr;
  WNDPROC prev_proc_ = nullptr;
  SkinFormState state_ = SkinFormState::kNew;
  SkinFormStyle form_style_ = SkinFormStyle::kOrdinary;
  SkinBorderStyle border_style_ = SkinBorderStyle::kSizable;
  SkinWindowState window_state_ = SkinWindowState::kNormal;
  SkinBorderIcons border_icons_;
  HWND mdi_client_ = nullptr;
  bool skin_frame_ = false;
  bool child_ = false;
  // The region given to the window belongs to the system; only its size is kept.
  bool cropped_ = false;
  int region_width_ = 0;
  int region_height_ = 0;
};

}  // namespace kova
