// The window-system parts of the skin component: the caption-button hint window and
// the application icon.
#include <windows.h>

#include <cstring>
#include <memory>

#include "base/win/handles_win.h"
#include "skin/data/application_window_win.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_system_win.h"

namespace kova {

namespace {

constexpr int kHintMaxWidth = 500;

BOOL CALLBACK FirstIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
  *reinterpret_cast<LPWSTR*>(found) = name;
  return FALSE;
}

// The first icon of the program, at the small-icon size.
HICON LoadProgramIcon(int size) {
  HMODULE exe = GetModuleHandleW(nullptr);
  LPWSTR name = nullptr;
  EnumResourceNamesW(exe, RT_GROUP_ICON, FirstIconGroup, reinterpret_cast<LONG_PTR>(&name));
  if (name == nullptr) {
    return nullptr;
  }
  return static_cast<HICON>(LoadImageW(exe, name, IMAGE_ICON, size, size, 0));
}

}  // namespace

void TSkinData::ShowHint(int left, int top, const WideString& text) {
  DestroyHint();
  HWND hint = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC",
                              AsWin(text), WS_POPUP | WS_BORDER | SS_LEFT, left, top, 1, 1, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hint == nullptr) {
    return;
  }
  auto owner = std::make_shared<UniqueWindow>(hint);
  RECT r{0, 0, kHintMaxWidth, 0};
  {
    ScopedGetDC dc(hint);
    ScopedSelectObject font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc.Get(), AsWin(text), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  SendMessageW(hint, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  SetWindowPos(hint, HWND_TOPMOST, left, top, r.right + 6, r.bottom + 4,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  hint_window_ = std::move(owner);
}

void TSkinData::DestroyHint() {
  hint_window_.reset();
}

bool TSkinData::GetScrollBarInfo(SkinWindow window, int32_t object, SCROLLBARINFO& info) const {
  return pGetScrollBarInfo != nullptr &&
         pGetScrollBarInfo(static_cast<HWND>(window), object, &info) != FALSE;
}

void TSkinData::TakeAppIcon() {
  const int size = GetSystemMetrics(SM_CXSMICON);
  AppIcon = TBitmap(size, size);
  AppIcon.Fill(kTransparentKey);
  // The application window's icon is borrowed; the program's own is loaded and owned.
  UniqueIcon program_icon;
  HICON icon = WindowSmallOrBigIcon(ApplicationWindow());
  if (icon == nullptr) {
    program_icon.Reset(LoadProgramIcon(size));
    icon = program_icon.Get();
  }
  if (icon == nullptr) {
    return;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  UniqueBitmap dib(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib) {
    return;
  }
  ScopedSelectObject selected(dc.Get(), dib.Get());
  std::memcpy(bits, AppIcon.ScanLine(0), static_cast<size_t>(AppIcon.Stride()) * size);
  DrawIconEx(dc.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  std::memcpy(AppIcon.ScanLine(0), bits, static_cast<size_t>(AppIcon.Stride()) * size);
}

}  // namespace kova
