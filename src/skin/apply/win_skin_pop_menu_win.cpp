#include "skin/apply/win_skin_pop_menu_win.h"

#include "forms/graphics/bitmap.h"
#include "forms/graphics/pixel_draw_win.h"
#include "forms/win/platform_boundary_win.h"
#include "skin/apply/menu_layout.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/data/frame_compose.h"
#include "skin/data/skin_data.h"

namespace kova {

namespace {

// Menu windows keep their object in a property of their own.
constexpr wchar_t kMenuProp[] = L"KOVASkinPopMenu";
// The device context flag that keeps the update region as the system gave it.
constexpr DWORD kDcxUseStyle = 0x10000;

TWinSkinPopMenu* g_new_skin_menu = nullptr;

bool ManagerActive() {
  const TSkinManage* manager = SkinManager();
  return manager != nullptr && manager->FActive;
}

// The four border strips of a window of the given size.
void CopyBorder(HDC dc, const TBitmap& background, int width, int height) {
  const int b = kPopupBorder;
  const RECT strips[] = {{0, 0, width, b},
                         {0, height - b, width, height},
                         {0, b, b, height - b},
                         {width - b, b, width, height - b}};
  const UniqueBitmap dib = MakeDibSection(background, false);
  const UniqueMemoryDC memory(CreateCompatibleDC(dc));
  if (!dib || !memory) {
    return;
  }
  const ScopedSelectObject select(memory.Get(), dib.Get());
  for (const RECT& r : strips) {
    if (r.right > r.left && r.bottom > r.top) {
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), r.left, r.top,
             SRCCOPY);
    }
  }
}

}  // namespace

TWinSkinPopMenu* NewSkinMenu() {
  return g_new_skin_menu;
}

void SetNewSkinMenu(TWinSkinPopMenu* menu) {
  g_new_skin_menu = menu;
}

TWinSkinPopMenu::TWinSkinPopMenu() = default;

TWinSkinPopMenu::~TWinSkinPopMenu() {
  UnSubClass();
  if (g_new_skin_menu == this) {
    g_new_skin_menu = nullptr;
  }
}

void TWinSkinPopMenu::InitSkin(HWND wnd, TSkinData* data, HMENU menu) {
  if (prev_proc_ != nullptr) {
    return;
  }
  handle_ = wnd;
  skin_data_ = data;
  menu_ = menu;
  framework_popup_ = false;
  SetPropW(wnd, kMenuProp, this);
  prev_proc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinSkinPopMenu::MenuWndProc)));
}

void TWinSkinPopMenu::UnSubClass() {
  background_.reset();
  last_width_ = -1;
  if (g_new_skin_menu == this) {
    g_new_skin_menu = nullptr;
  }
  if (prev_proc_ == nullptr) {
    return;
  }
  if (IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev_proc_));
    RemovePropW(handle_, kMenuProp);
  }
  prev_proc_ = nullptr;
}

bool TWinSkinPopMenu::SkinsBackground() const {
  return skin_data_ != nullptr && !skin_data_->Empty() && skin_data_->MenuBackground != nullptr &&
         !skin_data_->MenuBackground->Map.Empty();
}

LRESULT TWinSkinPopMenu::Previous(UINT msg, WPARAM wparam, LPARAM lparam) const {
  return CallWindowProcW(prev_proc_, handle_, msg, wparam, lparam);
}

LRESULT CALLBACK TWinSkinPopMenu::MenuWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TWinSkinPopMenu*>(GetPropW(wnd, kMenuProp));
  if (self == nullptr || self->prev_proc_ == nullptr) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
  LRESULT result = 0;
  const WNDPROC prev = self->prev_proc_;
  const bool handled =
      RunAtPlatformBoundary([&] { result = self->WinWndProc(msg, wparam, lparam); });
  return handled ? result : CallWindowProcW(prev, wnd, msg, wparam, lparam);
}

LRESULT TWinSkinPopMenu::WinWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kMsgIsSkinned) {
    return 1;
  }
  if (!ManagerActive()) {
    return Previous(msg, wparam, lparam);
  }
  switch (msg) {
    case WM_DESTROY:
    case WM_NCDESTROY: {
      const WNDPROC prev = prev_proc_;
      const HWND wnd = handle_;
      UnSubClass();
      return CallWindowProcW(prev, wnd, msg, wparam, lparam);
    }
    case WM_ERASEBKGND:
      if (skin_data_ == nullptr || !skin_data_->Options().Has(TSkinOption::xoMenuBG)) {
        Previous(msg, wparam, lparam);
      }
      return 1;
    case WM_NCPAINT:
      if (!SkinsBackground()) {
        return Previous(msg, wparam, lparam);
      }
      NcPaint(reinterpret_cast<HRGN>(wparam));
      return 0;
    case WM_PAINT: {
      // Menu windows may draw their own edge inside the client area; the skin's border
      // goes over it once the items are painted.
      const LRESULT result = Previous(msg, wparam, lparam);
      if (SkinsBackground()) {
        NcPaint(nullptr);
      }
      return result;
    }
    case WM_PRINT:
      if (!SkinsBackground()) {
        return Previous(msg, wparam, lparam);
      }
      Print(reinterpret_cast<HDC>(wparam), lparam);
      return 0;
    default:
      return Previous(msg, wparam, lparam);
  }
}

bool TWinSkinPopMenu::ComposeBackground() {
  RECT r{};
  GetWindowRect(handle_, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (width <= 0 || height <= 0 || !SkinsBackground()) {
    return false;
  }
  if (background_ != nullptr && last_width_ == width && background_->Height() == height) {
    return true;
  }
  const TDataSkinObject& object = *skin_data_->MenuBackground;
  background_ = std::make_unique<TBitmap>(
      GetHMap(width, height, object.Map, MarginsOf(object), false, object.Tile == 1, 1, 1));
  last_width_ = width;
  return !background_->Empty();
}

void TWinSkinPopMenu::NcPaint(HRGN update) {
  if (!ComposeBackground()) {
    return;
  }
  // A region handle of 1 means the whole window; any other is the part to paint.
  UniqueWindowDC dc =
      reinterpret_cast<UINT_PTR>(update) > 1
          ? UniqueWindowDC(GetDCEx(handle_, update, DCX_WINDOW | DCX_INTERSECTRGN | kDcxUseStyle),
                           detail::WindowDCTraits{handle_})
          : TakeWindowDC(handle_);
  if (!dc) {
    dc = TakeWindowDC(handle_);
  }
  if (dc) {
    CopyBorder(dc.Get(), *background_, background_->Width(), background_->Height());
  }
  if (menu_ == nullptr) {
    g_new_skin_menu = this;
  }
}

void TWinSkinPopMenu::Print(HDC dc, LPARAM flags) {
  if (dc == nullptr || !ComposeBackground()) {
    Previous(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
    return;
  }
  const int w = background_->Width();
  const int h = background_->Height();
  DrawPixels(dc, {0, 0, w, h}, *background_, false);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, kPopupBorder, kPopupBorder, w - kPopupBorder, h - kPopupBorder);
  SetBkMode(dc, TRANSPARENT);
  // The frame is ours; the window prints its items inside it.
  Previous(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~static_cast<LPARAM>(PRF_NONCLIENT));
  RestoreDC(dc, saved);
}

}  // namespace kova
