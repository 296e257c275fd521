// TControl and its three kinds: TGraphicControl (no window, painted by its parent),
// TWinControl (a window of its own, whose class is named after the framework class)
// and TCustomControl (a window with a canvas to paint on).
//
// Every message for a control goes through its replaceable message method WindowProc,
// which starts as the control's WndProc. A window carries the property
// "ControlOfs<instance><thread>" holding its control, so code that only has the
// window finds the control (FindControl).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "forms/classes/component.h"
#include "forms/controls/messages.h"
#include "forms/graphics/canvas.h"
#include "forms/graphics/colors.h"
#include "base/win/handles_win.h"

namespace kova {

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = EnumSet<TAnchorKind>;
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;

extern const EnumTypeInfo kAlignInfo;
extern const EnumTypeInfo kAnchorKindInfo;
extern const EnumTypeInfo kAlignmentInfo;

using TWndMethod = std::function<void(TMessage&)>;
using TMouseEvent = std::function<void(TObject* sender, int x, int y)>;

class TControl : public TComponent {
  KOVA_DECLARE_CLASS(TControl)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  virtual int ClientWidth() const { return ClientRect().right; }
  virtual int ClientHeight() const { return ClientRect().bottom; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFont& Font() { return *font_; }
  const TFont& Font() const { return *font_; }
  void SetFont(TFont* font) { font_->Assign(font); }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  const WideString& Hint() const { return hint_; }
  void SetHint(const WideString& hint) { hint_ = hint; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show) { show_hint_ = show; }

  // The control's text: its caption, or an edit control's content.
  virtual WideString GetText() const;
  void SetText(const WideString& text);
  WideString Caption() const { return GetText(); }
  void SetCaption(const WideString& text) { SetText(text); }
  // Copies at most size - 1 characters and a terminating zero; answers the count copied.
  int GetTextBuf(char16_t* buffer, int size) const;
  void SetTextBuf(const char16_t* buffer);
  int GetTextLen() const { return static_cast<int>(GetText().size()); }

  // Sends a message straight to the control's message method.
  LRESULT Perform(UINT msg, WPARAM wparam, LPARAM lparam);
  // Sends through the control's window when it has one (so a replaced window
  // procedure sees the message too), else straight to the message method.
  virtual LRESULT SendControlMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    return Perform(msg, wparam, lparam);
  }
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);

  virtual void Invalidate();
  void Repaint();
  virtual void Click();
  // Mouse position inside the control while the mouse is over it.
  bool MouseInControl() const { return mouse_in_; }

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseEvent OnMouseMove;

  // Placement rules of Anchors: the parent's client size when the bounds were last set.
  SIZE AnchorOrigin() const { return anchor_origin_; }

 protected:
  // Text kept by controls without a window (windowed controls keep it in the window).
  WideString text_;
  virtual void TextChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void DefaultHandler(TMessage& message);
  // Whether a left-button press and release inside the control is a click (controls
  // over system window classes report clicks themselves).
  virtual bool ClicksOnMouseUp() const { return true; }
  void UpdateAnchorOrigin();

  friend class TWinControl;

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
  SIZE anchor_origin_{0, 0};
  bool visible_ = true;
  bool enabled_ = true;
  bool show_hint_ = false;
  bool mouse_in_ = false;
  bool mouse_down_ = false;
  TColor color_ = clBtnFace;
  std::unique_ptr<TFont> font_;
  TCursor cursor_ = crDefault;
  WideString hint_;
};

// Parameters of the window a TWinControl makes.
struct TCreateParams {
  WideString caption;
  DWORD style = 0;
  DWORD ex_style = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HWND parent = nullptr;
  // A system window class (for example "BUTTON") whose behaviour the window takes on.
  const wchar_t* system_class = nullptr;
};

class TWinControl : public TControl {
  KOVA_DECLARE_CLASS(TWinControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, made (with the parents' windows) on first use.
  HWND Handle();
  HWND WindowHandle() const { return window_.Get(); }
  bool HandleAllocated() const { return static_cast<bool>(window_); }
  void DestroyHandle();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[static_cast<size_t>(index)]; }
  // Inner frame that aligned children keep clear of.
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  LRESULT SendControlMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
    return window_ ? SendMessageW(window_.Get(), msg, wparam, lparam)
                   : Perform(msg, wparam, lparam);
  }
  WideString GetText() const override;
  void Invalidate() override;
  RECT ClientRect() const override;

  bool Focused() const;
  bool CanFocus() const;
  virtual void SetFocus();
  int TabOrder() const;
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }

  // Places the aligned and anchored children.
  void Realign();
  // The child control under a point of this control's client area (windowless ones
  // included); null when none.
  TControl* ControlAtPos(POINT point, bool allow_disabled) const;

  void WndProc(TMessage& message) override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Makes the window again (after a change of style the window cannot take on), when it
  // exists and its parent's does.
  void RecreateWnd();
  // Called once the window exists (children are made after this).
  virtual void CreateWindowHandle() {}
  // Paints windowless children over this control.
  void PaintControls(HDC dc);
  void DefaultHandler(TMessage& message) override;
  bool ClicksOnMouseUp() const override {
    return default_proc_ == nullptr || default_proc_ == DefWindowProcW;
  }
  // Called for WM_COMMAND and WM_NOTIFY a parent receives on behalf of this child.
  virtual void CommandNotify(WORD code) { (void)code; }
  virtual LRESULT NotifyReflected(NMHDR* header) {
    (void)header;
    return 0;
  }
  // Called for WM_HSCROLL and WM_VSCROLL a parent receives from this child (scroll bars,
  // track bars, up-down buttons); answers whether the control took it.
  virtual bool ScrollReflected(UINT msg, WPARAM wparam) {
    (void)msg;
    (void)wparam;
    return false;
  }
  // Called for WM_DRAWITEM a parent receives for this owner-drawn child.
  virtual bool DrawItemReflected(const DRAWITEMSTRUCT& item) {
    (void)item;
    return false;
  }
  bool tab_stop_ = false;

 private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void AlignControls();
  void TrackMouse(POINT point);
  void UpdateHoverChild(TControl* over);

  UniqueWindow window_;
  WNDPROC default_proc_ = nullptr;
  std::vector<TControl*> controls_;
  TControl* hover_child_ = nullptr;
  TControl* captured_child_ = nullptr;
  int border_width_ = 0;
  bool aligning_ = false;
  bool tracking_leave_ = false;
};

class TGraphicControl : public TControl {
  KOVA_DECLARE_CLASS(TGraphicControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  // Paints the control on the parent's device context, origin at the control's corner:
  // sends WM_PAINT with that device context through the control's message method, so a
  // replaced method may paint it instead.
  void PaintOn(HDC dc);
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

class TCustomControl : public TWinControl {
  KOVA_DECLARE_CLASS(TCustomControl)

 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  void WndProc(TMessage& message) override;

 protected:
  // Paints the whole control on Canvas; the default fills it with Color.
  virtual void Paint();

 private:
  TCanvas canvas_;
};

// The framework control of a window made by this module on this thread, or null.
TControl* FindControl(HWND window);
// "ControlOfs" followed by the module instance and the thread id, eight upper-case hex
// digits each: the name of the window property that holds the control.
WideString ControlPropertyName();
HINSTANCE ModuleInstance();

}  // namespace kova
