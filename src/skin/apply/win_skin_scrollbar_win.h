// Stand-alone scroll bar controls painted from the skin. A replacement bar (TWScrollbar)
// lies over the native one and paints arrows, track and thumb from the skin's scroll-bar
// images; presses go on to the native bar, so the system's own scrolling runs.
#pragma once

#include "base/win/handles_win.h"
#include "skin/apply/scrollbar_geometry.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TWScrollbar {
 public:
  // Covers `host`, a scroll bar control, from its parent window.
  TWScrollbar(HWND host, TSkinData* data);
  ~TWScrollbar() = default;
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  HWND Handle() const { return window_.Get(); }
  // Follows the host's place, size and visibility and repaints.
  void SetPosition();
  void Repaint();
  ThumbSpan Thumb() const;
  int Length() const;
  int ArrowSize() const;
  bool Vertical() const { return vertical_; }
  ScrollPart HotPart() const { return hot_part_; }
  bool Pressing() const { return pressing_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);
  void Paint(HDC dc);
  void MouseMove(POINT point);
  void LeftDown(POINT point);
  void LeftUp(POINT point);
  int Along(POINT point) const { return vertical_ ? point.y : point.x; }

  HWND host_;
  TSkinData* data_;
  bool vertical_ = false;
  bool pressing_ = false;
  ScrollPart hot_part_ = ScrollPart::kNone;
  ThumbSpan press_thumb_;
  int press_point_ = 0;
  bool dragging_ = false;
  int drag_mouse_ = 0;
  UniqueWindow window_;
};

class TSkinScControl : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinScControl)

 public:
  using TSkinControl::TSkinControl;
  void Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) override;
  void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
            bool set_color) override;
  void Unsubclass() override;
  void AfterProc(TMessage& message) override;
  void SkinChange() override;

  TWScrollbar* Overlay() const { return overlay_.get(); }

 private:
  void Attach();
  std::unique_ptr<TWScrollbar> overlay_;
};

}  // namespace kova
