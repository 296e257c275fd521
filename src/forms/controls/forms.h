// TForm (a top-level window with its own modal loop), TScreen (the forms and popup
// menus of the process) and TApplication (the task bar window and hint timing).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "forms/controls/control.h"
#include "forms/controls/menus.h"
#include "forms/graphics/icon.h"

namespace kova {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = EnumSet<TBorderIcon>;
enum class TPosition { poDesigned, poDefault, poScreenCenter };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

// A key message the form sees before its controls; set handled to keep it from them.
using TShortCutEvent = std::function<void(MSG& message, bool& handled)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TForm : public TCustomControl {
  KOVA_DECLARE_CLASS(TForm)

 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  // The client area's size; the window grows by its frame.
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  int ClientWidth() const override;
  int ClientHeight() const override;
  RECT ClientRect() const override;

  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool on);
  int AlphaBlendValue() const { return alpha_value_; }
  void SetAlphaBlendValue(int value);

  TWindowState WindowState() const { return window_state_; }
  void SetWindowState(TWindowState state);
  TIcon& Icon() { return icon_; }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  void SetVisible(bool visible) override;
  // Shows the form and runs messages until ModalResult is set; the thread's other
  // windows are disabled meanwhile. Answers the modal result.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  // A modal form ends its loop with mrCancel; another is hidden (OnClose may decide).
  void Close();

  // The control that has (or last had) the focus within the form.
  TWinControl* ActiveControl() const;
  // Moves the focus to the next (or previous) control that takes Tab.
  void SelectNext(bool forward);

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TShortCutEvent OnShortCut;
  TCloseEvent OnClose;
  // Painting after the controls' own (frames drawn over the form).
  std::function<void(HDC dc)> OnPaintOver;

  void WndProc(TMessage& message) override;
  // The key handling the form does for messages to any of its windows; answers true
  // when the message was consumed.
  bool PreTranslateMessage(MSG& message);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;

 private:
  DWORD Style() const;
  DWORD ExStyle() const;
  void ApplyLayered();
  void ApplyMenu();
  void ApplyIcon();
  void CenterOnScreen();

  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  TBorderIcons border_icons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                             TBorderIcon::biMaximize};
  TPosition position_ = TPosition::poDesigned;
  TWindowState window_state_ = TWindowState::wsNormal;
  bool alpha_blend_ = false;
  int alpha_value_ = 255;
  bool modal_ = false;
  bool centred_ = false;
  TModalResult modal_result_ = mrNone;
  TMainMenu* menu_ = nullptr;
  TIcon icon_;
};

class TScreen {
 public:
  const std::vector<TForm*>& Forms() const { return forms_; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  const std::vector<TPopupMenu*>& PopupMenus() const { return popup_menus_; }
  // The form whose window is active, or null.
  TForm* ActiveForm() const;

  void AddForm(TForm* form) { forms_.push_back(form); }
  void RemoveForm(TForm* form) { std::erase(forms_, form); }
  void AddPopupMenu(TPopupMenu* menu) { popup_menus_.push_back(menu); }
  void RemovePopupMenu(TPopupMenu* menu) { std::erase(popup_menus_, menu); }

 private:
  std::vector<TForm*> forms_;
  std::vector<TPopupMenu*> popup_menus_;
};

class TApplication {
 public:
  // The window the task bar button belongs to (0 when none was set).
  HWND Handle() const { return handle_; }
  void SetHandle(HWND handle) { handle_ = handle; }
  // Hint timing in milliseconds.
  int HintPause() const { return hint_pause_; }
  void SetHintPause(int ms) { hint_pause_ = ms; }
  int HintHidePause() const { return hint_hide_pause_; }
  void SetHintHidePause(int ms) { hint_hide_pause_ = ms; }
  int HintShortPause() const { return hint_short_pause_; }
  // Dispatches the messages waiting in the thread's queue.
  void ProcessMessages();

 private:
  HWND handle_ = nullptr;
  int hint_pause_ = 500;
  int hint_hide_pause_ = 2500;
  int hint_short_pause_ = 50;
};

TScreen& Screen();
TApplication& Application();

}  // namespace kova
