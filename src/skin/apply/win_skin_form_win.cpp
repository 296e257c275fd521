#include "skin/apply/win_skin_form_win.h"

#include <cstdint>
#include <cwchar>
#include <string>

#include "base/win/handles_win.h"
#include "forms/win/platform_boundary_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"

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
    : TComponent(owner), manager_(manager), registries_(manager->Registries()) {}

TWinSkinForm::~TWinSkinForm() {
  UnSubclass();
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

void TWinSkinForm::InitTform(TSkinData* data, TComponent*) {
  InitSkin(data);
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
  if (style & WS_SYSMENU) {
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
  if ((ex_style & WS_EX_DLGMODALFRAME) || class_name_ == u"#32770" ||
      class_name_ == u"TMessageForm") {
    border_style_ = SkinBorderStyle::kDialog;
  }

  Subclass();

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
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  if (mdi_child && window_state_ == SkinWindowState::kMaximized) {
    if (TSkinManage* manager = Manager(); manager != nullptr && manager->FMDIClientWnd) {
      PostMessageW(manager->FMDIClientWnd, kMsgMdiMaximized, reinterpret_cast<WPARAM>(handle_), 0);
    }
  } else if ((mdi_child || !child_) && window_state_ != SkinWindowState::kMinimized &&
             border_style_ != SkinBorderStyle::kNone) {
    if (window_state_ == SkinWindowState::kNormal) {
      Cropwindow();
    } else {
      Refresh();
    }
  }
  state_ = SkinFormState::kReady;
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
  RestoreWindowProc();
  Uncropwindow();
}

void TWinSkinForm::UnSubclass3() {
  RestoreWindowProc();
  cropped_ = false;
}

void TWinSkinForm::Cropwindow() {
  if (state_ == SkinFormState::kDeleted || !skin_frame_ || !IsWindow(handle_)) {
    return;
  }
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  if (mdi_child && window_state_ != SkinWindowState::kNormal) {
    return;
  }
  RECT r{};
  GetWindowRect(handle_, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  // The region is rebuilt only when the size changed, except where it may have been
  // taken away meanwhile (MDI children) or the skin itself changed.
  if (cropped_ && width == region_width_ && height == region_height_ && !mdi_child &&
      state_ != SkinFormState::kChanging) {
    return;
  }
  UniqueRegion region(CreateRectRgn(0, 0, width, height));
  if (!region || !SetWindowRgn(handle_, region.Get(), TRUE)) {
    return;
  }
  (void)region.Release();  // the window owns it now
  cropped_ = true;
  region_width_ = width;
  region_height_ = height;
}

void TWinSkinForm::Uncropwindow() {
  if (!cropped_) {
    return;
  }
  cropped_ = false;
  region_width_ = 0;
  region_height_ = 0;
  if (IsWindow(handle_)) {
    // The system frees the region it held.
    SetWindowRgn(handle_, nullptr, form_style_ == SkinFormStyle::kMDIChild);
  }
}

void TWinSkinForm::Refresh() {
  if (IsWindow(handle_)) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void TWinSkinForm::RePaint() {
  Refresh();
}

void TWinSkinForm::SkinChange() {
  state_ = SkinFormState::kChanging;
  RePaint();
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

LRESULT TWinSkinForm::Dispatch(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case kMsgIsSkinned:
      return 1;
    case kMsgFinishSetup:
      FinishSetup();
      return 0;
    case WM_NCDESTROY: {
      state_ = SkinFormState::kRemoving;
      const WNDPROC prev = prev_proc_;
      UnSubclass3();
      forward_.forwarded = true;
      const LRESULT result = CallWindowProcW(prev, handle_, msg, wparam, lparam);
      state_ = SkinFormState::kDeleted;
      return result;
    }
    default:
      break;
  }
  // Only a skinned frame of a window that is not nested in another follows its size.
  if (skin_frame_ && (!child_ || form_style_ == SkinFormStyle::kMDIChild)) {
    return FrameMessage(msg, wparam, lparam);
  }
  return Forward(msg, wparam, lparam);
}

LRESULT TWinSkinForm::FrameMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  switch (msg) {
    case WM_SIZE: {
      const LRESULT result = Forward(msg, wparam, lparam);
      if (wparam == SIZE_RESTORED) {
        window_state_ = SkinWindowState::kNormal;
      } else if (wparam == SIZE_MINIMIZED) {
        window_state_ = SkinWindowState::kMinimized;
      } else if (wparam == SIZE_MAXIMIZED) {
        window_state_ = SkinWindowState::kMaximized;
      }
      if (window_state_ == SkinWindowState::kMinimized) {
        return result;
      }
      if (mdi_child) {
        TSkinManage* manager = Manager();
        if ((manager != nullptr && manager->FMDIMax) || window_state_ != SkinWindowState::kNormal) {
          return result;  // SetMDIMax gives the regions back when the children restore
        }
      }
      if (state_ == SkinFormState::kReady || state_ == SkinFormState::kChanging) {
        Cropwindow();
      }
      return result;
    }
    case WM_WINDOWPOSCHANGED:
    case WM_GETMINMAXINFO: {
      const LRESULT result = Forward(msg, wparam, lparam);
      ReadWindowState();
      return result;
    }
    case WM_SYSCOMMAND:
      switch (wparam & 0xFFF0) {
        case SC_MINIMIZE:
          window_state_ = SkinWindowState::kMinimized;
          break;
        case SC_MAXIMIZE:
          window_state_ = SkinWindowState::kMaximized;
          break;
        case SC_RESTORE:
          window_state_ = SkinWindowState::kNormal;
          if (TSkinManage* manager = Manager(); mdi_child && manager && manager->FMDIMax) {
            manager->SetMDIMax(false);
          }
          break;
        default:
          break;
      }
      return Forward(msg, wparam, lparam);
    default:
      return Forward(msg, wparam, lparam);
  }
}

}  // namespace kova
