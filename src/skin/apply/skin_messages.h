// The skin engine's private window messages. Their numbers are fixed: skinned windows
// of other modules of the product answer and send the same ones.
#pragma once

#include <cstdint>

namespace kova {

using SkinMessage = unsigned;

// Repaint the non-client area now.
inline constexpr SkinMessage kMsgRepaintFrame = 0x3502;
// Finish the set-up; posted by the manager right after registration, lParam 1000.
inline constexpr SkinMessage kMsgFinishSetup = 0x3503;
inline constexpr intptr_t kFinishSetupParam = 1000;
// To a skinned control: wParam 0 suspends painting over it, 1 or more resumes.
inline constexpr SkinMessage kMsgEnableControlSkin = 0x3506;
// A caption button with an action of its own was clicked; wParam is the action.
inline constexpr SkinMessage kMsgCaptionButtonAction = 0x3514;
// A caption button asks whether it is shown: wParam the visibility code (1000 to 2000),
// lParam the action; an answer of 1 or more shows it.
inline constexpr SkinMessage kMsgCaptionButtonVisible = 0x3515;
// Sent to the MDI client: the MDI child in wParam is maximized.
inline constexpr SkinMessage kMsgMdiMaximized = 0x3516;
// A skinned control of this window (wParam) was made again.
inline constexpr SkinMessage kMsgControlRecreated = 0x3517;
// A menu was chosen from the skinned menu bar.
inline constexpr SkinMessage kMsgMenuBarSelect = 0x3518;
// Asked of any window: a skinned one answers 1.
inline constexpr SkinMessage kMsgIsSkinned = 0x3523;
// To a framework form: apply the changed skin.
inline constexpr SkinMessage kMsgApplySkinChange = 0x33F5;
// To a framework form or control, with lParam kSkinMarker: paint the non-client area
// into the device context in wParam (when non-zero); answers kSkinMarker.
inline constexpr SkinMessage kMsgPaintFrameInto = 0xBC4B;
// To a framework form: answers kSkinMarker when lParam is kSkinMarker, else 1.
inline constexpr SkinMessage kMsgProbeSkinned = 0xBC4D;
// Sent to a window once it is skinned, wParam 0 and lParam kSkinMarker.
inline constexpr SkinMessage kMsgSkinned = 0xBC4E;
// To a skinned edit, with wParam a device context and lParam kSkinMarker: paint the
// skin into it; answers kSkinMarker.
inline constexpr SkinMessage kMsgPaintEditInto = 0xBC4A;
// In the engine's range; this module neither sends nor answers it.
inline constexpr SkinMessage kMsgReservedBC4C = 0xBC4C;
// Marks the engine's own requests among messages others may use too.
inline constexpr intptr_t kSkinMarker = 0x41A2;

}  // namespace kova
