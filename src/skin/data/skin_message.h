// The one message the skin file reader shows to the user. It goes through a hook so
// that the Windows build can show a message box while tests and tools see the text
// without a window.
#pragma once

#include "base/text.h"

namespace kova {

using SkinMessageHook = void (*)(const WideString& text);

inline constexpr char16_t kOlderSkinFileMessage[] =
    u"This is Older Skin File\rPlease update to new version !";

// Installs `hook` (null restores the platform default) and answers the previous one.
SkinMessageHook SetSkinMessageHook(SkinMessageHook hook);
void ShowSkinMessage(const WideString& text);

// The platform default: a message box on Windows, nothing elsewhere.
void DefaultSkinMessage(const WideString& text);

}  // namespace kova
