// The control list of one skinned window: the TSkinControl objects made for its
// controls, the rules that decide which object a control gets, collecting the controls
// of a plain dialog or a framework form, and releasing them.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "forms/controls/control.h"
#include "skin/apply/skin_control_kinds.h"
#include "skin/apply/win_skin_control_win.h"
#include "skin/data/skin_data.h"

namespace kova {

class TSkinControls {
 public:
  TSkinControls(TSkinData* data, TCanvas* canvas) : data_(data), canvas_(canvas) {}
  ~TSkinControls();
  TSkinControls(const TSkinControls&) = delete;
  TSkinControls& operator=(const TSkinControls&) = delete;

  // Every child window of `dialog` with WS_CHILD, from the top of the z-order, through
  // AddControlh.
  void InitHwndControls(HWND dialog);
  // A plain window by its class table; null when it stays unskinned or is skinned already.
  TSkinControl* AddControlh(HWND wnd);
  // Every windowed child of a framework container through AddComp, depth first.
  void InitChildCtrl(TWinControl* container);
  // A framework control by its class; null when it stays unskinned or is skinned already.
  TSkinControl* AddComp(TWinControl* control);
  // Frees the objects of destroyed windows.
  void PurgeDestroyed();
  // Un-skins and frees every object.
  void DeleteControls();
  // Every live object reads the changed skin.
  void SkinChange();

  TSkinControl* Find(HWND wnd) const;
  TSkinControl* Find(const TWinControl* control) const;
  size_t Count() const { return controls_.size(); }

  // Called by an object that is being freed outside the list.
  void Forget(TSkinControl* control);

  // Lists an object made outside the class rules; it is initialised by the caller.
  TSkinControl* AddControlList(std::unique_ptr<TSkinControl> control);
  // The control `wnd` was made again: its scroll-bar object is replaced by a new one,
  // initialised the same way.
  void ReCreateWnd(HWND wnd);

 private:
  std::unique_ptr<TSkinControl> Make(SkinControlKind kind, bool plain_window) const;

  TSkinData* data_;
  TCanvas* canvas_;
  std::vector<std::unique_ptr<TSkinControl>> controls_;
};

}  // namespace kova
