// A skin for control tests whose images paint frame n of every strip in colour
// FrameColor(n), so one pixel read back tells which frame a control shows.
#pragma once

#include "../skin_model/skin_fixture.h"

namespace kova::testing {

// Frame n of every strip is painted in colour FrameColor(n), so a pixel tells the frame.
inline TColor FrameColor(int frame) {
  return 0x010000 * frame + 0x40;
}

inline TBitmap Strip(int cell_w, int cell_h, int frames) {
  TBitmap b(cell_w * frames, cell_h);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < cell_h; ++y) {
      for (int x = 0; x < cell_w; ++x) {
        b.SetPixel(f * cell_w + x, y, FrameColor(f + 1));
      }
    }
  }
  return b;
}

inline SkinSource FrameColoredSkin() {
  TBitmap scroll = Strip(16, 16, 23);
  // The horizontal grip (frame 17) is a 4x4 mark on a see-through cell.
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool mark = x >= 6 && x < 10 && y >= 6 && y < 10;
      scroll.SetPixel(16 * 16 + x, y, mark ? 0x00FFFF : 0xFF00FF);
    }
  }
  return {
      "[Buttons]\nBitmap=b.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
      "CheckButton=c.bmp\nRadioButton=r.bmp\nCheckButtonFrame=4\nRadioButtonFrame=4\n"
      "[Scrollbar]\nImage=s.bmp\n[HorzScroll]\nImage=h.bmp\n[HorzScrollThumb]\nImage=t.bmp\n"
      "[Colours]\nButtonFace=0,0,200\n",
      {{"b.bmp", Strip(10, 10, 5)},
       {"c.bmp", Strip(13, 13, 4)},
       {"r.bmp", Strip(12, 12, 4)},
       {"s.bmp", scroll},
       {"h.bmp", Strip(8, 16, 4)},
       {"t.bmp", Strip(8, 16, 3)}}};
}

}  // namespace kova::testing
