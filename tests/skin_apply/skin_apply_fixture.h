// What the skin manager tests share: a message pump, window classes of this module and
// a fixture that owns the skin data objects and windows of one test and leaves no
// manager behind.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../skin_model/skin_fixture.h"
#include "base/win/handles_win.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"

namespace kova::testing {

inline void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<int32_t>(end - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

// Class names of the windows the tests make.
inline constexpr wchar_t kPlainClass[] = L"KovaPlainTest";
inline constexpr wchar_t kSkinnedClass[] = L"KovaAlreadySkinned";
inline constexpr wchar_t kFrameClass[] = L"KovaFrameTest";
inline constexpr wchar_t kChildClass[] = L"KovaChildTest";

// Frame changes that MDI children of kChildClass were told about.
inline int g_child_frame_changes = 0;

inline void RegisterTestClasses() {
  static bool done = false;
  if (done) {
    return;
  }
  done = true;
  WNDCLASSW plain{};
  plain.lpfnWndProc = DefWindowProcW;
  plain.hInstance = myinstance();
  plain.lpszClassName = kPlainClass;
  RegisterClassW(&plain);
  WNDCLASSW skinned = plain;
  skinned.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
    return m == kMsgIsSkinned ? 1 : DefWindowProcW(w, m, wp, lp);
  };
  skinned.lpszClassName = kSkinnedClass;
  RegisterClassW(&skinned);
  WNDCLASSW frame = plain;
  frame.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
    return DefFrameProcW(w, FindWindowExW(w, nullptr, L"MDICLIENT", nullptr), m, wp, lp);
  };
  frame.lpszClassName = kFrameClass;
  RegisterClassW(&frame);
  WNDCLASSW child = plain;
  // Allows any size, down to nothing, and counts frame recalculations.
  child.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
    if (m == WM_NCCALCSIZE && wp != 0) {
      ++g_child_frame_changes;
    }
    const LRESULT result = DefMDIChildProcW(w, m, wp, lp);
    if (m == WM_GETMINMAXINFO) {
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {0, 0};
    }
    return result;
  };
  child.lpszClassName = kChildClass;
  RegisterClassW(&child);
}

// Hidden, so that no activation registers it before the test does.
inline HWND MakeWindow(const wchar_t* cls, int w, int h, DWORD style = WS_POPUP) {
  return CreateWindowExW(0, cls, L"test", style, 10, 10, w, h, nullptr, nullptr, myinstance(),
                         nullptr);
}

inline bool HasRegion(HWND wnd) {
  const UniqueRegion probe(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(wnd, probe.Get()) != ERROR;
}

class SkinApplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    UseSkinManager();
    FreeSkinManager();
  }
  void TearDown() override {
    forms_.clear();
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
      if (IsWindow(*it)) {
        DestroyWindow(*it);
      }
    }
    datas_.clear();
    FreeSkinManager();
  }
  // A loaded skin data registered with the manager, which it creates when needed.
  TSkinData* Data(TSkinFormType type, TSkinOptions extra = {}) {
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFormtype(type);
    data->SetOptions(TSkinOptions::FromMask(data->Options().Mask() | extra.Mask()));
    Load(*data, {"[Personality]\nTop=t.bmp\n", {{"t.bmp", Solid(20, 20, 0)}}});
    data->Loaded();
    datas_.push_back(std::move(data));
    return datas_.back().get();
  }
  TSkinManage& Manager() {
    TSkinManage* manager = SkinManager();
    EXPECT_NE(manager, nullptr);
    manager->FActive = true;
    return *manager;
  }
  HWND Keep(HWND w) {
    EXPECT_NE(w, nullptr);
    windows_.push_back(w);
    return w;
  }
  // A framework form with its window made; it is on the screen's list until the test
  // ends.
  TForm* MakeForm() {
    forms_.push_back(std::make_unique<TForm>(nullptr));
    TForm* form = forms_.back().get();
    EXPECT_NE(form->Handle(), nullptr);
    return form;
  }

  std::vector<std::unique_ptr<TForm>> forms_;
  std::vector<std::unique_ptr<TSkinData>> datas_;
  std::vector<HWND> windows_;
};

}  // namespace kova::testing
