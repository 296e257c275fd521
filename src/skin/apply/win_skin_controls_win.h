// The control list of one skinned window: the TSkinControl objects made for its
// controls, the rules that decide which object a control gets, collecting the controls
// of a plain dialog or a framework form, and releasing them.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "forms/controls/control.h"
#include "skin/apply/skin_control_kinds.h"
#include "skin/apply/skin_control_rules.h"
#include "skin/apply/win_skin_control_win.h"
#include "skin/data/skin_data.h"

namespace kova {

class TSkinControls {
 public:
  // `entry` is the window entry the list belongs to, handed to the skin's OnSkinControl.
  TSkinControls(TSkinData* data, TCanvas* canvas, TComponent* entry = nullptr)
      : data_(data), canvas_(canvas), entry_(entry) {}
  ~TSkinControls();
  TSkinControls(const TSkinControls&) = delete;
  TSkinControls& operator=(const TSkinControls&) = delete;

  // Tool buttons' menus are drawn by the skin only while the frame is skinned.
  void SetFrameSkinned(bool skinned) { frame_skinned_ = skinned; }

  // A framework form: the destroyed objects are freed, every component of the form that
  // is a control goes through AddComp, then every windowed control in tab order that is
  // not skinned yet.
  void InitControls(TWinControl* form);
  // Every child window of `dialog` with WS_CHILD, from the top of the z-order, through
  // AddControlh.
  void InitHwndControls(HWND dialog);
  // A plain window by its class table; null when it stays unskinned or is skinned already.
  TSkinControl* AddControlh(HWND wnd);
  // Every child control of a framework container through AddComp.
  void InitChildCtrl(TWinControl* container);
  // Every component of a frame or nested form that is a control through AddComp.
  void InitControlA(TComponent* container);
  // A framework control by the skin's OnSkinControl, its class map and the built-in
  // rules; null when it gets no object (its children may have got theirs).
  TSkinControl* AddComp(TControl* control);
  // Frees the objects of destroyed windows.
  void PurgeDestroyed();
  // Un-skins and frees every object.
  void DeleteControls();
  // Every live object reads the changed skin.
  void SkinChange();

  TSkinControl* Find(HWND wnd) const;
  TSkinControl* Find(const TControl* control) const;
  size_t Count() const { return controls_.size(); }
  MatchContext Context() const;

  // Called by an object that is being freed outside the list.
  void Forget(TSkinControl* control);

  // Lists an object made outside the class rules; it is initialised by the caller.
  TSkinControl* AddControlList(std::unique_ptr<TSkinControl> control);
  // The control `wnd` was made again: its scroll-bar object is replaced by a new one,
  // initialised the same way.
  void ReCreateWnd(HWND wnd);

 private:
  std::unique_ptr<TSkinControl> Make(SkinControlKind kind, bool plain_window) const;
  bool Skinned(const TControl* control) const;
  // Makes, lists and initialises the object of `kind` for a control (nothing for kNone
  // or a family not painted from the skin).
  TSkinControl* Attach(TControl* control, SkinControlKind kind, bool set_color, bool plain_window);
  // Carries out a rule's answer for a control.
  TSkinControl* Apply(TControl* control, const ControlMatch& match);
  void MatchChildren(TWinControl* container, ChildrenStep step);
  TSkinControl* AskOnSkinControl(TControl* control, const WideString& class_name);
  void Extra(TControl* control, MatchExtra extra);

  TSkinData* data_;
  TCanvas* canvas_;
  TComponent* entry_;
  bool frame_skinned_ = false;
  std::vector<std::unique_ptr<TSkinControl>> controls_;
};

}  // namespace kova
