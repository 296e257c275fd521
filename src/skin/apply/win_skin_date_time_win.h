// Date-time pickers in the skin's colours, with the drop-down button replaced by an
// arrow button (TArrowButton) drawn from "ComboxArrow". A press on the arrow button goes
// on to the picker at its own button, so the picker opens its calendar itself.
#pragma once

#include <memory>

#include "base/win/handles_win.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TArrowButton {
 public:
  // Lies over the drop-down button of `picker`, as a child of it.
  TArrowButton(HWND picker, TSkinData* data);
  ~TArrowButton() = default;
  TArrowButton(const TArrowButton&) = delete;
  TArrowButton& operator=(const TArrowButton&) = delete;

  HWND Handle() const { return window_.Get(); }
  // Follows the picker's button and repaints.
  void SetPosition();
  void Repaint();
  // The "ComboxArrow" frame shown: as push buttons, 1 normal, 2 pressed, 3 disabled,
  // 4 hot.
  int Frame() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);
  void Paint(HDC dc);
  void Forward(UINT msg, WPARAM wparam, LPARAM lparam);

  HWND picker_;
  TSkinData* data_;
  bool pressed_ = false;
  bool hot_ = false;
  UniqueWindow window_;
};

// The picker's own drop-down button, in its client coordinates.
RECT DateTimeButtonRect(HWND picker);

class TSkinDateTime : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinDateTime)

 public:
  using TSkinControl::TSkinControl;
  void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
            bool set_color) override;
  void Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) override;
  void Unsubclass() override;
  void AfterProc(TMessage& message) override;
  void SkinChange() override;

  TArrowButton* ArrowButton() const { return arrow_.get(); }

 private:
  void Attach();
  void DrawBorder() const;
  std::unique_ptr<TArrowButton> arrow_;
};

}  // namespace kova
