#include "forms/graphics/gif_image.h"

namespace kova {

// Without a window system there is no message loop to animate in; NextFrame still
// steps through the frames.
void TGIFImage::StartTimer() {}
void TGIFImage::StopTimer() {}

}  // namespace kova
