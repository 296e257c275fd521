// Caption buttons: which are shown, where they sit, which state image they draw, how
// the mouse moves the hot object between them, and what a click does.
#include "skin/apply/win_sys_button_win.h"

#include <algorithm>

#include "forms/controls/forms.h"
#include "forms/win/thread_timer_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"

namespace kova {

namespace {

constexpr UINT kHoverInterval = 250;

}  // namespace

void TNCObject::MouseEnter() {
  TNCObject* hot = owner_.HotObject();
  if (hot == this) {
    return;
  }
  if (hot != nullptr) {
    hot->MouseLeave();
  }
  if (visible_) {
    owner_.SetHotObject(this);
    state_ = NCObjectState::kHot;
    Draw();
  }
}

void TNCObject::MouseDown() {
  TNCObject* hot = owner_.HotObject();
  if (hot != nullptr && hot != this) {
    hot->MouseLeave();
  }
  if (visible_) {
    owner_.SetHotObject(this);
    state_ = NCObjectState::kPressed;
    Draw();
  }
}

void TNCObject::MouseUp() {
  if (visible_) {
    state_ = NCObjectState::kHot;
    Draw();
  }
}

void TNCObject::MouseLeave() {
  if (visible_) {
    if (owner_.HotObject() == this) {
      owner_.SetHotObject(nullptr);
    }
    state_ = NCObjectState::kNormal;
    Draw();
    owner_.ResetHint();
  }
}

TWinSysButton::TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& data)
    : TNCObject(owner), data_(data) {}

bool TWinSysButton::IsIconButton() const {
  return IsIconAction(data_.Action);
}

void TWinSysButton::Draw() {
  owner_.DrawSysbtn(*this, State());
}

FrameWidths TWinSkinForm::Widths() const {
  return {border_left_, caption_height_, border_right_, border_bottom_, menu_height_};
}

CaptionWindow TWinSkinForm::CaptionState() const {
  CaptionWindow window;
  window.state = window_state_;
  window.active = active_;
  window.icons = border_icons_;
  window.border_style = border_style_;
  window.message_box = message_box_;
  if (form_style_ == SkinFormStyle::kMDIFrame && mdi_client_ != nullptr && menu_height_ > 0) {
    BOOL maximized_child = FALSE;
    SendMessageW(mdi_client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized_child));
    window.mdi_child_maximized_in_menu_row = maximized_child != FALSE;
  }
  HWND wnd = handle_;
  window.ask = [wnd](int32_t code, int32_t action) {
    return static_cast<int>(SendMessageW(wnd, kMsgCaptionButtonVisible, static_cast<WPARAM>(code),
                                         static_cast<LPARAM>(action)));
  };
  return window;
}

void TWinSkinForm::UpdateSysbtnVisibility() {
  const CaptionWindow window = CaptionState();
  for (const auto& button : sys_buttons_) {
    const ButtonAvailability availability = AvailabilityOf(button->Data(), window);
    button->SetVisible(availability.visible);
    button->SetEnabled(availability.enabled);
  }
}

void TWinSkinForm::SetSysbtnRect(int width, const RECT& text) {
  PlacementContext context;
  context.window_width = width;
  context.caption_text = {text.left, text.top, text.right, text.bottom};
  context.frame = Widths();
  for (const auto& button : sys_buttons_) {
    std::optional<ImageRect> place;
    if (button->Visible()) {
      place = PlaceButton(button->Data(), context);
    }
    button->SetRect(place ? RECT{place->left, place->top, place->right, place->bottom} : RECT{});
  }
}

int TWinSkinForm::FrameOf(const TWinSysButton& button, NCObjectState state, bool single) const {
  const int frames = button.Frames();
  if (!single) {
    return PaintFrame(frames, active_, button.Enabled());
  }
  return RedrawFrame(frames, static_cast<ButtonState>(static_cast<int32_t>(state)),
                     button.Enabled(), button.Data().Visibility == kMenuRowVisibility);
}

TWinSysButton* TWinSkinForm::FindBtn(POINT point) const {
  for (const auto& button : sys_buttons_) {
    const RECT rect = button->Rect();
    if (button->Visible() && button->Action() >= 0 && PtInRect(&rect, point)) {
      return button.get();
    }
  }
  return nullptr;
}

bool TWinSkinForm::CheckSysmenu() const {
  HMENU menu = GetSystemMenu(handle_, FALSE);
  if (menu == nullptr) {
    return true;
  }
  const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
  return state == static_cast<UINT>(-1) || !(state & (MF_DISABLED | MF_GRAYED));
}

void TWinSkinForm::PostSysCommand(WPARAM command) {
  PostMessageW(handle_, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::SysBtnAction(POINT screen) {
  auto* button = dynamic_cast<TWinSysButton*>(hot_object_);
  if (button == nullptr) {
    return;
  }
  const int32_t action = button->Action();
  auto to_active_child = [this](WPARAM command) {
    if (form_style_ != SkinFormStyle::kMDIFrame || mdi_client_ == nullptr) {
      return;
    }
    if (auto child = reinterpret_cast<HWND>(SendMessageW(mdi_client_, WM_MDIGETACTIVE, 0, 0))) {
      SendMessageW(child, WM_SYSCOMMAND, command, 0);
    }
  };
  switch (EffectOf(action)) {
    case ClickEffect::kClose:
      if (CheckSysmenu()) {
        StopTimer();
        PostSysCommand(SC_CLOSE);
      }
      break;
    case ClickEffect::kToggleMaximize:
      if (button->Enabled()) {
        Maximize();
      }
      break;
    case ClickEffect::kToggleMinimize:
      if (button->Enabled()) {
        Minimize();
      }
      break;
    case ClickEffect::kSystemMenu:
      PopSysmenu({screen.x + 1, screen.y + 1});
      break;
    case ClickEffect::kContextHelp:
      PostSysCommand(SC_CONTEXTHELP);
      break;
    case ClickEffect::kMdiChildMinimize:
      to_active_child(SC_MINIMIZE);
      break;
    case ClickEffect::kMdiChildRestore:
      to_active_child(SC_RESTORE);
      break;
    case ClickEffect::kMdiChildClose:
      to_active_child(SC_CLOSE);
      break;
    case ClickEffect::kPostCustom:
      PostMessageW(handle_, kMsgCaptionButtonAction, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TWinSkinForm::Maximize() {
  if (window_state_ == SkinWindowState::kMaximized) {
    Restore();
    return;
  }
  if (form_style_ == SkinFormStyle::kMDIChild) {
    if (TSkinManage* manager = Manager()) {
      manager->SetMDIMax(true);
    }
  }
  window_state_ = SkinWindowState::kMaximized;
  PostSysCommand(SC_MAXIMIZE);
  hot_object_ = nullptr;
}

void TWinSkinForm::Restore() {
  window_state_ = SkinWindowState::kNormal;
  PostSysCommand(SC_RESTORE);
}

void TWinSkinForm::Minimize() {
  if (window_state_ == SkinWindowState::kMinimized) {
    Restore();
    return;
  }
  window_state_ = SkinWindowState::kMinimized;
  UpdateStyle(false);
  PostSysCommand(SC_MINIMIZE);
}

bool TWinSkinForm::NCMouseMove(LPARAM lparam) {
  if (!active_) {
    return false;
  }
  const POINT point =
      GetWinXY({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
  if (TWinSysButton* button = FindBtn(point)) {
    button->MouseEnter();
    return true;
  }
  // Menu-bar buttons are framed while the mouse is over them.
  if (TMenuBtn* button = MenuBar() != nullptr ? MenuBar()->FindBtn(point) : nullptr) {
    button->MouseEnter();
    return true;
  }
  if (hot_object_ != nullptr) {
    TNCObject* hot = hot_object_;
    hot->MouseLeave();
    hot_object_ = nullptr;
  }
  return false;
}

bool TWinSkinForm::NCLButtonDown(WPARAM& wparam, LPARAM lparam) {
  if (skin_data_ != nullptr) {
    skin_data_->HideHint();
  }
  const POINT point =
      GetWinXY({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
  if (TWinSysButton* button = FindBtn(point)) {
    if (!active_) {
      SetForegroundWindow(handle_);
    }
    button->MouseDown();
    return true;
  }
  if (MenuBarButtonDown(point)) {
    return true;
  }
  // A maximized window cannot be dragged by its caption.
  if (window_state_ == SkinWindowState::kMaximized && active_ && wparam == HTCAPTION) {
    wparam = HTMENU;
  }
  return false;
}

bool TWinSkinForm::NCLButtonUp(LPARAM lparam) {
  if (skin_data_ != nullptr) {
    skin_data_->HideHint();
  }
  const POINT screen{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  TWinSysButton* button = FindBtn(GetWinXY(screen));
  if (button == nullptr) {
    return false;
  }
  if (button == hot_object_) {
    button->MouseUp();
    SysBtnAction(screen);
  }
  return true;
}

bool TWinSkinForm::NCLButtonDblClk(LPARAM lparam) {
  const POINT screen{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  if (TWinSysButton* button = FindBtn(GetWinXY(screen))) {
    if (button->IsIconButton()) {
      StopTimer();
      PostSysCommand(SC_CLOSE);
    }
    return true;
  }
  if (window_state_ != SkinWindowState::kNormal) {
    Restore();
    return true;
  }
  if (border_icons_.Has(SkinBorderIcon::kMaximize)) {
    Maximize();
    return true;
  }
  return false;
}

bool TWinSkinForm::NCRButtonDown(WPARAM wparam, LPARAM lparam) {
  if (wparam != HTCAPTION || form_style_ == SkinFormStyle::kMDIChild) {
    return false;
  }
  PopSysmenu({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
  return true;
}

void TWinSkinForm::StartTimer() {
  if (timer_ == 0) {
    timer_ = StartThreadTimer(kHoverInterval, [this] { OnTimer(); });
  }
}

void TWinSkinForm::StopTimer() {
  if (timer_ != 0) {
    StopThreadTimer(timer_);
    timer_ = 0;
  }
  ResetHint();
}

void TWinSkinForm::ResetHint() {
  hover_time_ = 0;
  if (hint_shown_ && skin_data_ != nullptr) {
    skin_data_->HideHint();
  }
  hint_shown_ = false;
}

void TWinSkinForm::OnTimer() {
  if (busy_ || hot_object_ == nullptr || !IsWindow(handle_)) {
    return;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT window{};
  GetWindowRect(handle_, &window);
  const POINT point{cursor.x - window.left, cursor.y - window.top};
  const RECT rect = hot_object_->Rect();
  if (!PtInRect(&rect, point)) {
    TNCObject* hot = hot_object_;
    hot->MouseLeave();
    hot_object_ = nullptr;
    ResetHint();
    return;
  }
  auto* button = dynamic_cast<TWinSysButton*>(hot_object_);
  if (button == nullptr || skin_data_ == nullptr) {
    return;
  }
  hover_time_ += static_cast<int>(kHoverInterval);
  const int delay = 2 * Application().HintPause();
  const int hide_after = delay + Application().HintHidePause();
  const std::string_view ascii = HintOf(button->Action());
  const WideString hint(ascii.begin(), ascii.end());
  if (!hint_shown_ && hover_time_ >= delay && hover_time_ <= hide_after && !hint.empty()) {
    skin_data_->ActivateHint(window.left + rect.left, cursor.y + 24, hint);
    hint_shown_ = true;
  } else if (hint_shown_ && hover_time_ > hide_after) {
    skin_data_->HideHint();
    hint_shown_ = false;
  }
}

}  // namespace kova
