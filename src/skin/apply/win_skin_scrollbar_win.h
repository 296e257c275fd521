// Scroll bars painted from the skin. A replacement bar (TWScrollbar) lies over a native
// one, either a window's own horizontal or vertical bar or a stand-alone scroll bar
// control, and paints arrows, track and thumb from the skin's scroll-bar images; presses
// go on to the native bar, so the system's own scrolling runs.
#pragma once

#include <memory>

#include "base/win/handles_win.h"
#include "skin/apply/scrollbar_geometry.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

// Which native bar an overlay covers.
enum class ScrollbarKind : uint8_t {
  kHorizontal = 0,  // a window's own horizontal bar
  kVertical = 1,    // a window's own vertical bar
  kControl = 2,     // a stand-alone scroll bar control
};

// A native bar as the system shows it: its screen rectangle, whether it shows at all and
// whether it takes the mouse.
struct HostBar {
  RECT rect{};
  bool visible = false;
  bool enabled = false;
};
HostBar ReadHostBar(HWND host, ScrollbarKind kind, const TSkinData* data);

// A window of `window_class` that lies over part of `host`: a child of the host's parent,
// or, for a popup host (a combo box's drop-down list), a popup owned by the host.
UniqueWindow CreateOverHost(HWND host, const wchar_t* window_class);
// Puts such a window over `screen`, right above the host, and shows or hides it.
void PlaceOverHost(HWND overlay, HWND host, RECT screen, bool visible);

class TWScrollbar {
 public:
  TWScrollbar(HWND host, ScrollbarKind kind, TSkinData* data);
  ~TWScrollbar() { *alive_ = false; }
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  HWND Handle() const { return window_.Get(); }
  HWND Host() const { return host_; }
  ScrollbarKind Kind() const { return kind_; }
  // Follows the host's bar: its place, size and visibility; repaints.
  void SetPosition();
  void HideScrollbar();
  void Repaint();

  SCROLLINFO ScrollInfo() const;

  ThumbSpan Thumb() const;
  int Length() const;
  int ArrowSize() const;
  bool Vertical() const { return vertical_; }
  ScrollPart HotPart() const { return hot_part_; }
  bool Pressing() const { return pressing_; }
  // The mouse over the bar while the host holds the capture (an open drop-down list):
  // shows the part under `screen`, or none when it is off the bar.
  void HoverAt(POINT screen);
  // A press at `screen` that the host tracks: shown pressed (and a dragged thumb following
  // the mouse) until EndPress.
  void BeginPress(POINT screen);
  void EndPress();
  // False once the overlay is gone: a host destroyed inside its tracking frees it.
  std::shared_ptr<const bool> Alive() const { return alive_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);
  void Paint(HDC dc);
  void MouseMove(POINT point);
  void LeftDown(POINT point);
  void LeftUp(POINT point);
  // The press or release as the host expects it: a non-client message with the bar's hit
  // code and a screen point for a window's own bar, a client message for a control.
  void SendToHost(UINT client_msg, UINT nonclient_msg, POINT point, bool post);
  int Along(POINT point) const { return vertical_ ? point.y : point.x; }
  // Where the mouse is along the bar now, in overlay coordinates.
  int MouseAlong() const;
  ThumbSpan ThumbFromInfo() const;

  HWND host_;
  ScrollbarKind kind_;
  TSkinData* data_;
  bool vertical_ = false;
  bool pressing_ = false;
  ScrollPart hot_part_ = ScrollPart::kNone;
  ThumbSpan press_thumb_;
  int press_point_ = 0;
  UniqueWindow window_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
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

// Whether the skin can paint scroll bars: it has the "Scrollbar" image.
bool SkinPaintsScrollbars(const TSkinData* data);

}  // namespace kova
