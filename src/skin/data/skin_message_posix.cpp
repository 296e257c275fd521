#include "skin/data/skin_message.h"

namespace kova {

// Without a window system there is nobody to show the text to; callers that care
// (tools, tests) install their own hook.
void DefaultSkinMessage(const WideString&) {}

}  // namespace kova
