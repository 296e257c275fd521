// The built-in scroll bars of scrolling windows painted from the skin: one replacement
// bar (TWScrollbar) over each of the window's own bars that shows, following the window
// as it scrolls, resizes, moves, shows or hides its bars. TSkinScrollbar skins the bars
// of scrolling controls (memos, list boxes, grids, tree views, scroll boxes, rich
// edits), TSkinScrollbarH those of a plain window, TComboxScrollBar the bar of a combo
// box's drop-down list.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "skin/apply/win_skin_control_win.h"
#include "skin/apply/win_skin_scrollbar_win.h"

namespace kova {

// The overlays over one window's own bars, shared by the window scroll-bar objects.
class WindowScrollbars {
 public:
  WindowScrollbars() = default;
  WindowScrollbars(const WindowScrollbars&) = delete;
  WindowScrollbars& operator=(const WindowScrollbars&) = delete;

  // Starts following `host`: an overlay for each bar that shows now.
  void Attach(HWND host, TSkinData* data, bool vertical_only);
  void Release();
  // A press the host received on its own bar (WM_NCLBUTTONDOWN with HTVSCROLL or
  // HTHSCROLL) is run through `run`, the host's tracking inside, and shown pressed on the
  // overlay meanwhile. True when the message was such a press.
  bool TrackHostPress(TMessage& message, const std::function<void(TMessage&)>& run);
  // After any message of the host: an overlay for a bar that shows for the first time,
  // place and visibility again for one that moved, appeared or went, a repaint for one
  // whose values changed.
  void AfterMessage(const TMessage& message);
  void Repaint();
  // The mouse over the host while the host holds the capture.
  void HoverAt(POINT screen);
  TWScrollbar* Bar(ScrollbarKind kind) const;

 private:
  struct Seen {
    HostBar bar;
    SCROLLINFO info{};
  };
  Seen Look(ScrollbarKind kind) const;
  void Follow(bool place, bool repaint);
  // The square between the two bars, in the skin's scroll-bar colour while both show.
  void PlaceCorner();

  HWND host_ = nullptr;
  TSkinData* data_ = nullptr;
  bool vertical_only_ = false;
  bool following_ = false;
  std::array<std::unique_ptr<TWScrollbar>, 2> bars_;
  std::array<Seen, 2> seen_{};
  UniqueWindow corner_;
};

class TSkinScrollbar : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinScrollbar)

 public:
  using TSkinControl::TSkinControl;
  void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
            bool set_color) override;
  void Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) override;
  void Unsubclass() override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void SkinChange() override;

  // In single mode only the vertical bar is painted from the skin.
  void SetSingleMode() { SetMode(1); }
  TWScrollbar* Scrollbar(ScrollbarKind kind) const { return bars_.Bar(kind); }

 protected:
  WindowScrollbars bars_;
};

class TSkinScrollbarH : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinScrollbarH)

 public:
  using TSkinControl::TSkinControl;
  void Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) override;
  void Unsubclass() override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void SkinChange() override;

  TWScrollbar* Scrollbar(ScrollbarKind kind) const { return bars_.Bar(kind); }

 protected:
  WindowScrollbars bars_;
};

// The open list holds the mouse, so its overlay never sees it: the list's own mouse
// moves show the part under the mouse.
class TComboxScrollBar : public TSkinScrollbarH {
  KOVA_DECLARE_CLASS(TComboxScrollBar)

 public:
  using TSkinScrollbarH::TSkinScrollbarH;
  void AfterProc(TMessage& message) override;
};

}  // namespace kova
