// Private window messages of the skin engine.
#pragma once

namespace kova {

inline constexpr unsigned kMsgFinishSetup = 0x3503;  // posted after registration
inline constexpr unsigned kMsgIsSkinned = 0x3523;    // a skinned window answers 1
inline constexpr unsigned kMsgMdiMaximized = 0x3516;

}  // namespace kova
