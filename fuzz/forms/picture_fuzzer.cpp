// Picture files come from resource modules and skins: any bytes must load or be refused
// without harm. FUZZ_PICTURE names the picture class under test.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/streams.h"
#include "forms/graphics/gif_image.h"
#include "forms/graphics/png_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kova::TMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  FUZZ_PICTURE picture;
  if (picture.LoadFromStream(stream)) {
    // A loaded picture must have a usable size.
    if (picture.Width() <= 0 || picture.Height() <= 0)
      __builtin_trap();
  }
  return 0;
}
