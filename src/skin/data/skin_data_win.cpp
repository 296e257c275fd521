// The window-system parts of the skin component: the caption-button hint window and
// the application icon.
#include <windows.h>

#include <cstring>

#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

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
  HDC dc = GetDC(hint);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT r{0, 0, kHintMaxWidth, 0};
  DrawTextW(dc, AsWin(text), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(hint, dc);
  SendMessageW(hint, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  SetWindowPos(hint, HWND_TOPMOST, left, top, r.right + 6, r.bottom + 4,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  hint_window_ = hint;
}

void TSkinData::DestroyHint() {
  if (hint_window_ != nullptr) {
    DestroyWindow(static_cast<HWND>(hint_window_));
    hint_window_ = nullptr;
  }
}

void TSkinData::TakeAppIcon() {
  const int size = GetSystemMetrics(SM_CXSMICON);
  AppIcon = TBitmap(size, size);
  AppIcon.Fill(kTransparentKey);
  HICON icon = LoadProgramIcon(size);
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
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib != nullptr) {
    HGDIOBJ old = SelectObject(dc, dib);
    std::memcpy(bits, AppIcon.ScanLine(0), static_cast<size_t>(AppIcon.Stride()) * size);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::memcpy(AppIcon.ScanLine(0), bits, static_cast<size_t>(AppIcon.Stride()) * size);
    SelectObject(dc, old);
    DeleteObject(dib);
  }
  DeleteDC(dc);
  DestroyIcon(icon);
}

}  // namespace kova
