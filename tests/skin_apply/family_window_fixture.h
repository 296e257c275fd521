// Real windows for the tab, bar and date-time tests: a white parent that records the
// notifications of its children and shows the page of its tab control that is picked,
// the skin of tab_family_skin.h, real mouse input through the system, and the pixels a
// window shows read back from it.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "tab_family_skin.h"

namespace kova::testing {

struct Notification {
  HWND from;
  UINT code;
};

inline std::vector<Notification>& Notifications() {
  static std::vector<Notification> list;
  return list;
}

// What the parent drew for an owner-drawn child: the item's data, and the colour it
// filled the item with.
inline constexpr TColor kOwnerDrawnColor = 0x4080C0;
inline ULONG_PTR& OwnerDrawnData() {
  static ULONG_PTR data = 0;
  return data;
}

// The pages a tab control shows, one per tab; the picked one is visible.
inline std::vector<HWND>& TabPages() {
  static std::vector<HWND> pages;
  return pages;
}

inline LRESULT CALLBACK FamilyParentProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    Notifications().push_back({header->hwndFrom, header->code});
    if (header->code == TCN_SELCHANGE) {
      const auto picked = static_cast<size_t>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0));
      for (size_t i = 0; i < TabPages().size(); ++i) {
        ShowWindow(TabPages()[i], i == picked ? SW_SHOW : SW_HIDE);
      }
    }
    return 0;
  }
  if (msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    OwnerDrawnData() = item->itemData;
    const UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(kOwnerDrawnColor)));
    FillRect(item->hDC, &item->rcItem, brush.Get());
    return TRUE;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

inline void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() < end);
}

inline void MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(INPUT));
}

// Moves the mouse over a client point of `wnd`.
inline void MoveTo(HWND wnd, POINT client) {
  ClientToScreen(wnd, &client);
  SetCursorPos(client.x, client.y);
  Pump(60);
}

// A press and release at once (a held press would start a control's repeat).
inline void RealClick(HWND wnd, POINT client) {
  MoveTo(wnd, client);
  INPUT both[2] = {};
  both[0].type = both[1].type = INPUT_MOUSE;
  both[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  both[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, both, sizeof(INPUT));
  Pump(150);
}

inline TColor At(const TBitmap& b, int x, int y) {
  return b.Pixel(x, y) & 0xFFFFFF;
}

// What the window paints: its WM_PAINT drawn into a bitmap of its size.
inline TBitmap Painted(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  TDibBitmap dib(r.right - r.left, r.bottom - r.top);
  SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dib.Canvas().Handle()), 0);
  GdiFlush();
  return dib.ToPixels();
}

// What the window shows on screen at a client point.
inline TColor OnScreen(HWND wnd, int x, int y) {
  const ScopedGetDC dc(wnd);
  return static_cast<TColor>(GetPixel(dc.Get(), x, y)) & 0xFFFFFF;
}

class FamilyWindowTest : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kParentClass = L"KOVAFamilyTestParent";

  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                ICC_DATE_CLASSES | ICC_WIN95_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    Notifications().clear();
    TabPages().clear();
    OwnerDrawnData() = 0;
    static const bool registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = FamilyParentProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = kParentClass;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      return RegisterClassW(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    Load(skin_, TabFamilySkin());
    parent_.Reset(CreateWindowExW(0, kParentClass, L"families",
                                  WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 520, 400,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(parent_);
    SetForegroundWindow(parent_.Get());
    Pump(30);
  }

  void TearDown() override {
    // Leave the mouse where no later test looks.
    SetCursorPos(1, 1);
  }

  HWND Child(const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y, int w,
             int h, int id = 0) {
    return CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                           parent_.Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
  }

  static bool Notified(HWND from, UINT code) {
    for (const Notification& n : Notifications()) {
      if (n.from == from && n.code == code) {
        return true;
      }
    }
    return false;
  }

  TSkinData skin_{nullptr};
  UniqueWindow parent_;
};

}  // namespace kova::testing
