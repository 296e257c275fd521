// TGIFImage: a GIF picture decoded by giflib. Every frame is composed onto the
// logical screen (disposal and transparency applied) and kept as 32-bit
// blue-green-red-alpha pixels with its delay; with Animate on, the frames advance on
// a timer and OnChange fires for each.
#pragma once

#include <vector>

#include "forms/graphics/bitmap.h"
#include "forms/graphics/graphic.h"

namespace kova {

class TGIFImage : public TGraphic {
  KOVA_DECLARE_CLASS(TGIFImage)

 public:
  TGIFImage();
  ~TGIFImage() override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Transparent() const override { return true; }
  bool LoadFromStream(TStream& stream) override;
  std::unique_ptr<TGraphic> Clone() const override;
  void Assign(const TPersistent* source) override;
#ifdef _WIN32
  void Draw(HDC dc, const RECT& rect) const override;
#endif

  struct Frame {
    TBitmap pixels;    // the whole logical screen after this frame
    int delay_ms = 0;  // how long the frame shows
  };
  const std::vector<Frame>& Frames() const {
    return frames_;
  }
  int CurrentFrame() const {
    return current_;
  }
  void SetCurrentFrame(int index);
  // Moves to the next frame (wrapping) and fires OnChange.
  void NextFrame();

  bool Animate() const {
    return animate_;
  }
  // Switches the animation; it only runs for pictures of more than one frame.
  void SetAnimate(bool animate);

  static constexpr int kMaxSide = 4096;
  static constexpr int kMaxFrames = 1024;

 private:
  void StartTimer();
  void StopTimer();

  std::vector<Frame> frames_;
  int width_ = 0;
  int height_ = 0;
  int current_ = 0;
  bool animate_ = false;
  uintptr_t timer_ = 0;  // the platform timer while animating
};

}  // namespace kova
