#include "screenshot_win.h"

#include <png.h>

#include <cstring>

#include "base/win/handles_win.h"

namespace kova::testing {

bool SavePng(const TDibBitmap& bitmap, const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.Width());
  image.height = static_cast<png_uint_32>(bitmap.Height());
  image.format = PNG_FORMAT_BGRA;
  TBitmap pixels = bitmap.ToPixels();
  for (int y = 0; y < pixels.Height(); ++y) {
    uint8_t* row = pixels.ScanLine(y);
    for (int x = 0; x < pixels.Width(); ++x) {
      row[x * 4 + 3] = 255;
    }
  }
  return png_image_write_to_file(&image, file.string().c_str(), 0, pixels.ScanLine(0),
                                 pixels.Stride(), nullptr) != 0;
}

bool SaveWindowShot(HWND window, const std::filesystem::path& file) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect{};
  GetWindowRect(window, &rect);
  TDibBitmap shot(rect.right - rect.left, rect.bottom - rect.top);
  ScopedGetDC screen(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen.Get(),
         rect.left, rect.top, SRCCOPY);
  std::filesystem::create_directories(file.parent_path());
  return SavePng(shot, file);
}

BYTE WindowAlpha(HWND window) {
  if ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) {
    return 255;
  }
  BYTE alpha = 255;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
    return 255;
  }
  return alpha;
}

bool SaveFormScreenshot(TForm& form, const std::filesystem::path& file) {
  return SaveWindowShot(form.Handle(), file);
}

}  // namespace kova::testing
