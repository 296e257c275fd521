// TSkinControl: the base of the objects that skin one control inside a skinned window.
// It takes over the control's messages (the framework control's message method, or a
// plain window's procedure), lets the control do its own work and paints the control
// from the skin afterwards. Descendants choose what they paint and which messages they
// handle themselves.
#pragma once

#include <windows.h>

#include "base/text.h"
#include "forms/classes/component.h"
#include "forms/controls/control.h"
#include "skin/data/skin_data.h"

namespace kova {

class TSkinControls;

enum class SkinControlState : int32_t { kNew = 0, kSkinned = 1, kDestroyed = 6 };

class TSkinControl : public TComponent {
  KOVA_DECLARE_CLASS(TSkinControl)

 public:
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;

  // In slot order. A framework control: takes over its message method; a plain window:
  // installs an own window procedure. Both list the object in `list` and repaint.
  virtual void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
                    bool set_color);
  virtual void Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list);
  // A windowless control: takes over its message method; it paints through its parent.
  void InitGraphic(TSkinControls* list, TGraphicControl* control, TSkinData* data, TCanvas* canvas);
  virtual void Unsubclass();
  // True: the control handles the message (Default), then AfterProc; false: handled here.
  virtual bool BeforeProc(TMessage& message);
  virtual void AfterProc(TMessage& message);
  virtual void PaintControl(HDC dc);
  virtual void DrawControl(HDC dc, const RECT& rect);
  virtual void SkinChange();
  virtual int GetState() const { return static_cast<int>(state_); }

  HWND Handle() const { return handle_; }
  TWinControl* Control() const { return control_; }
  TGraphicControl* GraphicControl() const { return graphic_control_; }
  // Whether the control's colour is set to the skin's form colour while skinned.
  bool SetColor() const { return set_color_; }
  void SetSetColor(bool set_color) { set_color_ = set_color; }
  bool IsHwnd() const { return is_hwnd_; }
  bool Enabled() const { return enabled_; }
  bool Initialized() const { return initialized_; }
  SkinControlState State() const { return state_; }
  TSkinData* SkinData() const { return skin_data_; }
  int Mode() const { return mode_; }
  const WideString& WindowClassName() const { return class_name_; }

 protected:
  // Passes the message to the control's previous message method or window procedure.
  void Default(TMessage& message);
  // Repaints the whole window, background included, at once.
  void Invalidate();
  // Sends the framework's mouse-leave notification to the window.
  void MouseLeave();
  // Paints inside BeginPaint/EndPaint unless wParam carries a device context.
  void WMPaint(TMessage& message);
  void WMERASEBKGND(TMessage& message);
  // WM_PAINT and WM_ERASEBKGND of a control the skin paints entirely: painted here, and
  // the background left alone. True when the message was one of them.
  bool PaintEntirely(TMessage& message);
  // The parent's background colour behind the control.
  TColor ParentColor() const;
  // Told when the windowless control goes away before this object.
  void Notification(TComponent* component, TOperation operation) override;
  void SetMode(int mode) { mode_ = mode; }

  TCanvas* canvas_ = nullptr;
  bool in_message_ = false;
  bool is_hwnd_ = false;
  WideString class_name_;
  WNDPROC prev_wnd_proc_ = nullptr;
  bool enabled_ = true;
  bool unicode_ = false;
  TSkinData* skin_data_ = nullptr;
  HWND handle_ = nullptr;
  TWndMethod old_window_proc_;
  TWinControl* control_ = nullptr;
  RECT rect_{};
  TGraphicControl* graphic_control_ = nullptr;
  bool set_color_ = false;
  TColor saved_color_ = 0;
  bool initialized_ = false;
  SkinControlState state_ = SkinControlState::kNew;
  TSkinControls* owner_list_ = nullptr;
  int mode_ = 0;

 private:
  static LRESULT CALLBACK ObjectWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void NewWndProc(TMessage& message);
  void Restore();
  bool subclassed_ = false;
};

}  // namespace kova
