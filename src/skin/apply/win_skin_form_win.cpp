#include "skin/apply/win_skin_form_win.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <string>

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/win/platform_boundary_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/win_skin_menu_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/data/skin_system.h"

namespace kova {

namespace {

// The entry of a subclassed window, kept in a window property of this module's own
// beside the one under which the form framework keeps the window's control.
const std::wstring& EntryPropName() {
  static const std::wstring name = [] {
    wchar_t text[64];
    std::swprintf(text, 64, L"KOVASkinForm%.16llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(myinstance())));
    return std::wstring(text);
  }();
  return name;
}
void Bind(HWND wnd, void* object) {
  SetPropW(wnd, EntryPropName().c_str(), object);
}
void* Bound(HWND wnd) {
  return GetPropW(wnd, EntryPropName().c_str());
}
void Unbind(HWND wnd) {
  RemovePropW(wnd, EntryPropName().c_str());
}

}  // namespace

const ClassInfo& TWinSkinForm::StaticClass() {
  static const ClassInfo info("TWinSkinForm", &TComponent::StaticClass(), {});
  return info;
}

TWinSkinForm::TWinSkinForm(TComponent* owner, TSkinManage* manager)
    : TComponent(owner),
      manager_(manager),
      registries_(manager->Registries()),
      double_click_time_(GetDoubleClickTime()) {}

TWinSkinForm::~TWinSkinForm() {
  StopTimer();
  UnSubclass();
  sys_menu_popup_.reset();
  RestoreFrameworkMenus();
  DeleteSysbtn();
  if (const std::shared_ptr<SkinRegistries> registries = registries_.lock()) {
    registries->forms.Forget(*this);
  }
  if (TSkinManage* manager = Manager(); manager && form_style_ == SkinFormStyle::kMDIFrame) {
    manager->ForgetMDIFrame(mdi_client_);
  }
}

TSkinManage* TWinSkinForm::Manager() const {
  return manager_ != nullptr && manager_ == SkinManager() ? manager_ : nullptr;
}

void TWinSkinForm::InitTform(TSkinData* data, TComponent* form) {
  if (data != nullptr && data->OnBeforeSkinForm) {
    data->OnBeforeSkinForm(data, form, handle_, class_name_);
  }
  InitSkin(data);
  if (skin_frame_) {
    HookFormMethod();
  }
  ApplyFormColor();
  // The main menu's items are drawn by the skin with xcMenuItem; popup menus join with
  // the controls.
  if (data != nullptr && data->SkinControls().Has(TSkinControlType::xcMenuItem)) {
    InitMainMenu(form, data, true);
  }
}

void TWinSkinForm::InitDlg(TSkinData* data) {
  InitSkin(data);
}

void TWinSkinForm::InitSkin(TSkinData* data) {
  if (handle_ == nullptr || prev_proc_ != nullptr) {
    return;
  }
  skin_data_ = data;
  skin_frame_ = data != nullptr && data->SkinControls().Has(TSkinControlType::xcMainMenu);
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrW(handle_, GWL_EXSTYLE);
  child_ = (style & WS_CHILD) != 0;
  right_to_left_ = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  sizable_ = (style & WS_THICKFRAME) != 0;
  unicode_ = IsWindowUnicode(handle_) != FALSE;
  owner_wnd_ = GetWindow(handle_, GW_OWNER);
  border_icons_ = {};
  if (style & WS_MAXIMIZEBOX) {
    border_icons_.Include(SkinBorderIcon::kMaximize);
  }
  if (style & WS_MINIMIZEBOX) {
    border_icons_.Include(SkinBorderIcon::kMinimize);
  }
  if (ex_style & WS_EX_CONTEXTHELP) {
    border_icons_.Include(SkinBorderIcon::kHelp);
  }
  if ((style & WS_SYSMENU) || GetSystemMenu(handle_, FALSE) != nullptr) {
    border_icons_.Include(SkinBorderIcon::kSystemMenu);
  }
  ReadWindowState();

  if (HWND client = FindWindowExW(handle_, nullptr, L"MDIClient", nullptr)) {
    form_style_ = SkinFormStyle::kMDIFrame;
    mdi_client_ = client;
    if (TSkinManage* manager = Manager()) {
      manager->FMDIClientWnd = client;
      manager->FMDIForm = Form();
    }
  } else if (ex_style & WS_EX_MDICHILD) {
    form_style_ = SkinFormStyle::kMDIChild;
    // The option keeps the system's border on MDI children.
    if (data != nullptr && data->Options().Has(TSkinOption::xoMDIChildBorder)) {
      skin_frame_ = false;
    }
  }

  if ((style & WS_CAPTION) != WS_CAPTION) {
    border_style_ = SkinBorderStyle::kNone;
  } else if (style & WS_THICKFRAME) {
    border_style_ = SkinBorderStyle::kSizable;
  } else {
    border_style_ = (style & DS_MODALFRAME) ? SkinBorderStyle::kDialog : SkinBorderStyle::kSingle;
  }
  if (ex_style & WS_EX_DLGMODALFRAME) {
    border_style_ = SkinBorderStyle::kDialog;
  }
  message_box_ = class_name_ == u"#32770" || class_name_ == u"TMessageForm";
  if (message_box_) {
    border_style_ = SkinBorderStyle::kDialog;
  }
  // Windows that the system gives a taskbar button keep their system menu style.
  const uint32_t major = WinVersion & 0xFF;
  const uint32_t minor = (WinVersion >> 8) & 0xFF;
  const bool nt = (WinVersion & 0x80000000u) == 0;
  if (major > 4 && minor == 0 &&
      (((ex_style & WS_EX_APPWINDOW) && nt) ||
       (owner_wnd_ == nullptr && form_style_ != SkinFormStyle::kMDIChild))) {
    border_icons_.Include(SkinBorderIcon::kKeepSysMenuStyle);
  }

  if (form_style_ == SkinFormStyle::kMDIFrame) {
    SubclassMDI();
  }
  Subclass();
  if (skin_frame_) {
    TakeNativeMenu();
    InitSkinData();
  }

  // A child that starts maximized puts the MDI children into the maximized state.
  if (form_style_ == SkinFormStyle::kMDIChild && window_state_ == SkinWindowState::kMaximized) {
    if (TSkinManage* manager = Manager(); manager != nullptr && !manager->FMDIMax) {
      manager->SetMDIMax(true);
    }
  }
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(handle_, &placement)) {
    return;
  }
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWNA:
      window_state_ = SkinWindowState::kMinimized;
      break;
    case SW_SHOWMAXIMIZED:
      window_state_ = SkinWindowState::kMaximized;
      break;
    default:
      window_state_ = SkinWindowState::kNormal;
      break;
  }
}

void TWinSkinForm::FinishSetup() {
  if (state_ != SkinFormState::kNew) {
    return;
  }
  system_menu_ = GetSystemMenu(handle_, FALSE);
  FetchIcon();
  RECT window{};
  GetWindowRect(handle_, &window);
  GetClientRect(handle_, &client_rect_);
  native_frame_ = {(window.right - window.left) - client_rect_.right,
                   (window.bottom - window.top) - client_rect_.bottom};
  InitControls();
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  if (skin_frame_) {
    if (mdi_child && window_state_ == SkinWindowState::kMaximized) {
      if (TSkinManage* manager = Manager(); manager != nullptr && manager->FMDIClientWnd) {
        PostMessageW(manager->FMDIClientWnd, kMsgMdiMaximized, reinterpret_cast<WPARAM>(handle_),
                     0);
      }
    } else if ((mdi_child || !child_) && window_state_ != SkinWindowState::kMinimized &&
               border_style_ != SkinBorderStyle::kNone) {
      state_ = SkinFormState::kResizing;
      ResizeForm(false);
      state_ = SkinFormState::kReady;
      if (window_state_ == SkinWindowState::kNormal) {
        Cropwindow();
      } else {
        Refresh();
      }
    }
  }
  state_ = SkinFormState::kReady;
  AfterSkin();
  if (GetActiveWindow() == handle_) {
    active_ = true;
    StartTimer();
  }
}

void TWinSkinForm::AfterSkin() {
  SendMessageW(handle_, kMsgSkinned, 0, kSkinMarker);
  if (skin_data_ != nullptr && skin_data_->OnAfterSkinForm) {
    skin_data_->OnAfterSkinForm(skin_data_, Form(), handle_, class_name_);
  }
}

void TWinSkinForm::InitSkinData() {
  if (skin_data_ == nullptr || skin_data_->Empty()) {
    return;
  }
  const TSkinData& data = *skin_data_;
  if (border_style_ == SkinBorderStyle::kNone) {
    border_left_ = caption_height_ = border_right_ = border_bottom_ = menu_height_ = 0;
  } else {
    auto per_frame = [](int length, int frames) { return length / std::max(frames, 1); };
    caption_height_ = per_frame(data.Top->Map.Height(), data.Top->Frame);
    border_left_ = per_frame(data.Left->Map.Width(), data.Left->Frame);
    border_right_ = per_frame(data.Right->Map.Width(), data.Right->Frame);
    border_bottom_ = per_frame(data.Bottom->Map.Height(), data.Bottom->Frame);
  }
  MakeCaptionFont();
  DeleteSysbtn();
  for (const auto& object : data.SysButtons) {
    sys_buttons_.push_back(std::make_unique<TWinSysButton>(*this, *object));
  }
  SetupMenuBar();
  FetchIcon();
}

void TWinSkinForm::DeleteSysbtn() {
  hot_object_ = nullptr;
  sys_buttons_.clear();
}

void TWinSkinForm::FetchIcon() {
  if (!IsWindow(handle_)) {
    return;
  }
  auto icon = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) {
    icon = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_BIG, 0));
  }
  if (icon == nullptr) {
    icon = reinterpret_cast<HICON>(GetClassLongPtrW(handle_, GCLP_HICONSM));
  }
  if (icon == nullptr) {
    icon = reinterpret_cast<HICON>(GetClassLongPtrW(handle_, GCLP_HICON));
  }
  icon_ = icon;
  if (icon_ == nullptr || skin_data_ == nullptr) {
    return;
  }
  // Icon buttons without an image of their own, and a skin without an application
  // icon, take the window's icon.
  const int size = GetSystemMetrics(SM_CXSMICON);
  TBitmap picture;
  auto icon_picture = [&]() -> const TBitmap& {
    if (picture.Empty()) {
      TDibBitmap dib;
      if (dib.SetSize(size, size)) {
        DrawIconEx(dib.Canvas().Handle(), 0, 0, icon_, size, size, 0, nullptr, DI_NORMAL);
        picture = dib.ToPixels();
      }
    }
    return picture;
  };
  for (const auto& object : skin_data_->SysButtons) {
    if (IsIconAction(object->Action) && object->Map.Empty()) {
      object->Map = icon_picture();
      object->Frame = 1;
    }
  }
  if (skin_data_->AppIcon.Empty()) {
    skin_data_->AppIcon = icon_picture();
  }
}

void TWinSkinForm::Subclass() {
  if (handle_ == nullptr || prev_proc_ != nullptr) {
    return;
  }
  Bind(handle_, this);
  prev_proc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinSkinForm::WinWndProc)));
}

void TWinSkinForm::RestoreWindowProc() {
  if (prev_proc_ == nullptr) {
    return;
  }
  if (IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev_proc_));
    Unbind(handle_);
  }
  prev_proc_ = nullptr;
}

void TWinSkinForm::UnSubclass() {
  UnhookFormMethod();
  DeleteControls();
  UnSubclassMDI();
  if (prev_proc_ == nullptr) {
    Uncropwindow();
    return;
  }
  StopTimer();
  sys_menu_popup_.reset();
  RestoreMenuItems();
  RestoreFrameworkMenus();
  const bool framed = skin_frame_ && state_ != SkinFormState::kNew;
  RestoreWindowProc();
  RestoreFormColor();
  // The menu bar goes back into the system's frame, and with it its height.
  const int menu_row = menu_ != nullptr ? 0 : menu_height_;
  GiveBackNativeMenu();
  if (framed && IsWindow(handle_)) {
    UpdateStyle(false);
    // The system's frame comes back around the same client area.
    const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
    if (state_ != SkinFormState::kRemoving && (!child_ || mdi_child) &&
        window_state_ == SkinWindowState::kNormal && border_style_ != SkinBorderStyle::kNone) {
      RECT r{};
      GetWindowRect(handle_, &r);
      const int w = (r.right - r.left) - (border_left_ + border_right_ - native_frame_.cx);
      const int h =
          (r.bottom - r.top) - (caption_height_ + border_bottom_ + menu_row - native_frame_.cy);
      SetWindowPos(handle_, nullptr, 0, 0, w, h,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else {
      Refresh();
    }
  }
  Uncropwindow();
  // The window shows its own menu bar again.
  ReleaseMenuBar();
}

void TWinSkinForm::UnSubclass3() {
  UnhookFormMethod();
  DeleteControls();
  UnSubclassMDI();
  RestoreWindowProc();
  ReleaseMenuBar();
  RestoreMenuItems();
  RestoreFrameworkMenus();
  cropped_ = false;
}

void TWinSkinForm::Refresh() {
  if (IsWindow(handle_)) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void TWinSkinForm::RePaint() {
  Refresh();
  if (IsWindow(handle_)) {
    SendMessageW(handle_, kMsgRepaintFrame, 0, 0);
  }
}

void TWinSkinForm::SkinChange() {
  ApplyFormColor();
  state_ = SkinFormState::kChanging;
  if (skin_frame_ && skin_data_ != nullptr &&
      skin_data_->SkinControls().Has(TSkinControlType::xcPopupMenu)) {
    InitPopMenu(Form(), skin_data_, true);  // popup menus made since set-up join
  }
  if (skin_frame_) {
    caption_font_.Reset();
    MakeCaptionFont();
    ResizeForm(true);
    // The form lays its controls out again only when its size really changes.
    if (auto* control = dynamic_cast<TControl*>(Form());
        control != nullptr && window_state_ == SkinWindowState::kNormal) {
      const int height = control->Height();
      control->SetHeight(height + 1);
      control->SetHeight(height);
    }
    Cropwindow();
  }
  if (controls_ != nullptr) {
    controls_->SkinChange();
  }
  RePaint();
  AfterSkin();
  state_ = SkinFormState::kReady;
}

void TWinSkinForm::GiveUp() {
  UnSubclass();
  state_ = SkinFormState::kDeleted;  // purged by the manager's next sweep
}

LRESULT CALLBACK TWinSkinForm::WinWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TWinSkinForm*>(Bound(wnd));
  if (self == nullptr || self->prev_proc_ == nullptr) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
  const WNDPROC prev = self->prev_proc_;
  const ForwardFrame outer = self->forward_;
  self->forward_ = {};
  LRESULT result = 0;
  const bool done = RunAtPlatformBoundary([&] { result = self->Dispatch(msg, wparam, lparam); });
  const ForwardFrame frame = self->forward_;
  self->forward_ = outer;
  if (done) {
    return result;
  }
  // The skin failed this window: it goes on unskinned, and the message gets the
  // window's own processing once.
  self->GiveUp();
  return frame.forwarded ? frame.result : CallWindowProcW(prev, wnd, msg, wparam, lparam);
}

LRESULT TWinSkinForm::Forward(UINT msg, WPARAM wparam, LPARAM lparam) {
  forward_.result = CallWindowProcW(prev_proc_, handle_, msg, wparam, lparam);
  forward_.forwarded = true;
  return forward_.result;
}

}  // namespace kova
