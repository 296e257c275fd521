#include "forms/graphics/gif_image.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace kova {

namespace {

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const size_t n =
      std::min(static_cast<size_t>(std::max(count, 0)), reader->size - reader->position);
  if (n > 0) {  // an empty file has no data pointer to copy from
    std::memcpy(buffer, reader->data + reader->position, n);
  }
  reader->position += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

struct FrameControl {
  int disposal = 0;
  int delay_ms = 0;
  int transparent = -1;
};

// Browsers show frames with a delay under 20 ms for 100 ms; so do we.
int EffectiveDelay(int delay_ms) {
  return delay_ms < 20 ? 100 : delay_ms;
}

constexpr int64_t kMaxTotalBytes = int64_t{256} << 20;

}  // namespace

const ClassInfo& TGIFImage::StaticClass() {
  static const ClassInfo info("TGIFImage", &TGraphic::StaticClass(), {});
  return info;
}

TGIFImage::TGIFImage() = default;

TGIFImage::~TGIFImage() {
  StopTimer();
}

bool TGIFImage::LoadFromStream(TStream& stream) {
  StopTimer();
  frames_.clear();
  width_ = height_ = current_ = 0;

  const int64_t remaining = std::max<int64_t>(stream.Size() - stream.Position(), 0);
  std::vector<uint8_t> bytes(static_cast<size_t>(remaining));
  bytes.resize(static_cast<size_t>(std::max<int64_t>(stream.Read(bytes.data(), remaining), 0)));
  MemoryReader reader{bytes.data(), bytes.size(), 0};

  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &error));
  if (!gif || gif->SWidth <= 0 || gif->SHeight <= 0 || gif->SWidth > kMaxSide ||
      gif->SHeight > kMaxSide) {
    Changed();
    return false;
  }
  const int sw = gif->SWidth;
  const int sh = gif->SHeight;
  TBitmap canvas(sw, sh, PixelFormat::k32Bit);
  if (canvas.Empty()) {
    Changed();
    return false;
  }
  const int64_t frame_bytes = int64_t{canvas.Stride()} * sh;
  std::vector<Frame> frames;
  FrameControl control;
  std::vector<GifByteType> line;
  bool ok = true;

  for (bool done = false; !done && ok;) {
    GifRecordType type;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
      ok = false;
      break;
    }
    switch (type) {
      case EXTENSION_RECORD_TYPE: {
        int code = 0;
        GifByteType* ext = nullptr;
        if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR) {
          ok = false;
          break;
        }
        if (code == GRAPHICS_EXT_FUNC_CODE && ext != nullptr && ext[0] >= 4) {
          control.disposal = (ext[1] >> 2) & 7;
          control.delay_ms = (ext[2] | (ext[3] << 8)) * 10;
          control.transparent = (ext[1] & 1) ? ext[4] : -1;
        }
        while (ok && ext != nullptr) {
          ok = DGifGetExtensionNext(gif.get(), &ext) != GIF_ERROR;
        }
        break;
      }
      case IMAGE_DESC_RECORD_TYPE: {
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
          ok = false;
          break;
        }
        const GifImageDesc& desc = gif->Image;
        const ColorMapObject* colors = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        if (colors == nullptr || desc.Width <= 0 || desc.Height <= 0 || desc.Width > kMaxSide ||
            desc.Height > kMaxSide || static_cast<int>(frames.size()) >= kMaxFrames ||
            frame_bytes * static_cast<int64_t>(frames.size() + 1) > kMaxTotalBytes) {
          ok = false;
          break;
        }
        const TBitmap before = control.disposal == 3 ? canvas : TBitmap();
        line.assign(static_cast<size_t>(desc.Width), 0);
        static constexpr int kOffsets[] = {0, 4, 2, 1};
        static constexpr int kSteps[] = {8, 8, 4, 2};
        const int passes = desc.Interlace ? 4 : 1;
        for (int pass = 0; pass < passes && ok; ++pass) {
          const int first = desc.Interlace ? kOffsets[pass] : 0;
          const int step = desc.Interlace ? kSteps[pass] : 1;
          for (int row = first; row < desc.Height; row += step) {
            if (DGifGetLine(gif.get(), line.data(), desc.Width) == GIF_ERROR) {
              ok = false;
              break;
            }
            const int y = desc.Top + row;
            if (y < 0 || y >= sh) {
              continue;
            }
            uint8_t* out = canvas.ScanLine(y);
            for (int col = 0; col < desc.Width; ++col) {
              const int x = desc.Left + col;
              const int index = line[static_cast<size_t>(col)];
              if (x >= sw || index == control.transparent || index >= colors->ColorCount) {
                continue;
              }
              const GifColorType& c = colors->Colors[index];
              uint8_t* p = out + x * 4;
              p[0] = c.Blue;
              p[1] = c.Green;
              p[2] = c.Red;
              p[3] = 0xFF;
            }
          }
        }
        if (!ok) {
          break;
        }
        frames.push_back(Frame{canvas, EffectiveDelay(control.delay_ms)});
        if (control.disposal == 2) {
          for (int y = std::max(desc.Top, 0); y < std::min(desc.Top + desc.Height, sh); ++y) {
            uint8_t* out = canvas.ScanLine(y);
            const int x0 = std::max(desc.Left, 0);
            const int x1 = std::min(desc.Left + desc.Width, sw);
            if (x1 > x0) {
              std::memset(out + x0 * 4, 0, static_cast<size_t>(x1 - x0) * 4);
            }
          }
        } else if (control.disposal == 3) {
          canvas = before;
        }
        control = FrameControl{};
        break;
      }
      case TERMINATE_RECORD_TYPE:
        done = true;
        break;
      default:
        break;
    }
  }
  // A file cut short after at least one whole frame still shows what it has.
  if (frames.empty()) {
    Changed();
    return false;
  }
  frames_ = std::move(frames);
  width_ = sw;
  height_ = sh;
  if (animate_) {
    StartTimer();
  }
  Changed();
  return true;
}

std::unique_ptr<TGraphic> TGIFImage::Clone() const {
  auto copy = std::make_unique<TGIFImage>();
  copy->Assign(this);
  return copy;
}

void TGIFImage::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TGIFImage*>(source)) {
    if (other == this) {
      return;
    }
    StopTimer();
    frames_ = other->frames_;
    width_ = other->width_;
    height_ = other->height_;
    current_ = 0;
    animate_ = other->animate_;
    if (animate_) {
      StartTimer();
    }
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TGIFImage::SetCurrentFrame(int index) {
  if (index >= 0 && index < static_cast<int>(frames_.size()) && index != current_) {
    current_ = index;
    Changed();
  }
}

void TGIFImage::NextFrame() {
  if (frames_.size() > 1) {
    current_ = (current_ + 1) % static_cast<int>(frames_.size());
    Changed();
  }
}

void TGIFImage::SetAnimate(bool animate) {
  if (animate == animate_) {
    return;
  }
  animate_ = animate;
  if (animate_) {
    StartTimer();
  } else {
    StopTimer();
  }
}

}  // namespace kova
