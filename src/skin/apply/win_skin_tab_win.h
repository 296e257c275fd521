// Tab controls and page controls painted from the skin. The control keeps its own
// layout, selection and mouse handling; the skin paints its tabs (from "Tabs", states 1
// and 2), its page frame and, when the control asks for them, close buttons on its tabs.
#pragma once

#include <vector>

#include "base/text.h"
#include "skin/apply/tab_strip_layout.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinTab : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinTab)

 public:
  // A tab control that is not a page control: after its page the framework paints the
  // control's windowless children, which have no page of their own to stand on.
  static constexpr int kModeTabControl = 2;

  using TSkinControl::TSkinControl;
  void SetTabControlMode() { SetMode(kModeTabControl); }

  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The tab side: 0 top, 1 bottom, 2 left, 3 right.
  TabPosition GetPosition() const;
  // Whether the control asks for close buttons on its tabs (its published
  // "ShowCloseButton").
  bool WantsCloseButtons() const;
  // The close button of tab `index` in client coordinates; empty without one.
  RECT CloseButtonRect(int index) const;

 protected:
  struct Item {
    RECT rect{};  // client coordinates, as the control reports it
    WideString text;
    int image = -1;
  };

  // The object the tabs are drawn from.
  virtual const TDataSkinObject* TabLook() const;
  // The frame a tab shows, and its text colour in that frame.
  virtual int ItemFrame(int index, bool focused) const;
  virtual TColor ItemTextColor(int frame) const;
  // Whether the page frame is painted from the skin.
  virtual bool PaintsPane() const { return true; }

  std::vector<Item> ReadItems() const;
  // The page frame: the control's display rectangle widened, fitted to its tabs.
  ImageRect PageRect(const std::vector<Item>& items) const;
  TabStripLayout Layout() const;

 private:
  bool HasLook() const;
  // Closes tab `index`: a page of a page control is hidden, a plain tab removed.
  void ClickClose(int index);
  // The tab whose close button lies under a client point, or -1.
  int CloseButtonAt(POINT point) const;
  // Leaves the control's scroll arrows alone when painting over the control.
  void ClipUpdown(HDC dc) const;
  void PaintWindowlessChildren(HDC dc) const;
};

// Page controls whose tabs are buttons: each tab drawn from the button object, the
// focused one pressed, no page frame.
class TSkinTabBtn : public TSkinTab {
  KOVA_DECLARE_CLASS(TSkinTabBtn)

 public:
  using TSkinTab::TSkinTab;

 protected:
  const TDataSkinObject* TabLook() const override;
  int ItemFrame(int index, bool focused) const override;
  TColor ItemTextColor(int frame) const override;
  bool PaintsPane() const override { return false; }
};

// Foreign page controls: their tabs from "Tabs"; their pages draw themselves.
class TSkinAdvPage : public TSkinTab {
  KOVA_DECLARE_CLASS(TSkinAdvPage)

 public:
  using TSkinTab::TSkinTab;

 protected:
  bool PaintsPane() const override { return false; }
};

}  // namespace kova
