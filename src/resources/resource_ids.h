// Identifiers of the product's images: the PNG and GIF resources of KOVAResources.dll
// and the resources of KOVAMsg.dll itself.
#pragma once

namespace kova::resource_id {

// KOVAResources.dll, type "PNG".
inline constexpr int kHeader = 20155;  // title bar background, stretched
inline constexpr int kFooter = 20156;  // footer background, stretched

// Push buttons: normal, hover, pressed, disabled.
inline constexpr int kButtonNormal = 20167;
inline constexpr int kButtonHover = 20168;
inline constexpr int kButtonPressed = 20169;
inline constexpr int kButtonDisabled = 20190;

// Title-bar buttons (24 x 15): normal, hover, pressed.
inline constexpr int kCloseNormal = 20029;
inline constexpr int kCloseHover = 20030;
inline constexpr int kClosePressed = 20028;
inline constexpr int kMinimizeNormal = 20004;
inline constexpr int kMinimizeHover = 20005;
inline constexpr int kMinimizePressed = 20003;

// The window frame, in the order the frame component receives them.
inline constexpr int kFrameTopLeft = 21014;
inline constexpr int kFrameTopRight = 21016;
inline constexpr int kFrameBottomLeft = 21015;
inline constexpr int kFrameBottomRight = 21017;
inline constexpr int kFrameTop = 21018;
inline constexpr int kFrameBottom = 21010;
inline constexpr int kFrameLeft = 21011;
inline constexpr int kFrameRight = 21013;
inline constexpr int kFrameIds[8] = {kFrameTopLeft,     kFrameTopRight, kFrameBottomLeft,
                                     kFrameBottomRight, kFrameTop,      kFrameBottom,
                                     kFrameLeft,        kFrameRight};
// Thickness of the drawn frame in pixels.
inline constexpr int kFrameThickness = 2;

// KOVAResources.dll, type "GIF": the busy indicator, an animation.
inline constexpr int kBusyAnimation = 21100;

// KOVAMsg.dll: the dialogs' window icon; the bitmaps are named resources
// ("KESTRELMENU", "TRACK", "TRACKVERT").
inline constexpr int kWindowIcon = 131;

}  // namespace kova::resource_id
