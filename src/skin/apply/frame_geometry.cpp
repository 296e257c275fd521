#include "skin/apply/frame_geometry.h"

#include <algorithm>

namespace kova {

namespace {

int AcrossBorder(const TDataSkinObject* border, bool horizontal_strip) {
  if (border == nullptr) {
    return 0;
  }
  const int length = horizontal_strip ? border->Map.Height() : border->Map.Width();
  return length / std::max(border->Frame, 1);
}

}  // namespace

BorderStyleInfo BorderStyleOf(uint32_t style, uint32_t ex_style, std::string_view class_name) {
  BorderStyleInfo info;
  if ((style & frame_style::kCaption) == frame_style::kCaption) {
    if (style & frame_style::kThickFrame) {
      info.style = SkinBorderStyle::kSizable;
    } else if (style & frame_style::kModalFrame) {
      info.style = SkinBorderStyle::kDialog;
    } else {
      info.style = SkinBorderStyle::kSingle;
    }
  }
  if (ex_style & frame_style::kExDialogModalFrame) {
    info.style = SkinBorderStyle::kDialog;
  }
  if (class_name == "#32770" || class_name == "TMessageForm") {
    info.style = SkinBorderStyle::kDialog;
    info.message_box = true;
  }
  return info;
}

FrameWidths FrameWidthsOf(const TSkinData& data, SkinBorderStyle style, int menu_height) {
  if (style == SkinBorderStyle::kNone) {
    return {};
  }
  return {AcrossBorder(data.Left.get(), false), AcrossBorder(data.Top.get(), true),
          AcrossBorder(data.Right.get(), false), AcrossBorder(data.Bottom.get(), true),
          std::max(menu_height, 0)};
}

NcCalcResult CalcNonClientSize(bool calc_valid_rects, const WindowPos& proposed,
                               const FrameWidths& frame, bool keep_system_client, ImageRect& client,
                               ImageRect& valid) {
  if (!calc_valid_rects) {
    return NcCalcResult::kNone;
  }
  if (!keep_system_client) {
    const int left = proposed.x + frame.left;
    const int top = proposed.y + frame.caption + frame.menu;
    client = {left, top, std::max(left, proposed.x + proposed.cx - frame.right),
              std::max(top, proposed.y + proposed.cy - frame.bottom)};
  }
  valid = client;
  return NcCalcResult::kValidRects;
}

FramePoint ClientToWindowPoint(FramePoint client, const FrameWidths& frame,
                               bool minimized_mdi_child) {
  if (minimized_mdi_child) {
    return client;
  }
  return {client.x + frame.left, client.y + frame.caption + frame.menu};
}

NcHit RefineHitTest(NcHit previous, FramePoint window_point, const FrameWidths& frame) {
  if (previous != NcHit::kNowhere && previous != NcHit::kCaption) {
    return previous;
  }
  if (frame.menu > 0 && window_point.y > frame.caption) {
    return NcHit::kMenu;
  }
  if (window_point.y > 3) {
    return NcHit::kCaption;
  }
  return previous;
}

CaptionLayout LayoutCaption(const TDataSkinTitle& title, const CaptionLayoutInput& input) {
  // The title keeps TextShift, TextShiftVert and TextRightClip in its first margins.
  const int shift = title.LeftWidth;
  const int shift_vert = title.TopHeight;
  const int right_clip = title.RightWidth;
  const int back_left = std::max(title.TXTBackleft, 0);
  const int back_right = std::max(title.TXTBackRight, 0);
  const int width = input.strip_width;
  const int box_width = std::max(input.text_width, 0) + back_left + back_right;

  int x = shift;
  const int alignment = title.TextAlignment;
  if (!input.right_to_left) {
    if (alignment == 1) {
      x = (width - box_width) / 2;
    } else if (alignment == 2) {
      x = width - right_clip - box_width;
    }
    if (alignment == 0 && input.dialog_style) {
      x -= 16;
    }
  } else {
    const int space = width - input.right_buttons_x;
    if (alignment == 0) {
      x = space - box_width;
    } else if (alignment == 1) {
      x = (space - box_width) / 2;
    }
    x += 10;
  }

  const int y = (input.strip_height - input.text_height) / 2 + shift_vert / 2;
  int right = x + box_width;
  if (!input.popup) {
    right = std::min(right, width - right_clip);
  } else if (input.right_buttons_x >= 6) {
    right = std::min(right, width - input.right_buttons_x - 5);
  }
  right = std::max(right, x);

  CaptionLayout layout;
  layout.box = {x, y, right, y + input.text_height};
  layout.text = {x + back_left, y, std::max(x + back_left, right - back_right),
                 y + input.text_height};
  return layout;
}

}  // namespace kova
