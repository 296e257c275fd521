#include "screenshot_win.h"

#include <png.h>

#include <cstring>

#include "forms/win/handles_win.h"

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

bool SaveFormScreenshot(TForm& form, const std::filesystem::path& file) {
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  TDibBitmap shot(form.Width(), form.Height());
  ScopedGetDC screen(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, form.Width(), form.Height(), screen.Get(), form.Left(),
         form.Top(), SRCCOPY);
  return SavePng(shot, file);
}

}  // namespace kova::testing
