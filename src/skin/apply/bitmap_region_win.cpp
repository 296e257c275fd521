#include "skin/apply/bitmap_region_win.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace kova {

namespace {

// Unites every batch into one region; the region data of a batch lives only for the
// ExtCreateRegion call.
class HrgnSink final : public RegionSink {
 public:
  HrgnSink() : result_(CreateRectRgn(0, 0, 0, 0)) {}

  void Unite(std::span<const ImageRect> rects) override {
    if (!result_ || rects.empty()) {
      return;
    }
    const std::size_t header = sizeof(RGNDATAHEADER);
    std::vector<uint8_t> data(header + rects.size() * sizeof(RECT));
    RGNDATAHEADER head{};
    head.dwSize = sizeof(RGNDATAHEADER);
    head.iType = RDH_RECTANGLES;
    head.nCount = static_cast<DWORD>(rects.size());
    head.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    head.rcBound = {std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::max(),
                    std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::min()};
    for (std::size_t i = 0; i < rects.size(); ++i) {
      const RECT r{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
      head.rcBound.left = std::min(head.rcBound.left, r.left);
      head.rcBound.top = std::min(head.rcBound.top, r.top);
      head.rcBound.right = std::max(head.rcBound.right, r.right);
      head.rcBound.bottom = std::max(head.rcBound.bottom, r.bottom);
      std::memcpy(data.data() + header + i * sizeof(RECT), &r, sizeof(RECT));
    }
    std::memcpy(data.data(), &head, header);
    UniqueRegion part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
    if (!part) {
      // Without the batch the window would lose opaque pixels: fail the whole region.
      result_.Reset();
      return;
    }
    CombineRgn(result_.Get(), result_.Get(), part.Get(), RGN_OR);
  }

  UniqueRegion Take() { return std::move(result_); }

 private:
  UniqueRegion result_;
};

}  // namespace

UniqueRegion BitmapToRegion(const TBitmap& bitmap, int x, int y, TColor key,
                            const KeyTolerance& tolerance) {
  HrgnSink sink;
  BitmapToRegionRuns(bitmap, x, y, key, tolerance, sink);
  return sink.Take();
}

}  // namespace kova
