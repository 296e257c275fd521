// The skin component's application icon comes from the application window, drawn at
// the small-icon size; the program's own icon is only the fallback.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/win/handles_win.h"
#include "skin/data/application_window_win.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {
namespace {

// An opaque icon of one colour.
UniqueIcon SolidIcon(int size, COLORREF color) {
  ScopedGetDC screen(nullptr);
  UniqueBitmap pixels(CreateCompatibleBitmap(screen.Get(), size, size));
  UniqueBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
  {
    UniqueMemoryDC dc(CreateCompatibleDC(screen.Get()));
    {
      ScopedSelectObject selected(dc.Get(), pixels.Get());
      UniqueBrush brush(CreateSolidBrush(color));
      RECT all{0, 0, size, size};
      FillRect(dc.Get(), &all, brush.Get());
    }
    ScopedSelectObject selected(dc.Get(), mask.Get());
    PatBlt(dc.Get(), 0, 0, size, size, BLACKNESS);  // mask 0: the colour shows
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = pixels.Get();
  info.hbmMask = mask.Get();
  return UniqueIcon(CreateIconIndirect(&info));
}

HWND g_application_window = nullptr;
HWND TestApplicationWindow() {
  return g_application_window;
}

class AppIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = UniqueWindow(CreateWindowExW(0, L"STATIC", L"application", WS_POPUP, 0, 0, 50, 50,
                                           nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(window_);
    g_application_window = window_.Get();
    previous_ = SetApplicationWindowSource(&TestApplicationWindow);
  }
  void TearDown() override {
    SetApplicationWindowSource(previous_);
    g_application_window = nullptr;
  }

  static TColor CentreOfAppIcon() {
    TSkinData data(nullptr);
    data.BeginLoading();
    data.EndLoading();  // takes the icon
    const int size = GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(data.AppIcon.Width(), size);
    EXPECT_EQ(data.AppIcon.Height(), size);
    return data.AppIcon.Pixel(size / 2, size / 2);
  }

  UniqueWindow window_;
  ApplicationWindowSource previous_ = nullptr;
};

TEST_F(AppIconTest, SmallIconOfTheApplicationWindowWinsOverItsBigIcon) {
  const COLORREF small_color = RGB(0, 128, 255);
  const COLORREF big_color = RGB(200, 40, 10);
  const UniqueIcon small_icon = SolidIcon(16, small_color);
  const UniqueIcon big_icon = SolidIcon(32, big_color);
  ASSERT_TRUE(small_icon && big_icon);

  SendMessageW(window_.Get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon.Get()));
  EXPECT_EQ(CentreOfAppIcon(), static_cast<TColor>(big_color));  // no small icon yet

  SendMessageW(window_.Get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon.Get()));
  EXPECT_EQ(CentreOfAppIcon(), static_cast<TColor>(small_color));

  // The window still owns its icons: taking them destroyed nothing.
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(small_icon.Get(), &info));
  UniqueBitmap color(info.hbmColor);
  UniqueBitmap mask(info.hbmMask);
}

TEST_F(AppIconTest, WithoutAnApplicationWindowIconTheProgramIconOrNothingIsUsed) {
  // The test program carries no icon of its own: the bitmap stays the transparent key.
  EXPECT_EQ(CentreOfAppIcon(), kTransparentKey);
  g_application_window = nullptr;
  EXPECT_EQ(CentreOfAppIcon(), kTransparentKey);
}

}  // namespace
}  // namespace kova
