// The geometry of a skinned window frame, free of any window system: the widths of the
// skinned frame parts, the border style a window's styles give, the client rectangle
// the frame leaves, window coordinates, non-client hit codes and where the caption text
// goes in the title strip.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/apply/skin_form_types.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {

// Window style bits the frame reads (values of the system's window styles).
namespace frame_style {
inline constexpr uint32_t kCaption = 0x00C00000;
inline constexpr uint32_t kThickFrame = 0x00040000;
inline constexpr uint32_t kPopup = 0x80000000;
inline constexpr uint32_t kModalFrame = 0x00000080;  // dialog template style
inline constexpr uint32_t kExDialogModalFrame = 0x00000001;
}  // namespace frame_style

struct BorderStyleInfo {
  SkinBorderStyle style = SkinBorderStyle::kNone;
  bool message_box = false;
};

// Border style from the style, extended style and class name: none without both caption
// bits; sizable with a thick frame, single, or dialog with the modal-frame styles; the
// system's and the framework's message boxes are always dialogs.
BorderStyleInfo BorderStyleOf(uint32_t style, uint32_t ex_style, std::string_view class_name);

// Widths of the skinned frame parts and the menu-bar row below the caption.
struct FrameWidths {
  int left = 0;
  int caption = 0;
  int right = 0;
  int bottom = 0;
  int menu = 0;
};

// Each border's bitmap size across the border divided by its frame count; all zero for
// a window without border, which keeps no menu row either.
FrameWidths FrameWidthsOf(const TSkinData& data, SkinBorderStyle style, int menu_height);

struct WindowPos {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

enum class NcCalcResult : uint32_t { kNone = 0, kValidRects = 0x400 };

// The non-client size calculation, after the previous procedure has filled `client`.
// Without `calc_valid_rects` nothing changes and the answer is kNone. Otherwise `client`
// becomes the proposed window less the frame (or stays as the previous procedure left
// it when `keep_system_client`: windows without border, MDI children that are not
// normal), `valid` a copy of it, and the answer kValidRects. A window smaller than its
// frame gets an empty client rectangle, never an inverted one.
NcCalcResult CalcNonClientSize(bool calc_valid_rects, const WindowPos& proposed,
                               const FrameWidths& frame, bool keep_system_client, ImageRect& client,
                               ImageRect& valid);

struct FramePoint {
  int x = 0;
  int y = 0;
};

// A client-relative point in window coordinates; a minimized MDI child has no skinned
// frame and uses client coordinates unchanged.
FramePoint ClientToWindowPoint(FramePoint client, const FrameWidths& frame,
                               bool minimized_mdi_child);

// Non-client hit codes (the system's values).
enum class NcHit : int32_t {
  kError = -2,
  kTransparent = -1,
  kNowhere = 0,
  kClient = 1,
  kCaption = 2,
  kSysMenu = 3,
  kGrowBox = 4,
  kMenu = 5,
  kHScroll = 6,
  kVScroll = 7,
  kMinButton = 8,
  kMaxButton = 9,
  kLeft = 10,
  kRight = 11,
  kTop = 12,
  kTopLeft = 13,
  kTopRight = 14,
  kBottom = 15,
  kBottomLeft = 16,
  kBottomRight = 17,
  kBorder = 18,
  kClose = 20,
  kHelp = 21,
};

// Refines the previous procedure's hit code for a point in window coordinates: any code
// but nowhere and caption stands; below the caption with a menu row the point is on the
// menu, below the top three pixels on the caption.
NcHit RefineHitTest(NcHit previous, FramePoint window_point, const FrameWidths& frame);

// What the caption text layout needs of the window.
struct CaptionLayoutInput {
  int strip_width = 0;
  int strip_height = 0;
  int text_width = 0;  // measured text
  int text_height = 0;
  bool right_to_left = false;
  bool popup = false;
  bool dialog_style = false;
  int right_buttons_x = 0;  // largest Xcoord of visible right-aligned caption buttons
};

struct CaptionLayout {
  ImageRect box;   // text with its background ends; stored as the caption rectangle
  ImageRect text;  // where the text is drawn, inside the background ends
  bool empty() const { return box.right <= box.left; }
};

// Places the caption text in the title strip by the title's alignment (mirrored for
// right-to-left windows) and clips it on the right.
CaptionLayout LayoutCaption(const TDataSkinTitle& title, const CaptionLayoutInput& input);

}  // namespace kova
