#include "forms/graphics/gif_image.h"
#include "forms/win/thread_timer_win.h"

namespace kova {

void TGIFImage::StartTimer() {
  StopTimer();
  if (frames_.size() < 2) {
    return;
  }
  const int delay = frames_[static_cast<size_t>(current_)].delay_ms;
  timer_ = StartThreadTimer(static_cast<UINT>(delay), [this] {
    NextFrame();
    StartTimer();  // each frame keeps its own delay
  });
}

void TGIFImage::StopTimer() {
  StopThreadTimer(timer_);
  timer_ = 0;
}

}  // namespace kova
